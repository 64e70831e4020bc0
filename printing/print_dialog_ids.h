// Template and control ids of the printing dialogs: the cancel dialog of a
// print job and the three print option dialogs of the main menu.
#pragma once

namespace PrintDialogId {
enum : int {
    kCancelPrinting = 38,  // "Push to Cancel Printing", modeless during a job
    kIndexFormat = 73,     // "Choose Ratio or Index"
    kPrintMode = 78,       // "Choose Print Mode"
    kChemFormat = 161,     // "Choose Chemical Format"
};
}

namespace PrintDialogControl {
enum : int {
    kRatio = 302,        // 73: " Ratio  (IAP/Ksp) "
    kIndex = 303,        // 73: "Index Log10(IAP/Ksp)"
    kMineralName = 389,  // 161: "Mineral Name (Calcite)"
    kFormula = 390,      // 161: "Chemical Formula (CaCO3)"
    kDirect = 982,       // 78: "Print Directly to Printer"
    kIndirect = 983,     // 78: "Indirect Printing"
};
}
