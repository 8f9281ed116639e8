#pragma once

#include "editing/colourtable.h"

#include <QRandomGenerator>
#include <QString>
#include <QVector>

#include <algorithm>

// The colouring pass done literally, position by position, on a plain model of the text control:
// the text and one colour value per position. Positions follow the control's rule: one between
// CR and LF or inside a surrogate pair stands for the position before it.
namespace oracle {

inline int caretAt(const QString &text, int position)
{
    position = std::clamp(position, 0, int(text.size()));
    if (position > 0 && position < text.size()) {
        const QChar before = text[position - 1];
        const QChar at = text[position];
        if ((before == '\r' && at == '\n') || (before.isHighSurrogate() && at.isLowSurrogate()))
            return position - 1;
    }
    return position;
}

struct Model {
    QString text;
    QVector<int> colours; // 0: black

    explicit Model(const QString &t = QString()) : text(t), colours(int(t.size()), 0) {}

    // Caret at start, selection of length, then the selection's colour set: what the control does.
    void colourSelection(int start, int length, int colour)
    {
        const int from = caretAt(text, start);
        const int to = caretAt(text, from + length);
        for (int p = from; p < to; ++p)
            colours[p] = colour;
    }
};

// For each position i from start to end: caret at i; for each entry in order: select the word's
// length, and if the selected text is the word, give the selection the entry's colour.
inline void literalPass(Model &model, int start, int end, const ColourTable &table)
{
    for (int i = start; i <= end; ++i) {
        const int caret = caretAt(model.text, i);
        for (const ColourTable::Entry &entry : table.entries) {
            const int selEnd = caretAt(model.text, caret + int(entry.word.size()));
            if (QStringView(model.text).mid(caret, selEnd - caret) == entry.word)
                model.colourSelection(caret, selEnd - caret, entry.colour);
        }
    }
}

// Random scripts and tables that make matches meet: the table's words, pieces of them, words
// that overlap each other, line ends, quotes, braces, non-ASCII and non-BMP characters.
class Generator {
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(m_random.bounded(quint32(n))); }

    ColourTable table()
    {
        static const QStringList words = {"print", "printf", "rint", "pr", "t;", "exit;", "sub", "s", "ub", "$",
                                          "$$", "@", "@$", "open", "op", "en", "", "{", "}", "'", "\"",
                                          "x\r\ny", "\r\n", "\r", "\n", "\xC3\xA9", "\xF0\x9F\x98\x80", "$x"};
        // Now and then the factory table with a few entries replaced.
        const bool factory = below(4) == 0;
        ColourTable table = factory ? ColourTable::factory() : ColourTable();
        for (ColourTable::Entry &entry : table.entries) {
            if (factory && below(3) != 0)
                continue;
            QString word = words[below(int(words.size()))];
            if (below(20) == 0)
                word = QString(QChar::highSurrogate(0x1F600)); // half of a character: never a match
            entry.word = word;
            entry.colour = int(m_random.bounded(quint32(0x1000000)));
        }
        return table;
    }

    QString script(const ColourTable &table)
    {
        static const QStringList pieces = {"print", "prin", "printf", "sub", "su", "exit", "exit;", "$", "$x",
                                           "@", "@a", "open", "opendir", " ", " ", "{", "}", "'", "\"", "\r\n",
                                           "\r\n", "x", ";", "\xC3\xA9", "\xF0\x9F\x98\x80", "\n", "\r"};
        QString text;
        const int count = below(40);
        for (int i = 0; i < count; ++i) {
            if (below(3) == 0) {
                const QString &word = table.entries[below(ColourTable::Size)].word;
                const int from = below(int(word.size()) + 1);
                text += below(2) ? word : word.mid(from, below(int(word.size()) - from + 1));
            } else {
                text += pieces[below(int(pieces.size()))];
            }
        }
        return text;
    }

private:
    QRandomGenerator m_random;
};

} // namespace oracle
