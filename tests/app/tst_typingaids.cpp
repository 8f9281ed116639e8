#include "app/editorwindow.h"
#include "app/statuspanels.h"
#include "document/richtextcontrol.h"
#include "editing/colourtable.h"
#include "editorfixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
// A shown editor window whose script has the focus.
struct Typing {
    EditorFixture fixture;
    std::unique_ptr<EditorWindow> window;

    explicit Typing(bool autoIndent = true, bool colourWhileTyping = false, bool backspaceEscapes = true)
    {
        fixture.store.write("Options", "AutoTab", autoIndent ? "1" : "0");
        fixture.store.write("Options", "ColorCodeDuring Edit", colourWhileTyping ? "1" : "0");
        fixture.store.write("Options", "AT Escape", backspaceEscapes ? "1" : "0");
        fixture.context.colours = ColourTable::factory();
        window = std::make_unique<EditorWindow>(fixture.context);
        window->show();
        text()->setFocus();
    }
    RichTextControl *text() const { return window->textControl(); }

    // Keys as words: "Tab", "Enter", "Space", "Back", "Left", "Right", "Up", "Down"; any other
    // word is typed character by character.
    void keys(const QStringList &words)
    {
        static const QHash<QString, Qt::Key> named{{"Tab", Qt::Key_Tab},     {"Enter", Qt::Key_Return},
                                                   {"Space", Qt::Key_Space}, {"Back", Qt::Key_Backspace},
                                                   {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},
                                                   {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down}};
        for (const QString &word : words) {
            if (named.contains(word))
                QTest::keyClick(text(), named[word]);
            else
                QTest::keyClicks(text(), word);
        }
    }
};

QColor colour(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}
} // namespace

class TestTypingAids : public QObject {
    Q_OBJECT
private slots:
    void autoIndent_data()
    {
        QTest::addColumn<bool>("autoIndent");
        QTest::addColumn<bool>("backspaceEscapes");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("the first Tab is not counted") << true << true
            << QStringList{"Tab", "x", "Enter", "Tab", "y", "Enter", "z"} << "\tx\r\n\ty\r\n\tz";
        QTest::newRow("leading spaces carry over and grow") << true << true
            << QStringList{"Space", "Space", "Space", "Space", "a", "Enter", "b", "Enter", "Space", "Space", "c", "Enter"}
            << "    a\r\n    b\r\n      c\r\n      ";
        QTest::newRow("Backspace returns to no indentation") << true << true
            << QStringList{"Space", "Space", "Space", "Space", "a", "Enter", "Back", "b", "Enter", "c"}
            << "    a\r\n   b\r\nc";
        QTest::newRow("Backspace does not reset when not asked to") << true << false
            << QStringList{"Space", "Space", "a", "Enter", "Back", "b", "Enter", "c"} << "  a\r\n b\r\n  c";
        QTest::newRow("an arrow key resets") << true << true
            << QStringList{"Space", "Space", "a", "Enter", "Left", "Right", "b", "Enter", "c"} << "  a\r\n  b\r\nc";
        QTest::newRow("off: nothing inserted") << false << true
            << QStringList{"Space", "Space", "a", "Enter", "b"} << "  a\r\nb";
    }
    void autoIndent()
    {
        QFETCH(bool, autoIndent);
        QFETCH(bool, backspaceEscapes);
        QFETCH(QStringList, keys);
        Typing typing(autoIndent, false, backspaceEscapes);
        typing.keys(keys);
        QTEST(typing.text()->text(), "text");
        QCOMPARE(typing.window->state.Saved, QStringLiteral("NO"));
    }

    void lineNumberInTheStatusBar()
    {
        Typing typing;
        typing.keys({"a"});
        QCOMPARE(typing.window->statusPanels()->panelText(StatusPanels::Line), QStringLiteral("Line:1"));
        typing.keys({"Enter", "b"});
        QCOMPARE(typing.window->statusPanels()->panelText(StatusPanels::Line), QStringLiteral("Line:2"));
        QCOMPARE(typing.window->hint(), QStringLiteral("Script Area"));
    }

