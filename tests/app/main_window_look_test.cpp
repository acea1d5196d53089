// What the main window looks like when it opens and how the keyboard moves
// through it: texts, tips, states, fonts, the arrangement of the controls,
// the Tab route and the access keys, and pictures for a person to look at.
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "main_window_fixture.h"
#include "support/caption_fit.h"
#include "support/shown_texts.h"

namespace korvane {
namespace {

// The method fields of Powder's, and the molecular target, wait greyed; all
// else is there to be used.
constexpr const char* kGreyedAtOpening[] = {"txtSolution",     "vsbPercent",     "lblPercent",
                                            "txtTabWeight",    "vsbTabWeight",   "lblTabWeight",
                                            "txtTargetMolSO2", "vsbTargetMolSO2"};

// A fixed window that can be minimised but not maximised; numbers stand
// right-aligned, results on grey in a border.
TEST_F(MainWindowTest, OpensInItsDesignedState) {
    for (QWidget* control : window_.findChildren<QWidget*>(Qt::FindChildrenRecursively)) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) {
            continue;  // the parts Qt makes of a control
        }
        SCOPED_TRACE(name.toStdString());
        const bool greyed = std::find(std::begin(kGreyedAtOpening), std::end(kGreyedAtOpening),
                                      name) != std::end(kGreyedAtOpening);
        EXPECT_EQ(control->isEnabled(), !greyed);
        EXPECT_TRUE(control->isVisibleTo(&window_));
        if (auto* field = qobject_cast<widgets::TextBox*>(control)) {
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        }
        // Enter in a field presses no button.
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_FALSE(button->isDefault() || button->autoDefault());
        }
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const bool result =
                std::find(std::begin(kResults), std::end(kResults), name) != std::end(kResults);
            EXPECT_EQ(label->autoFillBackground(), result);
            EXPECT_EQ(label->frameShape() != QFrame::NoFrame, result);
            if (result) {
                EXPECT_EQ(label->palette().color(label->backgroundRole()), kLightGrey);
                EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            }
        }
    }
    EXPECT_TRUE(Option("optPowder")->isChecked());
    EXPECT_EQ(Box("txtTargetMolSO2")->palette().color(QPalette::Base), kLightGrey);
    EXPECT_EQ(window_.windowTitle(), "Korvane");
    EXPECT_EQ(window_.minimumSize(), window_.size());
    EXPECT_EQ(window_.maximumSize(), window_.size());
    const Qt::WindowFlags flags = window_.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window_.windowIcon().isNull());
}

