// A work file is a plain run of records with no lengths or checksums, so damage
// shows only as values no workspace can hold. These are refused before the
// load commits; every other value is taken as it is.
#include "shell/workfile/work_file_checks.h"

#include "common/byte_io.h"
#include "engine/pipeline/pipeline_records.h"
#include "shell/workfile/work_file_layout.h"
#include "treatment/records.h"

namespace workfile {
namespace {

constexpr int kGraphChoiceRecord = 35;
constexpr int kProductRecord = 89;
constexpr int kLastWaterRecord = 190;
constexpr int kEditIndexRecord = 193;
constexpr int kMaxGraphChoices = 4;

int32_t I32At(const uint8_t* image, int record, uint32_t within) {
    return bytes::GetI32(image + kRecordTable[record].offset + within);
}
int16_t I16At(const uint8_t* image, int record, uint32_t within) {
    return bytes::GetI16(image + kRecordTable[record].offset + within);
}
bool Between(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}

}  // namespace

int RecordsHeld(int16_t version, size_t size) {
    if (version < kFirstCurrentVersion) return 0;
    if (version == kFirstCurrentVersion)
        return size >= kVersion556Bytes ? kVersion556RecordCount : 0;
    if (version == kVersion557) {
        if (size >= kVersion557Bytes) return kVersion557RecordCount;
        return size == kVersion556Bytes ? kVersion556RecordCount : 0;
    }
    return size >= kFileBytes ? kRecordCount : 0;
}

bool IndicesInRange(const uint8_t* image, size_t size, int recordCount) {
    if (recordCount < 1 || recordCount > kRecordCount || size < EndOf(recordCount - 1))
        return false;
    // The multi-mix water count and the water being edited index the twelve slots.
    if (!Between(I32At(image, kLastWaterRecord, 0), 0, kMultiMixWaterCount - 1)) return false;
    if (!Between(I32At(image, kEditIndexRecord, 0), 0, kMultiMixWaterCount - 1)) return false;
    // The product's component count indexes its component records.
    if (!Between(I16At(image, kProductRecord, 2), 0, kProductRecordCount)) return false;
    // The chosen graphs: -1 while none is chosen, else up to four codes.
    if (!Between(I16At(image, kGraphChoiceRecord, 2), -1, kMaxGraphChoices)) return false;
    return true;
}

}  // namespace workfile
