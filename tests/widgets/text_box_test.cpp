// The numeric text box: ten characters at most from the keyboard or the
// clipboard, while a text the program writes is kept whole. (That every
// field stands right-aligned is the windows' test.)
#include "widgets/text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "support/printers.h"

namespace korvane::widgets {
namespace {

class TextBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        box_.show();
        QApplication::setActiveWindow(&box_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box_));
        box_.setFocus();
    }

    TextBox box_;
};

TEST_F(TextBoxTest, TakesNoEleventhCharacterTypedOrPasted) {
    QTest::keyClicks(&box_, "12345678901");
    EXPECT_EQ(box_.text(), "1234567890");

    box_.clear();
    QApplication::clipboard()->setText("98765432109");
    QTest::keyClick(&box_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box_.text(), "9876543210");
    QTest::keyClick(&box_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box_.text(), "9876543210");
}

TEST_F(TextBoxTest, AProgramsLongerTextIsKeptWholeButNeverLengthenedByTyping) {
    box_.setText("123456789012345");
    EXPECT_EQ(box_.text(), "123456789012345");
    box_.end(false);
    QTest::keyClick(&box_, Qt::Key_6);
    EXPECT_EQ(box_.text(), "123456789012345");
    QTest::keyClick(&box_, Qt::Key_Backspace);
    QTest::keyClick(&box_, Qt::Key_7);
    EXPECT_EQ(box_.text(), "12345678901234");
    // Once it is short again, ten characters is the limit.
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&box_, Qt::Key_Backspace);
    }
    QTest::keyClicks(&box_, "999");
    EXPECT_EQ(box_.text(), "1234567899");
}

TEST_F(TextBoxTest, EditingALongTextKeepsTheCursorWhereTheUserPutIt) {
    box_.setText("123456789012");
    box_.setCursorPosition(3);
    QTest::keyClick(&box_, Qt::Key_Backspace);
    QTest::keyClick(&box_, Qt::Key_Backspace);
    EXPECT_EQ(box_.text(), "1456789012");
    EXPECT_EQ(box_.cursorPosition(), 1);
}

}  // namespace
}  // namespace korvane::widgets