// What every control shows when the window opens. Captions, frames, options
// and buttons are in the caption font, fields and lists in the window's
// smaller default font; the lists offer their entries in this order with
// none chosen, and take no typing.
TEST_F(MainWindowTest, EveryControlShowsItsDesignedTextTipAndFont) {
    using testing::kCaption;
    using testing::kEntry;
    const QString kAmountTip = "Amount of sulphite required to achieve target SO2 level.";
    // clang-format off
    const std::vector<testing::ShownText> designed = {
        {.control = "fraSO2", .text = "Sulphite Data", .points = kCaption},
        {.control = "cboForm", .text = "Potassium Metabisulphite | Sodium Metabisulphite",
         .tip = "Sulphite source", .points = kEntry},
        {.control = "optPowder", .text = "Powder", .points = kCaption},
        {.control = "optSolution", .text = "Solution", .points = kCaption},
        {.control = "optTablet", .text = "Tablet", .points = kCaption},
        {.control = "txtSolution", .text = "10", .tip = "Percentage of metabisulphite",
         .points = kEntry},
        {.control = "lblPercent", .text = "%", .points = kCaption},
        {.control = "txtTabWeight", .text = "0.44", .tip = "Mass of 1 tablet", .points = kEntry},
        {.control = "lblTabWeight", .text = "g", .points = kCaption},
        {.control = "fraBatch", .text = "Batch Data", .points = kCaption},
        {.control = "capSize", .text = "Size", .points = kCaption},
        {.control = "txtBatchSize", .text = "23", .tip = "Batch Size", .points = kEntry},
        {.control = "cboBatch", .text = "U.S. Gal. | Imp. Gal. | Litres", .tip = "Batch size units.",
         .points = kEntry},
        {.control = "capPh", .text = "pH", .points = kCaption},
        {.control = "txtPh", .text = "3.5", .tip = "Wine pH level.", .points = kEntry},
        {.control = "capTarget", .text = "Target", .points = kCaption},
        {.control = "cboTarget", .text = "Total Free SO2 | Molecular SO2", .tip = "Target",
         .points = kEntry},
        {.control = "capTotalFree", .text = "Total Free  ", .points = kCaption},
        {.control = "capMolecular", .text = "Molecular", .points = kCaption},
        {.control = "capFreeUnit", .text = "(mg/L)", .points = kCaption},
        {.control = "capMolecularUnit", .text = "(mg/L)", .points = kCaption},
        {.control = "capExistingSO2", .text = "Existing SO2", .points = kCaption},
        {.control = "txtExistSO2", .text = "0.00", .tip = "Measured free SO2 level.",
         .points = kEntry},
        {.control = "lblExistMolSO2", .text = "0.00",
         .tip = "Calculated existing molecular SO2 level.", .points = kCaption},
        {.control = "capTargetSO2", .text = "Target SO2", .points = kCaption},
        {.control = "txtTargetSO2", .text = "0.00", .tip = "Desired free SO2 target level.",
         .points = kEntry},
        {.control = "txtTargetMolSO2", .text = "0.00", .tip = "Desired molecular SO2 target level.",
         .points = kEntry},
        {.control = "capSO2Requirement", .text = "SO2 Requirement", .points = kCaption},
        {.control = "lblSO2Requirement", .text = "0.00", .tip = "Incremental free SO2 required.",
         .points = kCaption},
        {.control = "lblMolSO2Requirement", .text = "0.00",
         .tip = "Incremental molecular SO2 required.", .points = kCaption},
        {.control = "capRequiredAddition", .text = "Required Addition ", .points = kCaption},
        {.control = "lblAddition", .tip = kAmountTip, .points = kCaption},
        {.control = "lblAdd", .text = "g", .points = kCaption},
        {.control = "lblAddition2", .tip = kAmountTip, .points = kCaption},
        {.control = "lblTeaspoons", .text = "tsp", .points = kCaption},
        {.control = "cmdCalculate", .text = "Calculate", .tip = "Compute sulphite requirements.",
         .points = kCaption},
        {.control = "cmdAbout", .text = "&About", .tip = "Program information", .points = kCaption},
        {.control = "cmdSettings", .text = "&Settings", .tip = "Select default settings",
         .points = kCaption},
        {.control = "cmdExit", .text = "E&xit", .tip = "Close application", .points = kCaption},
    };
    // clang-format on
    EXPECT_EQ(testing::ShownBy(window_, designed), testing::Expected(designed));
    for (const char* name : {"cboForm", "cboBatch", "cboTarget"}) {
        EXPECT_EQ(List(name)->currentIndex(), -1) << name;
        EXPECT_FALSE(List(name)->isEditable()) << name;
    }
}

// --- Arrangement --------------------------------------------------------------

TEST_F(MainWindowTest, ControlsLieInsideTheirContainersWithoutCoveringOneAnother) {
    const QStringList allowed = {
        // Each heading's unit line sits close under it; both are transparent
        // and their centred texts stay apart.
        "capFreeUnit overlaps capTotalFree",
        "capMolecular overlaps capMolecularUnit",
        // The size caption reaches under its field. Captions lie beneath the
        // fields, so the field stays whole and clickable; the caption's
        // visible part is what must hold its text.
        "capSize overlaps txtBatchSize",
        // The teaspoon figure covers the right part of the amount's unit
        // caption, whose short unit words leave that part empty.
        "lblAdd overlaps lblAddition2",
        // The teaspoon unit runs past the panel's right edge, which cuts it
        // off; its caption fits in the part that shows.
        "lblTeaspoons sticks out of pnlContents",
    };
    EXPECT_EQ(testing::ControlsOutOfPlace(window_), allowed);
}

TEST_F(MainWindowTest, AClickAnywhereOnAFieldPutsTheFocusThere) {
    ShowActive();
    for (widgets::TextBox* field : window_.findChildren<widgets::TextBox*>()) {
        if (!field->isEnabled()) {
            continue;
        }
        for (const QPoint at : {QPoint(2, field->height() / 2), field->rect().center()}) {
            SCOPED_TRACE(field->objectName().toStdString());
            List("cboForm")->setFocus();
            // Through the window, so the click lands on whatever is on top.
            QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {},
                              field->mapTo(&window_, at));
            EXPECT_EQ(FocusName(), field->objectName());
        }
    }
}

TEST_F(MainWindowTest, TheTeaspoonFigureIsDrawnAboveTheAmountsUnit) {
    const QRect overlap =
        Label("lblAdd")->geometry().intersected(Label("lblAddition2")->geometry());
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(Find("pnlContents")->childAt(overlap.center()), Label("lblAddition2"));
}

// --- Keyboard -----------------------------------------------------------------

