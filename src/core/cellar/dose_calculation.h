// One dose from texts and words, as the command line, a cellar file or the
// web page gives it. The texts go into the main window's sheet exactly as the
// window would hold them, so the figures are the window's to the last digit,
// and the sheet makes its strict checks on them: what comes from outside must
// be numeric and in range whatever the target kind, and never turns into a
// figure that is not finite.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/cellar/choice_words.h"
#include "core/cellar/decimal_marks.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/total_so2_limits.h"

namespace korvane {

// The inputs of a dose, as a cellar file's columns and the command line's
// options name them.
enum class DoseColumn {
    Ph,
    FreeSO2,
    BatchSize,
    Unit,
    Form,
    Method,
    SolutionPct,
    TabletG,
    TargetKind,
    Target,
    // The wine's own figures, for its legal limit on total SO2 and what
    // binding takes of an addition: none of them is needed for a dose.
    TotalSO2,
    Colour,
    Sugar,
    Style,
    BindingFactor,  // the last
};
inline constexpr std::size_t kDoseColumnCount =
    static_cast<std::size_t>(DoseColumn::BindingFactor) + 1;
// The columns every dose has; the ones after them are the wine's.
inline constexpr std::size_t kDoseColumnsOfEveryDose =
    static_cast<std::size_t>(DoseColumn::Target) + 1;

inline constexpr std::array<const char*, kDoseColumnCount> kDoseColumnNames{
    "ph",        "free_so2",     "batch_size", "unit",        "form",
    "method",    "solution_pct", "tablet_g",   "target_kind", "target",
    "total_so2", "colour",       "sugar",      "style",       "binding_factor",
};

constexpr bool IsWineColumn(std::size_t column) {
    return column >= kDoseColumnsOfEveryDose;
}

constexpr std::size_t Index(DoseColumn column) {
    return static_cast<std::size_t>(column);
}

// Whether the column holds a number (the others hold words).
constexpr bool IsNumberColumn(DoseColumn column) {
    switch (column) {
        case DoseColumn::Unit:
        case DoseColumn::Form:
        case DoseColumn::Method:
        case DoseColumn::TargetKind:
        case DoseColumn::Colour:
        case DoseColumn::Style:
            return false;
        case DoseColumn::TotalSO2:
        case DoseColumn::Sugar:
        case DoseColumn::BindingFactor:
        case DoseColumn::Ph:
        case DoseColumn::FreeSO2:
        case DoseColumn::BatchSize:
        case DoseColumn::SolutionPct:
        case DoseColumn::TabletG:
        case DoseColumn::Target:
            return true;
    }
    return true;
}

// The two choices that may be left out: potassium metabisulphite as powder,
// as the program has always started. Every quantity must be given.
const char* BuiltInWord(DoseColumn column);

// The figures of a dose, as the window shows them, in the order of their
// columns.
enum class Figure {
    ExistingMolecular,
    TargetFree,
    TargetMolecular,
    FreeRequirement,
    MolecularRequirement,
    Amount,
    AmountUnit,
    Teaspoons,  // the last
};
inline constexpr std::size_t kFigureCount = static_cast<std::size_t>(Figure::Teaspoons) + 1;

// The columns a batch appends after those when the wine's own figures are
// given: the SO2 the addition puts in (the free SO2 requirement times the
// binding factor), the total it brings the wine to, and the limit that was
// checked (empty when none was).
inline constexpr std::array<const char*, 3> kWineResultColumnNames{
    "so2_added",
    "projected_total_so2",
    "total_so2_limit",
};

// The columns a batch appends to every row: the figures, then the status.
inline constexpr std::array<const char*, kFigureCount + 2> kResultColumnNames{
    "molecular_so2",
    "target_free_so2",
    "target_molecular_so2",
    "so2_requirement",
    "molecular_so2_requirement",
    "amount",
    "amount_unit",
    "teaspoons",
    "status",
    "message",
};

// Numbers as typed, in the sheet's form (a point for the decimal mark);
// choices as words (core/choice_words.h).
using DoseTexts = std::array<std::string, kDoseColumnCount>;
using DoseTextViews = std::array<std::string_view, kDoseColumnCount>;

// Blank: a row of a cellar file with nothing in it, passed through.
enum class DoseStatus { Ok, NoAddition, Error, Question, Blank };

// "ok", "no_addition", "error", "question" or "blank".
const char* StatusWord(DoseStatus status);

// What a dose comes to, as the window shows it. The texts are views into
// the DoseCalculation that answered (or into the caller's message) and last
// until it calculates again.
struct DoseResult {
    DoseStatus status = DoseStatus::Ok;
    std::string_view message;  // English; empty when ok
    // For a message about a value: the message with %1 where the value
    // goes, for a translation to be looked up by, and the value as the
    // message shows it. Empty otherwise.
    std::string_view messageText;
    std::string_view messageValue;
    std::array<std::string_view, kFigureCount> figures;  // empty unless ok or no addition
    // Only where the wine's figures are asked for: what
    // kWineResultColumnNames name, and what the limit is and what was taken
    // to find it ("EU limit for a dry red; sugar not given: took the
    // stricter limit"), empty when no limit was checked.
    std::array<std::string_view, kWineResultColumnNames.size()> wineFigures;
    std::string_view limitBasis;
    // The projected total SO2 is above the limit checked: a question until
    // answered, then figures a person must see marked.
    bool overLimit = false;
    // The limit checked and the total checked against it, for its messages
    // to be told again in another language (LimitMessageText).
    std::optional<LimitCheck> limitCheck;
    float projectedTotal = 0.0F;
};

// The result's message where the wine's limit made it (the over-limit
// question, or what a row took to find its limit), told with `translate`;
// none for any other message, which is a text of its own to look up.
std::optional<std::string> LimitMessageText(const DoseResult& result, const Translate& translate);

// A question about the wine's own figures: the column it is about, its text
// (the over-limit one composed with its figures) and whether it is that one.
struct WineQuestion {
    DoseColumn column = DoseColumn::TotalSO2;
    std::string_view text;
    bool overLimit = false;
};

// What the wine's figures are checked against, for every dose alike: a
// regime's table, or the user's own limit, which wins over it.
struct WineSettings {
    bool shown = false;  // the wine's columns are written
    std::optional<LimitRegime> regime;
    std::optional<float> limit;
};

// What the wine's settings leave unchecked, said once: a total SO2 with no
// regime or limit to check it against, or a limit with no total SO2 (given
// for no row when `totalGiven` is false). None when there is nothing to say.
std::optional<std::string> WineNoteText(const WineSettings& wine, bool totalGiven);

// An amount as a message shows it: three significant digits, and an
// exponent once it is a billion or more ("6.44e+29"); the plain figure
// below that.
std::string ShortAmountText(float amount);

// `text` with its %1 replaced by `value`.
std::string WithValue(std::string_view text, std::string_view value);

// Why a word column's text names no choice, e.g. `Unknown method "powdr":
// use powder, solution or tablet.`
std::string UnknownWordMessage(DoseColumn column, std::string_view word);

// The word as the tables write it, if `text` names a choice of the column.
std::optional<std::string> CanonicalWord(DoseColumn column, std::string_view text);

// A size given in hundreds, as the sheet reads it: "22.5" becomes "22.5e2",
// exactly 2250. An empty text stays empty, for the sheet to ask for it.
std::string_view Hundredfold(std::string_view size, std::string& scratch);

// The last few words a column named choices with, and those choices: a
// cellar file names the same few words row after row, and comparing them
// as two numbers costs less than looking a word up again.
template <typename Choice>
class RememberedWords {
  public:
    // The choice `word` named before, if it is remembered.
    const Choice* Find(std::string_view word) const {
        const Key key = KeyOf(word);
        for (const Word& kept : words_) {
            if (kept.key == key) {
                return &kept.choice;
            }
        }
        return nullptr;
    }
    // Remembers `word` for `choice` in place of the oldest, unless it is too
    // long to keep.
    void Keep(std::string_view word, Choice choice) {
        if (word.size() <= kLongest) {
            words_[next_] = {KeyOf(word), choice};
            next_ = (next_ + 1) % words_.size();
        }
    }

