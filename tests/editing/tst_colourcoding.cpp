#include "app/editorwindow.h"
#include "colouroracle.h"
#include "document/richtextcontrol.h"
#include "editing/colourcoding.h"
#include "editing/colourmatcher.h"
#include "editing/workingwindow.h"
#include "editorfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Records the captions the Working window is shown with.
class ShowRecorder : public QObject {
public:
    explicit ShowRecorder(QWidget *watched) { watched->installEventFilter(this); }
    QStringList captions;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            captions << static_cast<QWidget *>(watched)->windowTitle();
        return false;
    }
};

// The controller on a bare text control: cheap enough for hundreds of scripts.
struct BareFixture {
    RecordingStore store;
    Settings settings{store};
    ScriptedPrompts prompts;
    QWidget window;
    RichTextControl *text = new RichTextControl(&window);
    ColourTable colours = ColourTable::factory();
    EditorState state;
    ColourCoding coding{&window, *text, colours, settings, prompts, state};
};

// The controller on the real main window, its commands reached through the menu items.
struct WindowFixture {
    EditorFixture services;
    EditorWindow window{services.context};
    RichTextControl &text = *window.textControl();
    ColourCoding &coding = controller();
    ShowRecorder working{&coding.workingWindow()};

    ColourCoding &controller()
    {
        services.context.colours = ColourTable::factory();
        if (auto *existing = window.findChild<ColourCoding *>())
            return *existing;
        return *new ColourCoding(&window, text, services.context.colours, services.context.settings,
                                 services.prompts, window.state);
    }
    void select(int start, int length)
    {
        text.setSelStart(start);
        text.setSelLength(length);
    }
};

// One character per position: '.' for black, else the number of the factory entry with that colour.
QString factoryCodes(const RichTextControl &text)
{
    const ColourTable factory = ColourTable::factory();
    QString out;
    const int size = int(text.text().size());
    for (int p = 0; p < size; ++p) {
        const QColor colour = text.colourAt(p);
        QChar code('.');
        for (int k = 0; k < ColourTable::Size; ++k) {
            if (colour == colourFromValue(factory.entries[k].colour))
                code = QChar('1' + k);
        }
        out += code;
    }
    return out;
}

// The first position where the control's colours differ from the model's, or -1.
int firstDifference(const RichTextControl &text, const oracle::Model &model)
{
    for (int p = 0; p < model.text.size(); ++p) {
        if (text.colourAt(p) != colourFromValue(model.colours[p]))
            return p;
    }
    return -1;
}

// Colours a few random ranges in both, so the test sees that a pass leaves them where no match lands.
void precolour(oracle::Generator &random, RichTextControl &text, oracle::Model &model)
{
    const int size = int(model.text.size());
    for (int n = random.below(3); n > 0; --n) {
        const int start = random.below(size + 1);
        const int length = random.below(size - start + 1);
        const int colour = 0x102030 * (n + 1);
        text.setSelStart(start);
        text.setSelLength(length);
        text.setSelColor(colourFromValue(colour));
        model.colourSelection(start, length, colour);
    }
}

// The pass as the description tells it, on the control itself: 13 control calls per position.
void literalPassOnControl(RichTextControl &text, int start, int end, const ColourTable &table)
{
    for (int i = start; i <= end; ++i) {
        text.setSelStart(i);
        for (const ColourTable::Entry &entry : table.entries) {
            text.setSelLength(int(entry.word.size()));
            if (text.selText() == entry.word)
                text.setSelColor(colourFromValue(entry.colour));
        }
    }
}

} // namespace

