#include "editing/colourmatcher.h"
#include "editing/colourwindow.h"
#include "recordingstore.h"
#include "scriptedprompts.h"

#include "app/settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char *const ButtonNames[] = {"Command1", "Command2", "Command3", "Command7", "Command8", "Command9"};

// FColors over the factory table, stored as on a first run, with its writes forgotten.
struct ColourWindowFixture {
    RecordingStore store;
    Settings settings{store};
    ScriptedPrompts prompts;
    QWidget owner;
    ColourTable table = ColourTable::factory();
    ColourWindow window{table, settings, prompts, &owner};

    ColourWindowFixture()
    {
        table.save(settings);
        store.writes.clear();
        window.showWindow();
    }
    QLineEdit *word(int row) const { return window.findChild<QLineEdit *>(QStringLiteral("cword%1").arg(row + 1)); }
    QColor swatch(int row) const
    {
        return window.findChild<QLabel *>(QStringLiteral("b%1color").arg(row + 1))->palette().color(QPalette::Window);
    }
    void click(const QString &name) const
    {
        for (auto *button : window.findChildren<QPushButton *>()) {
            if (button->objectName() == name || button->text() == name) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable("no button " + name));
    }
};

} // namespace

class TestColourWindow : public QObject {
    Q_OBJECT
private slots:
    void showsTheTable()
    {
        ColourWindowFixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("FColors"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Syntax Highlighting"));
        QVERIFY(f.window.isVisible());
        QVERIFY(!f.window.isModal());
        QVERIFY(f.window.windowFlags() & Qt::Tool);
        QVERIFY(!(f.window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        QStringList headings;
        for (auto *label : f.window.findChildren<QLabel *>())
            headings << label->text();
        QVERIFY(headings.contains("Word To Be Highlighted") && headings.contains("Color"));

        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(128, 0, 0),
                                  QColor(128, 255, 0), QColor(0, 128, 0), QColor(0, 128, 255)};
        for (int row = 0; row < ColourTable::Size; ++row) {
            QCOMPARE(f.word(row)->text(), f.table.entries[row].word);
            QCOMPARE(f.swatch(row), colours[row]);
            QCOMPARE(f.window.findChild<QPushButton *>(ButtonNames[row])->text(), QStringLiteral("Change Color"));
        }
    }

    // The window shows the table as it is when shown again (a factory reset may have replaced it).
    void showingAgainReadsTheTable()
    {
        ColourWindowFixture f;
        f.click("Cancel");
        f.table.entries[5] = {QStringLiteral("close"), 0x00FF00};
        f.window.showWindow();
        QCOMPARE(f.word(5)->text(), QStringLiteral("close"));
        QCOMPARE(f.swatch(5), QColor(0, 255, 0));
    }

    void changeColour_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < ColourTable::Size; ++row)
            QTest::newRow(ButtonNames[row]) << row;
    }
    // Each row's button changes that row only; the picker starts at its own last colour.
    void changeColour()
    {
        QFETCH(int, row);
        ColourWindowFixture f;
        const ColourTable before = f.table;
        f.prompts.queueColour(QColor(10, 20, 30));
        f.click(ButtonNames[row]);
        QCOMPARE(f.table.entries[row].colour, 10 + 256 * 20 + 65536 * 30);
        QCOMPARE(f.swatch(row), QColor(10, 20, 30));
        for (int other = 0; other < ColourTable::Size; ++other) {
            if (other != row)
                QCOMPARE(f.table.entries[other], before.entries[other]);
        }

        const int next = (row + 1) % ColourTable::Size;
        f.prompts.queueColour(QColor(200, 100, 0));
        f.click(ButtonNames[next]);
        QCOMPARE(f.prompts.colourRequests, (QList<QColor>{QColor(Qt::black), QColor(10, 20, 30)}));
        QCOMPARE(f.table.entries[next].colour, valueFromColour(QColor(200, 100, 0)));
        QVERIFY(f.store.writes.isEmpty());
    }

    // Closing the picker without a choice keeps the row's colour.
    void cancelledPickerKeepsTheColour()
    {
        ColourWindowFixture f;
        f.prompts.queueColour(QColor(1, 2, 3));
        f.click("Command1");
        f.prompts.queueColour(std::nullopt);
        f.click("Command9");
        QCOMPARE(f.table.entries[5].colour, 16744448);
        QCOMPARE(f.swatch(5), QColor(0, 128, 255));
        QVERIFY(f.prompts.allAnswersUsed());
    }

    void saveWritesTheTableInOrder()
    {
        ColourWindowFixture f;
        f.word(1)->setText(QStringLiteral("printf"));
        f.word(4)->clear();
        f.prompts.queueColour(QColor(0, 0, 0));
        f.click("Command7");
        f.click("Save");

        QCOMPARE(f.store.writes, (QStringList{
                                     "Syntax Highlighting/w1=exit;", "Syntax Highlighting/wc1=255",
                                     "Syntax Highlighting/w2=printf", "Syntax Highlighting/wc2=16711680",
                                     "Syntax Highlighting/w3=sub", "Syntax Highlighting/wc3=128",
                                     "Syntax Highlighting/w4=$", "Syntax Highlighting/wc4=0",
                                     "Syntax Highlighting/w5=", "Syntax Highlighting/wc5=32768",
                                     "Syntax Highlighting/w6=open", "Syntax Highlighting/wc6=16744448"}));
        QVERIFY(!f.window.isVisible());
        QCOMPARE(ColourTable::load(f.settings), f.table);
    }

    void cancelAndEscapeHideWithoutWriting_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    // The edits stay in the live table, which the next pass reads; the settings keep the old table.
    void cancelAndEscapeHideWithoutWriting()
    {
        QFETCH(bool, escape);
        ColourWindowFixture f;
        f.word(2)->setText(QStringLiteral("my"));
        f.prompts.queueColour(QColor(0, 255, 255));
        f.click("Command2");
        if (escape)
            QTest::keyClick(&f.window, Qt::Key_Escape);
        else
            f.click("Cancel");

        QVERIFY(!f.window.isVisible());
        QVERIFY(f.store.writes.isEmpty());
        QCOMPARE(f.table.entries[2].word, QStringLiteral("my"));
        QCOMPARE(f.table.entries[1].colour, valueFromColour(QColor(0, 255, 255)));
        QCOMPARE(ColourTable::load(f.settings), ColourTable::factory());
    }
};

QTEST_MAIN(TestColourWindow)
#include "tst_colourwindow.moc"
