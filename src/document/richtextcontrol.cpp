#include "richtextcontrol.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

namespace {

constexpr int FirstReservedStyle = 32; // 32..39: Scintilla's own (default, line numbers, braces, ...)
constexpr int LastReservedStyle = 39;
constexpr int StyleCount = 256;
constexpr int WaitPointer = 11;

int utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

// Collects the text changes of one operation so that it raises one change(), not one per
// deletion and insertion. Scopes nest; each reports what happened inside it, so a program
// call made from within a key press still reports at once.
class RichTextControl::ChangeScope {
public:
    explicit ChangeScope(RichTextControl *control)
        : m_control(control), m_outerChanged(control->m_changed)
    {
        m_control->m_changed = false;
        ++m_control->m_changeDepth;
    }
    ~ChangeScope()
    {
        m_control->flushInsertedStyle();
        --m_control->m_changeDepth;
        const bool changed = m_control->m_changed;
        m_control->m_changed = m_outerChanged;
        if (changed)
            emit m_control->change();
    }
    ChangeScope(const ChangeScope &) = delete;
    ChangeScope &operator=(const ChangeScope &) = delete;

private:
    RichTextControl *m_control;
    bool m_outerChanged;
};

RichTextControl::RichTextControl(QWidget *parent)
    : QsciScintilla(parent)
{
    setUtf8(true);
    setEolMode(EolWindows);
    sci(SCI_SETPASTECONVERTENDINGS, 1);
    sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    for (int margin = 0; margin < 5; ++margin)
        sci(SCI_SETMARGINWIDTHN, margin, 0);
    sci(SCI_SETSCROLLWIDTH, 1);
    sci(SCI_SETSCROLLWIDTHTRACKING, 1);
    sci(SCI_SETWRAPMODE, SC_WRAP_NONE);
    // Only the notices before a change: QScintilla answers every notice after an insert or a
    // delete by counting the characters from the start of the text (for accessibility), which
    // makes each keystroke cost time in proportion to the script's length.
    sci(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);

    m_styles.append(StyleKey{qRgb(0, 0, 0), QString(), 0});
    setBaseFont(font());

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &RichTextControl::onModified);
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &RichTextControl::onStyleNeeded);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &RichTextControl::onUpdateUi);
}

long RichTextControl::sci(unsigned int message, unsigned long wParam, long lParam) const
{
    return SendScintilla(message, wParam, lParam);
}

// ---- positions ----

// Maps positions to bytes. It keeps the line it looked at last, so positions that follow one
// another on a line (the runs of a colouring pass) cost a short walk instead of a new lookup.
class RichTextControl::ByteMapper {
public:
    explicit ByteMapper(const RichTextControl &control) : m_control(control) {}

    long map(int position)
    {
        if (position <= 0)
            return 0;
        if (m_line < 0 || position < m_lineIndex || position >= m_nextIndex)
            loadLine(m_control.sci(SCI_LINEFROMINDEXPOSITION, position, SC_LINECHARACTERINDEX_UTF16));
        const long offset = position - m_lineIndex;
        const long lineBytes = m_lineEnd - m_lineStart;
        if (m_ascii)
            return m_lineStart + std::min(offset, lineBytes); // past the content: end of line
        if (offset < m_walkedUnits)
            m_walkedUnits = m_walkedBytes = 0;
        // A position inside a surrogate pair must not be handed to Scintilla (it would search
        // past the character); it means the position before the character.
        while (m_walkedBytes < lineBytes) {
            const int length = utf8Length(m_bytes[m_walkedBytes]);
            const int width = length == 4 ? 2 : 1;
            if (m_walkedUnits + width > offset)
                break;
            m_walkedUnits += width;
            m_walkedBytes += length;
        }
        return m_lineStart + std::min(m_walkedBytes, lineBytes);
    }

private:
    void loadLine(long line)
    {
        const RichTextControl &c = m_control;
        m_line = line;
        m_lineIndex = c.sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
        m_lineStart = c.sci(SCI_POSITIONFROMLINE, line);
        m_lineEnd = c.sci(SCI_GETLINEENDPOSITION, line);
        const long lineBytes = m_lineEnd - m_lineStart;
        if (line + 1 < c.sci(SCI_GETLINECOUNT)) {
            m_nextIndex = c.sci(SCI_INDEXPOSITIONFROMLINE, line + 1, SC_LINECHARACTERINDEX_UTF16);
            m_ascii = m_nextIndex - m_lineIndex == c.sci(SCI_POSITIONFROMLINE, line + 1) - m_lineStart;
        } else {
            m_nextIndex = LONG_MAX; // everything past the end belongs to the last line
            m_ascii = c.sci(SCI_COUNTCODEUNITS, m_lineStart, m_lineEnd) == lineBytes;
        }
        m_bytes = m_ascii ? nullptr
                          : reinterpret_cast<const unsigned char *>(c.sci(SCI_GETRANGEPOINTER, m_lineStart, lineBytes));
        m_walkedUnits = m_walkedBytes = 0;
    }

