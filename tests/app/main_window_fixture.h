// The main window as the user meets it: one window per test on a desktop of
// fakes, and helpers that act the way a user does (typing, clicking arrows,
// picking list entries by what they read).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "app/main_window/frm_sulfite.h"
#include "support/controls.h"
#include "support/fake_desktop.h"
#include "widgets/spin_bar.h"
#include "widgets/text_box.h"

namespace korvane {

inline constexpr char kFreeTarget[] = "Total Free SO2";
inline constexpr char kMolecularTarget[] = "Molecular SO2";

// The grey of a result, and of a field that is no input.
inline const QColor kLightGrey(224, 224, 224);

// The window's results, in the order a calculation fills them.
inline constexpr const char* kResults[] = {"lblExistMolSO2", "lblSO2Requirement",
                                           "lblMolSO2Requirement", "lblAddition", "lblAddition2"};

enum class Arrow { Upper, Lower };

class MainWindowTest : public ::testing::Test {
  protected:
    template <typename Control = QWidget>
    Control* Find(const char* name) {
        return Get<Control>(window_, name);
    }
    widgets::TextBox* Box(const char* name) { return Find<widgets::TextBox>(name); }
    widgets::SpinBar* Bar(const char* name) { return Find<widgets::SpinBar>(name); }
    QLabel* Label(const char* name) { return Find<QLabel>(name); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }
    QRadioButton* Option(const char* name) { return Find<QRadioButton>(name); }

    // Shown and active, so that the keyboard focus can be followed.
    void ShowActive() {
        window_.show();
        window_.activateWindow();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    // Picks the entry that reads `text`.
    void Select(const char* list, const QString& text) {
        const int index = List(list)->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << text.toStdString();
        List(list)->setCurrentIndex(index);
    }

    void Choose(const char* option) {
        QTest::mouseClick(Option(option), Qt::LeftButton, {}, QPoint(8, 10));
        ASSERT_TRUE(Option(option)->isChecked()) << option;
    }

    // Writes a field's text as the program does: no key filter, no limit.
    void Put(const char* field, const QString& text) { Box(field)->setText(text); }

    // Replaces a field's text key by key.
    void Type(const char* field, const QString& text) {
        widgets::TextBox* box = Box(field);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        ASSERT_EQ(box->text(), text) << field;
    }

    static void ClickArrow(widgets::SpinBar* bar, Arrow arrow) {
        const QRect area = arrow == Arrow::Upper ? bar->UpperArrowRect() : bar->LowerArrowRect();
        QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    }

    void ClickCalculate() { QTest::mouseClick(Find<QWidget>("cmdCalculate"), Qt::LeftButton); }

    // 10 mg/L of free SO2 raised to 40 (or to 0.8 molecular) in 23 litres of
    // wine at pH 3.5, with potassium metabisulphite.
    void PutExample(const char* method, const char* target) {
        Choose(method);
        Select("cboForm", "Potassium Metabisulphite");
        Select("cboBatch", "Litres");
        Select("cboTarget", target);
        const std::pair<const char*, const char*> texts[] = {
            {"txtExistSO2", "10"},   {"txtTargetSO2", "40"}, {"txtTargetMolSO2", "0.8"},
            {"txtPh", "3.5"},        {"txtBatchSize", "23"}, {"txtSolution", "10"},
            {"txtTabWeight", "0.44"}};
        for (const auto& [field, text] : texts) {
            Put(field, text);
        }
    }

    // Figures in the two amounts, so that their clearing shows.
    void FillAmounts() {
        Label("lblAddition")->setText("5.55");
        Label("lblAddition2")->setText("6.66");
    }
    QStringList Amounts() { return {Label("lblAddition")->text(), Label("lblAddition2")->text()}; }
    static QStringList Cleared() { return {"0.00", "0.00"}; }

    static QString FocusName() {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
    }

    // Declared first: the window never reaches the real desktop.
    testing::FakeDesktop desktop_;
    FrmSulfite window_{desktop_.context};
};

}  // namespace korvane
