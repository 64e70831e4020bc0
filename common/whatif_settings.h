// The what-if ranges and options of one water, the waterflood mixing zone, pH
// control and the 3D graph ranges: the settings the scenario drivers read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/byte_io.h"

// The single-water what-if ranges, 15 f32 (60 bytes in files). Each profile axis
// has seven points, low + k x (high - low) / 6 for k = 0..6.
struct WhatIfSettings {
    float phLow;
    float phHigh;
    float phEval;
    float pressureLow;
    float pressureHigh;
    float pressureEval;
    float pco2Low;
    float pco2High;
    float pco2Eval;
    float reserved[3];
    float temperatureLow;
    float temperatureHigh;
    float temperatureEval;
};
static_assert(sizeof(WhatIfSettings) == 60, "WhatIfSettings is 15 f32");

// The what-if dialog's switches.
struct WhatIfOptions {
    uint32_t forcePhToEvalForPressure;
    uint32_t useInputTemperature;
    uint32_t useInputPh;
    uint32_t correctPhForTemperature;
    uint32_t wellLogPtSource;  // source of the well stations' pressures and temperatures: 0, 1, 2
    uint16_t varyPco2;         // 1: pCO2 instead of pH is the profile variable
    uint16_t carbonateModel;   // 0..3: 0 and 2 conserve total carbon, 1 and 3 alkalinity (open)
};

// The well profile: 16 f32 (64 bytes in files).
struct WellLogSpecs {
    float value[16];
};
static_assert(sizeof(WellLogSpecs) == 64, "WellLogSpecs is 16 f32");

// The injection-water percent range of the mixing-ratio profile and its grid copies.
struct MixingZoneSettings {
    float mixLowPercent;
    float mixHighPercent;
    float mixStepPercent;  // (high - low) / 6
    float mixTypicalPercent;
    float gridMixLow;
    float gridMixHigh;
};

// pH control: the target pH and how to reach it.
namespace PhControlMethod {
enum : uint16_t { kNone = 0, kAcid = 1, kAlkali = 2, kBoth = 3 };
}
namespace AcidChemical {
enum : uint16_t {
    kSulfuric = 0,
    kHydrochloric = 1,
    kCarbonDioxide = 2,
    kSulfuric2 = 3,
    kNone = 0xFFFF
};
}
namespace AlkaliChemical {
enum : uint16_t {
    kLime = 0,
    kSodaAsh = 1,
    kSodiumBicarbonate = 2,
    kCausticSoda = 3,
    kCausticPotash = 4,
    kNone = 0xFFFF
};
}

struct PhControlSettings {
    float targetPh;
    uint16_t phControlMethod;
    uint16_t phPredictionMethod;
    uint16_t acidChemical;
    uint16_t alkaliChemical;
};

// The ranges of the 3D graphs and the grids: 18 f32 (72 bytes in files), three
// unused values between the pCO2 row and the mixing row.
struct GraphRangeSettings {
    float gridPhLow;
    float gridPhHigh;
    float gridPhEval;
    float gridTemperatureLow;
    float gridTemperatureHigh;
    float gridTemperatureEval;
    float gridPressureLow;
    float gridPressureHigh;
    float gridPressureEval;
    float gridPco2Low;
    float gridPco2High;
    float gridPco2Eval;
    float reserved[3];
    float gridMixLow;
    float gridMixHigh;
    float mixTypicalPercent;
};
static_assert(sizeof(GraphRangeSettings) == 72, "GraphRangeSettings is 18 f32");

// The graphs chosen in the Choose Graphs dialog: a leading word, the count (-1
// while none is chosen) and up to four IndexCode values; 12 bytes in files.
// Beside them, held in memory only, the list row of the mineral chosen for the
// graphs by the mineral chooser.
struct GraphChoice {
    int16_t leadingWord;
    int16_t count;
    int16_t codes[4];
    int32_t mineralPosition = 0;
};
constexpr int kGraphChoiceFileBytes = 12;
static_assert(offsetof(GraphChoice, mineralPosition) == kGraphChoiceFileBytes,
              "GraphChoice keeps its 12 file bytes first");