    const RichTextControl &m_control;
    long m_line = -1;
    long m_lineIndex = 0; // first position of the line
    long m_nextIndex = 0; // first position of the next line
    long m_lineStart = 0; // bytes
    long m_lineEnd = 0;   // bytes, before the line end
    bool m_ascii = false; // one byte per code unit
    const unsigned char *m_bytes = nullptr;
    long m_walkedUnits = 0; // a point of the line already walked to
    long m_walkedBytes = 0;
};

long RichTextControl::toByte(int position) const
{
    return ByteMapper(*this).map(position);
}

int RichTextControl::toPosition(long byte) const
{
    const long line = sci(SCI_LINEFROMPOSITION, byte);
    const long lineStart = sci(SCI_POSITIONFROMLINE, line);
    const long lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    return int(lineIndex + sci(SCI_COUNTCODEUNITS, lineStart, byte));
}

// ---- text ----

QString RichTextControl::text() const
{
    const long length = sci(SCI_GETLENGTH);
    const auto *bytes = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, length);
}

QByteArray RichTextControl::utf8Text() const
{
    const long length = sci(SCI_GETLENGTH);
    const auto *bytes = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QByteArray(bytes, length);
}

void RichTextControl::setText(const QString &text)
{
    replaceAll(TextFileCodec::normaliseLineEnds(text.toUtf8()));
}

void RichTextControl::replaceAll(const QByteArray &utf8)
{
    ChangeScope scope(this);
    m_insertionPosition = -1;
    // No undo record of the old or the new text: the history starts empty anyway, and a
    // 10 MB script would otherwise be copied into it.
    sci(SCI_SETUNDOCOLLECTION, 0);
    // Without modification events: the new text is all black anyway, and each event would
    // hand the whole text around once more (QScintilla copies it for accessibility).
    const long eventMask = sci(SCI_GETMODEVENTMASK);
    sci(SCI_SETMODEVENTMASK, 0);
    sci(SCI_CLEARALL);
    // APPENDTEXT takes a length, so a NUL byte in a file does not cut the text short.
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    sci(SCI_SETMODEVENTMASK, static_cast<unsigned long>(eventMask));
    sci(SCI_STARTSTYLING, sci(SCI_GETLENGTH), 0xFF);
    sci(SCI_SETUNDOCOLLECTION, 1);
    sci(SCI_EMPTYUNDOBUFFER);
    sci(SCI_SETSAVEPOINT);
    sci(SCI_GOTOPOS, 0);
    m_changed = true; // replacing the whole text is a change even when it was empty before
}

int RichTextControl::selStart() const
{
    return toPosition(sci(SCI_GETSELECTIONSTART));
}

void RichTextControl::setSelStart(int position)
{
    const long byte = toByte(position);
    sci(SCI_SETSEL, byte, byte);
    if (m_insertionPosition != byte)
        m_insertionPosition = -1;
}

int RichTextControl::selLength() const
{
    return toPosition(sci(SCI_GETSELECTIONEND)) - toPosition(sci(SCI_GETSELECTIONSTART));
}

