#include "user_defaults/frm_settings.h"

#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "main_window/frm_sulfite.h"
#include "platform/message_box.h"
#include "support/fake_message_boxes.h"
#include "user_defaults/settings_file.h"

namespace korvane {
namespace {

const QString WriteErrorText =
    QStringLiteral("Error setting user defaults.\rUsing system defaults.");

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll().toStdString();
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor(
        [window] { return QGuiApplication::focusWindow() == window->windowHandle(); }, 3000);
}

// Deletes the dialogs that have been closed.
void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QIcon SolidIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// Everything a user can see of a window's inputs and results.
QStringList Snapshot(const QWidget& window) {
    QStringList state;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        QString value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            value = edit->text();
        } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            value = list->currentText();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            value = button->isChecked() ? "checked" : "";
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            value = label->text();
        }
        state << control->objectName() + "=" + value + (control->isEnabled() ? "" : " (grey)");
    }
    return state;
}

UserDefaults Record(std::string form, std::string method, std::string unit, std::string solution,
                    std::string tablet, std::string batch, std::string target) {
    return {std::move(form),   std::move(method), std::move(unit),  std::move(solution),
            std::move(tablet), std::move(batch),  std::move(target)};
}

// The dialog's controls, found by their names.
struct DialogControls {
    explicit DialogControls(QWidget& dialog)
        : cboForm(Find<QComboBox>(dialog, "cboForm")),
          cboBatch(Find<QComboBox>(dialog, "cboBatch")),
          cboTarget(Find<QComboBox>(dialog, "cboTarget")),
          optPowder(Find<QRadioButton>(dialog, "optPowder")),
          optSolution(Find<QRadioButton>(dialog, "optSolution")),
          optTablet(Find<QRadioButton>(dialog, "optTablet")),
          txtSolution(Find<QLineEdit>(dialog, "txtSolution")),
          txtTabWeight(Find<QLineEdit>(dialog, "txtTabWeight")),
          txtBatchSize(Find<QLineEdit>(dialog, "txtBatchSize")),
          vsbPercent(Find<QAbstractSlider>(dialog, "vsbPercent")),
          vsbCampden(Find<QAbstractSlider>(dialog, "vsbCampden")),
          vsbBatchSize(Find<QAbstractSlider>(dialog, "vsbBatchSize")),
          lblPercent(Find<QLabel>(dialog, "lblPercent")),
          lblTabWeight(Find<QLabel>(dialog, "lblTabWeight")),
          Label5(Find<QLabel>(dialog, "Label5")),
          cmdOK(Find<QPushButton>(dialog, "cmdOK")),
          cmdCancel(Find<QPushButton>(dialog, "cmdCancel")),
          cmdRestore(Find<QPushButton>(dialog, "cmdRestore")) {}

    template <typename T>
    static T* Find(QWidget& dialog, const char* name) {
        T* control = dialog.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QComboBox* cboForm;
    QComboBox* cboBatch;
    QComboBox* cboTarget;
    QRadioButton* optPowder;
    QRadioButton* optSolution;
    QRadioButton* optTablet;
    QLineEdit* txtSolution;
    QLineEdit* txtTabWeight;
    QLineEdit* txtBatchSize;
    QAbstractSlider* vsbPercent;
    QAbstractSlider* vsbCampden;
    QAbstractSlider* vsbBatchSize;
    QLabel* lblPercent;
    QLabel* lblTabWeight;
    QLabel* Label5;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdRestore;
};

class FrmSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        savedRecord_ = TheUserDefaults();
        savedPath_ = SettingsFilePath();
        SettingsFilePath() = Path();
        TheUserDefaults() = {};
        main_ = std::make_unique<FrmSulfite>();
        main_->move(0, 0);
        main_->show();
        ASSERT_TRUE(Activate(main_.get()));
    }

    void TearDown() override {
        platform::InstallMessageBoxes(&boxes_);
        CloseSettingsDialog();
        FlushDeletes();
        main_.reset();
        TheUserDefaults() = savedRecord_;
        SettingsFilePath() = savedPath_;
    }

    std::string Path() const { return (folder_.path() + "/settings.cfg").toStdString(); }

    // Opens the dialog from the main window as its Settings button does.
    FrmSettings& Open() {
        ShowSettingsDialog(main_.get());
        FrmSettings* dialog = CurrentSettingsDialog();
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(Activate(dialog));
        return *dialog;
    }

    static DialogControls Ui() { return DialogControls(*CurrentSettingsDialog()); }

    // Closes any dialog left open by a failing row, so the next row starts
    // afresh.
    static void CloseAll() {
        CloseSettingsDialog();
        FlushDeletes();
    }

    testing::FakeMessageBoxes boxes_;
    QTemporaryDir folder_;
    std::unique_ptr<FrmSulfite> main_;
    UserDefaults savedRecord_;
    std::string savedPath_;
};

TEST_F(FrmSettingsTest, EmptyRecordShowsNothingAndOkAsksForBatchSize) {
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    EXPECT_EQ(ui.txtSolution->text(), "");
    EXPECT_EQ(ui.txtTabWeight->text(), "");
    EXPECT_EQ(ui.txtBatchSize->text(), "");
    EXPECT_EQ(ui.cboForm->currentIndex(), -1);
    EXPECT_EQ(ui.cboBatch->currentIndex(), -1);
    EXPECT_EQ(ui.cboTarget->currentIndex(), -1);
    EXPECT_TRUE(ui.optPowder->isChecked());
    for (QWidget* methodField :
         std::vector<QWidget*>{ui.txtSolution, ui.vsbPercent, ui.lblPercent, ui.txtTabWeight,
                               ui.vsbCampden, ui.lblTabWeight}) {
        EXPECT_FALSE(methodField->isEnabled()) << methodField->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), ui.cboForm);

    ui.cmdOK->click();
    ASSERT_EQ(boxes_.Texts(), QStringList{"Please enter batch size."});
    EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(dialog.focusWidget(), ui.txtBatchSize);
    EXPECT_EQ(ReadAll(Path()), "<missing>");
    EXPECT_EQ(TheUserDefaults(), UserDefaults{});
}

TEST_F(FrmSettingsTest, ChecksReportTheFirstFailureOnlyAndPutTheFocusThere) {
    struct Row {
        const char* method;
        const char* solution;
        const char* tablet;
        const char* batch;
        QString message;
        const char* focus;
    };
    const Row rows[] = {
        {"2", "", "x", "5", "Please enter solution percentage.", "txtSolution"},
        {"2", "abc", "", "5", "Solution percentage must be numeric.", "txtSolution"},
        {"2", ".", "", "5", "Solution percentage must be numeric.", "txtSolution"},
        {"2", "1e39", "", "5", "Solution percentage must be numeric.", "txtSolution"},
        {"2", "100.5", "", "5", "Solution % must be between 0 and 100.", "txtSolution"},
        {"2", "-1", "", "5", "Solution % must be between 0 and 100.", "txtSolution"},
        {"2", "", "", "", "Please enter solution percentage.", "txtSolution"},
        {"3", "x", "", "", "Please enter tablet weight.", "txtTabWeight"},
        {"3", "", "1.2.3", "5", "Tablet weight must be numeric.", "txtTabWeight"},
        {"3", "", "-0.01", "5", "Tablet weight cannot be less than 0.", "txtTabWeight"},
        {"1", "", "", "", "Please enter batch size.", "txtBatchSize"},
        {"2", "50", "x", "abc", "Batch size must be numeric.", "txtBatchSize"},
        {"1", "", "", "1e39", "Batch size must be numeric.", "txtBatchSize"},
        {"1", "", "", "0", "Batch size must be greater than 0.", "txtBatchSize"},
        {"3", "", "0", "-3", "Batch size must be greater than 0.", "txtBatchSize"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString() + " from '" + row.solution + "' '" + row.tablet +
                     "' '" + row.batch + "'");
        const UserDefaults record =
            Record("1", row.method, "2", row.solution, row.tablet, row.batch, "Total Free SO2");
        TheUserDefaults() = record;
        boxes_.Clear();
        FrmSettings& dialog = Open();
        DialogControls(dialog).cmdOK->click();
        FlushDeletes();

        ASSERT_EQ(CurrentSettingsDialog(), &dialog);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes_.Texts(), QStringList{row.message});
        EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::Exclamation);
        ASSERT_NE(dialog.focusWidget(), nullptr);
        EXPECT_EQ(dialog.focusWidget()->objectName(), row.focus);
        EXPECT_EQ(TheUserDefaults(), record);
        EXPECT_EQ(ReadAll(Path()), "<missing>");
        CloseAll();
    }
}

