// Numeric ids of the program's resources: the main menu and its commands, the
// string table entries that name the window classes, and the background
// pictures of the main window.
#pragma once

// The menu of the main window's class.
constexpr int kMainMenuId = 9;

// Commands of the main menu (the WM_COMMAND ids it sends).
namespace MenuCommand {
enum : unsigned {
    kAbout = 10,
    kMultiMixWaterAnalysis = 113,
    kMultiMixMix = 114,
    kTechnicalManual = 172,
    kOrdering = 173,
    kSurfaceWindowsToDisplay = 211,
    kMixedWindowsToDisplay = 212,
    kChooseIonsToPrint = 214,
    kChooseScalesToPrint = 215,
    kVaryPressure = 228,
    kGraphVsPressure = 229,
    kThreeDPressureTemperature = 230,
    kOutputSizeOnScreen = 1008,
    kNew = 1019,
    kOpenFile = 1020,
    kSaveFile = 1021,
    kSaveFileAs = 1022,
    kPrinterSetup = 1026,
    kWhatsStored = 1027,
    kQuit = 1028,
    kSourceWaterAnalysis = 1030,
    kInjectionWaterAnalysis = 1031,
    kFormationWaterAnalysis = 1032,
    kInputPhCurve = 1033,
    kHeadingGroup = 1035,
    kVaryTemperature = 1036,
    kGraphVsTemperature = 1037,
    kVaryPh = 1038,
    kGraphVsPh = 1039,
    kThreeDProfile = 1040,
    kSelectParameters = 1041,
    kMix = 1042,
    kTwoDGraphVsPercent = 1043,
    kThreeDTemperaturePh = 1044,
    kThreeDTemperaturePercent = 1045,
    kThreeDPhPercent = 1046,
    kSelectInjectionParameters = 1047,
    kPrintSurface = 1048,
    kPrintSurfaceTemperatureProfile = 1049,
    kPrintSurfacePhProfile = 1050,
    kPrintInjection = 1051,
    kPrintFormation = 1052,
    kPrintProduced = 1053,
    kPrintAllAvailable = 1054,
    kSelectProduct = 1056,
    kChooseGraphs = 1064,
    kInputUnits = 1065,
    kPrintMode = 1066,
    kThreeDGraphTypes = 1067,
    kCarbonateCalcs = 1069,
    kConstantValues = 1070,
    kMomentaryExcess = 1071,
    kPlotPhOrPco2 = 1076,
    kMineralNameOrFormula = 1077,
    kIndexOrRatio = 1078,
    kOnePageSummary = 1248,
    kWellLogTable = 1250,
    kWellLogGraph = 1251,
    kWellLogSummaryGraph = 1252,  // sent by the well-log views; no item carries it
    kPrintOnePageSummary = 4285,
    kHeading = 65535,
};
}  // namespace MenuCommand

// The class menus of the result pages.
constexpr int kPageMenuOneWater = 11;           // one-water, blend and source-water pages
constexpr int kPageMenuProfileChemistry = 12;   // chemistry versus a profile or the mixing ratio
constexpr int kPageMenuProfileIndicators = 17;  // indicators versus a profile or the mixing ratio
constexpr int kPageMenuOneSummary = 1255;       // the one-page summary window

// The class menus of the graph windows.
constexpr int kGraphMenuThreeD = 13;  // the 3D graph window
constexpr int kGraphMenuTwoD = 14;    // the 2D graph window
constexpr int kGraphMenuAlk = 15;     // the pH-alkalinity graph window

// Commands of the page menus.
namespace PageCommand {
enum : unsigned {
    kRichTextCopy = 750,
    kRichTextCopyAll = 751,
    kCopyAllAsRichText = 752,
    kSaveAllToRichText = 753,
    kSaveToRichText = 754,
    kCopyForExcel = 755,
    kCopy = 985,
    kCopyAll = 994,
    kChooseProduct = 997,
    kChangeRange = 999,
    kPrint = 1013,
    kPrintAll = 1018,
    kClose = 1028,
    kAlkalinityPm = 1072,
    kAlkalinitySpecies = 1073,
    kCloseAll = 1074,
    kOnePageColourCoding = 990,  // the one-page summary window's own
    kPageGraph1 = 1257,          // GRAPH 1 to GRAPH 4: 1257 to 1260
    kExportCsv = 1655,
};
}  // namespace PageCommand

// String table: the window class names and the main window's title.
namespace StringId {
enum : unsigned {
    kMainClass = 1083,
    kMainTitle = 1084,
    kMuValuesClass = 1085,
    kMuWaterClass = 1086,
    kCycledValuesClass = 1087,
    kPhValuesClass = 1088,
    kTempValuesClass = 1089,
    kCycledWaterClass = 1090,
    kPhWaterClass = 1091,
    kTempWaterClass = 1092,
    kGraphClass = 1093,
    kTwoDGraphClass = 1094,
    kAlkGraphClass = 1095,
    kHelpClass = 1096,
    kProgressClass = 1097,
    kMixedWaterClass = 1100,
    kMixedValuesClass = 1101,
    kWellLogSummaryGraphClass = 1103,
    kMixedWaterOutClass = 1110,
    kMixedValuesOutClass = 1111,
    kPressWaterClass = 1112,
    kPressValuesClass = 1113,
    kOnePageClass = 1114,
    kWellLogOnePageClass = 1115,
    kPrecipClass = 1117,
};
}  // namespace StringId

// Background pictures of the main window, by the desktop they suit.
namespace PictureId {
enum : int {
    k640x480 = 100,
    k800x600 = 101,
    k1023x768 = 102,
    k1280x800 = 103,
    k1280x1023 = 104,
    k1600x1200 = 105,
    k1680x1050 = 106,
    k1920x1200 = 107,
};
}  // namespace PictureId

// The four list choosers: their dialog templates and list boxes.
namespace DialogId {
enum : int {
    kMineralGraphChooser = 63,
    kDosageGraphChooser = 64,
    kAxisTransformChooser = 65,
    kSatLevelChooser = 66,
};
}  // namespace DialogId
namespace ChooserList {
enum : int {
    kMineralGraph = 385,
    kAxisTransform = 386,
    kDosageGraph = 387,
    kSatLevel = 388,
};
}  // namespace ChooserList