void RichTextControl::setSelLength(int length)
{
    const long start = sci(SCI_GETSELECTIONSTART);
    const long end = toByte(toPosition(start) + std::max(length, 0));
    sci(SCI_SETSEL, start, end);
    if (end != start)
        m_insertionPosition = -1;
}

QString RichTextControl::selText() const
{
    const long start = sci(SCI_GETSELECTIONSTART);
    const long length = sci(SCI_GETSELECTIONEND) - start;
    if (length <= 0)
        return QString();
    const auto *bytes = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, start, length));
    return QString::fromUtf8(bytes, length);
}

void RichTextControl::setSelText(const QString &text)
{
    const QByteArray utf8 = TextFileCodec::normaliseLineEnds(text.toUtf8());
    const long start = sci(SCI_GETSELECTIONSTART);
    const long end = sci(SCI_GETSELECTIONEND);
    if (start == end && utf8.isEmpty())
        return;
    ChangeScope scope(this);
    sci(SCI_BEGINUNDOACTION);
    sci(SCI_SETTARGETRANGE, start, end);
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    sci(SCI_ENDUNDOACTION);
    const long caret = start + utf8.size();
    sci(SCI_SETSEL, caret, caret);
}

void RichTextControl::replaceRanges(const QVector<TextRange> &ranges, const QString &replacement)
{
    if (ranges.isEmpty())
        return;
    const QByteArray utf8 = TextFileCodec::normaliseLineEnds(replacement.toUtf8());
    // Map every range before changing anything, then replace from the last one backwards, so
    // the byte positions still to be used stay valid.
    QVector<QPair<long, long>> bytes;
    bytes.reserve(ranges.size());
    ByteMapper mapper(*this);
    for (const TextRange &range : ranges)
        bytes.append({mapper.map(range.start), mapper.map(range.start + range.length)});
    ChangeScope scope(this);
    sci(SCI_BEGINUNDOACTION);
    for (auto it = bytes.crbegin(); it != bytes.crend(); ++it) {
        sci(SCI_SETTARGETRANGE, it->first, it->second);
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    }
    sci(SCI_ENDUNDOACTION);
}

// ---- styles ----

int RichTextControl::styleAt(long byte) const
{
    return int(sci(SCI_GETSTYLEAT, byte) & 0xFF);
}

int RichTextControl::styleForInsertAt(long byte) const
{
    if (byte == m_insertionPosition)
        return m_insertionStyle;
    return byte > 0 ? styleAt(byte - 1) : 0;
}

int RichTextControl::styleFor(const StyleKey &key)
{
    for (int style = 0; style < m_styles.size(); ++style) {
        if (m_styles[style] == key)
            return style;
    }
    if (m_styles.size() == FirstReservedStyle) {
        // Placeholders for Scintilla's styles; their size never matches a real key.
        while (m_styles.size() <= LastReservedStyle)
            m_styles.append(StyleKey{0, QString(), -1});
    }
    if (m_styles.size() < StyleCount) {
        m_styles.append(key);
        configureStyle(int(m_styles.size() - 1));
        return int(m_styles.size() - 1);
    }
    // All styles in use: the nearest colour among those with the same font.
    int best = 0;
    int bestDistance = INT_MAX;
    for (int style = 0; style < m_styles.size(); ++style) {
        const StyleKey &candidate = m_styles[style];
        if (candidate.fontName != key.fontName || candidate.fontSize != key.fontSize)
            continue;
        const int distance = std::abs(qRed(candidate.colour) - qRed(key.colour))
            + std::abs(qGreen(candidate.colour) - qGreen(key.colour))
            + std::abs(qBlue(candidate.colour) - qBlue(key.colour));
        if (distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

void RichTextControl::configureStyle(int style)
{
    const StyleKey &key = m_styles[style];
    const QString family = key.fontName.isEmpty() ? m_baseFont.family() : key.fontName;
    const double points = key.fontSize > 0 ? key.fontSize
        : (m_baseFont.pointSizeF() > 0 ? m_baseFont.pointSizeF() : 10.0);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(style), QColor(key.colour));
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(style), QColor(Qt::white));
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(style), family.toUtf8().constData());
    sci(SCI_STYLESETSIZEFRACTIONAL, style, long(points * SC_FONT_SIZE_MULTIPLIER + 0.5));
    sci(SCI_STYLESETBOLD, style, m_baseFont.bold());
    sci(SCI_STYLESETITALIC, style, m_baseFont.italic());
}