TEST_F(FrmSettingsTest, PassingEntriesAreSavedAsTheyStandAndTheDialogCloses) {
    struct Row {
        UserDefaults before;
        UserDefaults after;
    };
    const Row rows[] = {
        // The greyed solution field is neither checked nor changed.
        {Record("1", "3", "2", "abc", "0", "5", "Total Free SO2"),
         Record("1", "3", "2", "abc", "0", "5", "Total Free SO2")},
        {Record("2", "3", "1", "", "0.44", "23", "Molecular SO2"),
         Record("2", "3", "1", "", "0.44", "23", "Molecular SO2")},
        {Record("1", "2", "3", "0", "x", "1", "Total Free SO2"),
         Record("1", "2", "3", "0", "x", "1", "Total Free SO2")},
        {Record("1", "2", "2", "100", "", "0.5", "Total Free SO2"),
         Record("1", "2", "2", "100", "", "0.5", "Total Free SO2")},
        {Record("2", "1", "1", "", "-1", " 7 ", "Molecular SO2"),
         Record("2", "1", "1", "", "-1", " 7 ", "Molecular SO2")},
        // Codes that select nothing are kept; the target is the list's text,
        // which is empty when nothing could be selected.
        {Record("01", "1", "x", "10", "0.44", "5", "Nothing"),
         Record("01", "1", "x", "10", "0.44", "5", "")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(SerializeUserDefaults(row.before));
        TheUserDefaults() = row.before;
        boxes_.Clear();
        const QStringList mainBefore = Snapshot(*main_);
        DialogControls(Open()).cmdOK->click();
        FlushDeletes();

        EXPECT_EQ(CurrentSettingsDialog(), nullptr);
        EXPECT_TRUE(boxes_.Texts().isEmpty());
        EXPECT_EQ(TheUserDefaults(), row.after);
        EXPECT_EQ(ReadAll(Path()), SerializeUserDefaults(row.after));
        EXPECT_EQ(Snapshot(*main_), mainBefore);
        CloseAll();
        QFile::remove(QString::fromStdString(Path()));
    }
}

TEST_F(FrmSettingsTest, ChoicesBecomeCodesAndAreSelectedAgainOnReopening) {
    TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "5", "Total Free SO2");
    DialogControls ui(Open());
    ui.cboForm->setCurrentIndex(ui.cboForm->findText("Sodium Metabisulphite"));
    ui.optTablet->click();
    ui.cboBatch->setCurrentIndex(ui.cboBatch->findText("Imp. gal."));
    ui.cboTarget->setCurrentIndex(ui.cboTarget->findText("Molecular SO2"));
    ui.cmdOK->click();
    FlushDeletes();
    ASSERT_EQ(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults(), Record("2", "3", "3", "10", "0.44", "5", "Molecular SO2"));

    DialogControls again(Open());
    EXPECT_EQ(again.cboForm->currentText(), "Sodium Metabisulphite");
    EXPECT_TRUE(again.optTablet->isChecked());
    EXPECT_TRUE(again.txtTabWeight->isEnabled());
    EXPECT_FALSE(again.txtSolution->isEnabled());
    EXPECT_EQ(again.cboBatch->currentText(), "Imp. gal.");
    EXPECT_EQ(again.cboTarget->currentText(), "Molecular SO2");

    // Each option greys the fields of the others; their texts stay.
    const std::pair<QRadioButton*, std::pair<bool, bool>> options[] = {
        {again.optSolution, {true, false}},
        {again.optPowder, {false, false}},
        {again.optTablet, {false, true}},
    };
    for (const auto& [option, enabled] : options) {
        option->click();
        EXPECT_EQ(again.txtSolution->isEnabled(), enabled.first);
        EXPECT_EQ(again.vsbPercent->isEnabled(), enabled.first);
        EXPECT_EQ(again.lblPercent->isEnabled(), enabled.first);
        EXPECT_EQ(again.txtTabWeight->isEnabled(), enabled.second);
        EXPECT_EQ(again.vsbCampden->isEnabled(), enabled.second);
        EXPECT_EQ(again.lblTabWeight->isEnabled(), enabled.second);
        EXPECT_EQ(again.txtSolution->text(), "10");
        EXPECT_EQ(again.txtTabWeight->text(), "0.44");
    }
}

