// What the main window looks like when it opens: every control's kind, place,
// texts, state and font, the window's own properties, the keyboard route
// through the controls, and whether every caption fits its control.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <cmath>
#include <set>

#include "main_window_fixture.h"
#include "platform/program_end.h"

namespace korvane {
namespace {

constexpr char kTextBox[] = "korvane::platform::TextBox";
constexpr char kSpinBar[] = "korvane::platform::SpinBar";
constexpr char kLabel[] = "QLabel";
constexpr char kList[] = "QComboBox";
constexpr char kOption[] = "QRadioButton";
constexpr char kButton[] = "QPushButton";
constexpr char kFrame[] = "QGroupBox";
constexpr char kPanel[] = "QFrame";

constexpr char kWindow[] = "frmSulfite";

// 0: the control shows no aligned text of its own.
constexpr Qt::Alignment kNoAlign = {};
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;

struct ControlRow {
    const char* name;
    const char* kind;
    const char* container;
    const char* caption;  // caption, title or text; a list's current entry
    const char* tooltip;
    bool enabled;
    int left, top, width, height;  // twips
    Qt::Alignment align;
};

// clang-format off
const ControlRow kControls[] = {
    {"Picture1", kPanel, kWindow, "", "", true, 25, 0, 7600, 4095, kNoAlign},
    {"fraSO2", kFrame, "Picture1", "Sulphite Data", "", true, 120, 120, 2895, 2295, kNoAlign},
    {"Frame2", kFrame, "Picture1", "Batch Data", "", true, 120, 2520, 2895, 1335, kNoAlign},
    {"cmdCalculate", kButton, "Picture1", "Calculate", "Compute sulphite requirements.", true, 5160, 3480, 1935, 375, kNoAlign},
    {"cmdAbout", kButton, kWindow, "&About", "Program information", true, 3720, 4200, 1215, 400, kNoAlign},
    {"cmdSettings", kButton, kWindow, "&Settings", "Select default settings", true, 5040, 4200, 1215, 400, kNoAlign},
    {"cmdExit", kButton, kWindow, "E&xit", "Close application", true, 6360, 4200, 1215, 400, kNoAlign},
    {"txtExistSO2", kTextBox, "Picture1", "0.00", "Measured free SO2 level.", true, 5160, 1440, 750, 300, kRight},
    {"vsbExistSO2", kSpinBar, "Picture1", "", "", true, 5910, 1440, 255, 300, kNoAlign},
    {"txtTargetSO2", kTextBox, "Picture1", "0.00", "Desired free SO2 target level.", true, 5160, 1800, 750, 300, kRight},
    {"vsbTargetSO2", kSpinBar, "Picture1", "", "", true, 5910, 1800, 255, 300, kNoAlign},
    {"txtTargetMolSO2", kTextBox, "Picture1", "0.00", "Desired molecular SO2 target level.", false, 6360, 1800, 750, 300, kRight},
    {"vsbTargetMolSO2", kSpinBar, "Picture1", "", "", false, 7110, 1800, 255, 300, kNoAlign},
    {"txtBatchSize", kTextBox, "Frame2", "23", "Batch Size", true, 600, 360, 750, 300, kRight},
    {"vsbBatchSize", kSpinBar, "Frame2", "", "", true, 1350, 360, 255, 300, kNoAlign},
    {"txtPh", kTextBox, "Frame2", "3.5", "Wine pH level.", true, 600, 840, 750, 300, kRight},
    {"vsbPh", kSpinBar, "Frame2", "", "", true, 1350, 840, 255, 300, kNoAlign},
    {"txtSolution", kTextBox, "fraSO2", "10", "Percentage of metabisulphite", false, 1440, 1440, 750, 300, kRight},
    {"vsbPercent", kSpinBar, "fraSO2", "", "", false, 2190, 1440, 255, 300, kNoAlign},
    {"txtTabWeight", kTextBox, "fraSO2", "0.44", "Mass of 1 tablet", false, 1440, 1800, 750, 300, kRight},
    {"vsbCampden", kSpinBar, "fraSO2", "", "", false, 2190, 1800, 255, 300, kNoAlign},
    {"cboForm", kList, "fraSO2", "", "Sulphite source", true, 240, 480, 2415, 315, kNoAlign},
    {"optPowder", kOption, "fraSO2", "Powder", "", true, 240, 1080, 1095, 300, kNoAlign},
    {"optSolution", kOption, "fraSO2", "Solution", "", true, 240, 1440, 1095, 300, kNoAlign},
    {"optTablet", kOption, "fraSO2", "Tablet", "", true, 240, 1800, 975, 300, kNoAlign},
    {"cboBatch", kList, "Frame2", "", "Batch size units.", true, 1680, 360, 1095, 315, kNoAlign},
    {"cboTarget", kList, "Picture1", "", "Target", true, 5160, 360, 1935, 315, kNoAlign},
    {"lblExistMolSO2", kLabel, "Picture1", "0.00", "Calculated existing molecular SO2 level.", true, 6360, 1440, 750, 300, kRight},
    {"lblSO2Requirement", kLabel, "Picture1", "0.00", "Incremental free SO2 required.", true, 5160, 2160, 750, 300, kRight},
    {"lblMolSO2Requirement", kLabel, "Picture1", "0.00", "Incremental molecular SO2 required.", true, 6360, 2160, 750, 300, kRight},
    {"lblAddition", kLabel, "Picture1", "", "Amount of sulphite required to achieve target SO2 level.", true, 5160, 2880, 750, 300, kRight},
    {"lblAddition2", kLabel, "Picture1", "", "Amount of sulphite required to achieve target SO2 level.", true, 6360, 2880, 750, 300, kRight},
    {"lblAdd", kLabel, "Picture1", "g", "", true, 6000, 2880, 975, 300, kLeft},
    {"lblTeaspoons", kLabel, "Picture1", "tsp", "", true, 7200, 2880, 495, 300, kLeft},
    {"lblPercent", kLabel, "fraSO2", "%", "", false, 2520, 1440, 255, 300, kLeft},
    {"lblTabWeight", kLabel, "fraSO2", "g", "", false, 2520, 1800, 255, 300, kLeft},
    {"Label9", kLabel, "Picture1", "Target", "", true, 3960, 360, 855, 300, kRight},
    {"Label7", kLabel, "Picture1", "Total Free  ", "", true, 5160, 840, 975, 300, kLeft},
    {"Label8", kLabel, "Picture1", "Molecular", "", true, 6360, 840, 975, 300, kLeft},
    {"Label3", kLabel, "Picture1", "(mg/L)", "", true, 5280, 1080, 735, 300, kLeft},
    {"Label10", kLabel, "Picture1", "(mg/L)", "", true, 6480, 1080, 735, 300, kLeft},
    {"Label1", kLabel, "Picture1", "Existing SO2", "", true, 3720, 1440, 1215, 300, kRight},
    {"Label2", kLabel, "Picture1", "Target SO2", "", true, 3720, 1800, 1215, 300, kRight},
    {"Label11", kLabel, "Picture1", "SO2 Requirement", "", true, 3240, 2160, 1695, 300, kRight},
    {"Label4", kLabel, "Picture1", "Required Addition ", "", true, 3120, 2880, 1815, 300, kRight},
    {"Label5", kLabel, "Frame2", "Size", "", true, 120, 360, 735, 300, kLeft},
    {"Label6", kLabel, "Frame2", "pH", "", true, 120, 840, 375, 300, kLeft},
};
// clang-format on

const std::set<QString> kResultLabels = {"lblExistMolSO2", "lblSO2Requirement",
                                         "lblMolSO2Requirement", "lblAddition", "lblAddition2"};

const QColor kLightGrey(224, 224, 224);

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QString Caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        return field->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        return list->currentText();
    }
    return {};
}

