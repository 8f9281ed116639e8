#include "colourmatcher.h"

#include <QStringMatcher>

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

// The starts of one word's matches, ascending, that begin from `from` and fit before the end.
class WordHits {
public:
    WordHits(QStringView text, const QString &word, int from, int to)
        : m_text(text), m_word(word), m_length(int(word.size())), m_from(from)
    {
        if (m_length == 0 || m_length > text.size()) {
            m_last = -1;
            return;
        }
        m_last = std::min(to, int(text.size()) - m_length);
        // Searching only up to the last start's end keeps the search from running to the end.
        m_window = text.left(m_last + m_length);
        if (m_length > 1)
            m_matcher.setPattern(m_word);
    }

    // The next match start, or INT_MAX when there is none.
    int next()
    {
        while (m_from <= m_last) {
            const qsizetype found = m_length == 1 ? m_window.indexOf(m_word.front(), m_from)
                                                  : m_matcher.indexIn(m_window, m_from);
            if (found < 0)
                break;
            const int start = int(found);
            m_from = start + 1; // occurrences may overlap ("$$" in "$$$")
            if (ColourMatcher::isCaretPosition(m_text, start)
                && ColourMatcher::isCaretPosition(m_text, start + m_length))
                return start;
        }
        m_from = INT_MAX;
        return INT_MAX;
    }

    int length() const { return m_length; }

private:
    QStringView m_text;
    QStringView m_window;
    QString m_word;
    QStringMatcher m_matcher;
    int m_length;
    int m_from;
    int m_last = -1; // the last start a match may have
};

// Turns matches, fed in the order the pass applies them, into the runs the text shows. A match
// wins over all earlier ones where it overlaps them, and every later match starts at or after it,
// so the matches still reaching past the current start form a stack whose ends fall towards the
// top: the top is the latest and wins as long as it lasts.
class RunBuilder {
public:
    explicit RunBuilder(int from) : m_cursor(from) {}

    void add(int start, int end, int colour)
    {
        emitUpTo(start);
        while (!m_pending.empty() && m_pending.back().end <= end)
            m_pending.pop_back(); // hidden by the new match from here on
        m_pending.push_back(Pending{end, colour});
    }

    QVector<ColourMatcher::Run> finish()
    {
        emitUpTo(INT_MAX);
        return std::move(m_runs);
    }

private:
    struct Pending {
        int end;
        int colour;
    };

    void emitUpTo(int limit)
    {
        while (m_cursor < limit) {
            while (!m_pending.empty() && m_pending.back().end <= m_cursor)
                m_pending.pop_back();
            if (m_pending.empty()) {
                m_cursor = limit;
                return;
            }
            const int end = std::min(m_pending.back().end, limit);
            append(m_cursor, end, m_pending.back().colour);
            m_cursor = end;
        }
    }

    void append(int start, int end, int colour)
    {
        if (!m_runs.isEmpty()) {
            ColourMatcher::Run &last = m_runs.last();
            if (last.colour == colour && last.start + last.length == start) {
                last.length += end - start;
                return;
            }
        }
        m_runs.append(ColourMatcher::Run{start, end - start, colour});
    }

    int m_cursor;
    std::vector<Pending> m_pending;
    QVector<ColourMatcher::Run> m_runs;
};

} // namespace

namespace ColourMatcher {

bool isCaretPosition(QStringView text, int position)
{
    if (position <= 0 || position >= text.size())
        return true;
    const QChar before = text[position - 1];
    const QChar at = text[position];
    return !(before == QLatin1Char('\r') && at == QLatin1Char('\n'))
        && !(before.isHighSurrogate() && at.isLowSurrogate());
}

QVector<Run> runs(QStringView text, int from, int to, const ColourTable &table)
{
    const int size = int(text.size());
    from = std::clamp(from, 0, size);
    to = std::clamp(to, 0, size);
    if (from > to)
        return {};
    if (!isCaretPosition(text, from))
        --from; // the control puts a caret given there before the line end or the character

    std::array<WordHits, ColourTable::Size> hits{
        WordHits(text, table.entries[0].word, from, to), WordHits(text, table.entries[1].word, from, to),
        WordHits(text, table.entries[2].word, from, to), WordHits(text, table.entries[3].word, from, to),
        WordHits(text, table.entries[4].word, from, to), WordHits(text, table.entries[5].word, from, to)};
    std::array<int, ColourTable::Size> next;
    for (int k = 0; k < ColourTable::Size; ++k)
        next[k] = hits[k].next();

    // Matches in the order the pass applies them: by start, then by entry.
    RunBuilder builder(from);
    for (;;) {
        int k = 0;
        for (int j = 1; j < ColourTable::Size; ++j) {
            if (next[j] < next[k])
                k = j;
        }
        if (next[k] == INT_MAX)
            break;
        builder.add(next[k], next[k] + hits[k].length(), table.entries[k].colour);
        next[k] = hits[k].next();
    }
    return builder.finish();
}

} // namespace ColourMatcher