TEST_F(FrmSettingsTest, RestoreFillsTheSystemDefaultsAndOnlyOkStoresThem) {
    const UserDefaults stored = Record("2", "3", "1", "12", "0.5", "40", "Molecular SO2");
    const std::string oldFile = SerializeUserDefaults(stored);
    WriteRaw(Path(), oldFile);

    // Restore, then Cancel: neither the record nor the file changes.
    TheUserDefaults() = stored;
    DialogControls ui(Open());
    ui.cmdRestore->click();
    EXPECT_EQ(ui.cboForm->currentText(), "Potassium Metabisulphite");
    EXPECT_TRUE(ui.optPowder->isChecked());
    EXPECT_FALSE(ui.txtTabWeight->isEnabled());
    EXPECT_EQ(ui.cboBatch->currentText(), "U.S. Gal.");
    EXPECT_EQ(ui.txtSolution->text(), "10");
    EXPECT_EQ(ui.txtTabWeight->text(), "0.44");
    EXPECT_EQ(ui.txtBatchSize->text(), "5");
    EXPECT_EQ(ui.cboTarget->currentText(), "Total Free SO2");
    EXPECT_NE(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults(), stored);
    ui.cmdCancel->click();
    FlushDeletes();
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults(), stored);
    EXPECT_EQ(ReadAll(Path()), oldFile);

    // Restore, then OK: the 52-byte file.
    DialogControls(Open()).cmdRestore->click();
    Ui().cmdOK->click();
    FlushDeletes();
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    const std::string expected =
        "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"10\"\r\n\"0.44\"\r\n\"5\"\r\n\"Total Free SO2\"\r\n";
    ASSERT_EQ(expected.size(), 52u);
    EXPECT_EQ(ReadAll(Path()), expected);
    EXPECT_EQ(TheUserDefaults(), SystemDefaults());
}

TEST_F(FrmSettingsTest, ComingBackFromTheMainWindowShowsTheRecordAgain) {
    TheUserDefaults() = Record("1", "2", "2", "10", "0.44", "5", "Total Free SO2");
    main_->setWindowIcon(SolidIcon(Qt::red));
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    EXPECT_EQ(dialog.windowIcon().pixmap(16).toImage(), SolidIcon(Qt::red).pixmap(16).toImage());

    ui.txtBatchSize->setText("77");
    ui.txtSolution->setText("3");
    ui.optTablet->click();
    ui.cboTarget->setCurrentIndex(1);
    main_->setWindowIcon(SolidIcon(Qt::blue));
    ASSERT_TRUE(Activate(main_.get()));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ui.txtBatchSize->text(), "5");
    EXPECT_EQ(ui.txtSolution->text(), "10");
    EXPECT_TRUE(ui.optSolution->isChecked());
    EXPECT_EQ(ui.cboTarget->currentText(), "Total Free SO2");
    EXPECT_EQ(dialog.windowIcon().pixmap(16).toImage(), SolidIcon(Qt::blue).pixmap(16).toImage());

    // A value the dialog cannot show leaves its control as it is.
    TheUserDefaults() = Record("01", " 1", "0", "", "", "", "Molecular");
    ASSERT_TRUE(Activate(main_.get()));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ui.cboForm->currentText(), "Potassium Metabisulphite");
    EXPECT_TRUE(ui.optSolution->isChecked());
    EXPECT_EQ(ui.cboBatch->currentText(), "U.S. Gal.");
    EXPECT_EQ(ui.cboTarget->currentText(), "Total Free SO2");
    EXPECT_EQ(ui.txtBatchSize->text(), "");

    // A window that is none of the program's forms does not count.
    TheUserDefaults().batchSize = "9";
    ui.txtBatchSize->setText("77");
    QWidget stranger;
    stranger.show();
    ASSERT_TRUE(Activate(&stranger));
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ui.txtBatchSize->text(), "77");
}

TEST_F(FrmSettingsTest, ReturningFromTheMainWindowByWayOfAnotherProgramShowsTheRecordAgain) {
    TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "5", "Total Free SO2");
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    ui.txtBatchSize->setText("77");
    ASSERT_TRUE(Activate(main_.get()));
    // Another program takes the focus: the window system reports no window
    // of ours as focused.
    Q_EMIT qGuiApp->focusWindowChanged(nullptr);
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_EQ(ui.txtBatchSize->text(), "5");
}

