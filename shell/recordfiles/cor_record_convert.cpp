// One record of a sample-record file: the older layouts mapped into the current
// one, the date orders, the old codes and the recomputation of its analysis.
#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/run_calculations.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "platform/system/system.h"
#include "shell/recordfiles/cor_converter.h"
#include "shell/recordfiles/cor_file.h"

namespace {

namespace R = cor::Record;
namespace E = AnalysisElement;

uint32_t Ticks() {
    return win::GetTickCount();
}
constexpr ConverterServices kProgramServices = {RunCalculations, Ticks};

uint32_t progressStart = 0;  // seconds

float PressureDefault(uint16_t unit) {
    constexpr float kByUnit[] = {1.0f, 1.0f, 14.7f, 100.0f};
    return unit < 4 ? kByUnit[unit] : 1.0f;
}
float Pco2Default(uint16_t unit) {
    constexpr float kByUnit[] = {0.0003162f, 0.0003162f, 0.00465f, 0.03162f};
    return unit < 4 ? kByUnit[unit] : 0.0003162f;
}

// The recomputation both forms share: `count` values in, results out.
void Recompute(uint8_t* record, int count, int results, bool defaults, bool keepOwn) {
    const uint16_t model = whatIfOptions.carbonateModel;
    whatIfOptions.carbonateModel = 0;
    for (int e = 0; e < count; ++e) currentAnalysis.values[e] = cor::Value(record, e);
    currentAnalysis.values[E::kReportingMode] = reportingMode;
    currentAnalysis.values[E::kAlkalinityMode] = alkalinityMode;
    currentAnalysis.values[E::kSpeciesGiven] = alkalinityMode == 3 ? 1.0f : 0.0f;
    if (defaults) {
        currentAnalysis.values[E::kPressure] = PressureDefault(unitCodes.code[UnitItem::kPressure]);
        currentAnalysis.values[E::kPco2] = Pco2Default(unitCodes.code[UnitItem::kGasCo2]);
        const uint16_t density = unitCodes.code[UnitItem::kDensity];
        if (density == 0) currentAnalysis.values[E::kDensity] = 1.0f;
        if (density == 1) currentAnalysis.values[E::kDensity] = 8.34f;
        if (density == 2) currentAnalysis.values[E::kDensity] = 29.16f;
    }
    balanceAmount = 0.0f;
    calcPassMode = cationAdded = anionAdded = 0;
    converterServices.runCalculations();
    currentAnalysis.values[E::kMAlkalinity] = currentHCO3;
    currentAnalysis.values[E::kPAlkalinity] = currentCO3;
    currentAnalysis.values[E::kSpeciesGiven] = 1.0f;
    currentAnalysis.values[E::kAlkalinityMode] = 3.0f;
    converterServices.runCalculations();
    for (int k = 0; k < results; ++k) cor::SetResult(record, k, SaturationResults[k]);
    whatIfOptions.carbonateModel = model;
    for (int e = 0; e < count; ++e) {
        if (keepOwn && (e == E::kAlkalinity || e == E::kMAlkalinity || e == E::kPAlkalinity))
            continue;
        cor::SetValue(record, e, currentAnalysis.values[e]);
    }
}

}  // namespace

ConverterServices converterServices = kProgramServices;

void ResetConverterServices() {
    converterServices = kProgramServices;
}

int MapOldScaleCode(int code) {
    constexpr int kMap[][2] = {{21, 500}, {22, 501}, {23, 505}, {24, 506}, {25, 509}, {36, 23},
                               {37, 24},  {38, 26},  {39, 36},  {40, 47},  {41, 513}, {42, 503},
                               {43, 511}, {44, 510}, {45, 521}, {46, 512}};
    for (const auto& m : kMap)
        if (m[0] == code) return m[1];
    return code;
}

int32_t ReorderStoredDate(int32_t d) {
    const int32_t a = d / 10000;
    const int32_t b = (d - 10000 * a) / 100;
    const int32_t c = d - 10000 * a - 100 * b;
    if (unitCodes.code[UnitItem::kBarium] != 0) return 10000 * c + 100 * b + a;
    return 10000 * c + 100 * a + b;
}

