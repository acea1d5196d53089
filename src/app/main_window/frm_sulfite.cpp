#include "app/main_window/frm_sulfite.h"

#include <QCloseEvent>
#include <QFocusEvent>

#include "app/about_box/frm_about.h"
#include "app/app_context.h"
#include "app/main_window/selectors.h"
#include "app/settings_dialog/frm_settings.h"
#include "core/rules/product.h"
#include "platform/app_setup.h"
#include "platform/translations.h"
#include "widgets/choice_list.h"
#include "widgets/result_label.h"

namespace korvane {
namespace {

// The label of each result that is not a field. Each is a result label, so
// whatever figure is written there is shown whole or not at all.
struct OutputRow {
    SheetOutput output;
    widgets::ResultLabel* Ui::frmSulfite::*label;
};

constexpr OutputRow kOutputLabels[] = {
    {SheetOutput::ExistingMolecular, &Ui::frmSulfite::lblExistMolSO2},
    {SheetOutput::Teaspoons, &Ui::frmSulfite::lblAddition2},
    {SheetOutput::Amount, &Ui::frmSulfite::lblAddition},
    {SheetOutput::FreeRequirement, &Ui::frmSulfite::lblSO2Requirement},
    {SheetOutput::MolecularRequirement, &Ui::frmSulfite::lblMolSO2Requirement},
};

Qt::WindowFlags FixedWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

// Only a move to another control counts as leaving a field; a switch to
// another window or a popup list does not.
bool MovedToAnotherControl(const QFocusEvent& event) {
    switch (event.reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

}  // namespace

FrmSulfite::FrmSulfite(AppContext& context, QWidget* parent)
    : QWidget(parent, FixedWindowFlags()),
      context_(context),
      keyFilter_(context.DecimalKeyOfLanguage()) {
    ui_.setupUi(this);
    defaults_ = DefaultsControlsOf(ui_);
    fields_ = SheetFieldsOf(ui_);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFixedSize(size());
    platform::ApplyDesignFonts(this, true);
    platform::LayCaptionsBeneathControls(this);
    // The teaspoon figure is drawn above the right part of the amount's unit
    // caption, which it overlaps.
    ui_.lblAdd->lower();
    widgets::FillChoiceList(ui_.cboForm, kSulphiteForms);
    widgets::FillChoiceList(ui_.cboBatch, kBatchUnits);
    widgets::FillChoiceList(ui_.cboTarget, kTargetKinds);
    // The designed state is Powder's; its unit words come from the same
    // table as every later choice's.
    ApplyMethodState(ui_, AdditionMethod::Powder);
    ShowOpeningTexts(fields_);
    ConnectHandlers();
    ui_.txtExistSO2->setFocus();
}

FrmSulfite::~FrmSulfite() = default;

void FrmSulfite::ConnectHandlers() {
    BindSheetSpinEdits(fields_, keyFilter_);
    // Whatever changes a field's text, typing or the program, stale amounts go.
    for (const SheetFieldControl& field : fields_) {
        connect(field.box, &QLineEdit::textChanged, this, [this] { ClearResults(); });
    }
    ConnectMethodChoice(defaults_, this, [this](AdditionMethod method) { OnMethodChosen(method); });
    connect(ui_.cboTarget, &QComboBox::currentIndexChanged, this, [this] { OnTargetSelected(); });
    connect(ui_.cboForm, &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
    connect(ui_.cboBatch, &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
    ui_.txtExistSO2->installEventFilter(this);
    connect(ui_.cmdCalculate, &QPushButton::clicked, this, [this] { ValidateAndCalculate(); });
    connect(ui_.cmdAbout, &QPushButton::clicked, this, [this] { OnAboutClicked(); });
    connect(ui_.cmdSettings, &QPushButton::clicked, this, [this] { OnSettingsClicked(); });
    connect(ui_.cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

bool FrmSulfite::ApplyDefaults(const UserDefaults& record) {
    return ApplyDefaultsToForm(defaults_, record);
}

widgets::TextBox* FrmSulfite::Field(SheetField field) {
    return FieldBox(fields_, field);
}

SheetView FrmSulfite::ReadSheet(SheetTexts& texts) {
    SheetView input;
    texts.Take(fields_, input);
    input.method = ChosenMethod(defaults_).value_or(AdditionMethod::Tablet);
    input.form = widgets::CurrentChoice<SulphiteForm>(ui_.cboForm);
    input.unit = widgets::CurrentChoice<BatchUnit>(ui_.cboBatch);
    input.target = widgets::CurrentChoice<TargetKind>(ui_.cboTarget);
    texts.TakeShown(ui_.lblExistMolSO2->Figure(), input);
    return input;
}

void FrmSulfite::ValidateAndCalculate() {
    // Before any check, so the figure is fresh even when a check fails and
    // the molecular target is compared with what the user now sees.
    RefreshExistingMolecular();
    SheetTexts texts;
    SheetVerdict verdict;
    EvaluateSheet(ReadSheet(texts), verdict);
    switch (verdict.kind) {
        case SheetVerdict::Kind::FailedCheck:
            context_.ShowWarning(platform::CoreText(verdict.failed.message), this);
            if (verdict.failed.field) {
                Field(*verdict.failed.field)->setFocus();
            } else {
                ui_.cboForm->setFocus();
            }
            return;
        case SheetVerdict::Kind::Questions:
            AskQuestionsThenRecalculate(verdict);
            return;
        case SheetVerdict::Kind::Results:
        case SheetVerdict::Kind::NoAddition:
            break;
    }
    WriteResults(verdict.results);
}

void FrmSulfite::AskQuestionsThenRecalculate(const SheetVerdict& verdict) {
    for (std::size_t i = 0; i < verdict.questionCount; ++i) {
        const Question& question = verdict.questions[i];
        if (!context_.AskYesNo(platform::CoreText(question.text), this)) {
            Field(question.field)->setFocus();
            ClearResults();
            return;
        }
    }
    RecalculateResults();
}

void FrmSulfite::RecalculateResults() {
    SheetTexts texts;
    SheetResults results;
    RecalculateSheet(ReadSheet(texts), results);
    WriteResults(results);
}

void FrmSulfite::WriteResults(const SheetResults& results) {
    for (std::size_t i = 0; i < results.Size(); ++i) {
        const SheetOutput output = results.Output(i);
        const std::string_view written = results.Text(i);
        const QString text =
            QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size()));
        // The target fields are program writes: their typing limit must not
        // cut them, and their change clears the amounts written after them.
        if (output == SheetOutput::TargetFree) {
            ui_.txtTargetSO2->setText(text);
        } else if (output == SheetOutput::TargetMolecular) {
            ui_.txtTargetMolSO2->setText(text);
        }
        for (const OutputRow& row : kOutputLabels) {
            if (row.output == output) {
                (ui_.*row.label)->setText(text);
            }
        }
    }
}

void FrmSulfite::RefreshExistingMolecular() {
    if (widgets::CurrentChoice<TargetKind>(ui_.cboTarget) != TargetKind::MolecularSO2) {
        return;
    }
    SheetTexts texts;
    ResultText shown;
    const std::string_view text = ExistingMolecularText(ReadSheet(texts), shown);
    ui_.lblExistMolSO2->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void FrmSulfite::ClearResults() {
    ui_.lblAddition->setText(kClearedAmount);
    ui_.lblAddition2->setText(kClearedAmount);
}

void FrmSulfite::OnMethodChosen(AdditionMethod method) {
    ApplyMethodState(ui_, method);
    ClearResults();
}

void FrmSulfite::OnTargetSelected() {
    if (const auto kind = widgets::CurrentChoice<TargetKind>(ui_.cboTarget)) {
        ApplyTargetState(ui_, *kind);
    }
    ClearResults();
}

void FrmSulfite::OnAboutClicked() {
    if (aboutBox_ != nullptr) {
        aboutBox_->raise();
        aboutBox_->activateWindow();
        return;
    }
    auto* box = new FrmAbout(context_, this);
    aboutBox_ = box;
    box->ShowModal();
}

void FrmSulfite::OnSettingsClicked() {
    if (settingsDialog_ == nullptr) {
        settingsDialog_ = new FrmSettings(context_, this);
        // Closed is gone, even while a closed dialog still waits to be
        // deleted: the next click opens a new one.
        connect(settingsDialog_, &QDialog::finished, this, [this] { settingsDialog_ = nullptr; });
    }
    settingsDialog_->ShowBesideMainWindow();
}

FrmAbout* FrmSulfite::AboutBox() const {
    return aboutBox_;
}

FrmSettings* FrmSulfite::SettingsDialog() const {
    return settingsDialog_;
}

void FrmSulfite::ShutDownProgram() {
    if (aboutBox_ != nullptr) {
        aboutBox_->close();
    }
    if (settingsDialog_ != nullptr) {
        settingsDialog_->reject();
    }
    context_.EndProgram();
}

void FrmSulfite::closeEvent(QCloseEvent* event) {
    event->accept();
    ShutDownProgram();
}

bool FrmSulfite::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.txtExistSO2 && event->type() == QEvent::FocusOut &&
        MovedToAnotherControl(*static_cast<QFocusEvent*>(event))) {
        RefreshExistingMolecular();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvane
