// The spin bar: two arrows that report -1 (upper) or +1 (lower) and repeat
// while held; whoever handles the change puts the bar back to rest.
#include "widgets/spin_bar.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

namespace korvane::widgets {
namespace {

class SpinBarTest : public ::testing::Test {
  protected:
    SpinBarTest() {
        bar_.resize(bar_.sizeHint());
        // As a spin-edit field does: every change is one click, then rest.
        QObject::connect(&bar_, &SpinBar::valueChanged, [this](int value) {
            if (value != 0) {
                clicks_ << value;
                bar_.setValue(0);
            }
        });
        bar_.show();
    }

    void Click(QRect arrow, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&bar_, button, {}, arrow.center());
    }

    SpinBar bar_;
    QList<int> clicks_;
};

TEST_F(SpinBarTest, RestsAtZeroAndNeverTakesTheFocus) {
    EXPECT_EQ(bar_.minimum(), -1);
    EXPECT_EQ(bar_.maximum(), 1);
    EXPECT_EQ(bar_.value(), 0);
    EXPECT_EQ(bar_.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(bar_.sizeHint(), QSize(17, 20));
}

TEST_F(SpinBarTest, TheUpperArrowSaysMinusOneAndTheLowerPlusOne) {
    Click(bar_.UpperArrowRect());
    Click(bar_.LowerArrowRect());
    EXPECT_EQ(clicks_, (QList<int>{-1, 1}));
    EXPECT_EQ(bar_.value(), 0);
}

TEST_F(SpinBarTest, OnlyTheLeftButtonClicks) {
    Click(bar_.UpperArrowRect(), Qt::RightButton);
    Click(bar_.LowerArrowRect(), Qt::MiddleButton);
    QWheelEvent wheel(QPointF(5, 5), bar_.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&bar_, &wheel);
    EXPECT_EQ(clicks_, QList<int>{});
}

TEST_F(SpinBarTest, AGreyedBarDoesNothing) {
    bar_.setEnabled(false);
    Click(bar_.UpperArrowRect());
    Click(bar_.LowerArrowRect());
    EXPECT_EQ(clicks_, QList<int>{});
}

TEST_F(SpinBarTest, GreyingAHeldBarStopsTheRepeat) {
    QTest::mousePress(&bar_, Qt::LeftButton, {}, bar_.UpperArrowRect().center());
    bar_.setEnabled(false);
    QTest::qWait(800);
    EXPECT_EQ(clicks_, QList<int>{-1});
}

}  // namespace
}  // namespace korvane::widgets
