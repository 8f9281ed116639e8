// Colouring the six colour words over a whole script: the "Whole script" command on a text
// control with the colours applied, the match finder alone, and, for comparison, the pass done
// position by position on the control (on a small script; its time per megabyte is reported).
// The scripts are generated in memory from typical Perl lines with the factory colour table.
//
//   bench_colouring [benchmark options...]
#include "app/editorstate.h"
#include "app/inisettingsstore.h"
#include "app/settings.h"
#include "document/richtextcontrol.h"
#include "editing/colourcoding.h"
#include "editing/colourmatcher.h"
#include "editing/colourtable.h"
#include "platform/prompts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>

namespace {

// A script of about `bytes` characters made of everyday Perl: variables, prints, subs, opens,
// comments, here-documents and the odd exit.
QString perlScript(int bytes)
{
    static const char *const lines[] = {
        "#!/usr/bin/perl -w",
        "use strict;",
        "# read the records and print a summary of each %1",
        "my $count%1 = 0;",
        "my @names%1 = qw(alpha beta gamma delta);",
        "my %seen%1 = ();",
        "sub handle_%1 {",
        "    my ($self, $record) = @_;",
        "    return unless defined $record->{name};",
        "    $seen%1{$record->{name}}++;",
        "    printf(\"%-20s %5d\\n\", $record->{name}, $record->{size});",
        "}",
        "open(my $in%1, '<', $file) or die \"cannot open $file: $!\";",
        "while (my $line = <$in%1>) {",
        "    chomp $line;",
        "    next if $line =~ /^\\s*#/;",
        "    my @fields = split /\\t/, $line;",
        "    print \"Field: $fields[0] of \" . scalar(@fields) . \"\\n\";",
        "    $count%1 += @fields;",
        "}",
        "close($in%1);",
        "opendir(my $dir, $path) || die;",
        "foreach my $entry (sort readdir $dir) { print STDERR \"$entry\\n\" if -f \"$path/$entry\"; }",
        "print <<\"END\";",
        "Total: $count%1 records, subroutine handle_%1 done",
        "END",
        "exit;",
        "",
    };
    constexpr int lineCount = int(sizeof lines / sizeof *lines);
    QString script;
    script.reserve(bytes + 200);
    for (int n = 0; script.size() < bytes; ++n) {
        const QString line = QString::fromLatin1(lines[n % lineCount]);
        script += line.contains(QLatin1String("%1")) ? line.arg(n / lineCount) : line;
        script += QLatin1String("\r\n");
    }
    return script;
}

const QString &scriptOf(int bytes)
{
    static std::map<int, QString> scripts;
    auto found = scripts.find(bytes);
    if (found == scripts.end())
        found = scripts.emplace(bytes, perlScript(bytes)).first;
    return found->second;
}

class NoPrompts : public Prompts {
public:
    QMessageBox::StandardButton message(const Message &) override { return QMessageBox::Ok; }
    std::optional<QString> openFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QColor> colour(const QColor &) override { return std::nullopt; }
    std::optional<QString> text(const QString &, const QString &, const QString &) override { return std::nullopt; }
};

// A main window stand-in with the script's text control and the colouring controller.
struct Editor {
    QTemporaryDir folder;
    IniSettingsStore store{folder.filePath(QStringLiteral("ondrel.ini"))};
    Settings settings{store};
    NoPrompts prompts;
    QWidget window;
    RichTextControl *text = new RichTextControl(&window);
    ColourTable colours = ColourTable::factory();
    EditorState state;
    ColourCoding coding{&window, *text, colours, settings, prompts, state};

    explicit Editor(const QString &script)
    {
        window.resize(1000, 700);
        text->resize(1000, 700);
        window.show();
        text->setText(script);
        QApplication::processEvents();
    }
};


void BM_WholeScriptApplied(benchmark::State &state)
{
    const int bytes = int(state.range(0));
    Editor editor(scriptOf(bytes));
    for (auto _ : state)
        editor.coding.colourWholeScript();
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    state.counters["runs"] = double(ColourMatcher::runs(scriptOf(bytes), 0, bytes, editor.colours).size());
}

void BM_Matcher(benchmark::State &state)
{
    const int bytes = int(state.range(0));
    const QString &script = scriptOf(bytes);
    const ColourTable table = ColourTable::factory();
    qsizetype runs = 0;
    for (auto _ : state) {
        const QVector<ColourMatcher::Run> found = ColourMatcher::runs(script, 0, int(script.size()), table);
        runs = found.size();
        benchmark::DoNotOptimize(found.constData());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    state.counters["runs"] = double(runs);
}

// The pass as described: per position a caret move and six selections, read and compared,
// plus a colour change per match, all on the control.
void BM_LiteralPassOnControl(benchmark::State &state)
{
    const int bytes = int(state.range(0));
    Editor editor(scriptOf(bytes));
    RichTextControl &text = *editor.text;
    const ColourTable table = ColourTable::factory();
    const int end = int(text.text().size());
    for (auto _ : state) {
        for (int i = 0; i <= end; ++i) {
            text.setSelStart(i);
            for (const ColourTable::Entry &entry : table.entries) {
                text.setSelLength(int(entry.word.size()));
                if (text.selText() == entry.word)
                    text.setSelColor(colourFromValue(entry.colour));
            }
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    // Seconds one megabyte would take at this speed.
    state.counters["s_per_MB"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate
                                                                     | benchmark::Counter::kInvert);
}

constexpr int OneMB = 1 << 20;

} // namespace

BENCHMARK(BM_WholeScriptApplied)->Arg(OneMB)->Arg(10 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Matcher)->Arg(OneMB)->Arg(10 * OneMB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralPassOnControl)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The offscreen platform warns each time the Working window is shown.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise")))
        std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(message));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
