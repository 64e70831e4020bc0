// "tkCombined" (the analysis with its results) and "tkResults" (the results
// alone): written as laid down for programs that read them, though no command
// of this program reaches them. Each result row takes named slots of
// SaturationResults and of the 38-value MomentaryExcess vector; the bytes past
// the defined fields are zero.
#include <cstring>

#include "common/byte_io.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/clipboard/analysis_transfer.h"
#include "input/clipboard/analysis_travel.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/clipboard/clipboard_messages.h"
#include "input/description_records.h"
#include "input/records.h"
#include "input/unit_factor_records.h"
#include "platform/system/clipboard.h"
#include "reporttext/report_buffer_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr int kResultSlots = 108;
constexpr size_t kCombinedBytes = 1984;
constexpr size_t kResultsBytes = 1468;

// result row index <- source slot
struct Pick {
    int row;
    int source;
};

constexpr Pick kCombinedFromSaturation[] = {
    {0, 0},   {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 5},   {10, 10}, {11, 11}, {12, 12},
    {18, 18}, {20, 20}, {31, 31}, {36, 36}, {37, 37}, {38, 38}, {39, 39}, {40, 40}, {54, 54},
    {56, 56}, {58, 58}, {60, 60}, {64, 62}, {70, 22}, {71, 19}, {72, 21}, {73, 37}, {86, 0},
};
constexpr Pick kCombinedFromExcess[] = {
    {19, 14}, {21, 0},  {22, 1},  {23, 5},  {24, 6},  {25, 9},  {26, 15},
    {41, 13}, {42, 3},  {43, 11}, {44, 10}, {45, 21}, {46, 12}, {63, 20},
    {74, 2},  {75, 16}, {76, 7},  {77, 8},  {87, 4},
};
constexpr Pick kResultsFromSaturation[] = {
    {0, 0},   {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 5},   {10, 10},
    {11, 11}, {12, 12}, {18, 18}, {20, 20}, {31, 31}, {36, 23}, {37, 24},
    {38, 26}, {39, 36}, {40, 47}, {64, 62}, {70, 22}, {71, 19}, {72, 21},
    {73, 37}, {81, 42}, {84, 43}, {86, 25}, {88, 45}, {90, 44}, {92, 32},
};
constexpr Pick kResultsFromExcess[] = {
    {19, 14}, {21, 0},  {22, 1},  {23, 5},  {24, 6},  {25, 9},  {26, 15}, {41, 13},
    {42, 3},  {43, 11}, {44, 10}, {45, 21}, {46, 12}, {63, 20}, {74, 2},  {75, 16},
    {76, 7},  {77, 8},  {87, 4},  {89, 18}, {91, 17}, {93, 19},
};

template <size_t N>
void PickInto(float (&rows)[kResultSlots], const Pick (&picks)[N], const float* source) {
    for (const Pick& p : picks) rows[p.row] = source[p.source];
}

void WriteHeader(bytes::Writer& w) {
    w.I16(currentAnalysis.sampleNumber);
    w.I32(currentAnalysis.reportDate);
    w.I32(currentAnalysis.sampleDate);
    w.I16(currentAnalysis.sampleTime);
    w.Raw(currentDescription.text, 5 * sizeof currentDescription.text[0]);
}

