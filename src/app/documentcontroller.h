#pragma once

#include <QObject>
#include <QString>

class EditorContext;
class EditorWindow;
class RecentFiles;
class SaveChangesPrompt;

// The script's life in the editor: open, save, save as, close, a new editor, the modified
// flag and its save-changes prompt, the caption as the record of the file shown.
class DocumentController : public QObject {
    Q_OBJECT
public:
    DocumentController(EditorWindow &window, EditorContext &context, RecentFiles &recent);
    ~DocumentController() override;

    // Reads the file into the editor unless its path is the one the caption shows. A failure
    // shows the open-error message and leaves text, caption and flag as they were.
    void loadEditorFile(const QString &path);
    // Writes the script; a failure shows the write-error message. True when written.
    bool saveEditorFile(const QString &path);

    void openFile();       // File > Open
    bool save();           // File > Save; true when the script was written
    void saveAs();         // File > Save As
    void closeScript();    // File > Close
    void startNewEditor(); // File > New
    // A recent entry or a history entry: asks first when the script has unsaved changes.
    void openPath(const QString &path);

    // Ending the program: true when it may end now; otherwise the prompt asks first and
    // the window is told to end once the answer allows it.
    bool confirmEnd();

    SaveChangesPrompt *prompt() const { return m_prompt; }

private:
    // What waits behind the save-changes prompt.
    enum class Pending { Close, Open, End, OpenPath };

    bool hasUnsavedChanges() const;
    void ask(Pending pending);
    void answerYes();
    void answerNo();
    void answerCancel();
    void runPending();
    void emptyToUntitled();
    void loadChosenPath(const QString &path);
    void afterOpenOrSave();
    QString currentFile() const;
    void setCurrentFile(const QString &path);

    EditorWindow &m_window;
    EditorContext &m_context;
    RecentFiles &m_recent;
    SaveChangesPrompt *m_prompt;
    Pending m_pending = Pending::Close;
    QString m_pendingPath;
    QString m_lastChosenName; // the file name box starts with the name chosen last
};
