#pragma once

#include "findwindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class GotoWindow;
class Prompts;
class QWidget;
class RichTextControl;
struct EditorState;

// The search and navigation commands on the script: Find, Find Again, Replace Next, Replace All
// (through the Find window), Highlight Sub and Goto Line (through frmGoto). It connects the main
// window's menu items and toolbar images by object name; the public methods serve the other
// entry points (right-button menu, tool palettes).
class SearchCommands : public QObject {
    Q_OBJECT
public:
    // setHint writes the hint line.
    SearchCommands(QWidget *window, RichTextControl &text, EditorState &state, Prompts &prompts,
                   std::function<void(const QString &)> setHint);

    // Show the Find window: in the find layout, in the replace layout, or as it was last laid out.
    void openFind();
    void openReplace();
    void openSearch();
    // F3: the last search again with the Find window's fields, without showing it.
    void findAgain();

    // The Find window's buttons.
    void findNext();
    void replaceNext();
    void replaceAll();

    // Selects the brace block at the caret, with the hourglass pointer and the hint line.
    void highlightSub();
    // The same walk without pointer and hint line (the program palette's button).
    void highlightSubQuietly();

    // Shows frmGoto (a new one after the last was used); its button runs goToLine().
    void openGoto();
    void goToLine();

    // The windows while they exist (null before first use; frmGoto also after each goto).
    FindWindow *findWindow() const { return m_find; }
    GotoWindow *gotoWindow() const;

private:
    FindWindow &ensureFindWindow();
    void showFind(std::optional<FindWindow::Layout> layout);
    // Find Next and Replace Next; fromWindow adds the window's steps (entire file, hint line).
    void search(bool fromWindow, bool replace);
    int startMark() const;
    void setStartMark(int position);
    void message(const QString &text);
    void walkBraces();
    // The first position of line n as the control counts lines; -1 when there is no line n.
    int lineStart(int line) const;
    void discardGoto();

    QWidget *m_window;
    RichTextControl &m_text;
    EditorState &m_state;
    Prompts &m_prompts;
    std::function<void(const QString &)> m_setHint;
    QPointer<FindWindow> m_find;
    QPointer<GotoWindow> m_goto;
};