TEST_F(MainWindowTest, TabVisitsTheEnabledInputsAndOnlyTheChosenMethod) {
    struct Row {
        const char* method;
        const char* target;
        const char* route;  // the controls' names, by blanks
    };
    // clang-format off
    const Row rows[] = {
        {"optPowder", kFreeTarget, "txtExistSO2 txtTargetSO2 cboForm optPowder txtBatchSize "
         "cboBatch txtPh cmdCalculate cboTarget"},
        {"optTablet", kFreeTarget, "txtExistSO2 txtTargetSO2 cboForm optTablet txtTabWeight "
         "txtBatchSize cboBatch txtPh cmdCalculate cboTarget"},
        {"optSolution", kFreeTarget, "txtExistSO2 txtTargetSO2 cboForm optSolution txtSolution "
         "txtBatchSize cboBatch txtPh cmdCalculate cboTarget"},
        {"optPowder", kMolecularTarget, "txtExistSO2 txtTargetMolSO2 cboForm optPowder "
         "txtBatchSize cboBatch txtPh cmdCalculate cboTarget"},
    };
    // clang-format on
    ShowActive();
    // It opens in the existing SO2, from which Shift+Tab goes to the target.
    EXPECT_EQ(FocusName(), "txtExistSO2");
    QTest::keyClick(Box("txtExistSO2"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "cboTarget");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.method) + " " + row.target);
        Choose(row.method);
        Select("cboTarget", row.target);
        Box("txtExistSO2")->setFocus(Qt::TabFocusReason);
        QStringList route;
        for (int i = 0; i < 20 && (route.isEmpty() || FocusName() != route.first()); ++i) {
            route << FocusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(route.join(' '), row.route);
    }
}

TEST_F(MainWindowTest, CaptionsAnnounceTheirFields) {
    const std::pair<const char*, const char*> rows[] = {{"capExistingSO2", "txtExistSO2"},
                                                        {"capTargetSO2", "txtTargetSO2"},
                                                        {"capSize", "txtBatchSize"},
                                                        {"capPh", "txtPh"},
                                                        {"capTarget", "cboTarget"}};
    for (const auto& [label, field] : rows) {
        EXPECT_EQ(Label(label)->buddy(), Find(field)) << label;
    }
}

TEST_F(MainWindowTest, AltKeysPressAboutSettingsAndExitAndTypeNothing) {
    ShowActive();
    Box("txtPh")->setFocus();
    // Closes the About box the key opens, so that the key press returns.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    closer.start(20);
    const std::pair<Qt::Key, const char*> rows[] = {
        {Qt::Key_A, "cmdAbout"}, {Qt::Key_S, "cmdSettings"}, {Qt::Key_X, "cmdExit"}};
    for (const auto& [key, button] : rows) {
        SCOPED_TRACE(button);
        QSignalSpy clicks(Find<QPushButton>(button), &QPushButton::clicked);
        // The key goes to the main window, whatever the previous one opened.
        QApplication::setActiveWindow(&window_);
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        // An access key shows the button pressed, then clicks it.
        EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks.count() == 1; }, 2000));
        EXPECT_EQ(Box("txtPh")->text(), "3.5");
    }
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(desktop_.programEnd.Ends(), 1);
}

// --- Pictures -----------------------------------------------------------------

// Each method for each target kind, calculated and pictured, with every
// caption whole.
TEST_F(MainWindowTest, SavesPicturesOfTheCalculatedWindow) {
    const std::tuple<const char*, const char*, const char*> states[] = {
        {"main_window.png", "optPowder", kFreeTarget},
        {"main_window_tablet.png", "optTablet", kFreeTarget},
        {"main_window_solution.png", "optSolution", kFreeTarget},
        {"main_window_molecular.png", "optPowder", kMolecularTarget},
        {"main_window_tablet_molecular.png", "optTablet", kMolecularTarget},
        {"main_window_solution_molecular.png", "optSolution", kMolecularTarget}};
    const QDir folder(QCoreApplication::applicationDirPath() + "/screenshots");
    ASSERT_TRUE(folder.mkpath("."));
    ShowActive();
    for (const auto& [file, method, target] : states) {
        SCOPED_TRACE(file);
        PutExample(method, target);
        ClickCalculate();
        ASSERT_EQ(desktop_.boxes.Texts(), QStringList{});
        EXPECT_EQ(testing::CaptionsThatDoNotFit(window_), QStringList{});
        EXPECT_TRUE(window_.grab().save(folder.absoluteFilePath(file), "PNG"));
    }
}

}  // namespace
}  // namespace korvane