TEST_F(FrmSettingsTest, ClosingAWarningKeepsTheEntriesAsTyped) {
    TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "5", "Total Free SO2");
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    ui.txtBatchSize->setText("0");
    // Real message boxes, so the activation passes to the box and back.
    platform::InstallMessageBoxes(nullptr);
    QString shown;
    bool boxWasActive = false;
    QTimer::singleShot(0, [&] {
        const bool open =
            QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 3000);
        ASSERT_TRUE(open);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxWasActive = QTest::qWaitFor(
            [box] { return QGuiApplication::focusWindow() == box->windowHandle(); }, 3000);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ui.cmdOK->click();
    ASSERT_TRUE(Activate(&dialog));
    EXPECT_TRUE(boxWasActive);
    EXPECT_EQ(shown, "Batch size must be greater than 0.");
    EXPECT_EQ(ui.txtBatchSize->text(), "0");
    EXPECT_EQ(CurrentSettingsDialog(), &dialog);
}

TEST_F(FrmSettingsTest, ShutDownDuringAWarningClosesEverythingSafely) {
    TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "", "Total Free SO2");
    QPointer<FrmSettings> dialog = &Open();
    platform::InstallMessageBoxes(nullptr);
    bool boxSeen = false;
    bool dialogOutlivedTheBox = false;
    QTimer::singleShot(0, [&] {
        boxSeen = QTest::qWaitFor(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, 3000);
        CloseSettingsDialog();
        CloseSettingsDialog();  // a second request finds nothing open
        // The box's loop may delete closed windows before it returns; the
        // dialog whose OK is still running below must survive that.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogOutlivedTheBox = !dialog.isNull();
    });
    DialogControls(*dialog).cmdOK->click();
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(dialogOutlivedTheBox);
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    FlushDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(ReadAll(Path()), "<missing>");
    CloseSettingsDialog();
}

TEST_F(FrmSettingsTest, FailedWriteKeepsTheEntriesAndASecondOkWrites) {
    struct Cause {
        const char* name;
        std::function<std::string()> make;  // returns the path to write to
        std::function<void()> remove;
    };
    const QString missing = folder_.path() + "/missing";
    const QString directory = folder_.path() + "/settings.cfg";
    const Cause causes[] = {
        {"folder does not exist", [&] { return (missing + "/settings.cfg").toStdString(); },
         [&] { QDir().mkpath(missing); }},
        {"path is a folder",
         [&] {
             QDir().mkpath(directory);
             return directory.toStdString();
         },
         [&] { QDir(directory).removeRecursively(); }},
    };
    for (const Cause& cause : causes) {
        SCOPED_TRACE(cause.name);
        SettingsFilePath() = cause.make();
        TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "5", "Total Free SO2");
        boxes_.Clear();
        FrmSettings& dialog = Open();
        DialogControls ui(dialog);
        ui.optSolution->click();
        ui.txtSolution->setText("12");
        ui.txtBatchSize->setText("30");
        ui.cmdOK->click();
        FlushDeletes();

        ASSERT_EQ(CurrentSettingsDialog(), &dialog);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(boxes_.Texts(), QStringList{WriteErrorText});
        EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::Critical);
        EXPECT_TRUE(ui.optSolution->isChecked());
        EXPECT_EQ(ui.txtSolution->text(), "12");
        EXPECT_EQ(ui.txtBatchSize->text(), "30");
        const UserDefaults entered = Record("1", "2", "2", "12", "0.44", "30", "Total Free SO2");
        EXPECT_EQ(TheUserDefaults(), entered);

        cause.remove();
        ui.cmdOK->click();
        FlushDeletes();
        EXPECT_EQ(CurrentSettingsDialog(), nullptr);
        EXPECT_EQ(boxes_.Texts().size(), 1);
        EXPECT_EQ(ReadAll(SettingsFilePath()), SerializeUserDefaults(entered));
        CloseAll();
    }
}

