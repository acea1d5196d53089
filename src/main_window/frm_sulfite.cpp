#include "main_window/frm_sulfite.h"

#include <QCloseEvent>
#include <QFocusEvent>

#include "about/frm_about.h"

#include "dose/choice_texts.h"
#include "main_window/selectors.h"
#include "main_window/startup.h"
#include "platform/app_setup.h"
#include "ui_frm_sulfite.h"
#include "user_defaults/frm_settings.h"

namespace korvane {
namespace {

using Test = SpinLimit::Test;

// Step, display pattern and limits of each numeric field.
const SpinRule kSpinRules[] = {
    {"txtExistSO2", "vsbExistSO2", 1, DisplayPattern::TwoDecimals, {Test::Below, 0, "0.00"}, {}},
    {"txtTargetSO2", "vsbTargetSO2", 1, DisplayPattern::TwoDecimals, {Test::Below, 0, "0.00"}, {}},
    {"txtTargetMolSO2",
     "vsbTargetMolSO2",
     100,
     DisplayPattern::TwoDecimals,
     {Test::Below, 0, "0.00"},
     {}},
    kBatchSizeSpin,
    {"txtPh",
     "vsbPh",
     10,
     DisplayPattern::OneDecimal,
     {Test::Below, 1, "1.0"},
     SpinLimit{Test::Above, 14, "14.0"}},
    kSolutionSpin,
    kTabletWeightSpin,
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

FrmSulfite::FrmSulfite(QWidget* parent)
    : QWidget(parent, FixedWindowFlags()), ui_(std::make_unique<Ui::frmSulfite>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    platform::ApplyDesignFonts(this, true);
    // Drawn above the right part of the unit caption it overlaps.
    ui_->lblAddition2->raise();
    calculator_ = {this,
                   ui_->txtPh,
                   ui_->txtExistSO2,
                   ui_->txtBatchSize,
                   ui_->txtTabWeight,
                   ui_->txtSolution,
                   ui_->txtTargetSO2,
                   ui_->txtTargetMolSO2,
                   ui_->cboBatch,
                   ui_->cboForm,
                   ui_->cboTarget,
                   ui_->optSolution,
                   ui_->optPowder,
                   ui_->optTablet,
                   ui_->lblExistMolSO2,
                   ui_->lblSO2Requirement,
                   ui_->lblMolSO2Requirement,
                   ui_->lblAddition,
                   ui_->lblAddition2};
    ConnectHandlers();
    ui_->txtExistSO2->setFocus();
}

FrmSulfite::~FrmSulfite() = default;

void FrmSulfite::ConnectHandlers() {
    ConnectSpinEdits(this, std::data(kSpinRules), std::size(kSpinRules), &keyFilter_);
    // Whatever changes a field's text, typing or the program, stale amounts go.
    for (const SpinRule& rule : kSpinRules) {
        connect(findChild<QLineEdit*>(rule.field), &QLineEdit::textChanged, this,
                [this] { ClearResults(calculator_); });
    }
    connect(ui_->optTablet, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Tablet, on); });
    connect(ui_->optPowder, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Powder, on); });
    connect(ui_->optSolution, &QAbstractButton::toggled, this,
            [this](bool on) { OnMethodToggled(AdditionMethod::Solution, on); });
    connect(ui_->cboTarget, &QComboBox::currentIndexChanged, this, [this] { OnTargetSelected(); });
    connect(ui_->cboForm, &QComboBox::currentIndexChanged, this,
            [this] { ClearResults(calculator_); });
    connect(ui_->cboBatch, &QComboBox::currentIndexChanged, this,
            [this] { ClearResults(calculator_); });
    ui_->txtExistSO2->installEventFilter(this);
    connect(ui_->cmdCalculate, &QPushButton::clicked, this,
            [this] { ValidateAndCalculate(calculator_); });
    connect(ui_->cmdAbout, &QPushButton::clicked, this, [this] { ShowAboutBox(this); });
    connect(ui_->cmdSettings, &QPushButton::clicked, this, [this] { ShowSettingsDialog(this); });
    connect(ui_->cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void FrmSulfite::OnMethodToggled(AdditionMethod method, bool selected) {
    // The option that lost its selection has nothing to do.
    if (!selected) {
        return;
    }
    ApplyMethodState(*ui_, method);
    ClearResults(calculator_);
}

void FrmSulfite::OnTargetSelected() {
    const auto kind = ChoiceFromText(kTargetKindTexts, ui_->cboTarget->currentText().toStdString());
    if (kind) {
        ApplyTargetState(*ui_, *kind);
    }
    ClearResults(calculator_);
}

void FrmSulfite::closeEvent(QCloseEvent* event) {
    event->accept();
    ShutDownProgram();
}

bool FrmSulfite::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->txtExistSO2 && event->type() == QEvent::FocusOut &&
        MovedToAnotherControl(*static_cast<QFocusEvent*>(event))) {
        RefreshExistingMolecular(calculator_);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvane
