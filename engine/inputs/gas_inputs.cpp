// Gas inputs of the equilibrium calculation: hydrogen sulfide and its partial
// pressure, the CO2 partial pressure, and the flow totals of a production system.
// Both gases are ideal in the aqueous phase here (activity coefficient 1).
#include <cmath>

#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/carbon_inputs.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/tables/power_of_ten.h"
#include "engine/tables/water_properties.h"

namespace {

// log10 of the Henry constant of H2S (atm per mol/kg) at temperatureK, the
// fit of Plummer and Busenberg's form used for H2S in the WATEQ family.
double H2sSolubilityLog(double temperatureK) {
    return 634.2702616 + 0.2709284796 * temperatureK -
           0.0001113202904 * temperatureK * temperatureK - 16719.0766 / temperatureK -
           261.9219571 * std::log10(temperatureK);
}

double KelvinOfEntryTemperature(float entered, unsigned code) {
    switch (code) {
        case TemperatureUnit::kFahrenheit:
            return (entered - 32.0) * 5.0 / 9.0 + 273.16;
        case TemperatureUnit::kCelsius:
            return entered + 273.16;
        case TemperatureUnit::kKelvin:
            return entered;
        default:
            return 298.16;
    }
}

// Converts between the H2S molality m (of the record that carries it), its mg/L and
// its partial pressure p: m = p / (Kh g). molalDiv turns mol/kg into mg/L per g/mol:
// the input stage's 1 / f times the specific gravity of mg/L reporting.
struct SulfideRelation {
    double logKh;
    double gamma;
    double molalDiv;
    double MolalityFromPressure(double atm) const { return Exp10(-logKh) * atm / gamma; }
    double PressureFromMolality(double m) const { return m * gamma * Exp10(logKh); }
    double MgLFromMolality(double m) const { return m * kSulfideInputMolarMass * molalDiv; }
    double MolalityFromMgL(double mgL) const { return mgL / (kSulfideInputMolarMass * molalDiv); }
};

class SulfideInputs {
  public:
    SulfideInputs(const InputStageContext& context, WaterAnalysis& analysis, SpeciesRecord* state,
                  const EngineInputs& in)
        : context_(context),
          values_(analysis.values),
          record_(state[Species::kSulfideInput]),
          in_(in) {}

    void Run() {
        const float* surface = context_.surfaceWater.values;
        const unsigned pressureCode = context_.units.code[UnitItem::kGasH2S];

        // A profile point above 1 atm scales the surface water's pH2S with the
        // pressure. Both pressures are those of a calculation at the water's
        // own temperature, no lower than water's saturation pressure there,
        // whatever temperature this pass runs at: a point keeps one pH2S in
        // all its passes, and one at the surface water's own conditions keeps
        // the surface water's.
        const double pointPsia = OwnCalculationPsia(values_);
        if (context_.switches.profileStepFlag != 0 && pointPsia * kAtmPerPsia > 1.0 &&
            surface[AnalysisElement::kPH2S] > 0.0f && pressureCode < 4 &&
            surface[AnalysisElement::kPressure] != 0.0f) {
            values_[AnalysisElement::kPH2S] =
                ClampToFloat(static_cast<double>(surface[AnalysisElement::kPH2S]) * pointPsia /
                             OwnCalculationPsia(surface));
        }

        // The reference pass relates H2S and pH2S at the own temperature of the
        // water they are the gas of (the stored water calculated, else the
        // surface water), whatever temperature the pass itself runs at.
        if (context_.switches.calcPassMode == 0) {
            const float* own = context_.sulfideWater;
            const double entryK = KelvinOfEntryTemperature(
                context_.entryTemperature, context_.units.code[UnitItem::kTemperature]);
            const SulfideRelation atEntry{H2sSolubilityLog(entryK), record_.gamma, MgLDiv()};
            if (own[AnalysisElement::kPH2S] == 0.0f && own[AnalysisElement::kH2S] > 0.0f) {
                const double m = atEntry.MolalityFromMgL(H2sMgL());
                WritePh2s(atEntry.PressureFromMolality(m));
            }
            // When both are entered, H2S is calculated from pH2S, as the form says.
            // A point of a profile, grid or well holds the sulfide its water's
            // own calculation took from that pH2S, scaled as the pH2S is: the
            // milligrams per litre a molality makes depend on the solids of the
            // pass, and a point's reference pass starts from other carbonate
            // than the water's did.
            if (values_[AnalysisElement::kPH2S] > 0.0f) {
                if (context_.switches.profileStepFlag != 0 && pressureCode < 4 &&
                    own[AnalysisElement::kPH2S] > 0.0f && own[AnalysisElement::kH2S] > 0.0f) {
                    SetFromWaterSulfide(own, atEntry);
                } else {
                    SetFromPressure(atEntry);
                }
            }
        }

        const SulfideRelation atT{in_.h2sSolubilityLog, record_.gamma, MgLDiv()};
        if (values_[AnalysisElement::kPH2S] != 0.0f || values_[AnalysisElement::kH2S] <= 0.0f) {
            ph2sAtm_ = Ph2sAtm();
        } else {
            record_.amount = H2sMgL();
            record_.molality = atT.MolalityFromMgL(record_.amount);
            record_.activity = record_.gamma * record_.molality;
            WritePh2s(atT.PressureFromMolality(record_.molality));
        }
        if (values_[AnalysisElement::kPH2S] > 0.0f && values_[AnalysisElement::kH2S] == 0.0f)
            SetFromPressure(atT);
    }

