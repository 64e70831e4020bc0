// The names of the values of the work file's records (work_file_field_names.h).
#include "shell/workfile/work_file_field_names.h"

#include <array>
#include <span>

#include "common/water_analysis.h"
#include "input/waterform/form_fields.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_table_names.h"

namespace workfile {
namespace {

// Mixing zone and pH control (record 26).
constexpr std::array<const char*, 6> kMixingAndPhControl = {
    "Low Mixing Percent", "High Mixing Percent",  "Mixing Percent Step",
    "pH Target",          "pH Control Method",    "pH Prediction Method",
};
// The what-if ranges (record 32), as the what-if dialog names them.
constexpr std::array<const char*, 15> kWhatIfRanges = {
    "Low pH",           "High pH",           "Evaluation pH",
    "Low Pressure",     "High Pressure",     "Evaluation Pressure",
    "Low pCO2",         "High pCO2",         "Evaluation pCO2",
    "Reserved Slot 1",  "Reserved Slot 2",   "Reserved Slot 3",
    "Low Temperature",  "High Temperature",  "Evaluation Temperature",
};
// The 3D graph and grid ranges (record 49).
constexpr std::array<const char*, 18> kGraphRanges = {
    "Low pH",           "High pH",             "Evaluation pH",
    "Low Temperature",  "High Temperature",    "Evaluation Temperature",
    "Low Pressure",     "High Pressure",       "Evaluation Pressure",
    "Low pCO2",         "High pCO2",           "Evaluation pCO2",
    "Reserved Slot 1",  "Reserved Slot 2",     "Reserved Slot 3",
    "Low Mixing Percent", "High Mixing Percent", "Typical Mixing Percent",
};
// The well log (record 364), as the what-if dialog names it.
constexpr std::array<const char*, 16> kWellLog = {
    "Bottom Hole Temperature", "Temperature at Separator", "Temperature after Flashing",
    "Bottom Hole Pressure",    "Pressure at Separator",    "Pressure after Flashing",
    "Well Slot 7",             "Well Slot 8",              "Well Slot 9",
    "Well Slot 10",            "Well Slot 11",             "Well Slot 12",
    "Well Slot 13",            "Well Slot 14",             "Well Slot 15",
    "Depth",
};
// The one-page and well-log graph choices (record 318).
constexpr std::array<const char*, 6> kGraphParams = {
    "Graph 1", "Graph 2", "Graph 3", "Graph 4", "Graph 5", "Graph 6",
};
// The chosen graphs (record 35).
constexpr std::array<const char*, 6> kGraphChoice = {
    "Leading word", "Graph count", "Graph 1", "Graph 2", "Graph 3", "Graph 4",
};

bool IsAnalysis(int record) {
    return (record >= 17 && record <= 21) || record == 173 || record == 176;
}

std::span<const char* const> NamesOf(int record) {
    switch (record) {
        case 26:
            return kMixingAndPhControl;
        case 32:
            return kWhatIfRanges;
        case 35:
            return kGraphChoice;
        case 49:
            return kGraphRanges;
        case 318:
            return kGraphParams;
        case 364:
            return kWellLog;
        default:
            return {};
    }
}

}  // namespace

std::string ValueName(int record, int field) {
    if (IsAnalysis(record)) {
        if (field == AnalysisElement::kPh) return "pH";
        for (const ElementField& f : ElementFields())
            if (f.element == field) return f.name;
        if (const char* name = UnshownValueName(field)) return name;
    } else {
        const std::span<const char* const> names = NamesOf(record);
        if (field >= 0 && static_cast<size_t>(field) < names.size()) return names[field];
        if (record >= 0 && record < kRecordCount && kRecordTable[record].size <= 4)
            return "the value";
    }
    return TableValueName(record, field);
}

std::string RecordName(int record) {
    switch (record) {
        case 1:
        case 7:
            return "surface water entered";
        case 13:
            return "description of the current water";
        case 14:
            return "description of the injection water";
        case 15:
            return "description of the formation water";
        case 16:
            return "description of the surface water";
        case 17:
            return "working analysis";
        case 18:
            return "surface water analysis";
        case 19:
            return "injection water analysis";
        case 20:
            return "formation water analysis";
        case 21:
            return "waterflood mix analysis";
        case 26:
            return "mixing and pH control settings";
        case 32:
            return "what-if settings";
        case 35:
            return "graph choice";
        case 49:
            return "3D graph ranges";
        case 50:
            return "unit choices";
        case 89:
            return "treatment product";
        case 130:
            return "C2-C5 acids of the surface water";
        case 131:
            return "C2-C5 acids of the injection water";
        case 132:
            return "C2-C5 acids of the formation water";
        case 173:
            return "multi-mix blend analysis";
        case 176:
            return "multi-mix source water analyses";
        case 177:
            return "multi-mix descriptions";
        case 179:
            return "multi-mix residence times";
        case 180:
            return "multi-mix C2-C5 acids";
        case 181:
            return "multi-mix weights";
        case 258:
            return "residence time of the surface water";
        case 259:
            return "residence time of the injection water";
        case 260:
            return "residence time of the formation water";
        case 274:
            return "surface water as entered";
        case 275:
            return "injection water as entered";
        case 276:
            return "formation water as entered";
        case 318:
            return "one-page graph choices";
        case 364:
            return "well-log settings";
        case 405:
            return "multi-mix source waters as entered";
        default:
            return record >= 0 && record < kRecordCount ? kRecordTable[record].heldBy : "unknown";
    }
}

}  // namespace workfile
