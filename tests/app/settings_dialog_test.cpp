// The Default Settings dialog as the user meets it: opened with the main
// window's Settings button, checked and saved with OK, discarded in every
// other way, and refilled from the record when the user comes back to it
// from another of the program's windows. The checks themselves, the spin
// steps and the file format are the core's tables; here only the dialog's
// wiring and its own behaviour are tested.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "app/main_window/frm_sulfite.h"
#include "app/settings_dialog/frm_settings.h"
#include "platform/settings_store.h"
#include "support/caption_fit.h"
#include "support/controls.h"
#include "support/fake_desktop.h"
#include "support/shown_texts.h"
#include "widgets/spin_bar.h"
#include "widgets/text_box.h"

namespace korvane {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using widgets::SpinBar;
using widgets::TextBox;

const UserDefaults kStored{"1", "2", "2", "10", "0.44", "5", "Total Free SO2"};
// kStored as the dialog shows it.
const QStringList kStoredShown{
    "Potassium Metabisulphite", "optSolution", "U.S. Gal.", "10", "0.44", "5", "Total Free SO2"};

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

void Choose(QComboBox* list, const QString& entry) {
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
}

// Closed dialogs are deleted later; this is "later".
void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string FileAt(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    // With `realMessageBoxes` the dialog's message boxes are the desktop's
    // own, so that they take the focus and run their own loop.
    explicit SettingsDialogTest(bool realMessageBoxes = false)
        : context_(realMessageBoxes ? realContext_ : desktop_.context), main_(context_) {}

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        context_.SetSettingsSavePath(Path().toStdString());
        context_.Defaults() = kStored;
        main_.move(main_.screen()->availableGeometry().topLeft());
        main_.show();
        ASSERT_TRUE(Activate(&main_));
    }

    void TearDown() override {
        delete main_.SettingsDialog();
        FlushDeletes();
    }

    QString Path() const { return folder_.filePath("settings.cfg"); }

    // Clicks the main window's Settings button and waits for the dialog to
    // become the active window.
    FrmSettings& Open() {
        Click(Get(main_, "cmdSettings"));
        FrmSettings* dialog = main_.SettingsDialog();
        if (dialog == nullptr || !Activate(dialog)) {
            throw std::runtime_error("the Settings button opened no active dialog");
        }
        return *dialog;
    }

    // Whether the dialog has closed and is gone. An access key presses its
    // button a moment later, as a click would show it.
    bool Closed(const QPointer<FrmSettings>& dialog) {
        return QTest::qWaitFor(
            [&] {
                FlushDeletes();
                return main_.SettingsDialog() == nullptr && dialog.isNull();
            },
            1000);
    }

    testing::FakeDesktop desktop_;
    platform::QtMessageBoxes realBoxes_;
    AppContext realContext_{realBoxes_, desktop_.opener, desktop_.programEnd};
    AppContext& context_;
    QTemporaryDir folder_;
    FrmSulfite main_;
};

TEST_F(SettingsDialogTest, OpensModelessShowingTheRecordWithTheFocusInTheFormList) {
    FrmSettings& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), "Default Settings");
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() &
                 (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(ShownDefaults(dialog), kStoredShown);
    EXPECT_EQ(QApplication::focusWidget(), Get(dialog, "cboForm"));
}

// To the right of the main window where there is room, else to its left, and
// always whole on the screen.
TEST_F(SettingsDialogTest, IsPlacedBesideTheMainWindowAndOnTheScreen) {
    const QRect screen = main_.screen()->availableGeometry();
    const int room = FrmSettings(context_, &main_).width() + 20;
    enum Side { Right, Left, Below };
    const std::pair<QPoint, Side> rows[] = {
        {{screen.right() + 1 - main_.width() - room, screen.top() + 30}, Right},
        {{screen.left() + room, screen.top() + 30}, Left},
        // Too near the screen's foot for the dialog: it is lifted.
        {{screen.left() + room, screen.bottom() - 100}, Below},
    };
    for (const auto& [corner, side] : rows) {
        SCOPED_TRACE(side);
        main_.move(corner);
        ASSERT_TRUE(Activate(&main_));
        const QRect placed = Open().frameGeometry();
        const QRect beside = main_.frameGeometry();
        EXPECT_TRUE(screen.contains(placed));
        if (side == Right) {
            EXPECT_GT(placed.left(), beside.right());
            EXPECT_LT(placed.left(), beside.right() + 20);
        } else {
            EXPECT_LT(placed.right(), beside.left());
            EXPECT_GT(placed.right(), beside.left() - 20);
        }
        EXPECT_EQ(placed.top(),
                  side == Below ? screen.bottom() + 1 - placed.height() : beside.top());
        main_.SettingsDialog()->reject();
        FlushDeletes();
    }
}

TEST_F(SettingsDialogTest, ASecondClickBringsBackTheSameDialogWhereTheUserLeftIt) {
    FrmSettings& dialog = Open();
    auto* batch = Get<TextBox>(dialog, "txtBatchSize");
    Type(batch, "77");
    batch->setFocus();
    dialog.move(dialog.pos() + QPoint(5, 7));
    const QPoint moved = dialog.pos();
    ASSERT_TRUE(Activate(&main_));
    EXPECT_EQ(&Open(), &dialog);
    EXPECT_EQ(dialog.pos(), moved);
    EXPECT_EQ(batch->text(), "5");
    EXPECT_EQ(QApplication::focusWidget(), batch);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(),
                      [](QWidget* w) { return qobject_cast<FrmSettings*>(w) && w->isVisible(); }),
        1);
}

// Each method option greys the other methods' fields and keeps their texts;
// each field has its own quantity's arrows and takes only digits and periods.
TEST_F(SettingsDialogTest, EachMethodEnablesItsFieldsWhoseArrowsAndKeysReachThem) {
    enum Arrow { Upper, Lower };
    struct Row {
        const char* option;
        bool solution;
        bool tablet;
        const char* field;
        const char* bar;
        const char* start;
        Arrow arrow;
        const char* stepped;
    };
    // clang-format off
    const Row rows[] = {
        {.option = "optTablet", .solution = false, .tablet = true, .field = "txtTabWeight",
         .bar = "vsbTabWeight", .start = "0.44", .arrow = Upper, .stepped = "0.45"},
        {.option = "optPowder", .solution = false, .tablet = false, .field = "txtBatchSize",
         .bar = "vsbBatchSize", .start = "23", .arrow = Upper, .stepped = "24"},
        // Solution strength goes no higher than 100 %.
        {.option = "optSolution", .solution = true, .tablet = false, .field = "txtSolution",
         .bar = "vsbPercent", .start = "250", .arrow = Lower, .stepped = "100"},
    };
    // clang-format on
    FrmSettings& dialog = Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        const QStringList texts = ShownDefaults(dialog).mid(3, 2);
        Click(Get(dialog, row.option));
        for (const char* control : {"txtSolution", "vsbPercent", "lblPercent"}) {
            EXPECT_EQ(Get(dialog, control)->isEnabled(), row.solution) << control;
        }
        for (const char* control : {"txtTabWeight", "vsbTabWeight", "lblTabWeight"}) {
            EXPECT_EQ(Get(dialog, control)->isEnabled(), row.tablet) << control;
        }
        EXPECT_EQ(ShownDefaults(dialog).mid(3, 2), texts);

        auto* field = Get<TextBox>(dialog, row.field);
        auto* bar = Get<SpinBar>(dialog, row.bar);
        field->setText(row.start);
        Get(dialog, "cboForm")->setFocus();
        const QRect arrow = row.arrow == Upper ? bar->UpperArrowRect() : bar->LowerArrowRect();
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
        EXPECT_EQ(field->text(), row.stepped);
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(QApplication::focusWidget(), field);
        Type(field, "1a-, 2.5");
        EXPECT_EQ(field->text(), "12.5");
    }
}

