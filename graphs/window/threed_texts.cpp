// The 3D graph window's menu texts and the texts of its cell clicks.
#include <cstdio>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/threed_window.h"
#include "input/records.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "reporttext/format/format_value.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

using namespace ThreeDGraphCommand;

int16_t Kind() {
    return static_cast<int16_t>(whatIfResults.grid.gridKind);
}

const char* PhOrPco2Axis() {
    return whatIfOptions.varyPco2 != 0 ? " Reverse pCO2 Axis" : " Reverse pH Axis";
}

std::string Number(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

}  // namespace

void SetThreeDPaintTexts(win::HWND hwnd) {
    const GraphOutputFlags& f = graphOutputFlags;
    SetGraphMenuItem(hwnd, kLabels,
                     showGraphLabels != 0 ? " &HIDE LABELS\t(Currently Displayed)"
                                          : " &DISPLAY LABELS\t(Currently Hidden)");
    SetGraphMenuItem(hwnd, kTreatedColours,
                     f.treatedColorCoding != 0 ? " &UNTREATED COLOR CODING\t(Currently Treated)"
                                               : " &TREATED COLOR CODING\t(Currently Untreated)");
    SetGraphMenuItem(hwnd, kPlotStyle,
                     displaySettings.threeDPlotStyle == 2 ? " &BAR GRAPH\t(Currently 3D Contour)"
                                                          : " &CONTOUR GRAPH\t(Currently 3D Bar)");
    SetGraphMenuItem(hwnd, kBackground,
                     whiteBackground != 0 ? " &BLACK BACKGROUND \t(Currently White)"
                                          : " &WHITE BACKGROUND \t(Currently Black)");
}

void SetThreeDReverseTexts(win::HWND hwnd) {
    const char* rows = nullptr;
    const char* columns = nullptr;
    switch (Kind()) {
        case -1:
        case 0:
            rows = gridSource > 1 ? " Reverse Pressure Axis" : PhOrPco2Axis();
            columns = " Reverse Temperature Axis";
            break;
        case 1:
            rows = " Reverse % Axis";
            columns = " Reverse Temperature Axis";
            break;
        case 2:
            rows = PhOrPco2Axis();
            columns = " Reverse % Axis";
            break;
        case 3:
            rows = " Reverse Pressure Axis";
            columns = " Reverse Temperature Axis";
            break;
        default:
            return;
    }
    SetGraphMenuItem(hwnd, kReverseRows, rows);
    SetGraphMenuItem(hwnd, kReverseColumns, columns);
}

void SetThreeDMenuTexts(win::HWND hwnd) {
    const GraphOutputFlags& f = graphOutputFlags;
    SetThreeDReverseTexts(hwnd);
    SetThreeDPaintTexts(hwnd);
    SetGraphMenuItem(hwnd, kFormulaTitles,
                     displaySettings.mineralTitles == 0
                         ? " &CHEMICAL FORMULA TITLES\t(Currently Mineral e.g. Calcite)"
                         : " &MINERAL NAME TITLES\t(Currently Formula e.g. CaCO_3)");
    SetGraphMenuItem(hwnd, kExportGrey,
                     f.exportColor == 1 ? " EXPORT GRAY SCALE IMAGES\t(Currently Color)"
                                        : " EXPORT COLOR IMAGES\t(Currently Gray Scale)");
    if (f.printColorAvailable != 1)
        SetGraphMenuItem(hwnd, kPrintGrey, " PRINT GRAY SCALE\t(Currently Gray Scale)", true);
    else
        SetGraphMenuItem(hwnd, kPrintGrey,
                         f.printColor == 1 ? " PRINT GRAY SCALE\t(Currently Color)"
                                           : " PRINT COLOR\t(Currently Gray Scale)");
    if (f.displayColorAvailable != 1)
        SetGraphMenuItem(hwnd, kDisplayGrey, " DISPLAY GRAY SCALE\t(Currently Gray Scale)", true);
    else
        SetGraphMenuItem(hwnd, kDisplayGrey,
                         f.displayColor == 1 ? " DISPLAY GRAY SCALE\t(Currently Color)"
                                             : " DISPLAY COLOR\t(Currently Gray Scale)");
}

std::string ThreeDPositionText(float rowValue, float columnValue) {
    const int source = gridSource;
    const int kind = Kind();
    const bool phRows = (source == 0 && kind == -1) || (source == 1 && (kind == 0 || kind == 2));
    const bool percentRows = source == 1 && kind == 1;
    const bool pressureRows = source == 2 && kind == 3;
    std::string text;
    if (phRows)
        text = whatIfOptions.varyPco2 != 0 ? " at pCO2 " : " at pH ";
    else if (percentRows)
        text = " at ";
    else if (pressureRows)
        text = " at a pressure of ";
    text += Number("%-.2f", rowValue);
    if (percentRows) text += "% ";
    text += " and " + Number("%-.0f ", columnValue);
    const bool temperatureColumns =
        (source == 0 && kind == -1) || (source == 1 && (kind == 0 || kind == 1)) || pressureRows;
    if (!temperatureColumns) return text + " %.";
    switch (unitCodes.code[UnitItem::kTemperature]) {
        case 0:
            return text +
                   " \xB0"
                   "F.";
        case 1:
            return text +
                   " \xB0"
                   "C.";
        case 2:
            return text +
                   " \xB0"
                   "K.";
        default:
            return text;
    }
}

std::string ThreeDValueCaption(float value) {
    char number[kValueTextChars] = {};
    FormatValueAdaptive(value, 5, number);
    return std::string("YOU CLICKED ON THE VALUE ") + number;
}

void SetThreeDTitleToggleText(win::HWND hwnd) {
    SetGraphMenuItem(hwnd, kFormulaTitles,
                     displaySettings.mineralTitles == 0
                         ? "&CHEMICAL FORMULA TITLES\t(Currently Mineral (e.g. Calcite))"
                         : "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO_3))");
}

void SetThreeDColourToggleText(win::HWND hwnd, int id) {
    const GraphOutputFlags& f = graphOutputFlags;
    switch (id) {
        case kExportGrey:
            SetGraphMenuItem(hwnd, id,
                             f.exportColor == 1 ? " EXPORT GRAY SCALE IMAGES\t(Currently Color)"
                                                : " EXPORT COLOR IMAGES\t(Currently Gray Scale)");
            break;
        case kPrintGrey:
            SetGraphMenuItem(hwnd, id,
                             f.printColor == 1 ? " PRINT GRAY SCALE IMAGES\t(Currently Color)"
                                               : " PRINT COLOR IMAGES\t(Currently Gray Scale)");
            break;
        case kDisplayGrey:
            SetGraphMenuItem(hwnd, id,
                             f.displayColor == 1 ? " DISPLAY GRAY SCALE IMAGES\t(Currently Color)"
                                                 : " DISPLAY COLOR IMAGES\t(Currently Gray Scale)");
            break;
        default:
            break;
    }
}
