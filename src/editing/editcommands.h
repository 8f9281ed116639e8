#pragma once

#include <QObject>
#include <QString>

class Clipboard;
class QAction;
class QMenu;
class QWidget;
class RichTextControl;

// The main window's view and edit commands: font name, font size, wrapping, undo, cut, copy,
// paste and select all on the script's text control. It connects the window's menu items and
// toolbar images by object name; the public methods serve other entry points (right-button
// menu, palettes), which run the same steps without the Edit menu's enabling.
class EditCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int FontSizeCount = 7;  // items "8" to "14"
    static constexpr int NoWrapMargin = 999999;

    EditCommands(QWidget *window, RichTextControl &text, Clipboard &clipboard);

    // Undoes the last change of the window's focused text box (the script's text control when
    // nothing else has focus); beeps when the focus is on something that is no text box.
    void undo();
    // Cut and copy empty the clipboard first, so with nothing selected it is left empty.
    void cut();
    void copy();
    // Replaces the selection by the clipboard's text; an empty clipboard deletes the selection.
    void paste();
    void selectAll();

    // Font size item k (0 to 6): 8 + k points, only item k ticked, the submenu caption shows
    // the size, and wrapping goes off.
    void chooseFontSize(int k);
    // Changes the family of the whole text; size and colours stay.
    void setFontName(const QString &family);
    void setWrap(bool on);

    // Enables Cut and Copy only with a selection; Undo, Paste and Select All always.
    void updateEditMenu();

private:
    QAction *action(const QString &name) const;
    void connectAction(const QString &name, void (EditCommands::*command)());
    void connectButton(const QString &name, void (EditCommands::*command)());
    void setEnabled(const QString &name, bool enabled);

    QWidget *m_window;
    RichTextControl &m_text;
    Clipboard &m_clipboard;
    QMenu *m_fontSizesMenu = nullptr;
};