// Where the control must stand inside its parent widget: the twips of its
// container's client area, which for the panel begins inside its sunken
// border.
QRect ExpectedGeometry(const ControlRow& row, const QWidget* parent) {
    QPoint origin;
    if (parent->objectName() == "Picture1") {
        origin = parent->contentsRect().topLeft();
    }
    return {TwipsToPixels(row.left) + origin.x(), TwipsToPixels(row.top) + origin.y(),
            TwipsToPixels(row.width), TwipsToPixels(row.height)};
}

// Captions, frames, option buttons and the window's push buttons are drawn in
// the 9.75-point design face; text boxes and lists in the 8.25-point default.
int ExpectedPixelSize(const QString& kind) {
    if (kind == kLabel || kind == kFrame || kind == kOption || kind == kButton) {
        return 13;
    }
    if (kind == kTextBox || kind == kList) {
        return 11;
    }
    return 0;  // draws no text
}

TEST_F(MainWindowTest, EveryControlOpensWithItsDesignedKindPlaceTextAndState) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        auto* control = Window().findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), row.kind);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), row.container);
        EXPECT_EQ(Caption(control), row.caption);
        EXPECT_EQ(control->toolTip(), row.tooltip);
        EXPECT_EQ(control->isEnabled(), row.enabled);
        EXPECT_TRUE(control->isVisibleTo(&Window()));
        EXPECT_EQ(control->geometry(), ExpectedGeometry(row, control->parentWidget()));

        const int pixelSize = ExpectedPixelSize(row.kind);
        if (pixelSize != 0) {
            const QFont font = control->font();
            EXPECT_EQ(font.family(), "MS Sans Serif");
            EXPECT_EQ(font.pixelSize(), pixelSize);
            EXPECT_FALSE(font.bold());
            EXPECT_FALSE(font.italic());
            EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
        }
        if (const auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, row.align);
            const bool result = kResultLabels.contains(row.name);
            // Results stand on light grey in a single border; other captions
            // have neither.
            EXPECT_EQ(label->autoFillBackground(), result);
            EXPECT_EQ(label->frameShape() != QFrame::NoFrame, result);
            if (result) {
                EXPECT_EQ(label->palette().color(label->backgroundRole()), kLightGrey);
            }
        }
        if (const auto* field = qobject_cast<QLineEdit*>(control)) {
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, row.align);
            EXPECT_EQ(field->maxLength(), 10);
            EXPECT_FALSE(field->isReadOnly());
            const QColor background = row.name == QString("txtTargetMolSO2")
                                          ? kLightGrey
                                          : QApplication::palette().color(QPalette::Base);
            // The colour the field is given; the style may still shade a
            // greyed field.
            EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Base), background);
        }
    }
}

