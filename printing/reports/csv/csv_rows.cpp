// Writing the rows of the summary CSV file.
#include "printing/reports/csv/csv_rows.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/phcurve/alk_curve_records.h"
#include "reporttext/format/carbonic_acid_display.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr int kStations = kWellLogStations;
constexpr int kNoUnit = -1;
constexpr int kAlkalinityUnit = -2;

// The row of the alkalinity block an alkalinity element fills: 0 dissolved
// CO2, 1 bicarbonate, 2 carbonate.
int AlkalinityRowOf(int element) {
    return element == E::kAcidity ? 0 : element == E::kMAlkalinity ? 1 : 2;
}

std::string ToChars(double value, std::chars_format format, int precision) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, r.ptr);
}

// The rows as they are written.
class Csv {
  public:
    std::string text;

    void Label(const char* label) { Quoted(label, std::strlen(label)); }
    void Quoted(const char* bytes, std::size_t n) {
        text += '"';
        for (std::size_t i = 0; i < n; ++i) {
            if (bytes[i] == '"') text += '"';
            text += bytes[i];
        }
        text += "\",";
    }
    void Field(const std::string& field) { text += field + ","; }
    void End() { text += "\r\n"; }
};

// A description field within its 128 bytes, terminated or not.
void DescriptionField(Csv& csv, const SampleDescription& texts, int field) {
    const char* t = texts.text[field];
    csv.Quoted(t, strnlen(t, sizeof texts.text[field]));
}

struct AnalysisRow {
    const char* label;
    int element;
    int unitItem;  // kNoUnit, kAlkalinityUnit or a UnitCodes item
};
const AnalysisRow kAnalysisRows[] = {
    {"Calcium", E::kCalcium, U::kCalcium},
    {"Magnesium", E::kMagnesium, U::kMagnesium},
    {"Barium", E::kBarium, U::kBarium},
    {"Strontium", E::kStrontium, U::kStrontium},
    {"Sodium", E::kSodium, U::kSodium},
    {"Potassium", E::kPotassium, U::kPotassium},
    {"Lithium", E::kLithium, U::kLithium},
    {"Iron", E::kIron, U::kIron},
    {"Ammonia", E::kAmmonia, U::kAmmonia},
    {"Aluminum", E::kAluminum, U::kAluminum},
    {"Manganese", E::kManganese, U::kManganese},
    {"Zinc", E::kZinc, U::kZinc},
    {"Lead", E::kLead, U::kLead},
    {"Chloride", E::kChloride, U::kChloride},
    {"Sulfate", E::kSulfate, U::kSulfate},
    {"Bromine", E::kBromine, U::kBromine},
    {"Dissolved CO2", E::kAcidity, kAlkalinityUnit},
    {"Bicarbonate", E::kMAlkalinity, kAlkalinityUnit},
    {"Carbonate", E::kPAlkalinity, kAlkalinityUnit},
    {"Silica", E::kSilica, U::kSilica},
    {"Phosphate", E::kPhosphate, U::kPhosphate},
    {"H2S", E::kH2S, U::kH2S},
    {"Fluoride", E::kFluoride, U::kFluoride},
    {"Nitrate", E::kNitrate, U::kNitrate},
    {"Boron", E::kBoron, U::kBoron},
    {"Sample Temperature", E::kTemperature, U::kTemperature},
    {"Sample pH", E::kPh, kNoUnit},
};

int UnitCode(int item) {
    if (item == kAlkalinityUnit) return alkalinityMode;
    return unitCodes.code[item];
}

// A station row: 12 values by `cell`, then the unit code unless there is none.
template <typename CellOf>
void StationRow(Csv& csv, const char* label, CellOf cell, int unit = kNoUnit) {
    csv.Label(label);
    for (int s = 0; s < kStations; ++s) csv.Field(cell(s));
    if (unit != kNoUnit) csv.Field(std::to_string(unit));
    csv.End();
}

std::string SaturationText(float value) {
    char text[32];
    FormatCsvNumber(value, text, sizeof text, static_cast<int>(displaySettings.indexFormat));
    return text;
}

// The amounts in the precipitation unit, by the pages' own conversion; a unit
// beyond 2 leaves them as they are. A solver's marker has no amount.
std::string ScaledText(float value) {
    if (IsSolverNotReachable(value) || IsUndefinedValue(value)) return "N/A";
    if (displaySettings.precipitationUnit > 2) return CsvGeneral(static_cast<double>(value));
    return CsvGeneral(static_cast<double>(PrecipitationInDisplayUnit(value)));
}

}  // namespace

void FormatCsvNumber(float value, char* text, std::size_t size, int mode) {
    if (size == 0) return;
    std::string s;
    if (IsUndefinedValue(value))
        s = kUndefinedText;
    else if (mode == 1)
        s = value > 0.0f
                ? ToChars(std::log10(static_cast<double>(value)), std::chars_format::fixed, 2)
                : "N/A";
    else
        s = ToChars(value, std::chars_format::fixed, 2);
    const std::size_t n = s.size() < size - 1 ? s.size() : size - 1;
    std::memcpy(text, s.data(), n);
    text[n] = '\0';
}

