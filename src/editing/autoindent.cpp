#include "autoindent.h"

#include "app/editorstate.h"

#include <Qt>

namespace autoindent {

namespace {
void reset(EditorState &state)
{
    state.tabmark.clear();
    state.tabspace.clear();
    state.TabStat.clear();
}

bool isArrow(int keyCode)
{
    return keyCode >= Left && keyCode <= Down;
}
} // namespace

int keyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return Backspace;
    case Qt::Key_Tab: return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Enter;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return PageUp;
    case Qt::Key_PageDown: return PageDown;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    default: return 0;
    }
}

void keyDown(EditorState &state, int keyCode, bool autoIndentOn)
{
    if (keyCode == Space && autoIndentOn && state.TabGo != QLatin1String("NO"))
        state.tabspace += QLatin1Char('*');
}

QString keyUp(EditorState &state, int keyCode, bool autoIndentOn, bool backspaceEscapes)
{
    if (keyCode == Left)
        state.tabmark.clear();
    if (!autoIndentOn)
        return {};
    if (keyCode != Space && keyCode != Tab)
        state.TabGo = QStringLiteral("NO");
    QString indentation;
    if (keyCode == Enter) {
        state.TabStat = QStringLiteral("X");
        indentation = QString(state.tabmark.size(), QLatin1Char('\t')) + QString(state.tabspace.size(), QLatin1Char(' '));
        state.TabGo.clear();
    }
    if (isArrow(keyCode))
        reset(state);
    if (backspaceEscapes && keyCode == Backspace)
        reset(state);
    if (state.TabStat == QLatin1String("X") && keyCode == Tab)
        state.tabmark += QLatin1Char('*');
    return indentation;
}

} // namespace autoindent
