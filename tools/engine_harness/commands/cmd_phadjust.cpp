// tarvex-engine phadjust WATERFILE --target PH [--acid N | --alkali N] [--open]:
// the acid or alkali that brings a water to a target pH, and the analysis
// elements the adjustment rewrites.
//
// The adjustment needs the carbonate constants of an equilibrium run on the
// water. Until the engine leaves them, the command uses the textbook constants
// at 25 C (K1 = 10^-6.35, K2 = 10^-10.33, Kw = 1e-14, activity coefficients 1)
// and takes the starting carbonate species from the file: bicarbonate,
// carbonate and dissolved CO2 as the ions (alkalinity modes 2 and 3), or the
// total alkalinity as CaCO3 split at the water's pH.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/records.h"
#include "input/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file.h"

namespace {

namespace AE = AnalysisElement;

struct PhAdjustArgs {
    const char* waterFile = nullptr;
    double targetPh = NAN;
    int acid = -1;
    int alkali = -1;
    bool open = false;
};

// A whole-string decimal number.
bool ParseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value);
}

bool ParseCode(const char* text, int highest, int& code) {
    double value = 0.0;
    if (!ParseNumber(text, value) || value != std::floor(value) || value < 0 || value > highest)
        return false;
    code = static_cast<int>(value);
    return true;
}

// Returns an empty string when the arguments are sound, else the complaint.
std::string ParseArgs(std::span<char* const> args, PhAdjustArgs& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        const char* a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (std::strcmp(a, "--open") == 0) {
            out.open = true;
        } else if (std::strcmp(a, "--target") == 0) {
            if (!hasValue || !ParseNumber(args[++i], out.targetPh) || out.targetPh < 0 ||
                out.targetPh > 14)
                return "--target needs a pH from 0 to 14";
        } else if (std::strcmp(a, "--acid") == 0) {
            if (!hasValue || !ParseCode(args[++i], 3, out.acid))
                return "--acid needs 0 (sulfuric acid 98%), 1 (hydrochloric acid), 2 (carbon "
                       "dioxide) "
                       "or 3 (sulfuric acid 93%)";
        } else if (std::strcmp(a, "--alkali") == 0) {
            if (!hasValue || !ParseCode(args[++i], 4, out.alkali))
                return "--alkali needs 0 (lime), 1 (soda ash), 2 (sodium bicarbonate), 3 (caustic "
                       "soda) "
                       "or 4 (caustic potash)";
        } else if (a[0] == '-' && a[1] == '-') {
            return std::string("unknown option ") + a;
        } else if (out.waterFile == nullptr) {
            out.waterFile = a;
        } else {
            return "give one water file";
        }
    }
    if (out.waterFile == nullptr) return "give a water file";
    if (std::isnan(out.targetPh)) return "give --target PH";
    if (out.acid >= 0 && out.alkali >= 0) return "give --acid or --alkali, not both";
    return "";
}

CarbonateState TextbookConstants() {
    CarbonateState s{};
    s.k1 = static_cast<float>(std::pow(10.0, -6.35));
    s.k2 = static_cast<float>(std::pow(10.0, -10.33));
    s.kw = 1e-14f;
    s.gammaH = 1.0f;
    s.gammaOH = 1.0f;
    return s;
}

// Puts the water's carbonate species into elements 29, 30 and 43. Returns an
// empty string, or what the file lacks.
std::string StartingSpecies(const WaterFileData& data, const CarbonateState& k, WaterAnalysis& a) {
    float* v = a.values;
    if (data.alkalinityMode == 2 || data.alkalinityMode == 3) {
        v[AE::kBicarbonate] = v[AE::kMAlkalinity];
        v[AE::kCarbonate] = v[AE::kPAlkalinity];
        return "";
    }
    const double alkalinity = v[AE::kAlkalinity] > 0.0f  ? v[AE::kAlkalinity]
                              : data.alkalinityMode == 1 ? v[AE::kMAlkalinity]
                                                         : 0.0f;
    if (!(alkalinity > 0.0)) return "the water file gives no alkalinity (as CaCO3) or bicarbonate";
    // Carbonate alkalinity (eq/L) = total - OH- + H+, carried by HCO3- + 2 CO3--.
    const double pH = v[AE::kPh];
    const double h = carbonate::HydrogenConc(pH, k.gammaH);
    const double carbonateAlkalinity =
        alkalinity / carbonate::kCaCO3MgPerEq - carbonate::HydroxideConc(pH, k.kw, k.gammaOH) + h;
    if (!(carbonateAlkalinity > 0.0)) return "the alkalinity holds no carbonate at the water's pH";
    const carbonate::Fractions f = carbonate::FractionsAt(h, k.k1, k.k2);
    const double total = carbonateAlkalinity / (f.a1 + 2.0 * f.a2);
    v[AE::kAcidity] = static_cast<float>(f.a0 * total * carbonate::kH2co3MgPerMol);
    v[AE::kBicarbonate] = static_cast<float>(f.a1 * total * carbonate::kHco3MgPerMol);
    v[AE::kCarbonate] = static_cast<float>(f.a2 * total * carbonate::kCo3MgPerMol);
    return "";
}

const char* AcidName(int code) {
    static const char* const kNames[] = {"sulfuric acid (98%)", "hydrochloric acid",
                                         "carbon dioxide", "sulfuric acid (93%)"};
    return code >= 0 && code <= 3 ? kNames[code] : "none";
}

