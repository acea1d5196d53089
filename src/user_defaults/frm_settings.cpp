#include "user_defaults/frm_settings.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "dose/choice_texts.h"
#include "dose/messages.h"
#include "dose/number_text.h"
#include "platform/app_setup.h"
#include "platform/list_selection.h"
#include "ui_frm_settings.h"
#include "user_defaults/settings_file.h"

namespace korvane {
namespace {

// The same steps and limits as the main window's pairs for these quantities.
const SpinRule kSpinRules[] = {kSolutionSpin, kTabletWeightSpin, kBatchSizeSpin};

// This dialog's unit list writes the imperial gallon with a small g, unlike
// the main window's.
inline constexpr ChoiceTexts<BatchUnit, 3> kSettingsUnitTexts{{
    {BatchUnit::UsGallon, "U.S. Gal."},
    {BatchUnit::ImperialGallon, "Imp. gal."},
    {BatchUnit::Litre, "Litres"},
}};

// The three checks of one numeric field, in the order they are made.
struct FieldCheck {
    const char* emptyMessage;
    const char* notNumericMessage;
    const char* outOfRangeMessage;
    bool (*outOfRange)(float value);
};

constexpr FieldCheck kSolutionCheck{
    "Please enter solution percentage.", "Solution percentage must be numeric.",
    "Solution % must be between 0 and 100.", [](float value) { return value < 0 || value > 100; }};
constexpr FieldCheck kTabletCheck{"Please enter tablet weight.", "Tablet weight must be numeric.",
                                  "Tablet weight cannot be less than 0.",
                                  [](float value) { return value < 0; }};
constexpr FieldCheck kBatchCheck{"Please enter batch size.", "Batch size must be numeric.",
                                 "Batch size must be greater than 0.",
                                 [](float value) { return value <= 0; }};

// Gap between the main window and the dialog beside it.
constexpr int kPlacementGap = 8;

QPointer<FrmSettings>& OpenDialog() {
    static QPointer<FrmSettings> dialog;
    return dialog;
}

// Shows the first failing check of `field` and puts the focus there.
bool CheckField(const FieldCheck& check, QLineEdit* field, QWidget* dialog) {
    const std::string text = field->text().toStdString();
    const char* failure = nullptr;
    if (IsEmptyText(text)) {
        failure = check.emptyMessage;
    } else if (const std::optional<float> value = TextToSingle(text); !value) {
        failure = check.notNumericMessage;
    } else if (check.outOfRange(*value)) {
        failure = check.outOfRangeMessage;
    }
    if (failure == nullptr) {
        return true;
    }
    ShowWarning(QString::fromUtf8(failure), dialog);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

// Puts the dialog beside the main window: to its right when there is room,
// else to its left, and failing both as near as the screen allows.
void PlaceBeside(QWidget* dialog, const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    const QRect main = mainWindow->frameGeometry();
    // The dialog is not shown yet, so its frame is taken to be as thick as
    // the main window's.
    const QSize size = dialog->size() + (main.size() - mainWindow->size());
    QPoint position(main.right() + 1 + kPlacementGap, main.top());
    const QScreen* screen = mainWindow->screen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const int left = main.left() - kPlacementGap - size.width();
        if (position.x() + size.width() > area.right() + 1 && left >= area.left()) {
            position.setX(left);
        }
        position.setX(std::clamp(position.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - size.width())));
        position.setY(std::clamp(position.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    dialog->move(position);
}

// The program's own forms are the windows named "frm..." (the main window,
// this dialog and the About box); message boxes and list pop-ups are not.
bool IsProgramForm(const QWindow* window, const FrmSettings& dialog) {
    if (window == nullptr) {
        return false;
    }
    for (const QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->windowHandle() == window) {
            return topLevel != &dialog && (topLevel == dialog.MainWindow() ||
                                           topLevel->objectName().startsWith(QLatin1String("frm")));
        }
    }
    return false;
}

// Follows which window of the program has the focus, so that the dialog's
// activation can tell where the user came from: a return from the main
// window or the About box refills the dialog (also by way of another
// program), a return straight from another program or from one of the
// dialog's own message boxes does not.
class ActivationWatcher : public QObject {
  public:
    explicit ActivationWatcher(QObject* parent)
        : QObject(parent), lastFocusWindow_(QGuiApplication::focusWindow()) {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                &ActivationWatcher::OnFocusWindowChanged);
    }

  private:
    void OnFocusWindowChanged(QWindow* now) {
        // Another program taking the focus (no window of ours) changes
        // nothing: the user comes back from where they left this program.
        if (now == nullptr) {
            return;
        }
        const QPointer<QWindow> previous = lastFocusWindow_;
        lastFocusWindow_ = now;
        FrmSettings* dialog = OpenDialog();
        if (dialog == nullptr || now != dialog->windowHandle()) {
            return;
        }
        if (IsProgramForm(previous, *dialog)) {
            dialog->FillFromRecord();
        }
    }

    QPointer<QWindow> lastFocusWindow_;
};

void WatchActivations() {
    static QPointer<ActivationWatcher> watcher;
    if (watcher == nullptr && QCoreApplication::instance() != nullptr) {
        watcher = new ActivationWatcher(QCoreApplication::instance());
    }
}

Qt::WindowFlags FixedDialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

}  // namespace

FrmSettings::FrmSettings(QWidget* mainWindow)
    : QDialog(nullptr, FixedDialogFlags()),
      ui_(std::make_unique<Ui::frmSettings>()),
      mainWindow_(mainWindow) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(size());
    platform::ApplyDesignFonts(this, false);
    ConnectHandlers();
}

FrmSettings::~FrmSettings() = default;

void FrmSettings::ConnectHandlers() {
    ConnectSpinEdits(this, std::data(kSpinRules), std::size(kSpinRules), &keyFilter_);
    // Installed after the key filter, so it sees Escape before the filter
    // drops it.
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(ui_->txtSolution), static_cast<QLineEdit*>(ui_->txtTabWeight),
          static_cast<QLineEdit*>(ui_->txtBatchSize)}) {
        field->installEventFilter(this);
    }
    connect(ui_->optPowder, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Powder, on); });
    connect(ui_->optSolution, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Solution, on); });
    connect(ui_->optTablet, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Tablet, on); });
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] { OnOkClicked(); });
    connect(ui_->cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(ui_->cmdRestore, &QPushButton::clicked, this, [this] { OnRestoreClicked(); });
}

void FrmSettings::FillFromRecord() {
    if (mainWindow_ != nullptr) {
        setWindowIcon(mainWindow_->windowIcon());
    }
    ApplyToControls(TheUserDefaults());
}

void FrmSettings::ApplyToControls(const UserDefaults& values) {
    // Codes that name no choice, and a target that is no entry, leave their
    // control as it is.
    if (const auto form = FormFromCode(values.formCode)) {
        platform::SelectEntryByText(ui_->cboForm, TextOfChoice(kSulphiteFormTexts, *form));
    }
    if (const auto method = MethodFromCode(values.methodCode)) {
        switch (*method) {
            case AdditionMethod::Powder:
                ui_->optPowder->setChecked(true);
                break;
            case AdditionMethod::Solution:
                ui_->optSolution->setChecked(true);
                break;
            case AdditionMethod::Tablet:
                ui_->optTablet->setChecked(true);
                break;
        }
    }
    if (const auto unit = UnitFromCode(values.unitCode)) {
        platform::SelectEntryByText(ui_->cboBatch, TextOfChoice(kSettingsUnitTexts, *unit));
    }
    ui_->txtSolution->setText(RecordFieldText(values.solutionPercent));
    ui_->txtTabWeight->setText(RecordFieldText(values.tabletWeight));
    ui_->txtBatchSize->setText(RecordFieldText(values.batchSize));
    platform::SelectEntryByText(ui_->cboTarget, RecordFieldText(values.targetText));
}

void FrmSettings::OnMethodToggled(AdditionMethod method, bool chosen) {
    // The option that lost its selection has nothing to do.
    if (!chosen) {
        return;
    }
    // The texts stay while their fields are greyed.
    const bool solution = method == AdditionMethod::Solution;
    const bool tablet = method == AdditionMethod::Tablet;
    ui_->txtSolution->setEnabled(solution);
    ui_->vsbPercent->setEnabled(solution);
    ui_->lblPercent->setEnabled(solution);
    ui_->txtTabWeight->setEnabled(tablet);
    ui_->vsbCampden->setEnabled(tablet);
    ui_->lblTabWeight->setEnabled(tablet);
}

