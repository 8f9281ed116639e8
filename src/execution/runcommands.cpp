#include "runcommands.h"

#include "document/richtextcontrol.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "runswitchesdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>

using runfile::Companion;
using runfile::Scope;

namespace {
const QString Title = QStringLiteral("Velmora Editor");

// The toolbar's images lie on the main window's client area; other windows (the palettes)
// reuse some of their names for other commands.
QWidget *toolbarHost(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget())
        return main->centralWidget();
    return window;
}
} // namespace

RunCommands::RunCommands(QWidget *window, RichTextControl &text, Launcher &launcher, Prompts &prompts, Hooks hooks)
    : QObject(window), m_window(window), m_text(text), m_launcher(launcher), m_prompts(prompts),
      m_hooks(std::move(hooks))
{
    connectEntries(window);
}

void RunCommands::connectEntries(QWidget *window)
{
    struct Entry {
        const char *menuItem;
        const char *popupItem;
        const char *image; // "" for none
        std::function<void()> command;
    };
    const Entry entries[] = {
        {"mnuRun2", "mnuPrun", "Image2", [this] { run(Scope::WholeScript); }},
        {"mnuRunSelWoSw", "mnuPRwsw", "Image22", [this] { run(Scope::SelectedText); }},
        {"mnuWOSwitch", "mnuPRuntoCur", "Image21", [this] { run(Scope::ToCursor); }},
        {"RunProgram", "mnuPRunSw", "Image6", [this] { runWithSwitches(Scope::WholeScript); }},
        {"mnuRSelTSw", "mnuPRuSelTxt", "Image23", [this] { runWithSwitches(Scope::SelectedText); }},
        {"mnuWithSw", "mnuPrunwsw", "Image28", [this] { runWithSwitches(Scope::ToCursor); }},
        {"mnuRunWhole", "mnuPDebug", "Image7", [this] { debug(Scope::WholeScript); }},
        {"mnuRunSelected", "mnuPDbSelTx", "Image27", [this] { debug(Scope::SelectedText); }},
        {"mnuDebugCur", "mnuPdbtocur", "", [this] { debug(Scope::ToCursor); }},
        {"mnuWholeScript", "mnuPwholechk", "Image3", [this] { checkSyntax(Scope::WholeScript); }},
        {"mnuSelectedTxt", "mnuPChksel", "Image4", [this] { checkSyntax(Scope::SelectedText); }},
        {"mnuChkSynCur", "mnuPChktoCur", "", [this] { checkSyntax(Scope::ToCursor); }},
    };
    QWidget *toolbar = toolbarHost(window);
    for (const Entry &entry : entries) {
        for (const char *item : {entry.menuItem, entry.popupItem}) {
            if (QAction *action = window->findChild<QAction *>(QLatin1String(item)))
                connect(action, &QAction::triggered, this, entry.command);
        }
        if (*entry.image) {
            if (auto *image = toolbar->findChild<QAbstractButton *>(QLatin1String(entry.image), Qt::FindDirectChildrenOnly))
                connect(image, &QAbstractButton::clicked, this, entry.command);
        }
    }

    if (QAction *action = window->findChild<QAction *>(QStringLiteral("mnuCompile")))
        connect(action, &QAction::triggered, this, &RunCommands::compile);
    const std::pair<const char *, const char *> fixedTools[] = {
        {"mnuDosWindow", "command.com "}, {"mnuNotepad", "notepad.exe "}, {"mnuWordpad", "write.exe "}};
    for (const auto &[item, commandLine] : fixedTools) {
        if (QAction *action = window->findChild<QAction *>(QLatin1String(item))) {
            const QString line = QLatin1String(commandLine);
            connect(action, &QAction::triggered, this, [this, line] { launch(line); });
        }
    }
    for (int i = 1; i <= 5; ++i) {
        // The user's command is the item's caption at the moment it is chosen.
        if (QAction *action = window->findChild<QAction *>(QStringLiteral("mnuUserLaunch%1").arg(i)))
            connect(action, &QAction::triggered, this, [this, action] { launch(action->text()); });
    }
}

void RunCommands::run(Scope scope)
{
    companion(Companion::Run, scope);
}

void RunCommands::debug(Scope scope)
{
    companion(Companion::Debug, scope);
}

void RunCommands::checkSyntax(Scope scope)
{
    companion(Companion::Syntax, scope);
}

void RunCommands::companion(Companion companion, Scope scope)
{
    const int caret = writeScope(scope);
    startCompanion(runfile::companionName(companion), runfile::companionCommandLine(companion));
    restoreCaret(scope, caret);
}

void RunCommands::runWithSwitches(Scope scope)
{
    const int caret = writeScope(scope);
    if (!m_switches) {
        m_switches = new RunSwitchesDialog(
            m_window, [this](const QString &commandLine) { startCompanion(QStringLiteral("run.bat"), commandLine); },
            m_hooks.setHint);
    }
    m_switches->show();
    m_switches->raise();
    m_switches->activateWindow();
    restoreCaret(scope, caret);
}

int RunCommands::writeScope(Scope scope)
{
    const QString path = runfile::TempFileName;
    switch (scope) {
    case Scope::WholeScript:
        if (!runfile::writeTempFile(path, runfile::tempFileBytes(m_text.utf8Text())))
            m_prompts.message({QStringLiteral("Error occurred while trying to close file, please retry."), Title,
                               Prompts::Icon::Warning});
        return 0;
    case Scope::SelectedText:
        runfile::writeTempFile(path, runfile::tempFileBytes(m_text.selText().toUtf8()));
        return 0;
    case Scope::ToCursor:
        break;
    }
    const int caret = m_text.selStart();
    m_text.setSelStart(0);
    m_text.setSelLength(caret);
    runfile::writeTempFile(path, runfile::tempFileBytes(m_text.selText().toUtf8()));
    return caret;
}

void RunCommands::restoreCaret(Scope scope, int caret)
{
    if (scope == Scope::ToCursor)
        m_text.setSelStart(caret);
}

void RunCommands::startCompanion(const QString &name, const QString &commandLine)
{
    if (m_launcher.start(commandLine, WindowState::MaximizedFocus))
        return;
    m_prompts.message({QStringLiteral("Cannot start %1: no terminal program was found to run it in.  Install xterm, "
                                      "or name your terminal for %1 in programs.map in the program folder.")
                           .arg(name),
                       Title, Prompts::Icon::Warning});
}

void RunCommands::compile()
{
    const QString file = m_hooks.currentFile();
    m_hooks.saveScript(file);
    if (!m_launcher.start(runfile::compileCommandLine(file), WindowState::MinimizedFocus))
        m_prompts.message({QStringLiteral("Perl2EXE Cannot Be Located.  Be sure it is installed and in your system path."),
                           Title});
}

void RunCommands::launch(const QString &commandLine)
{
    if (m_launcher.start(commandLine, WindowState::NormalFocus))
        return;
    m_prompts.message({QStringLiteral("Cannot start \"%1\".  Check that the program is installed, or map it in "
                                      "programs.map in the program folder.")
                           .arg(commandLine.trimmed()),
                       Title, Prompts::Icon::Warning});
}
