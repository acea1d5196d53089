// The Calculate command and the small operations on the main window's
// results that other handlers share. They work on the controls themselves:
// every number lives as the text of its field.
#pragma once

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace korvane {

// The controls of the main window that the calculation reads and writes.
struct CalculatorControls {
    QWidget* window = nullptr;
    QLineEdit* txtPh = nullptr;
    QLineEdit* txtExistSO2 = nullptr;
    QLineEdit* txtBatchSize = nullptr;
    QLineEdit* txtTabWeight = nullptr;
    QLineEdit* txtSolution = nullptr;
    QLineEdit* txtTargetSO2 = nullptr;
    QLineEdit* txtTargetMolSO2 = nullptr;
    QComboBox* cboBatch = nullptr;
    QComboBox* cboForm = nullptr;
    QComboBox* cboTarget = nullptr;
    QAbstractButton* optSolution = nullptr;
    QAbstractButton* optPowder = nullptr;
    QAbstractButton* optTablet = nullptr;
    QLabel* lblExistMolSO2 = nullptr;
    QLabel* lblSO2Requirement = nullptr;
    QLabel* lblMolSO2Requirement = nullptr;
    QLabel* lblAddition = nullptr;
    QLabel* lblAddition2 = nullptr;
};

// Checks the inputs in order (the first failure is reported and focused),
// asks about implausible values, then recalculates.
void ValidateAndCalculate(const CalculatorControls& controls);

// Reads the inputs as they stand (unreadable numbers count as 0) and writes
// every result. Does nothing while the free target or batch size is empty.
void RecalculateResults(const CalculatorControls& controls);

// With a molecular target, shows the molecular SO2 of the existing free SO2.
void RefreshExistingMolecular(const CalculatorControls& controls);

// Resets the two amounts to "0.00" so no stale amount stands beside a
// changed input.
void ClearResults(const CalculatorControls& controls);

}  // namespace korvane
