#include "colourcoding.h"

#include "app/editorstate.h"
#include "colourmatcher.h"
#include "colourwindow.h"
#include "document/richtextcontrol.h"
#include "workingwindow.h"

#include <QAction>
#include <QWidget>

namespace {
constexpr int MinimumLength = 2; // the commands leave shorter scripts alone
}

ColourCoding::ColourCoding(QWidget *window, RichTextControl &text, ColourTable &colours, const Settings &settings,
                           Prompts &prompts, EditorState &state)
    : QObject(window), m_window(window), m_text(text), m_colours(colours), m_state(state),
      m_colourWindow(new ColourWindow(colours, settings, prompts, window)),
      m_working(new WorkingWindow(window))
{
    const std::pair<const char *, void (ColourCoding::*)()> items[] = {
        {"mnuColorCode", &ColourCoding::colourWholeScript},
        {"mnucolorsel", &ColourCoding::colourSelection},
        {"mnuPSelColor", &ColourCoding::colourSelection},
        {"mnuDefColor", &ColourCoding::showColourWindow},
    };
    for (const auto &[name, command] : items) {
        if (auto *item = m_window->findChild<QAction *>(QLatin1String(name)))
            connect(item, &QAction::triggered, this, command);
    }
}

void ColourCoding::colourFromMark()
{
    pass(m_text.text());
}

void ColourCoding::pass(const QString &text)
{
    const int end = m_text.selStart();
    bool isNumber = false;
    const int start = m_state.txtStart.trimmed().toInt(&isNumber);
    // The pass would fail at its first step on a mark that is no position; it then stops silently.
    if (!isNumber || start < 0 || start > end)
        return;

    const QVector<ColourMatcher::Run> found = ColourMatcher::runs(text, start, end, m_colours);
    QVector<RichTextControl::ColourRun> runs;
    runs.reserve(found.size());
    for (const ColourMatcher::Run &run : found)
        runs.append(RichTextControl::ColourRun{run.start, run.length, colourFromValue(run.colour)});
    m_text.applyColourRuns(runs);

    // Where the last step of the position-by-position pass leaves the selection. Moving there
    // from the first position also drops an insertion colour, as the moving caret would.
    m_text.setSelStart(start);
    m_text.setSelStart(end);
    for (const ColourTable::Entry &entry : m_colours.entries)
        m_text.setSelLength(int(entry.word.size()));
}

void ColourCoding::colourWholeScript()
{
    const QString text = m_text.text();
    const int length = int(text.size());
    if (length < MinimumLength)
        return;
    const int caret = m_text.selStart();
    m_text.setSelStart(length);
    m_state.txtStart = QStringLiteral("0");
    m_working->showMessage(WorkingCaption);
    pass(text);
    m_state.txtStart = QString::number(caret);
    m_text.setSelStart(caret);
    m_working->hide();
}

void ColourCoding::colourSelection()
{
    const int selection = m_text.selLength();
    if (selection == 0)
        return;
    const QString text = m_text.text();
    if (text.size() < MinimumLength)
        return;
    const int start = m_text.selStart();
    m_state.txtStart = QString::number(start);
    m_text.setSelStart(start + selection);
    m_working->showMessage(WorkingCaption);
    pass(text);
    m_state.txtStart = QString::number(start);
    m_text.setSelStart(start);
    m_working->hide();
}

void ColourCoding::colourTyped()
{
    const int caret = m_text.selStart();
    colourFromMark();
    m_text.setSelStart(caret);
    m_state.txtStart = QString::number(m_text.selStart());
    m_text.setSelColor(Qt::black);
}

void ColourCoding::showColourWindow()
{
    m_colourWindow->showWindow();
}
