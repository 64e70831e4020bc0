// The string table: the names of the window classes and the main window's title,
// loaded one by one just before each class is registered.
#include "platform/system/system.h"
#include "resources/program_resources.h"

const std::vector<StringResource>& StringTable() {
    static const std::vector<StringResource> table = {
        {StringId::kMainClass, "TarvexMainClass"},
        {StringId::kMainTitle, "Tarvex"},
        {StringId::kMuValuesClass, "DisplayMUValues"},
        {StringId::kMuWaterClass, "DisplayMUWater"},
        {StringId::kCycledValuesClass, "DisplayCycledValues"},
        {StringId::kPhValuesClass, "DisplaypHValues"},
        {StringId::kTempValuesClass, "DisplayTempValues"},
        {StringId::kCycledWaterClass, "DisplayCycledWater"},
        {StringId::kPhWaterClass, "DisplaypHWater"},
        {StringId::kTempWaterClass, "DisplayTempWater"},
        {StringId::kGraphClass, "wcGraphWindow"},
        {StringId::kTwoDGraphClass, "wc2DGraphWindow"},
        {StringId::kAlkGraphClass, "AlkGraphWindow"},
        {StringId::kHelpClass, "HELP"},
        {StringId::kProgressClass, "ProgressBar"},
        {StringId::kMixedWaterClass, "DisplayMixedWater"},
        {StringId::kMixedValuesClass, "DisplayMixedValues"},
        {StringId::kWellLogSummaryGraphClass, "WellLogSummaryGraphWindow"},
        {StringId::kMixedWaterOutClass, "DisplayMixedWaterOut"},
        {StringId::kMixedValuesOutClass, "DisplayMixedValuesOut"},
        {StringId::kPressWaterClass, "DisplayPressWater"},
        {StringId::kPressValuesClass, "DisplayPressValues"},
        {StringId::kOnePageClass, "DisOnePage"},
        {StringId::kWellLogOnePageClass, "WellLogDisOnePage"},
        {StringId::kPrecipClass, "Precip"},
    };
    return table;
}

void RegisterStringTable() {
    for (const StringResource& s : StringTable()) win::SetResourceString(s.id, s.text);
}

void RegisterProgramResources() {
    RegisterStringTable();
    RegisterMainMenu();
    RegisterPageMenus();
    RegisterGraphMenus();
    RegisterAlkGraphMenu();
    RegisterBackgroundPictures();
    RegisterProgramIcon();
    RegisterTreatmentDialogs();
    RegisterChooserDialogs();
    RegisterPrintDialogs();
    RegisterReportPictures();
    RegisterCalendarDialog();
    RegisterSelectionDialogTemplates();
    RegisterAboutResources();
    RegisterWaterFormTemplates();
    RegisterUnitsDialogTemplates();
    RegisterWhatIfDialogTemplates();
    RegisterMixZoneDialogTemplates();
    RegisterRangeDialogTemplates();
    RegisterPhCurveDialogTemplates();
    RegisterMultiMixDialogTemplates();
    RegisterBrowseDialogTemplates();
}
