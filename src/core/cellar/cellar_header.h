// How a cellar file's header names the columns of a dose: by the names
// spreadsheets in English, French, Italian, Spanish, German and Portuguese
// head them with ("Free SO2 (mg/L)", "SO2 libre visé", "Zielwert",
// "Depósito"...), or by a header the user names on the command line; what
// the words in a header's brackets say; which cells plainly hold an input
// although no name reads them; and which are the program's own results,
// read back.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cellar/dose_calculation.h"

namespace korvane {

// A text as header names are compared: letters in lower case and without
// their accents ("Visé" and "vise" agree), digits kept, and everything else
// (blanks, '_', '-', '/', '.') left out. Only the accented letters of the
// six languages are folded; other characters beyond ASCII are kept as they
// are.
std::string HeaderKey(std::string_view text);

// A header cell as it is compared: its key, and the words in the
// parentheses or square brackets at its end, kept apart ("hL" of
// "Volume (hL)", "mg/L as SO2" of "Free SO2 [mg/L as SO2]").
struct HeaderName {
    std::string key;
    std::string_view bracket;  // empty when none
};

HeaderName ReadHeaderName(std::string_view cell);

enum class HeaderLanguage { English, French, Italian, Spanish, German, Portuguese };

// A name a column goes by; a target's name may say its kind.
struct ColumnName {
    DoseColumn column;
    HeaderLanguage language;
    const char* name;  // as a spreadsheet heads it; compared by HeaderKey
    std::optional<TargetKind> kind = std::nullopt;
};

inline constexpr std::optional<TargetKind> kFree = TargetKind::FreeSO2;
inline constexpr std::optional<TargetKind> kMolecular = TargetKind::MolecularSO2;

// Every column's names, language by language. The column's own name
// (kDoseColumnNames) is its first English name. No key names two columns.
inline constexpr std::array kColumnNames{
    // English
    ColumnName{DoseColumn::Ph, HeaderLanguage::English, "ph"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::English, "free_so2"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::English, "fso2"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::English, "existing so2"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::English, "free sulfur dioxide"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::English, "free sulphur dioxide"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::English, "batch_size"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::English, "volume"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::English, "size"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::English, "vol"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::English, "tank volume"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::English, "unit"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::English, "units"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::English, "volume unit"},
    ColumnName{DoseColumn::Form, HeaderLanguage::English, "form"},
    ColumnName{DoseColumn::Form, HeaderLanguage::English, "sulphite"},
    ColumnName{DoseColumn::Form, HeaderLanguage::English, "sulfite"},
    ColumnName{DoseColumn::Method, HeaderLanguage::English, "method"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::English, "solution_pct"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::English, "solution"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::English, "solution strength"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::English, "tablet_g"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::English, "tablet"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::English, "tablet weight"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::English, "target_kind"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::English, "target type"},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "target"},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "target so2"},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "target free so2", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "free so2 target", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "target molecular so2", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::English, "molecular so2 target", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::English, "total_so2"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::English, "total so2"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::English, "tso2"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::English, "total sulfur dioxide"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::English, "total sulphur dioxide"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::English, "colour"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::English, "color"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::English, "sugar"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::English, "residual sugar"},
    ColumnName{DoseColumn::Style, HeaderLanguage::English, "style"},
    ColumnName{DoseColumn::Style, HeaderLanguage::English, "wine style"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::English, "binding_factor"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::English, "binding factor"},
    // French
    ColumnName{DoseColumn::Ph, HeaderLanguage::French, "pH"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::French, "volume"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::French, "SO2 libre"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::French, "SO2L"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::French, "SO2 libre mesuré"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::French, "anhydride sulfureux libre"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::French, "volume cuve"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::French, "unité"},
    ColumnName{DoseColumn::Form, HeaderLanguage::French, "forme"},
    ColumnName{DoseColumn::Form, HeaderLanguage::French, "métabisulfite"},
    ColumnName{DoseColumn::Method, HeaderLanguage::French, "méthode"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::French, "concentration solution"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::French, "comprimé"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::French, "poids comprimé"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::French, "type de cible"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::French, "type cible"},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "cible"},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "objectif"},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 visé"},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 cible"},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 libre visé", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 visé libre", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 libre cible", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "cible SO2 libre", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 moléculaire visé", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 visé moléculaire", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "SO2 moléculaire cible", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::French, "cible SO2 moléculaire", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::French, "SO2 total"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::French, "SO2T"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::French, "anhydride sulfureux total"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::French, "couleur"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::French, "sucre"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::French, "sucres"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::French, "sucres résiduels"},
    ColumnName{DoseColumn::Style, HeaderLanguage::French, "style"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::French, "facteur de combinaison"},
    // Italian
    ColumnName{DoseColumn::Ph, HeaderLanguage::Italian, "pH"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Italian, "volume"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Italian, "SO2 libera"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Italian, "SO2 libero"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Italian, "anidride solforosa libera"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Italian, "volume vasca"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::Italian, "unità"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Italian, "forma"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Italian, "metabisolfito"},
    ColumnName{DoseColumn::Method, HeaderLanguage::Italian, "metodo"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Italian, "soluzione"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Italian, "concentrazione soluzione"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Italian, "compressa"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Italian, "peso compressa"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::Italian, "tipo obiettivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "obiettivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "SO2 obiettivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "SO2 libera obiettivo", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "obiettivo SO2 libera", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "SO2 molecolare obiettivo", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::Italian, "obiettivo SO2 molecolare", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Italian, "SO2 totale"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Italian, "anidride solforosa totale"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::Italian, "colore"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Italian, "zucchero"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Italian, "zuccheri residui"},
    ColumnName{DoseColumn::Style, HeaderLanguage::Italian, "stile"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::Italian, "fattore di combinazione"},
    // Spanish
    ColumnName{DoseColumn::Ph, HeaderLanguage::Spanish, "pH"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Spanish, "forma"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Spanish, "SO2 libre"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Spanish, "sulfuroso libre"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Spanish, "anhídrido sulfuroso libre"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Spanish, "volumen"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Spanish, "volumen depósito"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::Spanish, "unidad"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Spanish, "metabisulfito"},
    ColumnName{DoseColumn::Method, HeaderLanguage::Spanish, "método"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Spanish, "solución"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Spanish, "concentración solución"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Spanish, "tableta"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Spanish, "pastilla"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Spanish, "peso tableta"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::Spanish, "tipo objetivo"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::Spanish, "tipo de objetivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "objetivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "SO2 objetivo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "SO2 libre objetivo", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "objetivo SO2 libre", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "SO2 molecular objetivo", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::Spanish, "objetivo SO2 molecular", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Spanish, "SO2 total"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Spanish, "sulfuroso total"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::Spanish, "color"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Spanish, "azúcar"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Spanish, "azúcar residual"},
    ColumnName{DoseColumn::Style, HeaderLanguage::Spanish, "estilo"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::Spanish, "factor de combinación"},
    // German
    ColumnName{DoseColumn::Ph, HeaderLanguage::German, "pH"},
    ColumnName{DoseColumn::Form, HeaderLanguage::German, "Form"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::German, "Volumen"},
    ColumnName{DoseColumn::Ph, HeaderLanguage::German, "pH-Wert"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::German, "freie SO2"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::German, "freies SO2"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::German, "SO2 frei"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::German, "freie schweflige Säure"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::German, "Menge"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::German, "Tankvolumen"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::German, "Einheit"},
    ColumnName{DoseColumn::Form, HeaderLanguage::German, "Disulfit"},
    ColumnName{DoseColumn::Form, HeaderLanguage::German, "Metabisulfit"},
    ColumnName{DoseColumn::Method, HeaderLanguage::German, "Methode"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::German, "Lösung"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::German, "Lösungsstärke"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::German, "Tablette"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::German, "Tablettengewicht"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::German, "Zielart"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::German, "Zieltyp"},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Ziel"},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Zielwert"},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "SO2 Ziel"},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Ziel freie SO2", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Zielwert freie SO2", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "freie SO2 Ziel", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Ziel molekulare SO2", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "Zielwert molekulare SO2", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::German, "molekulare SO2 Ziel", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::German, "Gesamt-SO2"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::German, "gesamte SO2"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::German, "SO2 gesamt"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::German, "Farbe"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::German, "Zucker"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::German, "Restzucker"},
    ColumnName{DoseColumn::Style, HeaderLanguage::German, "Stil"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::German, "Bindungsfaktor"},
    // Portuguese
    ColumnName{DoseColumn::Ph, HeaderLanguage::Portuguese, "pH"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Portuguese, "volume"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Portuguese, "forma"},
    ColumnName{DoseColumn::Method, HeaderLanguage::Portuguese, "método"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Portuguese, "SO2 livre"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Portuguese, "anidrido sulfuroso livre"},
    ColumnName{DoseColumn::FreeSO2, HeaderLanguage::Portuguese, "dióxido de enxofre livre"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Portuguese, "volume do depósito"},
    ColumnName{DoseColumn::BatchSize, HeaderLanguage::Portuguese, "volume da cuba"},
    ColumnName{DoseColumn::Unit, HeaderLanguage::Portuguese, "unidade"},
    ColumnName{DoseColumn::Form, HeaderLanguage::Portuguese, "metabissulfito"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Portuguese, "solução"},
    ColumnName{DoseColumn::SolutionPct, HeaderLanguage::Portuguese, "concentração da solução"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Portuguese, "comprimido"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Portuguese, "pastilha"},
    ColumnName{DoseColumn::TabletG, HeaderLanguage::Portuguese, "peso do comprimido"},
    ColumnName{DoseColumn::TargetKind, HeaderLanguage::Portuguese, "tipo de alvo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "alvo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "SO2 alvo"},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "SO2 livre alvo", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "alvo SO2 livre", kFree},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "SO2 molecular alvo", kMolecular},
    ColumnName{DoseColumn::Target, HeaderLanguage::Portuguese, "alvo SO2 molecular", kMolecular},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Portuguese, "SO2 total"},
    ColumnName{DoseColumn::TotalSO2, HeaderLanguage::Portuguese, "dióxido de enxofre total"},
    ColumnName{DoseColumn::Colour, HeaderLanguage::Portuguese, "cor"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Portuguese, "açúcar"},
    ColumnName{DoseColumn::Sugar, HeaderLanguage::Portuguese, "açúcar residual"},
    ColumnName{DoseColumn::Style, HeaderLanguage::Portuguese, "estilo"},
    ColumnName{DoseColumn::BindingFactor, HeaderLanguage::Portuguese, "fator de combinação"},
};