std::string CsvGeneral(double value) {
    if (IsUndefinedValue(value)) return kUndefinedText;
    return ToChars(value, std::chars_format::general, 6);
}

std::string CsvDate(int32_t packed, int order) {
    const long year = packed / 10000 + 1900;
    const long month = packed / 100 % 100;
    const long day = packed % 100;
    char text[64];
    if (order == 0)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", month, day, year);
    else if (order == 1)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", day, month, year);
    else
        std::snprintf(text, sizeof text, "%.4ld-%.2ld-%.2ld", year, month, day);
    return text;
}

uint32_t PrecipitationQuantity() {
    return precipitationQuantity;
}

std::string BuildSummaryCsv(const CsvSource& src) {
    Csv csv;
    const WaterAnalysis& w = *src.water;
    const SampleDescription& d = *src.texts;
    const WellLogTable& t = *src.stations;

    csv.Label("Workspace Name");
    csv.Quoted(src.workspaceName.data(), src.workspaceName.size());
    csv.End();
    const int comments[] = {0, 1, 2, 3, 5, 6, 4};
    for (int k = 0; k < 7; ++k) {
        const std::string label = "Comment " + std::to_string(k + 1);
        csv.Label(label.c_str());
        DescriptionField(csv, d, comments[k]);
        csv.End();
    }
    csv.Label("Sample ID");
    csv.Field(std::to_string(w.sampleNumber));
    csv.End();
    csv.Label("ID");
    DescriptionField(csv, d, 7);
    csv.End();
    const int order = unitCodes.code[U::kDateFormat];
    csv.Label("Sample Date");
    csv.Field(CsvDate(w.sampleDate, order));
    csv.End();
    csv.Label("Report Date");
    csv.Field(CsvDate(w.reportDate, order));
    csv.End();
    for (const AnalysisRow& r : kAnalysisRows) {
        csv.Label(r.label);
        float value = w.values[r.element];
        if (r.element == E::kAcidity)  // kept as H2CO3, shown in the mode's unit
            value = static_cast<float>(CarbonicAcidShown(
                CarbonicAcidInBasis(value, reportingMode, w.values[E::kResultScale]),
                alkalinityMode));
        // The carbonate species in the basis's unit, as the water's page shows them.
        if (r.unitItem == kAlkalinityUnit && (alkalinityMode == 2 || alkalinityMode == 3))
            value = AlkalinityRowInBasis(true, AlkalinityRowOf(r.element), value);
        csv.Field(CsvGeneral(value));
        if (r.unitItem != kNoUnit) csv.Field(std::to_string(UnitCode(r.unitItem)));
        csv.End();
    }
    StationRow(
        csv, "Temperature Range", [&t](int s) { return CsvGeneral(t.temperature[s]); },
        unitCodes.code[U::kTemperature]);
    StationRow(
        csv, "Pressure", [&t](int s) { return CsvGeneral(t.pressure[s]); },
        unitCodes.code[U::kPressure]);
    const struct {
        const char* label;
        int code;
    } minerals[] = {{"Calcite", 0},    {"Anhydrite", 4}, {"Gypsum", 5},      {"Barite", 21},
                    {"Celestite", 37}, {"Siderite", 24}, {"Mackinawite", 44}};
    for (const auto& m : minerals)
        StationRow(csv, m.label, [&t, &m](int s) { return SaturationText(t.results[s][m.code]); });

    const uint32_t show = src.wellLogPage ? 0 : src.precipitationShow;
    auto momexOrPp = [&](const char* momex, int excessSlot, const char* pp, int resultSlot) {
        if (show == 0 || show == 2)
            StationRow(csv, momex,
                       [&t, excessSlot](int s) { return ScaledText(t.excess[s][excessSlot]); });
        if (show == 1 || show == 2)
            StationRow(csv, pp,
                       [&t, resultSlot](int s) { return ScaledText(t.results[s][resultSlot]); });
    };
    momexOrPp("Calcite MOMEX", 0, "Calcite PP", 60);
    const struct {
        const char* label;
        int slot;
    } momex[] = {
        {"Anhydrite MOMEX", 5}, {"Gypsum MOMEX", 6}, {"Barite MOMEX", 7}, {"Celestite MOMEX", 8}};
    for (const auto& m : momex)
        StationRow(csv, m.label, [&t, &m](int s) { return ScaledText(t.excess[s][m.slot]); });
    momexOrPp("Siderite MOMEX", 3, "Siderite PP", 55);
    StationRow(csv, "Mackinawite MOMEX", [&t](int s) { return ScaledText(t.excess[s][17]); });
    StationRow(csv, "Corrosion Rate",
               [&t](int s) { return CsvGeneral(t.corrosion[s][kShownCorrosionRate]); });
    StationRow(csv, "pCO2", [&t](int s) { return CsvGeneral(t.analysis[s][E::kPco2]); });
    return csv.text;
}
