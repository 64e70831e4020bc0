// tarvex-engine dose WATERFILE PRODUCTFILE [--time SECONDS]: the dose of a
// treatment product (the harness's text form, product_file.h) for one water,
// its ingredient amounts and the limit status with the rated limit slots.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/dose/inhibitor_dose.h"
#include "engine/records.h"
#include "input/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/product_file.h"
#include "tools/engine_harness/water_run.h"
#include "treatment/treatment_limits.h"

namespace {

const char* StatusName(int16_t status) {
    switch (status) {
        case DoseStatus::kNone:
            return "within limits";
        case DoseStatus::kBorderline:
            return "borderline";
        case DoseStatus::kOutOfRange:
            return "out of range";
        case DoseStatus::kCannotCover:
            return "cannot cover the scale present";
        case DoseStatus::kOverProductLimit:
            return "over the product limit";
        default:
            return "?";
    }
}

// The pipeline's dose inputs of the working water: pH, Larson-Skold ratio, calcite
// ratio, silica, iron, the phosphate dose (out), phosphate, calcium phosphate
// ratio, polyphosphate and zinc in mg/L.
DoseContext DoseInputsOfWater(const UnitContext& u) {
    const float* v = currentAnalysis.values;
    DoseContext in{};
    in.value[DoseInput::kPh] = v[AnalysisElement::kPh];
    in.value[DoseInput::kResultValue] = SaturationResults[IndexCode::kLarsonSkold];
    in.value[DoseInput::kCalciteRatio] = SaturationResults[IndexCode::kCalcite];
    in.value[DoseInput::kSilica] = v[AnalysisElement::kSilica];
    in.value[DoseInput::kIron] = v[AnalysisElement::kIron];
    in.value[DoseInput::kPhosphate] =
        static_cast<float>(ConvPO4Units(v[AnalysisElement::kPhosphate], u));
    in.value[DoseInput::kCalciumPhosphateRatio] = SaturationResults[IndexCode::kCalciumPhosphate];
    in.value[DoseInput::kIngredient2] =
        static_cast<float>(ConvPolyPO4Units(v[AnalysisElement::kPolyphosphate], u));
    in.value[DoseInput::kIngredient3] =
        static_cast<float>(ConvZnUnits(v[AnalysisElement::kZinc], u));
    return in;
}

}  // namespace

int CmdDose(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    float time = 180.0f;  // seconds, the residence time of a new workspace
    if (args.size() == 4 && std::strcmp(args[2], "--time") == 0) {
        char* end = nullptr;
        time = std::strtof(args[3], &end);
        if (end == args[3] || *end != '\0' || !(time >= 0.0f)) {
            std::fprintf(err, "dose: --time needs a number of seconds\n");
            return kExitUsage;
        }
    } else if (args.size() != 2) {
        std::fprintf(err, "dose: give a water file and a product file [--time SECONDS]\n");
        return kExitUsage;
    }
    auto product = std::make_unique<ProductTable>();
    const ProductFileStatus read = ReadHarnessProduct(args[1], *product);
    if (!read.ok) {
        std::fprintf(err, "%s%s%s\n", read.line > 0 ? args[1] : "", read.line > 0 ? ": " : "",
                     read.message.c_str());
        return kExitBadInput;
    }
    const int status = CalculateWaterFile(args[0], err);
    if (status != kExitOk) return status;
    if (!HaveSaturationResults())
        std::fprintf(out,
                     "note: no saturation results from the equilibrium calculation; the dose "
                     "uses the analysis values as given with every ratio 0\n");

    productTable = *product;
    resultStatus.productSelected = 1;
    InstallTreatmentHooks();
    std::memcpy(doseAnalysis.analysis, currentAnalysis.values, sizeof doseAnalysis.analysis);
    std::memcpy(doseAnalysis.results, SaturationResults, sizeof doseAnalysis.results);
    std::memcpy(doseAnalysis.excess, MomentaryExcess, sizeof doseAnalysis.excess);

    const UnitContext units = GlobalUnitContext();
    DoseContext inputs = DoseInputsOfWater(units);
    const dose::VariableSource source{doseAnalysis, units, 0.0, time, corrosionTarget, doseFigure};
    float limitInputs[kLimitInputCount] = {};
    for (int k = 0; k < kLimitInputCount && k < productTable.componentCount; ++k)
        limitInputs[k] = static_cast<float>(
            dose::LimitInputValue(productTable.records[k].limitCode, source, true));

    float productDose = 0.0f;
    const int16_t doseStatus =
        CalcInhibitorDosage(&inputs, currentAnalysis.values[AnalysisElement::kTemperature],
                            limitInputs, time, &productDose);

    const bool corrosionProduct = productTable.records[0].doseMode == 2;
    std::fprintf(out, "product %s\n", productTable.records[0].name);
    std::fprintf(out, "residence_time %g s\n", static_cast<double>(time));
    std::fprintf(out, "dose %.6g %s\n", static_cast<double>(productDose),
                 corrosionProduct ? (CorrosionRateInMpy(unitCodes) ? "mpy" : "mm/yr") : "mg/L");
    std::fprintf(out, "ingredient1 %.6g mg/L\n",
                 static_cast<double>(inputs.value[DoseInput::kIngredient1]));
    std::fprintf(out, "ingredient2 %.6g mg/L\n",
                 static_cast<double>(inputs.value[DoseInput::kIngredient2]));
    std::fprintf(out, "ingredient3 %.6g mg/L\n",
                 static_cast<double>(inputs.value[DoseInput::kIngredient3]));
    std::fprintf(out, "status %d (%s)\n", doseStatus, StatusName(doseStatus));
    const TreatmentLimitEvaluation& e = treatmentLimitEvaluation;
    for (int row = 0; row < e.rowCount; ++row) {
        const LimitSlot& slot = productTable.limits[e.slotIndex[row]];
        std::fprintf(out, "limit %d code %d value %.6g lower %g upper %g rating %d\n",
                     e.slotIndex[row], slot.limitCode, static_cast<double>(e.value[row]),
                     static_cast<double>(slot.lower), static_cast<double>(slot.upper),
                     e.rating[row]);
    }
    return kExitOk;
}
