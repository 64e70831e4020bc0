// pH control at a point whose pH its CO2 partial pressure gives.
#include "scenarios/frame/gas_point_control.h"

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/point_steps.h"

namespace {
namespace AE = AnalysisElement;
}  // namespace

float PhOfPointGas(DriverContext& c, uint16_t passMode) {
    uint16_t& method = c.engine.control.phControlMethod;
    const uint16_t inForce = method;
    method = PhControlMethod::kNone;
    const float ph = PhFromPco2Pass(c, PhPrediction::kLogAlkalinity, passMode, 0);
    method = inForce;
    return ph;
}

GasPointControl ControlGasPoint(DriverContext& c, float gasPh) {
    GasPointControl point{gasPh, gasPh, false, false};
    c.out.acidDemand = 0.0f;
    c.out.alkaliDemand = 0.0f;
    const PhControlSettings& control = c.engine.control;
    if (control.phControlMethod == PhControlMethod::kNone) return point;
    const float target = control.targetPh;
    if (PhTargetOutOfReach(control, gasPh, target)) {
        point.heldOff = true;
        return point;
    }
    // The carbonate of the point's own pass is what the chemical moves.
    float* w = c.current.values;
    w[AE::kAcidity] = c.out.equilibriumCarbonicAcid;
    w[AE::kMAlkalinity] = w[AE::kBicarbonate] = c.out.saturation[27];
    w[AE::kPAlkalinity] = w[AE::kCarbonate] = c.out.saturation[29];
    c.calls.adjustPhFrom(gasPh, target);
    w[AE::kPh] = target;
    point.ph = target;
    point.dosed = true;
    return point;
}

uint16_t HoldOffControl(DriverContext& c, const GasPointControl& point) {
    const uint16_t method = c.engine.control.phControlMethod;
    if (point.heldOff) c.engine.control.phControlMethod = PhControlMethod::kNone;
    return method;
}
