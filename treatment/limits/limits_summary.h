// TREATMENT LIMITS SUMMARY (templates 4277, 4281 and 4283 for up to 10, 20 and
// 30 rows): the current product's enabled limit slots rated at one point of a
// result table.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"
#include "treatment/limits/limits_point.h"
#include "treatment/records.h"

// Maps the kind (MapSummaryKind), evaluates the limits at the point into
// treatmentLimitEvaluation and runs the dialog owned by the main window.
// A point outside its table shows nothing. Returns 0.
int ShowLimitsSummary(int kind, int a, int b);

// The dialog's texts: the product line, the point line and a row per rated
// slot ("what it watches<TAB>value<TAB>lower<TAB>upper<TAB>rating").
struct LimitsSummaryText {
    std::string product;
    std::string point;
    std::vector<std::string> rows;
};

// Rates the product's limits at the point.
void EvaluateLimitsAt(const ProductTable& product, const LimitsPoint& point,
                      TreatmentLimitEvaluation& out);
[[nodiscard]] LimitsSummaryText MakeLimitsSummaryText(const ProductTable& product,
                                                      const LimitsPoint& point,
                                                      const TreatmentLimitEvaluation& evaluation);
// The template for a number of rows.
[[nodiscard]] int LimitsSummaryTemplate(int rows);
// A value or bound as the summary shows it; "-" for an unset bound.
[[nodiscard]] std::string FormatLimitValue(double value);
[[nodiscard]] std::string FormatLimitBound(float bound);
// "within", "near" or "OUTSIDE".
[[nodiscard]] const char* RatingText(int rating);

win::INT_PTR LimitsSummaryDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);
