// Reading, checking and writing the display configuration file.
//
// Every record is checked and what lies outside its range takes its default; a
// file that ends before the first byte of some record, or held such a value,
// is rewritten whole. What the
// creation writes comes from memory, so a new file carries the program's start
// values (50 lines per screen, every window shown, nothing hidden).
#include "shell/settings/display_config_file.h"

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "common/settings_ranges.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "input/units/settings_unit_change.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "printing/print_job_records.h"
#include "shell/records.h"
#include "shell/settings/check_file_access.h"
#include "shell/settings/file_fields.h"
#include "shell/settings/install_paths.h"

namespace {

// Byte offset of each record's first byte.
constexpr size_t kRecordOffsets[16] = {0,   2,   14,  18,  26,  146, 266,  522,
                                       778, 930, 942, 946, 950, 954, 1018, 1022};

template <size_t N>
void PutWords32(bytes::Writer& w, const uint32_t (&values)[N]) {
    for (uint32_t v : values) w.U32(v);
}
template <size_t N>
void GetWords32(bytes::Reader& in, uint32_t (&values)[N]) {
    for (uint32_t& v : values) v = in.U32();
}

void ZeroOrOne(uint32_t& v, uint32_t otherwise) {
    if (v > 1) v = otherwise;
}
template <size_t N>
void ZeroOrOneAll(uint32_t (&values)[N]) {
    for (uint32_t& v : values) ZeroOrOne(v, 0);
}

// Each value of the triple kept when lo < v <= hi, else set to its default.
void CheckTriple(float& low, float& high, float& eval, double lo, double hi,
                 const float (&defaults)[3]) {
    float* values[3] = {&low, &high, &eval};
    for (int i = 0; i < 3; ++i)
        if (!(*values[i] > lo && *values[i] <= hi)) *values[i] = defaults[i];
}

// The well log's start stations (bottom hole, separator, flashed) in degrees F
// and psia, as the start-up sets them; every unit takes these same stations
// written in it.
constexpr double kWellStartF[3] = {280.0, 130.0, 77.0};
constexpr double kWellStartPsia[3] = {480.0, 150.0, 14.7};

float WellTemperatureDefault(int k, uint16_t unit) {
    const double f = kWellStartF[k];
    const double celsius = (f - 32.0) * 5.0 / 9.0;
    switch (unit) {
        case TemperatureUnit::kCelsius:
            return static_cast<float>(celsius);
        case TemperatureUnit::kKelvin:
            return static_cast<float>(celsius + 273.16);  // as the calculation reads K
        default:
            return static_cast<float>(f);
    }
}
float WellPressureDefault(int k, uint16_t unit) {
    return static_cast<float>(
        PsiaToPressureUnit(kWellStartPsia[k], unit <= PressureUnit::kKPa ? unit : 0));
}
constexpr int kBottomHoleTemperature = 0;
constexpr int kBottomHolePressure = 3;
constexpr int kWellDepth = 15;

void CheckWellLog(WellLogSpecs& w, uint16_t temperatureUnit, uint16_t pressureUnit) {
    float& depth = w.value[kWellDepth];
    if (!SettingRanges::kWellDepth.Holds(depth)) depth = 100.0f;
    // As the dialogs take them in any unit, converted (a change of units
    // converts the well's settings exactly).
    const SettingRange pressure = HeldSettingSpan(SettingQuantity::kWellPressure, pressureUnit);
    const SettingRange temperature =
        HeldSettingSpan(SettingQuantity::kWellTemperature, temperatureUnit);
    for (int k = 0; k < 3; ++k) {
        float& t = w.value[kBottomHoleTemperature + k];
        if (!temperature.Holds(t))
            t = WellTemperatureDefault(k, temperatureUnit);
        float& p = w.value[kBottomHolePressure + k];
        if (!pressure.Holds(p)) p = WellPressureDefault(k, pressureUnit);
    }
}

}  // namespace

