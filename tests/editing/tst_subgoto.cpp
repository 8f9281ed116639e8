#include "app/editorwindow.h"
#include "document/richtextcontrol.h"
#include "editing/gotowindow.h"
#include "editing/searchcommands.h"
#include "editorfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// Highlight Sub and Goto Line on a real main window.
struct NavigationFixture {
    EditorFixture fixture;
    EditorWindow window{fixture.context};
    QStringList hints;
    QList<int> pointers; // the text control's pointer at each message
    QMetaObject::Connection hintRecorder =
        QObject::connect(&window, &EditorWindow::hintChanged, &window, [this](const QString &hint) { hints << hint; });
    SearchCommands &commands = *window.findChild<SearchCommands *>();
    RichTextControl &text = *window.textControl();

    QString selection() const { return QStringLiteral("%1+%2").arg(text.selStart()).arg(text.selLength()); }
    QStringList messages() const
    {
        QStringList texts;
        for (const Prompts::Message &message : fixture.prompts.messages)
            texts << message.title + QLatin1String(": ") + message.text;
        return texts;
    }
    GotoWindow *gotoWindow() const { return window.findChild<GotoWindow *>(QStringLiteral("frmGoto")); }
    void goTo(const QString &typed)
    {
        window.action(QStringLiteral("mnuGotoL"))->trigger();
        GotoWindow *dialog = gotoWindow();
        dialog->findChild<QLineEdit *>(QStringLiteral("Linetogo"))->setText(typed);
        dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

const QString Quoted = QStringLiteral("sub a { if ($x) { print \"}\"; } }");
const QString NoSub = QStringLiteral("Velmora Editor: There is no sub selected.  Highlight or put the cursor before any { and try again");

class TestSubGoto : public QObject {
    Q_OBJECT
private slots:
    void highlightSub_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QStringList>("messages");
        // The quoted "}" closes the inner block early.
        QTest::newRow("menu, quoted brace") << "mnuFindSub" << Quoted << 6 << 0 << "6+24" << QStringList();
        QTest::newRow("toolbar, brace selected") << "Image25" << Quoted << 6 << 1 << "6+24" << QStringList();
        QTest::newRow("caret at sub") << "mnuFindSub" << Quoted << 0 << 0 << "0+1" << QStringList{NoSub};
        QTest::newRow("no closing brace") << "mnuFindSub" << "{ {" << 0 << 0 << "3+0"
                                          << QStringList{"Velmora Editor: No matching bracket!"};
    }
    void highlightSub()
    {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, selection);
        QFETCH(QStringList, messages);
        NavigationFixture f;
        f.text.setText(text);
        f.text.setSelStart(selStart);
        f.text.setSelLength(selLength);
        if (QAction *item = f.window.action(entry))
            item->trigger();
        else
            f.window.findChild<QToolButton *>(entry)->click();
        QCOMPARE(f.selection(), selection);
        QCOMPARE(f.messages(), messages);
        QCOMPARE(f.hints, QStringList{"Searching..."});
        QCOMPARE(f.window.hint(), QStringLiteral("Searching..."));
        QCOMPARE(f.text.mousePointer(), 0);
    }

    void paletteWalkLeavesHintLineAlone()
    {
        NavigationFixture f;
        f.text.setText(QStringLiteral("{}"));
        f.commands.highlightSubQuietly();
        QCOMPARE(f.selection(), QStringLiteral("0+2"));
        QVERIFY(f.hints.isEmpty());
    }

    void goToLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret"); // -1: "No such line number"
        // Lines: 0 "one" at 0, 1 "two" at 5, 2 "three" at 10, 3 "" at 17.
        QTest::newRow("1") << "1" << 0;
        QTest::newRow("3") << "3" << 10;
        QTest::newRow("2.5 rounds to the third line") << "2.5" << 10;
        QTest::newRow("3.5 too") << "3.5" << 10;
        QTest::newRow("last, empty line") << "4" << 17;
        QTest::newRow("0: start of the caret's line") << "0" << 5;
        QTest::newRow("one past the last line") << "5" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("not a number") << "x" << -1;
        QTest::newRow("negative") << "-1" << -1;
    }
    void goToLine()
    {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        NavigationFixture f;
        f.text.setText(QStringLiteral("one\r\ntwo\r\nthree\r\n"));
        f.text.setSelStart(7);
        f.goTo(typed);
        if (caret < 0) {
            QCOMPARE(f.messages(), QStringList{"Velmora Editor: No such line number"});
            QCOMPARE(f.text.selStart(), 7);
        } else {
            QCOMPARE(f.messages(), QStringList());
            QCOMPARE(f.selection(), QStringLiteral("%1+0").arg(caret));
        }
        // Used either way: discarded, so it opens empty next time.
        QVERIFY(!f.gotoWindow());
        f.window.action(QStringLiteral("mnuGotoL"))->trigger();
        QCOMPARE(f.gotoWindow()->findChild<QLineEdit *>(QStringLiteral("Linetogo"))->text(), QString());
    }

    void cancelKeepsTheTypedNumber()
    {
        NavigationFixture f;
        f.window.findChild<QToolButton *>(QStringLiteral("Image26"))->click();
        GotoWindow *dialog = f.gotoWindow();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Goto Line #"));
        dialog->findChild<QLineEdit *>(QStringLiteral("Linetogo"))->setText(QStringLiteral("12"));
        dialog->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QVERIFY(!dialog->isVisible());
        f.window.action(QStringLiteral("mnuGotoL"))->trigger();
        QCOMPARE(f.gotoWindow(), dialog);
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("Linetogo"))->text(), QStringLiteral("12"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void wrappedLinesCountWhileWrapping()
    {
        NavigationFixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QString paragraph = QStringLiteral("word ").repeated(400);
        f.text.setText(paragraph + QStringLiteral("\r\nlast"));
        f.text.setRightMargin(0);
        const int lastLine = f.text.getLineFromChar(int(paragraph.size()) + 2);
        QVERIFY(lastLine > 1); // the paragraph shows on several lines
        f.goTo(QString::number(lastLine + 1));
        QCOMPARE(f.selection(), QStringLiteral("%1+0").arg(paragraph.size() + 2));
        // The second display line starts inside the paragraph.
        f.goTo(QStringLiteral("2"));
        QVERIFY(f.text.selStart() > 0 && f.text.selStart() < paragraph.size());
        QCOMPARE(f.text.getLineFromChar(f.text.selStart()), 1);
        QCOMPARE(f.text.getLineFromChar(f.text.selStart() - 1), 0);
    }
};

QTEST_MAIN(TestSubGoto)
#include "tst_subgoto.moc"