// Codes of the dose graphs that GraphChoice can hold beside the IndexCode values.
namespace GraphCode {
enum : int16_t { kDose = 89, kAcidDose = 90, kAlkaliDose = 91 };
}

// The float fields of the range records in their file order.
inline constexpr float WhatIfSettings::*kWhatIfSettingsFields[15] = {
    &WhatIfSettings::phLow,
    &WhatIfSettings::phHigh,
    &WhatIfSettings::phEval,
    &WhatIfSettings::pressureLow,
    &WhatIfSettings::pressureHigh,
    &WhatIfSettings::pressureEval,
    &WhatIfSettings::pco2Low,
    &WhatIfSettings::pco2High,
    &WhatIfSettings::pco2Eval,
    nullptr,
    nullptr,
    nullptr,
    &WhatIfSettings::temperatureLow,
    &WhatIfSettings::temperatureHigh,
    &WhatIfSettings::temperatureEval,
};

inline void EncodeWhatIfSettings(const WhatIfSettings& s, bytes::Writer& out) {
    for (int i = 0; i < 15; ++i) {
        auto field = kWhatIfSettingsFields[i];
        out.F32(field ? s.*field : s.reserved[i - 9]);
    }
}
inline void DecodeWhatIfSettings(bytes::Reader& in, WhatIfSettings& s) {
    for (int i = 0; i < 15; ++i) {
        auto field = kWhatIfSettingsFields[i];
        (field ? s.*field : s.reserved[i - 9]) = in.F32();
    }
}
inline void EncodeWellLogSpecs(const WellLogSpecs& s, bytes::Writer& out) {
    for (float v : s.value) out.F32(v);
}
inline void DecodeWellLogSpecs(bytes::Reader& in, WellLogSpecs& s) {
    for (float& v : s.value) v = in.F32();
}

// File order: the four rows of pH, temperature, pressure and pCO2, the three
// unused values (the null entries), then the mixing row.
inline constexpr float GraphRangeSettings::*kGraphRangeFields[18] = {
    &GraphRangeSettings::gridPhLow,
    &GraphRangeSettings::gridPhHigh,
    &GraphRangeSettings::gridPhEval,
    &GraphRangeSettings::gridTemperatureLow,
    &GraphRangeSettings::gridTemperatureHigh,
    &GraphRangeSettings::gridTemperatureEval,
    &GraphRangeSettings::gridPressureLow,
    &GraphRangeSettings::gridPressureHigh,
    &GraphRangeSettings::gridPressureEval,
    &GraphRangeSettings::gridPco2Low,
    &GraphRangeSettings::gridPco2High,
    &GraphRangeSettings::gridPco2Eval,
    nullptr,
    nullptr,
    nullptr,
    &GraphRangeSettings::gridMixLow,
    &GraphRangeSettings::gridMixHigh,
    &GraphRangeSettings::mixTypicalPercent,
};

inline void EncodeGraphRangeSettings(const GraphRangeSettings& s, bytes::Writer& out) {
    for (int i = 0; i < 18; ++i) {
        auto field = kGraphRangeFields[i];
        out.F32(field ? s.*field : s.reserved[i - 12]);
    }
}
inline void DecodeGraphRangeSettings(bytes::Reader& in, GraphRangeSettings& s) {
    for (int i = 0; i < 18; ++i) {
        auto field = kGraphRangeFields[i];
        (field ? s.*field : s.reserved[i - 12]) = in.F32();
    }
}
inline void EncodeGraphChoice(const GraphChoice& g, bytes::Writer& out) {
    out.I16(g.leadingWord);
    out.I16(g.count);
    for (int16_t c : g.codes) out.I16(c);
}
inline void DecodeGraphChoice(bytes::Reader& in, GraphChoice& g) {
    g.leadingWord = in.I16();
    g.count = in.I16();
    for (int16_t& c : g.codes) c = in.I16();
}