TEST_F(MainWindowTest, HoldsExactlyTheDesignedControls) {
    std::set<QString> expected;
    for (const ControlRow& row : kControls) {
        expected.insert(row.name);
    }
    ASSERT_EQ(expected.size(), 47U);
    std::set<QString> found;
    const QWidget* containers[] = {&Window(), Ui().Picture1, Ui().fraSO2, Ui().Frame2};
    for (const QWidget* container : containers) {
        for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            found.insert(child->objectName());
        }
    }
    EXPECT_EQ(found, expected);
}

TEST_F(MainWindowTest, ListsOfferTheirEntriesInOrderWithNoneSelectedAndNoTyping) {
    struct ListRow {
        QComboBox* list;
        QStringList entries;
    };
    const ListRow rows[] = {
        {Ui().cboForm, {kPotassium, kSodium}},
        {Ui().cboBatch, {"U.S. Gal.", "Imp. Gal.", kLitres}},
        {Ui().cboTarget, {kFreeTarget, kMolecularTarget}},
    };
    for (const ListRow& row : rows) {
        SCOPED_TRACE(row.list->objectName().toStdString());
        QStringList entries;
        for (int i = 0; i < row.list->count(); ++i) {
            entries << row.list->itemText(i);
        }
        EXPECT_EQ(entries, row.entries);
        EXPECT_EQ(row.list->currentIndex(), -1);
        EXPECT_FALSE(row.list->isEditable());
    }
    EXPECT_TRUE(Ui().optPowder->isChecked());
    EXPECT_FALSE(Ui().optSolution->isChecked());
    EXPECT_FALSE(Ui().optTablet->isChecked());
}