void SetWellTemperatureDefaults(WellLogSpecs& w, uint16_t temperatureUnit) {
    for (int k = 0; k < 3; ++k)
        w.value[kBottomHoleTemperature + k] = WellTemperatureDefault(k, temperatureUnit);
}

void SetWellPressureDefaults(WellLogSpecs& w, uint16_t pressureUnit) {
    for (int k = 0; k < 3; ++k)
        w.value[kBottomHolePressure + k] = WellPressureDefault(k, pressureUnit);
}

namespace {

// The what-if ranges are checked against the bounds of the first unit of each
// item, as the start-up fixes them before any file is read.
void CheckWhatIf(WhatIfSettings& s) {
    CheckTriple(s.phLow, s.phHigh, s.phEval, 0.0, 20.0, {7.0f, 7.6f, 7.0f});
    CheckTriple(s.pco2Low, s.pco2High, s.pco2Eval, 1.0, 1000.0, {0.01f, 10.0f, 10.0f});
    CheckTriple(s.pressureLow, s.pressureHigh, s.pressureEval, 1.0, 1000.0,
                {1.0f, 1000.0f, 1000.0f});
    CheckTriple(s.temperatureLow, s.temperatureHigh, s.temperatureEval, 30.0, 572.0,
                {30.0f, 572.0f, 572.0f});
}

// A one-page graph choice that cannot be drawn becomes calcite.
bool ValidGraphParam(uint16_t v) {
    return SettingRanges::GraphParamValid(v);
}

}  // namespace

void EncodeDisplayConfig(const DisplayConfigRecord& r, uint8_t (&out)[kDisplayConfigBytes]) {
    bytes::Writer w(out, sizeof out);
    w.I16(r.version);
    w.Raw(r.reserved, sizeof r.reserved);
    w.U32(r.printMode);
    w.F64(r.linesPerScreen);
    PutWords32(w, r.surfaceWindowsShown);
    PutWords32(w, r.mixedWindowsShown);
    PutWords32(w, r.chemistryItemsHidden);
    PutWords32(w, r.indicatorItemsHidden);
    PutWords32(w, r.extraItemsHidden);
    for (uint16_t g : r.graphParams) w.U16(g);
    w.U32(r.profileOption);
    w.U32(r.useInputPh);
    w.U32(r.useInputTemperature);
    EncodeWellLogSpecs(r.wellLog, w);
    w.U32(r.indexFormat);
    EncodeWhatIfSettings(r.whatIf, w);
}

void DecodeDisplayConfig(const uint8_t (&in)[kDisplayConfigBytes], DisplayConfigRecord& r) {
    bytes::Reader rd(in, sizeof in);
    r.version = rd.I16();
    rd.Raw(r.reserved, sizeof r.reserved);
    r.printMode = rd.U32();
    r.linesPerScreen = rd.F64();
    GetWords32(rd, r.surfaceWindowsShown);
    GetWords32(rd, r.mixedWindowsShown);
    GetWords32(rd, r.chemistryItemsHidden);
    GetWords32(rd, r.indicatorItemsHidden);
    GetWords32(rd, r.extraItemsHidden);
    for (uint16_t& g : r.graphParams) g = rd.U16();
    r.profileOption = rd.U32();
    r.useInputPh = rd.U32();
    r.useInputTemperature = rd.U32();
    DecodeWellLogSpecs(rd, r.wellLog);
    r.indexFormat = rd.U32();
    DecodeWhatIfSettings(rd, r.whatIf);
}

void SetCreationDefaults(DisplayConfigRecord& r) {
    r.printMode = 0;
    std::memset(r.reserved, 0, sizeof r.reserved);
    const uint16_t graphs[kGraphParamCount] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
    std::copy(std::begin(graphs), std::end(graphs), r.graphParams);
}

