// The table of the result pages' commands.
#include "pages/commands/page_command_table.h"

#include "resources/resource_ids.h"
#include "shell/records.h"

namespace {

using C = PageClass;
using R = PrintedReport;
using G = PrintGroup;
namespace A = PageAct;

constexpr uint32_t kMenu11 =
    A::kPrint | A::kPrintAll | A::kCopy | A::kCopyAll | A::kCloseAll | A::kClose;
constexpr uint32_t kRich = A::kRichCopy | A::kRichCopyAll;
constexpr uint32_t kMenu12 = kMenu11 | kRich | A::kAlkalinity | A::kChooseProduct | A::kChangeRange;
constexpr uint32_t kMenu17 = kMenu11 | kRich | A::kRichSave | A::kRichSaveAll | A::kChangeRange;

constexpr C kCycledWaterList[] = {C::kMuValues, C::kMuWater,   C::kCycledValues, C::kPhWater,
                                  C::kPhValues, C::kTempWater, C::kTempValues,   C::kCycledWater};
constexpr C kCycledValuesList[] = {C::kMuValues, C::kMuWater,   C::kCycledWater, C::kPhWater,
                                   C::kPhValues, C::kTempWater, C::kTempValues,  C::kCycledValues};
constexpr C kMuValuesList[] = {C::kMuWater,        C::kCycledValues, C::kCycledWater, C::kPhWater,
                               C::kPhValues,       C::kTempWater,    C::kTempValues,  C::kMuValues,
                               C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kMuWaterList[] = {C::kCycledValues,   C::kCycledWater,  C::kPhWater,  C::kPhValues,
                              C::kTempWater,      C::kTempValues,   C::kMuValues, C::kMuWater,
                              C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kMixedValuesOutList[] = {C::kMuWater,     C::kCycledValues,   C::kCycledWater,
                                     C::kPhWater,     C::kPhValues,       C::kTempWater,
                                     C::kTempValues,  C::kMuValues,       C::kMixedWater,
                                     C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kMixedWaterOutList[] = {C::kCycledValues, C::kCycledWater,    C::kPhWater,
                                    C::kPhValues,     C::kTempWater,      C::kTempValues,
                                    C::kMuValues,     C::kMuWater,        C::kMixedWater,
                                    C::kMixedValues,  C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kMixedWaterList[] = {C::kMuValues,    C::kMuWater,        C::kCycledValues,
                                 C::kPhWater,     C::kPhValues,       C::kTempWater,
                                 C::kTempValues,  C::kCycledWater,    C::kMixedWater,
                                 C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kMixedValuesList[] = {C::kMuValues,    C::kMuWater,        C::kCycledWater,
                                  C::kPhWater,     C::kPhValues,       C::kTempWater,
                                  C::kTempValues,  C::kCycledValues,   C::kMixedWater,
                                  C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kTempWaterList[] = {C::kMuWater,       C::kMuValues,      C::kTempValues,
                                C::kTempWater,     C::kMixedWater,    C::kMixedValues,
                                C::kMixedWaterOut, C::kMixedValuesOut};
constexpr C kPhList[] = {C::kMuValues,   C::kMuWater,     C::kPhValues,       C::kPhWater,
                         C::kMixedWater, C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kPressWaterList[] = {C::kMuValues,       C::kMuWater,      C::kPressValues,
                                 C::kPressWater,     C::kMixedWater,   C::kMixedValues,
                                 C::kMixedValuesOut, C::kMixedWaterOut};
constexpr C kPressValuesList[] = {
    C::kMuValues,    C::kMuWater,    C::kPhValues,    C::kPhWater,        C::kPressWater,
    C::kPressValues, C::kMixedWater, C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut};

#define TARVEX_LIST(list) list, static_cast<int>(sizeof list / sizeof list[0])

// page, acts, copy, copy all, single job, print, argument, recompute, on printer, group, close all
const PageCommands kTable[kPageClassCount] = {
    {C::kMuWater,
     kMenu11 | kRich | A::kExcel,
     {},
     {},
     2,
     R::kChemistry,
     0,
     true,
     false,
     G::kOneWater,
     TARVEX_LIST(kMuWaterList)},
    {C::kMuValues,
     kMenu11 | kRich | A::kExcel,
     {},
     {},
     1,
     R::kIndicators,
     0,
     true,
     false,
     G::kOneWater,
     TARVEX_LIST(kMuValuesList)},
    {C::kTempWater,
     kMenu12,
     {5, "t 101"},
     {10, "t 102"},
     1,
     R::kWhatIfChemistry,
     0,
     false,
     false,
     G::kPh,
     TARVEX_LIST(kTempWaterList)},
    {C::kTempValues,
     kMenu17 | A::kChooseProduct,
     {6, "t2 101"},
     {10, "t2 102"},
     1,
     R::kWhatIfIndicators,
     0,
     false,
     false,
     G::kPh,
     TARVEX_LIST(kTempWaterList)},
    {C::kPhWater,
     kMenu12,
     {3, "ph 101"},
     {10, "ph 102"},
     1,
     R::kWhatIfChemistry,
     1,
     false,
     false,
     G::kPh,
     TARVEX_LIST(kPhList)},
    {C::kPhValues,
     kMenu17,
     {4, "ph2 101"},
     {10, "ph2 102"},
     1,
     R::kWhatIfIndicators,
     1,
     false,
     false,
     G::kPh,
     TARVEX_LIST(kPhList)},
    {C::kCycledWater,
     kMenu12,
     {7, "cyc 101"},
     {20, "cyc 102"},
     1,
     R::kRatioChemistry,
     0,
     false,
     true,
     G::kWaterflood,
     TARVEX_LIST(kCycledWaterList)},
    {C::kCycledValues,
     kMenu17,
     {8, "cyc2 101"},
     {20, "cyc2 102"},
     1,
     R::kRatioIndicators,
     0,
     false,
     false,
     G::kWaterflood,
     TARVEX_LIST(kCycledValuesList)},
    {C::kMixedWater,
     kMenu11 | kRich | A::kExcel,
     {31, "mixp 101"},
     {30, "mixp 102"},
     1,
     R::kMixChemistryTable,
     0,
     false,
     true,
     G::kSources,
     TARVEX_LIST(kMixedWaterList)},
    {C::kMixedValues,
     kMenu11 | kRich | A::kExcel,
     {32, "mixp2 101"},
     {30, "mixp2 102"},
     1,
     R::kMixIndicatorsTable,
     0,
     false,
     true,
     G::kSources,
     TARVEX_LIST(kMixedValuesList)},
    {C::kMixedWaterOut,
     kMenu11 | kRich | A::kExcel,
     {33, "mixw 101"},
     {30, "mixw 102"},
     2,
     R::kChemistry,
     4,
     true,
     false,
     G::kBlend,
     TARVEX_LIST(kMixedWaterOutList)},
    {C::kMixedValuesOut,
     kMenu11 | kRich | A::kExcel,
     {34, "mixs 101"},
     {30, "mixs 102"},
     1,
     R::kIndicators,
     4,
     true,
     false,
     G::kBlend,
     TARVEX_LIST(kMixedValuesOutList)},
    {C::kPressWater,
     kMenu12,
     {35, "pr 101"},
     {10, "pr 102"},
     1,
     R::kWhatIfChemistry,
     3,
     false,
     false,
     G::kPressure,
     TARVEX_LIST(kPressWaterList)},
    {C::kPressValues,
     kMenu17,
     {36, "pr2 101"},
     {10, "pr2 102"},
     1,
     R::kWhatIfIndicators,
     3,
     false,
     false,
     G::kPressure,
     TARVEX_LIST(kPressValuesList)},
};

#undef TARVEX_LIST

// The one-water pages' kinds by the water shown: surface, injection,
// formation, blend, source water.
int WaterSlot(int water) {
    switch (water) {
        case WaterSelector::kInjection:
            return 1;
        case WaterSelector::kFormation:
            return 2;
        case WaterSelector::kMixed:
            return 3;
        case WaterSelector::kMultiMixSource:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

uint32_t PageActOf(unsigned id) {
    switch (id) {
        case PageCommand::kPrint:
            return A::kPrint;
        case PageCommand::kPrintAll:
            return A::kPrintAll;
        case PageCommand::kCopy:
            return A::kCopy;
        case PageCommand::kCopyAll:
            return A::kCopyAll;
        case PageCommand::kRichTextCopy:
            return A::kRichCopy;
        case PageCommand::kRichTextCopyAll:
        case PageCommand::kCopyAllAsRichText:
            return A::kRichCopyAll;
        case PageCommand::kSaveToRichText:
            return A::kRichSave;
        case PageCommand::kSaveAllToRichText:
            return A::kRichSaveAll;
        case PageCommand::kCopyForExcel:
            return A::kExcel;
        case PageCommand::kCloseAll:
            return A::kCloseAll;
        case PageCommand::kClose:
            return A::kClose;
        case PageCommand::kAlkalinityPm:
        case PageCommand::kAlkalinitySpecies:
            return A::kAlkalinity;
        case PageCommand::kChooseProduct:
            return A::kChooseProduct;
        case PageCommand::kChangeRange:
            return A::kChangeRange;
        default:
            return 0;
    }
}

const PageCommands& CommandsOf(PageClass page) {
    return kTable[PageIndex(page)];
}

CopyKind CopyKindOf(PageClass page, CopyCommand command, int shownWater) {
    static const int32_t kChemistry[] = {1, 11, 21, 33, 33};
    static const int32_t kIndicators[] = {2, 12, 22, 34, 34};
    static const int32_t kAll[] = {10, 20, 20, 30, 30};
    static const char* const kMupCopy[] = {"mup 101", "mup 101", "mup 101", "mup 102", "mup 103"};
    static const char* const kMupRich[] = {"mup 106", "mup 106", "mup 106", "mup 107", "mup 108"};
    const int w = WaterSlot(shownWater);
    const bool all = command == CopyCommand::kCopyAll || command == CopyCommand::kRichCopyAll;
    if (page == PageClass::kMuWater) {
        switch (command) {
            case CopyCommand::kCopy:
                return {kChemistry[w], kMupCopy[w]};
            case CopyCommand::kRichCopy:
                return {kChemistry[w], kMupRich[w]};
            case CopyCommand::kCopyAll:
                return {kAll[w], "mup 105"};
            case CopyCommand::kRichCopyAll:
                return {kAll[w], "mup 110"};
        }
    }
    if (page == PageClass::kMuValues) {
        if (all) return {kAll[w], "dis 103"};
        return {kIndicators[w], command == CopyCommand::kCopy ? "dis 102" : "dis 103"};
    }
    return all ? CommandsOf(page).copyAll : CommandsOf(page).copy;
}

int PrintedWaterKind(int water) {
    switch (water) {
        case WaterSelector::kInjection:
        case WaterSelector::kFormation:
        case WaterSelector::kMultiMixSource:
            return water;
        case WaterSelector::kMixed:
            return 4;
        default:
            return 0;
    }
}
