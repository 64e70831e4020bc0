// The user's unit choices: one u16 code per analysis item, with the reporting
// mode and the alkalinity entry mode kept beside them.
#pragma once

#include <cstdint>

#include "common/byte_io.h"

// Index of each item in UnitCodes::code.
namespace UnitItem {
enum : int {
    kCalcium = 0,
    kMagnesium = 1,
    kSodium = 2,
    kPotassium = 3,
    kIron = 4,
    kAmmonia = 5,
    kPh = 6,
    kAluminum = 7,
    kBoron = 8,
    kChloride = 9,
    kSulfate = 10,
    kMAlkalinity = 11,
    kPAlkalinity = 12,
    kH2S = 13,
    kSilica = 14,
    kPhosphate = 15,
    kFluoride = 16,
    kNitrate = 17,
    kTemperature = 18,  // 0 degrees F, 1 degrees C, 2 K
    kStrontium = 19,
    kBarium = 20,
    kLithium = 21,
    kPressure = 22,     // 0 atm, 1 bar, 2 psia, 3 kPa
    kGasCo2 = 23,
    kDensity = 24,
    kCorrosionRate = 25,
    kResidenceTime = 26,
    kDateFormat = 27,
    kBrineFlow = 28,
    kOilFlow = 29,
    kGasFlow = 30,
    kGasH2S = 31,
    kManganese = 32,
    kZinc = 33,
    kBromine = 34,
    kLead = 35,
    kPolyphosphate = 36,
    kOxalate = 37,
    kCount = 40,
};
}  // namespace UnitItem

namespace TemperatureUnit {
enum : uint16_t { kFahrenheit = 0, kCelsius = 1, kKelvin = 2 };
}
namespace PressureUnit {
enum : uint16_t { kAtm = 0, kBar = 1, kPsia = 2, kKPa = 3 };
}
// reportingMode: how concentrations are reported.
namespace ReportingMode {
enum : uint16_t { kPpm = 1, kMgPerL = 2, kEpm = 3 };
}

struct UnitCodes {
    uint16_t code[40];
};
static_assert(sizeof(UnitCodes) == 80, "UnitCodes is 80 bytes in files");

inline void EncodeUnitCodes(const UnitCodes& u, bytes::Writer& out) {
    for (uint16_t c : u.code) out.U16(c);
}
inline void DecodeUnitCodes(bytes::Reader& in, UnitCodes& u) {
    for (uint16_t& c : u.code) c = in.U16();
}
