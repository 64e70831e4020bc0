// Fitted temperature functions of the silica, carbonate, sulfate, fluoride and
// sulfide equilibria and their ion pairs. The fits are those of the WATEQ family of
// speciation programs (Ball and Nordstrom, 1991, USGS Open-File Report 91-183);
// 35 and 68 are the three-term carbonic-acid fits, 137 the CO2 solubility of
// Plummer and Busenberg (1982).
#include "engine/tables/temperature_functions.h"

#include <cmath>

#include "engine/tables/power_of_ten.h"

// a + b T + c / T + d log10 T + e / T^2
const TemperatureFunction kTemperatureFunctions[kTemperatureFunctionCount] = {
    {13, -302.3724, -0.050698, 15669.69, 108.18466, -1119669.0},  // H4SiO4 = H3SiO4- + H+
    {14, -294.0184, -0.07265, 11204.49, 108.18466, -1119669.0},   // H4SiO4 = H2SiO4-2 + 2H+
    {17, 197.52, 0.0, -8669.8, -69.835, 0.0},                     // anhydrite
    {18, 68.2401, 0.0, -3221.51, -25.0627, 0.0},                  // gypsum
    {20, 13.248, 0.0, 10217.1, -6.1894, 0.0},
    {21, -171.9773, -0.077993, 2903.293, 71.595, 0.0},  // aragonite
    {25, 28.6059, 0.012078, 1573.21, -13.2248, 0.0},    // borate, times Kw
    {26, 0.6322, -0.001225, -2835.76, 0.0, 0.0},
    {35, 8.153, -0.02194, -2382.3, 0.0, 0.0},  // H2CO3 = HCO3- + H+
    {62, 66.348, 0.0, -4298.2, -25.271, 0.0},  // fluorite
    {68, 5.388, -0.02199, -2730.7, 0.0, 0.0},  // HCO3- = CO3-2 + H+
    {72, 3.106, 0.0, -673.6, 0.0, 0.0},
    {73, 0.991, 0.00667, 0.0, 0.0, 0.0},                 // MgCO3 pair
    {74, -59.215, 0.0, 2537.455, 20.92298, 0.0},         // MgHCO3+ pair
    {77, 1209.12, 0.31294, -34765.05, -478.782, 0.0},    // CaHCO3+ pair
    {78, -1228.732, -0.299444, 35512.75, 485.818, 0.0},  // CaCO3 pair
    {79, -3.248, 0.014867, 0.0, 0.0, 0.0},               // SrHCO3+ pair
    {80, -38.253, 0.0, -656.27, 14.327, 0.0},
    {81, 88.5, 0.0, -9391.6, -27.121, 0.0},
    {82, 51.578, 0.0, -11168.9, -14.865, 0.0},
    {89, -56.889, 0.006473, 2307.9, 19.8858, 0.0},
    {91, 11.17, -0.02386, -3279.0, 0.0, 0.0},  // H2S = HS- + H+
    {97, -0.09, 0.0, -1032.0, 0.0, 0.0},
    {101, 0.41, 0.0, -1309.0, 0.0, 0.0},
    {135, -1.019, 0.012826, 0.0, 0.0, 0.0},                              // SrCO3 pair
    {137, 108.3865, 0.01985076, -6919.53, -40.45154, 669365.0},          // CO2(g) solubility
    {142, 155.0305, 0.0, -7239.594, -56.58638, 0.0},                     // strontianite
    {143, -14805.9622, -2.4660924, 756968.533, 5436.3588, -40553604.0},  // celestite
    {144, 136.035, 0.0, -7680.41, -48.595, 0.0},                         // barite
    {145, 607.642, 0.121098, -20011.25, -236.4948, 0.0},                 // witherite
    {202, -2.033, 0.012645, 429.01, 0.0, 0.0},
    {220, 2.497, 0.0, -3833.0, 0.0, 0.0},
    {336, 226.374, 0.0, -18247.8, -73.597, 0.0},
    {339, 1.447, -0.004153, 0.0, 0.0, -214949.0},
    {395, -0.26, 0.0, -731.0, 0.0, 0.0},
    {561, -3.0938, 0.013669, 0.0, 0.0, 0.0},  // BaHCO3+ pair
    {562, 0.113, 0.008721, 0.0, 0.0, 0.0},    // BaCO3 pair
};

double EvaluateTemperatureFunction(const TemperatureFunction& f, double temperatureK) {
    const double invT = 1.0 / temperatureK;
    double logK = f.a + f.b * temperatureK + f.c * invT + f.e * invT * invT;
    if (f.d != 0.0) logK += f.d * std::log10(temperatureK);
    return logK;
}

double ExtrapolatedLogK(double y1, double y2, double temperatureK) {
    constexpr double kInverseSpan = 1.0 / kFunctionLowerPointK - 1.0 / kFunctionLimitK;
    return y1 - (y2 - y1) / kInverseSpan * (1.0 / temperatureK - 1.0 / kFunctionLowerPointK);
}

namespace {

// Values of every function at 312.16 K and 313.16 K, fixed once.
struct FunctionEndPoints {
    double y1[kTemperatureFunctionCount];
    double y2[kTemperatureFunctionCount];
};

const FunctionEndPoints& EndPoints() {
    static const FunctionEndPoints points = [] {
        FunctionEndPoints p{};
        for (int i = 0; i < kTemperatureFunctionCount; ++i) {
            p.y1[i] = EvaluateTemperatureFunction(kTemperatureFunctions[i], kFunctionLowerPointK);
            p.y2[i] = EvaluateTemperatureFunction(kTemperatureFunctions[i], kFunctionLimitK);
        }
        return p;
    }();
    return points;
}

}  // namespace

void ApplyTemperatureFunctions(double temperatureK, double logKwAtT, double logKw312,
                               double logKw313, double* reactionK) {
    const bool extrapolate = temperatureK > kFunctionLimitK;
    const FunctionEndPoints& points = EndPoints();
    for (int i = 0; i < kTemperatureFunctionCount; ++i) {
        const TemperatureFunction& f = kTemperatureFunctions[i];
        const bool borate = f.reaction == kBorateReaction;
        double logK;
        if (!extrapolate) {
            logK = EvaluateTemperatureFunction(f, temperatureK);
            if (borate) logK += logKwAtT;
        } else {
            double y1 = points.y1[i];
            double y2 = points.y2[i];
            if (borate) {
                y1 += logKw312;
                y2 += logKw313;
            }
            logK = ExtrapolatedLogK(y1, y2, temperatureK);
        }
        reactionK[f.reaction] = Exp10(logK);
    }
}

void ApplyPhLinearConstants(double ph, double* reactionK) {
    reactionK[kPhLinearReactionA] = Exp10(1.68 * ph - 5.7);
    reactionK[kPhLinearReactionB] = Exp10(1.52 * ph - 5.4);
}