TEST_F(SettingsDialogTest, OkWithAFailingEntryWarnsAndPutsTheFocusInThatField) {
    struct Row {
        const char* option;
        const char* field;
        const char* entry;
        QString warning;
    };
    const Row rows[] = {
        {"optSolution", "txtSolution", "101", "Solution % must be between 0 and 100."},
        {"optTablet", "txtTabWeight", "", "Please enter tablet weight."},
        {"optPowder", "txtBatchSize", "0", "Batch size must be greater than 0."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        desktop_.boxes.Clear();
        FrmSettings& dialog = Open();
        Click(Get(dialog, row.option));
        Type(Get<TextBox>(dialog, row.field), row.entry);
        Click(Get(dialog, "cmdOK"));
        FlushDeletes();
        ASSERT_EQ(desktop_.boxes.Texts(), QStringList{row.warning});
        EXPECT_EQ(desktop_.boxes.Shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(main_.SettingsDialog(), &dialog);
        EXPECT_EQ(QApplication::focusWidget(), Get(dialog, row.field));
        EXPECT_EQ(Get<TextBox>(dialog, row.field)->text(), row.entry);
        EXPECT_EQ(context_.Defaults(), kStored);
        EXPECT_EQ(FileAt(Path()), "<missing>");
        dialog.reject();
    }
}

TEST_F(SettingsDialogTest, OkSavesTheEntriesAsTheyStandAndLeavesTheMainWindowAlone) {
    struct Row {
        const char* what;
        UserDefaults before;
        std::function<void(QWidget&)> edit;
        UserDefaults after;
        QStringList shownAgain;
    };
    const Row rows[] = {
        {"every choice becomes its code; Imp. gal. is code 3",
         kStored,
         [](QWidget& dialog) {
             Choose(Get<QComboBox>(dialog, "cboForm"), "Sodium Metabisulphite");
             Click(Get(dialog, "optTablet"));
             Choose(Get<QComboBox>(dialog, "cboBatch"), "Imp. gal.");
             Choose(Get<QComboBox>(dialog, "cboTarget"), "Molecular SO2");
             Type(Get<TextBox>(dialog, "txtBatchSize"), "40");
             // The choice is the entry's data, whatever its text says.
             for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
                 for (int i = 0; i < list->count(); ++i) {
                     list->setItemText(i, "?");
                 }
             }
         },
         {"2", "3", "3", "10", "0.44", "40", "Molecular SO2"},
         {"Sodium Metabisulphite", "optTablet", "Imp. gal.", "10", "0.44", "40", "Molecular SO2"}},
        {"a greyed field is neither checked nor changed",
         {"1", "3", "2", "abc", "0.5", "5", "Total Free SO2"},
         [](QWidget&) {},
         {"1", "3", "2", "abc", "0.5", "5", "Total Free SO2"},
         {"Potassium Metabisulphite", "optTablet", "U.S. Gal.", "abc", "0.5", "5",
          "Total Free SO2"}},
        {"codes that select nothing are kept; no target is an empty text",
         {"01", "1", "x", "10", "0.44", "5", "Nothing"},
         [](QWidget&) {},
         {"01", "1", "x", "10", "0.44", "5", ""},
         {"", "optPowder", "", "10", "0.44", "5", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(Path());
        context_.Defaults() = row.before;
        const QStringList mainWindow = ShownDefaults(main_);
        QPointer<FrmSettings> dialog = &Open();
        row.edit(*dialog);
        Click(Get(*dialog, "cmdOK"));
        EXPECT_TRUE(Closed(dialog));
        EXPECT_TRUE(desktop_.boxes.Texts().isEmpty());
        EXPECT_EQ(context_.Defaults(), row.after);
        EXPECT_EQ(FileAt(Path()), SerializeUserDefaults(row.after));
        EXPECT_EQ(ShownDefaults(main_), mainWindow);
        ASSERT_TRUE(Activate(&main_));
        EXPECT_EQ(ShownDefaults(Open()), row.shownAgain);
        main_.SettingsDialog()->reject();
    }
}

// Enter presses the focused button, else OK; Escape presses Cancel, also
// from a field, whose key filter drops it.
TEST_F(SettingsDialogTest, OnlyOkSavesAndEveryOtherWayOfClosingDiscardsTheEntries) {
    const auto key = [](const char* control, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [=](FrmSettings& dialog) {
            Get(dialog, control)->setFocus();
            QTest::keyClick(Get(dialog, control), key, modifiers);
        };
    };
    struct Way {
        const char* what;
        std::function<void(FrmSettings&)> close;
        bool saves;
    };
    const Way ways[] = {
        {"Enter in a field", key("txtBatchSize", Qt::Key_Return), true},
        {"Enter in a list", key("cboTarget", Qt::Key_Enter), true},
        {"Alt+O", key("txtBatchSize", Qt::Key_O, Qt::AltModifier), true},
        {"Enter on Cancel", key("cmdCancel", Qt::Key_Return), false},
        {"Cancel", [](FrmSettings& dialog) { Click(Get(dialog, "cmdCancel")); }, false},
        {"Alt+C", key("txtBatchSize", Qt::Key_C, Qt::AltModifier), false},
        {"Escape in a list", key("cboForm", Qt::Key_Escape), false},
        {"Escape in a field", key("txtBatchSize", Qt::Key_Escape), false},
        {"the close box", [](FrmSettings& dialog) { dialog.close(); }, false},
    };
    // Codes that select nothing, so a fresh dialog shows its designed state.
    const UserDefaults record{"", "", "", "7", "0.5", "9", ""};
    const UserDefaults entered{"2", "3", "", "7", "0.5", "77", ""};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        QFile::remove(Path());
        context_.Defaults() = record;
        QPointer<FrmSettings> dialog = &Open();
        Choose(Get<QComboBox>(*dialog, "cboForm"), "Sodium Metabisulphite");
        Click(Get(*dialog, "optTablet"));
        Type(Get<TextBox>(*dialog, "txtBatchSize"), "77");
        way.close(*dialog);
        EXPECT_TRUE(Closed(dialog));
        EXPECT_EQ(context_.Defaults(), way.saves ? entered : record);
        EXPECT_EQ(FileAt(Path()), way.saves ? SerializeUserDefaults(entered) : "<missing>");
        ASSERT_TRUE(Activate(&main_));
        FrmSettings& fresh = Open();
        EXPECT_EQ(ShownDefaults(fresh),
                  way.saves ? QStringList(
                                  {"Sodium Metabisulphite", "optTablet", "", "7", "0.5", "77", ""})
                            : QStringList({"", "optPowder", "", "7", "0.5", "9", ""}));
        EXPECT_EQ(Get(fresh, "txtTabWeight")->isEnabled(), way.saves);
        EXPECT_EQ(QApplication::focusWidget(), Get(fresh, "cboForm"));
        fresh.reject();
        ASSERT_TRUE(Activate(&main_));
    }
}

TEST_F(SettingsDialogTest, RestoreFillsOnlyTheControlsAndOkThenWritesTheSystemDefaults) {
    const QStringList systemShown{
        "Potassium Metabisulphite", "optPowder", "U.S. Gal.", "10", "0.44", "5", "Total Free SO2"};
    const UserDefaults stored{"2", "3", "1", "12", "0.5", "40", "Molecular SO2"};
    context_.Defaults() = stored;
    ASSERT_TRUE(platform::WriteUserDefaults(stored, Path().toStdString()));

    QPointer<FrmSettings> dialog = &Open();
    Click(Get(*dialog, "cmdRestore"));
    EXPECT_EQ(ShownDefaults(*dialog), systemShown);
    EXPECT_FALSE(Get(*dialog, "txtTabWeight")->isEnabled());
    EXPECT_EQ(context_.Defaults(), stored);
    Click(Get(*dialog, "cmdCancel"));
    EXPECT_TRUE(Closed(dialog));
    EXPECT_EQ(FileAt(Path()), SerializeUserDefaults(stored));

    ASSERT_TRUE(Activate(&main_));
    dialog = &Open();
    QTest::keyClick(dialog, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShownDefaults(*dialog) == systemShown; }, 1000));
    Click(Get(*dialog, "cmdOK"));
    EXPECT_TRUE(Closed(dialog));
    EXPECT_EQ(FileAt(Path()), SerializeUserDefaults(SystemDefaults()));
    EXPECT_EQ(context_.Defaults(), SystemDefaults());
}

