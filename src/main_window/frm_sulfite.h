// The main window: every input of a dose computation, the selectors, the
// results, and the Calculate, About, Settings and Exit buttons. Each
// control's notification goes to one handler here.
#pragma once

#include <QWidget>
#include <memory>

#include "dose/calculate.h"
#include "dose/dose_types.h"
#include "main_window/spin_edit.h"

namespace Ui {
class frmSulfite;
}

namespace korvane {

class FrmSulfite : public QWidget {
    Q_OBJECT

  public:
    explicit FrmSulfite(QWidget* parent = nullptr);
    ~FrmSulfite() override;
    FrmSulfite(const FrmSulfite&) = delete;
    FrmSulfite& operator=(const FrmSulfite&) = delete;

    Ui::frmSulfite& Controls() { return *ui_; }
    const CalculatorControls& Calculator() const { return calculator_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every close request (Exit, the close box, Alt+F4, the session ending)
    // shuts the program down; it is never refused.
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectHandlers();
    void OnMethodToggled(AdditionMethod method, bool selected);
    void OnTargetSelected();

    std::unique_ptr<Ui::frmSulfite> ui_;
    CalculatorControls calculator_;
    NumericKeyFilter keyFilter_;
};

}  // namespace korvane
