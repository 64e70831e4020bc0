// Numeric ids of the dialog templates the program registers and of the
// controls inside them that code addresses.
#pragma once

// The pH-control radio buttons and field that the what-if and the mixing-zone
// settings share, each dialog with its own ids.
struct PhControlIds {
    int acids[4];     // 98% H2SO4, 35% HCl, CO2 (acid chemicals 0 to 2), none
    int alkalies[6];  // lime, soda ash, sodium bicarbonate, caustic soda and potash (0 to 4), none
    int phTarget;
    // By prediction method 0 to 5: theoretical, user defined, Oddo-Tomson,
    // Lawrence-Caldwell, extrapolated, default.
    int predictions[6];
};

namespace DialogId {
enum : int {
    kUnits1280 = 27,      // "ANALYTICAL UNITS SELECTION" for desktops of 1280 x 1025
    kUnits640 = 28,       // ... 640 x 480
    kUnits800 = 29,       // ... 800 x 601
    kCalendar = 72,       // "CALENDAR INPUT"
    kWaterForm1200 = 80,  // the water analysis form for desktops of 1200 x 900
    kWaterForm640 = 81,   // ... 640 x 480
    kWaterForm800 = 82,   // ... 800 x 600
    kWaterForm1440 = 83,  // ... 1440 x 1100
    kWhatIf1200 = 84,     // " Single Water 'What-if' Scenarios" for desktops of 1200 x 900
    kWhatIf640 = 85,      // ... 640 x 480
    kMixZone1200 = 88,    // "Select Mixing Zone Specifications" for desktops of 1200 x 900
    kMixZone640 = 89,     // ... 640 x 480
    kMultiMixLarge = 115,   // "Multi Mix Water Chemistry Input" for desktops above 1000 high
    kMultiMixSmall = 116,   // ... up to 900 high
    kMultiMixMedium = 117,  // ... 901 to 1000 high
    kBrowseWorkFiles = 52,  // "WORK FILE BROWSE & DELETE"
    kDeleteCorFile = 75,    // the raw-data files' browse and delete
    kDeleteInhFile = 76,    // the inhibitor files' browse and delete
};
}  // namespace DialogId

// The units dialog (templates 27 to 29): the buttons; each unit item's scroll
// bar carries the id of the item's field on the water form, and its label the
// id of the form's unit caption where the form has one.
namespace UnitsControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kPpm = 631,
    kMgPerL = 632,
    kEpm = 633,
    kSodium = 634,
    kPotassium = 635,
    kChloride = 636,
    kSulfate = 637,
    kNitrate = 638,
    kEpmAlso = 646,
    kCombination = 659,
    kAsTheIon = 660,
    kAsCaCO3 = 663,
    kFirstFontControl = 589,  // the controls from here to kLastFontControl take the
    kLastFontControl = 665,   // dialog's font
    kOxalateLabel = 495,      // two unit labels below that run take it too
    kPolyphosphateLabel = 503,
};
}  // namespace UnitsControl

// Dialog 72.
namespace CalendarDialogControl {
enum : int {
    kDateText = 934,
    kFirstFieldBar = 935,
    kSecondFieldBar = 936,
    kThirdFieldBar = 937,
    kMonthGrid = 938,
    kOk = 939,
    kCancel = 940,
};
}  // namespace CalendarDialogControl

