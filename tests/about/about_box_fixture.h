// One fixture for the About box tests: a stand-in main window with an icon of
// its own and a button, a recording desktop shell, and a way to act while the
// modal box is open.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>

#include "about/frm_about.h"
#include "about/recording_shell.h"

namespace korvane::testing {

inline QIcon PlainIcon(const QColor& colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A control of the box by its name; fails the test if it is missing.
template <typename Control>
Control* Find(const QWidget& box, const char* name) {
    auto* control = box.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

class AboutBoxTest : public ::testing::Test {
  protected:
    AboutBoxTest() {
        mainWindow_.resize(200, 100);
        mainWindow_.setWindowIcon(PlainIcon(Qt::red));
        mainButton_ = new QPushButton("Main", &mainWindow_);
        QObject::connect(mainButton_, &QPushButton::clicked, [this] { ++mainClicks_; });
        mainWindow_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&mainWindow_));
    }

    ~AboutBoxTest() override { EXPECT_EQ(CurrentAboutBox(), nullptr); }

    // Shows the box over `owner` (the stand-in main window by default), runs
    // `whileOpen` once the box is the active window, and returns when
    // ShowAboutBox has returned. The action must close the box; a watchdog
    // closes one left open, so a failing test fails instead of hanging.
    void ShowAndRun(const std::function<void(FrmAbout&)>& whileOpen, QWidget* owner = nullptr) {
        bool ran = false;
        bool leftOpen = false;
        QTimer::singleShot(0, [&] {
            FrmAbout* box = CurrentAboutBox();
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(
                QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }, 5000));
            ran = true;
            whileOpen(*box);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            leftOpen = true;
            CloseAboutBox();
        });
        watchdog.start(10000);
        ShowAboutBox(owner != nullptr ? owner : &mainWindow_);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(leftOpen) << "the box was still open when the test expected it closed";
        EXPECT_EQ(CurrentAboutBox(), nullptr);
    }

    // True when a click on the main window reaches it.
    bool MainWindowTakesClicks() {
        const int before = mainClicks_;
        // Through the window system, as a real click, so modality applies.
        QTest::mouseClick(mainWindow_.windowHandle(), Qt::LeftButton, {},
                          mainButton_->geometry().center());
        return mainClicks_ == before + 1;
    }

    QWidget mainWindow_;
    QPushButton* mainButton_ = nullptr;
    int mainClicks_ = 0;
    RecordingShell shell_;
};

}  // namespace korvane::testing
