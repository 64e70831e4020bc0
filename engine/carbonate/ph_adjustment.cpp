// pH control by acid or alkali on the working analysis: the demand for the
// target pH, the carbonate species and total alkalinity rewritten for it, and
// the chemical's ions added in the user's units.
#include "engine/carbonate/ph_adjustment.h"

#include <algorithm>
#include <cmath>

#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_shift.h"
#include "engine/carbonate/ph_dose_ions.h"

namespace {

using carbonate::NarrowToFloat;
namespace AE = AnalysisElement;

constexpr double kCO2MgPerMol = 44000.0;
constexpr double kCO2MgPerMolAlt = 50400.0;
// CO2 as the water's pages show it.
constexpr double kCO2MgPerMolShown = 44009.5;

double StartPh(const PhAdjustContext& ctx, int16_t water) {
    switch (water) {
        case 0:
            return ctx.surface.values[AE::kPh];
        case 1:
            return ctx.injection.values[AE::kPh];
        case 2:
            return ctx.formation.values[AE::kPh];
        default:
            return ctx.analysis.values[AE::kPh];
    }
}

CarbonateSpecies GivenSpecies(const WaterAnalysis& a) {
    return {a.values[AE::kAcidity], a.values[AE::kBicarbonate], a.values[AE::kCarbonate]};
}

bool IsSulfuric(uint16_t acid) {
    return acid == AcidChemical::kSulfuric || acid == AcidChemical::kSulfuric2;
}

void ClosedAcidBranch(PhAdjustContext& ctx, float targetPh, float& pHInOut, float startAlkalinity,
                      float& alkalinity) {
    float* v = ctx.analysis.values;
    const uint16_t acid = ctx.control.acidChemical;
    if (acid == AcidChemical::kCarbonDioxide) {
        // The CO2 dose needs the pH it starts from; without one (a pass of 0)
        // the demand stays the alkalinity it moves. CO2 brings no ion, so the
        // dose is the same in every reporting mode.
        if (pHInOut > targetPh) {
            const float startPh = pHInOut;
            v[AE::kPh] = startPh;
            (void)CalcCO2Dose(ctx.analysis, ctx.constants, ctx.acidDemand, targetPh,
                              startAlkalinity, startPh);
            v[AE::kPh] = targetPh;
            // The CO2 turns carbonate into bicarbonate and bicarbonate into
            // carbonic acid and stays as carbonic acid itself: the water keeps
            // its alkalinity and holds the CO2 it took in its total carbonate,
            // split as the target pH splits it.
            if (TakeCarbonDioxide(ctx.analysis, ctx.acidDemand / kCO2MgPerMol))
                ctx.dissolvedCO2Copy = v[AE::kAcidity];
            v[AE::kAlkalinity] = alkalinity = startAlkalinity;
        }
    } else if (ctx.reportingMode == ReportingMode::kEpm) {
        AddAcidAnionEpm(ctx.analysis, acid, ctx.acidDemand);
    } else {
        AddAcidAnion(ctx.analysis, acid, ctx.acidDemand, ctx.units);
    }
    ctx.acidDemand = NarrowToFloat(ctx.acidDemand * AcidChemicalFactor(acid));
}

void ClosedAlkaliBranch(PhAdjustContext& ctx, float alkalinity) {
    const uint16_t alkali = ctx.control.alkaliChemical;
    const bool epm = ctx.reportingMode == ReportingMode::kEpm;
    if (epm) {
        AddAlkaliCationEpm(ctx.analysis, alkali, ctx.alkaliDemand);
    } else {
        AddAlkaliCation(ctx.analysis, alkali, ctx.alkaliDemand, ctx.units);
    }
    ctx.analysis.values[AE::kAlkalinity] = epm ? NarrowToFloat(alkalinity / 50.0445) : alkalinity;
    ctx.alkaliDemand = NarrowToFloat(ctx.alkaliDemand * AlkaliChemicalFactor(alkali));
}

void StoreSpecies(float* v, const CarbonateSpecies& s) {
    v[AE::kAcidity] = NarrowToFloat(s.h2co3);
    v[AE::kBicarbonate] = NarrowToFloat(s.bicarbonate);
    v[AE::kCarbonate] = NarrowToFloat(s.carbonate);
}

int32_t CO2Dose(WaterAnalysis& analysis, const CarbonateState& constants, float& doseOut,
                float targetPh, float alkalinity, float startPh, double mgPerMol) {
    const double d = CO2DoseMolPerL(constants, targetPh, alkalinity, startPh);
    float& alkalinityEq = analysis.values[AE::kAlkalinityEq];
    alkalinityEq = NarrowToFloat(alkalinityEq + d);
    doseOut = NarrowToFloat(d * mgPerMol);
    return 0;
}

}  // namespace

