// fuzz-link: tarvex_ui
//
// The work-file reader over damaged files. A work file is 200,171 bytes, so an
// input is an edit of a real file image rather than the file itself:
//
//   u32 length         the file's length, taken modulo kFileBytes + 64
//   then any number of edits:
//   u24 offset, u8 n, n bytes   written at offset (modulo the length), cut at its end
//
// The image starts as the workspace of a fresh run, saved. A load either takes
// the image, and then what it took holds only finite values in their ranges
// (checked value by value, the entered waters against the water form's
// ranges) and saves and loads again to the same workspace, or refuses it and
// leaves every record of the workspace as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/byte_io.h"
#include "engine/records.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/units/analysis_ranges.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/water_form_records.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_records.h"
#include "shell/workfile/work_file_validation.h"

namespace {

// Every record the layout names back to zero.
void ClearWorkspace() {
    static const std::vector<uint8_t> zeros(workfile::kFileBytes, 0);
    (void)workfile::DecodeWorkFile(zeros.data(), zeros.size(), workfile::kRecordCount);
    ResetWorkFileRecords();
}

const std::vector<uint8_t>& BaseImage() {
    static const std::vector<uint8_t> image = [] {
        ClearWorkspace();
        return workfile::EncodeWorkFile();
    }();
    return image;
}

std::vector<uint8_t> BuildImage(const uint8_t* data, size_t size) {
    std::vector<uint8_t> image = BaseImage();
    if (size < 4) return image;
    image.resize(bytes::GetU32(data) % (workfile::kFileBytes + 64), 0);
    size_t at = 4;
    while (at + 4 <= size && !image.empty()) {
        const uint32_t offset =
            (data[at] | data[at + 1] << 8 | static_cast<uint32_t>(data[at + 2]) << 16) %
            image.size();
        size_t n = data[at + 3];
        const size_t left = size - at - 4;
        const size_t room = image.size() - offset;
        at += 4;
        n = std::min({n, left, room});
        for (size_t k = 0; k < n; ++k) image[offset + k] = data[at + k];
        at += n;
    }
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The cleared workspace, saved once: every input starts from it.
    static const std::vector<uint8_t> cleared = [] {
        ClearWorkspace();
        return workfile::EncodeWorkFile();
    }();
    const std::vector<uint8_t> image = BuildImage(data, size);
    ClearWorkspace();
    if (LoadWorkFileImage(image) != 0) {
        if (workfile::EncodeWorkFile() != cleared) std::abort();  // a refusal changed memory
        return 0;
    }
    // What was taken is finite and in range: the entered waters as the water
    // form takes them, and every value of the workspace as a file must hold.
    // A water whose values as typed are kept beside it may hold more of a
    // balancing ion than anyone types: the balancing added it.
    const std::pair<uint16_t, const WaterAnalysis*> waters[] = {
        {resultStatus.surfaceEntered, &surfaceWater},
        {resultStatus.injectionEntered, &injectionWater},
        {resultStatus.formationEntered, &formationWater}};
    // Its row as entered holds one value of everything no calculation changes,
    // and its pCO2, pH2S and density keep to the form's ranges but where
    // the calculation found them or the row holds them too.
    for (int w = 0; w < 3; ++w) {
        const auto& [entered, water] = waters[w];
        if (entered == 0) continue;
        const bool typedRow = HoldsEnteredValues(enteredValues[w]);
        for (int e = 0; e < AnalysisElement::kCount; ++e) {
            const float v = water->values[e];
            if (typedRow && v >= 0.0f && BalancingIon(e)) continue;
            if (!AnalysisValueAllowed(e, v, unitCodes)) std::abort();
        }
        if (DisagreeingTypedValue(water->values, enteredValues[w]) >= 0) std::abort();
        for (int e : kStoredConditions)
            if (!StoredConditionKept(e, water->values[e], enteredValues[w]) &&
                !StoredValueRefusal(e, water->values[e], UserFieldUnits()).empty())
                std::abort();
    }
    // What was taken saves readably, and loads again to the same workspace.
    const std::vector<uint8_t> saved = workfile::EncodeWorkFile();
    if (!workfile::ImageFault(saved.data(), saved.size(), workfile::kRecordCount, false).empty())
        std::abort();
    if (LoadWorkFileImage(saved) != 0) std::abort();
    if (workfile::EncodeWorkFile() != saved) std::abort();
    return 0;
}
