#include "app/mainmenu.h"
#include "app/toolbarstrip.h"
#include "document/richtextcontrol.h"
#include "execution/runcommands.h"
#include "execution/runswitchesdialog.h"
#include "platform/commandline.h"
#include "recordinglauncher.h"
#include "scriptedprompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(WindowState)

namespace {

// A main window with the real menu bar, right-button menu and toolbar, the script's text
// control and the run commands on them, working in a temporary current directory.
struct Fixture {
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    RecordingLauncher launcher;
    ScriptedPrompts prompts;
    QString currentFile;
    QStringList events; // saves and starts in order
    QStringList hints;
    QMainWindow window;
    QWidget *client = new QWidget;
    std::unique_ptr<ToolbarStrip> toolbar;
    RichTextControl *text = nullptr;
    RunCommands *commands = nullptr;

    Fixture()
    {
        QDir::setCurrent(dir.path());
        buildMainMenu(window.menuBar());
        window.setCentralWidget(client);
        toolbar = std::make_unique<ToolbarStrip>(client);
        text = new RichTextControl(client);
        buildPopupMenu(&window);
        commands = new RunCommands(&window, *text, launcher, prompts,
                                   {[this] { return currentFile; },
                                    [this](const QString &path) { events << QStringLiteral("save ") + path; },
                                    [this](const QString &hint) { hints << hint; }});
    }
    ~Fixture() { QDir::setCurrent(previousDir); }

    // Chooses a menu item, right-button menu item or toolbar image by its name.
    void choose(const QString &name)
    {
        if (QAction *action = window.findChild<QAction *>(name)) {
            action->trigger();
            return;
        }
        QAbstractButton *image = client->findChild<QAbstractButton *>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(image, qPrintable(name));
        image->click();
    }

    QByteArray tempFile() const
    {
        QFile file(dir.filePath(QStringLiteral("VMR.TMP")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    void select(int start, int length)
    {
        text->setSelStart(start);
        text->setSelLength(length);
    }
};

} // namespace

class TestRunCommands : public QObject {
    Q_OBJECT
private slots:
    // Every entry point of every command: what it writes, what it starts. The text is chosen
    // so that whole script, selected text and to cursor each write something else.
    void everyEntryPoint_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("commandLine"); // "" where the switches dialog opens instead
        const QByteArray whole = "abc\ndef\n", selected = "bc\nd\n", toCursor = "a\n";
        const QString run = QStringLiteral("run.bat VMR.TMP"), debug = QStringLiteral("debug.bat VMR.TMP"),
                      syntax = QStringLiteral("syntax.bat VMR.TMP");
        const struct {
            const char *menu, *popup, *image;
            QByteArray bytes;
            QString line;
        } rows[] = {
            {"mnuRun2", "mnuPrun", "Image2", whole, run},
            {"mnuRunSelWoSw", "mnuPRwsw", "Image22", selected, run},
            {"mnuWOSwitch", "mnuPRuntoCur", "Image21", toCursor, run},
            {"RunProgram", "mnuPRunSw", "Image6", whole, QString()},
            {"mnuRSelTSw", "mnuPRuSelTxt", "Image23", selected, QString()},
            {"mnuWithSw", "mnuPrunwsw", "Image28", toCursor, QString()},
            {"mnuRunWhole", "mnuPDebug", "Image7", whole, debug},
            {"mnuRunSelected", "mnuPDbSelTx", "Image27", selected, debug},
            {"mnuDebugCur", "mnuPdbtocur", "", toCursor, debug},
            {"mnuWholeScript", "mnuPwholechk", "Image3", whole, syntax},
            {"mnuSelectedTxt", "mnuPChksel", "Image4", selected, syntax},
            {"mnuChkSynCur", "mnuPChktoCur", "", toCursor, syntax},
        };
        for (const auto &row : rows) {
            for (const char *entry : {row.menu, row.popup, row.image}) {
                if (*entry)
                    QTest::newRow(entry) << QString::fromLatin1(entry) << row.bytes << row.line;
            }
        }
    }
    void everyEntryPoint()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, commandLine);
        Fixture f;
        f.text->setText(QStringLiteral("abc\r\ndef"));
        f.select(1, 5);
        f.choose(entry);
        QCOMPARE(f.tempFile(), bytes);
        if (commandLine.isEmpty()) {
            QVERIFY(f.launcher.starts.isEmpty());
            QVERIFY(f.commands->switchesDialog() && f.commands->switchesDialog()->isVisible());
        } else {
            QCOMPARE(f.launcher.starts.size(), 1);
            QCOMPARE(f.launcher.starts[0].commandLine, commandLine);
            QCOMPARE(f.launcher.starts[0].state, WindowState::MaximizedFocus);
            QVERIFY(!f.commands->switchesDialog());
        }
        QVERIFY(f.prompts.messages.isEmpty());
    }

    // The scopes' edge cases: exact file bytes and where caret and selection are afterwards.
    void scopes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("selStartAfter");
        QTest::addColumn<int>("selLengthAfter");
        const QString script = QStringLiteral("print 1;\r\nprint 2;");
        QTest::newRow("whole, empty script") << "mnuRun2" << "" << 0 << 0 << QByteArray("\n") << 0 << 0;
        QTest::newRow("whole, LF and final line end") << "mnuRun2" << script << 0 << 0
                                                      << QByteArray("print 1;\nprint 2;\n") << 0 << 0;
        QTest::newRow("whole, ends in a line end") << "mnuRun2" << "print 1;\r\n" << 0 << 0 << QByteArray("print 1;\n")
                                                   << 0 << 0;
        QTest::newRow("whole, UTF-8") << "mnuRun2" << QStringLiteral("print \"\u00e9\u20ac\";") << 0 << 0
                                      << QByteArray("print \"\xc3\xa9\xe2\x82\xac\";\n") << 0 << 0;
        QTest::newRow("whole, selection stays") << "mnuRun2" << script << 3 << 4 << QByteArray("print 1;\nprint 2;\n")
                                                << 3 << 4;
        QTest::newRow("selected, nothing selected") << "mnuRunSelWoSw" << script << 4 << 0 << QByteArray("\n") << 4 << 0;
        QTest::newRow("selected, across a line end") << "mnuRunSelWoSw" << script << 6 << 6 << QByteArray("1;\npr\n")
                                                     << 6 << 6;
        QTest::newRow("selected, whole lines") << "mnuRunSelected" << script << 0 << 10 << QByteArray("print 1;\n")
                                               << 0 << 10;
        QTest::newRow("to cursor, caret at 0") << "mnuWOSwitch" << script << 0 << 0 << QByteArray("\n") << 0 << 0;
        QTest::newRow("to cursor, caret mid-line") << "mnuDebugCur" << script << 15 << 0
                                                   << QByteArray("print 1;\nprint\n") << 15 << 0;
        QTest::newRow("to cursor, selection: before it, then caret at its start")
            << "mnuChkSynCur" << script << 10 << 5 << QByteArray("print 1;\n") << 10 << 0;
        QTest::newRow("to cursor, at the end") << "mnuWOSwitch" << script << 18 << 0
                                               << QByteArray("print 1;\nprint 2;\n") << 18 << 0;
        QTest::newRow("to cursor, empty script") << "mnuChkSynCur" << "" << 0 << 0 << QByteArray("\n") << 0 << 0;
        QTest::newRow("to cursor w/switches, caret back after opening") << "mnuWithSw" << script << 10 << 5
                                                                       << QByteArray("print 1;\n") << 10 << 0;
    }
    void scopes()
    {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QByteArray, bytes);
        QFETCH(int, selStartAfter);
        QFETCH(int, selLengthAfter);
        Fixture f;
        f.text->setText(text);
        f.select(selStart, selLength);
        f.choose(entry);
        QCOMPARE(f.tempFile(), bytes);
        QCOMPARE(f.text->selStart(), selStartAfter);
        QCOMPARE(f.text->selLength(), selLengthAfter);
        QCOMPARE(f.text->text(), text);
    }

    void eachRunReplacesTheFile()
    {
        Fixture f;
        f.text->setText(QStringLiteral("print \"a long first script\";"));
        f.choose(QStringLiteral("mnuRun2"));
        f.text->setText(QStringLiteral("1;"));
        f.choose(QStringLiteral("mnuRun2"));
        QCOMPARE(f.tempFile(), QByteArray("1;\n"));
        QCOMPARE(f.launcher.starts.size(), 2);
    }

    // The whole script reports a failed write; the other scopes stay silent. All still start.
    void unwritableTempFile_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("reported");
        QTest::newRow("whole") << "mnuRun2" << true;
        QTest::newRow("selected") << "mnuSelectedTxt" << false;
        QTest::newRow("to cursor") << "mnuDebugCur" << false;
    }
    void unwritableTempFile()
    {
        QFETCH(QString, entry);
        QFETCH(bool, reported);
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("VMR.TMP")));
        f.text->setText(QStringLiteral("1;"));
        f.choose(entry);
        QCOMPARE(f.launcher.starts.size(), 1);
        QCOMPARE(f.prompts.messages.size(), reported ? 1 : 0);
        if (reported) {
            QCOMPARE(f.prompts.messages[0].text, QStringLiteral("Error occurred while trying to close file, please retry."));
            QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Velmora Editor"));
            QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
        }
    }

    void companionThatCannotStartIsReported()
    {
        Fixture f;
        f.launcher.succeed = false;
        f.choose(QStringLiteral("mnuWholeScript"));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text,
                 QStringLiteral("Cannot start syntax.bat: no terminal program was found to run it in.  Install xterm, "
                                "or name your terminal for syntax.bat in programs.map in the program folder."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
        QCOMPARE(f.prompts.messages[0].buttons, QMessageBox::Ok);
    }

    void switchesDialog_data()
    {
        QTest::addColumn<bool>("unsafe");
        QTest::addColumn<bool>("taint");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("nothing: two blanks") << false << false << false << "" << "run.bat  VMR.TMP";
        QTest::newRow("-w only") << false << false << true << "" << "run.bat -w  VMR.TMP";
        QTest::newRow("all three, -s typed") << true << true << true << "-s" << "run.bat -U -T -w -s VMR.TMP";
        QTest::newRow("typed only, unchanged") << false << false << false << "-l -Mstrict " << "run.bat -l -Mstrict  VMR.TMP";
    }
    void switchesDialog()
    {
        QFETCH(bool, unsafe);
        QFETCH(bool, taint);
        QFETCH(bool, warnings);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        Fixture f;
        f.text->setText(QStringLiteral("print 1;"));
        f.choose(QStringLiteral("Image6"));
        QPointer<RunSwitchesDialog> dialog = f.commands->switchesDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("PopRuns"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Run Script"));
        QVERIFY(!dialog->isModal());
        QVERIFY(dialog->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

        // Later edits do not reach the run: the file was written when the dialog opened.
        f.text->setText(QStringLiteral("print 2;"));
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckRunU"))->setChecked(unsafe);
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckRunT"))->setChecked(taint);
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckRunw"))->setChecked(warnings);
        dialog->findChild<QLineEdit *>(QStringLiteral("RunSwitch"))->setText(typed);
        dialog->findChild<QPushButton *>(QStringLiteral("Command1"))->click();

        QCOMPARE(f.launcher.starts.size(), 1);
        QCOMPARE(f.launcher.starts[0].commandLine, line);
        QCOMPARE(f.launcher.starts[0].state, WindowState::MaximizedFocus);
        QCOMPARE(f.tempFile(), QByteArray("print 1;\n"));
        QTRY_VERIFY(!dialog); // discarded
    }

    void switchesDialogCancelAndReopen_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Esc") << true;
    }
    void switchesDialogCancelAndReopen()
    {
        QFETCH(bool, escape);
        Fixture f;
        f.choose(QStringLiteral("RunProgram"));
        QPointer<RunSwitchesDialog> dialog = f.commands->switchesDialog();
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckRunw"))->setChecked(true);
        dialog->findChild<QLineEdit *>(QStringLiteral("RunSwitch"))->setText(QStringLiteral("-x"));
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QVERIFY(f.launcher.starts.isEmpty());
        QTRY_VERIFY(!dialog);

        f.choose(QStringLiteral("RunProgram"));
        dialog = f.commands->switchesDialog();
        QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("CheckRunw"))->isChecked());
        QVERIFY(dialog->findChild<QLineEdit *>(QStringLiteral("RunSwitch"))->text().isEmpty());
        dialog->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(f.launcher.starts.size(), 1);
        QCOMPARE(f.launcher.starts[0].commandLine, QStringLiteral("run.bat  VMR.TMP"));
    }

    void switchesDialogHints_data()
    {
        QTest::addColumn<QString>("control"); // "" for the dialog itself
        QTest::addColumn<QString>("hint");
        QTest::newRow("background") << "" << "Run Script With Switches";
        QTest::newRow("Run Script") << "Command1" << "Run Script With Specified Switches";
        QTest::newRow("text box") << "RunSwitch" << "Specify Other Switches";
    }
    void switchesDialogHints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        Fixture f;
        f.choose(QStringLiteral("RunProgram"));
        RunSwitchesDialog *dialog = f.commands->switchesDialog();
        QWidget *target = control.isEmpty() ? dialog : dialog->findChild<QWidget *>(control);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QCOMPARE(f.hints, QStringList{hint});
    }

    // The plain save comes first, then the compiler, minimised; a path with blanks arrives as
    // one argument.
    void compile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("nothing opened yet") << "" << "perl2exe.exe ";
        QTest::newRow("after Close") << "Untitled" << "perl2exe.exe Untitled";
        QTest::newRow("path with blanks") << "/home/u/my scripts/hello world.pl"
                                          << "perl2exe.exe \"/home/u/my scripts/hello world.pl\"";
    }
    void compile()
    {
        QFETCH(QString, file);
        QFETCH(QString, commandLine);
        Fixture f;
        f.currentFile = file;
        f.choose(QStringLiteral("mnuCompile"));
        QCOMPARE(f.events, QStringList{QStringLiteral("save ") + file});
        QCOMPARE(f.launcher.starts.size(), 1);
        QCOMPARE(f.launcher.starts[0].commandLine, commandLine);
        QCOMPARE(f.launcher.starts[0].state, WindowState::MinimizedFocus);
        if (!file.isEmpty())
            QCOMPARE(splitCommandLine(commandLine).mid(1), QStringList{file});
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void compilerNotFound()
    {
        Fixture f;
        f.currentFile = QStringLiteral("/tmp/x.pl");
        f.launcher.succeed = false;
        f.choose(QStringLiteral("mnuCompile"));
        QCOMPARE(f.events, QStringList{QStringLiteral("save /tmp/x.pl")});
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text,
                 QStringLiteral("Perl2EXE Cannot Be Located.  Be sure it is installed and in your system path."));
        QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Velmora Editor"));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::None);
        QCOMPARE(f.prompts.messages[0].buttons, QMessageBox::Ok);
    }

    void launchItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption"); // set on the item first when not empty
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("Dos Window") << "mnuDosWindow" << "" << "command.com ";
        QTest::newRow("Notepad") << "mnuNotepad" << "" << "notepad.exe ";
        QTest::newRow("Wordpad") << "mnuWordpad" << "" << "write.exe ";
        QTest::newRow("user item never set") << "mnuUserLaunch1" << "" << "User Defined Key";
        QTest::newRow("user item: its caption unchanged") << "mnuUserLaunch5" << "\"/opt/my tools/gimp\" -n  a&b"
                                                          << "\"/opt/my tools/gimp\" -n  a&b";
    }
    void launchItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, commandLine);
        Fixture f;
        if (!caption.isEmpty())
            f.window.findChild<QAction *>(item)->setText(caption);
        f.choose(item);
        QCOMPARE(f.launcher.starts.size(), 1);
        QCOMPARE(f.launcher.starts[0].commandLine, commandLine);
        QCOMPARE(f.launcher.starts[0].state, WindowState::NormalFocus);
        QVERIFY(f.events.isEmpty()); // no save
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void launchItemThatCannotStartIsReported()
    {
        Fixture f;
        f.launcher.succeed = false;
        f.choose(QStringLiteral("mnuUserLaunch2"));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text,
                 QStringLiteral("Cannot start \"User Defined Key\".  Check that the program is installed, or map it "
                                "in programs.map in the program folder."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
    }
};

QTEST_MAIN(TestRunCommands)
#include "tst_runcommands.moc"