// The water analysis form (templates 80 to 83): the value edits, the captions
// beside them that name their units, and the buttons.
namespace WaterFormControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kOpenChemFile = 158,
    kSaveChemFile = 159,
    kSampleDate = 391,
    kTime = 392,
    kSampleNumber = 393,
    kSampleId = 394,
    kReportDate = 395,
    kDescription2 = 396,
    kDescription3 = 397,
    kDescription1 = 398,
    kDescription0 = 399,
    kCalcium = 400,
    kMagnesium = 401,
    kBarium = 402,
    kStrontium = 403,
    kSodium = 404,
    kPotassium = 405,
    kLithium = 406,
    kPh = 407,
    kResidenceTime = 408,
    kIron = 410,
    kAmmonia = 411,
    kAluminum = 412,
    kBoron = 413,
    kChloride = 414,
    kSulfate = 415,
    kMAlkalinityLabel = 417,
    kPAlkalinityLabel = 418,
    kMAlkalinity = 419,
    kPAlkalinity = 420,
    kH2S = 421,
    kSilica = 422,
    kPhosphate = 423,
    kPolyphosphate = 424,
    kFluoride = 425,
    kNitrate = 426,
    kTemperature = 427,
    kDensity = 428,
    kPressure = 429,
    kDescription4 = 430,
    kDescription5 = 431,
    kDescription6 = 432,
    kChangeUnits = 433,
    kRecalculate = 434,
    kBrineFlow = 460,
    kC2 = 466,
    kC3 = 467,
    kC4 = 468,
    kC5 = 469,
    kManganese = 470,
    kZinc = 471,
    kBromine = 472,
    kLead = 473,
    kOilFlow = 479,
    kGasFlow = 480,
    kOxalate = 497,
    kSampleDateCalendar = 528,
    kReportDateCalendar = 529,
    kAcidity = 544,
    kCorrosionTarget = 643,
    kAcidityLabel = 819,
    kPh2s = 821,
    kPco2 = 822,
    kCopy = 1278,
    kPaste = 1279,
    kTwoSulfideNote = 1475,
};
}  // namespace WaterFormControl

// The unit captions beside the value edits of the water form.
namespace WaterFormCaption {
enum : int {
    kCalcium = 435,
    kMagnesium = 436,
    kSodium = 439,
    kPotassium = 440,
    kIron = 442,
    kAmmonia = 444,
    kAluminum = 445,
    kBoron = 446,
    kChloride = 447,
    kSulfate = 448,
    kAcidity = 449,
    kMAlkalinity = 450,
    kPAlkalinity = 451,
    kH2S = 452,
    kFluoride = 455,
    kNitrate = 456,
    kTemperature = 457,
    kDensity = 461,
    kPressure = 462,
    kBrineFlow = 463,
    kOilFlow = 464,
    kGasFlow = 465,
    kCorrosionTarget = 478,
    kOxalate = 495,
    kPolyphosphate = 503,
    kBarium = 592,
    kStrontium = 594,
    kLithium = 598,
    kResidenceTime = 601,
    kSilica = 613,
    kPhosphate = 618,
    kPco2 = 625,
    kPh2s = 626,
    kBromine = 650,
    kLead = 651,
    kManganese = 653,
    kZinc = 654,
};
}  // namespace WaterFormCaption

// The single-water what-if settings (templates 84 and 85).
namespace WhatIfControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kForcePhForPressure = 377,
    kPhHigh = 530,
    kPhEval = 531,
    kTemperatureHigh = 532,
    kPhLow = 533,
    kTemperatureLow = 534,
    kTemperatureEval = 535,
    kPressureLow = 536,
    kPressureHigh = 537,
    kPressureEval = 538,
    kPco2Eval = 539,
    kPco2Low = 540,
    kPco2High = 541,
    kSulfuricAcid = 542,
    kHydrochloricAcid = 543,
    kCarbonDioxide = 544,
    kCausticSoda = 545,
    kCausticPotash = 546,
    kSodaAsh = 547,
    kSodiumBicarbonate = 548,
    kLime = 549,
    kPhTarget = 550,
    kDefaultCurve = 551,
    kUserDefined = 552,
    kLawrenceCaldwell = 553,
    kOddoTomson = 554,
    kExtrapolated = 555,
    kTheoretical = 556,
    kNoAcid = 587,
    kNoAlkali = 588,
    kGraph1 = 1263,
    kGraph2 = 1264,
    kGraph3 = 1265,
    kGraph4 = 1266,
    kGraph1Button = 1272,
    kGraph2Button = 1273,
    kGraph3Button = 1274,
    kGraph4Button = 1276,
    kMakeDefault = 1277,
    kUseInputPh = 1500,
    kUseInputTemperature = 1505,
    kCorrectPhForTemperature = 1510,
    kSaturatedSteamLine = 1680,
    kWellLogPt = 1681,
    kTypicalP = 1682,
    kBottomHoleTemperature = 4310,
    kSeparatorTemperature = 4315,
    kFlashedTemperature = 4320,
    kBottomHolePressure = 4325,
    kSeparatorPressure = 4330,
    kFlashedPressure = 4335,
    kDepth = 4336,
    kTemperatureUnit = 4340,
    kPressureUnit = 4345,
};
inline constexpr PhControlIds kPhControls = {
    {kSulfuricAcid, kHydrochloricAcid, kCarbonDioxide, kNoAcid},
    {kLime, kSodaAsh, kSodiumBicarbonate, kCausticSoda, kCausticPotash, kNoAlkali},
    kPhTarget,
    {kTheoretical, kUserDefined, kOddoTomson, kLawrenceCaldwell, kExtrapolated, kDefaultCurve}};
}  // namespace WhatIfControl

