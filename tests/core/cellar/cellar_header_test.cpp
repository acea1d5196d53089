// How header cells are read: as people type them in the six languages, with
// their accents and in any case; what their brackets may say; which cells
// plainly hold an input no name reads; and the program's results read back.
#include "core/cellar/cellar_header.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

struct KeyCase {
    const char* text;
    const char* key;
};

class HeaderKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(HeaderKeyTest, FoldsCaseAndAccents) {
    EXPECT_EQ(HeaderKey(GetParam().text), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderKeyTest,
    testing::Values(
        KeyCase{"SO2 libre visé", "so2librevise"}, KeyCase{"SO2 LIBRE VISÉ", "so2librevise"},
        // A decomposed "é", as some systems type it.
        KeyCase{"vise\xCC\x81", "vise"}, KeyCase{"Depósito", "deposito"},
        KeyCase{"DEPÓSITO", "deposito"}, KeyCase{"Lösungsstärke", "losungsstarke"},
        KeyCase{"Größe", "grosse"}, KeyCase{"Œnologie", "oenologie"}, KeyCase{"Unità", "unita"},
        KeyCase{"Solução", "solucao"}, KeyCase{"Año Ñ", "anon"}, KeyCase{"SO₂ libre", "so2libre"},
        KeyCase{"mg·L⁻¹",
                "mgl\xE2\x81\xBB"
                "1"},
        KeyCase{"µg", "ug"}, KeyCase{"FREE_SO2", "freeso2"}, KeyCase{" pH-Wert ", "phwert"},
        KeyCase{"Vol. (hL)", "volhl"}, KeyCase{"\xE9t\xE9", "\xE9t\xE9"}));

// One header cell alone, and what it is found to be, perhaps with headers
// the user named.
struct CellCase {
    const char* cell;
    std::optional<DoseColumn> column;
    std::optional<TargetKind> kind = std::nullopt;
    std::vector<NamedHeader> named = {};
};

class HeaderCellTest : public testing::TestWithParam<CellCase> {};

TEST_P(HeaderCellTest, NamesItsColumn) {
    const CellCase& c = GetParam();
    HeaderColumns found;
    ASSERT_FALSE(FindHeaderColumns({c.cell}, c.named, found)) << c.cell;
    std::optional<DoseColumn> column;
    for (std::size_t i = 0; i < kDoseColumnCount; ++i) {
        column = found.cellOf[i] ? std::optional(static_cast<DoseColumn>(i)) : column;
    }
    EXPECT_EQ(column, c.column) << c.cell;
    EXPECT_EQ(found.targetKind, c.kind) << c.cell;
}

constexpr auto kPh = DoseColumn::Ph;
constexpr auto kFreeSO2 = DoseColumn::FreeSO2;
constexpr auto kSize = DoseColumn::BatchSize;
constexpr auto kTarget = DoseColumn::Target;

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderCellTest,
    testing::Values(
        // English
        CellCase{"Free SO2 (mg/L)", kFreeSO2}, CellCase{"Volume (gal)", kSize},
        CellCase{"Target free SO2 (mg/L)", kTarget, kFree},
        CellCase{"Target (molecular)", kTarget, kMolecular}, CellCase{"Target", kTarget},
        CellCase{"Free SO2 (target)", kTarget, kFree}, CellCase{"Batch", std::nullopt},
        CellCase{"Target type", DoseColumn::TargetKind},
        // French
        CellCase{"SO2 libre (mg/L)", kFreeSO2}, CellCase{"SO2 libre visé (mg/L)", kTarget, kFree},
        CellCase{"SO2 LIBRE VISE", kTarget, kFree},
        CellCase{"SO2 moléculaire visé", kTarget, kMolecular},
        CellCase{"Cible (visé libre)", kTarget, kFree}, CellCase{"Unité", DoseColumn::Unit},
        CellCase{"Comprimé (g)", DoseColumn::TabletG}, CellCase{"Cuve", std::nullopt},
        // Italian
        CellCase{"SO2 libera", kFreeSO2}, CellCase{"Obiettivo (molecolare)", kTarget, kMolecular},
        CellCase{"Soluzione (%)", DoseColumn::SolutionPct}, CellCase{"Vasca", std::nullopt},
        // Spanish
        CellCase{"Volumen (hL)", kSize}, CellCase{"SO2 libre objetivo", kTarget, kFree},
        CellCase{"Método", DoseColumn::Method}, CellCase{"Depósito", std::nullopt},
        // German
        CellCase{"pH-Wert", kPh}, CellCase{"Freie SO2 (mg/l)", kFreeSO2}, CellCase{"Menge", kSize},
        CellCase{"Zielwert", kTarget}, CellCase{"Ziel molekulare SO2", kTarget, kMolecular},
        CellCase{"Zielwert (frei)", kTarget, kFree}, CellCase{"Zielart", DoseColumn::TargetKind},
        CellCase{"Charge", std::nullopt},
        // Portuguese
        CellCase{"SO2 livre", kFreeSO2}, CellCase{"SO2 livre alvo", kTarget, kFree},
        CellCase{"Volume do depósito", kSize}, CellCase{"Unidade", DoseColumn::Unit},
        CellCase{"Lote", std::nullopt},
        // The wine's own, in each language.
        CellCase{"Total SO2 (mg/L)", DoseColumn::TotalSO2},
        CellCase{"SO2 total (mg/L)", DoseColumn::TotalSO2},
        CellCase{"SO2 totale", DoseColumn::TotalSO2}, CellCase{"Gesamt-SO2", DoseColumn::TotalSO2},
        CellCase{"Couleur", DoseColumn::Colour}, CellCase{"Farbe", DoseColumn::Colour},
        CellCase{"Cor", DoseColumn::Colour}, CellCase{"Sucre (g/L)", DoseColumn::Sugar},
        CellCase{"Azúcar", DoseColumn::Sugar}, CellCase{"Restzucker (g/L)", DoseColumn::Sugar},
        CellCase{"Açúcar", DoseColumn::Sugar}, CellCase{"Stile", DoseColumn::Style},
        CellCase{"Estilo", DoseColumn::Style},
        CellCase{"Bindungsfaktor", DoseColumn::BindingFactor},
        CellCase{"binding_factor", DoseColumn::BindingFactor},
        // A header the user names is what the user said, whatever its accents,
        // and a target so named says its kind by its name.
        CellCase{"Free SO2 (target)", kFreeSO2, std::nullopt, {{kFreeSO2, "Free SO2"}}},
        CellCase{"SO2 libre visé (mg/L)", kTarget, kFree, {{kTarget, "SO2 libre visé"}}},
        CellCase{"SO2 libre visé du jour (mg/L)",
                 kTarget,
                 std::nullopt,
                 {{kTarget, "so2 Libre vise\xCC\x81 du jour"}}}));