class TestColourCoding : public QObject {
    Q_OBJECT
private slots:
    // The commands on random scripts, tables, carets, selections and start marks, against the
    // literal pass on the plain model; colours compared at every position of the real control.
    void commandsAgreeWithLiteralPass()
    {
        oracle::Generator random(7331);
        for (int round = 0; round < 400; ++round) {
            BareFixture f; // a fresh control: random colours would use up its styles
            f.colours = random.table();
            f.text->setText(random.script(f.colours));
            oracle::Model model(f.text->text());
            const int size = int(model.text.size());
            precolour(random, *f.text, model);
            f.state.txtStart = QStringLiteral("7");
            const QByteArray where = QStringLiteral("round %1, text \"%2\"").arg(round).arg(model.text).toUtf8();

            switch (random.below(4)) {
            case 0: { // Whole script
                f.text->setSelStart(random.below(size + 1));
                f.text->setSelLength(random.below(3));
                const int caret = f.text->selStart();
                const int length = f.text->selLength();
                f.coding.colourWholeScript();
                if (size >= 2)
                    oracle::literalPass(model, 0, size, f.colours);
                QVERIFY2(f.text->selStart() == caret && f.text->selLength() == (size >= 2 ? 0 : length),
                         where.constData());
                QCOMPARE(f.state.txtStart, size >= 2 ? QString::number(caret) : QStringLiteral("7"));
                break;
            }
            case 1: { // Selected Text
                f.text->setSelStart(random.below(size + 1));
                f.text->setSelLength(random.below(size + 1));
                const int start = f.text->selStart();
                const int length = f.text->selLength();
                f.coding.colourSelection();
                const bool runs = size >= 2 && length > 0;
                if (runs)
                    oracle::literalPass(model, start, start + length, f.colours);
                QVERIFY2(f.text->selStart() == start && f.text->selLength() == (runs ? 0 : length), where.constData());
                QCOMPARE(f.state.txtStart, runs ? QString::number(start) : QStringLiteral("7"));
                break;
            }
            default: { // typing, and the pass on its own: from the mark to the caret
                const int mark = random.below(size + 2) - 1;
                f.state.txtStart = random.below(10) == 0 ? QStringLiteral("x") : QString::number(mark);
                f.text->setSelStart(random.below(size + 1));
                const int caret = f.text->selStart();
                bool isNumber = false;
                const int from = f.state.txtStart.toInt(&isNumber);
                if (isNumber && from >= 0 && from <= caret)
                    oracle::literalPass(model, from, caret, f.colours);
                f.coding.colourTyped();
                QVERIFY2(f.text->selStart() == caret && f.text->selLength() == 0, where.constData());
                QCOMPARE(f.state.txtStart, QString::number(caret));
                break;
            }
            }
            QVERIFY2(f.text->text() == model.text, where.constData()); // colouring never edits
            const int difference = firstDifference(*f.text, model);
            QVERIFY2(difference < 0, (where + " differs at " + QByteArray::number(difference)).constData());
        }
    }

    // The model's position rules are the control's own: the pass done literally on the control
    // gives the same colours as on the model.
    void modelAgreesWithLiteralPassOnTheControl()
    {
        oracle::Generator random(99);
        for (int round = 0; round < 150; ++round) {
            BareFixture f;
            f.colours = random.table();
            f.text->setText(random.script(f.colours));
            oracle::Model model(f.text->text());
            const int size = int(model.text.size());
            precolour(random, *f.text, model);
            const int from = random.below(size + 1);
            const int to = random.below(3) == 0 ? size : random.below(size + 1);
            literalPassOnControl(*f.text, from, to, f.colours);
            oracle::literalPass(model, from, to, f.colours);
            const int difference = firstDifference(*f.text, model);
            QVERIFY2(difference < 0, qPrintable(QStringLiteral("round %1, text \"%2\", %3..%4, differs at %5")
                                                    .arg(round).arg(model.text).arg(from).arg(to).arg(difference)));
        }
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command"); // a menu item's name, or "typed"
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("markAfter");
        QTest::addColumn<bool>("working");

        const QString script = QStringLiteral("print $x;\r\nsub a { open F; exit; }");
        const QString coloured = QStringLiteral("22222.4....333.....6666....11111..");
        QTest::newRow("whole script") << "mnuColorCode" << script << 3 << 0 << "0" << coloured << 3 << "3" << true;
        QTest::newRow("whole script: a selection is dropped")
            << "mnuColorCode" << script << 12 << 5 << "9" << coloured << 12 << "12" << true;
        QTest::newRow("whole script ignores the mark") << "mnuColorCode" << script << 0 << 0 << "x" << coloured << 0 << "0" << true;
        QTest::newRow("whole script on one character does nothing")
            << "mnuColorCode" << "$" << 1 << 0 << "0" << "." << 1 << "0" << false;
        QTest::newRow("whole script on two characters") << "mnuColorCode" << "$$" << 0 << 0 << "0" << "44" << 0 << "0" << true;
        QTest::newRow("whole script with a 'print' edited to 'Print'")
            << "mnuColorCode" << "Print printf" << 12 << 0 << "0" << "......22222." << 12 << "12" << true;

        QTest::newRow("selection ending inside 'open' colours all of it")
            << "mnucolorsel" << "x open y" << 0 << 4 << "5" << "..6666.." << 0 << "0" << true;
        QTest::newRow("selection starting inside a word") << "mnucolorsel" << "print @a" << 1 << 7 << "0" << "......5." << 1 << "1" << true;
        QTest::newRow("selection: only matches starting in it")
            << "mnucolorsel" << script << 11 << 9 << "0" << "...........333.....6666..........." << 11 << "11" << true;
        QTest::newRow("no selection does nothing") << "mnucolorsel" << "print" << 2 << 0 << "0" << "....." << 2 << "0" << false;
        QTest::newRow("selection of a one-character text does nothing")
            << "mnucolorsel" << "$" << 0 << 1 << "0" << "." << 0 << "0" << false;

        QTest::newRow("typed: from the mark to the caret") << "typed" << "print print " << 12 << 0 << "6"
                                                           << "......22222." << 12 << "12" << false;
        QTest::newRow("typed: a match beginning at the caret") << "typed" << "$x = sub" << 5 << 0 << "0"
                                                               << "4....333" << 5 << "5" << false;
        QTest::newRow("typed: caret before the mark colours nothing")
            << "typed" << "sub " << 4 << 0 << "10" << "...." << 4 << "4" << false;
        QTest::newRow("typed: a mark that is no number colours nothing")
            << "typed" << "print " << 6 << 0 << "12a" << "......" << 6 << "6" << false;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, mark);
        QFETCH(QString, colours);
        QFETCH(int, caret);
        QFETCH(QString, markAfter);
        QFETCH(bool, working);

