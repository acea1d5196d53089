#include "app/settings_dialog/frm_settings.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <iterator>

#include "app/about_box/frm_about.h"
#include "app/app_context.h"
#include "app/main_window/frm_sulfite.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/messages.h"
#include "platform/app_setup.h"
#include "platform/settings_store.h"
#include "platform/translations.h"
#include "widgets/choice_list.h"

namespace korvane {
namespace {

// Gap between the main window and the dialog beside it.
constexpr int kPlacementGap = 8;

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

// The program's own windows other than this dialog: the main window and its
// About box. Message boxes and list pop-ups are not among them.
bool IsProgramForm(const QWindow* window, const FrmSettings& dialog) {
    const auto* mainWindow = qobject_cast<const FrmSulfite*>(dialog.MainWindow());
    const QWidget* const forms[] = {dialog.MainWindow(),
                                    mainWindow != nullptr ? mainWindow->AboutBox() : nullptr};
    return window != nullptr &&
           std::any_of(std::begin(forms), std::end(forms), [window](const QWidget* form) {
               return form != nullptr && form->windowHandle() == window;
           });
}

// Follows which window of the program has the focus, so that the dialog's
// activation can tell where the user came from: a return from the main
// window or the About box refills the dialog (also by way of another
// program), a return straight from another program or from one of the
// dialog's own message boxes does not.
class ActivationWatcher : public QObject {
  public:
    explicit ActivationWatcher(FrmSettings* dialog)
        : QObject(dialog), dialog_(dialog), lastFocusWindow_(QGuiApplication::focusWindow()) {
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
        if (now == dialog_->windowHandle() && IsProgramForm(previous, *dialog_)) {
            dialog_->FillFromRecord();
        }
    }

    FrmSettings* dialog_;
    QPointer<QWindow> lastFocusWindow_;
};

}  // namespace

FrmSettings::FrmSettings(AppContext& context, QWidget* mainWindow)
    : QDialog(nullptr, platform::FixedDialogFlags()),
      context_(context),
      mainWindow_(mainWindow),
      keyFilter_(context.DecimalKeyOfLanguage()) {
    ui_.setupUi(this);
    defaults_ = DefaultsControlsOf(ui_);
    fields_ = SheetFieldsOf(ui_);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(size());
    platform::ApplyDesignFonts(this, false);
    platform::LayCaptionsBeneathControls(this);
    widgets::FillChoiceList(ui_.cboForm, kSulphiteForms);
    widgets::FillChoiceList(ui_.cboBatch, kBatchUnits, widgets::ListIn::SettingsDialog);
    widgets::FillChoiceList(ui_.cboTarget, kTargetKinds);
    // Never seen: every activation shows the record's values instead.
    ShowOpeningTexts(fields_);
    new ActivationWatcher(this);
    ConnectHandlers();
}

FrmSettings::~FrmSettings() = default;

void FrmSettings::ConnectHandlers() {
    BindSheetSpinEdits(fields_, keyFilter_);
    ConnectMethodChoice(defaults_, this, [this](AdditionMethod method) { OnMethodChosen(method); });
    connect(ui_.cmdOK, &QPushButton::clicked, this, [this] { OnOkClicked(); });
    connect(ui_.cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(ui_.cmdRestore, &QPushButton::clicked, this, [this] { OnRestoreClicked(); });
}

void FrmSettings::ShowBesideMainWindow() {
    const bool opening = !shown_;
    if (opening) {
        shown_ = true;
        PlaceBeside(this, mainWindow_);
    }
    show();
    raise();
    activateWindow();
    // The window system reports the activation later, if at all; the dialog
    // shows the record now.
    FillFromRecord();
    if (opening) {
        ui_.cboForm->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void FrmSettings::FillFromRecord() {
    if (mainWindow_ != nullptr) {
        setWindowIcon(mainWindow_->windowIcon());
    }
    // A target text that is no entry leaves the list as it is.
    ApplyDefaultsToForm(defaults_, context_.Defaults());
}

void FrmSettings::OnMethodChosen(AdditionMethod method) {
    EnableMethodFields(defaults_, method);
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
    ApplyDefaultsToForm(defaults_, SystemDefaults());
}

bool FrmSettings::ValidateSettings() {
    // A field of a method not chosen is not looked at, whatever it holds.
    SheetView entries;
    SheetTexts texts;
    entries.method = ChosenMethod(defaults_).value_or(AdditionMethod::Powder);
    texts.Take(fields_, entries);
    const std::optional<FailedCheck> failed = FirstFailedSettingsCheck(entries);
    if (!failed) {
        return true;
    }
    context_.ShowWarning(platform::CoreText(failed->message), this);
    // Every check the dialog makes is on one of its fields.
    FieldBox(fields_, failed->field.value_or(SheetField::BatchSize))
        ->setFocus(Qt::OtherFocusReason);
    return false;
}

void FrmSettings::SaveSettings() {
    UserDefaults entered = context_.Defaults();
    CopyFormToDefaults(defaults_, entered);
    const platform::WriteResult saved =
        platform::WriteUserDefaults(entered, context_.SettingsSavePath());
    if (saved) {
        context_.Defaults() = std::move(entered);
        accept();
        return;
    }
    // The record keeps what the file holds; the entries stay for another
    // try. The reason goes on a line of its own below the message's two.
    context_.ShowCritical(
        platform::CoreText(kDefaultsNotSavedMessage) + QLatin1Char('\r') + saved.reason, this);
}

void FrmSettings::done(int result) {
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
    // a plain Escape presses Cancel, from the text fields too, which let it
    // pass.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui_.cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace korvane
