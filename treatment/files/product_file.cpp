// Reading and writing treatment product files in their three layouts.
#include "treatment/files/product_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "common/byte_io.h"
#include "platform/files/file_io.h"
#include "treatment/files/older_product_layout.h"
#include "treatment/files/product_checks.h"
#include "treatment/product_table_codec.h"

namespace {

constexpr size_t kOlderLimitsBytes = 4 + kOlderLimitsBlockBytes;

// XOR of a block with the key, byte i with key[i mod 8].
void Scramble(uint8_t* block, size_t size, const uint8_t* key) {
    if (key == nullptr) return;
    for (size_t i = 0; i < size; ++i) block[i] ^= key[i % kScrambleKeyBytes];
}

bool AllZero(const uint8_t* p, size_t n) {
    for (size_t k = 0; k < n; ++k)
        if (p[k] != 0) return false;
    return true;
}

// The bytes the older layout leaves unused are written as zeros; a file whose
// unused bytes are not is damaged or read with the wrong key.
struct Gap {
    int at;
    int bytes;
};
constexpr Gap kBaseGaps[] = {{118, 4}, {202, 21}, {3964, 1}};
constexpr Gap kComponentGaps[] = {{200, 39}, {419, 20}};
constexpr Gap kLimitSlotGap = {12, 8};

bool GapsEmpty(const uint8_t* block, const Gap* gaps, size_t n) {
    for (size_t g = 0; g < n; ++g)
        if (!AllZero(block + gaps[g].at, static_cast<size_t>(gaps[g].bytes))) return false;
    return true;
}

bool OlderGapsEmpty(const OlderProductState& s, int count) {
    if (!GapsEmpty(s.baseRecord, kBaseGaps, std::size(kBaseGaps))) return false;
    for (int k = 0; k < count && k < kOlderBaseComponents; ++k)
        if (!GapsEmpty(s.baseRecord + OlderBase::kComponents + kOlderComponentBytes * k,
                       kComponentGaps, std::size(kComponentGaps)))
            return false;
    for (int k = kOlderBaseComponents; k < count; ++k)
        if (!GapsEmpty(s.entries[k] + 12, kComponentGaps, std::size(kComponentGaps))) return false;
    for (int i = 0; i < kLimitSlotCount; ++i)
        if (!GapsEmpty(s.limitsBlock + kOlderLimitSlotBytes * i, &kLimitSlotGap, 1)) return false;
    return true;
}

bool CountInRange(int count) {
    return count >= 1 && count <= kProductRecordCount;
}

ProductFileFault DecodeCurrent(uint8_t* body, size_t size, const uint8_t* key,
                               ProductTable& scratch) {
    Scramble(body, size, key);
    if (bytes::GetU32(body) != kProductFileStamp) return ProductFileFault::kStamp;
    if (!ProductTableFromBytes(body + 4, size - 4, scratch)) return ProductFileFault::kSize;
    if (!CountInRange(scratch.componentCount)) return ProductFileFault::kCount;
    // The places past the count hold nothing.
    const uint8_t* records = body + 4 + kProductHeaderBytes;
    for (int k = scratch.componentCount; k < kProductRecordCount; ++k)
        if (!AllZero(records + static_cast<size_t>(k) * kProductRecordBytes, kProductRecordBytes))
            return ProductFileFault::kCountHeld;
    return ProductFileFault::kNone;
}

ProductFileFault DecodeOlder(uint8_t* body, size_t size, const uint8_t* key,
                             ProductTable& scratch) {
    auto s = std::make_unique<OlderProductState>();
    std::memset(s.get(), 0, sizeof *s);
    Scramble(body, kOlderBaseBytes, key);
    std::memcpy(s->baseRecord, body, kOlderBaseBytes);
    const int count = OlderComponentCount(*s);
    if (!CountInRange(count)) return ProductFileFault::kCount;
    const size_t extra = count > kOlderBaseComponents ? count - kOlderBaseComponents : 0;
    if (size != kOlderProductFileBytes + extra * kOlderEntryBytes)
        return ProductFileFault::kCountSize;
    // The base record's component places past the count hold nothing.
    for (int k = count; k < kOlderBaseComponents; ++k) {
        const uint8_t* component = body + OlderBase::kComponents + kOlderComponentBytes * k;
        if (!AllZero(component, kOlderComponentBytes)) return ProductFileFault::kCountHeld;
        for (int figures :
             {OlderBase::kActivesPercent, OlderBase::kActiveConc, OlderBase::kBlendShare})
            if (!AllZero(body + figures + 4 * k, 4)) return ProductFileFault::kCountHeld;
    }

    uint8_t* limits = body + kOlderBaseBytes;
    Scramble(limits, kOlderLimitsBytes, key);
    s->limitsWord = bytes::GetU32(limits);
    std::memcpy(s->limitsBlock, limits + 4, kOlderLimitsBlockBytes);
    uint8_t* entry = limits + kOlderLimitsBytes;
    for (size_t k = 0; k < extra; ++k, entry += kOlderEntryBytes) {
        Scramble(entry, kOlderEntryBytes, key);
        std::memcpy(s->entries[kOlderBaseComponents + k], entry, kOlderEntryBytes);
    }
    if (!OlderGapsEmpty(*s, count)) return ProductFileFault::kGaps;
    BuildEntriesFromBase(*s);
    ConvertOlderProduct(*s, scratch);
    return ProductFileFault::kNone;
}

}  // namespace

