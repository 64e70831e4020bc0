// Menu 9, the menu bar of the main window: FILES, INPUT, WHAT-IF, REPORTS,
// FORMULARY, PREFERENCES and HELP. Items with id 65535 or 1035 are group
// headings that cannot be chosen; leading blanks indent the items under a heading.
#include "platform/window/menu.h"
#include "resources/program_resources.h"

namespace {

using win::MenuTemplateItem;

MenuTemplateItem Item(unsigned id, const char* text) {
    return MenuTemplateItem{text, id, 0, {}};
}
// A heading stands in black but cannot be chosen: the keyboard's highlight
// passes over it.
MenuTemplateItem Heading(unsigned id, const char* text) {
    return MenuTemplateItem{text, id, win::MF_DISABLED, {}};
}
MenuTemplateItem Separator() {
    return MenuTemplateItem{"", 0, win::MF_SEPARATOR, {}};
}
MenuTemplateItem Popup(const char* text, std::vector<MenuTemplateItem> items) {
    return MenuTemplateItem{text, 0, win::MF_POPUP, std::move(items)};
}

std::vector<MenuTemplateItem> MainMenuItems() {
    using namespace MenuCommand;
    return {
        Popup("&FILES",
              {Item(kNew, "&New"), Item(kOpenFile, "&Open File"), Item(kSaveFile, "&Save File"),
               Item(kSaveFileAs, "Save File &As"), Item(kPrinterSetup, "&Printer Setup"),
               Item(kWhatsStored, "What's &Stored"), Item(kAbout, "About &Tarvex"),
               Item(kQuit, "&QUIT")}),
        Popup("&INPUT",
              {Heading(kHeading, "SURFACE"), Item(kSourceWaterAnalysis, " &Source Water Analysis"),
               Separator(), Heading(kHeadingGroup, "WATERFLOOD"),
               Item(kInjectionWaterAnalysis, " &Injection Water Analysis"),
               Item(kFormationWaterAnalysis, " &Formation Water Analysis"), Separator(),
               Heading(kHeadingGroup, "MULTI-MIX"), Item(kMultiMixWaterAnalysis, " &Water Analysis"),
               Separator(), Item(kInputPhCurve, " &Input pH Curve")}),
        Popup("&WHAT-IF", {Heading(kHeading, "SURFACE"),
                           Item(kOnePageSummary, " &One Page Summary"),
                           Item(kWellLogTable, " &Well Log Table"),
                           Item(kWellLogGraph, " Well &Log Graph"),
                           Item(kVaryTemperature, " Vary &Temperature"),
                           Item(kGraphVsTemperature, " G&raph vs Temperature"),
                           Item(kVaryPh, " Vary &pH"),
                           Item(kGraphVsPh, " Gr&aph vs pH"),
                           Item(kVaryPressure, " Vary &Pressure"),
                           Item(kGraphVsPressure, " Gr&aph vs Pressure"),
                           Item(kThreeDProfile, " 3D &Profile"),
                           Item(kThreeDPressureTemperature, " 3D &Pressure-Temperature"),
                           Item(kSelectParameters, " &Select Parameters"),
                           Separator(),
                           Heading(kHeading, "WATERFLOOD"),
                           Item(kMix, " &Mix"),
                           Item(kTwoDGraphVsPercent, " &2D Graph vs %"),
                           Item(kThreeDTemperaturePh, " 3D T&emperature-pH"),
                           Item(kThreeDTemperaturePercent, " 3&D Temperature-%"),
                           Item(kThreeDPhPercent, " 3D p&H-%"),
                           Item(kSelectInjectionParameters, " &Select Injection Parameters"),
                           Separator(),
                           Heading(kHeadingGroup, "MULTI-MIX"),
                           Item(kMultiMixMix, " &Mix")}),
        Popup("&REPORTS",
              {Item(kPrintSurface, "Print &Surface"),
               Item(kPrintOnePageSummary, "Print &One Page Summary"),
               Item(kPrintSurfaceTemperatureProfile, "Print Surface &Temperature Profile"),
               Item(kPrintSurfacePhProfile, "Print Surface p&H Profile"),
               Item(kPrintInjection, "Print &Injection"), Item(kPrintFormation, "Print &Formation"),
               Item(kPrintProduced, "Print Pro&duced"),
               Item(kPrintAllAvailable, "Print &All Available")}),
        Popup("F&ORMULARY",
              {Heading(kHeading, "PRODUCT INPUT"), Item(kSelectProduct, " &Select Product")}),
        Popup("&PREFERENCES",
              {Item(kChooseGraphs, "Choose &Graphs"), Item(kInputUnits, "Input &Units"),
               Item(kPrintMode, "&Print Mode"), Item(kThreeDGraphTypes, "&3D Graph Types"),
               Item(kCarbonateCalcs, "&CO3 Calc's"), Item(kPlotPhOrPco2, "Plot p&H or pCO2"),
               Item(kMineralNameOrFormula, "&Mineral Name/Chemical Formula"),
               Item(kConstantValues, "Constant &Values"),
               Item(kMomentaryExcess, "Momentary &Excess"), Item(kIndexOrRatio, "&Index or Ratio"),
               Separator(), Heading(kHeading, "DISPLAY/PRINT OPTIONS"),
               Item(kOutputSizeOnScreen, "&Output Size on Screen"),
               Item(kSurfaceWindowsToDisplay, "&Surface Water Windows to Display"),
               Item(kMixedWindowsToDisplay, "Mi&xed Water Windows to Display"),
               Item(kChooseIonsToPrint, "Choose Io&ns To Print"),
               Item(kChooseScalesToPrint, "Choose Sc&ales To Print")}),
        Popup("&HELP", {Item(kTechnicalManual, "Technical &Manual"), Item(kOrdering, "&Ordering")}),
    };
}

}  // namespace

void RegisterMainMenu() {
    win::RegisterMenuTemplate(kMainMenuId, MainMenuItems());
}
