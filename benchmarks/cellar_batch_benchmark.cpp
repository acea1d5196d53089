// Where a cellar batch spends its time per row: reading the CSV, filling the
// sheet's input, the sheet itself, and the whole batch in memory. Measured in
// one run, so the shares can be compared on any machine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/cellar/cellar_batch.h"
#include "core/cellar/csv.h"

namespace korvane {
namespace {

constexpr int kRows = 100000;

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, bytes_.size() - pos_);
        bytes_.copy(buffer, count, pos_);
        pos_ += count;
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    const std::string& bytes_;
    std::size_t pos_ = 0;
};

class NullSink : public ByteSink {
  public:
    bool Write(std::string_view bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
};

// Tanks as a cellar measures them, every unit, form, method and target kind.
const std::string& Tanks() {
    static const std::string csv = [] {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> unit(0, 1);
        const char* units[] = {"us-gal", "imp-gal", "litres"};
        const char* forms[] = {"potassium", "sodium"};
        const char* methods[] = {"powder", "solution", "tablet"};
        std::string text =
            "tank,ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
            "target\n";
        std::vector<char> line(256);
        for (int i = 1; i <= kRows; ++i) {
            const bool free = unit(random) < 0.7;
            std::snprintf(line.data(), line.size(), "T%07d,%.2f,%.1f,%d,%s,%s,%s,%d,%.2f,%s,%.2f\n",
                          i, 2.9 + unit(random) * 1.2, unit(random) * 20,
                          50 + static_cast<int>(unit(random) * 20000), units[random() % 3],
                          forms[random() % 2], methods[random() % 3],
                          5 + static_cast<int>(unit(random) * 15), 0.3 + unit(random) * 0.4,
                          free ? "free" : "molecular",
                          free ? 25 + unit(random) * 30 : 0.5 + unit(random) * 0.4);
            text += line.data();
        }
        return text;
    }();
    return csv;
}

// Every row's texts in column order, as the batch hands them to the sheet.
const std::vector<DoseTexts>& RowTexts() {
    static const std::vector<DoseTexts> rows = [] {
        std::vector<DoseTexts> all;
        MemorySource source(Tanks());
        CsvReader reader(source);
        CsvRecord record;
        std::string scratch;
        reader.Next(record);  // the header, in column order after "tank"
        while (reader.Next(record) == CsvReader::Result::Record) {
            // The file has the columns of every dose; the wine's stay empty.
            DoseTexts texts;
            for (std::size_t c = 0; c < kDoseColumnsOfEveryDose; ++c) {
                texts[c] = record.Field(c + 1, scratch);
            }
            all.push_back(texts);
        }
        return all;
    }();
    return rows;
}

DoseTextViews Views(const DoseTexts& texts) {
    DoseTextViews views;
    std::copy(texts.begin(), texts.end(), views.begin());
    return views;
}

void CsvReading(benchmark::State& state) {
    std::string scratch;
    for (auto _ : state) {
        MemorySource source(Tanks());
        CsvReader reader(source);
        CsvRecord record;
        while (reader.Next(record) == CsvReader::Result::Record) {
            for (std::size_t i = 0; i < record.FieldCount(); ++i) {
                benchmark::DoNotOptimize(record.Field(i, scratch).data());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Tanks().size()));
}
BENCHMARK(CsvReading)->Unit(benchmark::kMillisecond);

void FillingTheSheet(benchmark::State& state) {
    const auto& rows = RowTexts();
    DoseCalculation dose;
    for (auto _ : state) {
        for (const DoseTexts& row : rows) {
            benchmark::DoNotOptimize(dose.Fill(Views(row), SO2Pka));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(FillingTheSheet)->Unit(benchmark::kMillisecond);

// The sheet as the batch asks it, into room kept from row to row.
void EvaluatingTheSheet(benchmark::State& state) {
    std::vector<SheetView> inputs;
    std::vector<ResultText> shown(RowTexts().size());
    DoseCalculation dose;
    for (const DoseTexts& row : RowTexts()) {
        dose.Fill(Views(row), SO2Pka);
        SheetView& view = inputs.emplace_back(dose.Input());
        // The figure on show, in room of the benchmark's own.
        if (view.target == TargetKind::MolecularSO2) {
            view.shownExistingMolecular = ExistingMolecularText(view, shown[inputs.size() - 1]);
        }
    }
    SheetVerdict verdict;
    for (auto _ : state) {
        for (const SheetView& input : inputs) {
            EvaluateSheet(input, verdict);
            benchmark::DoNotOptimize(verdict.kind);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}
BENCHMARK(EvaluatingTheSheet)->Unit(benchmark::kMillisecond);

void WholeBatchInMemory(benchmark::State& state) {
    for (auto _ : state) {
        MemorySource source(Tanks());
        BatchSettings settings;
        settings.answerYes = true;
        CellarBatch batch(source, settings);
        NullSink sink;
        batch.ReadHeader();
        benchmark::DoNotOptimize(batch.Run(sink));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(WholeBatchInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
