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

// The sender's units, in the block's second half right after the record: a
// tag, the reporting basis, the alkalinity mode, the 40 unit choices and the 64
// values as the sender held them in those units, little-endian. A block whose
// second half lacks the tag (an older sender left it zero) carries none.
constexpr uint32_t kSenderUnitsTag = 0x31544E55;  // "UNT1"
constexpr size_t kSenderUnitsBytes = 4 + 2 + 2 + 2 * 40 + 4 * 64;
static_assert(kAnalysisTransferBytes + kSenderUnitsBytes <= kAnalysisTransferBlockBytes,
              "the sender's units fit the block");
struct SenderUnits {
    bool present = false;
    uint16_t reportingMode = 0;
    uint16_t alkalinityMode = 0;
    uint16_t codes[40] = {};
    float values[kTransferSlots] = {};  // by AnalysisElement, in the sender's units
    uint64_t notFinite = 0;             // bit 1 << element: read as 0, not a number
};

struct AnalysisTransfer {
    float values[kTransferSlots];   // base units, by slot (TransferSlot)
    int32_t units[kTransferSlots];  // the sender's unit codes, by slot
    uint32_t marker;                // 1
    int16_t sampleNumber;
    int32_t reportDate;  // packed dates
    int32_t sampleDate;
    int16_t sampleTime;  // hours x 100 + minutes
    char descriptions[8][kTransferDescriptionChars];
    SenderUnits sender;  // in the block's second half
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
// Writes the whole block, kAnalysisTransferBlockBytes: the record, then the
// sender's units when present, the rest zero.
void EncodeAnalysisBlock(const AnalysisTransfer& transfer, uint8_t* out);
// Reads a record from `size` bytes: false when fewer than 1,552 are given. A value
// that is not a finite number reads as 0, its slot's bit (1 << slot) set in
// `notFinite` when given, and every description line is ended within its 128
// bytes. The sender's units are read when the bytes hold them whole after the
// record, with the tag; their values that are no finite number read as 0 with
// their bits set in `sender.notFinite`.
[[nodiscard]] bool DecodeAnalysisTransfer(const uint8_t* in, size_t size,
                                          AnalysisTransfer& transfer,
                                          uint64_t* notFinite = nullptr);
