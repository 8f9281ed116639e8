#pragma once

#include <QObject>
#include <QString>

struct ColourTable;
struct EditorState;
class ColourWindow;
class Prompts;
class QWidget;
class RichTextControl;
class Settings;
class WorkingWindow;

// Colouring of the six colour words in the script's text control: the whole script, the
// selection, and what was typed since the start mark (txtStart). It connects the main window's
// "&Whole script" (mnuColorCode), "&Selected Text" (mnucolorsel), "Color code selected"
// (mnuPSelColor, when the window has it) and "&Define Syntax Colors" (mnuDefColor) by name,
// and owns the FColors and Working windows.
class ColourCoding : public QObject {
    Q_OBJECT
public:
    static inline const QString WorkingCaption = QStringLiteral("Working... Color Coding Text");

    ColourCoding(QWidget *window, RichTextControl &text, ColourTable &colours, const Settings &settings,
                 Prompts &prompts, EditorState &state);

    // Colours the matches beginning from the start mark up to the caret, both included, with
    // the live table. Leaves the selection where the position-by-position pass would: at the
    // caret, as long as the sixth word (clipped at the end). A start mark that is not a whole
    // number of 0 or more colours nothing.
    void colourFromMark();

    // "&Whole script": on a text of 2 or more characters; the caret returns to where it was,
    // with nothing selected, and the start mark equals it.
    void colourWholeScript();
    // "&Selected Text" and the right-button menu's "Color code selected": with a selection on
    // a text of 2 or more characters; afterwards the caret is at the selection's start, which
    // is also the start mark.
    void colourSelection();
    // Colouring while typing (on the release of Space or Enter, when it is switched on): colours
    // what was typed since the start mark, puts the caret back, moves the start mark to it and
    // makes what is typed next black.
    void colourTyped();

    // "&Define Syntax Colors" and the preferences' "Define Colors": shows FColors, not modal.
    void showColourWindow();

    ColourWindow &colourWindow() const { return *m_colourWindow; }
    WorkingWindow &workingWindow() const { return *m_working; }

private:
    void pass(const QString &text); // text: the control's text, read once by the caller

    QWidget *m_window;
    RichTextControl &m_text;
    ColourTable &m_colours;
    EditorState &m_state;
    ColourWindow *m_colourWindow;
    WorkingWindow *m_working;
};
