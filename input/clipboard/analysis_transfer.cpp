// The byte layout of "tkIntermediate": 64 f32 values, 64 i32 unit codes, the
// marker, the sample header and eight 128-byte description lines.
#include "input/clipboard/analysis_transfer.h"

#include <cmath>
#include <cstring>

#include "common/byte_io.h"

namespace {

static_assert(kTransferSlots * 4 * 2 + 4 + 2 + 4 + 4 + 2 + 8 * kTransferDescriptionChars ==
                  kAnalysisTransferBytes,
              "tkIntermediate holds 1,552 bytes");

}  // namespace

void EncodeAnalysisTransfer(const AnalysisTransfer& t, uint8_t* out) {
    bytes::Writer w(out, kAnalysisTransferBytes);
    for (float v : t.values) w.F32(v);
    for (int32_t u : t.units) w.I32(u);
    w.U32(t.marker);
    w.I16(t.sampleNumber);
    w.I32(t.reportDate);
    w.I32(t.sampleDate);
    w.I16(t.sampleTime);
    w.Raw(t.descriptions, sizeof t.descriptions);
}

void EncodeAnalysisBlock(const AnalysisTransfer& t, uint8_t* out) {
    std::memset(out, 0, kAnalysisTransferBlockBytes);
    EncodeAnalysisTransfer(t, out);
    if (!t.sender.present) return;
    bytes::Writer w(out + kAnalysisTransferBytes, kSenderUnitsBytes);
    w.U32(kSenderUnitsTag);
    w.U16(t.sender.reportingMode);
    w.U16(t.sender.alkalinityMode);
    for (uint16_t c : t.sender.codes) w.U16(c);
    for (float v : t.sender.values) w.F32(v);
}

namespace {

void DecodeSenderUnits(const uint8_t* in, size_t size, SenderUnits& s) {
    s = SenderUnits{};
    if (size < kAnalysisTransferBytes + kSenderUnitsBytes) return;
    bytes::Reader r(in + kAnalysisTransferBytes, kSenderUnitsBytes);
    if (r.U32() != kSenderUnitsTag) return;
    s.reportingMode = r.U16();
    s.alkalinityMode = r.U16();
    for (uint16_t& c : s.codes) c = r.U16();
    for (int e = 0; e < kTransferSlots; ++e) {
        float& v = s.values[e];
        v = r.F32();
        if (std::isfinite(v)) continue;
        v = 0.0f;
        s.notFinite |= uint64_t{1} << e;
    }
    s.present = r.ok();
}

}  // namespace

bool DecodeAnalysisTransfer(const uint8_t* in, size_t size, AnalysisTransfer& t,
                            uint64_t* notFinite) {
    if (notFinite != nullptr) *notFinite = 0;
    if (in == nullptr || size < kAnalysisTransferBytes) return false;
    bytes::Reader r(in, kAnalysisTransferBytes);
    for (int slot = 0; slot < kTransferSlots; ++slot) {
        float& v = t.values[slot];
        v = r.F32();
        if (std::isfinite(v)) continue;
        v = 0.0f;
        if (notFinite != nullptr) *notFinite |= uint64_t{1} << slot;
    }
    for (int32_t& u : t.units) u = r.I32();
    t.marker = r.U32();
    t.sampleNumber = r.I16();
    t.reportDate = r.I32();
    t.sampleDate = r.I32();
    t.sampleTime = r.I16();
    r.Raw(t.descriptions, sizeof t.descriptions);
    for (std::size_t i = 0; i < sizeof t.descriptions / sizeof t.descriptions[0]; ++i)
        t.descriptions[i][kTransferDescriptionChars - 1] = '\0';
    DecodeSenderUnits(in, size, t.sender);
    return r.ok();
}
