// The SO2 chemistry behind every figure the program shows. Pure functions:
// inputs and stored results are single precision, every formula is evaluated
// in double precision in its written order and rounded to single once where
// its result is stored. Nothing here is clamped; a zero tablet weight or
// solution strength yields a non-finite amount, which the caller displays.
#pragma once

#include <optional>

#include "core/rules/choices.h"

namespace korvane {

// pKa of the molecular/bisulphite equilibrium, used in double precision. The
// window always uses it; a lab may give its own, temperature-corrected value
// on the command line.
inline constexpr double SO2Pka = 1.8;
// Grams of SO2 per gram of metabisulphite, stored as single precision.
inline constexpr float PotassiumSO2Fraction = 0.57747F;
inline constexpr float SodiumSO2Fraction = 0.67438F;
// Gallons in one litre: a volume in gallons is divided by these.
inline constexpr double LitreInUsGallons = 0.2642;
inline constexpr double LitreInImperialGallons = 0.22;
inline constexpr double MillilitresPerTeaspoon = 4.9289;
inline constexpr double PowderGramsPerTeaspoon = 6.2;

struct DoseInputs {
    float ph = 0;
    float freeSO2 = 0;
    float batchVolume = 0;
    BatchUnit batchUnit = BatchUnit::Litre;
    std::optional<SulphiteForm> sulphiteForm;  // none when no form is chosen
    AdditionMethod method = AdditionMethod::Powder;
    float tabletGrams = 0;
    float solutionStrength = 0;
    std::optional<TargetKind> targetKind;  // none: both targets are 0
    float targetValue = 0;
    double pka = SO2Pka;
    // Of the SO2 added, what the wine binds at once is lost to the free
    // SO2: the amount is for the free requirement times this factor. At 1,
    // the window's arithmetic to the last bit.
    double bindingFactor = 1.0;
};

struct DoseResults {
    float batchLitres = 0;
    float existingMolecular = 0;
    float targetFree = 0;
    float targetMolecular = 0;
    float freeRequirement = 0;
    float molecularRequirement = 0;
    float amount = 0;
    std::optional<float> teaspoons;  // none for tablets
};

// 10^(pH - pKa) + 1, never stored in single precision.
double PhDivisor(float ph, double pka = SO2Pka);
float MolecularFromFree(float freeSO2, float ph, double pka = SO2Pka);
float FreeFromMolecular(float molecularSO2, float ph, double pka = SO2Pka);
float BatchToLitres(float volume, BatchUnit unit);
// No form gives 0, so that every amount divides by zero and is not finite.
float SO2Fraction(std::optional<SulphiteForm> form);
DoseResults ComputeDose(const DoseInputs& inputs);

}  // namespace korvane