TEST_F(FrmSettingsTest, SpinArrowsStepAndKeepTheLimits) {
    enum Arrow { Up, Down };
    struct Row {
        const char* field;
        const char* start;
        Arrow arrow;
        const char* expected;
    };
    const Row rows[] = {
        {"txtSolution", "10", Up, "11"},      {"txtSolution", "99", Up, "100"},
        {"txtSolution", "100", Up, "100"},    {"txtSolution", "2", Down, "1"},
        {"txtSolution", "1", Down, "1"},      {"txtSolution", "0.4", Up, "1"},
        {"txtSolution", "", Down, "1"},       {"txtSolution", "250", Down, "100"},
        {"txtTabWeight", "0.44", Up, "0.45"}, {"txtTabWeight", "0.01", Down, "0.00"},
        {"txtTabWeight", "0", Down, "0.00"},  {"txtTabWeight", "abc", Up, "0.00"},
        {"txtBatchSize", "23", Up, "24"},     {"txtBatchSize", "1", Down, "0"},
        {"txtBatchSize", "0", Down, "0"},     {"txtBatchSize", "", Up, "0"},
    };
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    const std::pair<QLineEdit*, QAbstractSlider*> pairs[] = {
        {ui.txtSolution, ui.vsbPercent},
        {ui.txtTabWeight, ui.vsbCampden},
        {ui.txtBatchSize, ui.vsbBatchSize},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " '" + row.start + "' " +
                     (row.arrow == Up ? "up" : "down"));
        for (const auto& [field, bar] : pairs) {
            if (field->objectName() != row.field) {
                continue;
            }
            if (field == ui.txtSolution) {
                ui.optSolution->click();
            } else if (field == ui.txtTabWeight) {
                ui.optTablet->click();
            }
            field->setText(row.start);
            ui.cboForm->setFocus();
            bar->triggerAction(row.arrow == Up ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(field->text(), row.expected);
            EXPECT_EQ(bar->value(), 0);
            EXPECT_EQ(dialog.focusWidget(), field);
        }
    }
}

TEST_F(FrmSettingsTest, FieldsTakeDigitsAndPeriodsUpToTenCharacters) {
    DialogControls ui(Open());
    ui.optSolution->click();
    ui.optTablet->click();
    ui.optSolution->click();
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(ui.txtSolution), static_cast<QLineEdit*>(ui.txtBatchSize)}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, "1a-, 2.5");
        EXPECT_EQ(field->text(), "12.5");
        field->clear();
        QTest::keyClicks(field, "123456789012");
        EXPECT_EQ(field->text(), "1234567890");
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
}

TEST_F(FrmSettingsTest, EnterPressesOkAndEscapePressesCancel) {
    TheUserDefaults() = Record("1", "1", "2", "10", "0.44", "5", "Total Free SO2");
    DialogControls ui(Open());
    ui.txtBatchSize->setText("8");
    QTest::keyClick(ui.txtBatchSize, Qt::Key_Escape);
    FlushDeletes();
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults().batchSize, "5");
    EXPECT_EQ(ReadAll(Path()), "<missing>");

    DialogControls again(Open());
    again.txtBatchSize->setFocus();
    again.txtBatchSize->setText("8");
    QTest::keyClick(again.txtBatchSize, Qt::Key_Return);
    FlushDeletes();
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults().batchSize, "8");
    EXPECT_NE(ReadAll(Path()), "<missing>");
}

TEST_F(FrmSettingsTest, AtMostOneDialogAndEachOpeningStartsAfresh) {
    TheUserDefaults() = Record("", "", "", "7", "0.5", "9", "");
    FrmSettings& first = Open();
    DialogControls ui(first);
    ui.txtBatchSize->setText("77");
    ASSERT_TRUE(Activate(main_.get()));
    ShowSettingsDialog(main_.get());
    EXPECT_EQ(CurrentSettingsDialog(), &first);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == first.windowHandle(); }));
    EXPECT_EQ(ui.txtBatchSize->text(), "9");
    int shown = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        shown += window->objectName() == "frmSettings" && window->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);

    // Choices made and then cancelled are gone at the next opening.
    ui.optTablet->click();
    ui.cboForm->setCurrentIndex(1);
    ui.cboBatch->setCurrentIndex(2);
    ui.cboTarget->setCurrentIndex(1);
    first.close();  // the close box
    FlushDeletes();
    EXPECT_EQ(CurrentSettingsDialog(), nullptr);
    EXPECT_EQ(TheUserDefaults(), Record("", "", "", "7", "0.5", "9", ""));

    DialogControls fresh(Open());
    EXPECT_TRUE(fresh.optPowder->isChecked());
    EXPECT_FALSE(fresh.txtTabWeight->isEnabled());
    EXPECT_EQ(fresh.cboForm->currentIndex(), -1);
    EXPECT_EQ(fresh.cboBatch->currentIndex(), -1);
    EXPECT_EQ(fresh.cboTarget->currentIndex(), -1);
    EXPECT_EQ(fresh.txtSolution->text(), "7");
    EXPECT_EQ(fresh.txtTabWeight->text(), "0.5");
    EXPECT_EQ(fresh.txtBatchSize->text(), "9");
    EXPECT_EQ(QApplication::focusWidget(), fresh.cboForm);
}

