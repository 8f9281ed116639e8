#include "textsearch.h"

#include <array>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

namespace TextSearch {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }
bool isSurrogate(char16_t c) { return c >= 0xD800 && c < 0xE000; }

// The locale's upper case of single code units, looked up once per unit. A unit is "simple"
// when its upper case is one code unit outside the surrogates; everything else (surrogates,
// 'ß' -> "SS", ligatures, ...) is "complex" and left to the exact test.
class UpperFold {
public:
    static constexpr int Complex = -1;

    explicit UpperFold(const QLocale &locale) : m_locale(locale) { m_table.fill(Unknown); }

    const QLocale &locale() const { return m_locale; }

    int operator()(char16_t unit)
    {
        const int known = m_table[unit];
        return known != Unknown ? known : learn(unit);
    }

private:
    static constexpr int Unknown = -2;

    int learn(char16_t unit)
    {
        int folded = Complex;
        if (!isSurrogate(unit)) {
            const QString upper = m_locale.toUpper(QString(QChar(unit)));
            if (upper.size() == 1 && !upper.at(0).isSurrogate())
                folded = upper.at(0).unicode();
        }
        m_table[unit] = folded;
        return folded;
    }

    QLocale m_locale;
    std::array<int, 0x10000> m_table;
};

// One table for the locale in use; rebuilt only when the locale changes.
UpperFold &foldFor(const QLocale &locale)
{
    static std::unique_ptr<UpperFold> fold;
    if (!fold || !(fold->locale() == locale))
        fold = std::make_unique<UpperFold>(locale);
    return *fold;
}

// First index i in [from, end - pattern.size()] where every folded unit equals the pattern's.
// Horspool's shifts, keyed on the low byte of the folded unit (collisions only shorten shifts).
int foldedIndexOf(QStringView text, int from, int end, QStringView pattern, UpperFold &fold)
{
    const int m = int(pattern.size());
    if (m == 0 || end - from < m)
        return -1;
    std::array<int, 256> shift;
    shift.fill(m);
    for (int j = 0; j < m - 1; ++j)
        shift[pattern[j].unicode() & 0xFF] = m - 1 - j;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.data());
    const char16_t *p = reinterpret_cast<const char16_t *>(pattern.data());
    const int lastUnit = p[m - 1];
    for (int i = from; i <= end - m;) {
        const int c = fold(s[i + m - 1]);
        if (c == lastUnit) {
            int j = 0;
            while (j < m - 1 && fold(s[i + j]) == p[j])
                ++j;
            if (j == m - 1)
                return i;
        }
        i += c < 0 ? m : shift[c & 0xFF];
    }
    return -1;
}

// The first unit from `from` on whose upper case is not a single simple unit; text.size() if none.
int nextComplex(QStringView text, int from, UpperFold &fold)
{
    const char16_t *s = reinterpret_cast<const char16_t *>(text.data());
    const int n = int(text.size());
    for (int i = from; i < n; ++i) {
        if (s[i] >= 0x80 && fold(s[i]) == UpperFold::Complex)
            return i;
    }
    return n;
}

} // namespace

int snap(QStringView text, int position)
{
    const int n = int(text.size());
    if (position <= 0)
        return 0;
    if (position >= n)
        return n;
    const char16_t before = text[position - 1].unicode();
    const char16_t at = text[position].unicode();
    if ((before == u'\r' && at == u'\n') || (isHighSurrogate(before) && isLowSurrogate(at)))
        return position - 1;
    return position;
}

PhraseMatcher::PhraseMatcher(const QString &phrase, bool matchCase, const QLocale &locale)
    : m_phrase(phrase), m_matchCase(matchCase), m_locale(locale), m_matcher(phrase, Qt::CaseSensitive)
{
    if (!m_matchCase) {
        m_upper = m_locale.toUpper(m_phrase);
        // Lithuanian and Greek upper-casing looks at neighbouring characters.
        m_contextFree = m_locale.language() != QLocale::Lithuanian && m_locale.language() != QLocale::Greek;
    }
}

std::optional<Match> PhraseMatcher::testAt(QStringView text, int position) const
{
    const int start = snap(text, position);
    const int end = snap(text, start + int(std::min<qsizetype>(m_phrase.size(), INT_MAX - start)));
    const QStringView window = text.mid(start, end - start);
    const bool equal = m_matchCase ? window == m_phrase : m_locale.toUpper(window.toString()) == m_upper;
    if (!equal)
        return std::nullopt;
    return Match{position, start, end - start};
}

