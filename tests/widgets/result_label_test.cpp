// The result label as drawn: a figure is shown whole in the label's own font,
// whole in a smaller one, or not at all (a mark instead, the figure in the
// accessible name and the tooltip). Never a part of it.
#include "widgets/result_label.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>
#include <QWidget>

#include "platform/app_setup.h"
#include "support/caption_fit.h"

namespace korvane::widgets {
namespace {

constexpr char kOwnTip[] = "Amount required.";

// How a figure stands in the label.
enum class Shown { InOwnFont, Smaller, Mark };

struct FigureRow {
    const char* figure;
    Shown shown;
};

void PrintTo(const FigureRow& row, std::ostream* out) {
    *out << '"' << row.figure << '"';
}

// A label as a window lays one out: a sunken panel, right-aligned with a
// small indent, its font given after it is made, then its tooltip.
class ResultLabelTest : public ::testing::Test {
  protected:
    ResultLabelTest() {
        label_->setGeometry(10, 10, 50, 20);
        label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label_->setIndent(2);
        label_->setFont(platform::CaptionFont());
        label_->setToolTip(kOwnTip);
        window_.resize(200, 100);
        window_.show();
    }

    QString AccessibleName() const {
        return QAccessible::queryAccessibleInterface(label_)->text(QAccessible::Name);
    }

    // What the label draws is whole in the font it draws it in.
    void ExpectDrawnWhole() const {
        EXPECT_EQ(testing::CaptionsThatDoNotFit(window_), QStringList{});
    }

    // The figure drawn as it is, read by a screen reader as it is, and the
    // tooltip the label's own.
    void ExpectWhole(const QString& figure) const {
        EXPECT_EQ(label_->text(), figure);
        EXPECT_EQ(label_->Figure(), figure);
        EXPECT_EQ(AccessibleName(), figure);
        EXPECT_EQ(label_->toolTip(), kOwnTip);
        ExpectDrawnWhole();
    }

    void ExpectMark(const QString& figure) const {
        EXPECT_EQ(label_->text(), ResultLabel::Mark());
        EXPECT_EQ(label_->Figure(), figure);
        EXPECT_EQ(AccessibleName(), figure);
        EXPECT_EQ(label_->toolTip(), QString(kOwnTip) + '\n' + figure);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label_)->text(QAccessible::Description),
                  label_->toolTip());
        EXPECT_EQ(label_->font(), platform::CaptionFont());
        ExpectDrawnWhole();
    }

    // Whether a plain label laid out like this one shows `text` whole in
    // `font`.
    bool PlainLabelFits(const QString& text, const QFont& font) const {
        QWidget holder;
        auto* plain = new QLabel(text, &holder);
        plain->setGeometry(label_->geometry());
        plain->setFrameStyle(label_->frameStyle());
        plain->setAlignment(label_->alignment());
        plain->setIndent(label_->indent());
        plain->setFont(font);
        return testing::CaptionsThatDoNotFit(holder).isEmpty();
    }

    int DrawnPixels() const { return QFontInfo(label_->font()).pixelSize(); }

    QWidget window_;
    ResultLabel* label_ = new ResultLabel(&window_);
};

class ResultLabelFigureTest : public ResultLabelTest,
                              public ::testing::WithParamInterface<FigureRow> {};

TEST_P(ResultLabelFigureTest, ShowsTheFigureWholeOrNotAtAll) {
    const FigureRow& row = GetParam();
    label_->setText(row.figure);
    switch (row.shown) {
        case Shown::InOwnFont:
            ExpectWhole(row.figure);
            EXPECT_EQ(label_->font(), platform::CaptionFont());
            break;
        case Shown::Smaller: {
            ExpectWhole(row.figure);
            EXPECT_LT(DrawnPixels(), QFontInfo(platform::CaptionFont()).pixelSize());
            // No smaller than 6 points at 96 dots an inch.
            EXPECT_GE(DrawnPixels(), 8);
            // As large as fits: a pixel more and the label would cut it.
            QFont larger = label_->font();
            larger.setPixelSize(DrawnPixels() + 1);
            EXPECT_FALSE(PlainLabelFits(row.figure, larger));
            break;
        }
        case Shown::Mark:
            ExpectMark(row.figure);
            // The figure in a 6-point font would not fit either.
            EXPECT_FALSE(PlainLabelFits(row.figure, platform::FormFont(6.0)));
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, ResultLabelFigureTest,
                         ::testing::Values(FigureRow{"", Shown::InOwnFont},
                                           FigureRow{"0.00", Shown::InOwnFont},
                                           FigureRow{"-999.99", Shown::InOwnFont},
                                           FigureRow{"64360.11", Shown::Smaller},
                                           FigureRow{"13057.70", Shown::Smaller},
                                           FigureRow{"-123456.78", Shown::Smaller},
                                           FigureRow{"5851009887.50", Shown::Mark},
                                           FigureRow{"123456789012.00", Shown::Mark}));

TEST_F(ResultLabelTest, AShortFigureAfterALongOneIsDrawnAsTheLabelWasDesigned) {
    for (const char* figure : {"123456789012.00", "64360.11", "1.00"}) {
        label_->setText(figure);
    }
    ExpectWhole("1.00");
    EXPECT_EQ(label_->font(), platform::CaptionFont());
}

TEST_F(ResultLabelTest, AWiderLabelShowsTheFigureInItsOwnFont) {
    label_->setText("123456789012.00");
    label_->resize(150, 20);
    ExpectWhole("123456789012.00");
    EXPECT_EQ(label_->font(), platform::CaptionFont());

    label_->resize(50, 20);
    ExpectMark("123456789012.00");
}

// A language's tooltip or a window's design font, given while a figure is
// shown, becomes the label's own, and the figure is fitted to it.
TEST_F(ResultLabelTest, ANewTooltipOrFontIsTheLabelsOwn) {
    label_->setText("123456789012.00");
    label_->setToolTip("Quantité requise.");
    EXPECT_EQ(label_->toolTip(), "Quantité requise.\n123456789012.00");
    label_->setText("2.00");
    EXPECT_EQ(label_->toolTip(), "Quantité requise.");

    label_->setText("64360.11");
    const int fittedInCaptionFont = DrawnPixels();
    label_->setFont(platform::FormFont(5.0));
    EXPECT_EQ(label_->font(), platform::FormFont(5.0));
    label_->setFont(platform::FormFont(14.0));
    EXPECT_EQ(DrawnPixels(), fittedInCaptionFont);
    EXPECT_EQ(label_->text(), "64360.11");
}

TEST_F(ResultLabelTest, WithoutATooltipOfItsOwnTheTooltipIsTheFigure) {
    label_->setToolTip(QString());
    label_->setText("123456789012.00");
    EXPECT_EQ(label_->toolTip(), "123456789012.00");
    label_->setText("1.00");
    EXPECT_EQ(label_->toolTip(), QString());
}

// A write through a QLabel pointer is not fitted at once, but the label
// still gives it back as its figure and fits it when next laid out.
TEST_F(ResultLabelTest, ATextWrittenAsAPlainLabelIsTheFigure) {
    label_->setText("123456789012.00");
    QLabel* plain = label_;
    plain->setText("3.00");
    EXPECT_EQ(label_->Figure(), "3.00");
    plain->setText("64360.11");
    label_->resize(49, 20);
    ExpectWhole("64360.11");
}

}  // namespace
}  // namespace korvane::widgets