void FixDateOrder(int16_t version, uint8_t* record) {
    if (!(version < 124 || (version >= 201 && version <= 214))) return;
    for (uint32_t at : {R::kReportDate, R::kSampleDate})
        bytes::PutI32(record + at, ReorderStoredDate(bytes::GetI32(record + at)));
}

void SwapDateOrder(int16_t version, int32_t* date1, int32_t* date2) {
    if (version < 501 || version > 512) return;
    *date1 = ReorderStoredDate(*date1);
    *date2 = ReorderStoredDate(*date2);
}

void UpdateConversionProgress(int phase, int done, int total) {
    const uint32_t now = converterServices.tickCount() / 1000;
    if (phase == 0) {
        progressStart = now;
        (void)ShowProgressBar();
        return;
    }
    const int percent = total <= 0 ? 100 : done * 100 / total;
    const double elapsed = static_cast<double>(now - progressStart);
    const double estimated =
        percent >= 1 ? elapsed / (percent * 0.01) : elapsed * static_cast<double>(total) * 2.0;
    SetProgressPos(percent, static_cast<int32_t>(estimated - elapsed));
}

void ApplyConvertedUnits(uint8_t* record) {
    Recompute(record, 35, 47, true, false);
}

void ApplyFileUnits(uint8_t* record) {
    Recompute(record, cor::kValueCount, cor::kValueCount, false, true);
}

namespace {

struct Move {
    uint32_t from, to, size;
};

// The 1,109-byte layout's fields and where they lie in a current record.
constexpr Move kRecordAMoves[] = {
    {0, 0, 20},      {20, 20, 2},     {22, 22, 4},     {26, 26, 4},     {30, 30, 2},
    {32, 32, 140},   {288, 288, 144}, {586, 1568, 6},  {592, 1574, 56}, {648, 1630, 52},
    {700, 1682, 2},  {708, 1690, 4},  {724, 1706, 4},  {740, 1722, 4},  {756, 1738, 4},
    {776, 1758, 2},  {772, 1754, 4},  {784, 1766, 20}, {804, 1786, 20}, {824, 1806, 1},
    {825, 1807, 80}, {905, 1887, 20}, {925, 1907, 20}, {945, 1927, 20}, {372, 2091, 4},
    {376, 2095, 4},  {456, 2103, 4},  {380, 2111, 4},  {384, 2115, 4},  {388, 2127, 4},
    {364, 2147, 4},  {392, 2151, 4},  {464, 2131, 4},  {460, 2135, 4},  {472, 2139, 4},
    {452, 2143, 4},
};
constexpr uint32_t kNotTakenBack[] = {2103, 2131, 2135, 2139, 2143};

}  // namespace

void ConvertOldRecordA(const uint8_t* old, uint8_t* record) {
    std::memset(record + R::kValues, 0, 4 * 48);
    std::memset(record + R::kResults, 0, 4 * cor::kValueCount);
    std::memset(record + R::kWords, 0, 152);
    for (const Move& m : kRecordAMoves) std::memcpy(record + m.to, old + m.from, m.size);
    for (int i = 0; i < cor::kLimitEntries; ++i) {
        std::memcpy(record + R::kLimitCodes + 4 * i, old + 1025 + 4 * i, 4);
        std::memcpy(record + R::kLimitValues + 8 * i, old + 1053 + 8 * i, 8);
    }
    for (int k : {19, 21, 22, 23, 24, 25, 26}) cor::SetResult(record, k, 0.0f);
}

void ConvertOldRecordB(const uint8_t* record, uint8_t* old) {
    for (const Move& m : kRecordAMoves) {
        if (std::find(std::begin(kNotTakenBack), std::end(kNotTakenBack), m.to) !=
            std::end(kNotTakenBack))
            continue;
        std::memcpy(old + m.from, record + m.to, m.size);
    }
    for (int i = 0; i < cor::kLimitEntries; ++i) {
        std::memcpy(old + 1025 + 4 * i, record + R::kLimitCodes + 4 * i, 4);
        std::memcpy(old + 1053 + 8 * i, record + R::kLimitValues + 8 * i, 8);
    }
}
