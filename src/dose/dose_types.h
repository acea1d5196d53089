// The choices a dose computation depends on. Their display texts live with the
// windows that show them; the settings file has its own codes for them.
#pragma once

namespace korvane {

enum class SulphiteForm { Potassium, Sodium };

enum class AdditionMethod { Tablet, Powder, Solution };

enum class BatchUnit { UsGallon, ImperialGallon, Litre };

enum class TargetKind { FreeSO2, MolecularSO2 };

}  // namespace korvane
