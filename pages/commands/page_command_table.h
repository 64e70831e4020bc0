// What each result page does with the commands of its class menu: which ids
// it acts on, the report kinds and failure references of its copies, what
// PRINT prints, the group PRINT ALL WINDOWS prints, and the pages CLOSE ALL
// PAGES closes. An id a page does not act on does nothing.
#pragma once

#include <cstdint>

#include "pages/commands/page_printers.h"
#include "pages/frame/page_classes.h"

namespace PageAct {
enum : uint32_t {
    kPrint = 1u << 0,           // 1013
    kPrintAll = 1u << 1,        // 1018
    kCopy = 1u << 2,            // 985
    kCopyAll = 1u << 3,         // 994
    kRichCopy = 1u << 4,        // 750
    kRichCopyAll = 1u << 5,     // 751
    kExcel = 1u << 6,           // 755
    kCloseAll = 1u << 7,        // 1074
    kClose = 1u << 8,           // 1028
    kAlkalinity = 1u << 9,      // 1072, 1073
    kChooseProduct = 1u << 10,  // 997
    kChangeRange = 1u << 11,    // 999
    kRichSave = 1u << 12,       // 754
    kRichSaveAll = 1u << 13,    // 753
};
}

// The command bit of a menu id; 0 for an id no page acts on.
[[nodiscard]] uint32_t PageActOf(unsigned commandId);

// A copy's report kind and the reference its clipboard failure names.
struct CopyKind {
    int32_t kind;
    const char*
        reference;  // "Windows clipboard not available. Contact Tech Support ref. pt " + it + "."
};

enum class PrintGroup { kOneWater, kPh, kPressure, kWaterflood, kBlend, kSources };

struct PageCommands {
    PageClass page;
    uint32_t acts;
    CopyKind copy;  // the pages other than "DisplayMUWater" and "DisplayMUValues"
    CopyKind copyAll;
    uint32_t singlePageJob;     // PRINT's job part
    PrintedReport print;        // what PRINT prints
    int printArgument;          // the profile kind; the one-water pages use their water
    bool printRecomputes;       // the one-water and blend pages
    bool printOnPrinter;        // renderTarget 1 during PRINT
    PrintGroup group;           // PRINT ALL WINDOWS
    const PageClass* closeAll;  // CLOSE ALL PAGES, in order
    int closeAllCount;
};

[[nodiscard]] const PageCommands& CommandsOf(PageClass page);

// The copies of the one-water pages by the water shown (an engine selector);
// the other pages' copies are their table entries.
enum class CopyCommand { kCopy, kCopyAll, kRichCopy, kRichCopyAll };
[[nodiscard]] CopyKind CopyKindOf(PageClass page, CopyCommand command, int shownWater);

// The printed reports' water kind of an engine water selector (the blend 4).
[[nodiscard]] int PrintedWaterKind(int water);
