#include "documentcontroller.h"

#include "document/recentfiles.h"
#include "document/richtextcontrol.h"
#include "document/scriptfile.h"
#include "document/scriptpaths.h"
#include "editorcontext.h"
#include "editorwindow.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "savechangesprompt.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString CaptionPrefix = QStringLiteral("KOR Velmora: ");
const QString Yes = QStringLiteral("YES");
const QString No = QStringLiteral("NO");
const QString Open = QStringLiteral("OPEN");

bool isUntitled(const QString &path)
{
    return path.isEmpty() || path == Settings::Untitled;
}
} // namespace

DocumentController::DocumentController(EditorWindow &window, EditorContext &context, RecentFiles &recent)
    : QObject(&window), m_window(window), m_context(context), m_recent(recent),
      m_prompt(new SaveChangesPrompt(&window))
{
    connect(window.textControl(), &RichTextControl::change, this, [this] { m_window.state.Saved = No; });
    connect(m_prompt, &SaveChangesPrompt::yes, this, &DocumentController::answerYes);
    connect(m_prompt, &SaveChangesPrompt::no, this, &DocumentController::answerNo);
    connect(m_prompt, &SaveChangesPrompt::cancel, this, &DocumentController::answerCancel);
}

DocumentController::~DocumentController() = default;

QString DocumentController::currentFile() const
{
    return m_window.currentFile;
}

void DocumentController::setCurrentFile(const QString &path)
{
    m_window.currentFile = path;
}

bool DocumentController::hasUnsavedChanges() const
{
    return m_window.state.Saved == No || m_window.state.Saved == Open;
}

void DocumentController::loadEditorFile(const QString &path)
{
    if (m_window.windowTitle() == CaptionPrefix + path)
        return;
    if (!m_window.textControl()->loadFile(path).ok) {
        m_context.services.prompts.message({QStringLiteral("Error encountered while trying to open file, please retry."),
                                            QStringLiteral("KOR Velmora"), Prompts::Icon::Warning});
        return;
    }
    m_window.setWindowTitle(CaptionPrefix + path);
    m_window.state.Saved = Yes;
}

bool DocumentController::saveEditorFile(const QString &path)
{
    RichTextControl *text = m_window.textControl();
    const ScriptWriteResult result = writeScriptFile(path, text->utf8Text(), text->fileFormat());
    if (!result.ok) {
        m_context.services.prompts.message({QStringLiteral("Error occurred while trying to close file, please retry."),
                                            QStringLiteral("Velmora Editor"), Prompts::Icon::Warning});
        return false;
    }
    text->setFileFormat(result.format);
    m_window.setWindowTitle(CaptionPrefix + path);
    return true;
}

void DocumentController::afterOpenOrSave()
{
    m_recent.noteOpenedOrSaved(currentFile());
    m_context.settings.write(keys::InitDir, currentFile());
}

void DocumentController::loadChosenPath(const QString &path)
{
    setCurrentFile(path);
    loadEditorFile(path);
    m_context.preferences().dontColourOnOpen = m_context.settings.isOn(keys::ColorCodeText);
    m_window.state.txtStart = QString::number(m_window.textControl()->selStart());
    m_window.state.tabmark.clear();
}

void DocumentController::openFile()
{
    if (m_window.state.Saved == No) {
        m_window.state.Saved = Open;
        ask(Pending::Open);
        return;
    }
    RichTextControl *text = m_window.textControl();
    text->setSelStart(0);
    text->setSelColor(Qt::black);

    const QString folder = folderOfPath(m_context.settings.text(keys::InitDir));
    if (!QDir::setCurrent(folder)) {
        // The remembered folder is gone: start over at the root.
        m_window.state.Saved = Yes;
        m_context.settings.write(keys::InitDir, QStringLiteral("/"));
        QDir::setCurrent(QStringLiteral("/"));
        openFile();
        m_window.state.Saved = Yes;
        return;
    }
    const std::optional<QString> chosen = m_context.services.prompts.openFile(
        {QStringLiteral("Open"), folder, m_lastChosenName, scriptFilters(), PreselectedScriptFilter});
    if (!chosen) {
        m_window.state.Saved = Yes;
        return;
    }
    m_lastChosenName = QFileInfo(*chosen).fileName();
    loadChosenPath(*chosen);
    afterOpenOrSave();
}