    double ph2sAtm() const { return ph2sAtm_; }

  private:
    double MgLDiv() const { return in_.molalDiv * in_.resultScaleFactor; }
    // The pressure (psia) of a calculation of `water` at its own temperature:
    // its element 38 raised to the saturation pressure of water at its element
    // 15, as LoadPressure raises a pass's.
    double OwnCalculationPsia(const float* water) const {
        const unsigned code = context_.units.code[UnitItem::kPressure];
        const double psia = PressureToPsia(water[AnalysisElement::kPressure], code);
        EngineInputs own{};
        EngineTemperature(water[AnalysisElement::kTemperature],
                          context_.units.code[UnitItem::kTemperature], 1, own);
        const double saturation =
            CalcWaterSatPressure(static_cast<float>(own.temperatureK)) * kPsiaPerMPa;
        return psia >= saturation ? psia : saturation;
    }
    // mg/L per unit of element 19: its unit's factor, or 17.04 mg per meq in epm reporting.
    double H2sFactor() const {
        return EntryMgLPerUnit(context_.units, UnitItem::kH2S, context_.switches.reportingMode);
    }
    double H2sMgL() const { return values_[AnalysisElement::kH2S] * H2sFactor(); }

    double Ph2sAtm() const {
        return PartialPressureToAtm(values_[AnalysisElement::kPH2S],
                                    context_.units.code[UnitItem::kGasH2S], in_.pressureBar);
    }

    void WritePh2s(double atm) {
        ph2sAtm_ = atm;
        values_[AnalysisElement::kPH2S] = ClampToFloat(
            AtmToPartialPressureUnit(atm, context_.units.code[UnitItem::kGasH2S], in_.pressureBar));
    }

    // H2S of element 19 from the H2S `water` holds at its pH2S, in the ratio
    // of the pH2S of element 27 to that pH2S (both in one unit); the record's
    // amount and molality.
    void SetFromWaterSulfide(const float* water, const SulfideRelation& relation) {
        ph2sAtm_ = Ph2sAtm();
        const double ratio = static_cast<double>(values_[AnalysisElement::kPH2S]) /
                             water[AnalysisElement::kPH2S];
        values_[AnalysisElement::kH2S] =
            ClampToFloat(static_cast<double>(water[AnalysisElement::kH2S]) * ratio);
        record_.amount = H2sMgL();
        record_.molality = relation.MolalityFromMgL(record_.amount);
    }

    // H2S from the pH2S of element 27: the record's amount and molality, element 19.
    void SetFromPressure(const SulfideRelation& relation) {
        ph2sAtm_ = Ph2sAtm();
        record_.molality = relation.MolalityFromPressure(ph2sAtm_);
        record_.amount = relation.MgLFromMolality(record_.molality);
        values_[AnalysisElement::kH2S] = ClampToFloat(record_.amount / H2sFactor());
    }