TEST(HeaderTableTest, NoKeyNamesTwoColumns) {
    std::set<std::pair<std::string, DoseColumn>> seen;
    std::set<std::string> keys;
    for (const ColumnName& row : kColumnNames) {
        const std::string key = HeaderKey(row.name);
        EXPECT_FALSE(key.empty()) << row.name;
        if (seen.insert({key, row.column}).second) {
            EXPECT_TRUE(keys.insert(key).second) << row.name << " names two columns";
        }
    }
    for (const char* tank : kTankNames) {
        EXPECT_EQ(keys.count(HeaderKey(tank)), 0U) << tank << " is a tank and a column";
    }
}

TEST(HeaderTableTest, EachColumnsOwnNameIsOneOfItsNames) {
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        HeaderColumns found;
        ASSERT_FALSE(FindHeaderColumns({kDoseColumnNames[c]}, {}, found));
        EXPECT_EQ(found.cellOf[c], 0U) << kDoseColumnNames[c];
    }
}

struct BracketCase {
    DoseColumn column;
    const char* bracket;
    const char* unknown;  // "" when every word fits
    std::optional<TargetKind> kind = std::nullopt;
    std::optional<VolumeUnit> unit = std::nullopt;
};

class BracketTest : public testing::TestWithParam<BracketCase> {};