bool DocumentController::save()
{
    if (isUntitled(currentFile())) {
        const std::optional<QString> chosen = m_context.services.prompts.saveFile(
            {QStringLiteral("Save As"), m_context.settings.text(keys::InitDir), m_lastChosenName, scriptFilters(),
             PreselectedScriptFilter});
        if (!chosen)
            return false;
        m_lastChosenName = QFileInfo(*chosen).fileName();
        setCurrentFile(*chosen);
    }
    const bool written = saveEditorFile(currentFile());
    m_window.state.Saved = Yes;
    afterOpenOrSave();
    return written;
}

void DocumentController::saveAs()
{
    const std::optional<QString> chosen = m_context.services.prompts.saveFile(
        {QStringLiteral("Save As"), m_context.settings.text(keys::InitDir), m_lastChosenName, scriptFilters(),
         PreselectedScriptFilter});
    if (!chosen)
        return;
    m_lastChosenName = QFileInfo(*chosen).fileName();
    setCurrentFile(*chosen);
    saveEditorFile(currentFile());
    m_window.state.Saved = Yes;
    afterOpenOrSave();
}

void DocumentController::emptyToUntitled()
{
    RichTextControl *text = m_window.textControl();
    text->setText(QString());
    text->setFileFormat({});
    setCurrentFile(Settings::Untitled);
    m_window.setWindowTitle(CaptionPrefix + Settings::Untitled);
    m_window.state.Saved = Yes;
}

void DocumentController::closeScript()
{
    if (m_window.state.Saved == No)
        ask(Pending::Close);
    else
        emptyToUntitled();
}

void DocumentController::startNewEditor()
{
    if (m_context.services.launcher.start(QStringLiteral("ondrel"), WindowState::NormalFocus))
        return;
    m_context.services.prompts.message(
        {QStringLiteral("A new editor could not be started from:\n") + m_context.services.programFolder
             + QStringLiteral("/ondrel"),
         QStringLiteral("Velmora Editor"), Prompts::Icon::Critical});
}

void DocumentController::openPath(const QString &path)
{
    if (!hasUnsavedChanges()) {
        loadChosenPath(path);
        return;
    }
    m_pendingPath = path;
    // A new question replaces an open that was waiting behind the prompt.
    m_window.state.Saved = No;
    ask(Pending::OpenPath);
}

bool DocumentController::confirmEnd()
{
    if (!hasUnsavedChanges())
        return true;
    m_window.state.Saved = No;
    ask(Pending::End);
    return false;
}

void DocumentController::ask(Pending pending)
{
    m_pending = pending;
    m_prompt->ask();
}

void DocumentController::answerCancel()
{
    m_prompt->hide();
}

void DocumentController::answerNo()
{
    m_prompt->hide();
    if (m_window.state.Saved == Open) {
        openFile();
        m_window.state.Saved = Yes;
        return;
    }
    runPending();
}

void DocumentController::answerYes()
{
    if (isUntitled(currentFile())) {
        const std::optional<QString> chosen = m_context.services.prompts.saveFile(
            {QStringLiteral("Save As"), QString(), m_lastChosenName, shortScriptFilters(), PreselectedScriptFilter});
        if (!chosen)
            return;
        m_lastChosenName = QFileInfo(*chosen).fileName();
        setCurrentFile(*chosen);
    }
    const bool written = saveEditorFile(currentFile());

    if (m_window.state.Saved == Open) {
        RichTextControl *text = m_window.textControl();
        text->setSelStart(0);
        text->setSelColor(Qt::black);
        const std::optional<QString> chosen = m_context.services.prompts.openFile(
            {QStringLiteral("Open"), QString(), m_lastChosenName, shortScriptFilters(), PreselectedScriptFilter});
        if (!chosen)
            return;
        m_lastChosenName = QFileInfo(*chosen).fileName();
        loadChosenPath(*chosen);
        m_prompt->hide();
        m_window.state.Saved = Yes;
        return;
    }
    // Ending or replacing the script after a failed save would lose the changes.
    if (!written && m_pending != Pending::Close)
        return;
    m_prompt->hide();
    m_window.state.Saved = Yes;
    runPending();
}

void DocumentController::runPending()
{
    switch (m_pending) {
    case Pending::Close:
        emptyToUntitled();
        break;
    case Pending::End:
        m_window.endProgram();
        break;
    case Pending::OpenPath:
        loadChosenPath(m_pendingPath);
        break;
    case Pending::Open:
        break; // an open waits behind the flag "OPEN" and is handled by the answers
    }
}
