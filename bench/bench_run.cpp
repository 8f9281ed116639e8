// Run from the menu command to the terminal process being started, for a 1 MB script: the
// whole text written to VMR.TMP, the command line mapped through programs.map and the mapped
// program started, detached, for real. The mapped program is `true`, so no terminal windows
// pile up; starting it is the same fork and exec a terminal costs the editor.
// The script is made at start by bench/genperl.pl (perl is needed).
//
//   bench_run [benchmark options...]
#include "document/richtextcontrol.h"
#include "execution/runcommands.h"
#include "platform/processlauncher.h"
#include "platform/prompts.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#ifndef VELMORA_BENCH_DIR
#error "VELMORA_BENCH_DIR must name the folder holding genperl.pl"
#endif

namespace {

// Answers nothing: no prompt is expected while running.
class NoPrompts : public Prompts {
public:
    int messages = 0;
    QMessageBox::StandardButton message(const Message &) override
    {
        ++messages;
        return QMessageBox::Ok;
    }
    std::optional<QString> openFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<QColor> colour(const QColor &) override { return std::nullopt; }
    std::optional<QString> text(const QString &, const QString &, const QString &) override { return std::nullopt; }
};

QByteArray g_script;

void BM_RunWholeScript(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    ProcessLauncher launcher(folder.path(), ProgramMap::parse(QStringLiteral("run.bat = true %*")));
    NoPrompts prompts;
    QMainWindow window;
    auto *run = new QAction(&window);
    run->setObjectName(QStringLiteral("mnuRun2"));
    auto *text = new RichTextControl(&window);
    text->setText(QString::fromUtf8(g_script));
    new RunCommands(&window, *text, launcher, prompts, {[] { return QString(); }, [](const QString &) {},
                                                        [](const QString &) {}});

    for (auto _ : state)
        run->trigger();

    const qint64 written = QFileInfo(folder.filePath(QStringLiteral("VMR.TMP"))).size();
    if (prompts.messages != 0 || written < g_script.size() * 9 / 10)
        state.SkipWithError("VMR.TMP was not written or the start failed");
    state.counters["VMR.TMP bytes"] = static_cast<double>(written);
    QDir::setCurrent(previous);
}
BENCHMARK(BM_RunWholeScript)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QProcess perl;
    perl.start(QStringLiteral("perl"), {QStringLiteral(VELMORA_BENCH_DIR "/genperl.pl"), QStringLiteral("1")});
    if (!perl.waitForFinished(60000) || perl.exitCode() != 0) {
        std::fprintf(stderr, "bench_run: perl genperl.pl failed: %s\n", qPrintable(perl.errorString()));
        return 1;
    }
    g_script = perl.readAllStandardOutput();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
