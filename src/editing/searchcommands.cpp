#include "searchcommands.h"

#include "app/editorstate.h"
#include "document/richtextcontrol.h"
#include "document/textfilecodec.h"
#include "gotowindow.h"
#include "platform/prompts.h"
#include "textsearch.h"

#include <QAction>
#include <QToolButton>
#include <QWidget>

namespace {
constexpr int HourglassPointer = 11;
constexpr int DefaultPointer = 0;
const QString SearchingFor = QStringLiteral("Searching for");

// The replacement as the control will hold it (line ends CR LF), so its length is the one
// inserted.
QString asInserted(const QString &replacement)
{
    if (!replacement.contains(QLatin1Char('\r')) && !replacement.contains(QLatin1Char('\n')))
        return replacement;
    return QString::fromUtf8(TextFileCodec::normaliseLineEnds(replacement.toUtf8()));
}
} // namespace

SearchCommands::SearchCommands(QWidget *window, RichTextControl &text, EditorState &state, Prompts &prompts,
                               std::function<void(const QString &)> setHint)
    : QObject(window), m_window(window), m_text(text), m_state(state), m_prompts(prompts),
      m_setHint(std::move(setHint))
{
    const std::pair<const char *, void (SearchCommands::*)()> items[] = {
        {"mnuFnd", &SearchCommands::openFind},        {"mnuAgain", &SearchCommands::findAgain},
        {"mnuRplc", &SearchCommands::openReplace},    {"mnuFindSub", &SearchCommands::highlightSub},
        {"mnuGotoL", &SearchCommands::openGoto},
    };
    for (const auto &[name, command] : items) {
        if (QAction *item = window->findChild<QAction *>(QLatin1String(name)))
            connect(item, &QAction::triggered, this, command);
    }
    const std::pair<const char *, void (SearchCommands::*)()> buttons[] = {
        {"Image14", &SearchCommands::openSearch},
        {"Image25", &SearchCommands::highlightSub},
        {"Image26", &SearchCommands::openGoto},
    };
    for (const auto &[name, command] : buttons) {
        if (auto *button = window->findChild<QToolButton *>(QLatin1String(name)))
            connect(button, &QToolButton::clicked, this, command);
    }
}

// ---- Find window ----

FindWindow &SearchCommands::ensureFindWindow()
{
    if (!m_find) {
        m_find = new FindWindow(m_window);
        connect(m_find, &FindWindow::findNextClicked, this, &SearchCommands::findNext);
        connect(m_find, &FindWindow::replaceNextClicked, this, &SearchCommands::replaceNext);
        connect(m_find, &FindWindow::replaceAllClicked, this, &SearchCommands::replaceAll);
    }
    return *m_find;
}

void SearchCommands::showFind(std::optional<FindWindow::Layout> layout)
{
    FindWindow &find = ensureFindWindow();
    if (layout)
        find.applyLayout(*layout);
    find.show();
    find.raise();
    find.activateWindow();
}

void SearchCommands::openFind()
{
    showFind(FindWindow::Layout::Find);
}

void SearchCommands::openReplace()
{
    showFind(FindWindow::Layout::Replace);
}

void SearchCommands::openSearch()
{
    showFind(std::nullopt);
}

int SearchCommands::startMark() const
{
    // The mark always holds a position the program wrote; anything else searches from the start.
    bool isNumber = false;
    const int mark = m_state.txtStart.trimmed().toInt(&isNumber);
    return isNumber ? std::max(mark, 0) : 0;
}

void SearchCommands::setStartMark(int position)
{
    m_state.txtStart = QString::number(position);
}

void SearchCommands::message(const QString &text)
{
    m_prompts.message({text, QStringLiteral("Velmora Editor")});
}

void SearchCommands::findNext()
{
    search(true, false);
}

void SearchCommands::replaceNext()
{
    search(true, true);
}

void SearchCommands::findAgain()
{
    // The fields are read even from a window never shown, as they stand (empty at first).
    ensureFindWindow();
    search(false, false);
}

