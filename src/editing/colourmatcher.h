#pragma once

#include "colourtable.h"

#include <QColor>
#include <QString>
#include <QStringView>
#include <QVector>

// Finds what a colouring pass colours: every occurrence of the six colour words that begins at
// a position of a range, as the colour runs the text shows afterwards. Matches are plain,
// case-sensitive substrings; where matches overlap the later one wins (later start, and at one
// start the higher entry). Characters no match covers get no run: a pass never returns text to
// black. Positions are QString indexes with CR LF counting two, as in the text control.
namespace ColourMatcher {

struct Run {
    int start = 0;
    int length = 0;
    int colour = 0; // red + 256 green + 65536 blue
    bool operator==(const Run &other) const
    {
        return start == other.start && length == other.length && colour == other.colour;
    }
};

// The runs, ascending and not overlapping, for the matches beginning at from..to (both included).
// A word must fit wholly before the end of the text; an empty word matches nothing. As in the text
// control, a position between CR and LF or inside a surrogate pair stands for the position before
// it, so a match neither begins nor ends there; from is taken back to such a position's start.
// Positions outside the text are clamped to it; from > to gives nothing.
QVector<Run> runs(QStringView text, int from, int to, const ColourTable &table);

// Whether a position is one the text control can put its caret on.
bool isCaretPosition(QStringView text, int position);

} // namespace ColourMatcher

// Colour values are 24-bit numbers with red in the low byte.
inline QColor colourFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int valueFromColour(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}