    void colouringWhileTyping()
    {
        Typing typing(true, true);
        const QColor print = colour(16711680);
        typing.keys({"print"});
        QCOMPARE(typing.text()->colourAt(0), QColor(Qt::black));
        typing.keys({"Space", "x"});
        QCOMPARE(typing.text()->colourAt(0), print);
        QCOMPARE(typing.text()->colourAt(4), print);
        QCOMPARE(typing.text()->colourAt(6), QColor(Qt::black)); // typed after the pass: black
        QCOMPARE(typing.window->state.txtStart, QStringLiteral("6"));
    }

    void backspacingBeforeTheStartMarkLeavesTextUncoloured()
    {
        Typing typing(false, true);
        typing.keys({"print", "Space", "Back", "Back", "Back", "Back", "Back", "Back", "sub", "Space"});
        QCOMPARE(typing.text()->text(), QStringLiteral("sub "));
        QCOMPARE(typing.text()->colourAt(0), QColor(Qt::black));
        QCOMPARE(typing.window->state.txtStart, QStringLiteral("4"));
    }

    void rightButtonMenuEnabling_data()
    {
        QTest::addColumn<bool>("selection");
        QTest::newRow("without a selection") << false;
        QTest::newRow("over a selection") << true;
    }
    void rightButtonMenuEnabling()
    {
        QFETCH(bool, selection);
        Typing typing;
        typing.text()->setText(QStringLiteral("print 1;"));
        typing.text()->setSelStart(0);
        typing.text()->setSelLength(selection ? 5 : 0);
        auto *popup = typing.window->findChild<QMenu *>("mnuPopup1");
        QVERIFY(popup);
        auto item = [&](const char *name) { return popup->findChild<QAction *>(QLatin1String(name))->isEnabled(); };

        bool shown = false;
        bool colourItem = false, sendItem = false, parseItem = false, textEnabled = true;
        // Answers the menu once it is up (the press blocks until it closes).
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, popup, [&] {
            if (QApplication::activePopupWidget() != popup)
                return;
            watcher.stop();
            shown = true;
            colourItem = item("mnuPSelColor");
            sendItem = item("mnuSendto");
            parseItem = item("mnuParseHTML");
            textEnabled = typing.text()->isEnabled();
            popup->close();
        });
        watcher.start(0);
        QWidget *viewport = typing.text()->viewport();
        QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(10, 5));
        QVERIFY(shown);
        QCOMPARE(colourItem, selection);
        QCOMPARE(sendItem, selection);
        QCOMPARE(parseItem, selection);
        QVERIFY(!textEnabled);
        QVERIFY(typing.text()->isEnabled());
        // Afterwards, whatever the selection.
        QVERIFY(!item("mnuPSelColor"));
        QVERIFY(item("mnuSendto"));
        QVERIFY(item("mnuParseHTML"));
    }

    void rightButtonMenuItemsReachTheirCommands()
    {
        Typing typing;
        typing.text()->setText(QStringLiteral("sub a {\r\n  x;\r\n}\r\n"));
        typing.text()->setSelStart(6); // before the "{"
        auto *popup = typing.window->findChild<QMenu *>("mnuPopup1");
        popup->findChild<QAction *>("mnuPHighlight")->trigger();
        QCOMPARE(typing.text()->selText(), QStringLiteral("{\r\n  x;\r\n}"));
        popup->findChild<QAction *>("mnuPGoto")->trigger();
        QWidget *gotoWindow = typing.window->findChild<QWidget *>("frmGoto");
        QVERIFY(gotoWindow && gotoWindow->isVisible());
    }

    void toolbarImagesDescribeThemselves()
    {
        Typing typing;
        typing.window->showToolbarAtStartup();
        auto *open = typing.window->findChild<QToolButton *>("Image8");
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), open->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(open, &move);
        QCOMPARE(typing.window->hint(), QStringLiteral("    Open a File"));
        QCOMPARE(typing.window->statusPanels()->panelText(StatusPanels::Hint), QStringLiteral("    Open a File"));
    }
};

QTEST_MAIN(TestTypingAids)
#include "tst_typingaids.moc"