  private:
    static constexpr std::size_t kLongest = 16;
    // A word of up to kLongest bytes as its length and two numbers that hold
    // every one of its bytes: its first and its last bytes, read so that
    // they overlap where the word is short.
    struct Key {
        std::size_t size = ~std::size_t{0};  // no word
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        bool operator==(const Key&) const = default;
    };
    static Key KeyOf(std::string_view word) {
        Key key{word.size(), 0, 0};
        const char* bytes = word.data();
        if (word.size() >= sizeof(std::uint64_t)) {
            std::memcpy(&key.first, bytes, sizeof(std::uint64_t));
            std::memcpy(&key.last, bytes + word.size() - sizeof(std::uint64_t),
                        sizeof(std::uint64_t));
        } else if (word.size() >= sizeof(std::uint32_t)) {
            std::uint32_t first = 0;
            std::uint32_t last = 0;
            std::memcpy(&first, bytes, sizeof first);
            std::memcpy(&last, bytes + word.size() - sizeof last, sizeof last);
            key.first = first;
            key.last = last;
        } else {
            for (std::size_t i = 0; i < word.size(); ++i) {
                key.first = key.first << 8U | static_cast<unsigned char>(bytes[i]);
            }
        }
        return key;
    }
    struct Word {
        Key key;
        Choice choice{};
    };
    std::array<Word, 4> words_{};
    std::size_t next_ = 0;
};

// One dose put into the main window's sheet under strict rules and
// calculated there. Kept from row to row, it allocates nothing for a dose
// whose words name choices.
class DoseCalculation {
  public:
    DoseCalculation() = default;
    // The sheet points into the calculation's own room.
    DoseCalculation(const DoseCalculation&) = delete;
    DoseCalculation& operator=(const DoseCalculation&) = delete;

