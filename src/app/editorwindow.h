#pragma once

#include "editorstate.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class ClientArea;
class ColourCoding;
class DocumentController;
class EditorContext;
class RecentFiles;
class PreferencesDialog;
class RichTextControl;
class StatusPanels;
class ToolbarStrip;

// The main window (frmEditor): menu bar, toolbar strip, the script's text control, the
// status bar and the editor's state fields. It routes commands; the work lives elsewhere.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(EditorContext &context, QWidget *parent = nullptr);
    ~EditorWindow() override;

    RichTextControl *textControl() const { return m_text; }
    DocumentController &document() const { return *m_document; }
    RecentFiles &recentFiles() const { return *m_recent; }
    StatusPanels *statusPanels() const { return m_status; }
    QAction *action(const QString &name) const;

    EditorState state;
    QString currentFile;

    // Shows the window maximised over its centred restored place.
    void showEditor();

    void showToolbarAtStartup();
    // Tools > View > "Show Toolbar": toggles the tick and moves the text control.
    void toggleToolbar();
    // "Close Toolbar": always hides.
    void hideToolbar();

    void setStartupFontSize(int points);
    void setLaunchCaptions(const std::array<QString, 5> &captions);
    void setPhraseCaptions(const std::array<QString, 5> &captions);
    void showRecentEntries();

    // The hint line (hbar); every change shows in the last status panel.
    QString hint() const { return m_hint; }
    void setHint(const QString &text);

    void openPreferences();
    void showAbout();
    void showHistory();

    // Ends the program without asking again (the answers to the save-changes prompt allow it).
    void endProgram();

signals:
    // The user ended the program (File > Exit or the close box); positions are written.
    void ended();
    // Every change of the hint line.
    void hintChanged(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectCommands();
    // Moves the text control for the "Show Toolbar" tick the item now has.
    void applyToolbarTick(bool ticked);
    void placeTextControl(const QRectF &twips);
    QSizeF clientTwips() const;
    void onClientResized();
    void setCaptions(const char *itemPrefix, int count, const QString *captions);

    EditorContext &m_context;
    ClientArea *m_client = nullptr;
    std::unique_ptr<ToolbarStrip> m_toolbar;
    RichTextControl *m_text = nullptr;
    QRectF m_textTwips; // the text control's place in twips, kept exact between resizes
    StatusPanels *m_status = nullptr;
    QString m_hint;
    QPointer<PreferencesDialog> m_preferencesDialog;
    std::unique_ptr<RecentFiles> m_recent;
    DocumentController *m_document = nullptr;
    ColourCoding *m_colourCoding = nullptr;
    bool m_ending = false;
};