void AdjustpHToTarget(PhAdjustContext& ctx, uint16_t carbonateModel, int16_t water, float targetPh,
                      float& pHInOut, float& alkalinityOut) {
    if (ctx.control.phControlMethod == PhControlMethod::kNone) return;
    // Acid-only, alkali-only and both are not told apart: the target decides.
    if (carbonateModel == 0 || carbonateModel == 2) {
        AdjustpHClosedSystem(ctx, water, targetPh, pHInOut, alkalinityOut);
    } else {
        AdjustpHOpenSystem(ctx, water, targetPh);
    }
}

void AdjustpHClosedSystem(PhAdjustContext& ctx, int16_t water, float targetPh, float& pHInOut,
                          float& alkalinityOut) {
    if (ctx.control.phControlMethod == PhControlMethod::kNone) return;
    float* v = ctx.analysis.values;
    const double startPh = StartPh(ctx, water);
    const auto shift =
        ShiftClosedSystem(ctx.constants, GivenSpecies(ctx.analysis), startPh, targetPh);
    ctx.acidDemand = 0.0f;
    ctx.alkaliDemand = 0.0f;
    // Without the constants of a completed equilibrium run (or for a pH with no
    // finite hydrogen ion) nothing can be computed: no dose, analysis untouched.
    if (!shift) return;

    v[AE::kMAlkalinity] = v[AE::kBicarbonate];
    v[AE::kPAlkalinity] = v[AE::kCarbonate];
    v[AE::kTotalCarbonate] = NarrowToFloat(shift->totalCarbonate);
    v[AE::kAlkalinityEq] =
        NarrowToFloat(v[AE::kCarbonate] / carbonate::kCo3MgPerMol + shift->totalCarbonate);
    const float startAlkalinity = NarrowToFloat(shift->startAlkalinity);

    ctx.acidDemand = NarrowToFloat(shift->demand);
    StoreSpecies(v, shift->target);
    ctx.dissolvedCO2Copy = v[AE::kAcidity];
    float alkalinity = NarrowToFloat(shift->targetAlkalinity);
    v[AE::kAlkalinity] = alkalinity;

    if (ctx.acidDemand > 0.0f) {
        ClosedAcidBranch(ctx, targetPh, pHInOut, startAlkalinity, alkalinity);
    } else if (ctx.acidDemand < 0.0f) {
        ctx.alkaliDemand = -ctx.acidDemand;
        ClosedAlkaliBranch(ctx, alkalinity);
    }
    alkalinityOut = alkalinity;
    if (ctx.acidDemand < 0.0f) ctx.acidDemand = 0.0f;
    if (ctx.alkaliDemand < 0.0f) ctx.alkaliDemand = 0.0f;
    if (ctx.acidDemand > 0.0f || ctx.alkaliDemand > 0.0f) {
        v[AE::kPh] = targetPh;
        pHInOut = targetPh;
    }
}

