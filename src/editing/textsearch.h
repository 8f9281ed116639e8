#pragma once

#include <QLocale>
#include <QString>
#include <QStringMatcher>
#include <QStringView>
#include <QVector>

#include <optional>

// The search logic of the editor on a plain string, positioned as the text control positions:
// UTF-16 indexes with CR LF counting two. It gives the same selections the control would give
// when every position is tested by selecting there, but finds matches with fast string search.
namespace TextSearch {

// A position as the control takes it for a caret: clamped to the text, and a position inside
// CR LF or inside a surrogate pair moves back before it.
int snap(QStringView text, int position);

// Where the match test at a scan position left the selection.
struct Match {
    int scanPosition = 0; // the position tested (the start mark's arithmetic uses it)
    int start = 0;        // the selection: the window the control selected there
    int length = 0;
};

// Tests positions for a phrase: a window of the phrase's length (clipped by the control at the
// end of the text and at CR LF) equals the phrase exactly, or, without Match Case, the locale's
// upper case of both is equal. Upper-casing may lengthen text ('ß' gives "SS"), so windows are
// always taken in the original text and only their upper-cased forms are compared.
class PhraseMatcher {
public:
    PhraseMatcher(const QString &phrase, bool matchCase, const QLocale &locale = QLocale());

    const QString &phrase() const { return m_phrase; }

    // The match test at one scan position.
    std::optional<Match> testAt(QStringView text, int position) const;
    // The first scan position from `from` up to the end of the text (included) whose test
    // succeeds. Nothing when from is past the end.
    std::optional<Match> find(QStringView text, int from) const;

private:
    std::optional<Match> findExact(QStringView text, int from) const;
    std::optional<Match> findFolded(QStringView text, int from) const;
    std::optional<Match> findEveryPosition(QStringView text, int from) const;

    QString m_phrase;
    bool m_matchCase;
    QLocale m_locale;
    QString m_upper;           // the phrase upper-cased (without Match Case)
    QStringMatcher m_matcher;  // the phrase, for Match Case
    bool m_contextFree = true; // the locale upper-cases character by character
};

// One replacement of Replace All: the range it replaces in the text as it stands by then
// (after the replacements before it).
struct Edit {
    int start = 0;
    int length = 0;
};

struct ReplaceAllPlan {
    QVector<Edit> edits;
    int caret = -1; // where the last step leaves the caret; -1: nothing was scanned, it stays
};

// Replace All from scan position `from`: each match is replaced by a text of replacementLength
// and the scan goes on right after the inserted text, which is never searched again. The scan
// runs to the end of the text as it grows or shrinks. An empty phrase replaces nothing.
ReplaceAllPlan planReplaceAll(QStringView text, int from, const PhraseMatcher &matcher, int replacementLength);

// Highlight Sub: the block from the "{" at the selection (or at the caret) to its matching "}".
// Every brace counts, also inside quotes, comments and patterns.
struct BraceBlock {
    enum class Outcome { NoBraceSelected, NoMatchingBrace, Found };
    Outcome outcome = Outcome::NoBraceSelected;
    int start = 0; // the selection left behind
    int length = 0;
};
BraceBlock matchBrace(QStringView text, int selStart, int selLength);

// Goto Line: the 0-based line index for a typed 1-based line number (number - 1, rounded to the
// nearest integer, halves to the even one). Nothing when the text is no finite number in range.
std::optional<int> lineIndexFromTyped(const QString &typed);

} // namespace TextSearch
