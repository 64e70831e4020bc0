// Conversion between the older product layout and the current table. Both
// directions work on the byte images: a current component record is encoded to
// its 1,000 bytes, and the older record's fields are copied to and from their
// places in it, so every field keeps its exact bits.
#include "treatment/files/older_product_layout.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/byte_io.h"
#include "treatment/product_table_codec.h"

namespace {

// Places of the fields in a current component record's 1,000 bytes.
namespace Current {
enum : int {
    kLimitCode = 0,
    kMode = 2,
    kActivesPercent = 4,
    kBlendShare = 8,
    kName = 12,
    kFileName = 32,
    kFunctionText = 112,
    kComponentLimits = 192,
    kTermCodes = 600,
    kResultSwitch = 626,
    kTermBounds = 628,
    kPKa25 = 680,
    kPKaEnthalpy = 700,
    kDoseModel = 743,
    kActiveConc = 747,
};
}

constexpr int kNameChars = 20;
constexpr int kTextChars = 80;
// The three figures ahead of the component record in an entry.
constexpr int kEntryActives = 0, kEntryShare = 4, kEntryActiveConc = 8, kEntryComponent = 12;

using RecordImage = uint8_t[kProductRecordBytes];

void EncodeImage(const ProductRecord& r, RecordImage& image) {
    bytes::Writer out(image, kProductRecordBytes);
    EncodeProductRecord(r, out);
}

// A text copied into a field whose last byte stays the terminator.
void CopyText(char* dst, size_t size, const uint8_t* src, size_t srcSize) {
    std::memset(dst, 0, size);
    std::memcpy(dst, src, std::min(size - 1, srcSize));
    dst[size - 1] = '\0';
}

// The current record of one older entry.
void RecordFromEntry(const uint8_t* entry, ProductRecord& r) {
    const uint8_t* comp = entry + kEntryComponent;
    RecordImage image = {};
    std::memcpy(image + Current::kLimitCode, comp + OlderComponent::kLimitCode, 2);
    std::memcpy(image + Current::kMode, comp + OlderComponent::kMode, 2);
    std::memcpy(image + Current::kActivesPercent, entry + kEntryActives, 4);
    std::memcpy(image + Current::kBlendShare, entry + kEntryShare, 4);
    for (int k = 0; k < kComponentLimitCount; ++k) {
        uint8_t* limit = image + Current::kComponentLimits + kComponentLimitBytes * k;
        std::memcpy(limit, comp + OlderComponent::kLimitCodes + 4 * k, 4);
        std::memcpy(limit + 4, comp + OlderComponent::kLimitBounds + 8 * k, 8);
    }
    for (int t = 0; t < kDoseTermCount; ++t) {
        bytes::PutF32(image + Current::kTermBounds + 8 * t, kUnsetLimit);
        bytes::PutF32(image + Current::kTermBounds + 8 * t + 4, kUnsetLimit);
    }
    std::memcpy(image + Current::kDoseModel, comp + OlderComponent::kDoseModel,
                OlderComponent::kDoseModelBytes);
    std::memcpy(image + Current::kActiveConc, entry + kEntryActiveConc, 4);
    bytes::Reader in(image, kProductRecordBytes);
    DecodeProductRecord(in, r);
    CopyText(r.name, sizeof r.name, comp + OlderComponent::kName, kNameChars);
    CopyText(r.fileName, sizeof r.fileName, comp + OlderComponent::kFileName, kTextChars);
    CopyText(r.functionText, sizeof r.functionText, comp + OlderComponent::kFunctionText,
             kTextChars);
}

// The older entry of one current record.
void EntryFromRecord(const ProductRecord& r, uint8_t* entry) {
    RecordImage image;
    EncodeImage(r, image);
    std::memset(entry, 0, kOlderEntryBytes);
    uint8_t* comp = entry + kEntryComponent;
    std::memcpy(entry + kEntryActives, image + Current::kActivesPercent, 4);
    std::memcpy(entry + kEntryShare, image + Current::kBlendShare, 4);
    std::memcpy(entry + kEntryActiveConc, image + Current::kActiveConc, 4);
    std::memcpy(comp + OlderComponent::kMode, image + Current::kMode, 2);
    std::memcpy(comp + OlderComponent::kDoseModel, image + Current::kDoseModel,
                OlderComponent::kDoseModelBytes);
    std::memcpy(comp + OlderComponent::kLimitCode, image + Current::kLimitCode, 2);
    std::memcpy(comp + OlderComponent::kFileName, image + Current::kFileName, kTextChars);
    std::memcpy(comp + OlderComponent::kName, image + Current::kName, kNameChars);
    std::memcpy(comp + OlderComponent::kFunctionText, image + Current::kFunctionText, kTextChars);
    for (int k = 0; k < kComponentLimitCount; ++k) {
        const uint8_t* limit = image + Current::kComponentLimits + kComponentLimitBytes * k;
        std::memcpy(comp + OlderComponent::kLimitCodes + 4 * k, limit, 4);
        std::memcpy(comp + OlderComponent::kLimitBounds + 8 * k, limit + 4, 8);
    }
}

// What the older layout has no place for (a kind-99 model without terms it
// holds: the kind is part of the dose model).
bool UsesCurrentOnlyFields(const ProductRecord& r) {
    if (r.resultSwitch != 0) return true;
    if (r.pKa25 != 0.0f || r.pKaEnthalpy != 0.0f) return true;
    for (int t = 0; t < kDoseTermCount; ++t)
        if (r.termCode[t] != 0 || r.termTransform[t] != 0) return true;
    return false;
}

}  // namespace

