// Template and control ids of the treatment products' dialogs. The templates
// themselves are resources (resources/treatment_dialogs.cpp).
#pragma once

namespace TreatmentDialog {
enum : int {
    kChooseGraphs = 25,
    kSelectProduct = 26,
    kLimitsSummary10 = 4277,  // up to 10 limit rows
    kLimitsSummary20 = 4281,  // 11 to 20 rows
    kLimitsSummary30 = 4283,  // 21 to 30 rows
};
}

// SELECT PRODUCT: a row per product file, the current product, and the buttons
// Select (IDOK), No Product and Cancel (IDCANCEL).
namespace SelectProductControl {
enum : int {
    kList = 2601,
    kCurrent = 2602,
    kNoProduct = 2603,
};
}

// CHOOSE GRAPHS: the graphs offered, the graphs chosen (at most four) and the
// buttons that move them; OK (IDOK) and Cancel (IDCANCEL).
namespace ChooseGraphsControl {
enum : int {
    kOffered = 2501,
    kChosen = 2502,
    kAdd = 2503,
    kRemove = 2504,
    kClear = 2505,
};
}

// TREATMENT LIMITS SUMMARY: the product, the point, and a row per enabled limit
// slot; OK (IDOK) closes it.
namespace LimitsSummaryControl {
enum : int {
    kProduct = 4278,
    kPoint = 4279,
    kList = 4280,
};
}