void ValidateDisplayConfig(DisplayConfigRecord& r, uint16_t temperatureUnit, uint16_t pressureUnit,
                           bool whatIfToo) {
    if (r.version < 1 || r.version > kDataVersion) r.version = kDataVersion;
    if (r.printMode > 100) r.printMode = 0;
    if (!(r.linesPerScreen >= 40.0 && r.linesPerScreen <= 100.0)) r.linesPerScreen = 55.0;
    ZeroOrOneAll(r.surfaceWindowsShown);
    ZeroOrOneAll(r.mixedWindowsShown);
    ZeroOrOneAll(r.chemistryItemsHidden);
    ZeroOrOneAll(r.indicatorItemsHidden);
    ZeroOrOneAll(r.extraItemsHidden);
    for (uint16_t& g : r.graphParams)
        if (!ValidGraphParam(g)) g = 0;
    ZeroOrOne(r.profileOption, 0);
    ZeroOrOne(r.useInputPh, 1);
    ZeroOrOne(r.useInputTemperature, 0);
    CheckWellLog(r.wellLog, temperatureUnit, pressureUnit);
    ZeroOrOne(r.indexFormat, 0);
    if (whatIfToo) CheckWhatIf(r.whatIf);
}

bool DisplayConfigValid(const DisplayConfigRecord& r) {
    DisplayConfigRecord checked = r;
    ValidateDisplayConfig(checked, unitCodes.code[UnitItem::kTemperature],
                          unitCodes.code[UnitItem::kPressure], false);
    uint8_t before[kDisplayConfigBytes];
    uint8_t after[kDisplayConfigBytes];
    EncodeDisplayConfig(r, before);
    EncodeDisplayConfig(checked, after);
    return std::memcmp(before, after, sizeof before) == 0;
}

bool OverlayFileBytes(const uint8_t* file, size_t delivered, DisplayConfigRecord& r) {
    uint8_t image[kDisplayConfigBytes];
    EncodeDisplayConfig(r, image);
    std::memcpy(image, file, std::min(delivered, sizeof image));
    DecodeDisplayConfig(image, r);
    return delivered > kRecordOffsets[15];
}

DisplayConfigRecord GatherDisplayConfig() {
    DisplayConfigRecord r{};
    r.version = configVersion;
    std::memcpy(r.reserved, displaySettings.reserved, sizeof r.reserved);
    r.printMode = printJobState.printMode;
    r.linesPerScreen = displaySettings.linesPerScreen;
    std::copy(std::begin(displaySettings.surfaceWindowsShown),
              std::end(displaySettings.surfaceWindowsShown), r.surfaceWindowsShown);
    std::copy(std::begin(displaySettings.mixedWindowsShown),
              std::end(displaySettings.mixedWindowsShown), r.mixedWindowsShown);
    std::copy(std::begin(displaySettings.chemistryItemsHidden),
              std::end(displaySettings.chemistryItemsHidden), r.chemistryItemsHidden);
    std::copy(std::begin(displaySettings.indicatorItemsHidden),
              std::end(displaySettings.indicatorItemsHidden), r.indicatorItemsHidden);
    std::copy(std::begin(displaySettings.extraItemsHidden),
              std::end(displaySettings.extraItemsHidden), r.extraItemsHidden);
    std::copy(std::begin(displaySettings.graphParams), std::end(displaySettings.graphParams),
              r.graphParams);
    r.profileOption = phBalanceSwitch;
    r.useInputPh = whatIfOptions.useInputPh;
    r.useInputTemperature = whatIfOptions.useInputTemperature;
    r.wellLog = wellLogSpecs;
    r.indexFormat = displaySettings.indexFormat;
    r.whatIf = whatIfSettings;
    return r;
}

