// The class menus of the graph windows: 13 of the 3D graph, 14 of the 2D
// graph; each OUTPUT, PROPERTIES, CHOOSE GRAPH, NEW TREATMENT and CHANGE RANGE.
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

MenuTemplateItem Separator() {
    return MenuTemplateItem{"", 0, win::MF_SEPARATOR, {}};
}

std::vector<MenuTemplateItem> Menu13() {
    return {Popup("&OUTPUT", {Item(1013, "&PRINT"), Item(985, "&COPY"), Item(995, "&EXPORT IMAGE"),
                              Item(996, "&EXPORT DATA"), Item(1028, "&CLOSE")}),
            Popup("&PROPERTIES",
                  {Item(989, " &DISPLAY LABELS \t(Currently Hidden)"),
                   Item(998, " &CHEMICAL FORMULA TITLES\t(Currently Mineral e.g. Calcite)"),
                   Item(990, " &TREATED COLOR CODING  \t(Currently Untreated)"),
                   Item(991, " &CONTOUR GRAPH \t(Currently 3D Bar Graph)"),
                   Item(1011, " DISPLAY GRAY SCALE  \t(Currently Color)"),
                   Item(1009, " EXPORT GRAY SCALE IMAGES \t(Currently Color)"),
                   Item(1010, " PRINT GRAY SCALE  \t(Currently Color)"),
                   Item(993, " BLACK BACKGROUND \t(Currently White)"), Separator(),
                   Item(169, " Reverse pH Axis"), Item(170, " Reverse Temperature Axis"),
                   Item(171, " Reverse Both Axis")}),
            Popup("&CHOOSE GRAPH", {Item(1064, "Choose &Graphs")}),
            Popup("&NEW TREATMENT", {Item(997, "C&hoose Product")}),
            Popup("&CHANGE RANGE", {Item(999, " Change Range")})};
}

std::vector<MenuTemplateItem> Menu14() {
    return {Popup("&OUTPUT", {Item(1013, "&PRINT"), Item(985, "&COPY"), Item(995, "&EXPORT IMAGE"),
                              Item(1028, "&CLOSE")}),
            Popup("&PROPERTIES",
                  {Item(998, " &CHEMICAL FORMULA TITLES\t(Currently Mineral e.g. Calcite)"),
                   Item(990, " &TREATED COLOR CODING  \t(Currently Untreated)"),
                   Item(1011, " DISPLAY GRAY SCALE  \t(Currently Color)"),
                   Item(1009, " EXPORT GRAY SCALE IMAGES \t(Currently Color)"),
                   Item(1010, " PRINT GRAY SCALE  \t(Currently Color)"),
                   Item(1012, " USE SOLID PATTERNS\t(Currently &Hatch Patterns)")}),
            Popup("&CHOOSE GRAPH", {Item(1064, "Choose &Graphs")}),
            Popup("&NEW TREATMENT", {Item(997, "C&hoose Product")}),
            Popup("&CHANGE RANGE", {Item(999, " Change Range")})};
}

}  // namespace

void RegisterGraphMenus() {
    win::RegisterMenuTemplate(kGraphMenuThreeD, Menu13());
    win::RegisterMenuTemplate(kGraphMenuTwoD, Menu14());
}
