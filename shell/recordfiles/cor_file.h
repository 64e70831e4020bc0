// Sample-record files: a 251-byte header, a 96-byte preamble of the settings
// in force, then records of 2,339 bytes, each one water analysis with its
// descriptions, results, limits and further texts. Records are kept as their
// bytes; the offsets below name the fields the converter touches, and every
// other byte is carried unchanged.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cor {

constexpr uint32_t kHeaderBytes = 251;
constexpr uint32_t kPreambleBytes = 96;
constexpr uint32_t kFirstRecord = kHeaderBytes + kPreambleBytes;  // 347
constexpr uint32_t kRecordBytes = 2339;

// The header.
namespace Header {
enum : uint32_t { kRecordCount = 0, kText1 = 4, kText2 = 24, kInhibitorFile = 44 };
}

// The record.
namespace Record {
enum : uint32_t {
    kCarried = 0,        // 2 u16 and 4 u32
    kSampleNumber = 20,  // the WaterAnalysis head
    kReportDate = 22,
    kSampleDate = 26,
    kSampleTime = 30,
    kValues = 32,    // 64 f32
    kResults = 288,  // 64 f32 in IndexCode order
    kDescription = 544,
    kFields = 1568,  // the fields up to 1946, one block in every layout
    kLimitCodes = 2007,
    kLimitValues = 2035,
    kWords = 2091,  // 38 u32
    kUnits = 2243,  // the UnitCodes in force at the conversion
};
constexpr uint32_t kFieldsBytes = 1947 - kFields;
}  // namespace Record

constexpr int kValueCount = 64;
constexpr int kLimitEntries = 7;

// The preamble: the settings the file's records were entered with.
struct Preamble {
    int16_t version;
    uint16_t alkalinityMode;
    uint16_t carbonateModel;
    uint16_t units[40];
    uint16_t balancing[5];
};
void EncodePreamble(const Preamble& p, uint8_t* out);  // kPreambleBytes
void DecodePreamble(const uint8_t* in, Preamble& p);
// The live settings as a preamble, and back.
[[nodiscard]] Preamble LivePreamble(int16_t version);
void ApplyPreamble(const Preamble& p);

// Value `e` of a record's analysis, result `k`.
float Value(const uint8_t* record, int e);
void SetValue(uint8_t* record, int e, float v);
float Result(const uint8_t* record, int k);
void SetResult(uint8_t* record, int k, float v);

}  // namespace cor