// A failed save says why below its message, keeps the entries for another
// try, and keeps the record as the file holds it: Cancel, and the dialog
// opened again shows the file's values, not those that failed to be saved.
TEST_F(SettingsDialogTest, AFailedSaveSaysWhyAndLeavesTheRecordAsTheFileHoldsIt) {
    struct Cause {
        const char* what;
        QString path;
        std::function<void()> make;
        std::function<void()> remove;
        const char* reason;
    };
    const QString blocker = folder_.filePath("blocked");
    const Cause causes[] = {
        // A missing folder is made, unless a file stands where it would go.
        {"the folder cannot be made", blocker + "/settings.cfg",
         [&] { QFile(blocker).open(QIODevice::WriteOnly); }, [&] { QFile::remove(blocker); },
         "Not a directory"},
        {"the path is a folder", Path(), [&] { QDir().mkpath(Path()); },
         [&] { QDir(Path()).removeRecursively(); }, "settings.cfg is not a regular file"},
        {"the user has no folder of their own", "", [] {}, [] {},
         "No user folder for settings.cfg: HOME is not set to a full path"},
        // Made read-only by its user, it is kept from root too.
        {"the file is read-only", Path(),
         [&] {
             ASSERT_TRUE(platform::WriteUserDefaults(kStored, Path().toStdString()));
             ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0444), 0);
         },
         [&] { ::chmod(QFile::encodeName(Path()).constData(), 0644); },
         "settings.cfg is read-only"},
    };
    const UserDefaults entered{"1", "2", "2", "12", "0.44", "30", "Total Free SO2"};
    for (const Cause& cause : causes) {
        SCOPED_TRACE(cause.what);
        cause.make();
        context_.SetSettingsSavePath(cause.path.toStdString());
        context_.Defaults() = kStored;
        desktop_.boxes.Clear();
        QPointer<FrmSettings> dialog = &Open();
        Type(Get<TextBox>(*dialog, "txtSolution"), "12");
        Type(Get<TextBox>(*dialog, "txtBatchSize"), "30");
        Click(Get(*dialog, "cmdOK"));
        FlushDeletes();

        ASSERT_EQ(desktop_.boxes.Texts(),
                  QStringList{QStringLiteral("Error setting user defaults.\rUsing system "
                                             "defaults.\r") +
                              cause.reason});
        EXPECT_EQ(desktop_.boxes.Shown()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(desktop_.boxes.Shown()[0].buttons, MessageButtons::Ok);
        ASSERT_EQ(main_.SettingsDialog(), dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(ShownDefaults(*dialog).mid(3, 3), QStringList({"12", "0.44", "30"}));
        EXPECT_EQ(context_.Defaults(), kStored);

        Click(Get(*dialog, "cmdCancel"));
        EXPECT_TRUE(Closed(dialog));
        ASSERT_TRUE(Activate(&main_));
        dialog = &Open();
        EXPECT_EQ(ShownDefaults(*dialog), kStoredShown);

        // Once the cause is gone, OK saves and the record takes the entries.
        if (cause.path.isEmpty()) {
            dialog->reject();
            ASSERT_TRUE(Closed(dialog));
            ASSERT_TRUE(Activate(&main_));
            continue;
        }
        cause.remove();
        Type(Get<TextBox>(*dialog, "txtSolution"), "12");
        Type(Get<TextBox>(*dialog, "txtBatchSize"), "30");
        Click(Get(*dialog, "cmdOK"));
        EXPECT_TRUE(Closed(dialog));
        EXPECT_EQ(desktop_.boxes.Texts().size(), 1);
        EXPECT_EQ(FileAt(cause.path), SerializeUserDefaults(entered));
        EXPECT_EQ(context_.Defaults(), entered);
        ASSERT_TRUE(Activate(&main_));
    }
}

TEST_F(SettingsDialogTest, ComingBackFromTheMainWindowAloneShowsTheRecordAndItsIconAgain) {
    main_.setWindowIcon(SolidIcon(Qt::red));
    FrmSettings& dialog = Open();
    auto* batch = Get<TextBox>(dialog, "txtBatchSize");
    EXPECT_EQ(dialog.windowIcon().cacheKey(), main_.windowIcon().cacheKey());

    Type(batch, "77");
    Click(Get(dialog, "optTablet"));
    Choose(Get<QComboBox>(dialog, "cboTarget"), "Molecular SO2");
    main_.setWindowIcon(SolidIcon(Qt::blue));
    ASSERT_TRUE(Activate(&main_));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ShownDefaults(dialog), kStoredShown);
    EXPECT_EQ(dialog.windowIcon().cacheKey(), main_.windowIcon().cacheKey());

    // By way of another program: meanwhile no window of ours has the focus.
    Type(batch, "77");
    ASSERT_TRUE(Activate(&main_));
    Q_EMIT qGuiApp->focusWindowChanged(nullptr);
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(batch->text(), "5");

    // A value the controls cannot show leaves its control as it is.
    context_.Defaults() = {"01", " 1", "0", "", "", "", "Molecular"};
    ASSERT_TRUE(Activate(&main_));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ShownDefaults(dialog), QStringList({"Potassium Metabisulphite", "optSolution",
                                                  "U.S. Gal.", "", "", "", "Total Free SO2"}));

    // Straight from another program, or from a window that is none of the
    // program's own, the entries stay.
    Type(batch, "77");
    Q_EMIT qGuiApp->focusWindowChanged(nullptr);
    Q_EMIT qGuiApp->focusWindowChanged(dialog.windowHandle());
    EXPECT_EQ(batch->text(), "77");

    QWidget stranger;
    stranger.show();
    ASSERT_TRUE(Activate(&stranger));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(batch->text(), "77");
}

