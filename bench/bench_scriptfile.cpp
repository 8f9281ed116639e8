// Opening and saving a large script, in process: loading it into the text control until the
// control has nothing left to do, writing it back to disk, and the byte conversions alone.
// The script is made at start by bench/genperl.pl (perl is needed); see bench/README.md.
//
//   bench_scriptfile [--script-mb N] [--keep-scripts] [benchmark options...]
//
// --script-mb N     size of the generated scripts in megabytes (default 10, fractions allowed)
// --keep-scripts    leave the temporary folder with the scripts in place and print its path
#include "document/richtextcontrol.h"
#include "document/scriptfile.h"
#include "document/textfilecodec.h"

#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#ifndef VELMORA_BENCH_DIR
#error "VELMORA_BENCH_DIR must name the folder holding genperl.pl"
#endif

namespace {

struct Script {
    QString name;     // "lf" or "crlf"
    QString path;     // the generated file
    QByteArray bytes; // its content
};

QString g_folder;
std::vector<Script> g_scripts;

bool generate(const QString &path, const QString &megabytes, bool crlf)
{
    QStringList arguments{QStringLiteral(VELMORA_BENCH_DIR "/genperl.pl")};
    if (crlf)
        arguments << QStringLiteral("--crlf");
    arguments << megabytes;
    QProcess perl;
    perl.setStandardOutputFile(path);
    perl.start(QStringLiteral("perl"), arguments);
    if (!perl.waitForFinished(120000) || perl.exitStatus() != QProcess::NormalExit || perl.exitCode() != 0) {
        std::fprintf(stderr, "bench_scriptfile: perl genperl.pl failed: %s %s\n", qPrintable(perl.errorString()),
                     perl.readAllStandardError().constData());
        return false;
    }
    return true;
}

// Runs the event loop until a pass over it finds nothing to do: posted events, paints, and the
// zero-interval timers through which the text control does its deferred work.
void processUntilIdle()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QElapsedTimer limit;
    limit.start();
    for (;;) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            break;
        if (limit.elapsed() > 120000) {
            std::fprintf(stderr, "bench_scriptfile: the event loop did not come to rest within 120 s\n");
            std::abort();
        }
    }
}

std::unique_ptr<RichTextControl> shownControl(bool wrapping)
{
    auto control = std::make_unique<RichTextControl>();
    control->resize(1000, 700);
    control->setRightMargin(wrapping ? 0 : 999999);
    control->show();
    processUntilIdle();
    return control;
}

void countBytes(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["MB"] = double(bytes) / (1024 * 1024);
}

// loadFile into a fresh, shown control, then the event loop until idle. Making the control and
// throwing it away are not timed.
void loadScript(benchmark::State &state, const Script &script, bool wrapping)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<RichTextControl> control = shownControl(wrapping);
        state.ResumeTiming();

        const RichTextControl::LoadResult result = control->loadFile(script.path);
        processUntilIdle();

        state.PauseTiming();
        if (!result.ok) {
            state.SkipWithError(qPrintable(QStringLiteral("loadFile failed: ") + result.error));
            break;
        }
        control.reset();
        processUntilIdle();
        state.ResumeTiming();
    }
    countBytes(state, script.bytes.size());
}

// What saving does: the control's text, then writeScriptFile in the format the file came in.
void saveScript(benchmark::State &state, const Script &script)
{
    std::unique_ptr<RichTextControl> control = shownControl(false);
    if (!control->loadFile(script.path).ok) {
        state.SkipWithError("loadFile failed");
        return;
    }
    processUntilIdle();
    const QString target = g_folder + QStringLiteral("/saved-") + script.name + QStringLiteral(".pl");
    for (auto _ : state) {
        const ScriptWriteResult result = writeScriptFile(target, control->utf8Text(), control->fileFormat());
        if (!result.ok) {
            state.SkipWithError(qPrintable(QStringLiteral("writeScriptFile failed: ") + result.error));
            break;
        }
    }
    QFile saved(target);
    if (saved.open(QIODevice::ReadOnly) && saved.readAll() != script.bytes)
        state.SkipWithError("the saved file differs from the one loaded");
    countBytes(state, script.bytes.size());
}

void decodeScript(benchmark::State &state, const Script &script)
{
    for (auto _ : state) {
        TextFileCodec::Decoded decoded = TextFileCodec::decode(script.bytes);
        benchmark::DoNotOptimize(decoded.utf8.constData());
    }
    countBytes(state, script.bytes.size());
}

void encodeScript(benchmark::State &state, const Script &script)
{
    const TextFileCodec::Decoded decoded = TextFileCodec::decode(script.bytes);
    for (auto _ : state) {
        TextFileCodec::Encoded encoded = TextFileCodec::encode(decoded.utf8, decoded.format);
        benchmark::DoNotOptimize(encoded.bytes.constData());
    }
    countBytes(state, script.bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // Our own options come out of argv before the benchmark library sees it.
    QString megabytes = QStringLiteral("10");
    bool keep = false;
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--script-mb") == 0 && i + 1 < argc)
            megabytes = QString::fromLocal8Bit(argv[++i]);
        else if (std::strncmp(argv[i], "--script-mb=", 12) == 0)
            megabytes = QString::fromLocal8Bit(argv[i] + 12);
        else if (std::strcmp(argv[i], "--keep-scripts") == 0)
            keep = true;
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    rest.push_back(nullptr);

    QApplication app(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 1;

    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velmora-bench-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_scriptfile: no temporary folder: %s\n", qPrintable(folder.errorString()));
        return 1;
    }
    folder.setAutoRemove(!keep);
    g_folder = folder.path();
    for (const bool crlf : {false, true}) {
        Script script;
        script.name = crlf ? QStringLiteral("crlf") : QStringLiteral("lf");
        script.path = g_folder + QStringLiteral("/big-") + script.name + QStringLiteral(".pl");
        if (!generate(script.path, megabytes, crlf))
            return 1;
        QFile file(script.path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        script.bytes = file.readAll();
        g_scripts.push_back(std::move(script));
    }
    if (keep)
        std::fprintf(stderr, "bench_scriptfile: scripts kept in %s\n", qPrintable(g_folder));

    for (const Script &script : g_scripts) {
        const std::string name = script.name.toStdString();
        benchmark::RegisterBenchmark(("load/" + name).c_str(), [&script](benchmark::State &state) {
            loadScript(state, script, false);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("load/lf_wrapped", [](benchmark::State &state) {
        loadScript(state, g_scripts[0], true);
    })->Unit(benchmark::kMillisecond);
    for (const Script &script : g_scripts) {
        const std::string name = script.name.toStdString();
        benchmark::RegisterBenchmark(("save/" + name).c_str(), [&script](benchmark::State &state) {
            saveScript(state, script);
        })->Unit(benchmark::kMillisecond);
    }
    for (const Script &script : g_scripts) {
        const std::string name = script.name.toStdString();
        benchmark::RegisterBenchmark(("decode/" + name).c_str(), [&script](benchmark::State &state) {
            decodeScript(state, script);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("encode/" + name).c_str(), [&script](benchmark::State &state) {
            encodeScript(state, script);
        })->Unit(benchmark::kMillisecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