void FrmSettings::OnOkClicked() {
    ++busy_;
    if (ValidateSettings()) {
        SaveSettings();
    }
    --busy_;
    if (busy_ == 0 && deleteWhenIdle_) {
        deleteLater();
    }
}

void FrmSettings::OnRestoreClicked() {
    // Only the controls change; the record and the file wait for OK.
    ApplyToControls(SystemDefaults());
}

bool FrmSettings::ValidateSettings() {
    // A field of a method not chosen is not looked at, whatever it holds.
    if (ui_->optSolution->isChecked() && !CheckField(kSolutionCheck, ui_->txtSolution, this)) {
        return false;
    }
    if (ui_->optTablet->isChecked() && !CheckField(kTabletCheck, ui_->txtTabWeight, this)) {
        return false;
    }
    return CheckField(kBatchCheck, ui_->txtBatchSize, this);
}

void FrmSettings::SaveSettings() {
    UserDefaults& record = TheUserDefaults();
    // A group without a choice keeps the record's text.
    if (const auto form =
            ChoiceFromText(kSulphiteFormTexts, ui_->cboForm->currentText().toStdString())) {
        record.formCode = CodeOfForm(*form);
    }
    if (ui_->optPowder->isChecked()) {
        record.methodCode = CodeOfMethod(AdditionMethod::Powder);
    } else if (ui_->optSolution->isChecked()) {
        record.methodCode = CodeOfMethod(AdditionMethod::Solution);
    } else if (ui_->optTablet->isChecked()) {
        record.methodCode = CodeOfMethod(AdditionMethod::Tablet);
    }
    if (const auto unit =
            ChoiceFromText(kSettingsUnitTexts, ui_->cboBatch->currentText().toStdString())) {
        record.unitCode = CodeOfUnit(*unit);
    }
    // Taken as they stand, also from a greyed field that was not checked.
    record.solutionPercent = RecordFieldBytes(ui_->txtSolution->text());
    record.tabletWeight = RecordFieldBytes(ui_->txtTabWeight->text());
    record.batchSize = RecordFieldBytes(ui_->txtBatchSize->text());
    record.targetText = RecordFieldBytes(ui_->cboTarget->currentText());

    // A failed write has told the user already; the entries stay for
    // another try.
    if (WriteUserDefaults(record, SettingsFilePath(), this)) {
        accept();
    }
}

void FrmSettings::done(int result) {
    if (OpenDialog() == this) {
        OpenDialog() = nullptr;
    }
    // A message box of this dialog still waiting for its answer (the program
    // is shutting down meanwhile) is closed, so its loop returns.
    for (QDialog* box : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (box->isVisible()) {
            box->reject();
        }
    }
    if (busy_ > 0) {
        // OK's handler is still running below us: delete once it returns.
        setAttribute(Qt::WA_DeleteOnClose, false);
        deleteWhenIdle_ = true;
    }
    QDialog::done(result);
}

void FrmSettings::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, else OK (QDialog's default button);
    // Escape presses Cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui_->cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FrmSettings::eventFilter(QObject* watched, QEvent* event) {
    // The numeric key filter drops Escape in the text fields; it still
    // cancels the dialog from there.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            ui_->cmdCancel->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowSettingsDialog(QWidget* mainWindow) {
    WatchActivations();
    FrmSettings* dialog = OpenDialog();
    const bool opening = dialog == nullptr;
    if (opening) {
        dialog = new FrmSettings(mainWindow);
        OpenDialog() = dialog;
        PlaceBeside(dialog, mainWindow);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    // The window system reports the activation later, if at all; the dialog
    // shows the record now.
    dialog->FillFromRecord();
    if (opening) {
        dialog->Controls().cboForm->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void CloseSettingsDialog() {
    if (FrmSettings* dialog = OpenDialog()) {
        dialog->reject();
    }
}

FrmSettings* CurrentSettingsDialog() {
    return OpenDialog();
}

}  // namespace korvane
