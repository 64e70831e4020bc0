#include "scenarios/frame/driver_end_step.h"

#include <cstring>

void EndOnSurfaceWater(DriverContext& c) {
    namespace AE = AnalysisElement;
    std::memcpy(c.current.values, c.surface.values, sizeof c.current.values);
    float* w = c.current.values;
    w[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    w[AE::kSpeciesGiven] = 1.0f;
    w[AE::kAlkalinityMode] = static_cast<float>(c.units.alkalinityMode);
    RestoreEngineSettings(c.backup, c.engine);
}