const char* AlkaliName(int code) {
    static const char* const kNames[] = {"lime", "soda ash", "sodium bicarbonate", "caustic soda",
                                         "caustic potash"};
    return code >= 0 && code <= 4 ? kNames[code] : "none";
}

void PrintResult(std::FILE* out, const PhAdjustArgs& a, double startPh, float alkalinityOut) {
    // In the open model, or for a chemical outside the lists, the demand stays
    // as CaCO3; carbon dioxide in the closed model is a CO2 dose.
    const bool asChemical = !a.open;
    std::fprintf(
        out,
        "constants textbook 25 C: K1 10^-6.35, K2 10^-10.33, Kw 1e-14, activity coefficients 1\n");
    std::fprintf(out, "model %s\n", a.open ? "open" : "closed");
    std::fprintf(out, "start_ph %.6g\n", startPh);
    std::fprintf(out, "target_ph %.6g\n", a.targetPh);
    const int acid = phControlSettings.acidChemical == 0xFFFF ? -1 : phControlSettings.acidChemical;
    const int alkali =
        phControlSettings.alkaliChemical == 0xFFFF ? -1 : phControlSettings.alkaliChemical;
    const char* acidUnit = acid == 2 && asChemical   ? "mg/L CO2"
                           : asChemical && acid >= 0 ? "mg/L"
                                                     : "mg/L as CaCO3";
    std::fprintf(out, "acid_demand %.6g %s %s\n", acidDemand, acidUnit, AcidName(acid));
    std::fprintf(out, "alkali_demand %.6g %s %s\n", alkaliDemand,
                 asChemical && alkali >= 0 ? "mg/L" : "mg/L as CaCO3", AlkaliName(alkali));
    if (!a.open) std::fprintf(out, "new_alkalinity %.6g mg/L as CaCO3\n", alkalinityOut);
    static const struct {
        int element;
        const char* name;
    } kRewritten[] = {{AE::kPh, "ph"},
                      {AE::kAlkalinity, "alkalinity"},
                      {AE::kChloride, "chloride"},
                      {AE::kSulfate, "sulfate"},
                      {AE::kCalcium, "calcium"},
                      {AE::kSodium, "sodium"},
                      {AE::kMAlkalinity, "m_alkalinity"},
                      {AE::kPAlkalinity, "p_alkalinity"},
                      {AE::kPotassium, "potassium"},
                      {AE::kBicarbonate, "bicarbonate_mg_l"},
                      {AE::kCarbonate, "carbonate_mg_l"},
                      {AE::kAlkalinityEq, "alkalinity_eq_l"},
                      {AE::kTotalCarbonate, "total_carbonate_mol_l"},
                      {AE::kAcidity, "dissolved_co2_mg_l"}};
    for (const auto& r : kRewritten) {
        std::fprintf(out, "element %2d %-22s %.6g\n", r.element, r.name,
                     static_cast<double>(currentAnalysis.values[r.element]));
    }
}

}  // namespace

int CmdPhAdjust(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    PhAdjustArgs a;
    if (const std::string complaint = ParseArgs(args, a); !complaint.empty()) {
        std::fprintf(err, "phadjust: %s\n", complaint.c_str());
        return kExitUsage;
    }
    WaterFileData data{};
    const WaterFileStatus status = ReadWaterFile(a.waterFile, data);
    if (!status.ok) {
        std::fprintf(err, "%s: %s\n", a.waterFile, status.message.c_str());
        return kExitBadInput;
    }
    const double startPh = data.analysis.values[AE::kPh];
    if (!data.given[AE::kPh] || !(startPh >= 0.0 && startPh <= 14.0)) {
        std::fprintf(err, "%s: the water file gives no pH from 0 to 14\n", a.waterFile);
        return kExitBadInput;
    }
    carbonateState = TextbookConstants();
    currentAnalysis = data.analysis;
    if (const std::string lack = StartingSpecies(data, carbonateState, currentAnalysis);
        !lack.empty()) {
        std::fprintf(err, "%s: %s\n", a.waterFile, lack.c_str());
        return kExitBadInput;
    }
    unitCodes = data.units;
    reportingMode = data.reportingMode;
    alkalinityMode = data.alkalinityMode;
    whatIfOptions.carbonateModel = a.open ? 1 : 0;
    phControlSettings.targetPh = static_cast<float>(a.targetPh);
    phControlSettings.phControlMethod = a.acid >= 0     ? PhControlMethod::kAcid
                                        : a.alkali >= 0 ? PhControlMethod::kAlkali
                                                        : PhControlMethod::kBoth;
    // Neither chemical named: sulfuric acid and caustic soda, whichever the
    // target needs.
    int acid = a.acid;
    int alkali = a.alkali;
    if (acid < 0 && alkali < 0) {
        acid = AcidChemical::kSulfuric;
        alkali = AlkaliChemical::kCausticSoda;
    }
    phControlSettings.acidChemical =
        acid >= 0 ? static_cast<uint16_t>(acid) : uint16_t{AcidChemical::kNone};
    phControlSettings.alkaliChemical =
        alkali >= 0 ? static_cast<uint16_t>(alkali) : uint16_t{AlkaliChemical::kNone};

    // The start pH goes in as the pH a CO2 dose starts from.
    float pHInOut = static_cast<float>(startPh);
    float alkalinityOut = 0.0f;
    acidDemand = alkaliDemand = 0.0f;
    AdjustpHToTarget(3, 1.0f, static_cast<float>(a.targetPh), pHInOut, alkalinityOut);
    PrintResult(out, a, startPh, alkalinityOut);
    return kExitOk;
}
