// One water analysis as the program stores it: the header of the sample and 64
// values, each in the unit the user chose for it (UnitCodes). Work files and the
// clipboard store the record whole, 268 bytes, little-endian.
#pragma once

#include <cstdint>

#include "common/byte_io.h"

// Fixed index of each quantity in WaterAnalysis::values.
namespace AnalysisElement {
enum : int {
    kPh = 0,               // pH; -1.0 means compute it from pCO2
    kAlkalinity = 1,       // total alkalinity as CaCO3
    kChloride = 2,
    kSulfate = 3,
    kSilica = 4,
    kPhosphate = 5,
    kFluoride = 6,
    kCalcium = 7,
    kMagnesium = 8,
    kSodium = 9,
    kAmmonia = 10,
    kIron = 11,
    kAluminum = 12,
    kMAlkalinity = 13,     // M alkalinity, or bicarbonate
    kPAlkalinity = 14,     // P alkalinity, or carbonate
    kTemperature = 15,
    kManganese = 16,
    kPotassium = 17,
    kBoron = 18,
    kH2S = 19,
    kNitrate = 20,
    kZinc = 21,
    kReportingMode = 22,   // the reporting mode, carried as a float
    kSpeciesGiven = 23,    // 1.0 when the carbonate species are given
    kAlkalinityMode = 24,  // the alkalinity entry mode, carried as a float
    kBromine = 25,
    kCarbonateAlkalinity = 26,  // engine: carbonate alkalinity as CaCO3 of the last reference pass
    kPH2S = 27,
    kH2CO3 = 28,
    kBicarbonate = 29,     // calculated
    kCarbonate = 30,       // calculated
    kAlkalinityEq = 31,    // alkalinity in eq/L
    kIonicStrength = 32,   // engine
    kTotalCarbonate = 33,  // total carbonate in mol/L
    kConductivity = 34,    // engine: calculated conductivity / buffer capacity
    kStrontium = 35,
    kBarium = 36,
    kLithium = 37,
    kPressure = 38,
    kPco2 = 39,
    kDensity = 40,
    kCompanionPh = 41,     // -1.0 none
    kLead = 42,
    kAcidity = 43,         // acidity, or dissolved CO2
    kResultScale = 44,     // engine: result scale factor
    kBrineFlow = 45,
    kOilFlow = 46,
    kGasFlow = 47,
    kPolyphosphate = 48,
    kOxalate = 49,
    kCount = 64,
};
}  // namespace AnalysisElement

// In files the fields lie in the order sampleNumber, reportDate, sampleDate,
// sampleTime, values (the encoder below writes that order). In memory the floats
// come first so that every field is naturally aligned and the record has no
// padding: the same 268 bytes, safe to take references and pointers into.
struct WaterAnalysis {
    float values[64];
    int32_t reportDate;    // packed date
    int32_t sampleDate;    // packed date
    int16_t sampleNumber;  // the form's "ID#"
    int16_t sampleTime;    // hours x 100 + minutes
};
static_assert(sizeof(WaterAnalysis) == 268, "WaterAnalysis is 268 bytes in files");

constexpr int kWaterAnalysisBytes = 268;

inline void EncodeWaterAnalysis(const WaterAnalysis& w, bytes::Writer& out) {
    out.I16(w.sampleNumber);
    out.I32(w.reportDate);
    out.I32(w.sampleDate);
    out.I16(w.sampleTime);
    for (float v : w.values) out.F32(v);
}

inline void DecodeWaterAnalysis(bytes::Reader& in, WaterAnalysis& w) {
    w.sampleNumber = in.I16();
    w.reportDate = in.I32();
    w.sampleDate = in.I32();
    w.sampleTime = in.I16();
    for (float& v : w.values) v = in.F32();
}

// Eight identification texts of 128 bytes kept beside each stored water (sample
// identification, comments; field 0 names a multi-mix water).
struct SampleDescription {
    char text[8][128];
};
static_assert(sizeof(SampleDescription) == 1024, "SampleDescription is 1,024 bytes in files");

inline void EncodeSampleDescription(const SampleDescription& d, bytes::Writer& out) {
    for (const char(&line)[128] : d.text) out.Text(line, sizeof line);
}
inline void DecodeSampleDescription(bytes::Reader& in, SampleDescription& d) {
    in.Raw(d.text, sizeof d.text);
}