TEST_F(SettingsDialogTest, TabVisitsTheControlsInTheDesignedOrder) {
    FrmSettings& dialog = Open();
    const QStringList designed = {"cboForm",   "optPowder",    "optSolution",  "txtSolution",
                                  "optTablet", "txtTabWeight", "txtBatchSize", "cboBatch",
                                  "cmdOK",     "cmdCancel",    "cboTarget",    "cmdRestore"};
    QStringList order;
    QWidget* control = Get(dialog, "cboForm");
    do {
        if (control->focusPolicy() & Qt::TabFocus) {
            order << control->objectName();
        }
        control = control->nextInFocusChain();
    } while (control != Get(dialog, "cboForm"));
    EXPECT_EQ(order, designed);
}

// What every control shows, the fields the record's values. Frames, labels
// and options are in the caption font; what the user types and picks and the
// dialog's buttons in the window's default font.
TEST_F(SettingsDialogTest, EveryControlShowsItsDesignedTextTipAndFont) {
    using testing::kCaption;
    using testing::kEntry;
    // clang-format off
    const std::vector<testing::ShownText> designed = {
        {.control = "fraSO2", .text = "Sulphite Data", .points = kCaption},
        {.control = "cboForm", .text = "Potassium Metabisulphite | Sodium Metabisulphite",
         .tip = "Default sulphite form.", .points = kEntry},
        {.control = "optPowder", .text = "Powder", .points = kCaption},
        {.control = "optSolution", .text = "Solution", .points = kCaption},
        {.control = "txtSolution", .text = "10", .tip = "Default solution %.", .points = kEntry},
        {.control = "lblPercent", .text = "%", .points = kCaption},
        {.control = "optTablet", .text = "Tablet", .points = kCaption},
        {.control = "txtTabWeight", .text = "0.44", .tip = "Default tablet weight.",
         .points = kEntry},
        {.control = "lblTabWeight", .text = "g", .points = kCaption},
        {.control = "fraBatch", .text = "Batch Data", .points = kCaption},
        {.control = "capSize", .text = "Size", .points = kCaption},
        {.control = "txtBatchSize", .text = "5", .tip = "Default batch size.", .points = kEntry},
        // The imperial gallon with a small g, unlike the main window's list.
        {.control = "cboBatch", .text = "U.S. Gal. | Imp. gal. | Litres",
         .tip = "Default batch units.", .points = kEntry},
        {.control = "fraTarget", .text = "Target", .points = kCaption},
        {.control = "cboTarget", .text = "Total Free SO2 | Molecular SO2", .points = kEntry},
        {.control = "cmdRestore", .text = "&Restore System Defaults",
         .tip = "Restore System Settings", .points = kEntry},
        {.control = "cmdOK", .text = "&OK", .tip = "Close and save settings.", .points = kEntry},
        {.control = "cmdCancel", .text = "&Cancel", .tip = "Close without saving settings.",
         .points = kEntry},
    };
    // clang-format on
    const FrmSettings& dialog = Open();
    EXPECT_EQ(testing::ShownBy(dialog, designed), testing::Expected(designed));
}