void AdjustpHOpenSystem(PhAdjustContext& ctx, int16_t water, float targetPh) {
    if (ctx.control.phControlMethod == PhControlMethod::kNone) return;
    (void)CalcDemandOpenSystem(ctx, StartPh(ctx, water), targetPh);
    if (ctx.acidDemand > 0.0f) {
        const uint16_t acid = ctx.control.acidChemical;
        // Carbon dioxide brings no anion. Every acid but the sulfuric ones and
        // CO2 is taken as hydrochloric.
        if (acid != AcidChemical::kCarbonDioxide) {
            AddAcidAnion(ctx.analysis,
                         IsSulfuric(acid) ? acid : uint16_t{AcidChemical::kHydrochloric},
                         ctx.acidDemand, ctx.units);
        }
    } else if (ctx.alkaliDemand > 0.0f) {
        AddAlkaliCation(ctx.analysis, ctx.control.alkaliChemical, ctx.alkaliDemand, ctx.units);
        AddAlkaliAnionOpen(ctx.analysis, ctx.control.alkaliChemical, ctx.alkaliDemand);
    }
}

int32_t CalcDemandOpenSystem(PhAdjustContext& ctx, double startPh, double targetPh) {
    ctx.acidDemand = 0.0f;
    ctx.alkaliDemand = 0.0f;
    const auto shift =
        ShiftOpenSystem(ctx.constants, GivenSpecies(ctx.analysis), startPh, targetPh);
    if (!shift) return 0;
    float* v = ctx.analysis.values;
    StoreSpecies(v, shift->target);
    v[AE::kAlkalinityEq] = NarrowToFloat(shift->targetAlkalinity);
    v[AE::kAlkalinity] = NarrowToFloat(shift->targetAlkalinity * carbonate::kCaCO3MgPerEq);
    ctx.acidDemand = NarrowToFloat(shift->demand);
    if (ctx.acidDemand < 0.0f) {
        ctx.alkaliDemand = -ctx.acidDemand;
        ctx.acidDemand = 0.0f;
    }
    return 0;
}

std::optional<double> SettledDemand(const SpeciatedCarbonate& pass, double startAlkalinity,
                                    double targetPh) {
    const auto target = AlkalinityMovedTo(pass, targetPh);
    if (!target || !std::isfinite(startAlkalinity)) return std::nullopt;
    return startAlkalinity - *target;
}

bool SettlepHDemand(PhAdjustContext& ctx, uint16_t carbonateModel, double demand) {
    if (ctx.control.phControlMethod == PhControlMethod::kNone) return false;
    if (carbonateModel != 0 && carbonateModel != 2) return false;
    const bool epm = ctx.reportingMode == ReportingMode::kEpm;
    if (ctx.acidDemand > 0.0f) {
        const uint16_t acid = ctx.control.acidChemical;
        if (acid == AcidChemical::kCarbonDioxide || !(demand > 0.0)) return false;
        const double factor = AcidChemicalFactor(acid);
        const double added = demand - ctx.acidDemand / factor;
        if (epm)
            AddAcidAnionEpm(ctx.analysis, acid, added);
        else
            AddAcidAnion(ctx.analysis, acid, added, ctx.units);
        ctx.acidDemand = NarrowToFloat(demand * factor);
        return true;
    }
    if (ctx.alkaliDemand > 0.0f) {
        const uint16_t alkali = ctx.control.alkaliChemical;
        if (!(demand < 0.0)) return false;
        const double factor = AlkaliChemicalFactor(alkali);
        const double added = -demand - ctx.alkaliDemand / factor;
        if (epm)
            AddAlkaliCationEpm(ctx.analysis, alkali, added);
        else
            AddAlkaliCation(ctx.analysis, alkali, added, ctx.units);
        ctx.alkaliDemand = NarrowToFloat(-demand * factor);
        return true;
    }
    return false;
}

int32_t CalcCO2Dose(WaterAnalysis& analysis, const CarbonateState& constants, float& doseOut,
                    float targetPh, float alkalinity, float startPh) {
    return CO2Dose(analysis, constants, doseOut, targetPh, alkalinity, startPh, kCO2MgPerMol);
}