std::optional<Match> PhraseMatcher::find(QStringView text, int from) const
{
    from = std::max(from, 0);
    if (from > text.size())
        return std::nullopt;
    // A scan position inside CR LF or a pair tests the window before it, which no search from
    // `from` onwards would look at.
    if (snap(text, from) != from) {
        if (auto match = testAt(text, from))
            return match;
        ++from;
    }
    if (m_phrase.isEmpty())
        return testAt(text, from);
    if (m_matchCase)
        return findExact(text, from);
    if (!m_contextFree || m_upper.size() < m_phrase.size())
        return findEveryPosition(text, from);
    return findFolded(text, from);
}

// Every window that equals the phrase is an occurrence of it; the test then rules out those
// that the control would cut at CR LF or inside a pair.
std::optional<Match> PhraseMatcher::findExact(QStringView text, int from) const
{
    for (qsizetype at = m_matcher.indexIn(text, from); at >= 0; at = m_matcher.indexIn(text, at + 1)) {
        if (auto match = testAt(text, int(at)))
            return match;
    }
    return std::nullopt;
}

// Without Match Case. Windows of simple units only are upper-cased unit by unit, so they match
// exactly where their folded units equal the upper-cased phrase (which then has the phrase's
// length). Windows that hold a complex unit are few; each gets the exact test.
std::optional<Match> PhraseMatcher::findFolded(QStringView text, int from) const
{
    UpperFold &fold = foldFor(m_locale);
    const int n = int(text.size());
    const int length = int(m_phrase.size());
    const bool foldable = m_upper.size() == m_phrase.size();
    for (int position = from; position <= n;) {
        const int complex = nextComplex(text, position, fold);
        if (foldable) {
            for (int at = foldedIndexOf(text, position, complex, m_upper, fold); at >= 0;
                 at = foldedIndexOf(text, at + 1, complex, m_upper, fold)) {
                if (auto match = testAt(text, at))
                    return match;
            }
        }
        if (complex == n)
            return std::nullopt;
        for (int at = std::max(position, complex - length + 1); at <= complex; ++at) {
            if (auto match = testAt(text, at))
                return match;
        }
        position = complex + 1;
    }
    return std::nullopt;
}

std::optional<Match> PhraseMatcher::findEveryPosition(QStringView text, int from) const
{
    for (int position = from; position <= text.size(); ++position) {
        if (auto match = testAt(text, position))
            return match;
    }
    return std::nullopt;
}

ReplaceAllPlan planReplaceAll(QStringView text, int from, const PhraseMatcher &matcher, int replacementLength)
{
    ReplaceAllPlan plan;
    const int n = int(text.size());
    from = std::max(from, 0);
    if (matcher.phrase().isEmpty() || from > n)
        return plan;
    // Positions are taken in the original text; `shift` is how far the replacements so far have
    // moved what follows them. The scan's end moves with the text, so in original positions it
    // stays at n.
    int shift = 0;
    int position = from;
    while (position <= n) {
        const std::optional<Match> match = matcher.find(text, position);
        if (!match) {
            plan.caret = n + shift; // the last test was at the end of the text
            break;
        }
        plan.edits.append(Edit{match->start + shift, match->length});
        plan.caret = match->start + shift + replacementLength;
        shift += replacementLength - match->length;
        // The next scan position is this one plus the replacement's length in the changed text.
        position = match->scanPosition + match->length;
    }
    return plan;
}

BraceBlock matchBrace(QStringView text, int selStart, int selLength)
{
    const int n = int(text.size());
    BraceBlock block;
    block.start = snap(text, selStart);
    block.length = selLength > 0 ? snap(text, block.start + selLength) - block.start
                                 : snap(text, block.start + 1) - block.start;
    if (block.length != 1 || text[block.start] != u'{')
        return block;

    const int start = block.start;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.data());
    int depth = 0;
    for (int i = start + 1; i < n; ++i) {
        if (s[i] == u'{') {
            ++depth;
        } else if (s[i] == u'}') {
            if (depth == 0)
                return BraceBlock{BraceBlock::Outcome::Found, start, i + 1 - start};
            --depth;
        }
    }
    return BraceBlock{BraceBlock::Outcome::NoMatchingBrace, n, 0};
}

std::optional<int> lineIndexFromTyped(const QString &typed)
{
    bool ok = false;
    const QString trimmed = typed.trimmed();
    double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    // Halves to the even neighbour: nearbyint in the default rounding mode.
    const double index = std::nearbyint(number - 1);
    if (index < INT_MIN || index > INT_MAX)
        return std::nullopt;
    return int(index);
}

} // namespace TextSearch
