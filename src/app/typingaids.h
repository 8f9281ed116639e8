#pragma once

#include <QObject>

#include <functional>

class EditorContext;
class EditorWindow;
class QMenu;

// What happens around typing in the script: the line number in the status bar, the start
// mark at the caret, colouring on Space and Enter, auto-indent, the mouse's hint-line
// rules, and the right-button menu (mnuPopup1) with its enabling.
class TypingAids : public QObject {
    Q_OBJECT
public:
    // colourTyped: colours what was typed since the start mark (on Space and Enter).
    TypingAids(EditorWindow &window, EditorContext &context, QMenu &popup, std::function<void()> colourTyped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLine();
    int caret() const;
    void keyPressed(int keyCode, bool isCharacter);
    void keyReleased(int keyCode);
    void mousePressed(Qt::MouseButton button, const QPoint &globalPosition);
    void setPopupItem(const char *name, bool enabled);

    EditorWindow &m_window;
    EditorContext &m_context;
    QMenu &m_popup;
    std::function<void()> m_colourTyped;
};
