// "tkIntermediate": one water analysis on the clipboard. The values travel in
// base units together with the sender's unit codes, the sample's header and its
// eight description lines, 1,552 little-endian bytes at the start of a
// zero-filled block of twice that size.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kAnalysisTransferBytes = 1552;
constexpr size_t kAnalysisTransferBlockBytes = 2 * kAnalysisTransferBytes;
constexpr int kTransferSlots = 64;
constexpr int kTransferDescriptionChars = 128;

struct AnalysisTransfer {
    float values[kTransferSlots];   // base units, by slot (TransferSlot)
    int32_t units[kTransferSlots];  // the sender's unit codes, by slot
    uint32_t marker;                // 1
    int16_t sampleNumber;
    int32_t reportDate;  // packed dates
    int32_t sampleDate;
    int16_t sampleTime;  // hours x 100 + minutes
    char descriptions[8][kTransferDescriptionChars];
};

// Value slots that are not simply the analysis element of the same number.
namespace TransferSlot {
enum : int {
    kPh = 0,
    kTotalAlkalinity = 1,
    kTemperatureC = 15,
    kPh2sAtm = 27,
    kPressureAtm = 38,
    kPco2Atm = 39,
    kDensity = 40,
    kLead = 42,
    kResidence = 50,
    kFirstAcid = 51,  // 51..54: C2..C5
    kBicarbonate = 55,
    kCarbonate = 56,
    kAcidity = 57,
    kMAlkalinity = 58,
    kPAlkalinity = 59,
    kDissolvedCO2Copy = 60,
    kCorrosionTarget = 61,
    kOxalate = 63,
};
}  // namespace TransferSlot

// Writes the record's 1,552 bytes.
void EncodeAnalysisTransfer(const AnalysisTransfer& transfer, uint8_t* out);
// Reads a record from `size` bytes: false when fewer than 1,552 are given. A value
// that is not a finite number reads as 0, its slot's bit (1 << slot) set in
// `notFinite` when given, and every description line is ended within its 128
// bytes.
[[nodiscard]] bool DecodeAnalysisTransfer(const uint8_t* in, size_t size,
                                          AnalysisTransfer& transfer,
                                          uint64_t* notFinite = nullptr);