void ScatterDisplayConfig(const DisplayConfigRecord& r) {
    configVersion = r.version;
    std::memcpy(displaySettings.reserved, r.reserved, sizeof r.reserved);
    printJobState.printMode = r.printMode;
    displaySettings.linesPerScreen = r.linesPerScreen;
    std::copy(std::begin(r.surfaceWindowsShown), std::end(r.surfaceWindowsShown),
              displaySettings.surfaceWindowsShown);
    std::copy(std::begin(r.mixedWindowsShown), std::end(r.mixedWindowsShown),
              displaySettings.mixedWindowsShown);
    std::copy(std::begin(r.chemistryItemsHidden), std::end(r.chemistryItemsHidden),
              displaySettings.chemistryItemsHidden);
    std::copy(std::begin(r.indicatorItemsHidden), std::end(r.indicatorItemsHidden),
              displaySettings.indicatorItemsHidden);
    std::copy(std::begin(r.extraItemsHidden), std::end(r.extraItemsHidden),
              displaySettings.extraItemsHidden);
    std::copy(std::begin(r.graphParams), std::end(r.graphParams), displaySettings.graphParams);
    phBalanceSwitch = r.profileOption;
    whatIfOptions.useInputPh = r.useInputPh;
    whatIfOptions.useInputTemperature = r.useInputTemperature;
    wellLogSpecs = r.wellLog;
    displaySettings.indexFormat = r.indexFormat;
    whatIfSettings = r.whatIf;
}

namespace {

constexpr int kHiddenAttribute = 2;

// The whole file replaced by the 16 records; false (the old file kept) when
// any step fails.
bool WriteRecords(const std::string& path, const DisplayConfigRecord& r) {
    uint8_t image[kDisplayConfigBytes];
    EncodeDisplayConfig(r, image);
    return win::ReplaceFileContents(path.c_str(), image, sizeof image, kHiddenAttribute) !=
           win::FALSE;
}

}  // namespace

bool WriteDisplayConfigFile() {
    DisplayConfigRecord r = GatherDisplayConfig();
    r.version = kDataVersion;
    return WriteRecords(InstallPath(kDisplayConfigFileName), r);
}

std::string DisplayConfigWriteFailedText() {
    const std::string path = InstallPath(kDisplayConfigFileName);
    return "Error: Cannot save the display settings\n\n" +
           win::FailedWriteText("Saving", path.c_str());
}

void LoadDisplayConfigFile() {
    const std::string path = InstallPath(kDisplayConfigFileName);
    (void)CheckFileAccess(path.c_str(), "The ZORIN configuration File ");
    // Read only: a read-only file or folder is read as any other.
    const win::HFILE file = win::_lopen(path.c_str(), win::OF_READ);
    uint8_t word[2] = {};
    const int wordBytes = file == win::HFILE_ERROR ? -1 : ReadBytes(file, word, sizeof word);
    if (wordBytes == 2) mainWindowState.loadedVersion = bytes::GetI16(word);

    DisplayConfigRecord r = GatherDisplayConfig();
    uint8_t image[kDisplayConfigBytes] = {};
    int delivered = 0;
    if (file == win::HFILE_ERROR || wordBytes < 2 || bytes::GetI16(word) == 0) {
        SetCreationDefaults(r);
        r.version = kDataVersion;
        // What a new file holds is what was just written; nothing when that failed.
        if (WriteRecords(path, r)) {
            EncodeDisplayConfig(r, image);
            delivered = static_cast<int>(sizeof image);
        }
    } else {
        win::_llseek(file, 0, win::FILE_BEGIN);
        delivered = std::max(0, ReadBytes(file, image, sizeof image));
    }
    if (file != win::HFILE_ERROR) win::_lclose(file);
    // The what-if ranges of a whole file are not checked: the start values
    // replace them before anything reads them.
    const bool whole = OverlayFileBytes(image, static_cast<size_t>(delivered), r);
    if (!whole || !DisplayConfigValid(r)) {
        ValidateDisplayConfig(r, unitCodes.code[UnitItem::kTemperature],
                              unitCodes.code[UnitItem::kPressure], !whole);
        DisplayConfigRecord written = r;
        written.version = kDataVersion;
        (void)WriteRecords(path, written);
    }
    ScatterDisplayConfig(r);
}
