// Showing, closing and reopening the About box, and its two links.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>

#include "about/about_box_fixture.h"
#include "about/about_texts.h"

namespace korvane::testing {
namespace {

TEST_F(AboutBoxTest, IsModalOverTheMainWindowWithTheFocusOnOk) {
    ShowAndRun([this](FrmAbout& box) {
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(box, "cmdOK"));
        EXPECT_FALSE(MainWindowTakesClicks());
        box.close();
    });
    EXPECT_TRUE(MainWindowTakesClicks());
}

TEST_F(AboutBoxTest, EscapeIsNoWayOut) {
    ShowAndRun([](FrmAbout& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_TRUE(box.isVisible());
        EXPECT_EQ(CurrentAboutBox(), &box);
        CloseAboutBox();
    });
}

TEST_F(AboutBoxTest, EveryWayOfClosingUnloadsTheBoxAndFreesTheMainWindow) {
    const std::vector<std::pair<const char*, std::function<void(FrmAbout&)>>> ways = {
        {"OK button",
         [](FrmAbout& box) { QTest::mouseClick(Find<QWidget>(box, "cmdOK"), Qt::LeftButton); }},
        {"Alt+O", [](FrmAbout& box) { QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier); }},
        {"Enter", [](FrmAbout& box) { QTest::keyClick(&box, Qt::Key_Return); }},
        {"close request", [](FrmAbout& box) { box.close(); }},
        {"CloseAboutBox", [](FrmAbout&) { CloseAboutBox(); }},
        {"CloseAboutBox twice",
         [](FrmAbout&) {
             CloseAboutBox();
             CloseAboutBox();
         }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        QPointer<FrmAbout> shown;
        ShowAndRun([&](FrmAbout& box) {
            shown = &box;
            close(box);
        });
        EXPECT_TRUE(shown.isNull()) << "the box must be destroyed, not just hidden";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(MainWindowTakesClicks());
        EXPECT_TRUE(shell_.Opened().isEmpty());
    }
}

TEST_F(AboutBoxTest, CloseAboutBoxWithoutABoxDoesNothing) {
    CloseAboutBox();
    EXPECT_EQ(CurrentAboutBox(), nullptr);
    EXPECT_TRUE(MainWindowTakesClicks());
}

TEST_F(AboutBoxTest, ExistsOnlyOnce) {
    ShowAndRun([this](FrmAbout& box) {
        // A second request while open returns at once without a second box.
        ShowAboutBox(&mainWindow_);
        EXPECT_EQ(CurrentAboutBox(), &box);
        int boxes = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            boxes += qobject_cast<FrmAbout*>(window) != nullptr ? 1 : 0;
        }
        EXPECT_EQ(boxes, 1);
        CloseAboutBox();
    });
}

TEST_F(AboutBoxTest, ReopensInItsDesignedStateWithTheMainWindowsCurrentIcon) {
    ShowAndRun([this](FrmAbout& box) {
        EXPECT_EQ(box.windowIcon().cacheKey(), mainWindow_.windowIcon().cacheKey());
        Find<QLabel>(box, "Label1")->setText("changed");
        Find<QLabel>(box, "lblMail")->setText("changed");
        CloseAboutBox();
    });
    mainWindow_.setWindowIcon(PlainIcon(Qt::green));
    ShowAndRun([this](FrmAbout& box) {
        EXPECT_EQ(Find<QLabel>(box, "Label1")->text(), "Korvane");
        EXPECT_EQ(Find<QLabel>(box, "Label3")->text(), "Version 2.02");
        EXPECT_EQ(Find<QLabel>(box, "lblMail")->text(), about::kAuthorName);
        EXPECT_EQ(box.windowIcon().cacheKey(), mainWindow_.windowIcon().cacheKey());
        QTest::mouseClick(Find<QWidget>(box, "cmdOK"), Qt::LeftButton);
    });
}

TEST_F(AboutBoxTest, EachLinkClickHandsItsAddressToTheDesktopAndTheBoxStaysOpen) {
    const std::vector<std::pair<const char*, QString>> links = {
        {"lblMail", QString("mailto:") + about::kSupportAddress},
        {"lblWeb", QString(about::kWebSiteUrl)},
    };
    EXPECT_EQ(links[0].second, "mailto:support@korvane.example");
    for (const auto& [name, address] : links) {
        SCOPED_TRACE(name);
        const QStringList before = shell_.Opened();
        ShowAndRun([&](FrmAbout& box) {
            QWidget* link = Find<QWidget>(box, name);
            QTest::mouseClick(link, Qt::LeftButton);
            EXPECT_EQ(shell_.Opened(), before + QStringList{address});
            QTest::mouseClick(link, Qt::LeftButton);
            EXPECT_EQ(shell_.Opened(), before + QStringList({address, address}));
            EXPECT_TRUE(box.isVisible());
            EXPECT_EQ(CurrentAboutBox(), &box);

            // Neither the right button nor a press dragged off the link is a click.
            QTest::mouseClick(link, Qt::RightButton);
            QTest::mousePress(link, Qt::LeftButton);
            QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
            EXPECT_EQ(shell_.Opened().size(), before.size() + 2);

            // A quick second click reaches the link as a double-click press
            // followed by a release; it asks once more.
            const QPoint centre = link->rect().center();
            QMouseEvent doublePress(QEvent::MouseButtonDblClick, centre, link->mapToGlobal(centre),
                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(link, &doublePress);
            QTest::mouseRelease(link, Qt::LeftButton, {}, centre);
            EXPECT_EQ(shell_.Opened(), before + QStringList({address, address, address}));
            CloseAboutBox();
        });
    }
}

TEST_F(AboutBoxTest, MainWindowGoingAwayWhileTheBoxIsOpenEndsItCleanly) {
    auto* owner = new QWidget;
    owner->setWindowIcon(PlainIcon(Qt::blue));
    owner->show();
    QPointer<FrmAbout> shown;
    ShowAndRun(
        [&](FrmAbout& box) {
            shown = &box;
            CloseAboutBox();
            delete owner;
        },
        owner);
    EXPECT_TRUE(shown.isNull());
}

// Saves a picture of the open box with the build's other screenshots.
TEST_F(AboutBoxTest, Screenshot) {
    const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    ShowAndRun([&](FrmAbout& box) {
        const QImage image = box.grab().toImage();
        EXPECT_EQ(image.size(), QSize(247, 162) * box.devicePixelRatio());
        EXPECT_TRUE(image.save(folder + "/about_box.png"));
        CloseAboutBox();
    });
}

}  // namespace
}  // namespace korvane::testing