// The mixing zone settings (templates 88 and 89).
namespace MixZoneControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kSulfuricAcid = 560,
    kHydrochloricAcid = 561,
    kCarbonDioxide = 562,
    kCausticSoda = 563,
    kCausticPotash = 564,
    kSodaAsh = 565,
    kSodiumBicarbonate = 566,
    kLime = 567,
    kPhTarget = 568,
    kTheoretical = 569,
    kUserDefined = 570,
    kLawrenceCaldwell = 571,
    kExtrapolated = 572,
    kOddoTomson = 573,
    kDefaultCurve = 574,
    kTemperatureLow = 575,
    kTemperatureHigh = 576,
    kPhLow = 578,
    kPhHigh = 579,
    kPco2Low = 580,
    kPco2High = 581,
    kLowPercent = 582,
    kHighPercent = 583,
    kTypicalPercent = 584,
    kPressureLow = 585,
    kPressureHigh = 586,
    kNoAcid = 587,
    kNoAlkali = 588,
    kTemperatureUnit = 4350,
    kPressureUnit = 4351,
    kPco2Unit = 4352,
};
inline constexpr PhControlIds kPhControls = {
    {kSulfuricAcid, kHydrochloricAcid, kCarbonDioxide, kNoAcid},
    {kLime, kSodaAsh, kSodiumBicarbonate, kCausticSoda, kCausticPotash, kNoAlkali},
    kPhTarget,
    {kTheoretical, kUserDefined, kOddoTomson, kLawrenceCaldwell, kExtrapolated, kDefaultCurve}};
}  // namespace MixZoneControl
// The file browse-and-delete dialogs (templates 52, 75 and 76).
namespace BrowseControl {
enum : int {
    kList = 931,
    kPattern = 832,
    kFolder = 833,
    kDate = 644,
    kTime = 392,
    kId = 393,
    kLine1 = 825,
    kLine2 = 827,
    kLine3 = 826,
    kLine4 = 828,
    kSystemType = 829,
    kVersion = 830,
    kLoad = 824,
    kDelete = 823,
    kText1 = 834,
    kText2 = 835,
    kText3 = 836,
    kFileName = 509,
};
}  // namespace BrowseControl

// The multi-mix water input (templates 115 to 117): the controls of its own.
// The value edits, their unit captions, the dates, the descriptions, the acids,
// Copy, Paste and the H2S note carry the water form's ids.
namespace MultiMixControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kChangeUnits = 433,
    kRecalculate = 434,
    kResidenceTime = 482,
    kDisplayResult = 489,
    kWeight = 492,
    kWaterNumber = 519,
    kNextOrAdd = 520,
    kPrevious = 521,
    kGoTo = 522,
    kGoToNumber = 523,
    kWaterCount = 524,
    kActivate = 525,
    kDeactivate = 526,
    kMix = 527,
    kResidenceCaption = 601,
    kPrintResult = 745,
};
}  // namespace MultiMixControl
