// A numeric field with its spin bar, as both editing windows build them: the
// arrows step the field by its quantity's rule, and the keys go through the
// numeric key filter. The rules themselves (limits, long texts, the decimal
// comma) are tested as core tables.
#include "widgets/spin_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>

#include "support/printers.h"
#include "widgets/spin_bar.h"
#include "widgets/text_box.h"

namespace korvane::widgets {
namespace {

// A window with one field and its bar, and another field to leave
// the focus in.
class SpinEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        for (QWidget* control : std::initializer_list<QWidget*>{field_, bar_, other_}) {
            layout->addWidget(control);
        }
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        other_->setFocus();
    }

    void Bind(const SpinRule& rule) {
        filter_ = std::make_unique<NumericKeyFilter>(DecimalKey::PeriodOnly);
        BindSpinEdit(field_, bar_, rule, filter_.get());
    }

    void Click(QRect arrow) { QTest::mouseClick(bar_, Qt::LeftButton, {}, arrow.center()); }
    void ClickUpper() { Click(bar_->UpperArrowRect()); }

    std::unique_ptr<NumericKeyFilter> filter_;
    QWidget window_;
    TextBox* field_ = new TextBox(&window_);
    SpinBar* bar_ = new SpinBar(&window_);
    TextBox* other_ = new TextBox(&window_);
};

TEST_F(SpinEditTest, PhThreePointFiveWithTheUpperArrowShowsThreePointSix) {
    Bind(kPhSpin);
    field_->setText("3.5");
    ClickUpper();
    EXPECT_EQ(field_->text(), "3.6");
    // The focus moves into the field and the bar is back at rest.
    EXPECT_EQ(QApplication::focusWidget(), field_);
    EXPECT_EQ(bar_->value(), 0);
    Click(bar_->LowerArrowRect());
    Click(bar_->LowerArrowRect());
    EXPECT_EQ(field_->text(), "3.4");
}

TEST_F(SpinEditTest, AGreyedPairDoesNothing) {
    Bind(kPhSpin);
    field_->setText("3.5");
    field_->setEnabled(false);
    bar_->setEnabled(false);
    ClickUpper();
    EXPECT_EQ(field_->text(), "3.5");
    EXPECT_EQ(QApplication::focusWidget(), other_);
}

TEST_F(SpinEditTest, HoldingAnArrowKeepsStepping) {
    Bind(kPhSpin);
    field_->setText("3.5");
    const QPoint upper = bar_->UpperArrowRect().center();
    QTest::mousePress(bar_, Qt::LeftButton, {}, upper);
    QTest::qWait(800);
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, upper);
    const QString released = field_->text();
    EXPECT_GT(released.toDouble(), 3.65) << released.toStdString();
    EXPECT_EQ(bar_->value(), 0);
    QTest::qWait(200);
    EXPECT_EQ(field_->text(), released);
}

// --- Keys -------------------------------------------------------------------

TEST_F(SpinEditTest, OnlyDigitsThePointAndControlKeysReachTheField) {
    Bind(kPhSpin);
    field_->clear();
    field_->setFocus();
    QTest::keyClicks(field_, "aZ-, +e");
    QTest::keyClick(field_, Qt::Key_Escape);
    EXPECT_EQ(field_->text(), "");
    // The filter looks at keys, not at the text: a second point gets through.
    QTest::keyClicks(field_, "1.2.3");
    QTest::keyClick(field_, Qt::Key_Backspace);
    QTest::keyClicks(field_, "x09");
    EXPECT_EQ(field_->text(), "1.2.09");
    // With Alt, Meta or AltGr (Ctrl+Alt) held, a key that would type a
    // letter or a sign is still dropped.
    QTest::keyClick(field_, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(field_, Qt::Key_Minus, Qt::AltModifier);
    QTest::keyClick(field_, Qt::Key_Comma, Qt::MetaModifier);
    QTest::keyClick(field_, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(field_->text(), "1.2.09");
    // Ctrl+A, Ctrl+X and Ctrl+Z select, cut and undo as anywhere else.
    QTest::keyClick(field_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field_, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field_->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "1.2.09");
    QTest::keyClick(field_, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field_->text(), "1.2.09");
}

TEST_F(SpinEditTest, PastedTextIsNotFiltered) {
    Bind(kPhSpin);
    field_->clear();
    field_->setFocus();
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field_->text(), "abc");
}

}  // namespace
}  // namespace korvane::widgets
