// The search commands on the text control: Find Next through 10 MB to a match at the end, Replace
// All of 10,000 occurrences in 1 MB, and Highlight Sub across a 1 MB block. Beside each runs the
// position-by-position version on the control (three control calls per position) on a smaller
// text, to show what the string search saves.
//
//   bench_search [benchmark options...]
#include "app/editorstate.h"
#include "document/richtextcontrol.h"
#include "editing/findwindow.h"
#include "editing/searchcommands.h"
#include "platform/prompts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <memory>

namespace {

// Answers every message with OK and forgets it.
class SilentPrompts : public Prompts {
public:
    QMessageBox::StandardButton message(const Message &) override { return QMessageBox::Ok; }
    std::optional<QString> openFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QColor> colour(const QColor &) override { return std::nullopt; }
    std::optional<QString> text(const QString &, const QString &, const QString &) override { return std::nullopt; }
};

// Perl-like lines (braces balanced per line, CR LF) up to about `size` characters.
QString script(int size)
{
    static const char *const lines[] = {
        "    my $value = $hash{'key'} . \"some text\";\r\n",
        "    foreach my $item (@list) { print $item; }\r\n",
        "    # a comment with words in it\r\n",
        "    $count++ if ($count < 10);\r\n",
    };
    QString text;
    text.reserve(size + 64);
    for (int i = 0; text.size() < size; ++i)
        text += QLatin1String(lines[i % 4]);
    return text;
}

struct Editor {
    QWidget host;
    RichTextControl *text = new RichTextControl(&host);
    EditorState state;
    SilentPrompts prompts;
    SearchCommands commands{&host, *text, state, prompts, [](const QString &) {}};

    Editor(const QString &phrase, const QString &replacement, bool matchCase)
    {
        commands.openReplace();
        FindWindow *find = commands.findWindow();
        find->hide();
        find->findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(phrase);
        find->findChild<QLineEdit *>(QStringLiteral("Rewith"))->setText(replacement);
        find->findChild<QCheckBox *>(QStringLiteral("case"))->setChecked(matchCase);
    }
};

// ---- position-by-position references on the control ----

bool literalFind(RichTextControl &text, const QString &phrase, bool matchCase)
{
    const int end = int(text.text().size());
    for (int p = 0; p <= end; ++p) {
        text.setSelStart(p);
        text.setSelLength(int(phrase.size()));
        const QString window = text.selText();
        if (matchCase ? window == phrase : QLocale().toUpper(window) == QLocale().toUpper(phrase))
            return true;
    }
    return false;
}

void literalReplaceAll(RichTextControl &text, const QString &phrase, const QString &replacement)
{
    int end = int(text.text().size());
    for (int p = 0; p <= end;) {
        text.setSelStart(p);
        text.setSelLength(int(phrase.size()));
        if (text.selText() == phrase) {
            text.setSelText(replacement);
            end += int(replacement.size() - phrase.size());
            p += int(replacement.size());
        } else {
            ++p;
        }
    }
}

bool literalBraceWalk(RichTextControl &text)
{
    const int end = int(text.text().size());
    const int start = text.selStart();
    int depth = 0;
    for (int p = start + 1; p < end; ++p) {
        text.setSelStart(p);
        text.setSelLength(1);
        const QString c = text.selText();
        if (c == QLatin1String("{")) {
            ++depth;
        } else if (c == QLatin1String("}")) {
            if (depth == 0)
                return true;
            --depth;
        }
    }
    return false;
}

// ---- Find Next ----

void findNextToTheEnd(benchmark::State &state, int size, bool fast)
{
    const bool matchCase = state.range(0);
    const QString phrase = matchCase ? QStringLiteral("NeedleAtTheEnd") : QStringLiteral("needleATTHEend");
    Editor editor(phrase, QString(), matchCase);
    editor.text->setText(script(size) + QStringLiteral("NeedleAtTheEnd;"));
    for (auto _ : state) {
        editor.state.txtStart = QStringLiteral("0");
        if (fast)
            editor.commands.findNext();
        else
            benchmark::DoNotOptimize(literalFind(*editor.text, phrase, matchCase));
    }
    if (fast && editor.text->selLength() != 14)
        state.SkipWithError("wrong result");
    state.SetBytesProcessed(int64_t(state.iterations()) * size * 2);
}

void BM_FindNext_10MB(benchmark::State &state) { findNextToTheEnd(state, 10 << 20, true); }
void BM_FindNext_Literal_64KB(benchmark::State &state) { findNextToTheEnd(state, 64 << 10, false); }
BENCHMARK(BM_FindNext_10MB)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_Literal_64KB)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// ---- Replace All ----

void replaceAll(benchmark::State &state, int size, int occurrences, bool fast)
{
    // `occurrences` lines carry the phrase; the rest of the size is plain script.
    const QString line = QStringLiteral("    print $oldname;\r\n");
    QString text = script(size - occurrences * int(line.size()));
    QString withPhrase;
    withPhrase.reserve(size + 64);
    const int step = std::max<int>(1, int(text.size()) / occurrences);
    for (int i = 0; i < occurrences; ++i)
        withPhrase += text.mid(i * step, step) + line;
    withPhrase += text.mid(occurrences * step);
    Editor editor(QStringLiteral("$oldname"), QStringLiteral("$a_longer_new_name"), true);
    for (auto _ : state) {
        state.PauseTiming();
        editor.text->setText(withPhrase);
        editor.state.txtStart = QStringLiteral("0");
        state.ResumeTiming();
        if (fast)
            editor.commands.replaceAll();
        else
            literalReplaceAll(*editor.text, QStringLiteral("$oldname"), QStringLiteral("$a_longer_new_name"));
    }
    if (editor.text->text().count(QStringLiteral("$a_longer_new_name")) != occurrences)
        state.SkipWithError("wrong result");
}

void BM_ReplaceAll_10000_in_1MB(benchmark::State &state) { replaceAll(state, 1 << 20, 10000, true); }
void BM_ReplaceAll_Literal_640_in_64KB(benchmark::State &state) { replaceAll(state, 64 << 10, 640, false); }
BENCHMARK(BM_ReplaceAll_10000_in_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll_Literal_640_in_64KB)->Unit(benchmark::kMillisecond);

// ---- Highlight Sub ----

void highlightSub(benchmark::State &state, int size, bool fast)
{
    Editor editor(QString(), QString(), true);
    const QString block = QStringLiteral("sub big {\r\n") + script(size) + QStringLiteral("}\r\n");
    editor.text->setText(block);
    for (auto _ : state) {
        editor.text->setSelStart(8);
        if (fast)
            editor.commands.highlightSub();
        else
            benchmark::DoNotOptimize(literalBraceWalk(*editor.text));
    }
    if (fast && editor.text->selLength() != block.size() - 10)
        state.SkipWithError("wrong result");
}

void BM_HighlightSub_1MB(benchmark::State &state) { highlightSub(state, 1 << 20, true); }
void BM_HighlightSub_Literal_64KB(benchmark::State &state) { highlightSub(state, 64 << 10, false); }
BENCHMARK(BM_HighlightSub_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HighlightSub_Literal_64KB)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
