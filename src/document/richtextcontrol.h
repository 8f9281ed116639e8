#pragma once

#include "textfilecodec.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QVector>

// The script's text control: a Scintilla editor with the contract of a rich edit control.
// Positions are UTF-16 indexes into text(), where every line break is CR LF and counts two.
// A position between CR and LF, or inside a character outside the BMP, means the position before
// that line end or character; positions past the end mean the end.
// Colours are Scintilla styles; there is no lexer, colours come only from the program.
class RichTextControl : public QsciScintilla {
    Q_OBJECT
public:
    explicit RichTextControl(QWidget *parent = nullptr);

    using QsciScintilla::text;
    QString text() const;
    // The whole text as it is held: UTF-8 with CR LF line ends.
    QByteArray utf8Text() const;
    // Replaces everything, empties the undo history, caret at 0, all black. Lone LFs and lone CRs
    // become CR LF, so text the program builds with "\n" counts two per line break like any other.
    void setText(const QString &text) override;

    int selStart() const;
    void setSelStart(int position); // empty selection there
    int selLength() const;
    void setSelLength(int length);  // after setSelStart, selects
    QString selText() const;
    // Replaces the selection (inserts at the caret when empty), caret after it, nothing selected.
    // Line ends become CR LF as in setText. Replacing nothing by nothing is no change.
    void setSelText(const QString &text);

    // Colour of the selection; with nothing selected, of what is inserted next at the caret.
    void setSelColor(const QColor &colour);
    QColor colourAt(int position) const;

    // Font of the selection's first character, or of what is inserted next at the caret.
    // An empty name or size 0 given to the setters means the base font's.
    QString selFontName() const;
    void setSelFontName(const QString &name);
    int selFontSize() const;
    void setSelFontSize(int points);

    // The base font of the whole text; characters without a font of their own follow it.
    QFont baseFont() const;
    void setBaseFont(const QFont &font);

    // 0: wrap at the window edge; any other value (999999 in use): no wrapping.
    void setRightMargin(int twips);
    int rightMargin() const;

    // 0-based line of a position: the document line, or the display line while wrapping.
    int getLineFromChar(int position) const;

    // Colours many ranges in one styling call over the range they touch; fonts stay.
    struct ColourRun {
        int start = 0;  // a position as above
        int length = 0;
        QColor colour;
    };
    void applyColourRuns(const QVector<ColourRun> &runs);

    // Replaces each range by the same text, as one change and one undo step. The ranges are
    // positions of the current text, ascending and not overlapping. The selection is left alone.
    struct TextRange {
        int start = 0;
        int length = 0;
    };
    void replaceRanges(const QVector<TextRange> &ranges, const QString &replacement);

    struct LoadResult {
        bool ok = false;
        QString error; // the reason when not ok
    };
    // Replaces the whole content by the file's text (UTF-8, else Latin-1; LF or CR LF), as setText
    // does, and remembers the file's format. A file that cannot be read leaves everything as it was.
    LoadResult loadFile(const QString &path);
    // The format of the file last loaded (UTF-8 with LF until one is).
    TextFileFormat fileFormat() const { return m_fileFormat; }
    void setFileFormat(TextFileFormat format) { m_fileFormat = format; }

    // 11 shows the hourglass, 0 the normal pointer.
    void setMousePointer(int pointer);
    int mousePointer() const { return m_mousePointer; }

    // Removes Scintilla's own bindings of these keys so the window's shortcuts win.
    void releaseKeys(const QList<QKeySequence> &keys);

public slots:
    // The editing commands, each reported by one change().
    void undo() override;
    void redo() override;
    void cut() override;
    void paste() override;
    void clear() override;
    void removeSelectedText() override;

signals:
    // Every change of the text: typing, pasting, and the program's own changes; one per operation
    // or input event. setText and a successful loadFile raise exactly one, even for the same text.
    void change();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    class ChangeScope;
    class ByteMapper;
    struct StyleKey {
        QRgb colour = 0;
        QString fontName; // empty: the base font's
        int fontSize = 0; // 0: the base font's
        bool operator==(const StyleKey &other) const
        {
            return colour == other.colour && fontName == other.fontName && fontSize == other.fontSize;
        }
    };

    long sci(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    long toByte(int position) const;
    int toPosition(long byte) const;
    int styleAt(long byte) const;
    int styleForInsertAt(long byte) const;
    int styleFor(const StyleKey &key);
    void configureStyle(int style);
    template <typename Transform>
    void restyle(long from, long to, Transform transform);
    template <typename Edit>
    void changeSelectionStyle(Edit edit);
    void replaceAll(const QByteArray &utf8);
    void noteTextChange();
    void forgetInsertionStyleUnlessAt(long byte);

    void onModified(int position, int type, const char *text, int length, int linesAdded, int line,
                    int foldNow, int foldPrev, int token, int annotationLinesAdded);
    void onStyleNeeded(int position);
    void onUpdateUi(int updated);

    QFont m_baseFont;
    QVector<StyleKey> m_styles; // index: Scintilla style number in use
    long m_insertionPosition = -1; // where m_insertionStyle applies, -1: nowhere
    // The colour an insertion under way is to get, applied once the text is in.
    struct PendingStyle {
        long start = 0;
        int length = 0;
        int style = 0;
    } m_pendingStyle;
    void flushInsertedStyle();
    int m_insertionStyle = 0;
    int m_rightMargin = 999999;
    int m_mousePointer = 0;
    TextFileFormat m_fileFormat;
    int m_changeDepth = 0;
    bool m_changed = false;
};
