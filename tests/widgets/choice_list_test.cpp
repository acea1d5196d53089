// Lists filled from the core's choice tables: the entries read in the
// user's language, and the choice is carried by each entry.
#include "widgets/choice_list.h"

#include <gtest/gtest.h>

#include "support/printers.h"

namespace korvane::widgets {
namespace {

QStringList Entries(const QComboBox& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) {
        entries << list.itemText(i);
    }
    return entries;
}

TEST(ChoiceListTest, OffersTheTablesEntriesInOrderWithNoneChosen) {
    QComboBox list;
    FillChoiceList(&list, kBatchUnits);
    EXPECT_EQ(Entries(list), (QStringList{"U.S. Gal.", "Imp. Gal.", "Litres"}));
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(CurrentChoice<BatchUnit>(&list), std::nullopt);
}

TEST(ChoiceListTest, TheChoiceIsReadFromTheEntryNotFromItsText) {
    QComboBox list;
    FillChoiceList(&list, kTargetKinds);
    ASSERT_TRUE(SelectChoice(&list, TargetKind::MolecularSO2));
    EXPECT_EQ(list.currentText(), "Molecular SO2");
    list.setItemText(0, "Molecular SO2");
    list.setItemText(1, "anything");
    EXPECT_EQ(CurrentChoice<TargetKind>(&list), TargetKind::MolecularSO2);
}

TEST(ChoiceListTest, AChoiceTheListLacksLeavesItAsItIs) {
    constexpr ChoiceRows<BatchUnit, 1> kLitresOnly{{{BatchUnit::Litre, "Litres", "1", "litres"}}};
    QComboBox list;
    FillChoiceList(&list, kLitresOnly);
    ASSERT_TRUE(SelectChoice(&list, BatchUnit::Litre));
    EXPECT_FALSE(SelectChoice(&list, BatchUnit::UsGallon));
    EXPECT_EQ(CurrentChoice<BatchUnit>(&list), BatchUnit::Litre);
}

}  // namespace
}  // namespace korvane::widgets
