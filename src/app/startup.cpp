#include "startup.h"

#include "commandlineswitch.h"
#include "editorcontext.h"
#include "documentcontroller.h"
#include "editorwindow.h"
#include "document/recentfiles.h"
#include "factoryreset.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "tiplist.h"
#include "tipwindow.h"
#include "welcomewindow.h"

#include <QDir>

Startup::Startup(EditorContext &context, QString argumentText, std::function<double()> random)
    : m_context(context), m_argumentText(std::move(argumentText)), m_startDirectory(QDir::currentPath()),
      m_tips(std::make_unique<TipList>(std::move(random)))
{
}

Startup::~Startup() = default;

bool Startup::run()
{
    if (classifyArguments(m_argumentText) == StartSwitch::Fix) {
        repair();
        return false;
    }
    prepareEditor();
    showTipOfTheDay();
    return true;
}

void Startup::repair()
{
    factoryReset(m_context.settings, m_context.preferences(), m_context.colours, m_context.services.programFolder);
    m_context.services.prompts.message(
        {QStringLiteral("VMR Restore/Fix Operation Completed.  Please Restart VMR"), QStringLiteral("Velmora Editor")});
}

void Startup::prepareEditor()
{
    const Settings &settings = m_context.settings;
    m_context.colours = ColourTable::load(settings);
    m_editor = std::make_unique<EditorWindow>(m_context);
    connect(m_editor.get(), &EditorWindow::ended, this, &Startup::ended);
    m_context.preferences();
    QDir::setCurrent(m_context.services.programFolder);

    if (classifyArguments(m_argumentText) == StartSwitch::Script) {
        // A path relative to where the editor was started from, not to the program folder
        // it has just moved to, and kept absolute so later saves go back to the same file.
        const QString path = QDir(m_startDirectory).absoluteFilePath(m_argumentText);
        m_editor->currentFile = path;
        m_editor->document().loadEditorFile(path);
    }

    if (settings.isOn(keys::ShowToolbarAtStartup))
        m_editor->showToolbarAtStartup();
    m_editor->setStartupFontSize(8 + settings.startupFontIndex());

    std::array<QString, 5> launches;
    std::array<QString, 5> phrases;
    for (int i = 0; i < 5; ++i) {
        launches[i] = Settings::orDefault(settings.launchKey(i + 1), Settings::UserDefinedKey);
        phrases[i] = settings.shortcutKey(i + 1);
    }
    m_editor->setLaunchCaptions(launches);
    m_editor->setPhraseCaptions(phrases);

    if (settings.firstRun())
        factoryReset(settings, m_context.preferences(), m_context.colours, m_context.services.programFolder);

    m_editor->recentFiles().load();
    m_editor->showRecentEntries();

    m_context.preferences().enhancedClipboard = settings.isOn(keys::EnhancedClipboard);
    if (m_context.preferences().enhancedClipboard) {
        // A clipboard program that cannot be started is not worth a message at start-up.
        m_context.services.launcher.start(QStringLiteral("quillet "), WindowState::NormalFocus);
    }

    m_context.discardPreferences();
    m_context.preferences();
}

void Startup::showTipOfTheDay()
{
    if (!m_context.settings.isOn(keys::ShowTipsAtStartup)) {
        showWelcomeOrEditor();
        return;
    }
    auto *tip = new TipWindow(m_context.settings, *m_tips,
                              m_context.services.programFolder + QStringLiteral("/TIPOFDAY.TXT"));
    connect(tip, &TipWindow::finished, this, &Startup::showWelcomeOrEditor);
    tip->show();
}

void Startup::showWelcomeOrEditor()
{
    // The tip window's box writes the store directly; the preferences state, created before
    // it, must not save the old value back later.
    m_context.preferences().loadTipsAtStartup = m_context.settings.isOn(keys::ShowTipsAtStartup);
    if (!m_context.settings.isOn(keys::StartupDialog)) {
        m_editor->showEditor();
        return;
    }
    auto *welcome = new WelcomeWindow;
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    connect(welcome, &WelcomeWindow::acknowledged, m_editor.get(), &EditorWindow::showEditor);
    welcome->show();
}
