// Both diagrams redrawn on real QImage canvases, as every conversion and every
// resize step does: at the design size and at the size of a full-HD window.

#include "conversion_control/input_boxes.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"
#include "platform/qimage_canvas.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

InputBoxes convertedPoint()
{
    InputBoxes boxes;
    boxes.Tag = {"5", "30", "4.33012701892219", "2.5"};
    return boxes;
}

void BM_BothDiagrams(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    const QSizeF size(double(state.range(0)), double(state.range(1)));
    QImageCanvas polar(size, 1.0);
    QImageCanvas rectangular(size, 1.0);
    const InputBoxes boxes = convertedPoint();
    for (auto _ : state) {
        DrawPolarDiagram(polar, boxes);
        DrawRectangularDiagram(rectangular, boxes);
        // Ends the painting, so the pixels are complete as a widget would paint them.
        benchmark::DoNotOptimize(polar.image().constBits());
        benchmark::DoNotOptimize(rectangular.image().constBits());
    }
}
BENCHMARK(BM_BothDiagrams)
    ->Args({289, 313})
    ->Args({960, 700})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMillisecond);

template <void (*Draw)(Canvas &, const InputBoxes &)> void BM_OneDiagram(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    QImageCanvas canvas(QSizeF(double(state.range(0)), double(state.range(1))), 1.0);
    const InputBoxes boxes = convertedPoint();
    for (auto _ : state) {
        Draw(canvas, boxes);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_OneDiagram<DrawPolarDiagram>)
    ->Args({960, 700})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneDiagram<DrawRectangularDiagram>)
    ->Args({960, 700})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Draws without a display, like the widget tests.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