        WindowFixture f;
        f.text.setText(text);
        f.select(selStart, selLength);
        f.window.state.txtStart = mark;
        if (command == QLatin1String("typed"))
            f.coding.colourTyped();
        else
            f.window.action(command)->trigger();

        QCOMPARE(factoryCodes(f.text), colours);
        QCOMPARE(f.text.text(), text);
        QCOMPARE(f.text.selStart(), caret);
        QCOMPARE(f.text.selLength(), selLength > 0 && !working ? selLength : 0);
        QCOMPARE(f.window.state.txtStart, markAfter);
        QCOMPARE(f.working.captions, working ? QStringList{ColourCoding::WorkingCaption} : QStringList());
        QVERIFY(!f.coding.workingWindow().isVisible());
        QCOMPARE(f.coding.workingWindow().objectName(), QStringLiteral("Working"));
        QVERIFY(f.coding.workingWindow().cursor().shape() == Qt::WaitCursor);
    }

    // What is typed after a pass while typing is black, even right after a coloured word.
    void typingPassMakesWhatFollowsBlack()
    {
        WindowFixture f;
        f.text.setText(QStringLiteral("print"));
        f.text.setSelStart(5);
        f.coding.colourTyped();
        f.text.setSelText(QStringLiteral("x"));
        QCOMPARE(factoryCodes(f.text), QStringLiteral("22222."));
    }

    // The commands leave the insertion colour to the control: typing takes the colour before it.
    void commandsLeaveTheInsertionColourToThePosition()
    {
        WindowFixture f;
        f.text.setText(QStringLiteral("print"));
        f.text.setSelStart(5);
        f.coding.colourTyped(); // sets black for what comes next at 5
        f.window.action(QStringLiteral("mnuColorCode"))->trigger();
        f.text.setSelText(QStringLiteral("x"));
        QCOMPARE(factoryCodes(f.text), QStringLiteral("222222"));
    }

    // A pass never returns text to black: an edited word keeps its colour through the next pass.
    void editedWordKeepsItsColour()
    {
        WindowFixture f;
        f.text.setText(QStringLiteral("print;"));
        f.window.action(QStringLiteral("mnuColorCode"))->trigger();
        f.select(4, 1);
        f.text.setSelText(QString());
        QCOMPARE(f.text.text(), QStringLiteral("prin;"));
        f.window.action(QStringLiteral("mnuColorCode"))->trigger();
        QCOMPARE(factoryCodes(f.text), QStringLiteral("2222."));
    }

    // A colour changed in FColors and cancelled colours the next pass; the stored one stays.
    void unsavedTableEditsColourTheNextPass()
    {
        WindowFixture f;
        f.services.context.colours.save(f.services.context.settings);
        f.window.action(QStringLiteral("mnuDefColor"))->trigger();
        auto *colourWindow = f.window.findChild<QWidget *>(QStringLiteral("FColors"));
        QVERIFY(colourWindow && colourWindow->isVisible() && !colourWindow->isModal());

        f.services.prompts.queueColour(QColor(0, 200, 0));
        colourWindow->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        colourWindow->findChild<QLineEdit *>(QStringLiteral("cword3"))->setText(QStringLiteral("ub"));
        QTest::keyClick(colourWindow, Qt::Key_Escape);
        QVERIFY(!colourWindow->isVisible());

        f.text.setText(QStringLiteral("print sub"));
        f.window.action(QStringLiteral("mnuColorCode"))->trigger();
        QCOMPARE(f.text.colourAt(0), QColor(0, 200, 0));
        QCOMPARE(f.text.colourAt(6), QColor(Qt::black));
        QCOMPARE(f.text.colourAt(7), QColor(128, 0, 0));

        const ColourTable stored = ColourTable::load(f.services.context.settings); // as after a restart
        QCOMPARE(stored, ColourTable::factory());
    }
};

QTEST_MAIN(TestColourCoding)
#include "tst_colourcoding.moc"
