// Typing at the end of a long script: one Space key (press and release) with colouring while
// typing on, through the real main window, its typing aids and its colouring pass.
#include "app/editorwindow.h"
#include "document/richtextcontrol.h"
#include "editing/colourtable.h"
#include "editorfixture.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
void typeSpaceAtTheEnd(benchmark::State &state)
{
    EditorFixture fixture;
    fixture.store.write("Options", "ColorCodeDuring Edit", "1");
    fixture.context.colours = ColourTable::factory();
    EditorWindow window(fixture.context);
    window.show();
    RichTextControl *text = window.textControl();
    QString script;
    for (int i = 0; i < state.range(0); ++i)
        script += QStringLiteral("    print \"line %1: $value{'key'}\\n\";\r\n").arg(i);
    text->setText(script);
    text->setSelStart(script.size());
    window.state.txtStart = QString::number(script.size());
    text->setFocus();
    for (auto _ : state) {
        QTest::keyClicks(text, QStringLiteral("x"));
        QTest::keyClick(text, Qt::Key_Space);
    }
}
} // namespace

BENCHMARK(typeSpaceAtTheEnd)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
