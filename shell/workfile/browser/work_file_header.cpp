// The header of a work file of any version. Older versions place and size the
// descriptions and analyses as the older reader does; 556 and later hold them
// as 555 does.
#include "shell/workfile/browser/work_file_header.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/byte_io.h"
#include "shell/workfile/legacy/legacy_layout.h"

namespace {

constexpr uint32_t kFieldChars = 128;
constexpr uint32_t kShortTextChars = 22;

void ReadAnalysis(const uint8_t* p, uint32_t bytesStored, WaterAnalysis& w) {
    w = WaterAnalysis{};
    w.sampleNumber = bytes::GetI16(p);
    w.reportDate = bytes::GetI32(p + 2);
    w.sampleDate = bytes::GetI32(p + 6);
    w.sampleTime = bytes::GetI16(p + 10);
    const uint32_t values = (bytesStored - 12) / 4;
    for (uint32_t e = 0; e < values && e < AnalysisElement::kCount; ++e)
        w.values[e] = bytes::GetF32(p + 12 + 4 * e);
}

}  // namespace

void ReadWorkFileHeader(const uint8_t* data, size_t size, WorkFileHeader& header) {
    header = WorkFileHeader{};
    // A short file reads as its bytes followed by zeros.
    std::vector<uint8_t> bytes(kWorkFileHeaderBytes, 0);
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const uint8_t* p = bytes.data();
    header.version = bytes::GetI16(p);
    for (int k = 0; k < 12; ++k) header.status[k] = bytes::GetU16(p + 2 + 2 * k);
    const int16_t layoutVersion = std::min<int16_t>(header.version, legacy::kNewestLegacyVersion);
    const legacy::HeaderPlace place = legacy::HeaderPlaceOf(layoutVersion);
    const uint32_t textChars = place.descriptionBytes == 1024  ? kFieldChars
                               : place.descriptionBytes == 640 ? kFieldChars
                                                               : kShortTextChars;
    // Records 13 to 16 (none before version 114), one set each.
    const int sets = place.descriptionBytes == 0 ? 0 : 4;
    for (int set = 0; set < sets; ++set) {
        const uint8_t* start = p + place.descriptionOffset + set * place.descriptionBytes;
        for (int line = 0; line < 4; ++line) {
            const uint8_t* text = start + line * textChars;
            const uint32_t n = std::min(textChars, kFieldChars);
            size_t length = 0;
            while (length < n && text[length] != 0) ++length;
            std::memcpy(header.lines[set][line], text, length);
        }
    }
    WaterAnalysis* analyses[4] = {&header.working, &header.surface, &header.injection,
                                  &header.formation};
    for (int k = 0; k < 4; ++k)
        ReadAnalysis(p + place.analysisOffset + k * place.analysisBytes, place.analysisBytes,
                     *analyses[k]);
}