    const InputStageContext& context_;
    float* values_;
    SpeciesRecord& record_;
    const EngineInputs& in_;
    double ph2sAtm_ = 0.0;
};

// Litres in a barrel, as the forms convert a flow typed in BPD: the flows of
// one water weigh the same in either unit.
constexpr double kLitresPerBarrel = 158.984;

double ScaledLiquidFlow(double flow, unsigned code) {
    switch (code) {
        case 0:
            return flow * kLitresPerBarrel;
        case 2:
            return flow * 24.0;
        default:
            return flow;
    }
}

// Carbon dioxide and hydrogen sulfide carried by the gas, oil and brine of a
// production system (reference pass).
void FlowTotals(const InputStageContext& context, const WaterAnalysis& analysis,
                const SpeciesRecord* state, const EngineInputs& in, GasFlowTotals& flows) {
    const UnitCodes& units = context.units;
    const float* values = analysis.values;
    flows.brineFlow =
        ScaledLiquidFlow(values[AnalysisElement::kBrineFlow], units.code[UnitItem::kBrineFlow]);
    if (flows.brineFlow == 0.0) flows.brineFlow = 1.0;
    flows.oilFlow =
        ScaledLiquidFlow(values[AnalysisElement::kOilFlow], units.code[UnitItem::kOilFlow]);
    const double gas = values[AnalysisElement::kGasFlow];
    switch (units.code[UnitItem::kGasFlow]) {
        case 0:
            flows.gasFlow = gas * 28.317;
            break;
        case 2:
            flows.gasFlow = gas * 24000.0;
            break;
        default:
            flows.gasFlow = gas * 1000.0;
            break;
    }
    const double bar = in.pressureBar;
    if (bar > 0.0) {
        flows.co2InGas = flows.gasFlow * in.pco2Atm * 1.842 / (bar * 44.01);
        flows.co2InOil = flows.oilFlow * 3.04 * in.pco2Atm * 1.842 / (bar * 44.01);
        flows.h2sInGas = flows.gasFlow * in.ph2sAtm * 1.45 / (bar * 34.08);
    }
    flows.co2InBrine =
        (state[Species::kBicarbonate].molality + state[Species::kCarbonate].molality +
         state[Species::kCarbonDioxide].molality) *
        flows.brineFlow;
    flows.h2sInBrine = state[Species::kSulfideInput].molality * flows.brineFlow;
    flows.co2Total = flows.co2InGas + flows.co2InOil + flows.co2InBrine;
    flows.h2sTotal = flows.h2sInGas + flows.h2sInBrine;
    flows.co2PerBrine = flows.brineFlow > 0.0 ? flows.co2Total / flows.brineFlow : 0.0;
    flows.h2sPerBrine = flows.brineFlow > 0.0 ? flows.h2sTotal / flows.brineFlow : 0.0;
}

}  // namespace

void LoadGasInputs(const InputStageContext& context, WaterAnalysis& analysis, SpeciesRecord* state,
                   EngineInputs& in, GasFlowTotals& flows) {
    const UnitCodes& units = context.units;
    state[Species::kCarbonDioxide].gamma = 1.0;
    state[Species::kSulfideInput].gamma = 1.0;

    in.h2sSolubilityLog = H2sSolubilityLog(in.temperatureK);
    SulfideInputs sulfide(context, analysis, state, in);
    sulfide.Run();
    in.ph2sAtm = sulfide.ph2sAtm();
    in.pco2Atm = PartialPressureToAtm(analysis.values[AnalysisElement::kPco2],
                                      units.code[UnitItem::kGasCo2], in.pressureBar);

    flows.brineFactor = BrineFlowFactor(units.code[UnitItem::kBrineFlow]);
    flows.oilFactor = OilFlowFactor(units.code[UnitItem::kOilFlow]);
    flows.gasFactor = GasFlowFactor(units.code[UnitItem::kGasFlow]);
    if (context.switches.calcPassMode == 0) FlowTotals(context, analysis, state, in, flows);

    in.co2SolubilityLog = Co2SolubilityLog(in.temperatureC, in.pressurePsia);
    CarbonFromPco2(context, analysis, state, in);
}