TEST_F(FrmSettingsTest, OpensBesideTheMainWindowAndOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setObjectName("frmSulfite");
    main.setFixedSize(200, 100);
    enum Side { Right, Left };
    const std::pair<QPoint, Side> rows[] = {
        {screen.topLeft() + QPoint(10, 20), Right},
        {screen.topRight() + QPoint(-210, 20), Left},
        {screen.bottomLeft() + QPoint(10, -120), Right},  // kept above the screen's foot
    };
    for (const auto& [corner, side] : rows) {
        SCOPED_TRACE(side == Right ? "right" : "left");
        main.move(corner);
        main.show();
        ASSERT_TRUE(Activate(&main));
        ShowSettingsDialog(&main);
        FrmSettings* dialog = CurrentSettingsDialog();
        ASSERT_NE(dialog, nullptr);
        const QRect placed = dialog->frameGeometry();
        const QRect beside = main.frameGeometry();
        EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
        EXPECT_TRUE(side == Right ? placed.left() > beside.right()
                                  : placed.right() < beside.left());
        EXPECT_EQ(placed.top(), std::min(beside.top(), screen.bottom() + 1 - placed.height()));
        CloseAll();
    }
}

TEST_F(FrmSettingsTest, WindowHasTheDesignedControls) {
    struct Control {
        const char* name;
        const char* kind;
        const char* parent;
        int left, top, width, height;
        const char* tip;
    };
    // Twips, as designed; the panel's children sit inside its 2-pixel border.
    const Control controls[] = {
        {"cmdOK", "QPushButton", "frmSettings", 4920, 2760, 1215, 400, "Close and save settings."},
        {"cmdCancel", "QPushButton", "frmSettings", 3600, 2760, 1215, 400,
         "Close without saving settings."},
        {"Picture1", "QFrame", "frmSettings", 38, 0, 6165, 2655, ""},
        {"fraSO2", "QGroupBox", "Picture1", 120, 120, 2895, 2295, ""},
        {"cboForm", "QComboBox", "fraSO2", 240, 480, 2415, 315, "Default sulphite form."},
        {"optPowder", "QRadioButton", "fraSO2", 240, 1080, 1095, 300, ""},
        {"optSolution", "QRadioButton", "fraSO2", 240, 1440, 1095, 300, ""},
        {"optTablet", "QRadioButton", "fraSO2", 240, 1800, 975, 300, ""},
        {"txtSolution", "korvane::platform::TextBox", "fraSO2", 1440, 1440, 750, 300,
         "Default solution %."},
        {"vsbPercent", "korvane::platform::SpinBar", "fraSO2", 2190, 1440, 255, 300, ""},
        {"lblPercent", "QLabel", "fraSO2", 2520, 1440, 255, 300, ""},
        {"txtTabWeight", "korvane::platform::TextBox", "fraSO2", 1440, 1800, 750, 300,
         "Default tablet weight."},
        {"vsbCampden", "korvane::platform::SpinBar", "fraSO2", 2190, 1800, 255, 300, ""},
        {"lblTabWeight", "QLabel", "fraSO2", 2520, 1800, 255, 300, ""},
        {"Frame2", "QGroupBox", "Picture1", 3120, 120, 2895, 855, ""},
        {"Label5", "QLabel", "Frame2", 120, 360, 735, 300, ""},
        {"txtBatchSize", "korvane::platform::TextBox", "Frame2", 600, 360, 750, 300,
         "Default batch size."},
        {"vsbBatchSize", "korvane::platform::SpinBar", "Frame2", 1350, 360, 255, 300, ""},
        {"cboBatch", "QComboBox", "Frame2", 1680, 360, 1095, 315, "Default batch units."},
        {"Frame1", "QGroupBox", "Picture1", 3120, 1080, 2895, 855, ""},
        {"cboTarget", "QComboBox", "Frame1", 600, 360, 1935, 315, ""},
        {"cmdRestore", "QPushButton", "Picture1", 3120, 2040, 2895, 400, "Restore System Settings"},
    };
    FrmSettings& dialog = Open();
    EXPECT_EQ(dialog.objectName(), "frmSettings");
    EXPECT_EQ(dialog.windowTitle(), "Default Settings");
    EXPECT_EQ(dialog.size(), QSize(416, 215));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog.isModal());
    const auto pixels = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = dialog.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(c.kind));
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent);
        const int border = std::string_view(c.parent) == "Picture1" ? 2 : 0;
        EXPECT_EQ(widget->geometry(), QRect(pixels(c.left) + border, pixels(c.top) + border,
                                            pixels(c.width), pixels(c.height)));
        EXPECT_EQ(widget->toolTip(), c.tip);
    }
    DialogControls ui(dialog);
    EXPECT_EQ(ui.cboBatch->itemText(1), "Imp. gal.");
    EXPECT_EQ(ui.cmdOK->text(), "&OK");
    EXPECT_EQ(ui.cmdCancel->text(), "&Cancel");
    EXPECT_EQ(ui.cmdRestore->text(), "&Restore System Defaults");
    EXPECT_FALSE(ui.vsbPercent->accessibleName().isEmpty());
    EXPECT_FALSE(ui.vsbBatchSize->accessibleName().isEmpty());

    // Tab visits the controls in the designed order; the spin bars are no
    // stops.
    ui.optSolution->click();
    ui.optTablet->click();
    ui.optPowder->click();
    const QStringList order = {"cboForm",   "optPowder",    "optSolution",  "txtSolution",
                               "optTablet", "txtTabWeight", "txtBatchSize", "cboBatch",
                               "cmdOK",     "cmdCancel",    "cboTarget",    "cmdRestore"};
    QStringList chain;
    QWidget* widget = ui.cboForm;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != ui.cboForm);
    EXPECT_EQ(chain, order);
}

