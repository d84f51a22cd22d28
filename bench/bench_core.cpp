// One whole conversion command in each direction, and the display formatting.

#include "conversion_control/conversion_commands.h"
#include "conversion_control/result_record.h"
#include "math/mod_math.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PolarToRectangularCommand(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    InputBoxes boxes;
    boxes.Text = {"5", "30", "0", "0"};
    for (auto _ : state) {
        ConvertTexts(kPolarToRectangular, boxes);
        benchmark::DoNotOptimize(ReadResult(kPolarToRectangular, boxes));
    }
}
BENCHMARK(BM_PolarToRectangularCommand);

void BM_RectangularToPolarCommand(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    InputBoxes boxes;
    boxes.Text = {"0", "0", "-1,234.5678", "-3.2139380484327"};
    for (auto _ : state) {
        ConvertTexts(kRectangularToPolar, boxes);
        benchmark::DoNotOptimize(ReadResult(kRectangularToPolar, boxes));
    }
}
BENCHMARK(BM_RectangularToPolarCommand);

void BM_FormatSignificant(benchmark::State &state)
{
    modMath::SignificantValues = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(modMath::FormatSignificant(4330.127018922193));
    }
}
BENCHMARK(BM_FormatSignificant)->Arg(2)->Arg(6)->Arg(20);

} // namespace
