// The dose sheet: everything the Calculate command decides, from the texts a
// window holds to what it must show. The main window and the command line
// both ask it, so their checks, questions and digits cannot differ.
//
// Its input is what the window holds: the texts of the seven numeric fields,
// the chosen method, the chosen list entries (or none), and the molecular
// figure on screen, with which one check compares. Its answer is one of three
// things: the first failed check, the plausibility questions to ask in
// order, or every result text in the order the window writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/choices.h"
#include "core/dose_arithmetic.h"

namespace korvane {

// The numeric fields, one for each text box of the main window.
enum class SheetField {
    Ph,
    ExistingSO2,
    BatchSize,
    TabletWeight,
    SolutionStrength,
    TargetFree,
    TargetMolecular,
};

// The places results are written to. The two targets are also fields: the
// one that is not the input shows the computed counterpart.
enum class SheetOutput {
    ExistingMolecular,
    TargetFree,
    TargetMolecular,
    Teaspoons,
    Amount,
    FreeRequirement,
    MolecularRequirement,
};

struct SheetInput {
    std::string ph;
    std::string existingSO2;
    std::string batchSize;
    std::string tabletWeight;
    std::string solutionStrength;
    std::string targetFree;
    std::string targetMolecular;
    AdditionMethod method = AdditionMethod::Powder;
    std::optional<SulphiteForm> form;  // none: no amount can be computed
    std::optional<BatchUnit> unit;     // none counts as litres
    std::optional<TargetKind> target;  // none: neither target is read
    // The existing molecular SO2 as shown; a molecular target may not lie
    // below the figure the user sees.
    std::string shownExistingMolecular;
    double pka = SO2Pka;
};

const std::string& FieldText(const SheetInput& input, SheetField field);
std::string& FieldText(SheetInput& input, SheetField field);

struct FailedCheck {
    SheetField field;     // where the focus goes
    const char* message;  // English; shown as a warning
    bool operator==(const FailedCheck& other) const {
        return field == other.field && std::string_view(message) == other.message;
    }
};

// A No to a question puts the focus into `field`, clears the amounts and
// ends the command; a Yes goes on to the next question.
struct Question {
    SheetField field;
    const char* text;
    bool operator==(const Question& other) const {
        return field == other.field && std::string_view(text) == other.text;
    }
};

struct ResultWrite {
    SheetOutput output;
    std::string text;
    bool operator==(const ResultWrite&) const = default;
};

using ResultWrites = std::vector<ResultWrite>;
using Questions = std::vector<Question>;

using SheetAnswer = std::variant<FailedCheck, Questions, ResultWrites>;

// What the amounts read after every change of an input.
inline constexpr char kClearedAmount[] = "0.00";

// The checks in their fixed order; only the first failure counts. A value is
// looked at only after its field passed the empty and numeric checks.
std::optional<FailedCheck> FirstFailedCheck(const SheetInput& input);

// The questions about implausible values, in the order they are asked.
Questions QuestionsToAsk(const SheetInput& input);

// Every result text in the order the window writes them, ending with the
// amounts put back to "0.00" when they are negative or not finite. Nothing at
// all while the free target or the batch size is empty. Unreadable numbers
// count as 0: this never stops on an input.
ResultWrites RecalculateSheet(const SheetInput& input);

// The Calculate command as one answer: the first failed check, else the
// questions to ask, else the results.
SheetAnswer EvaluateSheet(const SheetInput& input);

// The molecular SO2 of the existing free SO2 at the wine's pH, as shown.
// Unreadable entries count as 0; a huge pH only drives the figure to 0.
std::string ExistingMolecularText(const SheetInput& input);

// The checks the Default Settings dialog makes before saving: those of the
// solution strength, the tablet weight and the batch size, in the same order
// and with the same messages as Calculate's.
std::optional<FailedCheck> FirstFailedSettingsCheck(const SheetInput& input);

}  // namespace korvane
