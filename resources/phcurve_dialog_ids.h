// Template and control ids of the pH-alkalinity curve, constant concentration
// and precipitation dialogs.
#pragma once

namespace DialogId {
enum : int {
    kConstantValues = 31,  // "Select Constant Recirculating Water Concentrations"
    kAlkCurve10 = 32,      // "Input pH-Alkalinity Relationship", main window below 1200 high
    kAlkCurveSmall = 33,   // ... up to 900 high
    kAlkCurve8 = 34,       // ... up to 1000 high
    kAlkCurve12 = 35,      // ... from 1200 high
    kPrecipitation = 165,  // " Choose Precipitation"
};
}  // namespace DialogId

// The pH-alkalinity curve (templates 32 to 35): row r (0 to 9) has its M
// alkalinity in kFirstAlkalinity + 3r, its pH in the next and its predicted pH
// in the one after.
namespace AlkCurveControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kHelp = 379,
    kModel = 380,
    kGraph = 381,
    kFirstAlkalinity = 670,
    kHelpScreen = 1451,  // the help screen's command; no control carries it
};
}  // namespace AlkCurveControl

// The constant recirculating concentrations (template 31).
namespace ConstantValuesControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kHelp = 379,
    kPhosphate = 616,
    kPhosphateValue = 617,
    kSilica = 422,
    kSilicaValue = 615,
};
}  // namespace ConstantValuesControl

// The precipitation display (template 165).
namespace PrecipitationControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kMgPerLitre = 166,
    kLbsPerThousandBarrels = 167,
    kKgPerThousandBarrels = 1654,
    kMomentaryExcess = 1651,
    kPrecipitationPotential = 1652,
    kBoth = 1653,
};
}  // namespace PrecipitationControl