// The names of the column that names the tanks, which pass through; where
// none stands, the first column that is no input names them.
inline constexpr std::array kTankNames{
    "tank",     "vessel", "cuve",     "vasca", "serbatoio",
    "depósito", "tanque", "Behälter", "Fass",  "cuba",
};

// What a word in a header's brackets says. The units of a batch size are
// the unit words' (core/choice_words.h: L, hL, the two gallons).
enum class BracketMeaning {
    MgPerLitre,  // the unit SO2 is read in
    GPerLitre,   // the unit sugar is read in
    Percent,     // a solution's strength
    Gram,        // a tablet's weight
    Free,        // a free SO2 target
    Molecular,   // a molecular SO2 target
    Measured,    // the wine as it is
    Target,      // what the wine is brought to
};

struct BracketWord {
    BracketMeaning meaning;
    const char* word;  // compared by HeaderKey, or as it is when that is empty
};

inline constexpr std::array kBracketWords{
    BracketWord{BracketMeaning::MgPerLitre, "mg/L"},
    BracketWord{BracketMeaning::MgPerLitre, "mg L-1"},
    BracketWord{BracketMeaning::MgPerLitre, "mg/L as SO2"},
    BracketWord{BracketMeaning::MgPerLitre, "mg SO2/L"},
    BracketWord{BracketMeaning::MgPerLitre, "mg/L SO2"},
    BracketWord{BracketMeaning::MgPerLitre, "ppm"},
    BracketWord{BracketMeaning::GPerLitre, "g/L"},
    BracketWord{BracketMeaning::GPerLitre, "g L-1"},
    BracketWord{BracketMeaning::Percent, "%"},
    BracketWord{BracketMeaning::Percent, "% w/v"},
    BracketWord{BracketMeaning::Gram, "g"},
    BracketWord{BracketMeaning::Gram, "grams"},
    BracketWord{BracketMeaning::Gram, "grammes"},
    BracketWord{BracketMeaning::Gram, "grammi"},
    BracketWord{BracketMeaning::Gram, "gramos"},
    BracketWord{BracketMeaning::Gram, "Gramm"},
    BracketWord{BracketMeaning::Gram, "gramas"},
    BracketWord{BracketMeaning::Free, "free"},
    BracketWord{BracketMeaning::Free, "libre"},
    BracketWord{BracketMeaning::Free, "libera"},
    BracketWord{BracketMeaning::Free, "frei"},
    BracketWord{BracketMeaning::Free, "freie"},
    BracketWord{BracketMeaning::Free, "livre"},
    BracketWord{BracketMeaning::Molecular, "molecular"},
    BracketWord{BracketMeaning::Molecular, "moléculaire"},
    BracketWord{BracketMeaning::Molecular, "molecolare"},
    BracketWord{BracketMeaning::Molecular, "molekular"},
    BracketWord{BracketMeaning::Molecular, "molekulare"},
    BracketWord{BracketMeaning::Measured, "measured"},
    BracketWord{BracketMeaning::Measured, "current"},
    BracketWord{BracketMeaning::Measured, "mesuré"},
    BracketWord{BracketMeaning::Measured, "actuel"},
    BracketWord{BracketMeaning::Measured, "misurato"},
    BracketWord{BracketMeaning::Measured, "attuale"},
    BracketWord{BracketMeaning::Measured, "medido"},
    BracketWord{BracketMeaning::Measured, "actual"},
    BracketWord{BracketMeaning::Measured, "gemessen"},
    BracketWord{BracketMeaning::Measured, "aktuell"},
    BracketWord{BracketMeaning::Measured, "atual"},
    BracketWord{BracketMeaning::Target, "target"},
    BracketWord{BracketMeaning::Target, "visé"},
    BracketWord{BracketMeaning::Target, "cible"},
    BracketWord{BracketMeaning::Target, "obiettivo"},
    BracketWord{BracketMeaning::Target, "objetivo"},
    BracketWord{BracketMeaning::Target, "Ziel"},
    BracketWord{BracketMeaning::Target, "alvo"},
};

