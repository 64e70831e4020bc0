// Applying an older work file's records to the staged workspace: each record in
// the order of the current layout, in the form its version stores it (the forms
// are in legacy_layout.cpp). A file that ends before its last record is refused.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "treatment/files/older_product_layout.h"
#include "treatment/product/new_product.h"
#include "treatment/product_table_codec.h"

namespace legacy {
namespace {

using workfile::kRecordTable;

constexpr uint32_t kFieldChars = 128;
constexpr int kDescriptionFields = 8;
constexpr int kStoredTexts = 5;
constexpr uint32_t kAnalysisHead = 12;
constexpr uint32_t kStoredAnalysisValues = 48;
constexpr uint32_t kAnalysisBytes = 268;
constexpr uint32_t kDescriptionBytes = kFieldChars * kDescriptionFields;
constexpr uint32_t kOlderProductBytes = kOlderBaseBytes;

constexpr int kProductFirst = 89;
constexpr int kProductLast = 113;
constexpr int kProductSelected = 115;
constexpr int kRunTargetSolvers = 94;
constexpr int kCurrentDescription = 13;
constexpr int kPhProfileDone = 2;
constexpr int kTempProfileDone = 4;
constexpr int kUnits = 50;
constexpr int kResidence = 179;
constexpr int kLastWaterIndex = 190;
constexpr int kMultiMixWaters = 12;

// The file, read front to back.
struct Cursor {
    const uint8_t* data;
    size_t size;
    size_t at;
    // The next n bytes, or null when the file ends before them.
    const uint8_t* Take(size_t n) {
        if (n > size - at) return nullptr;
        const uint8_t* p = data + at;
        at += n;
        return p;
    }
};

uint8_t* Record(Staging& s, int record) {
    return s.image.data() + kRecordTable[record].offset;
}
uint32_t SizeOf(int record) {
    return kRecordTable[record].size;
}

void Zero(Staging& s, int record) {
    std::memset(Record(s, record), 0, SizeOf(record));
}

// Text field `field` of a 1,024-byte description: the stored text up to its
// first zero, never beyond `limit` bytes; the rest of the field zero.
void PutText(uint8_t* description, int field, const uint8_t* text, uint32_t limit) {
    uint8_t* to = description + field * kFieldChars;
    const uint32_t n = std::min(limit, kFieldChars - 1);
    uint32_t length = 0;
    while (length < n && text[length] != 0) ++length;
    std::memset(to, 0, kFieldChars);
    std::memcpy(to, text, length);
}

void EmptyFields(uint8_t* description, std::initializer_list<int> fields) {
    for (int f : fields) std::memset(description + f * kFieldChars, 0, kFieldChars);
}

// Rows of `perRow` f32 into the record's rows (rows of equal width): as many
// values as both hold; what the stored row lacks is zero or kept.
void PutRows(uint8_t* record, uint32_t recordBytes, const uint8_t* stored, const Form& f) {
    const uint32_t currentRow = recordBytes / f.rows;
    const uint32_t storedRow = 4u * f.perRow;
    const uint32_t copied = std::min(currentRow, storedRow);
    for (uint32_t r = 0; r < f.rows; ++r) {
        uint8_t* to = record + r * currentRow;
        std::memcpy(to, stored + r * storedRow, copied);
        if (f.rest == Rest::kZero) std::memset(to + copied, 0, currentRow - copied);
    }
}

// 204-byte analyses: the head and 48 values; values 48-63 zero.
void PutAnalyses(uint8_t* record, const uint8_t* stored, int count) {
    constexpr uint32_t kStored = kAnalysisHead + 4 * kStoredAnalysisValues;
    for (int k = 0; k < count; ++k) {
        uint8_t* to = record + k * kAnalysisBytes;
        std::memcpy(to, stored + k * kStored, kStored);
        std::memset(to + kStored, 0, kAnalysisBytes - kStored);
    }
}

void PutDescriptions(uint8_t* record, const uint8_t* stored, const Form& f) {
    for (int k = 0; k < f.rows; ++k) {
        uint8_t* d = record + k * kDescriptionBytes;
        for (int t = 0; t < kStoredTexts; ++t)
            PutText(d, t, stored + (k * kStoredTexts + t) * f.perRow, f.perRow);
        if (f.fill == Fill::kEmptyTexts56) EmptyFields(d, {5, 6});
    }
}

void ApplyFill(Staging& s, int record, Fill fill) {
    uint8_t* p = Record(s, record);
    const uint32_t size = SizeOf(record);
    switch (fill) {
        case Fill::kNone:
        case Fill::kEmptyTexts56:
            return;
        case Fill::kZero:
            Zero(s, record);
            return;
        case Fill::kMinus99:
            for (uint32_t at = 0; at + 4 <= size; at += 4) bytes::PutF32(p + at, -99.0f);
            return;
        case Fill::kStoredDescriptions:
            // The stored waters' texts come from the cleared current description.
            if (record != kCurrentDescription) EmptyFields(p, {0, 1, 2, 3, 5, 6});
            return;
        case Fill::kExcessHead: {
            const uint32_t row = size / 10;
            for (int r = 0; r < 10; ++r) std::memset(p + r * row, 0, 20 * 4);
            return;
        }
        case Fill::kGridAnalysis: {
            for (int flag : {3, 4, 10, 11, 12}) Zero(s, flag);
            const uint32_t cell = size / 49;
            for (int c = 0; c < 49; ++c)
                for (int v = 0; v < 7; ++v) bytes::PutF32(p + c * cell + 4 * v, -1.0f);
            return;
        }
        case Fill::kTempProfileUndone:
            Zero(s, kTempProfileDone);
            return;
        case Fill::kPhProfileUndone:
            Zero(s, kPhProfileDone);
            return;
    }
}

// One record of the layout (not the product block); false when the file ends.
bool ApplyRecord(Cursor& in, Staging& s, int record, const Form& f) {
    uint8_t* p = Record(s, record);
    const uint32_t size = SizeOf(record);
    const uint8_t* stored = nullptr;
    switch (f.stored) {
        case Stored::kAbsent:
            break;
        case Stored::kCurrent:
            if ((stored = in.Take(size)) == nullptr) return false;
            std::memcpy(p, stored, size);
            break;
        case Stored::kRows:
            if ((stored = in.Take(f.bytes)) == nullptr) return false;
            PutRows(p, size, stored, f);
            break;
        case Stored::kAnalyses:
            if ((stored = in.Take(f.bytes)) == nullptr) return false;
            PutAnalyses(p, stored, f.rows);
            break;
        case Stored::kDescriptions:
            if ((stored = in.Take(f.bytes)) == nullptr) return false;
            PutDescriptions(p, stored, f);
            break;
        case Stored::kSkip:
            if (in.Take(f.bytes) == nullptr) return false;
            break;
        case Stored::kUnits62:
        case Stored::kConstants32:
            // The first values as stored, the values the older form lacks 0.
            if ((stored = in.Take(f.bytes)) == nullptr) return false;
            std::memcpy(p, stored, f.bytes);
            std::memset(p + f.bytes, 0, size - f.bytes);
            break;
        case Stored::kWords14:
            if ((stored = in.Take(f.bytes)) == nullptr) return false;
            for (uint32_t k = 0; k < size / 4; ++k) {
                const float v = k < 7 ? static_cast<float>(bytes::GetI16(stored + 2 * k)) : 0.0f;
                bytes::PutF32(p + 4 * k, v);
            }
            break;
        case Stored::kProductTable:
        case Stored::kOlderProduct:
        case Stored::kNoProduct:
            return false;  // the product block is read as a whole
    }
    ApplyFill(s, record, f.fill);
    return true;
}

bool ApplyCurrentRecords(Cursor& in, Staging& s, int first, int last) {
    for (int r = first; r <= last; ++r) {
        const uint8_t* stored = in.Take(SizeOf(r));
        if (stored == nullptr) return false;
        std::memcpy(Record(s, r), stored, SizeOf(r));
    }
    return true;
}

// The older product base record, its limits and component entries.
bool ApplyOlderProduct(Cursor& in, Staging& s, int16_t version) {
    OlderProductState& o = s.older;
    const uint8_t* base = in.Take(kOlderProductBytes);
    if (base == nullptr) return false;
    std::memcpy(o.baseRecord, base, kOlderProductBytes);
    if (kProductLimits.Has(version)) {
        const uint8_t* word = in.Take(4);
        const uint8_t* limits = word != nullptr ? in.Take(kOlderLimitsBlockBytes) : nullptr;
        if (limits == nullptr) return false;
        o.limitsWord = bytes::GetU32(word);
        std::memcpy(o.limitsBlock, limits, kOlderLimitsBlockBytes);
        const int count = bytes::GetI16(o.baseRecord + OlderBase::kCount);
        if (count < 0 || count > kProductRecordCount) return false;  // beyond the entries
        for (int i = 0; i < std::min(count, kOlderBaseComponents); ++i) {
            uint8_t* e = o.entries[i];
            std::memcpy(e, o.baseRecord + OlderBase::kActivesPercent + 4 * i, 4);
            std::memcpy(e + 4, o.baseRecord + OlderBase::kBlendShare + 4 * i, 4);
            std::memcpy(e + 8, o.baseRecord + OlderBase::kActiveConc + 4 * i, 4);
            std::memcpy(e + 12, o.baseRecord + OlderBase::kComponents + kOlderComponentBytes * i,
                        kOlderComponentBytes);
        }
        for (int i = kOlderBaseComponents; i < count; ++i) {
            const uint8_t* entry = in.Take(kOlderEntryBytes);
            if (entry == nullptr) return false;
            std::memcpy(o.entries[i], entry, kOlderEntryBytes);
        }
    }
    return ApplyCurrentRecords(in, s, kProductFirst + 1, kProductLast);
}

// A file without a product block: no doses, and a name that says so.
void ApplyNoProduct(Staging& s) {
    for (int r : {90, 91, 92, 93, 95, 96, 97, 98, 100, 101, 102, kProductSelected}) Zero(s, r);
    Zero(s, kProductLast);
    std::memcpy(Record(s, kProductLast), "OLD FILE", 8);
}

bool ApplyProduct(Cursor& in, Staging& s, int16_t version) {
    const Form* f = FormOf(kProductFirst, version);
    if (f == nullptr) return true;
    switch (f->stored) {
        case Stored::kProductTable:
            return ApplyCurrentRecords(in, s, kProductFirst, kProductFirst);
        case Stored::kOlderProduct:
            return ApplyOlderProduct(in, s, version);
        default:
            ApplyNoProduct(s);
            return true;
    }
}

// Field 7 of the injection, formation and surface descriptions: the water's
// sample number as text.
void SampleNumberTexts(Staging& s) {
    constexpr int kPairs[3][2] = {{14, 19}, {15, 20}, {16, 18}};
    for (const auto& pair : kPairs) {
        char text[8];
        std::snprintf(text, sizeof text, "%d", bytes::GetI16(Record(s, pair[1])));
        PutText(Record(s, pair[0]), 7, reinterpret_cast<const uint8_t*>(text), sizeof text);
    }
}

// The five residence-time values of each multi-mix water from its seconds.
void RebuildResidenceTimes(Staging& s) {
    const int32_t last = bytes::GetI32(Record(s, kLastWaterIndex));
    const int waters = std::clamp(last + 1, 0, kMultiMixWaters);
    const uint16_t unit = bytes::GetU16(Record(s, kUnits) + 2 * UnitItem::kResidenceTime);
    for (int k = 0; k < waters; ++k) {
        uint8_t* v = Record(s, kResidence) + 20 * k;
        const float seconds = bytes::GetF32(v);
        const float days = seconds / 86400.0f, hours = seconds / 3600.0f, minutes = seconds / 60.0f;
        float shown = seconds;
        if (unit == 1) shown = minutes;
        if (unit == 2) shown = hours;
        if (unit == 3) shown = days;
        const float values[5] = {shown, days, hours, minutes, seconds};
        for (int i = 0; i < 5; ++i) bytes::PutF32(v + 4 * i, values[i]);
    }
}

}  // namespace

void StageWorkspace(Staging& staging) {
    staging.image = FreshWorkspaceImage();
    auto fresh = std::make_unique<ProductTable>();
    InitNewProduct(1, *fresh, staging.older);
    (void)ProductTableToBytes(*fresh, Record(staging, kProductFirst), SizeOf(kProductFirst));
    Zero(staging, kCurrentDescription);
    Zero(staging, kRunTargetSolvers);
    Zero(staging, kProductSelected);
}

bool ApplyLegacyFile(const uint8_t* file, size_t size, int16_t version, Staging& s, size_t* used) {
    if (s.image.size() != workfile::kFileBytes) return false;
    Cursor in{file, size, 0};
    if (in.Take(2) == nullptr) return false;  // the version word
    for (int r = 1; r < workfile::kRecordCount; ++r) {
        if (r == kProductFirst) {
            if (!ApplyProduct(in, s, version)) return false;
            r = kProductLast;
            continue;
        }
        const Form* f = FormOf(r, version);
        if (f != nullptr && !ApplyRecord(in, s, r, *f)) return false;
        if (r == 21 && kSampleNumberTexts.Has(version)) SampleNumberTexts(s);
        if (r == 210 && kResidenceRebuild.Has(version)) RebuildResidenceTimes(s);
    }
    if (used != nullptr) *used = in.at;
    return true;
}

}  // namespace legacy
