// fuzz-link: tarvex_ui
//
// The reader of older work files over damaged files. An input edits a made-up
// file of an older version rather than being the file itself, which keeps the
// inputs small:
//
//   i16 version        the file's version word (any value up to 555)
//   u32 length         0: the made-up file's own length; else the length modulo
//                      that length + 64
//   then any number of edits:
//   u24 offset, u8 n, n bytes   written at offset (modulo the length), cut at its end
//
// A load either takes the file, and then the workspace holds only finite
// values, the entered waters within the water form's ranges, or refuses it and
// leaves every record of the workspace as it was.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "common/byte_io.h"
#include "engine/records.h"
#include "input/records.h"
#include "input/units/analysis_ranges.h"
#include "platform/win.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_records.h"
#include "shell/workfile/work_file_validation.h"
#include "tests/shell/workfile/legacy_fixture.h"

namespace {

void ClearWorkspace() {
    static const std::vector<uint8_t> zeros(workfile::kFileBytes, 0);
    (void)workfile::DecodeWorkFile(zeros.data(), zeros.size(), workfile::kRecordCount);
    ResetWorkFileRecords();
}

// The made-up file of each version, made once.
const std::vector<uint8_t>& BaseFile(int16_t version) {
    static std::map<int16_t, std::vector<uint8_t>> files;
    auto found = files.find(version);
    if (found != files.end()) return found->second;
    oldfile::Steady steady;
    steady.componentCount = version >= 543 && version <= 549 ? 9 : 3;
    const std::vector<uint8_t> before = oldfile::WorkspaceBefore(steady);
    return files[version] = oldfile::Make(version, before, steady).file;
}

std::vector<uint8_t> BuildFile(const uint8_t* data, size_t size) {
    if (size < 6) return {};
    const int16_t version =
        static_cast<int16_t>(std::min<int>(bytes::GetI16(data), legacy::kNewestLegacyVersion));
    std::vector<uint8_t> file = BaseFile(version);
    const uint32_t length = bytes::GetU32(data + 2);
    if (length != 0) file.resize(length % (file.size() + 64), 0);
    size_t at = 6;
    while (at + 4 <= size && !file.empty()) {
        const size_t offset =
            (data[at] | data[at + 1] << 8 | static_cast<size_t>(data[at + 2]) << 16) % file.size();
        const size_t left = size - at - 4;
        const size_t room = file.size() - offset;
        const size_t n = std::min({static_cast<size_t>(data[at + 3]), left, room});
        at += 4;
        for (size_t k = 0; k < n; ++k) file[offset + k] = data[at + k];
        at += n;
    }
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The cleared workspace, saved once: every input starts from it.
    static const std::vector<uint8_t> cleared = [] {
        ClearWorkspace();
        return workfile::EncodeWorkFile();
    }();
    const std::vector<uint8_t> file = BuildFile(data, size);
    if (file.size() >= 2 && bytes::GetI16(file.data()) > legacy::kNewestLegacyVersion) return 0;
    ClearWorkspace();
    if (LoadLegacyWorkFileImage(file, nullptr, "fuzz") != 0) {
        if (workfile::EncodeWorkFile() != cleared) std::abort();  // a refusal changed memory
        win::ClearMessageBoxLog();
        return 0;
    }
    win::ClearMessageBoxLog();
    // The stored waters as the finishing steps leave them.
    const std::pair<uint16_t, const WaterAnalysis*> waters[] = {
        {resultStatus.surfaceEntered, &surfaceWater},
        {resultStatus.injectionEntered, &injectionWater},
        {resultStatus.formationEntered, &formationWater}};
    for (const auto& [entered, water] : waters)
        for (int e = 0; e < AnalysisElement::kCount; ++e) {
            if (!std::isfinite(water->values[e])) std::abort();
            if (entered != 0 && !AnalysisValueAllowed(e, water->values[e], unitCodes)) std::abort();
        }
    const std::vector<uint8_t> saved = workfile::EncodeWorkFile();
    if (!workfile::ImageFault(saved.data(), saved.size(), workfile::kRecordCount, true).empty())
        std::abort();
    return 0;
}
