// How long the rules take: the dose arithmetic alone, the whole sheet from
// field texts to result texts for each method, and the two display rules.
#include <benchmark/benchmark.h>

#include "core/rules/dose_arithmetic.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/number_text.h"

namespace korvane {
namespace {

DoseInputs ExampleB() {
    DoseInputs inputs;
    inputs.ph = 3.5F;
    inputs.freeSO2 = 10.0F;
    inputs.batchVolume = 23.0F;
    inputs.batchUnit = BatchUnit::Litre;
    inputs.sulphiteForm = SulphiteForm::Potassium;
    inputs.method = AdditionMethod::Powder;
    inputs.targetKind = TargetKind::FreeSO2;
    inputs.targetValue = 40.0F;
    return inputs;
}

void ComputeDoseBenchmark(benchmark::State& state) {
    DoseInputs inputs = ExampleB();
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(ComputeDose(inputs));
    }
}
BENCHMARK(ComputeDoseBenchmark)->Name("ComputeDose");

SheetView SheetFor(AdditionMethod method) {
    SheetView input;
    input.ph = "3.5";
    input.existingSO2 = "10";
    input.batchSize = "23";
    input.tabletWeight = "0.44";
    input.solutionStrength = "10";
    input.targetFree = "40";
    input.targetMolecular = "0.00";
    input.method = method;
    input.form = SulphiteForm::Potassium;
    input.unit = BatchUnit::Litre;
    input.target = TargetKind::FreeSO2;
    return input;
}

// What Calculate costs: the checks, the questions and every result text.
void SheetBenchmark(benchmark::State& state, AdditionMethod method) {
    const SheetView input = SheetFor(method);
    SheetVerdict verdict;
    for (auto _ : state) {
        EvaluateSheet(input, verdict);
        benchmark::DoNotOptimize(verdict);
    }
}
BENCHMARK_CAPTURE(SheetBenchmark, Tablet, AdditionMethod::Tablet)->Name("Sheet/Tablet");
BENCHMARK_CAPTURE(SheetBenchmark, Powder, AdditionMethod::Powder)->Name("Sheet/Powder");
BENCHMARK_CAPTURE(SheetBenchmark, Solution, AdditionMethod::Solution)->Name("Sheet/Solution");

void FormatFixed2Benchmark(benchmark::State& state) {
    double value = 1.1948671;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatFixed2(value));
    }
}
BENCHMARK(FormatFixed2Benchmark)->Name("FormatFixed2");

void FormatFixed2TextBenchmark(benchmark::State& state) {
    const std::string text = "1.194867";
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed2(text));
    }
}
BENCHMARK(FormatFixed2TextBenchmark)->Name("FormatFixed2/text");

void SingleToTextBenchmark(benchmark::State& state) {
    float value = 1.194867F;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(SingleToText(value));
    }
}
BENCHMARK(SingleToTextBenchmark)->Name("SingleToText");

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
