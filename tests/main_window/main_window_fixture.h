// The main window as the user meets it: one window per test, scripted message
// boxes, and helpers that act the way a user does (typing, clicking arrows,
// picking list entries).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <ostream>

#include "main_window/frm_sulfite.h"
#include "platform/spin_bar.h"
#include "platform/text_box.h"
#include "support/fake_message_boxes.h"

// Readable failure messages: texts as text, colours as their components.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        *out << " \"" << text.toStdString() << '"';
    }
    *out << " }";
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ')';
}

namespace korvane {

inline constexpr char kFreeTarget[] = "Total Free SO2";
inline constexpr char kMolecularTarget[] = "Molecular SO2";
inline constexpr char kPotassium[] = "Potassium Metabisulphite";
inline constexpr char kSodium[] = "Sodium Metabisulphite";
inline constexpr char kLitres[] = "Litres";

enum class Arrow { Upper, Lower };

// Every control of the main window, found by its name as a user would by its
// place on screen.
#define KORVANE_MAIN_WINDOW_CONTROLS(X)   \
    X(QFrame, Picture1)                   \
    X(QGroupBox, fraSO2)                  \
    X(QGroupBox, Frame2)                  \
    X(QPushButton, cmdCalculate)          \
    X(QPushButton, cmdAbout)              \
    X(QPushButton, cmdSettings)           \
    X(QPushButton, cmdExit)               \
    X(platform::TextBox, txtExistSO2)     \
    X(platform::TextBox, txtTargetSO2)    \
    X(platform::TextBox, txtTargetMolSO2) \
    X(platform::TextBox, txtBatchSize)    \
    X(platform::TextBox, txtPh)           \
    X(platform::TextBox, txtSolution)     \
    X(platform::TextBox, txtTabWeight)    \
    X(platform::SpinBar, vsbExistSO2)     \
    X(platform::SpinBar, vsbTargetSO2)    \
    X(platform::SpinBar, vsbTargetMolSO2) \
    X(platform::SpinBar, vsbBatchSize)    \
    X(platform::SpinBar, vsbPh)           \
    X(platform::SpinBar, vsbPercent)      \
    X(platform::SpinBar, vsbCampden)      \
    X(QComboBox, cboForm)                 \
    X(QComboBox, cboBatch)                \
    X(QComboBox, cboTarget)               \
    X(QRadioButton, optPowder)            \
    X(QRadioButton, optSolution)          \
    X(QRadioButton, optTablet)            \
    X(QLabel, lblExistMolSO2)             \
    X(QLabel, lblSO2Requirement)          \
    X(QLabel, lblMolSO2Requirement)       \
    X(QLabel, lblAddition)                \
    X(QLabel, lblAddition2)               \
    X(QLabel, lblAdd)                     \
    X(QLabel, lblTeaspoons)               \
    X(QLabel, lblPercent)                 \
    X(QLabel, lblTabWeight)               \
    X(QLabel, Label1)                     \
    X(QLabel, Label2)                     \
    X(QLabel, Label3)                     \
    X(QLabel, Label4)                     \
    X(QLabel, Label5)                     \
    X(QLabel, Label6)                     \
    X(QLabel, Label7)                     \
    X(QLabel, Label8)                     \
    X(QLabel, Label9)                     \
    X(QLabel, Label10)                    \
    X(QLabel, Label11)

struct MainWindowControls {
#define KORVANE_DECLARE_CONTROL(Type, name) Type* name = nullptr;
    KORVANE_MAIN_WINDOW_CONTROLS(KORVANE_DECLARE_CONTROL)
#undef KORVANE_DECLARE_CONTROL

    explicit MainWindowControls(QWidget& window) {
#define KORVANE_FIND_CONTROL(Type, name)                                    \
    name = window.findChild<Type*>(#name);                                  \
    if (name == nullptr) {                                                  \
        ADD_FAILURE() << "the main window has no " #name " of kind " #Type; \
    }
        KORVANE_MAIN_WINDOW_CONTROLS(KORVANE_FIND_CONTROL)
#undef KORVANE_FIND_CONTROL
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : window_(std::make_unique<FrmSulfite>()), controls_(*window_) {}

    FrmSulfite& Window() { return *window_; }
    const MainWindowControls& Ui() const { return controls_; }

    // Shows the window and makes it the active one, so that the keyboard
    // focus can be followed.
    void ShowActive() {
        window_->show();
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    // Picks a list entry by its text, as a user choosing it from the list.
    static void Select(QComboBox* list, const QString& text) {
        const int index = list->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
    }

    // Clicks an option button.
    static void Choose(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        ASSERT_TRUE(option->isChecked()) << option->objectName().toStdString();
    }

    // Writes a field's text as the program does (no key filter, no length
    // limit).
    static void Put(QLineEdit* field, const QString& text) {
        static_cast<platform::TextBox*>(field)->setText(text);
    }

    // Replaces a field's text by typing, key by key.
    static void Type(QLineEdit* field, const QString& text) {
        ASSERT_TRUE(field->isEnabled()) << field->objectName().toStdString();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        ASSERT_EQ(field->text(), text) << field->objectName().toStdString();
    }

    static void ClickArrow(platform::SpinBar* bar, Arrow arrow) {
        const QRect area = arrow == Arrow::Upper ? bar->UpperArrowRect() : bar->LowerArrowRect();
        QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    }

    void ClickCalculate() { QTest::mouseClick(Ui().cmdCalculate, Qt::LeftButton); }

    // Puts figures into the two amount labels, so that a later clearing shows.
    void FillAmounts() {
        Ui().lblAddition->setText("5.55");
        Ui().lblAddition2->setText("6.66");
    }

    static QString Name(const QWidget* widget) {
        return widget == nullptr ? QStringLiteral("(none)") : widget->objectName();
    }

    // Declared first: the window must never reach the real message boxes.
    testing::FakeMessageBoxes boxes_;
    std::unique_ptr<FrmSulfite> window_;
    MainWindowControls controls_;
};

}  // namespace korvane
