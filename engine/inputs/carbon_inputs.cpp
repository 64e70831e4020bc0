// Carbonate inputs. Alkalinity entered as CaCO3 splits into carbonate (2 P) and
// bicarbonate (M - 2 P), 50.0445 mg of CaCO3 per equivalent; the hardness degrees
// are 10 mg/L (French) and 17.9 mg/L (German) as CaCO3, and ml of N/30 acid and
// epm split the same way.
#include "engine/inputs/carbon_inputs.h"

#include <cmath>

#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kCaCO3MolarMass = 100.0894;
constexpr double kCaCO3PerEquivalent = 50.0445;

struct CarbonateAmounts {
    double bicarbonate;
    double carbonate;
    double co2;
};

CarbonateAmounts FromEnteredAlkalinity(int mode, const CarbonateEntries& e) {
    const double m = e.m, p = e.p;
    switch (mode) {
        case 1:
            return {(m - 2.0 * p) * kBicarbonateMolarMass / kCaCO3PerEquivalent,
                    2.0 * p * kCarbonateMolarMass / kCaCO3MolarMass, 0.0};
        case 2:
            return {m, p, 0.0};
        case 4:  // ml of N/30 acid and epm: the form has made the total alkalinity
        case 5: {  // mg/L as CaCO3 already; P splits off the carbonate as in mode 1
            const double carbonateAsCaCO3 = 2.0 * p * AlkalinityCaCO3PerUnit(mode);
            return {(e.total - carbonateAsCaCO3) * kBicarbonateMolarMass / kCaCO3PerEquivalent,
                    carbonateAsCaCO3 * kCarbonateMolarMass / kCaCO3MolarMass, 0.0};
        }
        case 6:  // French degrees, 10 mg/L as CaCO3 each
            return {(m - 2.0 * p) * 10.0 * kBicarbonateMolarMass / kCaCO3PerEquivalent,
                    2.0 * 10.0 * p * kCarbonateMolarMass / kCaCO3MolarMass, 0.0};
        case 7:
            return {(m - 2.0 * p) * kBicarbonateMolarMass * 17.9 / kCaCO3PerEquivalent,
                    2.0 * 17.9 * p * kCarbonateMolarMass / kCaCO3MolarMass, 0.0};
        default:
            return {0.0, 0.0, 0.0};
    }
}

}  // namespace

void LoadCarbonateInputs(const InputSwitches& sw, const ReferenceValues& reference,
                         const CarbonateEntries& entries, WaterAnalysis& analysis,
                         SpeciesRecord* state) {
    float* values = analysis.values;
    CarbonateAmounts amounts{0.0, 0.0, 0.0};
    if (sw.calcPassMode == 2) {
        // A what-if pass starts from the carbonate of the water's reference pass.
        values[AnalysisElement::kH2CO3] = reference.h2co3;
        values[AnalysisElement::kBicarbonate] = reference.hco3;
        values[AnalysisElement::kCarbonate] = reference.co3;
        amounts = {reference.hco3, reference.co3, 0.0};
    }
    const bool speciesGiven = sw.speciesGiven == 1 && sw.alkalinityMode != 3;
    if (speciesGiven || sw.alkalinityMode == 3) {
        // The carbonate species are given (by an earlier pass or as entered).
        double carbonate = values[AnalysisElement::kCarbonate];
        if (!speciesGiven && sw.calcPassMode == 0) carbonate = entries.p;
        amounts.bicarbonate = values[AnalysisElement::kBicarbonate];
        amounts.carbonate = carbonate;
        if (sw.calcPassMode == 0) {
            // The reference pass reads the species as the user entered them; the
            // later passes read what it wrote back, already per kilogram, and so
            // does a driver's reference pass on the species it gives.
            if (sw.speciesPerKilogram == 0) {
                amounts.bicarbonate *= entries.perKilogram;
                amounts.carbonate *= entries.perKilogram;
            }
            values[AnalysisElement::kBicarbonate] = ClampToFloat(amounts.bicarbonate);
            values[AnalysisElement::kCarbonate] = ClampToFloat(amounts.carbonate);
            amounts.co2 = 0.0;
        } else if (!CarbonDioxideOfItsGas(sw, analysis)) {
            amounts.co2 = reference.dissolvedCo2;
        }
    } else {
        amounts = FromEnteredAlkalinity(sw.alkalinityMode, entries);
        amounts.bicarbonate *= entries.perKilogram;
        amounts.carbonate *= entries.perKilogram;
    }
    if (amounts.bicarbonate < 0.0) amounts.bicarbonate = 0.0;
    state[Species::kBicarbonate].amount = amounts.bicarbonate;
    state[Species::kCarbonate].amount = amounts.carbonate;
    state[Species::kCarbonDioxide].amount = amounts.co2;
}

bool CarbonDioxideOfItsGas(const InputSwitches& sw, const WaterAnalysis& analysis) {
    const bool speciesGiven = sw.speciesGiven == 1 || sw.alkalinityMode == 3;
    return sw.calcPassMode == 2 && sw.underGas != 0 && sw.balanceHold == 0 && speciesGiven &&
           analysis.values[AnalysisElement::kPco2] > 0.0f;
}

double CarbonDioxideOfGas(const UnitCodes& units, const WaterAnalysis& analysis,
                          const EngineInputs& in, double otherSolids) {
    // The pass's own pressure, raised as its calculation raises it, and its pCO2 in atm.
    EngineInputs at = in;
    WaterAnalysis water = analysis;
    LoadPressure(units, water, at);
    const double atm = PartialPressureToAtm(analysis.values[AnalysisElement::kPco2],
                                            units.code[UnitItem::kGasCo2], at.pressureBar);
    const double molality = Exp10(-Co2SolubilityLog(at.temperatureC, at.pressurePsia)) * atm;
    // mg per kg of water; per kg of solution with the CO2 among the solids:
    // amount = a (1 - (others + amount) 1e-6).
    const double perKgWater = kCarbonicAcidMolarMass * molality * 1000.0;
    const double amount = perKgWater * (1.0 - otherSolids * 1e-6) / (1.0 + perKgWater * 1e-6);
    return amount > 0.0 && std::isfinite(amount) ? amount : 0.0;
}

double Co2SolubilityLog(double temperatureC, double pressurePsia) {
    const double t = temperatureC;
    double logKh;
    if (t < 35.0) {
        logKh = 1.12 + 0.0138 * t;
    } else if (t <= 80.0) {
        logKh = 1.36 + 0.0069 * t;
    } else if (t <= 150.0) {
        logKh = 1.704 + 0.00257 * t;
    } else {
        logKh = 2.445 - 0.0025 * t;
    }
    return logKh - 0.000179 * pressurePsia;
}

void CarbonFromPco2(const InputStageContext& context, WaterAnalysis& analysis, SpeciesRecord* state,
                    EngineInputs& in) {
    const InputSwitches& sw = context.switches;
    const double inputPh = analysis.values[AnalysisElement::kPh];
    const double solubility = Exp10(-in.co2SolubilityLog);  // mol/kg per atm
    SpeciesRecord& bicarbonate = state[Species::kBicarbonate];
    SpeciesRecord& co2 = state[Species::kCarbonDioxide];

    // A water whose pH is to be found: its bicarbonate is the total carbonate less the
    // CO2 that pCO2 dissolves.
    if (bicarbonate.molality <= 0.0 && inputPh <= 0.0 && in.co2SolubilityLog > 0.0) {
        double total = in.totalCarbonateElement;
        if (sw.carbonateModel != 0) {
            total = 2.0 * in.carbonateElement / (in.molalDiv * kCarbonateMolarMass) +
                    in.bicarbonateElement / (in.molalDiv * kBicarbonateMolarMass);
        }
        double m = total - solubility * in.pco2Atm / bicarbonate.gamma;
        if (!(m > 0.0)) m = 0.0;
        bicarbonate.molality = m;
        bicarbonate.amount = m * kBicarbonateMolarMass * in.molalDiv;
    }

    if (co2.amount <= 0.0 || (inputPh < 0.0 && sw.balanceHold == 0)) {
        co2.molality = solubility * in.pco2Atm / co2.gamma;
        co2.amount = kCarbonicAcidMolarMass * co2.molality * in.molalDiv;
        in.co2Molality = co2.molality;
    } else if (sw.balanceHold != 0) {
        in.co2Molality = context.blendDissolvedCo2 / (kCarbonicAcidMolarMass * in.molalDiv);
    } else {
        in.co2Molality = co2.molality;
    }

    if (sw.calcPassMode != 0 &&
        (in.pco2Atm == 0.0 || analysis.values[AnalysisElement::kPco2] <= 0.0)) {
        double pco2 = Exp10(in.co2SolubilityLog) * co2.gamma * co2.molality;
        if (!(pco2 > 0.0)) pco2 = 0.0;
        in.pco2Atm = pco2;
        analysis.values[AnalysisElement::kPco2] = ClampToFloat(
            AtmToPartialPressureUnit(pco2, context.units.code[UnitItem::kGasCo2], in.pressureBar));
    }
}
