#include "app/editorlayout.h"
#include "app/editorwindow.h"
#include "app/statuspanels.h"
#include "platform/twips.h"
#include "document/richtextcontrol.h"
#include "editorfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestEditorWindow : public QObject {
    Q_OBJECT
private slots:
    void layoutRules_data()
    {
        QTest::addColumn<QRectF>("current");
        QTest::addColumn<QSizeF>("client");
        QTest::addColumn<bool>("toolbarOn");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("hidden: 300 shorter") << QRectF(0, 0, 100, 100) << QSizeF(9000, 6000) << false
                                             << QRectF(0, 0, 9000, 5700);
        QTest::newRow("shown: 875 shorter, top kept") << QRectF(0, 520, 100, 100) << QSizeF(9000, 6000) << true
                                                      << QRectF(0, 520, 9000, 5125);
        QTest::newRow("shown: client of 900 keeps height") << QRectF(0, 520, 100, 333) << QSizeF(4000, 900) << true
                                                           << QRectF(0, 520, 4000, 333);
        QTest::newRow("shown: client of 901 follows") << QRectF(0, 520, 100, 333) << QSizeF(4000, 901) << true
                                                      << QRectF(0, 520, 4000, 26);
        QTest::newRow("hidden: top never moves") << QRectF(0, 520, 100, 100) << QSizeF(5000, 800) << false
                                                 << QRectF(0, 520, 5000, 500);
    }
    void layoutRules()
    {
        QFETCH(QRectF, current);
        QFETCH(QSizeF, client);
        QFETCH(bool, toolbarOn);
        QFETCH(QRectF, expected);
        QCOMPARE(editorlayout::resized(current, client, toolbarOn), expected);
    }

    void showAndHideToolbar()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.resize(900, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RichTextControl *text = window.textControl();
        QWidget *client = window.centralWidget();
        auto px = [&](double twips) { return twipsToPixelsY(&window, twips); };

        window.action("mnuShowTB")->trigger(); // tick it
        QCOMPARE(window.state.Sta, QStringLiteral("ON"));
        QCOMPARE(text->y(), px(520));
        QCOMPARE(text->width(), client->width());
        QVERIFY(qAbs(text->height() - (client->height() - px(875))) <= 1);

        window.resize(800, 600);
        QTRY_COMPARE(text->width(), client->width());
        QCOMPARE(text->y(), px(520));
        QVERIFY(qAbs(text->height() - (client->height() - px(875))) <= 1);

        window.findChild<QToolButton *>("Image5")->click();
        QCOMPARE(window.state.Sta, QStringLiteral("OFF"));
        QVERIFY(!window.action("mnuShowTB")->isChecked());
        QCOMPARE(text->y(), 0);
        QVERIFY(qAbs(text->height() - (client->height() - px(300))) <= 1);

        // The close button always hides, even when already hidden.
        window.findChild<QToolButton *>("Image5")->click();
        QCOMPARE(window.state.Sta, QStringLiteral("OFF"));
    }

    void toolbarCoversInOrderWithTooltips()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        int previousRight = 0;
        for (const char *name : {"Image8", "Image9", "Image10", "Image15", "Image16", "Image17", "Image13", "Image14",
                                 "Image1", "Image19", "Image12", "Image24", "Image20", "Image25", "Image26", "Image4",
                                 "Image3", "Image7", "Image27", "Image2", "Image6", "Image22", "Image23", "Image21",
                                 "Image28", "Image5", "Image11"}) {
            auto *button = window.findChild<QToolButton *>(name);
            QVERIFY2(button, name);
            QVERIFY2(button->x() >= previousRight, name);
            QVERIFY2(!button->icon().isNull(), name);
            previousRight = button->x() + button->width();
        }
        QCOMPARE(window.findChild<QToolButton *>("Image9")->toolTip(), QStringLiteral("Save"));
        QCOMPARE(window.findChild<QToolButton *>("Image4")->toolTip(), QStringLiteral("Check Syntax: Selected Text"));
        QVERIFY(window.findChild<QToolButton *>("Image27")->toolTip().isEmpty());
    }

    void menuShortcutsWinOverTheTextControl_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("inserted"); // what the item itself puts at the caret
        // Each of these is one of Scintilla's own bindings as well (transpose, cut line, ...).
        QTest::newRow("Ctrl+T toolbar") << "mnuShowTB" << QKeySequence("Ctrl+T") << "";
        QTest::newRow("Ctrl+L fragment") << "mnuLineFeed" << QKeySequence("Ctrl+L") << "\\n\";";
        QTest::newRow("Ctrl+D fragment") << "mnudie" << QKeySequence("Ctrl+D") << "die;";
        QTest::newRow("Ctrl+E fragment") << "mnuext" << QKeySequence("Ctrl+E") << "exit;";
        QTest::newRow("Ctrl+S fragment") << "mnusub" << QKeySequence("Ctrl+S") << "sub ";
        QTest::newRow("Ctrl+F highlight") << "mnuFindSub" << QKeySequence("Ctrl+F") << "";
        QTest::newRow("Ctrl+G goto") << "mnuGotoL" << QKeySequence("Ctrl+G") << "";
    }
    void menuShortcutsWinOverTheTextControl()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, inserted);
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RichTextControl *text = window.textControl();
        text->setText(QStringLiteral("first line\r\nsecond line"));
        text->setSelStart(3);
        text->setFocus();
        QAction *action = window.action(item);
        QCOMPARE(action->shortcut(), keys);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(text, keys);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(text->text(), QStringLiteral("fir") + inserted + QStringLiteral("st line\r\nsecond line"));
    }

    void statusIndicatorsFollowTheKeys()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        StatusPanels *status = window.statusPanels();
        QVERIFY(!status->indicatorOn(StatusPanels::Caps));
        fixture.lockKeys.state = {true, true, false};
        QTest::keyClick(window.textControl(), Qt::Key_CapsLock);
        QVERIFY(status->indicatorOn(StatusPanels::Caps));
        QVERIFY(status->indicatorOn(StatusPanels::Num));
        QVERIFY(!status->indicatorOn(StatusPanels::Scroll));
        QVERIFY(!status->indicatorOn(StatusPanels::Insert));
        QTest::keyClick(window.textControl(), Qt::Key_Insert);
        QVERIFY(status->indicatorOn(StatusPanels::Insert));
        QTest::keyClick(window.textControl(), Qt::Key_Insert);
        QVERIFY(!status->indicatorOn(StatusPanels::Insert));
        QCOMPARE(status->panelText(StatusPanels::Scroll), QStringLiteral("SCRL"));
    }

    void hintLineMirrorsToLastPanelAndSurfaceMoveClearsIt()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showToolbarAtStartup(); // uncovers the strip's surface
        window.setHint(QStringLiteral("Runs the script"));
        QCOMPARE(window.statusPanels()->panelText(StatusPanels::Hint), QStringLiteral("Runs the script"));
        QWidget *client = window.centralWidget();
        QTest::mouseMove(client, QPoint(client->width() - 5, twipsToPixelsY(&window, 60)));
        QTRY_COMPARE(window.statusPanels()->panelText(StatusPanels::Hint), QString());
    }

    void savedPreferencesRenameTheMenuItems()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        window.action("mnuPP")->trigger();
        QWidget *dialog = window.findChild<QWidget *>("frmPrefs");
        QVERIFY(dialog && dialog->isVisible());
        auto *phrase = dialog->findChild<QLineEdit *>("sc2");
        auto *launch = dialog->findChild<QLineEdit *>("lch4");
        phrase->setText(QStringLiteral("my %args;"));
        launch->setText(QStringLiteral("/usr/bin/kate"));
        // Live before saving: other parts read the state while the dialog is open.
        QCOMPARE(fixture.context.preferences().phrases[1], QStringLiteral("my %args;"));
        dialog->findChild<QAbstractButton *>("Command2")->click();
        QCOMPARE(window.action("mnuUserKey2")->text(), QStringLiteral("my %args;"));
        QCOMPARE(window.action("mnuUserLaunch4")->text(), QStringLiteral("/usr/bin/kate"));
        QCOMPARE(window.action("mnuUserLaunch1")->text(), QStringLiteral("User Defined Key"));
        QCOMPARE(fixture.store.read("Options", "Shortcut Key2"), QStringLiteral("my %args;"));
        QTRY_VERIFY(!window.findChild<QWidget *>("frmPrefs"));
    }

    void aboutShowsWelcomeAndItsOkOnlyClosesIt()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        window.action("mnuAbout")->trigger();
        QWidget *welcome = window.findChild<QWidget *>("startup");
        QVERIFY(welcome && welcome->isVisible());
        welcome->findChild<QAbstractButton *>("Command1")->click();
        QTRY_VERIFY(!window.findChild<QWidget *>("startup"));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
