// The three profile drivers are one family: one frame, with what differs
// between the temperature, pH (or pCO2) and pressure members told by the
// member's variable.
#pragma once

#include "scenarios/frame/driver_context.h"
#include "scenarios/frame/gas_point_control.h"

enum class ProfileVariable { kTemperature, kPh, kPressure };

struct ProfileRun {
    DriverContext& c;
    ProfileVariable variable;
    ProfileTable& table;
    float axis[kProfilePoints];
    ProductName product;
    DoseContext doseInputs;  // the dose parameter block, cleared once per run
    // The pH control of the point being set up under a pCO2 of the axis (the
    // pCO2 profile); otherwise its pH is the point's and no dose starts there.
    GasPointControl gasControl{};
    bool underAxisGas = false;
};

// The whole frame of one member: checks, re-run rule, save, the chosen pass,
// end step.
void RunProfile(DriverContext& c, ProfileVariable variable);

// Steps 1 to 10 of point k: the working analysis and the point's row set up for
// its engine passes, pH control done. Returns the point's pH.
float SetUpProfilePoint(ProfileRun& run, int k);

// The whole run over the seven points.
void RunProfilePoints(ProfileRun& run);

// The doses (and corrosion rates) of the stored points for the current product.
void RunProfileDosePass(ProfileRun& run);

// The pH an option of the pressure profile fixes for every point: the surface
// pH (useInputPh), else the evaluation pH (forcePhToEvalForPressure), else -1
// (none: each point finds the pH of the water at its pressure).
[[nodiscard]] float PressureProfileFixedPh(const DriverContext& c);

// The pCO2 (element 39) of point k for the main pass when the pH comes from pCO2.
float ProfilePointPco2(const ProfileRun& run, int k);