TEST_P(BracketTest, ReadsOnlyWordsThatFit) {
    const BracketCase& c = GetParam();
    const BracketReading reading = ReadBrackets(c.column, c.bracket);
    EXPECT_EQ(reading.unknown, c.unknown) << c.bracket;
    EXPECT_EQ(reading.kind, c.kind) << c.bracket;
    EXPECT_EQ(reading.unit, c.unit) << c.bracket;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BracketTest,
    testing::Values(
        BracketCase{kFreeSO2, "mg/L", ""}, BracketCase{kFreeSO2, "mg L-1", ""},
        BracketCase{kFreeSO2, "mg/L as SO2", ""}, BracketCase{kFreeSO2, "PPM", ""},
        BracketCase{kFreeSO2, "mg / l; measured", ""}, BracketCase{kFreeSO2, "libre, mg/L", ""},
        BracketCase{kFreeSO2, "g SO2/L", "g SO2/L"}, BracketCase{kFreeSO2, "mmol/L", "mmol/L"},
        BracketCase{kFreeSO2, "%", "%"}, BracketCase{kFreeSO2, "ppb", "ppb"},
        BracketCase{kFreeSO2, "oz/gal", "oz/gal"}, BracketCase{kFreeSO2, "g/L", "g/L"},
        BracketCase{kFreeSO2, "mg/L, molecular", "molecular"},
        BracketCase{kTarget, "molecular", "", kMolecular},
        BracketCase{kTarget, "moléculaire, mg/L", "", kMolecular},
        BracketCase{kTarget, "visé libre", "", kFree}, BracketCase{kTarget, "free", "", kFree},
        BracketCase{kTarget, "free, molecular", "molecular", kFree},
        BracketCase{kTarget, "measured", "measured"}, BracketCase{kPh, "measured", ""},
        BracketCase{kPh, "free", "free"}, BracketCase{kPh, "mg/L", "mg/L"},
        BracketCase{kSize, "hL", "", std::nullopt, VolumeUnit::Hectolitre},
        BracketCase{kSize, "US gal", "", std::nullopt, VolumeUnit::UsGallon},
        BracketCase{kSize, "L, hL", "hL", std::nullopt, VolumeUnit::Hectolitre},
        BracketCase{kSize, "gal", "gal"}, BracketCase{DoseColumn::SolutionPct, "%", ""},
        BracketCase{DoseColumn::TabletG, "g", ""}, BracketCase{DoseColumn::TabletG, "mg", "mg"}));

// A whole header: what is found beside the columns.
TEST(HeaderColumnsTest, FindsTheTankColumnByNameElseTheFirstOtherCell) {
    HeaderColumns found;
    ASSERT_FALSE(FindHeaderColumns({"Lot", "Cuve", "pH"}, {}, found));
    EXPECT_EQ(found.tankCell, 1U);
    ASSERT_FALSE(FindHeaderColumns({"pH", "Note", "Lieu"}, {}, found));
    EXPECT_EQ(found.tankCell, 1U);
}

struct UnreadCase {
    std::vector<std::string> cells;
    std::vector<NamedHeader> named;
    std::optional<DoseColumn> unread;
};

class UnreadTest : public testing::TestWithParam<UnreadCase> {};

TEST_P(UnreadTest, FindsACellThatPlainlyHoldsAnInput) {
    const UnreadCase& c = GetParam();
    HeaderColumns found;
    ASSERT_FALSE(FindHeaderColumns(c.cells, c.named, found));
    EXPECT_EQ(found.unreadColumn, c.unread) << c.cells.back();
    EXPECT_EQ(found.unreadCell.has_value(), c.unread.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadTest,
    testing::Values(UnreadCase{{"pH", "SO2 au labo (mg/L)"}, {}, kFreeSO2},
                    UnreadCase{{"pH", "FSO2 lab"}, {}, kFreeSO2},
                    UnreadCase{{"Free SO2", "SO2 lab 2"}, {}, std::nullopt},
                    UnreadCase{{"pH", "Total SO2"}, {}, std::nullopt},
                    // Total SO2 is an input now: one no name reads is unread.
                    UnreadCase{{"pH", "SO2 total labo"}, {}, DoseColumn::TotalSO2},
                    UnreadCase{{"pH", "TSO2", "Gesamt SO2 neu"}, {}, std::nullopt},
                    UnreadCase{{"pH", "SO2 combiné"}, {}, std::nullopt},
                    UnreadCase{{"pH", "SO2 moléculaire"}, {}, std::nullopt},
                    UnreadCase{{"pH", "SO2 visé demain"}, {}, kTarget},
                    UnreadCase{{"Ziel neu"}, {}, kTarget}, UnreadCase{{"pH lab"}, {}, kPh},
                    UnreadCase{{"Volume net"}, {}, kSize}, UnreadCase{{"Vol. restant"}, {}, kSize},
                    UnreadCase{{"Batch"}, {}, std::nullopt},
                    UnreadCase{{"Phase"}, {}, std::nullopt},
                    // Passed over by the user: the option is meant.
                    UnreadCase{{"SO2 au labo"}, {{kFreeSO2, ""}}, std::nullopt}));

}  // namespace
}  // namespace korvane