// The caption font must leave every caption and list entry whole. The
// screenshot is for looking at the dialog by eye.
TEST_F(FrmSettingsTest, EveryCaptionFitsAndTheDialogIsPictured) {
    TheUserDefaults() = SystemDefaults();
    FrmSettings& dialog = Open();
    DialogControls ui(dialog);
    ui.optSolution->click();
    QStringList checked;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const QFontMetrics metrics(control->font());
        const QString name = control->objectName();
        const auto fits = [&](const QString& text, int room) {
            const QString shown = QString(text).remove('&');
            EXPECT_LE(metrics.horizontalAdvance(shown), room)
                << name.toStdString() << ": " << shown.toStdString();
            EXPECT_LE(metrics.height(), control->height()) << name.toStdString();
            checked << name;
        };
        if (auto* label = qobject_cast<QLabel*>(control)) {
            fits(label->text(), label->contentsRect().width());
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            fits(option->text(),
                 option->style()
                     ->subElementRect(QStyle::SE_RadioButtonContents, &style, option)
                     .width());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            const int margin =
                button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            fits(button->text(), button->width() - 2 * margin);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            QStyleOptionGroupBox style;
            style.initFrom(frame);
            style.text = frame->title();
            style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &style,
                                                               QStyle::SC_GroupBoxLabel, frame);
            fits(frame->title(), frame->width() - label.left());
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox style;
            style.initFrom(list);
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &style,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i) {
                fits(list->itemText(i), room);
            }
        }
    }
    checked.removeDuplicates();
    EXPECT_EQ(checked.size(), 15);  // three each of labels, options, frames, buttons, lists
    EXPECT_EQ(ui.lblPercent->font().pointSizeF(), ui.Label5->font().pointSizeF());
    EXPECT_GT(ui.optPowder->font().pixelSize(), ui.cmdOK->font().pixelSize());
    EXPECT_EQ(ui.cmdOK->font().pixelSize(), ui.txtBatchSize->font().pixelSize());

    const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog.grab().save(folder + "/settings_dialog.png"));
}

}  // namespace
}  // namespace korvane
