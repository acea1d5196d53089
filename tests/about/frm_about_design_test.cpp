// The About box as designed: texts, fonts, colours, geometry, cursor.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <cmath>
#include <set>

#include "about/about_box_fixture.h"
#include "about/about_texts.h"

namespace korvane::testing {
namespace {

const QColor kLightGrey(224, 224, 224);
const QColor kLinkBlue(0, 0, 192);

int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

struct LabelRow {
    const char* name;
    QString text;
    bool link;
    int pixelSize;
    QRect geometry;
};

std::vector<LabelRow> LabelRows() {
    return {
        {"Label1", "Korvane", false, 24, TwipsRect(120, 120, 1935, 495)},
        {"Label2", "Calculator", false, 24, TwipsRect(120, 600, 1935, 495)},
        {"Label3", "Version 2.02", false, 16, TwipsRect(2040, 720, 1575, 375)},
        {"Label4", "Provided as is.", false, 13, TwipsRect(120, 1440, 1695, 375)},
        {"lblMail", about::kAuthorName, true, 13, TwipsRect(120, 1680, 1215, 255)},
        {"lblWeb", "korvane.example", true, 13, TwipsRect(120, 1920, 1815, 255)},
    };
}

using AboutBoxDesignTest = AboutBoxTest;

TEST_F(AboutBoxDesignTest, WindowIsAFixedDialogWithCloseBoxOnly) {
    FrmAbout box(&mainWindow_);
    EXPECT_EQ(box.objectName(), "frmAbout");
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.minimumSize(), QSize(247, 162));
    EXPECT_EQ(box.maximumSize(), QSize(247, 162));
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(box.parentWidget(), &mainWindow_);
}

TEST_F(AboutBoxDesignTest, PanelCoversTheBoxInLightGrey) {
    FrmAbout box(&mainWindow_);
    auto* panel = Find<QFrame>(box, "Picture1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &box);
    EXPECT_EQ(panel->geometry(), TwipsRect(-15, 0, 3735, 2415));
    EXPECT_TRUE(panel->autoFillBackground());
    EXPECT_EQ(panel->palette().color(QPalette::Window), kLightGrey);
}

TEST_F(AboutBoxDesignTest, LabelsShowTheirTextsInTheirFontsAndColours) {
    FrmAbout box(&mainWindow_);
    auto* panel = Find<QWidget>(box, "Picture1");
    const QColor plainInk = QApplication::palette().color(QPalette::WindowText);
    for (const LabelRow& row : LabelRows()) {
        SCOPED_TRACE(row.name);
        auto* label = Find<QLabel>(box, row.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), panel);
        EXPECT_EQ(label->text(), row.text);
        EXPECT_EQ(label->geometry(), row.geometry);
        EXPECT_EQ(label->font().pixelSize(), row.pixelSize);
        EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Sans");
        EXPECT_EQ(label->font().weight(), QFont::Normal);
        EXPECT_FALSE(label->font().italic());
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignLeft));
        EXPECT_FALSE(label->wordWrap());
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), kLightGrey);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), row.link ? kLinkBlue : plainInk);
    }
}

TEST_F(AboutBoxDesignTest, WebLinkShowsTheHostOfTheAddressItOpens) {
    FrmAbout box(&mainWindow_);
    const QUrl site(about::kWebSiteUrl);
    EXPECT_EQ(site.scheme(), "http");
    EXPECT_EQ(Find<QLabel>(box, "lblWeb")->text(), site.host());
}

TEST_F(AboutBoxDesignTest, OkButtonUsesTheWindowFontAndAnswersEnter) {
    FrmAbout box(&mainWindow_);
    auto* ok = Find<QPushButton>(box, "cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->parentWidget(), Find<QWidget>(box, "Picture1"));
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_EQ(ok->geometry(), TwipsRect(2640, 1800, 855, 400));
    EXPECT_EQ(ok->font().pixelSize(), 11);
    EXPECT_EQ(box.font().pixelSize(), 11);
    EXPECT_TRUE(ok->isDefault());
}

// Every text must be readable: inside its own label, and not under a control
// drawn above it (children later in the panel are drawn on top).
TEST_F(AboutBoxDesignTest, EveryTextFitsAndIsNotCovered) {
    FrmAbout box(&mainWindow_);
    const QList<QWidget*> stacked =
        Find<QWidget>(box, "Picture1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < stacked.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(stacked[i]);
        if (label == nullptr) {
            continue;
        }
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        const QRect line(label->pos(),
                         QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
        EXPECT_TRUE(label->geometry().contains(line)) << line.width() << " px wide";
        const QRect ink = metrics.tightBoundingRect(label->text())
                              .translated(label->x(), label->y() + metrics.ascent());
        for (qsizetype above = i + 1; above < stacked.size(); ++above) {
            EXPECT_FALSE(stacked[above]->geometry().intersects(ink))
                << "covered by " << stacked[above]->objectName().toStdString();
        }
    }
}

TEST_F(AboutBoxDesignTest, NoControlHasATooltip) {
    FrmAbout box(&mainWindow_);
    EXPECT_TRUE(box.toolTip().isEmpty());
    for (const QWidget* control : box.findChildren<QWidget*>()) {
        EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
}

TEST_F(AboutBoxDesignTest, LinksShowTheTwoColourHandWithItsHotSpotAtTheFingertip) {
    FrmAbout box(&mainWindow_);
    for (const char* name : {"lblMail", "lblWeb"}) {
        SCOPED_TRACE(name);
        const QCursor cursor = Find<QLabel>(box, name)->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0));
        std::set<QRgb> opaque;
        bool transparent = false;
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    transparent = true;
                } else {
                    opaque.insert(pixel);
                }
            }
        }
        EXPECT_TRUE(transparent);
        EXPECT_EQ(opaque, (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        // The hot spot is on the hand's outline, not on empty space.
        EXPECT_EQ(image.pixel(5, 0), qRgb(0, 0, 0));
    }
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "cmdOK"}) {
        EXPECT_FALSE(Find<QWidget>(box, name)->testAttribute(Qt::WA_SetCursor)) << name;
    }
}

}  // namespace
}  // namespace korvane::testing
