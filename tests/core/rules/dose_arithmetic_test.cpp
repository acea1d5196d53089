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
    // What the result labels and the computed target field show.
    const char* existingMolecularShown;
    const char* computedTargetShown;
    const char* freeRequirementShown;
    const char* molecularRequirementShown;
    const char* amountShown;
    const char* teaspoonsShown;  // empty for tablets
};

DoseInputs Inputs(float ph, float freeSO2, float volume, BatchUnit unit, SulphiteForm form,
                  TargetKind kind, float target, AdditionMethod method, float methodValue) {
    DoseInputs inputs;
    inputs.ph = ph;
    inputs.freeSO2 = freeSO2;
    inputs.batchVolume = volume;
    inputs.batchUnit = unit;
    inputs.sulphiteForm = form;
    inputs.targetKind = kind;
    inputs.targetValue = target;
    inputs.method = method;
    if (method == AdditionMethod::Tablet) {
        inputs.tabletGrams = methodValue;
    } else if (method == AdditionMethod::Solution) {
        inputs.solutionStrength = methodValue;
    }
    return inputs;
}

const WorkedExample WorkedExamples[] = {
    {"A_MolecularTargetTablets",
     Inputs(3.5F, 0, 23, BatchUnit::Litre, SulphiteForm::Potassium, TargetKind::MolecularSO2, 0.8F,
            AdditionMethod::Tablet, 0.44F),
     51.118723362727, "23", "0", "40.89498", "0.8", "40.89498", "0.8", "3.701823", std::nullopt,
     "0.00", "40.89", "40.89", "0.80", "3.70", ""},
    {"B_FreeTargetPowder",
     Inputs(3.5F, 10, 23, BatchUnit::Litre, SulphiteForm::Potassium, TargetKind::FreeSO2, 40,
            AdditionMethod::Powder, 0),
     51.118723362727, "23", "0.195623", "40", "0.7824922", "30", "0.5868691", "1.194867",
     "0.1927205", "0.20", "0.78", "30.00", "0.59", "1.19", "0.19"},
    {"C_SodiumSolutionUsGallons",
     Inputs(3.2F, 12, 5, BatchUnit::UsGallon, SulphiteForm::Sodium, TargetKind::FreeSO2, 35,
            AdditionMethod::Solution, 10),
     26.118867073042, "18.92506", "0.459438", "35", "1.340027", "23", "0.8805895", "6.454466",
     "1.309515", "0.46", "1.34", "23.00", "0.88", "6.45", "1.31"},
    {"D_MolecularTargetSolutionImperialGallons",
     Inputs(3.4F, 15, 5, BatchUnit::ImperialGallon, SulphiteForm::Potassium,
            TargetKind::MolecularSO2, 0.5F, AdditionMethod::Solution, 10),
     40.810725797451, "22.72727", "0.3675504", "20.40536", "0.5", "5.405363", "0.1324496",
     "2.127369", "0.4316112", "0.37", "20.41", "5.41", "0.13", "2.13", "0.43"},
};

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

TEST_P(WorkedExampleTest, ShowsEveryFigureWithTwoDecimals) {
    const WorkedExample& example = GetParam();
    const DoseResults results = ComputeDose(example.inputs);

    // The existing molecular SO2, the molecular counterpart of a free target
    // and the teaspoons are shown from the number; the free counterpart of a
    // molecular target, the amount and the requirements from their text.
    EXPECT_EQ(FormatFixed2(results.existingMolecular), example.existingMolecularShown);
    const std::string computedTarget = example.inputs.targetKind == TargetKind::FreeSO2
                                           ? FormatFixed2(results.targetMolecular)
                                           : FormatFixed2(SingleToText(results.targetFree));
    EXPECT_EQ(computedTarget, example.computedTargetShown);
    EXPECT_EQ(FormatFixed2(SingleToText(results.freeRequirement)), example.freeRequirementShown);
    EXPECT_EQ(FormatFixed2(SingleToText(results.molecularRequirement)),
              example.molecularRequirementShown);
    EXPECT_EQ(FormatFixed2(SingleToText(results.amount)), example.amountShown);
    const std::string teaspoons = results.teaspoons ? FormatFixed2(*results.teaspoons) : "";
    EXPECT_EQ(teaspoons, example.teaspoonsShown);
}

INSTANTIATE_TEST_SUITE_P(Dose, WorkedExampleTest, testing::ValuesIn(WorkedExamples),
                         [](const testing::TestParamInfo<WorkedExample>& info) {
                             return std::string(info.param.name);
                         });

TEST(PhDivisorTest, TakesThePhInSinglePrecision) {
    // 1.8 as a single is 1.79999995, so the divisor falls just short of 2.
    EXPECT_NEAR(PhDivisor(1.8F), 1.99999989, 1e-9);
    EXPECT_NE(PhDivisor(1.8F), 2.0);
    EXPECT_NEAR(PhDivisor(2.8F), 11.0, 1e-5);
}

TEST(PhDivisorTest, TakesAnotherPkaWhenGivenOne) {
    // The default is the window's 1.8.
    EXPECT_EQ(PhDivisor(3.5F), PhDivisor(3.5F, 1.8));
    EXPECT_DOUBLE_EQ(PhDivisor(3.5F, 1.5), std::pow(10.0, 2.0) + 1.0);
    EXPECT_FLOAT_EQ(MolecularFromFree(101.0F, 3.5F, 1.5), 1.0F);
    EXPECT_FLOAT_EQ(FreeFromMolecular(1.0F, 3.5F, 1.5), 101.0F);
    DoseInputs inputs;
    inputs.ph = 3.5F;
    inputs.freeSO2 = 101.0F;
    inputs.pka = 1.5;
    EXPECT_FLOAT_EQ(ComputeDose(inputs).existingMolecular, 1.0F);
}