// What the brackets of a column's header say: each item (items are
// separated by ',' or ';', and one that is not a word of the table as a
// whole may be several, separated by blanks: "visé libre") is a unit of the
// column or a word that fits it.
struct BracketReading {
    std::optional<VolumeUnit> unit;  // the batch size's
    std::optional<TargetKind> kind;  // a target's
    bool target = false;             // a target word, on a free SO2 header
    std::string_view unknown;        // the first item that fits not; empty when all do
};

BracketReading ReadBrackets(DoseColumn column, std::string_view bracket);

// A header the user names for a column (`--column NAME=HEADER`). It takes
// the place of the column's own names; an empty one reads no column for it.
struct NamedHeader {
    DoseColumn column;
    std::string header;
};

// The header cells that name the dose's columns.
struct HeaderColumns {
    std::array<std::optional<std::size_t>, kDoseColumnCount> cellOf;
    // The words in the brackets of each column's cell ("hL" of "Volume
    // (hL)"), read with its name; they point into the cells.
    std::array<std::string_view, kDoseColumnCount> bracketOf;
    // The kind the target's header says, by its name or its brackets.
    std::optional<TargetKind> targetKind;
    // The cell that names the tanks: the first of kTankNames, else the
    // first cell that names no column.
    std::optional<std::size_t> tankCell;
    // Where the program's own result columns begin, when the file is an
    // output of it read back: they are replaced, not read.
    std::optional<std::size_t> resultsFrom;
    // The first cell that is not read but plainly holds an input, and the
    // column it seems to be; only where nothing in the file reads that one.
    std::optional<std::size_t> unreadCell;
    std::optional<DoseColumn> unreadColumn;
};

struct HeaderClash {
    enum class Kind {
        ColumnTwice,          // `column` in `cell` and `otherCell`
        TwoColumnsInOneCell,  // `cell` names `column` and `other`
        ResultColumn,         // `cell` is a result column, apart from the others
        BracketWord,          // `cell`'s brackets hold `word`, which fits not
    };
    Kind kind;
    std::optional<DoseColumn> column = std::nullopt;
    std::optional<DoseColumn> other = std::nullopt;
    std::size_t cell = 0;
    std::size_t otherCell = 0;
    std::string_view word = {};
};

// Finds the columns among `cells`; a clash when a column is named twice, a
// cell names two columns, a result column stands apart from the others, or
// a target's brackets say something else than its name.
std::optional<HeaderClash> FindHeaderColumns(const std::vector<std::string>& cells,
                                             const std::vector<NamedHeader>& named,
                                             HeaderColumns& found);

}  // namespace korvane
