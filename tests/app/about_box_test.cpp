// The About box as the user meets it: opened modally with the main window's
// About button, showing the product, its version and two links that hand
// their addresses to the desktop; only OK or the close box closes it (the
// program's shut-down closing it is a main window test).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <vector>

#include "app/about_box/about_texts.h"
#include "app/about_box/frm_about.h"
#include "app/main_window/frm_sulfite.h"
#include "support/caption_fit.h"
#include "support/controls.h"
#include "support/fake_desktop.h"
#include "support/shown_texts.h"

namespace korvane {
namespace {

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main_.setWindowIcon(SolidIcon(Qt::red));
        main_.show();
        ASSERT_TRUE(Activate(&main_));
    }

    // Clicks the main window's About button and, while the box's loop runs,
    // `whileOpen` once the box is the active window; returns when the click
    // has returned. `whileOpen` must close the box: a watchdog closes one
    // left open, so a failing test fails instead of waiting for a user.
    void ClickAboutAndWhileOpen(const std::function<void(FrmAbout&)>& whileOpen) {
        bool ran = false;
        bool leftOpen = false;
        QTimer act;
        act.setSingleShot(true);
        QObject::connect(&act, &QTimer::timeout, [&] {
            FrmAbout* box = main_.AboutBox();
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }));
            ran = true;
            whileOpen(*box);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            leftOpen = true;
            if (main_.AboutBox() != nullptr) {
                main_.AboutBox()->reject();
            }
        });
        act.start(0);
        watchdog.start(5000);
        QTest::mouseClick(Get(main_, "cmdAbout"), Qt::LeftButton);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(leftOpen) << "the box was still open when it should have closed";
        EXPECT_EQ(main_.AboutBox(), nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // Whether a click on the main window's Calculate button reaches it. The
    // click goes through the window system, so that modality applies.
    bool MainWindowTakesClicks() {
        auto* calculate = Get(main_, "cmdCalculate");
        QSignalSpy clicks(calculate, SIGNAL(clicked()));
        QTest::mouseClick(main_.windowHandle(), Qt::LeftButton, {},
                          calculate->mapTo(&main_, calculate->rect().center()));
        return clicks.count() == 1;
    }

    testing::FakeDesktop desktop_;
    FrmSulfite main_{desktop_.context};
};

TEST_F(AboutBoxTest, IsModalOverTheMainWindowShowingProductVersionAndLinks) {
    ClickAboutAndWhileOpen([this](FrmAbout& box) {
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(box.windowTitle(), "About");
        EXPECT_EQ(box.minimumSize(), box.maximumSize());
        EXPECT_FALSE(box.windowFlags() &
                     (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
        EXPECT_EQ(QApplication::focusWidget(), Get(box, "cmdOK"));
        EXPECT_FALSE(MainWindowTakesClicks());
        // A second request while the box is open shows no second box.
        Get<QPushButton>(main_, "cmdAbout")->click();
        EXPECT_EQ(main_.AboutBox(), &box);
        EXPECT_EQ(main_.findChildren<FrmAbout*>().size(), 1);
        // Only the links show a hand (see below).
        for (const char* name : {"capTitle", "capSubtitle", "capVersion", "capNotice", "cmdOK"}) {
            EXPECT_FALSE(Get(box, name)->testAttribute(Qt::WA_SetCursor)) << name;
        }
        Get<QPushButton>(box, "cmdOK")->click();
    });
    EXPECT_TRUE(MainWindowTakesClicks());
    EXPECT_TRUE(desktop_.opener.Opened().isEmpty());
}

// OK in every way closes and destroys the box; Escape does not close it.
TEST_F(AboutBoxTest, OkInEveryWayClosesAndDestroysTheBox) {
    struct Way {
        const char* what;
        std::function<void(FrmAbout&)> act;
        bool closes;
    };
    const Way ways[] = {
        {"click", [](FrmAbout& box) { QTest::mouseClick(Get(box, "cmdOK"), Qt::LeftButton); },
         true},
        {"Enter", [](FrmAbout& box) { QTest::keyClick(&box, Qt::Key_Return); }, true},
        {"Alt+O", [](FrmAbout& box) { QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier); }, true},
        {"the close box", [](FrmAbout& box) { box.close(); }, true},
        {"Escape",
         [](FrmAbout& box) {
             QTest::keyClick(&box, Qt::Key_Escape);
             QTest::keyClick(Get(box, "cmdOK"), Qt::Key_Escape);
         },
         false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        QPointer<FrmAbout> shown;
        ClickAboutAndWhileOpen([&](FrmAbout& box) {
            shown = &box;
            way.act(box);
            if (!way.closes) {
                EXPECT_TRUE(box.isVisible());
                box.accept();
            }
        });
        EXPECT_TRUE(shown.isNull()) << "closed, but not destroyed";
    }
}

// Each click hands the address over once, also the second of two quick
// clicks; the box stays open for more. A link shows a pointing hand with its
// hot spot at the fingertip.
TEST_F(AboutBoxTest, EachClickOnALinkHandsItsAddressToTheDesktop) {
    const std::pair<const char*, QString> links[] = {
        {"lblMail", "mailto:support@korvane.example"},
        {"lblWeb", "http://korvane.example/"},
    };
    for (const auto& [name, address] : links) {
        SCOPED_TRACE(name);
        ClickAboutAndWhileOpen([&, name = name, address = address](FrmAbout& box) {
            const testing::RecordingOpener& opener = desktop_.opener;
            auto* link = Get(box, name);
            const QCursor cursor = link->cursor();
            EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
            EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0));
            EXPECT_EQ(qAlpha(cursor.pixmap().toImage().pixel(cursor.hotSpot())), 255);
            const QPoint centre = link->mapTo(&box, link->rect().center());
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, centre);
            EXPECT_EQ(opener.Opened(), QStringList{address});
            QTest::mouseDClick(box.windowHandle(), Qt::LeftButton, {}, centre);
            EXPECT_EQ(opener.Opened(), QStringList({address, address, address}));

            // Neither the right button nor a press dragged off the link
            // before letting go is a click.
            QTest::mouseClick(link, Qt::RightButton);
            QTest::mousePress(link, Qt::LeftButton);
            QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
            EXPECT_EQ(opener.Opened().size(), 3);
            EXPECT_TRUE(box.isVisible());
            box.accept();
        });
        desktop_.opener = {};
    }
}

