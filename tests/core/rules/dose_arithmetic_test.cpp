// The dose arithmetic against hand-checked computations: every stored result
// as the program writes it, and every figure as the result labels show it.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "core/rules/dose_arithmetic.h"
#include "core/rules/number_text.h"

namespace korvane {
namespace {

constexpr auto kPotassium = SulphiteForm::Potassium;
constexpr auto kFree = TargetKind::FreeSO2;
constexpr auto kMolecular = TargetKind::MolecularSO2;

// The figures these examples show are those of the sheet's worked examples,
// which check them as the window writes them; here, the stored singles.
struct WorkedExample {
    const char* name;
    DoseInputs inputs;
    double divisor;
    // Stored single values, as SingleToText writes them.
    const char* batchLitres;
    const char* existingMolecular;
    const char* targetFree;
    const char* targetMolecular;
    const char* freeRequirement;
    const char* molecularRequirement;
    const char* amount;
    std::optional<const char*> teaspoons;
};

// clang-format off
const WorkedExample WorkedExamples[] = {
    {.name = "A_MolecularTargetTablets",
     .inputs = {.ph = 3.5F, .batchVolume = 23, .sulphiteForm = kPotassium,
                .method = AdditionMethod::Tablet, .tabletGrams = 0.44F, .targetKind = kMolecular,
                .targetValue = 0.8F},
     .divisor = 51.118723362727, .batchLitres = "23", .existingMolecular = "0",
     .targetFree = "40.89498", .targetMolecular = "0.8", .freeRequirement = "40.89498",
     .molecularRequirement = "0.8", .amount = "3.701823", .teaspoons = std::nullopt},
    {.name = "B_FreeTargetPowder",
     .inputs = {.ph = 3.5F, .freeSO2 = 10, .batchVolume = 23, .sulphiteForm = kPotassium,
                .targetKind = kFree, .targetValue = 40},
     .divisor = 51.118723362727, .batchLitres = "23", .existingMolecular = "0.195623",
     .targetFree = "40", .targetMolecular = "0.7824922", .freeRequirement = "30",
     .molecularRequirement = "0.5868691", .amount = "1.194867", .teaspoons = "0.1927205"},
    {.name = "C_SodiumSolutionUsGallons",
     .inputs = {.ph = 3.2F, .freeSO2 = 12, .batchVolume = 5, .batchUnit = BatchUnit::UsGallon,
                .sulphiteForm = SulphiteForm::Sodium, .method = AdditionMethod::Solution,
                .solutionStrength = 10, .targetKind = kFree, .targetValue = 35},
     .divisor = 26.118867073042, .batchLitres = "18.92506", .existingMolecular = "0.459438",
     .targetFree = "35", .targetMolecular = "1.340027", .freeRequirement = "23",
     .molecularRequirement = "0.8805895", .amount = "6.454466", .teaspoons = "1.309515"},
    {.name = "D_MolecularTargetSolutionImperialGallons",
     .inputs = {.ph = 3.4F, .freeSO2 = 15, .batchVolume = 5,
                .batchUnit = BatchUnit::ImperialGallon, .sulphiteForm = kPotassium,
                .method = AdditionMethod::Solution, .solutionStrength = 10,
                .targetKind = kMolecular, .targetValue = 0.5F},
     .divisor = 40.810725797451, .batchLitres = "22.72727", .existingMolecular = "0.3675504",
     .targetFree = "20.40536", .targetMolecular = "0.5", .freeRequirement = "5.405363",
     .molecularRequirement = "0.1324496", .amount = "2.127369", .teaspoons = "0.4316112"},
};
// clang-format on

// Failures name the example rather than dumping its bytes.
void PrintTo(const WorkedExample& example, std::ostream* out) {
    *out << example.name;
}

class WorkedExampleTest : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExampleTest, StoresEveryResultToTheLastDigit) {
    const WorkedExample& example = GetParam();
    const DoseResults results = ComputeDose(example.inputs);

