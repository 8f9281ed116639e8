#include "app/editorwindow.h"
#include "app/startup.h"
#include "app/statuspanels.h"
#include "document/richtextcontrol.h"
#include "editorfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {
// Records the object names of top-level windows as they are shown, and how many settings
// writes had happened when the first one appeared.
class ShownWindows : public QObject {
public:
    explicit ShownWindows(const RecordingStore &store) : m_store(store) { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

    QStringList names;
    int writesBeforeFirstWindow = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && !widget->inherits("QMenu")) {
            if (names.isEmpty())
                writesBeforeFirstWindow = m_store.writes.size();
            names << widget->objectName();
        }
        return false;
    }

private:
    const RecordingStore &m_store;
};

QWidget *visibleWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void click(const QString &window, const QString &button)
{
    QWidget *top = visibleWindow(window);
    QVERIFY2(top, qPrintable(window + " is not shown"));
    auto *target = top->findChild<QAbstractButton *>(button);
    QVERIFY2(target, qPrintable(button + " missing"));
    target->click();
}

QString writeScript(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return file.fileName();
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            widget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void firstStartOnEmptyStore()
    {
        EditorFixture fixture;
        ShownWindows shown(fixture.store);
        Startup startup(fixture.context, QString(), [] { return 0.5; });
        QVERIFY(startup.run());

        QCOMPARE(shown.names, QStringList{"frmTip"});
        // Before any window: exactly the reset's keys, then the tip window ticks its box.
        QStringList keysBeforeWindow;
        for (const QString &write : fixture.store.writes.mid(0, shown.writesBeforeFirstWindow))
            keysBeforeWindow << write.section(QLatin1Char('='), 0, 0);
        QCOMPARE(keysBeforeWindow, (QStringList{
            "Options/First Run", "Options/Enhanced Clipboard", "Options/InitDir", "Options/Show Program Toolbox",
            "Options/Show File Toolbox", "Syntax Highlighting/w1", "Syntax Highlighting/wc1", "Syntax Highlighting/w2",
            "Syntax Highlighting/wc2", "Syntax Highlighting/w3", "Syntax Highlighting/wc3", "Syntax Highlighting/w4",
            "Syntax Highlighting/wc4", "Syntax Highlighting/w5", "Syntax Highlighting/wc5", "Syntax Highlighting/w6",
            "Syntax Highlighting/wc6", "Options/Show Tips at Startup"}));
        QCOMPARE(fixture.store.writes.last(), QStringLiteral("Options/Show Tips at Startup=1"));

        click("frmTip", "cmdOK");
        QCOMPARE(shown.names, (QStringList{"frmTip", "startup"}));
        QVERIFY(!visibleWindow("frmEditor"));
        click("startup", "Command1");
        QCOMPARE(shown.names, (QStringList{"frmTip", "startup", "frmEditor"}));
        QTRY_VERIFY(!visibleWindow("startup"));

        EditorWindow *editor = startup.editor();
        QCOMPARE(editor->windowTitle(), QStringLiteral("KOR Velmora: Untitled"));
        QCOMPARE(editor->state.Sta, QStringLiteral("ON"));
        QVERIFY(editor->action("mnuShowTB")->isChecked());
        QCOMPARE(editor->textControl()->baseFont().pointSize(), 9);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(editor->action(QStringLiteral("mnuRec%1").arg(i))->text(), QStringLiteral("Untitled"));
        QCOMPARE(editor->action("mnuUserKey1")->text(), QStringLiteral("User Defined Key"));
        QCOMPARE(editor->action("mnuUserLaunch5")->text(), QStringLiteral("User Defined Key"));
        QVERIFY(fixture.launcher.starts.isEmpty()); // the reset turned the clipboard program off
        QCOMPARE(fixture.store.read("Options", "First Run"), QStringLiteral("0"));
        QCOMPARE(QDir::currentPath(), QDir(fixture.programFolder.path()).canonicalPath());
    }

    void closeBoxesContinueLikeOk()
    {
        EditorFixture fixture;
        ShownWindows shown(fixture.store);
        Startup startup(fixture.context, QString(), [] { return 0.0; });
        QVERIFY(startup.run());
        visibleWindow("frmTip")->close();
        QTRY_VERIFY(visibleWindow("startup"));
        visibleWindow("startup")->close();
        QTRY_VERIFY(visibleWindow("frmEditor"));
        QCOMPARE(shown.names, (QStringList{"frmTip", "startup", "frmEditor"}));
    }

    void tipBoxUntickedSurvivesAPreferencesSave()
    {
        EditorFixture fixture;
        Startup startup(fixture.context, QString(), [] { return 0.0; });
        QVERIFY(startup.run());
        QWidget *tip = visibleWindow("frmTip");
        tip->findChild<QAbstractButton *>("chkLoadTipsAtStartup")->click();
        click("frmTip", "cmdOK");
        click("startup", "Command1");
        EditorWindow *editor = startup.editor();
        editor->action("mnuPP")->trigger();
        editor->findChild<QWidget *>("frmPrefs")->findChild<QAbstractButton *>("Command2")->click();
        QCOMPARE(fixture.store.read("Options", "Show Tips at Startup"), QStringLiteral("0"));
    }

    void tipsAndWelcomeOffShowOnlyTheEditor()
    {
        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        ShownWindows shown(fixture.store);
        Startup startup(fixture.context, QString(), [] { return 0.0; });
        QVERIFY(startup.run());
        QCOMPARE(shown.names, QStringList{"frmEditor"});
        QVERIFY(fixture.store.writes.isEmpty());
    }

    void fixSwitchInAnyCaseRepairsAndEnds_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("lower") << "/fix";
        QTest::newRow("upper") << "/FIX";
        QTest::newRow("mixed") << "/Fix";
    }
    void fixSwitchInAnyCaseRepairsAndEnds()
    {
        QFETCH(QString, argument);
        EditorFixture fixture;
        fixture.store.write("Options", "Recent1", "/keep/me.pl");
        fixture.store.write("Options", "Enhanced Clipboard", "1");
        ShownWindows shown(fixture.store);
        Startup startup(fixture.context, argument, [] { return 0.0; });
        QVERIFY(!startup.run());
        QVERIFY(shown.names.isEmpty());
        QVERIFY(!startup.editor());
        QCOMPARE(fixture.prompts.messages.size(), 1);
        QCOMPARE(fixture.prompts.messages[0].text, QStringLiteral("VMR Restore/Fix Operation Completed.  Please Restart VMR"));
        QCOMPARE(fixture.prompts.messages[0].title, QStringLiteral("Velmora Editor"));
        QCOMPARE(fixture.store.read("Options", "First Run"), QStringLiteral("0"));
        QCOMPARE(fixture.store.read("Options", "Enhanced Clipboard"), QStringLiteral("0"));
        QCOMPARE(fixture.store.read("Options", "Recent1"), QStringLiteral("/keep/me.pl"));
        QVERIFY(fixture.launcher.starts.isEmpty());
    }

    void otherSwitchesStartNormallyWithoutOpeningThem_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("draxil") << "/draxil";
        QTest::newRow("projmgr") << "/PROJMGR";
    }
    void otherSwitchesStartNormallyWithoutOpeningThem()
    {
        QFETCH(QString, argument);
        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        Startup startup(fixture.context, argument, [] { return 0.0; });
        QVERIFY(startup.run());
        QVERIFY(fixture.prompts.messages.isEmpty());
        QCOMPARE(startup.editor()->windowTitle(), QStringLiteral("KOR Velmora: Untitled"));
    }

    void commandLineScript_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("quoted");
        QTest::addColumn<bool>("opens");
        QTest::newRow("path with blanks opens") << "my script.pl" << false << true;
        QTest::newRow("quoted path is taken with its quotes") << "my script.pl" << true << false;
    }
    void commandLineScript()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, quoted);
        QFETCH(bool, opens);
        QTemporaryDir scripts;
        const QString path = writeScript(scripts, fileName, "print \"hi\\n\";\nexit;\n");
        const QString argument = quoted ? QLatin1Char('"') + path + QLatin1Char('"') : path;

        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        Startup startup(fixture.context, argument, [] { return 0.0; });
        QVERIFY(startup.run());
        EditorWindow *editor = startup.editor();
        QCOMPARE(editor->currentFile, QDir::current().absoluteFilePath(argument));
        QCOMPARE(editor->state.Saved, QStringLiteral("YES"));
        if (opens) {
            QVERIFY(fixture.prompts.messages.isEmpty());
            QCOMPARE(editor->windowTitle(), QStringLiteral("KOR Velmora: ") + path);
            QCOMPARE(editor->textControl()->text(), QStringLiteral("print \"hi\\n\";\r\nexit;\r\n"));
        } else {
            QCOMPARE(fixture.prompts.messages.size(), 1);
            QCOMPARE(fixture.prompts.messages[0].text,
                     QStringLiteral("Error encountered while trying to open file, please retry."));
            QCOMPARE(fixture.prompts.messages[0].title, QStringLiteral("KOR Velmora"));
            QCOMPARE(editor->windowTitle(), QStringLiteral("KOR Velmora: Untitled"));
            QVERIFY(editor->textControl()->text().isEmpty());
        }
    }

    void relativePathIsTakenFromTheStartFolder()
    {
        QTemporaryDir scripts;
        const QString path = writeScript(scripts, "rel.pl", "exit;\n");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(scripts.path());
        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        Startup startup(fixture.context, QStringLiteral("rel.pl"), [] { return 0.0; });
        const bool running = startup.run();
        QDir::setCurrent(previous);
        QVERIFY(running);
        QVERIFY(fixture.prompts.messages.isEmpty());
        QCOMPARE(QFileInfo(startup.editor()->currentFile).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        QCOMPARE(startup.editor()->textControl()->text(), QStringLiteral("exit;\r\n"));
    }

    void storedPreferencesShapeTheStart()
    {
        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        fixture.store.write("Options", "Show Toolbar at Startup", "0");
        fixture.store.write("Options", "Startup Font", "4");
        fixture.store.write("Options", "Enhanced Clipboard", "1");
        fixture.store.write("Options", "Launch Key2", "/usr/bin/gitk");
        fixture.store.write("Options", "Shortcut Key3", "use strict;");
        fixture.store.write("Options", "Recent2", "/home/u/two.pl");
        Startup startup(fixture.context, QString(), [] { return 0.0; });
        QVERIFY(startup.run());
        EditorWindow *editor = startup.editor();
        QCOMPARE(editor->state.Sta, QString());
        QVERIFY(!editor->action("mnuShowTB")->isChecked());
        QCOMPARE(editor->textControl()->baseFont().pointSize(), 12);
        QCOMPARE(editor->action("mnuUserLaunch2")->text(), QStringLiteral("/usr/bin/gitk"));
        QCOMPARE(editor->action("mnuUserKey3")->text(), QStringLiteral("use strict;"));
        QCOMPARE(editor->action("mnuRec2")->text(), QStringLiteral("/home/u/two.pl"));
        QCOMPARE(fixture.launcher.starts.size(), 1);
        QCOMPARE(fixture.launcher.starts[0].commandLine, QStringLiteral("quillet "));
        QCOMPARE(fixture.launcher.starts[0].state, WindowState::NormalFocus);
        // The launch boxes hold what is stored: a key never written shows "1" there.
        QCOMPARE(fixture.context.preferences().launches[0], QStringLiteral("1"));
    }

    void exitWritesPalettePositionsFromStoreOrDefaults()
    {
        EditorFixture fixture;
        fixture.skipFirstRunTipsAndWelcome();
        fixture.store.write("Locations", "File Box Left", "1");
        fixture.store.write("Locations", "Prog Box Top", "5000");
        fixture.store.writes.clear();
        Startup startup(fixture.context, QString(), [] { return 0.0; });
        QVERIFY(startup.run());
        QSignalSpy ended(&startup, &Startup::ended);
        startup.editor()->action("mnuFileExit(5)")->trigger();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(fixture.store.writes, (QStringList{"Locations/File Box Left=210", "Locations/File Box Top=1350",
                                                    "Locations/Prog Box Left=240", "Locations/Prog Box Top=5000"}));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
