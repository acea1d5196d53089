// Every formula widens its single operands to double, keeps the written order
// of operations and narrows to single only where a result is stored. The
// build disables floating-point contraction, so no step is fused with the
// next and the bits match across compilers. Division by zero is intended
// here: it yields the infinite or undefined amounts the caller reports.
#include "core/rules/dose_arithmetic.h"

#include <cmath>

namespace korvane {

namespace {

constexpr double kMilligramsPerGram = 1000.0;
constexpr double kPercent = 100.0;

}  // namespace

double PhDivisor(float ph, double pka) {
    return std::pow(10.0, static_cast<double>(ph) - pka) + 1.0;
}

float MolecularFromFree(float freeSO2, float ph, double pka) {
    return static_cast<float>(static_cast<double>(freeSO2) / PhDivisor(ph, pka));
}

float FreeFromMolecular(float molecularSO2, float ph, double pka) {
    return static_cast<float>(PhDivisor(ph, pka) * static_cast<double>(molecularSO2));
}

float BatchToLitres(float volume, BatchUnit unit) {
    switch (unit) {
        case BatchUnit::UsGallon:
            return static_cast<float>(static_cast<double>(volume) / LitreInUsGallons);
        case BatchUnit::ImperialGallon:
            return static_cast<float>(static_cast<double>(volume) / LitreInImperialGallons);
        case BatchUnit::Litre:
            break;
    }
    return volume;
}

float SO2Fraction(std::optional<SulphiteForm> form) {
    if (!form) {
        return 0.0F;
    }
    switch (*form) {
        case SulphiteForm::Potassium:
            return PotassiumSO2Fraction;
        case SulphiteForm::Sodium:
            return SodiumSO2Fraction;
    }
    return 0.0F;
}

DoseResults ComputeDose(const DoseInputs& inputs) {
    DoseResults results;
    results.batchLitres = BatchToLitres(inputs.batchVolume, inputs.batchUnit);
    // The same divisor for every figure of this pH: the very bits that
    // MolecularFromFree and FreeFromMolecular would compute each time.
    const double divisor = PhDivisor(inputs.ph, inputs.pka);
    results.existingMolecular = static_cast<float>(inputs.freeSO2 / divisor);

    if (inputs.targetKind == TargetKind::FreeSO2) {
        results.targetFree = inputs.targetValue;
        results.targetMolecular = static_cast<float>(results.targetFree / divisor);
    } else if (inputs.targetKind == TargetKind::MolecularSO2) {
        results.targetMolecular = inputs.targetValue;
        results.targetFree = static_cast<float>(divisor * results.targetMolecular);
    }
    // Without a target kind both targets stay 0.

    const double fraction = SO2Fraction(inputs.sulphiteForm);
    const double litres = results.batchLitres;
    const double requirement =
        static_cast<double>(results.targetFree) - static_cast<double>(inputs.freeSO2);
    // Multiplying by 1 changes no bit of the window's figure.
    const double delta = requirement * inputs.bindingFactor;

    switch (inputs.method) {
        case AdditionMethod::Solution: {
            const double strength = inputs.solutionStrength;
            results.amount = static_cast<float>(delta / fraction / kMilligramsPerGram /
                                                (strength / kPercent) * litres);
            results.teaspoons =
                static_cast<float>(static_cast<double>(results.amount) / MillilitresPerTeaspoon);
            break;
        }
        case AdditionMethod::Powder:
            results.amount = static_cast<float>(delta / kMilligramsPerGram / fraction * litres);
            results.teaspoons =
                static_cast<float>(static_cast<double>(results.amount) / PowderGramsPerTeaspoon);
            break;
        case AdditionMethod::Tablet: {
            const double tablet = inputs.tabletGrams;
            results.amount =
                static_cast<float>(delta / kMilligramsPerGram / fraction * litres / tablet);
            results.teaspoons.reset();
            break;
        }
    }

    results.freeRequirement = static_cast<float>(requirement);
    results.molecularRequirement =
        static_cast<float>(static_cast<double>(results.targetMolecular) -
                           static_cast<double>(results.existingMolecular));
    return results;
}

}  // namespace korvane