QFont RichTextControl::baseFont() const
{
    return m_baseFont;
}

void RichTextControl::setBaseFont(const QFont &font)
{
    m_baseFont = font;
    // The default style carries the base font into everything Scintilla draws by itself
    // (and into new style numbers); each style in use then gets its colour and font back.
    const QString family = m_baseFont.family();
    const double points = m_baseFont.pointSizeF() > 0 ? m_baseFont.pointSizeF() : 10.0;
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), QColor(Qt::black));
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), QColor(Qt::white));
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(STYLE_DEFAULT), family.toUtf8().constData());
    sci(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, long(points * SC_FONT_SIZE_MULTIPLIER + 0.5));
    sci(SCI_STYLESETBOLD, STYLE_DEFAULT, m_baseFont.bold());
    sci(SCI_STYLESETITALIC, STYLE_DEFAULT, m_baseFont.italic());
    sci(SCI_STYLECLEARALL);
    for (int style = 0; style < m_styles.size(); ++style) {
        if (style < FirstReservedStyle || style > LastReservedStyle)
            configureStyle(style);
    }
}

template <typename Transform>
void RichTextControl::restyle(long from, long to, Transform transform)
{
    if (from >= to)
        return;
    const long length = to - from;
    QByteArray styled(2 * length + 2, Qt::Uninitialized);
    SendScintilla(SCI_GETSTYLEDTEXT, from, to, styled.data());
    QByteArray styles(length, Qt::Uninitialized);
    char *const out = styles.data();
    const char *const in = styled.constData();
    for (long i = 0; i < length; ++i)
        out[i] = char(transform(from + i, int(static_cast<unsigned char>(in[2 * i + 1]))));
    sci(SCI_STARTSTYLING, from, 0xFF);
    SendScintilla(SCI_SETSTYLINGEX, static_cast<uintptr_t>(length), styles.constData());
    sci(SCI_STARTSTYLING, sci(SCI_GETLENGTH), 0xFF);
}

template <typename Edit>
void RichTextControl::changeSelectionStyle(Edit edit)
{
    const long start = sci(SCI_GETSELECTIONSTART);
    const long end = sci(SCI_GETSELECTIONEND);
    if (start == end) {
        StyleKey key = m_styles[styleForInsertAt(start)];
        edit(key);
        m_insertionStyle = styleFor(key);
        m_insertionPosition = start;
        return;
    }
    std::array<int, StyleCount> mapped;
    mapped.fill(-1);
    restyle(start, end, [&](long, int old) {
        if (mapped[old] < 0) {
            StyleKey key = m_styles.value(old, m_styles[0]);
            edit(key);
            mapped[old] = styleFor(key);
        }
        return mapped[old];
    });
}

void RichTextControl::setSelColor(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    changeSelectionStyle([rgb](StyleKey &key) { key.colour = rgb; });
}

QColor RichTextControl::colourAt(int position) const
{
    return QColor(m_styles.value(styleAt(toByte(position)), m_styles[0]).colour);
}

QString RichTextControl::selFontName() const
{
    const long start = sci(SCI_GETSELECTIONSTART);
    const long end = sci(SCI_GETSELECTIONEND);
    const int style = start == end ? styleForInsertAt(start) : styleAt(start);
    const QString name = m_styles.value(style, m_styles[0]).fontName;
    return name.isEmpty() ? m_baseFont.family() : name;
}

void RichTextControl::setSelFontName(const QString &name)
{
    changeSelectionStyle([name](StyleKey &key) { key.fontName = name; });
}

int RichTextControl::selFontSize() const
{
    const long start = sci(SCI_GETSELECTIONSTART);
    const long end = sci(SCI_GETSELECTIONEND);
    const int style = start == end ? styleForInsertAt(start) : styleAt(start);
    const int size = m_styles.value(style, m_styles[0]).fontSize;
    if (size > 0)
        return size;
    return m_baseFont.pointSizeF() > 0 ? qRound(m_baseFont.pointSizeF()) : 10;
}

void RichTextControl::setSelFontSize(int points)
{
    changeSelectionStyle([points](StyleKey &key) { key.fontSize = std::max(points, 0); });
}

void RichTextControl::applyColourRuns(const QVector<ColourRun> &runs)
{
    struct ByteRun {
        long from;
        long to;
        QRgb colour;
    };
    QVector<ByteRun> byteRuns;
    byteRuns.reserve(runs.size());
    ByteMapper mapper(*this);
    long from = LONG_MAX;
    long to = 0;
    for (const ColourRun &run : runs) {
        if (run.length <= 0)
            continue;
        const long start = mapper.map(run.start);
        const long end = mapper.map(run.start + run.length);
        if (start >= end)
            continue;
        byteRuns.append(ByteRun{start, end, run.colour.rgb()});
        from = std::min(from, start);
        to = std::max(to, end);
    }
    if (byteRuns.isEmpty())
        return;

    // The new style of every byte of the touched range, later runs winning; bytes between runs
    // keep theirs. Each (old style, colour) pair is looked up once.
    QByteArray styled(2 * (to - from) + 2, Qt::Uninitialized);
    SendScintilla(SCI_GETSTYLEDTEXT, from, to, styled.data());
    QByteArray styleBytes(to - from, Qt::Uninitialized);
    char *const styles = styleBytes.data();
    for (long i = 0; i < to - from; ++i)
        styles[i] = styled.constData()[2 * i + 1];
    styled = QByteArray();
    QHash<QRgb, std::array<int, StyleCount>> mapped;
    for (const ByteRun &run : byteRuns) {
        auto found = mapped.find(run.colour);
        if (found == mapped.end()) {
            std::array<int, StyleCount> none;
            none.fill(-1);
            found = mapped.insert(run.colour, none);
        }
        std::array<int, StyleCount> &map = *found;
        for (long byte = run.from; byte < run.to; ++byte) {
            const int old = static_cast<unsigned char>(styles[byte - from]);
            if (map[old] < 0) {
                StyleKey key = m_styles.value(old, m_styles[0]);
                key.colour = run.colour;
                map[old] = styleFor(key);
            }
            styles[byte - from] = char(map[old]);
        }
    }
    sci(SCI_STARTSTYLING, from, 0xFF);
    SendScintilla(SCI_SETSTYLINGEX, static_cast<uintptr_t>(to - from), styleBytes.constData());
    sci(SCI_STARTSTYLING, sci(SCI_GETLENGTH), 0xFF);
}

// ---- notifications ----

void RichTextControl::onModified(int position, int type, const char *, int length, int, int, int, int, int, int)
{
    if (!(type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)))
        return;
    // The change before this one is complete now.
    flushInsertedStyle();
    if (type & SC_MOD_BEFOREINSERT) {
        // Scintilla inserts with style 0; the text gets the colour a rich edit control would
        // give it once it is in (the characters before it do not change meanwhile).
        const int style = styleForInsertAt(position);
        if (style != 0)
            m_pendingStyle = {position, length, style};
    }
    m_insertionPosition = -1;
    noteTextChange();
}

void RichTextControl::flushInsertedStyle()
{
    if (m_pendingStyle.length > 0) {
        sci(SCI_STARTSTYLING, m_pendingStyle.start, 0xFF);
        sci(SCI_SETSTYLING, m_pendingStyle.length, m_pendingStyle.style);
        m_pendingStyle = {};
    }
    // All styling is ours: mark everything styled, so no paint asks for it again.
    sci(SCI_STARTSTYLING, sci(SCI_GETLENGTH), 0xFF);
}

void RichTextControl::onStyleNeeded(int)
{
    sci(SCI_STARTSTYLING, sci(SCI_GETLENGTH), 0xFF);
}

void RichTextControl::onUpdateUi(int updated)
{
    if (m_pendingStyle.length > 0)
        flushInsertedStyle(); // a change made outside the control's own commands
    if (!(updated & SC_UPDATE_SELECTION) || m_insertionPosition < 0)
        return;
    const long start = sci(SCI_GETSELECTIONSTART);
    if (start != m_insertionPosition || sci(SCI_GETSELECTIONEND) != start)
        m_insertionPosition = -1;
}

void RichTextControl::noteTextChange()
{
    if (m_changeDepth > 0)
        m_changed = true;
    else
        emit change();
}

// ---- wrapping, lines ----

void RichTextControl::setRightMargin(int twips)
{
    m_rightMargin = twips;
    sci(SCI_SETWRAPMODE, twips == 0 ? SC_WRAP_WORD : SC_WRAP_NONE);
}

int RichTextControl::rightMargin() const
{
    return m_rightMargin;
}

int RichTextControl::getLineFromChar(int position) const
{
    const long byte = toByte(position);
    const long line = sci(SCI_LINEFROMPOSITION, byte);
    if (m_rightMargin != 0)
        return int(line);
    // Wraps every line not wrapped yet, so the display line count before this line is right.
    sci(SCI_ENSUREVISIBLE, line);
    const long display = sci(SCI_VISIBLEFROMDOCLINE, line);
    const long height = sci(SCI_TEXTHEIGHT, line);
    if (height <= 0)
        return int(display);
    const long lineTop = sci(SCI_POINTYFROMPOSITION, 0, sci(SCI_POSITIONFROMLINE, line));
    const long top = sci(SCI_POINTYFROMPOSITION, 0, byte);
    return int(display + (top - lineTop) / height);
}

// ---- files, pointer, keys ----

RichTextControl::LoadResult RichTextControl::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult{false, file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return LoadResult{false, file.errorString()};
    file.close();
    TextFileCodec::Decoded decoded = TextFileCodec::decode(bytes);
    bytes = QByteArray();
    replaceAll(decoded.utf8);
    m_fileFormat = decoded.format;
    return LoadResult{true, QString()};
}

void RichTextControl::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    sci(SCI_SETCURSOR, static_cast<unsigned long>(pointer == WaitPointer ? SC_CURSORWAIT : SC_CURSORNORMAL));
}

void RichTextControl::releaseKeys(const QList<QKeySequence> &keys)
{
    QsciCommandSet *commands = standardCommands();
    for (const QKeySequence &sequence : keys) {
        for (int i = 0; i < sequence.count(); ++i) {
            const int key = sequence[i].toCombined();
            while (QsciCommand *command = commands->boundTo(key)) {
                if (command->key() == key)
                    command->setKey(0);
                if (command->alternateKey() == key)
                    command->setAlternateKey(0);
            }
        }
    }
}

// ---- user editing: one change() per command or input event ----

void RichTextControl::undo()
{
    ChangeScope scope(this);
    QsciScintilla::undo();
}

void RichTextControl::redo()
{
    ChangeScope scope(this);
    QsciScintilla::redo();
}

void RichTextControl::cut()
{
    ChangeScope scope(this);
    QsciScintilla::cut();
}

void RichTextControl::paste()
{
    ChangeScope scope(this);
    QsciScintilla::paste();
}

void RichTextControl::clear()
{
    ChangeScope scope(this);
    QsciScintilla::clear();
}

void RichTextControl::removeSelectedText()
{
    ChangeScope scope(this);
    QsciScintilla::removeSelectedText();
}

void RichTextControl::keyPressEvent(QKeyEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::keyPressEvent(event);
}

void RichTextControl::inputMethodEvent(QInputMethodEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::inputMethodEvent(event);
}

void RichTextControl::dropEvent(QDropEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::dropEvent(event);
}

void RichTextControl::mousePressEvent(QMouseEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::mousePressEvent(event);
}

// Dragging text starts from a mouse move; moving it inside the control deletes the original there.
void RichTextControl::mouseMoveEvent(QMouseEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::mouseMoveEvent(event);
}

void RichTextControl::mouseReleaseEvent(QMouseEvent *event)
{
    ChangeScope scope(this);
    QsciScintilla::mouseReleaseEvent(event);
}