    // Puts the texts into the sheet: the target not given reads "0.00", as
    // in the window. The texts must stay until the dose is evaluated. The
    // message when a word names no choice.
    std::optional<std::string> Fill(const DoseTextViews& texts, double pka);

    // The Calculate command on the sheet. With `answerYes` every
    // plausibility question is answered Yes; otherwise the first one stops
    // the dose.
    const DoseResult& Evaluate(bool answerYes);
    // The same with the sheet's questions and the wine's answered apart: a
    // page that asks every question in turn learns the wine's once the
    // sheet's are answered.
    const DoseResult& Evaluate(bool answerSheet, bool answerWine);

    // Every question the last Evaluate asked about the wine's figures, in
    // the order they are asked; the first is the result's message.
    std::span<const WineQuestion> WineQuestions() const {
        return {wineQuestions_.data(), wineQuestionCount_};
    }

    const SheetView& Input() const { return input_; }

    // From now on the wine's figures are read, checked and shown as
    // `settings` says. Without it, a dose is exactly the window's.
    void SetWine(const WineSettings& settings) { wine_ = settings; }
    const WineSettings& Wine() const { return wine_; }

    // The column of the wine's figure that failed its check in the last
    // Evaluate; none when the sheet failed one, or none failed.
    std::optional<DoseColumn> WineErrorColumn() const { return wineErrorColumn_; }

    // The language the limit is told in (the over-limit question and the
    // limit's basis): English unless a page in another language asks.
    void SetTranslate(Translate translate) { translate_ = std::move(translate); }

  private:
    const DoseResult& EvaluateDose(bool answerYes);
    void ShowFigures();
    void ShowFailedText();
    std::optional<std::string> FillWine(const DoseTextViews& texts);
    // The wine's figures once the sheet has answered: a failed check, a
    // question or the three figures into the result.
    void EvaluateWine(bool answerSheet, bool answerWine);
    const DoseResult& WineError(const char* message);

    WineSettings wine_;
    Translate translate_ = [](const char* text) { return std::string(text); };
    std::array<WineQuestion, 3> wineQuestions_;
    std::size_t wineQuestionCount_ = 0;
    std::optional<DoseColumn> wineErrorColumn_;
    struct WineTexts {
        std::string_view total;
        std::string_view sugar;
        std::string_view factor;
        std::optional<WineColour> colour;
        std::optional<WineStyle> style;
    } wineTexts_;
    std::array<ResultText, kWineResultColumnNames.size()> wineFigures_;
    std::string limitText_;
    std::string limitBasis_;
    std::string wineMessage_;

    RememberedWords<VolumeUnit> unit_;
    RememberedWords<SulphiteForm> form_;
    RememberedWords<AdditionMethod> method_;
    RememberedWords<TargetKind> target_;

    DoseTextViews given_;  // as given, for messages
    SheetView input_;
    std::string litres_;
    std::string value_;    // what a message's %1 stands for
    std::string message_;  // a message with its value
    SheetVerdict verdict_;
    DoseResult result_;
};

// The most bytes WriteResultFields writes for `result`.
std::size_t MaxResultFieldsBytes(const DoseResult& result, bool wine = false);

// Writes the result columns of `result` at `out`, each after `separator`,
// the figures with `mark`, and with `wine` the wine's three after them;
// where they end.
char* WriteResultFields(char* out, const DoseResult& result, char separator = ',',
                        DecimalMark mark = DecimalMark::Point, bool wine = false);

// Appends the names of the result columns to `out`, each after `separator`,
// with `wine` the wine's three too.
void AppendResultColumnNames(std::string& out, char separator = ',', bool wine = false);

}  // namespace korvane