    EXPECT_NEAR(PhDivisor(example.inputs.ph), example.divisor, 1e-10);
    EXPECT_EQ(SingleToText(results.batchLitres), example.batchLitres);
    EXPECT_EQ(SingleToText(results.existingMolecular), example.existingMolecular);
    EXPECT_EQ(SingleToText(results.targetFree), example.targetFree);
    EXPECT_EQ(SingleToText(results.targetMolecular), example.targetMolecular);
    EXPECT_EQ(SingleToText(results.freeRequirement), example.freeRequirement);
    EXPECT_EQ(SingleToText(results.molecularRequirement), example.molecularRequirement);
    EXPECT_EQ(SingleToText(results.amount), example.amount);
    ASSERT_EQ(results.teaspoons.has_value(), example.teaspoons.has_value());
    if (results.teaspoons) {
        EXPECT_EQ(SingleToText(*results.teaspoons), *example.teaspoons);
    }
}

INSTANTIATE_TEST_SUITE_P(Dose, WorkedExampleTest, testing::ValuesIn(WorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhDivisorTest, TakesThePhInSinglePrecision) {
    // 1.8 as a single is 1.79999995, so the divisor falls just short of 2.
    EXPECT_NEAR(PhDivisor(1.8F), 1.99999989, 1e-9);
}

// What another pKa does to the sheet's results is checked with the sheet.
TEST(PhDivisorTest, TakesAnotherPkaWhenGivenOne) {
    // The default is the window's 1.8.
    EXPECT_EQ(PhDivisor(3.5F), PhDivisor(3.5F, 1.8));
    EXPECT_DOUBLE_EQ(PhDivisor(3.5F, 1.5), std::pow(10.0, 2.0) + 1.0);
    EXPECT_FLOAT_EQ(MolecularFromFree(101.0F, 3.5F, 1.5), 1.0F);
    EXPECT_FLOAT_EQ(FreeFromMolecular(1.0F, 3.5F, 1.5), 101.0F);
}

TEST(BatchToLitresTest, ConvertsGallonsAndPassesLitres) {
    struct Row {
        float volume;
        BatchUnit unit;
        const char* litres;
    };
    // Five gallons of each kind, and 23 litres, are the worked examples'.
    const Row rows[] = {
        {0.1F, BatchUnit::Litre, "0.1"},
        {1, BatchUnit::UsGallon, "3.785011"},
        {1, BatchUnit::ImperialGallon, "4.545455"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SingleToText(BatchToLitres(row.volume, row.unit)), row.litres) << row.volume;
    }
}

TEST(SO2FractionTest, GivesTheSinglePrecisionFractions) {
    EXPECT_EQ(static_cast<double>(SO2Fraction(SulphiteForm::Potassium)), 0.5774700045585632);
    EXPECT_EQ(static_cast<double>(SO2Fraction(SulphiteForm::Sodium)), 0.6743800044059753);
    EXPECT_EQ(SO2Fraction(std::nullopt), 0.0F);
}

// 10 mg/L of free SO2 at pH 3.5 in 23 litres, raised to `target`.
DoseInputs FreeTarget(float target, AdditionMethod method, float methodValue = 0,
                      std::optional<SulphiteForm> form = kPotassium) {
    return {.ph = 3.5F,
            .freeSO2 = 10,
            .batchVolume = 23,
            .sulphiteForm = form,
            .method = method,
            .tabletGrams = methodValue,
            .solutionStrength = methodValue,
            .targetKind = kFree,
            .targetValue = target};
}

// A tablet or a solution of nothing, or no sulphite form to weigh: the
// amounts are not finite, and the requirements, which do not depend on the
// method, stay as they are. The sheet refuses them before they show.
TEST(ComputeDoseTest, AnAmountOfNothingIsNotFinite) {
    const struct {
        DoseInputs inputs;
        const char* amount;
        const char* teaspoons;  // "" for none
    } rows[] = {
        {FreeTarget(40, AdditionMethod::Tablet), "Infinity", ""},
        {FreeTarget(10, AdditionMethod::Tablet), "NaN", ""},
        {FreeTarget(40, AdditionMethod::Solution), "Infinity", "Infinity"},
        {FreeTarget(40, AdditionMethod::Powder, 0, std::nullopt), "Infinity", "Infinity"},
        {FreeTarget(40, AdditionMethod::Solution, 10, std::nullopt), "Infinity", "Infinity"},
        {FreeTarget(40, AdditionMethod::Tablet, 0.44F, std::nullopt), "Infinity", ""},
    };
    for (const auto& row : rows) {
        const DoseResults results = ComputeDose(row.inputs);
        SCOPED_TRACE(row.inputs.targetValue);
        EXPECT_EQ(SingleToText(results.amount), row.amount);
        EXPECT_EQ(results.teaspoons ? SingleToText(*results.teaspoons) : "", row.teaspoons);
        EXPECT_EQ(results.freeRequirement, row.inputs.targetValue - 10);
    }
}

TEST(ComputeDoseTest, NoTargetKindMeansBothTargetsAreZero) {
    DoseInputs inputs = FreeTarget(40, AdditionMethod::Powder);
    inputs.targetKind.reset();
    const DoseResults results = ComputeDose(inputs);
    EXPECT_EQ(results.targetFree, 0.0F);
    EXPECT_EQ(results.targetMolecular, 0.0F);
    EXPECT_EQ(results.freeRequirement, -10.0F);
    EXPECT_LT(results.amount, 0.0F);
}

}  // namespace
}  // namespace korvane