TEST(BatchToLitresTest, ConvertsGallonsAndPassesLitres) {
    struct Row {
        float volume;
        BatchUnit unit;
        const char* litres;
    };
    const Row rows[] = {
        {5, BatchUnit::UsGallon, "18.92506"}, {5, BatchUnit::ImperialGallon, "22.72727"},
        {23, BatchUnit::Litre, "23"},         {0.1F, BatchUnit::Litre, "0.1"},
        {1, BatchUnit::UsGallon, "3.785011"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SingleToText(BatchToLitres(row.volume, row.unit)), row.litres) << row.volume;
    }
    EXPECT_EQ(BatchToLitres(0.1F, BatchUnit::Litre), 0.1F);
}

TEST(SO2FractionTest, GivesTheSinglePrecisionFractions) {
    EXPECT_EQ(static_cast<double>(SO2Fraction(SulphiteForm::Potassium)), 0.5774700045585632);
    EXPECT_EQ(static_cast<double>(SO2Fraction(SulphiteForm::Sodium)), 0.6743800044059753);
    EXPECT_EQ(SO2Fraction(std::nullopt), 0.0F);
}

DoseInputs FreeTarget(float freeSO2, float target, AdditionMethod method) {
    return Inputs(3.5F, freeSO2, 23, BatchUnit::Litre, SulphiteForm::Potassium, TargetKind::FreeSO2,
                  target, method, 0);
}

TEST(ComputeDoseTest, NoExistingSO2HasNoMolecularSO2AtAnyPh) {
    for (const float ph : {1.0F, 3.5F, 14.0F}) {
        EXPECT_EQ(MolecularFromFree(0, ph), 0.0F) << ph;
    }
}

TEST(ComputeDoseTest, TargetEqualToTheMeasuredLevelNeedsNothing) {
    for (const AdditionMethod method : {AdditionMethod::Powder, AdditionMethod::Solution}) {
        DoseInputs inputs = FreeTarget(25, 25, method);
        inputs.solutionStrength = 10;
        const DoseResults results = ComputeDose(inputs);
        EXPECT_EQ(results.freeRequirement, 0.0F);
        EXPECT_EQ(results.amount, 0.0F);
        ASSERT_TRUE(results.teaspoons.has_value());
        EXPECT_EQ(*results.teaspoons, 0.0F);
    }
}

TEST(ComputeDoseTest, TargetBelowTheMeasuredLevelGivesNegativeResults) {
    const DoseResults results = ComputeDose(FreeTarget(20, 10, AdditionMethod::Powder));
    EXPECT_EQ(SingleToText(results.freeRequirement), "-10");
    EXPECT_LT(results.molecularRequirement, 0.0F);
    // -10 mg/L over 23 L is 0.23 g of SO2 taken away: -0.398289 g of powder.
    EXPECT_EQ(SingleToText(results.amount), "-0.3982891");
    EXPECT_EQ(FormatFixed2(SingleToText(results.freeRequirement)), "-10.00");
    EXPECT_EQ(FormatFixed2(SingleToText(results.amount)), "-0.40");
}

TEST(ComputeDoseTest, ZeroTabletWeightOrStrengthGivesNonFiniteAmounts) {
    DoseInputs tablet = FreeTarget(10, 40, AdditionMethod::Tablet);
    const DoseResults tablets = ComputeDose(tablet);
    EXPECT_TRUE(std::isinf(tablets.amount) && tablets.amount > 0);
    EXPECT_FALSE(tablets.teaspoons.has_value());
    EXPECT_EQ(FormatFixed2(SingleToText(tablets.amount)), "Infinity");
    // The requirements do not depend on the method and stay finite.
    EXPECT_EQ(SingleToText(tablets.freeRequirement), "30");

    tablet.targetValue = tablet.freeSO2;
    EXPECT_TRUE(std::isnan(ComputeDose(tablet).amount));

    const DoseResults solution = ComputeDose(FreeTarget(10, 40, AdditionMethod::Solution));
    EXPECT_TRUE(std::isinf(solution.amount) && solution.amount > 0);
    ASSERT_TRUE(solution.teaspoons.has_value());
    EXPECT_TRUE(std::isinf(*solution.teaspoons));
}

TEST(ComputeDoseTest, NoSulphiteFormGivesNonFiniteAmounts) {
    for (const AdditionMethod method :
         {AdditionMethod::Powder, AdditionMethod::Solution, AdditionMethod::Tablet}) {
        DoseInputs inputs = FreeTarget(10, 40, method);
        inputs.sulphiteForm.reset();
        inputs.solutionStrength = 10;
        inputs.tabletGrams = 0.44F;
        const DoseResults results = ComputeDose(inputs);
        EXPECT_FALSE(std::isfinite(results.amount)) << static_cast<int>(method);
        EXPECT_EQ(SingleToText(results.freeRequirement), "30");
    }
}

TEST(ComputeDoseTest, NoTargetKindMeansBothTargetsAreZero) {
    DoseInputs inputs = FreeTarget(10, 40, AdditionMethod::Powder);
    inputs.targetKind.reset();
    const DoseResults results = ComputeDose(inputs);
    EXPECT_EQ(results.targetFree, 0.0F);
    EXPECT_EQ(results.targetMolecular, 0.0F);
    EXPECT_EQ(results.freeRequirement, -10.0F);
    EXPECT_EQ(SingleToText(results.existingMolecular), "0.195623");
    EXPECT_LT(results.amount, 0.0F);
}

}  // namespace
}  // namespace korvane