// Every control lies inside its container and none covers another, but for
// the batch size's caption box, which runs under the field beside it; its
// text ends before the field (the caption check below takes the covered part
// away).
TEST_F(SettingsDialogTest, ControlsLieInsideTheirContainersWithoutOverlapping) {
    EXPECT_EQ(testing::ControlsOutOfPlace(Open()), QStringList{"capSize overlaps txtBatchSize"});
}

TEST_F(SettingsDialogTest, EveryCaptionFitsInEveryMethodAndTheDialogIsPictured) {
    FrmSettings& dialog = Open();
    for (const char* option : {"optPowder", "optTablet", "optSolution"}) {
        Click(Get(dialog, option));
        EXPECT_EQ(testing::CaptionsThatDoNotFit(dialog), QStringList{}) << option;
    }
    const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog.grab().save(folder + "/settings_dialog.png"));
}

// The dialog's message boxes as the desktop shows them: they take the focus
// and run a loop of their own.
class SettingsDialogMessageBoxTest : public SettingsDialogTest {
  protected:
    SettingsDialogMessageBoxTest() : SettingsDialogTest(true) {}

    // Clicks OK and runs `whileOpen` once the message box it opens has the
    // focus. A box still open afterwards is closed, so a failing test fails
    // instead of waiting for a user. Returns the box's text.
    QString ClickOkAndWhileTheBoxIsOpen(FrmSettings& dialog,
                                        const std::function<void(QMessageBox&)>& whileOpen) {
        QString text;
        QTimer act;
        act.setSingleShot(true);
        QObject::connect(&act, &QTimer::timeout, [&] {
            QMessageBox* box = nullptr;
            const bool focused = QTest::qWaitFor(
                [&] {
                    box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    return box != nullptr && QGuiApplication::focusWindow() == box->windowHandle();
                },
                3000);
            ASSERT_TRUE(focused) << "no message box took the focus";
            text = box->text();
            whileOpen(*box);
            if (box->isVisible()) {
                ADD_FAILURE() << "the message box was left open";
                box->reject();
            }
        });
        act.start(0);
        Click(Get(dialog, "cmdOK"));
        return text;
    }
};