int16_t OlderComponentCount(const OlderProductState& s) {
    return bytes::GetI16(s.baseRecord + OlderBase::kCount);
}

void BuildEntriesFromBase(OlderProductState& s) {
    const int count = std::clamp<int>(OlderComponentCount(s), 0, kOlderBaseComponents);
    for (int i = 0; i < count; ++i) {
        uint8_t* entry = s.entries[i];
        std::memcpy(entry + kEntryActives, s.baseRecord + OlderBase::kActivesPercent + 4 * i, 4);
        std::memcpy(entry + kEntryShare, s.baseRecord + OlderBase::kBlendShare + 4 * i, 4);
        std::memcpy(entry + kEntryActiveConc, s.baseRecord + OlderBase::kActiveConc + 4 * i, 4);
        std::memcpy(entry + kEntryComponent,
                    s.baseRecord + OlderBase::kComponents + kOlderComponentBytes * i,
                    kOlderComponentBytes);
    }
}

void ConvertOlderProduct(const OlderProductState& s, ProductTable& out) {
    std::memset(&out, 0, sizeof out);
    const uint8_t* base = s.baseRecord;
    out.baseRecordCode = bytes::GetI16(base + OlderBase::kCode);
    out.componentCount = OlderComponentCount(s);
    out.selection = bytes::GetU16(base + OlderBase::kSelection);
    out.headerValue = bytes::GetF32(base + OlderBase::kHeaderValue);
    out.headerLimit = bytes::GetF32(base + OlderBase::kHeaderLimit);
    out.limitsWord = s.limitsWord;
    for (int i = 0; i < kLimitSlotCount; ++i) {
        const uint8_t* slot = s.limitsBlock + kOlderLimitSlotBytes * i;
        out.limits[i] = LimitSlot{bytes::GetI16(slot), bytes::GetU16(slot + 2),
                                  bytes::GetF32(slot + 4), bytes::GetF32(slot + 8)};
    }
    const int count = std::clamp<int>(out.componentCount, 0, kProductRecordCount);
    for (int k = 0; k < count; ++k) RecordFromEntry(s.entries[k], out.records[k]);
    ProductRecord& first = out.records[0];
    CopyText(first.name, sizeof first.name, base + OlderBase::kName, kNameChars);
    CopyText(first.fileName, sizeof first.fileName, base + OlderBase::kFileName, kTextChars);
    CopyText(first.functionText, sizeof first.functionText, base + OlderBase::kUseText, kTextChars);
}

bool MakeOlderProduct(const ProductTable& t, OlderProductState& out) {
    const int count = t.componentCount;
    if (count < 1 || count > kProductRecordCount) return false;
    for (int k = 0; k < count; ++k)
        if (UsesCurrentOnlyFields(t.records[k])) return false;

    auto s = std::make_unique<OlderProductState>();
    std::memset(s.get(), 0, sizeof *s);
    uint8_t* base = s->baseRecord;
    bytes::PutI16(base + OlderBase::kCode, t.baseRecordCode);
    bytes::PutI16(base + OlderBase::kCount, t.componentCount);
    bytes::PutU16(base + OlderBase::kSelection, t.selection);
    bytes::PutF32(base + OlderBase::kHeaderValue, t.headerValue);
    bytes::PutF32(base + OlderBase::kHeaderLimit, t.headerLimit);
    const ProductRecord& first = t.records[0];
    std::memcpy(base + OlderBase::kName, first.name, kNameChars);
    std::memcpy(base + OlderBase::kFileName, first.fileName, kTextChars);
    std::memcpy(base + OlderBase::kUseText, first.functionText, kTextChars);
    for (int k = 0; k < count; ++k) {
        uint8_t* entry = s->entries[k];
        EntryFromRecord(t.records[k], entry);
        if (k >= kOlderBaseComponents) continue;
        std::memcpy(base + OlderBase::kActivesPercent + 4 * k, entry + kEntryActives, 4);
        std::memcpy(base + OlderBase::kBlendShare + 4 * k, entry + kEntryShare, 4);
        std::memcpy(base + OlderBase::kActiveConc + 4 * k, entry + kEntryActiveConc, 4);
        std::memcpy(base + OlderBase::kComponents + kOlderComponentBytes * k,
                    entry + kEntryComponent, kOlderComponentBytes);
    }
    s->limitsWord = t.limitsWord;
    for (int i = 0; i < kLimitSlotCount; ++i) {
        uint8_t* slot = s->limitsBlock + kOlderLimitSlotBytes * i;
        const LimitSlot& l = t.limits[i];
        bytes::PutI16(slot, l.limitCode);
        bytes::PutU16(slot + 2, l.enabled);
        bytes::PutF32(slot + 4, l.lower);
        bytes::PutF32(slot + 8, l.upper);
    }
    out = *s;
    return true;
}
