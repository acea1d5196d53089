// What a click on a spin arrow makes of each quantity's text: one step up or
// down, written with the quantity's pattern, kept within its limits.
#include "core/rules/spin_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

constexpr int kUp = -1;  // the upper arrow sets the bar to -1
constexpr int kDown = 1;

struct StepCase {
    const char* quantity;
    const SpinRule* rule;
    const char* before;
    int bar;
    const char* after;
};

class SpinRuleTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(SpinRuleTest, StepsWritesAndLimits) {
    const StepCase& c = GetParam();
    const std::string after = SpinStep(*c.rule, c.before, c.bar);
    EXPECT_EQ(after, c.after) << c.quantity << " from \"" << c.before << '"';
    // A window's bar put back to rest steps the result once more by 0.
    EXPECT_EQ(SpinStep(*c.rule, after, 0), after) << c.quantity << " at rest";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinRuleTest,
    ::testing::Values(
        // pH: tenths between 1.0 and 14.0
        StepCase{"pH", &kPhSpin, "3.5", kUp, "3.6"}, StepCase{"pH", &kPhSpin, "3.5", kDown, "3.4"},
        StepCase{"pH", &kPhSpin, "3", kUp, "3.1"}, StepCase{"pH", &kPhSpin, "14.0", kUp, "14.0"},
        StepCase{"pH", &kPhSpin, "13.95", kUp, "14.0"},
        StepCase{"pH", &kPhSpin, "1.0", kDown, "1.0"}, StepCase{"pH", &kPhSpin, "abc", kUp, "1.0"},
        StepCase{"pH", &kPhSpin, "abc", kDown, "1.0"}, StepCase{"pH", &kPhSpin, "", kUp, "1.0"},
        // Existing and target SO2: whole steps, never below 0
        StepCase{"existing", &kExistingSO2Spin, "0.00", kUp, "1.00"},
        StepCase{"existing", &kExistingSO2Spin, "0.50", kDown, "0.00"},
        StepCase{"existing", &kExistingSO2Spin, "12.345", kDown, "11.35"},
        StepCase{"existing", &kExistingSO2Spin, ".", kUp, "0.00"},
        StepCase{"existing", &kExistingSO2Spin, "9999999.99", kUp, "10000000.99"},
        StepCase{"free target", &kTargetFreeSpin, "0.00", kUp, "1.00"},
        StepCase{"free target", &kTargetFreeSpin, "40", kDown, "39.00"},
        StepCase{"molecular target", &kTargetMolecularSpin, "0.80", kUp, "0.81"},
        StepCase{"molecular target", &kTargetMolecularSpin, "0.00", kDown, "0.00"},
        // Tablet weight: hundredths, replaced at 0 or below
        StepCase{"tablet", &kTabletWeightSpin, "0.44", kUp, "0.45"},
        StepCase{"tablet", &kTabletWeightSpin, "0.01", kDown, "0.00"},
        StepCase{"tablet", &kTabletWeightSpin, "x", kDown, "0.00"},
        // Batch size: whole numbers, and zero is written as nothing
        StepCase{"batch", &kBatchSizeSpin, "23", kUp, "24"},
        StepCase{"batch", &kBatchSizeSpin, "1", kDown, "0"},
        StepCase{"batch", &kBatchSizeSpin, "0", kDown, "0"},
        StepCase{"batch", &kBatchSizeSpin, "", kUp, "0"},
        StepCase{"batch", &kBatchSizeSpin, "", kDown, "0"},
        StepCase{"batch", &kBatchSizeSpin, "2.5", kUp, "4"},
        // Solution strength: whole percent, kept between 1 and 100
        StepCase{"solution", &kSolutionSpin, "100", kUp, "100"},
        StepCase{"solution", &kSolutionSpin, "2", kDown, "1"},
        StepCase{"solution", &kSolutionSpin, "1", kDown, "1"},
        StepCase{"solution", &kSolutionSpin, "0.4", kUp, "1"},
        StepCase{"solution", &kSolutionSpin, "10", kUp, "11"},
        StepCase{"solution", &kSolutionSpin, "", kUp, "1"}));

}  // namespace
}  // namespace korvane
