#pragma once

#include <QString>

struct EditorState;

// Auto-indent: counts the Tab keys and leading spaces typed since the last Enter into the
// editor's state fields (tabmark, tabspace, TabStat, TabGo) and gives the indentation to put
// after each Enter. Keys are the classic key codes (see keyCodeOf).
namespace autoindent {

enum KeyCode {
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
};

// The classic key code of a Qt key, or 0 for keys that play no part here.
int keyCodeOf(int qtKey);

// Key down: a Space is counted while counting is open.
void keyDown(EditorState &state, int keyCode, bool autoIndentOn);

// Key up, the auto-indent steps: returns the indentation to insert at the caret ("" for none).
QString keyUp(EditorState &state, int keyCode, bool autoIndentOn, bool backspaceEscapes);

} // namespace autoindent
