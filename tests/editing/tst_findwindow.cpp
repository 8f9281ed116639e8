#include "app/editorwindow.h"
#include "document/richtextcontrol.h"
#include "editing/findwindow.h"
#include "editing/searchcommands.h"
#include "editorfixture.h"
#include "platform/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The Find window and the search commands on a real main window.
struct SearchFixture {
    EditorFixture fixture;
    EditorWindow window{fixture.context};
    QStringList hints;
    QMetaObject::Connection hintRecorder =
        QObject::connect(&window, &EditorWindow::hintChanged, &window, [this](const QString &hint) { hints << hint; });
    SearchCommands &commands = *window.findChild<SearchCommands *>();
    RichTextControl &text = *window.textControl();

    FindWindow *find() const { return window.findChild<FindWindow *>(QStringLiteral("Find")); }
    template <typename T> T *control(const char *name) const { return find()->findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { control<QPushButton>(name)->click(); }
    void setFields(const QString &phrase, bool matchCase, bool entireFile = false, const QString &replacement = {})
    {
        control<QLineEdit>("FindText")->setText(phrase);
        control<QLineEdit>("Rewith")->setText(replacement);
        control<QCheckBox>("case")->setChecked(matchCase);
        control<QCheckBox>("EntFile")->setChecked(entireFile);
    }
    QString selection() const { return QStringLiteral("%1+%2").arg(text.selStart()).arg(text.selLength()); }
    QStringList messages() const
    {
        QStringList texts;
        for (const Prompts::Message &message : fixture.prompts.messages)
            texts << message.title + QLatin1String(": ") + message.text;
        return texts;
    }
};

class TestFindWindow : public QObject {
    Q_OBJECT
private slots:
    void layoutsFollowTheOpeningCommand_data()
    {
        QTest::addColumn<QStringList>("entries"); // menu items or toolbar images, in order
        QTest::addColumn<bool>("replaceShown");
        QTest::addColumn<QPoint>("caseAt");   // twips
        QTest::addColumn<QPoint>("entireAt");
        QTest::addColumn<int>("height");
        QTest::newRow("Edit Find") << QStringList{"mnuFnd"} << false << QPoint(120, 600) << QPoint(1920, 600) << 1380;
        QTest::newRow("Edit Replace") << QStringList{"mnuRplc"} << true << QPoint(360, 1080) << QPoint(360, 1440) << 2340;
        QTest::newRow("toolbar first") << QStringList{"Image14"} << true << QPoint(360, 1080) << QPoint(360, 1440) << 2025;
        QTest::newRow("toolbar after Find") << QStringList{"mnuFnd", "Image14"} << false << QPoint(120, 600)
                                            << QPoint(1920, 600) << 1380;
        QTest::newRow("toolbar after Replace") << QStringList{"mnuRplc", "Image14"} << true << QPoint(360, 1080)
                                               << QPoint(360, 1440) << 2340;
    }
    void layoutsFollowTheOpeningCommand()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, replaceShown);
        QFETCH(QPoint, caseAt);
        QFETCH(QPoint, entireAt);
        QFETCH(int, height);
        SearchFixture f;
        f.window.show();
        for (const QString &entry : entries) {
            if (QAction *item = f.window.action(entry))
                item->trigger();
            else
                f.window.findChild<QToolButton *>(entry)->click();
        }
        FindWindow *find = f.find();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->windowTitle(), QStringLiteral("Search/Find"));
        QVERIFY(!find->isModal());
        for (const char *name : {"Replace", "Command4", "Rewith"})
            QCOMPARE(f.control<QWidget>(name)->isVisible(), replaceShown);
        QCOMPARE(f.control<QWidget>("Command1")->isVisible(), true);
        QCOMPARE(f.control<QWidget>("case")->pos(), twipsToPixelPoint(find, caseAt.x(), caseAt.y()));
        QCOMPARE(f.control<QWidget>("EntFile")->pos(), twipsToPixelPoint(find, entireAt.x(), entireAt.y()));
        QCOMPARE(find->height(), twipsToPixelsY(find, height));
    }

    void cancelHidesAndTheFieldsStay()
    {
        SearchFixture f;
        f.window.action(QStringLiteral("mnuRplc"))->trigger();
        f.setFields(QStringLiteral("print"), true, true, QStringLiteral("say"));
        f.click("Command3");
        QVERIFY(!f.find()->isVisible());
        f.window.action(QStringLiteral("mnuFnd"))->trigger();
        QVERIFY(f.find()->isVisible());
        QCOMPARE(f.control<QLineEdit>("FindText")->text(), QStringLiteral("print"));
        QVERIFY(f.control<QCheckBox>("case")->isChecked());
        QTest::keyClick(f.find(), Qt::Key_Escape);
        QVERIFY(!f.find()->isVisible());
        QCOMPARE(f.window.findChildren<FindWindow *>().size(), 1);
    }

    // 'Print print' searched for "print", repeatedly: each step is a selection or a message.
    void findNextSteps_data()
    {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("entireFile");
        QTest::addColumn<QStringList>("steps");    // "N" Find Next, "A" Find Again (F3)
        QTest::addColumn<QStringList>("expected"); // selection after each, or "not found"
        QTest::newRow("without case") << false << false << QStringList{"N", "N", "N"}
                                      << QStringList{"0+5", "6+5", "not found"};
        QTest::newRow("with case") << true << false << QStringList{"N", "N"} << QStringList{"6+5", "not found"};
        QTest::newRow("entire file, then F3") << false << true << QStringList{"N", "N", "A", "A"}
                                              << QStringList{"0+5", "0+5", "6+5", "not found"};
    }
    void findNextSteps()
    {
        QFETCH(bool, matchCase);
        QFETCH(bool, entireFile);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        SearchFixture f;
        f.text.setText(QStringLiteral("Print print"));
        f.window.action(QStringLiteral("mnuFnd"))->trigger();
        f.setFields(QStringLiteral("print"), matchCase, entireFile);
        for (int i = 0; i < steps.size(); ++i) {
            f.fixture.prompts.messages.clear();
            if (steps[i] == QLatin1String("N"))
                f.click("Command1");
            else
                f.window.action(QStringLiteral("mnuAgain"))->trigger();
            if (expected[i] == QLatin1String("not found")) {
                QCOMPARE(f.messages(), QStringList{"Velmora Editor: Phrase Not Found"});
                QCOMPARE(f.window.state.txtStart, QStringLiteral("11"));
            } else {
                QCOMPARE(f.messages(), QStringList());
                QCOMPARE(f.selection(), expected[i]);
            }
        }
    }

    void findNextWritesTheHintLineButFindAgainDoesNot()
    {
        SearchFixture f;
        f.text.setText(QStringLiteral("a b a"));
        f.window.action(QStringLiteral("mnuFnd"))->trigger();
        f.setFields(QStringLiteral("a"), false);
        f.click("Command1");
        QCOMPARE(f.hints, (QStringList{"Searching for", ""}));
        QCOMPARE(f.window.hint(), QString());
        f.hints.clear();
        f.window.action(QStringLiteral("mnuAgain"))->trigger();
        QCOMPARE(f.selection(), QStringLiteral("4+1"));
        QCOMPARE(f.hints, QStringList());
    }

    void findAgainBeforeAnyFindUsesTheEmptyFields()
    {
        SearchFixture f;
        f.text.setText(QStringLiteral("abc"));
        f.window.state.txtStart = QStringLiteral("2");
        f.window.action(QStringLiteral("mnuAgain"))->trigger();
        QCOMPARE(f.selection(), QStringLiteral("2+0"));
        QCOMPARE(f.window.state.txtStart, QStringLiteral("2"));
        QVERIFY(f.fixture.prompts.messages.isEmpty());
        QVERIFY(!f.find()->isVisible());
    }

    void replaceNextReplacesOneMatchAtATime()
    {
        SearchFixture f;
        f.text.setText(QStringLiteral("abab"));
        f.window.action(QStringLiteral("mnuRplc"))->trigger();
        f.setFields(QStringLiteral("ab"), true, false, QStringLiteral("x"));
        f.click("Replace");
        QCOMPARE(f.text.text(), QStringLiteral("xab"));
        QCOMPARE(f.window.state.txtStart, QStringLiteral("1"));
        f.click("Replace");
        QCOMPARE(f.text.text(), QStringLiteral("xx"));
        QCOMPARE(f.window.state.Saved, QStringLiteral("NO"));
        f.click("Replace");
        QCOMPARE(f.messages(), QStringList{"Velmora Editor: Phrase Not Found"});
    }

    void replaceAllReplacesUpToTheEndOfTheGrownText()
    {
        SearchFixture f;
        f.text.setText(QStringLiteral("aaa"));
        f.window.action(QStringLiteral("mnuRplc"))->trigger();
        f.setFields(QStringLiteral("A"), false, true, QStringLiteral("xyz"));
        f.window.state.txtStart = QStringLiteral("2"); // "Search Entire File" starts at 0 anyway
        f.click("Command4");
        QCOMPARE(f.text.text(), QStringLiteral("xyzxyzxyz"));
        QCOMPARE(f.messages(), QStringList{"Velmora Editor: Done Searching File"});
        QCOMPARE(f.hints, (QStringList{"Searching for", ""}));
        // One undo step brings the whole text back.
        f.text.undo();
        QCOMPARE(f.text.text(), QStringLiteral("aaa"));
    }

    void replaceAllWithEmptyPhraseReplacesNothing()
    {
        SearchFixture f;
        f.text.setText(QStringLiteral("abc"));
        f.window.state.Saved = QStringLiteral("YES");
        f.text.setSelStart(1);
        f.window.action(QStringLiteral("mnuRplc"))->trigger();
        f.setFields(QString(), true, false, QStringLiteral("x"));
        f.click("Command4");
        QCOMPARE(f.text.text(), QStringLiteral("abc"));
        QCOMPARE(f.messages(), QStringList{"Velmora Editor: Done Searching File"});
        QCOMPARE(f.window.state.Saved, QStringLiteral("YES"));
    }

    void lineBreakInTheReplacementCountsAsInserted()
    {
        // The control stores the break as CR LF; the scan goes on after all of it (counting the
        // typed "\n" as one would land inside the insertion and loop on "b" for ever).
        SearchFixture f;
        f.text.setText(QStringLiteral("b b"));
        f.window.action(QStringLiteral("mnuRplc"))->trigger();
        f.setFields(QStringLiteral("b"), true, false, QStringLiteral("a\nb"));
        f.click("Command4");
        QCOMPARE(f.text.text(), QStringLiteral("a\r\nb a\r\nb"));
        QCOMPARE(f.window.state.txtStart, QStringLiteral("9"));
    }
};

QTEST_MAIN(TestFindWindow)
#include "tst_findwindow.moc"
