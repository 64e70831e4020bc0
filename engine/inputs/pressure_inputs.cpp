// Total pressure of the calculation. Liquid water cannot be below its saturation
// pressure, so a lower entered pressure (0 among them) is raised to it.
#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/tables/water_properties.h"

void LoadPressure(const UnitCodes& units, WaterAnalysis& analysis, EngineInputs& in) {
    const unsigned code = units.code[UnitItem::kPressure];
    double psia = PressureToPsia(analysis.values[AnalysisElement::kPressure], code);
    const double saturationPsia =
        CalcWaterSatPressure(static_cast<float>(in.temperatureK)) * kPsiaPerMPa;
    if (!(psia >= saturationPsia)) {  // also a NaN pressure
        psia = saturationPsia;
        in.pressureRaised = 1;
        analysis.values[AnalysisElement::kPressure] = ClampToFloat(PsiaToPressureUnit(psia, code));
    }
    in.pressurePsia = psia;
    in.pressureAtm = psia * kAtmPerPsia;
    in.pressureBar = psia * kBarPerPsia;
}
