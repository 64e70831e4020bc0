// The treatment limits summary: the point's values rated by the same
// evaluation the inhibitor dose ends with, shown one slot a row.
#include "treatment/limits/limits_summary.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/dose/dose_records.h"
#include "engine/inputs/treatment_inputs.h"
#include "engine/pipeline/pipeline_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "platform/dialogs/dialog.h"
#include "shell/records.h"
#include "treatment/graphs/graph_code_names.h"
#include "treatment/treatment_dialog_ids.h"
#include "treatment/treatment_limits.h"

namespace {

constexpr int kRowsOf4277 = 10;
constexpr int kRowsOf4281 = 20;

std::string ProductName(const ProductTable& product) {
    const ProductRecord& first = product.records[0];
    return std::string(first.name, strnlen(first.name, sizeof first.name));
}

void AddRows(win::HWND dialog, const LimitsSummaryText& text) {
    int stops[4] = {140, 186, 232, 278};
    win::SendDlgItemMessage(dialog, LimitsSummaryControl::kList, win::LB_SETTABSTOPS, 4,
                            reinterpret_cast<win::LPARAM>(stops));
    for (const std::string& row : text.rows)
        win::SendDlgItemMessage(dialog, LimitsSummaryControl::kList, win::LB_ADDSTRING, 0,
                                reinterpret_cast<win::LPARAM>(row.c_str()));
}

}  // namespace

std::string FormatLimitValue(double value) {
    char text[32];
    const double a = std::fabs(value);
    if (!std::isfinite(value))
        std::snprintf(text, sizeof text, "%s", "-");
    else if (a != 0.0 && (a >= 1e6 || a < 1e-3))
        std::snprintf(text, sizeof text, "%.3e", value);
    else
        std::snprintf(text, sizeof text, "%.*f",
                      a >= 1000  ? 0
                      : a >= 100 ? 1
                      : a >= 10  ? 2
                                 : 3,
                      value);
    return text;
}

std::string FormatLimitBound(float bound) {
    return bound == kUnsetLimit ? "-" : FormatLimitValue(bound);
}

const char* RatingText(int rating) {
    return rating >= 2 ? "OUTSIDE" : rating == 1 ? "near" : "within";
}

int LimitsSummaryTemplate(int rows) {
    if (rows <= kRowsOf4277) return TreatmentDialog::kLimitsSummary10;
    if (rows <= kRowsOf4281) return TreatmentDialog::kLimitsSummary20;
    return TreatmentDialog::kLimitsSummary30;
}

void EvaluateLimitsAt(const ProductTable& product, const LimitsPoint& point,
                      TreatmentLimitEvaluation& out) {
    DoseAnalysis copies{};
    std::memcpy(copies.analysis, point.analysis, sizeof copies.analysis);
    std::memcpy(copies.results, point.results, sizeof copies.results);
    std::memcpy(copies.excess, point.excess, sizeof copies.excess);
    const UnitContext units = GlobalUnitContext();
    const float temperature = copies.analysis[AnalysisElement::kTemperature];
    const float time = currentResidenceTime;
    const dose::VariableSource source{
        copies,
        units,
        dose::DoseTemperatureK(temperature, unitCodes.code[UnitItem::kTemperature]),
        time,
        corrosionTarget,
        doseFigure};
    float limitInputs[kLimitInputCount];
    BuildLimitInputs(product, source, limitInputs);
    DoseContext doseInputs{};
    doseInputs.value[DoseInput::kPh] = copies.analysis[AnalysisElement::kPh];
    const LimitEvaluationInputs in{product, copies, units, corrosionTarget, 0};
    EvaluateTreatmentLimits(in, doseInputs, temperature, limitInputs, time, out);
}

LimitsSummaryText MakeLimitsSummaryText(const ProductTable& product, const LimitsPoint& point,
                                        const TreatmentLimitEvaluation& evaluation) {
    LimitsSummaryText text;
    text.product = "Product: " + ProductName(product);
    text.point = point.description;
    for (int r = 0; r < evaluation.rowCount && r < kLimitSlotCount; ++r) {
        const int s = evaluation.slotIndex[r];
        if (s < 0 || s >= kLimitSlotCount) continue;
        const LimitSlot& slot = product.limits[s];
        text.rows.push_back(LimitCodeName(slot.limitCode) + "\t" +
                            FormatLimitValue(evaluation.value[r]) + "\t" +
                            FormatLimitBound(slot.lower) + "\t" + FormatLimitBound(slot.upper) +
                            "\t" + RatingText(evaluation.rating[r]));
    }
    return text;
}

int ShowLimitsSummary(int kind, int a, int b) {
    LimitsPoint point;
    if (!FindLimitsPoint(MapSummaryKind(kind, graphProfileKind), a, b, point)) return 0;
    EvaluateLimitsAt(productTable, point, treatmentLimitEvaluation);
    const LimitsSummaryText text =
        MakeLimitsSummaryText(productTable, point, treatmentLimitEvaluation);
    win::DialogBoxParam(
        mainWindowState.instance, LimitsSummaryTemplate(static_cast<int>(text.rows.size())),
        mainWindowState.mainWindow, LimitsSummaryDlgProc, reinterpret_cast<win::LPARAM>(&text));
    return 0;
}

win::INT_PTR LimitsSummaryDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    switch (msg) {
        case win::WM_INITDIALOG: {
            const auto* text = reinterpret_cast<const LimitsSummaryText*>(lParam);
            if (text == nullptr) return win::TRUE;
            win::SetDlgItemText(dialog, LimitsSummaryControl::kProduct, text->product.c_str());
            win::SetDlgItemText(dialog, LimitsSummaryControl::kPoint, text->point.c_str());
            AddRows(dialog, *text);
            return win::TRUE;
        }
        case win::WM_COMMAND:
            if (win::LOWORD(wParam) == win::IDOK || win::LOWORD(wParam) == win::IDCANCEL) {
                win::EndDialog(dialog, 0);
                return win::TRUE;
            }
            return win::FALSE;
        default:
            return win::FALSE;
    }
}