// The icon is taken whenever the box becomes the active window: coming back
// to it after the main window's icon changed shows the new one.
TEST_F(AboutBoxTest, TakesTheMainWindowsIconWhenActivated) {
    ClickAboutAndWhileOpen([this](FrmAbout& box) {
        EXPECT_EQ(box.windowIcon().cacheKey(), main_.windowIcon().cacheKey());
        main_.setWindowIcon(SolidIcon(Qt::blue));
        QWidget elsewhere(&box, Qt::Window);
        elsewhere.show();
        ASSERT_TRUE(Activate(&elsewhere));
        EXPECT_NE(box.windowIcon().cacheKey(), main_.windowIcon().cacheKey());
        ASSERT_TRUE(Activate(&box));
        EXPECT_EQ(box.windowIcon().cacheKey(), main_.windowIcon().cacheKey());
        box.accept();
    });
}

// The product's name stands out largest and the version next; the links are
// blue on the light grey panel; no control has a tip. The version is the
// build's, written once in project().
TEST_F(AboutBoxTest, EveryControlShowsItsDesignedTextAndFont) {
    const QColor kDefault = QApplication::palette().color(QPalette::WindowText);
    const QColor kLink(0, 0, 192);
    // clang-format off
    const std::vector<testing::ShownText> designed = {
        {.control = "capTitle", .text = "Korvane", .points = 18, .ink = kDefault},
        {.control = "capSubtitle", .text = "Calculator", .points = 18, .ink = kDefault},
        {.control = "capVersion", .text = "Version 2.02", .points = 12, .ink = kDefault},
        {.control = "capNotice", .text = "Provided as is.", .points = testing::kCaption, .ink = kDefault},
        {.control = "lblMail", .text = about::kAuthorName, .points = testing::kCaption, .ink = kLink},
        // The web link shows the host of the address it opens.
        {.control = "lblWeb", .text = "korvane.example", .points = testing::kCaption, .ink = kLink},
        {.control = "cmdOK", .text = "&OK", .points = 8.25},
    };
    // clang-format on
    ClickAboutAndWhileOpen([&](FrmAbout& box) {
        EXPECT_EQ(testing::ShownBy(box, designed), testing::Expected(designed));
        EXPECT_EQ(Get(box, "pnlContents")->palette().color(QPalette::Window),
                  QColor(224, 224, 224));
        box.accept();
    });
}

// Every text fits its label, and no control drawn above it (a later sibling)
// covers its letters: the labels' boxes overlap a little, where their texts
// do not reach.
TEST_F(AboutBoxTest, EveryTextFitsAndIsNotCoveredAndTheBoxIsPictured) {
    ClickAboutAndWhileOpen([](FrmAbout& box) {
        EXPECT_EQ(testing::CaptionsThatDoNotFit(box), QStringList{});
        const QWidget* panel = Get(box, "pnlContents");
        const QObjectList& stacked = panel->children();
        for (qsizetype i = 0; i < stacked.size(); ++i) {
            const auto* label = qobject_cast<const QLabel*>(stacked[i]);
            if (label == nullptr) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            const QRect line(label->pos(),
                             QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
            EXPECT_TRUE(label->geometry().contains(line)) << label->objectName().toStdString();
            // The letters themselves, drawn from the top of the label down.
            const QRect ink = metrics.tightBoundingRect(label->text())
                                  .translated(label->x(), label->y() + metrics.ascent());
            for (qsizetype above = i + 1; above < stacked.size(); ++above) {
                const auto* control = qobject_cast<const QWidget*>(stacked[above]);
                EXPECT_FALSE(control != nullptr && control->geometry().intersects(ink))
                    << label->objectName().toStdString() << " under "
                    << control->objectName().toStdString();
            }
        }
        const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(box.grab().save(folder + "/about_box.png"));
        box.accept();
    });
}

}  // namespace
}  // namespace korvane
