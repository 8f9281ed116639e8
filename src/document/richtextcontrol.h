#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QKeySequence>
#include <QString>

// The script's text control: a Scintilla editor with the contract of a rich edit control.
// Positions are UTF-16 indexes into text(), where every line break is CR LF and counts two.
// Colours are Scintilla styles; there is no lexer, colours come only from the program.
class RichTextControl : public QsciScintilla {
    Q_OBJECT
public:
    explicit RichTextControl(QWidget *parent = nullptr);

    QString text() const;
    // Replaces everything (line ends become CR LF), empties the undo history, caret at 0.
    void setText(const QString &text);

    int selStart() const;
    void setSelStart(int position); // empty selection there
    int selLength() const;
    void setSelLength(int length);  // after setSelStart, selects
    QString selText() const;
    // Replaces the selection (inserts at the caret when empty), caret after it, nothing selected.
    void setSelText(const QString &text);

    // Colour of the selection; with nothing selected, of what is inserted next.
    void setSelColor(const QColor &colour);
    QColor colourAt(int position) const;

    QString selFontName() const;
    void setSelFontName(const QString &name);
    int selFontSize() const;
    void setSelFontSize(int points);

    // The base font of the whole text.
    QFont baseFont() const;
    void setBaseFont(const QFont &font);

    // 0: wrap at the window edge; 999999: no wrapping.
    void setRightMargin(int twips);
    int rightMargin() const;

    // 0-based line of a position: the document line, or the display line while wrapping.
    int getLineFromChar(int position) const;

    struct LoadResult {
        bool ok = false;
        QString error; // the reason when not ok
    };
    // Replaces the whole content by the file's text (UTF-8, else Latin-1; LF or CR LF).
    LoadResult loadFile(const QString &path);

    // 11 shows the hourglass, 0 the normal pointer.
    void setMousePointer(int pointer);

    // Removes Scintilla's own bindings of these keys so the window's shortcuts win.
    void releaseKeys(const QList<QKeySequence> &keys);

signals:
    // Every change of the text: typing, pasting, and the program's own changes.
    void change();
};