// Coming back from its own message box is no return from another window:
// the entries stay as typed.
TEST_F(SettingsDialogMessageBoxTest, ClosingItsWarningKeepsTheEntriesAsTyped) {
    FrmSettings& dialog = Open();
    Type(Get<TextBox>(dialog, "txtBatchSize"), "0");
    const QString warning = ClickOkAndWhileTheBoxIsOpen(
        dialog, [](QMessageBox& box) { Click(box.button(QMessageBox::Ok)); });
    EXPECT_EQ(warning, "Batch size must be greater than 0.");
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(Get<TextBox>(dialog, "txtBatchSize")->text(), "0");
    EXPECT_EQ(QApplication::focusWidget(), Get(dialog, "txtBatchSize"));
    EXPECT_EQ(main_.SettingsDialog(), &dialog);
}

TEST_F(SettingsDialogMessageBoxTest, ShuttingDownFromInsideItsWarningClosesBoxAndDialog) {
    QPointer<FrmSettings> dialog = &Open();
    Type(Get<TextBox>(*dialog, "txtBatchSize"), "");
    bool outlivedTheBox = false;
    ClickOkAndWhileTheBoxIsOpen(*dialog, [&](QMessageBox&) {
        main_.close();
        // The box's loop may delete closed windows before it returns; the
        // dialog whose OK is still running below must survive that.
        FlushDeletes();
        outlivedTheBox = !dialog.isNull();
    });
    EXPECT_TRUE(outlivedTheBox);
    EXPECT_FALSE(main_.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Closed(dialog));
    EXPECT_EQ(desktop_.programEnd.Ends(), 1);
    EXPECT_EQ(context_.Defaults(), kStored);
    EXPECT_EQ(FileAt(Path()), "<missing>");
}

}  // namespace
}  // namespace korvane