// The analysis part of "tkCombined": the "tkIntermediate" values of the ions,
// temperature, residence, carbonate results and corrosion target, with the
// pressures and the density as entered (the pressure in atm as 1).
void CombinedValues(float (&values)[kTransferSlots], int32_t (&units)[kTransferSlots]) {
    const TravelAnalysis working{&currentAnalysis,      &currentDescription, organicAcids,
                                 &currentResidenceTime, &corrosionTarget,    SaturationResults,
                                 &dissolvedCO2Copy};
    AnalysisTransfer travel;
    AnalysisToTransfer(working, TravelUnits{&unitCodes, alkalinityMode, UnitFactorTable}, travel);
    constexpr int kTravelSlots[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 15,
                                    17, 18, 19, 20, 21, 35, 36, 37, 50, 55, 56, 58, 59, 61};
    for (int k : kTravelSlots) values[k] = travel.values[k];
    const float* v = currentAnalysis.values;
    const uint16_t* code = unitCodes.code;
    values[TransferSlot::kPressureAtm] =
        code[UnitItem::kPressure] == PressureUnit::kAtm ? 1.0f : v[AnalysisElement::kPressure];
    values[TransferSlot::kPco2Atm] = v[AnalysisElement::kPco2];
    values[TransferSlot::kPh2sAtm] =
        code[UnitItem::kGasH2S] <= 5 ? v[AnalysisElement::kPH2S] : 0.0f;
    values[TransferSlot::kDensity] = v[AnalysisElement::kDensity];

    constexpr int kSameItem[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                 12, 13, 14, 15, 17, 18, 19, 20, 21, 24, 26};
    for (int k : kSameItem) units[k] = code[k];
    units[49] = code[UnitItem::kCorrosionRate];
    for (int k : {25, 27, 38, 39, 41, 42, 45, 46, 47}) units[k] = -1;
    units[37] = units[24];
    units[43] = units[11];
    units[56] = units[21];
    units[57] = units[49];
}

// Puts `bytes` on the clipboard under `format` in a block twice their size,
// beside what the clipboard already holds.
void AddToClipboard(win::UINT format, const uint8_t* bytes, size_t size, const char* openFailed,
                    const char* allocFailed) {
    if (!win::OpenClipboard(mainWindowState.mainWindow)) {
        ReportClipboardFailure(openFailed);
        return;
    }
    const win::HGLOBAL block = win::GlobalAlloc(win::GHND, 2 * size);
    auto* out = block != nullptr ? static_cast<uint8_t*>(win::GlobalLock(block)) : nullptr;
    if (out == nullptr) {
        if (block != nullptr) win::GlobalFree(block);
        win::CloseClipboard();
        ReportClipboardFailure(allocFailed);
        return;
    }
    std::memcpy(out, bytes, size);
    win::GlobalUnlock(block);
    win::SetClipboardData(format, block);
    win::CloseClipboard();
}

}  // namespace

void CopyCombinedAnalysis() {
    float values[kTransferSlots] = {};
    int32_t units[kTransferSlots] = {};
    CombinedValues(values, units);
    float results[kResultSlots] = {};
    PickInto(results, kCombinedFromSaturation, SaturationResults);
    PickInto(results, kCombinedFromExcess, MomentaryExcess);

    uint8_t bytes[kCombinedBytes] = {};
    bytes::Writer w(bytes, sizeof bytes);
    for (float v : values) w.F32(v);
    for (float r : results) w.F32(r);
    for (int32_t u : units) w.I32(u);
    w.U32(1);
    WriteHeader(w);
    AddToClipboard(clipboardFormats.cfCombined, bytes, sizeof bytes,
                   "Error opening clipboard. Combined Analysis and Results  not posted.",
                   "Error allocating clipboard memory. Combined and Indices not posted.");
}

void CopyResults() {
    reportBuffer.leftMargin = 0;
    float results[kResultSlots] = {};
    PickInto(results, kResultsFromSaturation, SaturationResults);
    PickInto(results, kResultsFromExcess, MomentaryExcess);

    uint8_t bytes[kResultsBytes] = {};
    bytes::Writer w(bytes, sizeof bytes);
    for (float r : results) w.F32(r);
    WriteHeader(w);
    AddToClipboard(clipboardFormats.cfResults, bytes, sizeof bytes,
                   "Error opening clipboard. Analysis not posted.",
                   "Error allocating clipboard memory. Results and Indices not posted.");
}

void CopyToClipboardByKind() {
    (void)CopyAnalysis();
    CopyResults();
    CopyCombinedAnalysis();
}