const char* ProductFileFaultText(ProductFileFault fault) {
    switch (fault) {
        case ProductFileFault::kNone:
            return "it can be read";
        case ProductFileFault::kCannotOpen:
            return "it cannot be opened";
        case ProductFileFault::kSize:
            return "its size fits no product file layout";
        case ProductFileFault::kCount:
            return "its component count is not 1 to 28";
        case ProductFileFault::kCountSize:
            return "its component count does not match its size";
        case ProductFileFault::kStamp:
            return "its layout stamp is not 557";
        case ProductFileFault::kNotFinite:
            return "it holds a number that is not finite";
        case ProductFileFault::kCountHeld:
            return "its component count does not match the components it holds";
        case ProductFileFault::kGaps:
            return "bytes its layout leaves empty hold data (the file is damaged or its key is "
                   "wrong)";
        case ProductFileFault::kContent:
            return "a text or figure in it is out of place";
    }
    return "it cannot be read";
}

ProductFileFault DecodeProductFile(const uint8_t* data, size_t size, ProductTable& out,
                                   ProductFileInfo* info, std::string* detail) {
    if (data == nullptr || size < 2 || size > kLargestProductFileBytes)
        return ProductFileFault::kSize;
    ProductFileInfo found;
    const uint8_t* key = nullptr;
    size_t start = 0;
    if (bytes::GetU16(data) == kScrambleMarker) {
        if (size < kScrambleHeaderBytes) return ProductFileFault::kSize;
        found.scrambled = true;
        key = data + 2;
        start = kScrambleHeaderBytes;
    }
    std::vector<uint8_t> body(data + start, data + size);
    const size_t n = body.size();
    auto scratch = std::make_unique<ProductTable>();
    ProductFileFault fault;
    if (n == kCurrentProductFileBytes) {
        found.layout = ProductLayout::kCurrent;
        fault = DecodeCurrent(body.data(), n, key, *scratch);
    } else if (n >= kOlderProductFileBytes &&
               (n - kOlderProductFileBytes) % kOlderEntryBytes == 0) {
        found.layout = ProductLayout::kOlder;
        fault = DecodeOlder(body.data(), n, key, *scratch);
    } else {
        return ProductFileFault::kSize;
    }
    if (fault != ProductFileFault::kNone) return fault;
    if (!ProductNumbersFault(*scratch).empty()) return ProductFileFault::kNotFinite;
    // The texts and figures of the header and of each component (the first
    // component's texts are the product's).
    const std::string why = ProductTableFault(*scratch, scratch->componentCount);
    if (!why.empty()) {
        if (detail != nullptr) *detail = why;
        return ProductFileFault::kContent;
    }
    out = *scratch;
    if (info != nullptr) *info = found;
    return ProductFileFault::kNone;
}

std::vector<uint8_t> EncodeProductFile(const ProductTable& t, ProductLayout layout,
                                       const uint8_t* key) {
    std::vector<uint8_t> body;
    if (layout == ProductLayout::kCurrent) {
        if (!CountInRange(t.componentCount)) return {};
        body.resize(kCurrentProductFileBytes);
        bytes::PutU32(body.data(), kProductFileStamp);
        if (!ProductTableToBytes(t, body.data() + 4, body.size() - 4)) return {};
        Scramble(body.data(), body.size(), key);
    } else {
        auto s = std::make_unique<OlderProductState>();
        if (!MakeOlderProduct(t, *s)) return {};
        const int extra = std::max(0, t.componentCount - kOlderBaseComponents);
        body.resize(kOlderProductFileBytes + static_cast<size_t>(extra) * kOlderEntryBytes);
        uint8_t* p = body.data();
        std::memcpy(p, s->baseRecord, kOlderBaseBytes);
        Scramble(p, kOlderBaseBytes, key);
        p += kOlderBaseBytes;
        bytes::PutU32(p, s->limitsWord);
        std::memcpy(p + 4, s->limitsBlock, kOlderLimitsBlockBytes);
        Scramble(p, kOlderLimitsBytes, key);
        p += kOlderLimitsBytes;
        for (int k = 0; k < extra; ++k, p += kOlderEntryBytes) {
            std::memcpy(p, s->entries[kOlderBaseComponents + k], kOlderEntryBytes);
            Scramble(p, kOlderEntryBytes, key);
        }
    }
    if (key == nullptr) return body;
    std::vector<uint8_t> file(kScrambleHeaderBytes + body.size());
    bytes::PutU16(file.data(), kScrambleMarker);
    std::memcpy(file.data() + 2, key, kScrambleKeyBytes);
    std::memcpy(file.data() + kScrambleHeaderBytes, body.data(), body.size());
    return file;
}

ProductFileFault ReadProductFile(const std::string& programPath, ProductTable& out,
                                 ProductFileInfo* info, std::string* detail) {
    const win::HFILE file = win::_lopen(programPath.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) return ProductFileFault::kCannotOpen;
    const win::LONG size = win::_llseek(file, 0, 2);
    if (size < 0 || win::_llseek(file, 0, 0) != 0) {
        win::_lclose(file);
        return ProductFileFault::kCannotOpen;
    }
    if (static_cast<size_t>(size) > kLargestProductFileBytes) {
        win::_lclose(file);
        return ProductFileFault::kSize;
    }
    std::vector<uint8_t> data(static_cast<size_t>(size));
    const win::UINT read =
        size == 0 ? 0 : win::_lread(file, data.data(), static_cast<win::UINT>(data.size()));
    win::_lclose(file);
    if (read != data.size()) return ProductFileFault::kCannotOpen;
    return DecodeProductFile(data.data(), data.size(), out, info, detail);
}