int32_t CalcCO2DoseAlt(WaterAnalysis& analysis, const CarbonateState& constants, float& doseOut,
                       float targetPh, float alkalinity, float startPh) {
    return CO2Dose(analysis, constants, doseOut, targetPh, alkalinity, startPh, kCO2MgPerMolAlt);
}

bool TakeCarbonDioxide(WaterAnalysis& analysis, double mol, double h2co3InBasis) {
    float* v = analysis.values;
    const double total = carbonate::TotalCarbonate(v[AE::kCarbonate], v[AE::kBicarbonate],
                                                   v[AE::kAcidity] * h2co3InBasis);
    if (!(total > 0.0) || !std::isfinite(mol) || mol == 0.0 || !(total + mol > 0.0)) return false;
    const double scale = (total + mol) / total;
    for (int e : {AE::kAcidity, AE::kBicarbonate, AE::kCarbonate})
        v[e] = NarrowToFloat(v[e] * scale);
    v[AE::kTotalCarbonate] = NarrowToFloat(v[AE::kTotalCarbonate] + mol);
    return true;
}

ShownCarbonate PassCarbonateShown(double h2co3MgKg, double bicarbonate, double carbonate,
                                  uint16_t reportingMode, double resultScale) {
    const bool perKilogram =
        reportingMode == ReportingMode::kPpm || reportingMode == ReportingMode::kEpm;
    const double inBasis = !perKilogram && resultScale > 0.0 ? resultScale : 1.0;
    return {h2co3MgKg, bicarbonate, carbonate, inBasis};
}

std::optional<double> CarbonDioxideTaken(const ShownCarbonate& undosed,
                                         const ShownCarbonate& dosed) {
    const auto asCO2 = [](const ShownCarbonate& c) {
        return carbonate::TotalCarbonate(c.carbonate, c.bicarbonate, c.h2co3 * c.h2co3InBasis) *
               kCO2MgPerMolShown;
    };
    const double mg = asCO2(dosed) - asCO2(undosed);
    if (!std::isfinite(mg)) return std::nullopt;
    return std::max(mg, 0.0);
}

bool SettleCarbonDioxide(PhAdjustContext& ctx, const ShownCarbonate& undosed,
                         const ShownCarbonate& dosed) {
    if (!DosedWithCarbonDioxide(ctx.control, ctx.acidDemand)) return false;
    const auto taken = CarbonDioxideTaken(undosed, dosed);
    const auto inBasis = [](const ShownCarbonate& c) {
        return carbonate::TotalCarbonate(c.carbonate, c.bicarbonate, c.h2co3 * c.h2co3InBasis);
    };
    const double split = inBasis(dosed);
    if (!taken || !(split > 0.0) || !std::isfinite(split)) return false;
    // The water before the dose, split as the dosed water splits it (its
    // dissolved CO2 kept as the engine keeps it), takes the CO2.
    const double before = inBasis(undosed);
    const double scale = before / split;
    float* v = ctx.analysis.values;
    v[AE::kAcidity] = NarrowToFloat(dosed.h2co3 * scale);
    v[AE::kBicarbonate] = NarrowToFloat(dosed.bicarbonate * scale);
    v[AE::kCarbonate] = NarrowToFloat(dosed.carbonate * scale);
    v[AE::kTotalCarbonate] = NarrowToFloat(before);
    (void)TakeCarbonDioxide(ctx.analysis, *taken / kCO2MgPerMolShown, dosed.h2co3InBasis);
    ctx.dissolvedCO2Copy = v[AE::kAcidity];
    ctx.acidDemand = NarrowToFloat(*taken);
    return true;
}

bool DosedWithCarbonDioxide(const PhControlSettings& control, float acidDemand) {
    const uint16_t method = control.phControlMethod;
    return (method == PhControlMethod::kAcid || method == PhControlMethod::kBoth) &&
           control.acidChemical == AcidChemical::kCarbonDioxide && acidDemand > 0.0f;
}
