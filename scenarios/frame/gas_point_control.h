// pH control at a point whose pH its CO2 partial pressure gives (a point of the
// pCO2 profile, a cell of a pCO2 row): the chemical starts from the point's own
// water under its gas, not from the surface water at its typed pH.
#pragma once

#include "scenarios/frame/driver_context.h"

// What the control did at a gas point.
struct GasPointControl {
    float ph;       // the pH the point's passes take: the target, or the gas's
    float startPh;  // the pH its gas gives it, where a dose starts
    bool dosed;     // the chemical brought it to the target
    bool heldOff;   // pH control is on but cannot reach the target from here
};

// The pH the point's pCO2 gives it (element 0 = -1.0 and element 39 the
// pCO2 before the call), its carbonate pairs counted, from a pass in
// `passMode` run as without pH control: the point's own water under its gas.
[[nodiscard]] float PhOfPointGas(DriverContext& c, uint16_t passMode);

// After the point's pH-from-pCO2 pass gave `gasPh`: with pH control whose
// chemical can reach the target of the pH-control settings from there, the
// point's own carbonate (that pass's dissolved CO2, bicarbonate and carbonate)
// is brought to the target, the chemical's ion added and the demands set, and
// the working analysis holds the dosed water at the target pH. A target the
// chemical cannot reach (an acid alone above the gas's pH, an alkali alone
// below) is noted for the run's message; such a point, like one without
// control, keeps the gas's pH and takes no dose.
[[nodiscard]] GasPointControl ControlGasPoint(DriverContext& c, float gasPh);

// The pH-control method the point's passes run with: none for a point held
// off, so that it is the point without control. Gives back the method in force.
uint16_t HoldOffControl(DriverContext& c, const GasPointControl& point);
