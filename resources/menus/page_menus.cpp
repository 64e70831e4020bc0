// Menus 11, 12 and 17, the class menus of the result pages, and menu 1255 of
// the one-page summary window. "OPTIONS" is the
// first pop-up of each; menu 12 adds the product choice and the range change
// of the chemistry profile pages, menu 17 the range change of the indicator
// profile pages.
#include "platform/window/menu.h"
#include "resources/program_resources.h"

namespace {

using win::MenuTemplateItem;

MenuTemplateItem Item(unsigned id, const char* text) {
    return MenuTemplateItem{text, id, 0, {}};
}
MenuTemplateItem Popup(const char* text, std::vector<MenuTemplateItem> items) {
    return MenuTemplateItem{text, 0, win::MF_POPUP, std::move(items)};
}

std::vector<MenuTemplateItem> Menu11() {
    using namespace PageCommand;
    return {Popup(
        "&OPTIONS",
        {Item(kPrint, "&PRINT"), Item(kPrintAll, "P&RINT ALL WINDOWS"), Item(kCopy, "&COPY"),
         Item(kCopyAll, "COPY &ALL"), Item(kRichTextCopy, "&RICH TEXT COPY"),
         Item(kRichTextCopyAll, "RICH TEXT COPY &ALL"), Item(kCopyForExcel, "COPY FOR &EXCEL"),
         Item(kCloseAll, "C&LOSE ALL PAGES"), Item(kClose, "CL&OSE")})};
}

std::vector<MenuTemplateItem> Menu12() {
    using namespace PageCommand;
    return {Popup("&OPTIONS", {Item(kPrint, "&PRINT"), Item(kPrintAll, "P&RINT ALL WINDOWS"),
                              Item(kAlkalinityPm, "&DISPLAY ALKALINITY AS P and M"),
                              Item(kAlkalinitySpecies, "DISPLAY ALKALINITY AS HCO3 and &CO3"),
                              Item(kCopy, "&COPY"), Item(kCopyAll, "COPY &ALL"),
                              Item(kRichTextCopy, "&RICH TEXT COPY"),
                              Item(kRichTextCopyAll, "RICH TEXT COPY &ALL"),
                              Item(kCloseAll, "C&LOSE ALL PAGES"), Item(kClose, "CL&OSE")}),
            Popup("&NEW TREATMENT", {Item(kChooseProduct, " C&hoose Product")}),
            Popup("&CHANGE RANGE", {Item(kChangeRange, " Change Range")})};
}

std::vector<MenuTemplateItem> Menu17() {
    using namespace PageCommand;
    return {Popup("&OPTIONS", {Item(kPrint, "&PRINT"), Item(kPrintAll, "P&RINT ALL WINDOWS"),
                              Item(kCopy, "&COPY"), Item(kCopyAll, "COPY &ALL"),
                              Item(kRichTextCopy, "COPY AS RICH TEXT"),
                              Item(kCopyAllAsRichText, "COPY ALL AS RICH TEXT"),
                              Item(kSaveToRichText, "SAVE TO RICH TEXT FILE"),
                              Item(kSaveAllToRichText, "SAVE ALL TO RICH TEXT"),
                              Item(kCloseAll, "C&LOSE ALL PAGES"), Item(kClose, "CL&OSE")}),
            Popup("&CHANGE RANGE", {Item(kChangeRange, " Change Range")})};
}

// The one-page summary window: OPTIONS, the product, the range, and the four
// page graphs as bar items.
std::vector<MenuTemplateItem> Menu1255() {
    using namespace PageCommand;
    return {Popup("&OPTIONS",
                  {Item(kOnePageColourCoding, "&TREATED COLOR CODING\t(Currently Untreated)"),
                   Item(kPrint, "&PRINT"), Item(kCopy, "COPY"), Item(kExportCsv, "EXPORT TO CSV"),
                   Item(kCloseAll, "C&LOSE ALL PAGES"), Item(kClose, "CL&OSE")}),
            Popup("&NEW TREATMENT", {Item(kChooseProduct, " C&hoose Product")}),
            Popup("&CHANGE RANGE", {Item(kChangeRange, " Change Range")}),
            Item(kPageGraph1, "GRAPH 1"),
            Item(kPageGraph1 + 1, "GRAPH 2"),
            Item(kPageGraph1 + 2, "GRAPH 3"),
            Item(kPageGraph1 + 3, "GRAPH 4")};
}

}  // namespace

void RegisterPageMenus() {
    win::RegisterMenuTemplate(kPageMenuOneSummary, Menu1255());
    win::RegisterMenuTemplate(kPageMenuOneWater, Menu11());
    win::RegisterMenuTemplate(kPageMenuProfileChemistry, Menu12());
    win::RegisterMenuTemplate(kPageMenuProfileIndicators, Menu17());
}