void SearchCommands::search(bool fromWindow, bool replace)
{
    const FindWindow &find = ensureFindWindow();
    if (fromWindow) {
        if (find.entireFile())
            setStartMark(0);
        m_setHint(SearchingFor);
    }
    const QString text = m_text.text();
    const int start = startMark();
    const TextSearch::PhraseMatcher matcher(find.phrase(), find.matchCase());
    if (const std::optional<TextSearch::Match> match = matcher.find(text, start)) {
        m_text.setSelStart(match->start);
        m_text.setSelLength(match->length);
        if (replace) {
            const QString replacement = asInserted(find.replacement());
            m_text.setSelText(replacement);
            setStartMark(match->scanPosition + int(replacement.size()));
        } else {
            setStartMark(match->scanPosition + int(matcher.phrase().size()));
        }
        if (fromWindow)
            m_setHint(QString());
        return;
    }
    // A scan that ran tested the end of the text last and left the caret there.
    if (start <= text.size())
        m_text.setSelStart(int(text.size()));
    setStartMark(m_text.selStart());
    if (fromWindow)
        m_setHint(QString());
    message(QStringLiteral("Phrase Not Found"));
}

void SearchCommands::replaceAll()
{
    const FindWindow &find = ensureFindWindow();
    if (find.entireFile())
        setStartMark(0);
    m_setHint(SearchingFor);
    const QString replacement = asInserted(find.replacement());
    const TextSearch::PhraseMatcher matcher(find.phrase(), find.matchCase());
    const TextSearch::ReplaceAllPlan plan =
        TextSearch::planReplaceAll(m_text.text(), startMark(), matcher, int(replacement.size()));
    // The plan's edits follow one another (each start counts the replacements before it);
    // the control takes them as ranges of the text as it is now.
    QVector<RichTextControl::TextRange> ranges;
    ranges.reserve(plan.edits.size());
    int shift = 0;
    for (const TextSearch::Edit &edit : plan.edits) {
        ranges.append({edit.start - shift, edit.length});
        shift += int(replacement.size()) - edit.length;
    }
    m_text.replaceRanges(ranges, replacement);
    if (plan.caret >= 0)
        m_text.setSelStart(plan.caret);
    setStartMark(m_text.selStart());
    m_setHint(QString());
    message(QStringLiteral("Done Searching File"));
}

// ---- Highlight Sub ----

void SearchCommands::highlightSub()
{
    m_text.setMousePointer(HourglassPointer);
    m_setHint(QStringLiteral("Searching..."));
    walkBraces();
    m_text.setMousePointer(DefaultPointer);
}

void SearchCommands::highlightSubQuietly()
{
    walkBraces();
}

void SearchCommands::walkBraces()
{
    const TextSearch::BraceBlock block = TextSearch::matchBrace(m_text.text(), m_text.selStart(), m_text.selLength());
    m_text.setSelStart(block.start);
    m_text.setSelLength(block.length);
    switch (block.outcome) {
    case TextSearch::BraceBlock::Outcome::NoBraceSelected:
        message(QStringLiteral("There is no sub selected.  Highlight or put the cursor before any { and try again"));
        break;
    case TextSearch::BraceBlock::Outcome::NoMatchingBrace:
        message(QStringLiteral("No matching bracket!"));
        break;
    case TextSearch::BraceBlock::Outcome::Found:
        break;
    }
}

// ---- Goto Line ----

GotoWindow *SearchCommands::gotoWindow() const
{
    return m_goto;
}

void SearchCommands::openGoto()
{
    if (!m_goto) {
        m_goto = new GotoWindow(m_window);
        connect(m_goto, &GotoWindow::goToClicked, this, &SearchCommands::goToLine);
    }
    m_goto->show();
    m_goto->raise();
    m_goto->activateWindow();
}

void SearchCommands::goToLine()
{
    if (!m_goto)
        return;
    const std::optional<int> line = TextSearch::lineIndexFromTyped(m_goto->typedNumber());
    // Line index -1 is the control's way of naming the caret's own line.
    const int position = !line ? -1 : lineStart(*line == -1 ? m_text.getLineFromChar(m_text.selStart()) : *line);
    if (position < 0) {
        message(QStringLiteral("No such line number"));
        discardGoto();
        m_text.setFocus();
        return;
    }
    m_text.setSelStart(position);
    discardGoto();
}

void SearchCommands::discardGoto()
{
    GotoWindow *window = m_goto;
    m_goto = nullptr;
    window->hide();
    window->deleteLater();
}

int SearchCommands::lineStart(int line) const
{
    if (line < 0)
        return -1;
    const int end = int(m_text.text().size());
    if (m_text.getLineFromChar(end) < line)
        return -1;
    // Line numbers grow with the position (display lines too, while wrapping): the first
    // position on line `line` or after it.
    int low = 0;
    int high = end;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (m_text.getLineFromChar(middle) < line)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
