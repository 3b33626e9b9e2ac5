#include <benchmark/benchmark.h>

#include "automation/Convert.h"

static void BM_DoubleToText(benchmark::State& state) {
    double v = 132.558139534884;
    for (auto _ : state) benchmark::DoNotOptimize(ombrelt::Convert::DoubleToText(v));
}
BENCHMARK(BM_DoubleToText);
