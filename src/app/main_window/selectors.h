// What choosing an addition method or a target kind does to the main window:
// which fields can be edited, which results are shown and in which unit.
#pragma once

#include "core/rules/choices.h"

namespace Ui {
class frmSulfite;
}

namespace korvane {

// Enables and shows the controls of `method` and sets the unit captions.
// Field texts are left alone.
void ApplyMethodState(Ui::frmSulfite& ui, AdditionMethod method);

// Makes the target field of `kind` the input and the other one the greyed
// output. Field texts are left alone.
void ApplyTargetState(Ui::frmSulfite& ui, TargetKind kind);

}  // namespace korvane