TEST_F(MainWindowTest, WindowIsAFixedKorvaneWindowWithMinimiseButNoMaximise) {
    EXPECT_EQ(Window().objectName(), kWindow);
    EXPECT_EQ(Window().windowTitle(), "Korvane");
    EXPECT_EQ(Window().size(), QSize(510, 310));
    EXPECT_EQ(Window().minimumSize(), QSize(510, 310));
    EXPECT_EQ(Window().maximumSize(), QSize(510, 310));
    const Qt::WindowFlags flags = Window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Window));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(Window().windowIcon().isNull());
    // The panel has the button-face colour.
    EXPECT_EQ(Ui().Picture1->palette().color(Ui().Picture1->backgroundRole()),
              QApplication::palette().color(QPalette::Button));
    for (QPushButton* button : {Ui().cmdCalculate, Ui().cmdAbout, Ui().cmdSettings, Ui().cmdExit}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST_F(MainWindowTest, TeaspoonAmountIsDrawnAboveTheRightPartOfTheUnitCaption) {
    QWidget* panel = Ui().Picture1;
    const QRect overlap = Ui().lblAdd->geometry().intersected(Ui().lblAddition2->geometry());
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(panel->childAt(overlap.center()), Ui().lblAddition2);
    const QObjectList siblings = panel->children();
    EXPECT_GT(siblings.indexOf(Ui().lblAddition2), siblings.indexOf(Ui().lblAdd));
}

TEST_F(MainWindowTest, SpinBarsRestAtZeroBetweenMinusOneAndOneAndTakeNoFocus) {
    struct BarRow {
        platform::SpinBar* bar;
        const char* accessibleName;
    };
    const BarRow rows[] = {
        {Ui().vsbExistSO2, "Increase or decrease existing SO2"},
        {Ui().vsbTargetSO2, "Increase or decrease target free SO2"},
        {Ui().vsbTargetMolSO2, "Increase or decrease target molecular SO2"},
        {Ui().vsbBatchSize, "Increase or decrease batch size"},
        {Ui().vsbPh, "Increase or decrease pH"},
        {Ui().vsbPercent, "Increase or decrease solution percentage"},
        {Ui().vsbCampden, "Increase or decrease tablet weight"},
    };
    for (const BarRow& row : rows) {
        SCOPED_TRACE(row.bar->objectName().toStdString());
        EXPECT_EQ(row.bar->minimum(), -1);
        EXPECT_EQ(row.bar->maximum(), 1);
        EXPECT_EQ(row.bar->value(), 0);
        EXPECT_EQ(row.bar->singleStep(), 1);
        EXPECT_EQ(row.bar->pageStep(), 1);
        EXPECT_EQ(row.bar->orientation(), Qt::Vertical);
        EXPECT_EQ(row.bar->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(row.bar->size(), QSize(17, 20));
        EXPECT_EQ(row.bar->accessibleName(), row.accessibleName);
    }
}

TEST_F(MainWindowTest, CaptionLabelsAnnounceTheirFields) {
    const std::pair<QLabel*, QWidget*> rows[] = {
        {Ui().Label1, Ui().txtExistSO2},  {Ui().Label2, Ui().txtTargetSO2},
        {Ui().Label5, Ui().txtBatchSize}, {Ui().Label6, Ui().txtPh},
        {Ui().Label9, Ui().cboTarget},
    };
    for (const auto& [label, field] : rows) {
        EXPECT_EQ(label->buddy(), field) << label->objectName().toStdString();
    }
}

// --- Keyboard ---------------------------------------------------------------

// The controls the focus visits with Tab, starting from the existing SO2.
QStringList TabRoute(const QWidget* start) {
    QStringList route;
    for (int i = 0; i < 30; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            route << "(none)";
            break;
        }
        route << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == start) {
            break;
        }
    }
    return route;
}

struct TabRow {
    const char* state;
    const char* method;  // option to click, or nullptr
    const char* target;  // list entry, or nullptr
    QStringList route;
};

class MainWindowTabTest : public MainWindowTest, public ::testing::WithParamInterface<TabRow> {};

TEST_P(MainWindowTabTest, TabVisitsTheEnabledInputsAndOnlyTheChosenMethod) {
    const TabRow& row = GetParam();
    ShowActive();
    if (row.method != nullptr) {
        Choose(Window().findChild<QRadioButton*>(row.method));
    }
    if (row.target != nullptr) {
        Select(Ui().cboTarget, row.target);
    }
    Ui().txtExistSO2->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), Ui().txtExistSO2);
    EXPECT_EQ(TabRoute(Ui().txtExistSO2), row.route);
}

INSTANTIATE_TEST_SUITE_P(
    States, MainWindowTabTest,
    ::testing::Values(TabRow{"Designed",
                             nullptr,
                             nullptr,
                             {"txtExistSO2", "txtTargetSO2", "cboForm", "optPowder", "txtBatchSize",
                              "cboBatch", "txtPh", "cmdCalculate", "cboTarget"}},
                      TabRow{"Tablet",
                             "optTablet",
                             kFreeTarget,
                             {"txtExistSO2", "txtTargetSO2", "cboForm", "optTablet", "txtTabWeight",
                              "txtBatchSize", "cboBatch", "txtPh", "cmdCalculate", "cboTarget"}},
                      TabRow{
                          "Solution",
                          "optSolution",
                          kFreeTarget,
                          {"txtExistSO2", "txtTargetSO2", "cboForm", "optSolution", "txtSolution",
                           "txtBatchSize", "cboBatch", "txtPh", "cmdCalculate", "cboTarget"}},
                      TabRow{"Molecular",
                             nullptr,
                             kMolecularTarget,
                             {"txtExistSO2", "txtTargetMolSO2", "cboForm", "optPowder",
                              "txtBatchSize", "cboBatch", "txtPh", "cmdCalculate", "cboTarget"}}),
    [](const ::testing::TestParamInfo<TabRow>& info) { return std::string(info.param.state); });

TEST_F(MainWindowTest, TheWindowOpensWithTheFocusOnExistingSO2) {
    ShowActive();
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtExistSO2");
}

TEST_F(MainWindowTest, ShiftTabFromExistingSO2GoesBackToTheTargetList) {
    ShowActive();
    Ui().txtExistSO2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Ui().txtExistSO2, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Name(QApplication::focusWidget()), "cboTarget");
}

// Closes whatever modal window the button opened, so the key press returns.
class ModalCloser {
  public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        timer_.start(20);
    }

  private:
    QTimer timer_;
};

// Records the program's ending instead of leaving the test run.
class ProgramEndSpy {
  public:
    ProgramEndSpy() {
        platform::InstallProgramEnd([this] { ended_ = true; });
    }
    ~ProgramEndSpy() { platform::InstallProgramEnd({}); }
    ProgramEndSpy(const ProgramEndSpy&) = delete;
    ProgramEndSpy& operator=(const ProgramEndSpy&) = delete;
    bool Ended() const { return ended_; }

  private:
    bool ended_ = false;
};

TEST_F(MainWindowTest, AltKeysPressAboutSettingsAndExit) {
    ProgramEndSpy programEnd;
    ShowActive();
    ModalCloser closer;
    const std::pair<Qt::Key, QPushButton*> rows[] = {
        {Qt::Key_A, Ui().cmdAbout}, {Qt::Key_S, Ui().cmdSettings}, {Qt::Key_X, Ui().cmdExit}};
    for (const auto& [key, button] : rows) {
        SCOPED_TRACE(button->objectName().toStdString());
        QSignalSpy clicks(button, &QPushButton::clicked);
        // The key goes to the window that is active now, whatever the
        // previous button opened.
        QApplication::setActiveWindow(&Window());
        QTest::keyClick(&Window(), key, Qt::AltModifier);
        // An access key presses the button visibly, then clicks it.
        EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks.count() == 1; }, 2000));
    }
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(programEnd.Ended());
}

TEST_F(MainWindowTest, AltKeysTypeNothingIntoTheFocusedField) {
    ShowActive();
    Ui().txtPh->setFocus();
    ModalCloser closer;
    QSignalSpy clicks(Ui().cmdAbout, &QPushButton::clicked);
    QTest::keyClick(Ui().txtPh, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks.count() == 1; }, 2000));
    EXPECT_EQ(Ui().txtPh->text(), "3.5");
}

}  // namespace
}  // namespace korvane
