#include "main_window/solution_document.h"

#include "math/mod_math.h"

#include <benchmark/benchmark.h>

// One document is composed on every conversion and on every change of the
// significant-values box, inside the user's keystroke.

namespace {

void BM_PolarToRectangular(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolutionDocument(0, 4330.127018922193, 30.5, 0, 0));
    }
}
BENCHMARK(BM_PolarToRectangular);

// The longest document: rule table plus the three angle rows of an offset case.
void BM_RectangularToPolar(benchmark::State &state)
{
    modMath::SignificantValues = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolutionDocument(1, 0, 0, -3.2139380484327, -1234.5678));
    }
}
BENCHMARK(BM_RectangularToPolar);

} // namespace
