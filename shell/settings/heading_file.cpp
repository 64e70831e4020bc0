// Reading the report headings. Lines 1 and 2 are the subtitle lines printed at
// the page foot (printSubheadings) and line 3 the title line at the page head
// (printHeadings); a file that ends in "@@" moves the two subtitle lines from
// the page foot to just under the title, so the title block prints them.
#include "shell/settings/heading_file.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/files/file_io.h"
#include "shell/settings/check_file_access.h"
#include "shell/settings/file_fields.h"
#include "shell/settings/install_paths.h"

namespace {

constexpr size_t kMarkerOffset = 3 * kHeadingLineBytes;
constexpr size_t kHeadingFileBytes = kMarkerOffset + 2;

// A line holds text when something other than blanks stands before its end.
bool HoldsText(const char* line) {
    for (int i = 0; i < kHeadingLineBytes && line[i] != '\0'; ++i)
        if (line[i] != ' ') return true;
    return false;
}

}  // namespace

void ReadHeadings(const uint8_t* file, size_t size, HeadingLines& h) {
    for (auto& line : h.line) std::memset(line, 0, sizeof line);
    h.printSubheadings = h.printHeadings = 0;
    for (size_t k = 0; k < 3; ++k) {
        const size_t start = k * kHeadingLineBytes;
        if (size > start)
            std::memcpy(h.line[k], file + start, std::min<size_t>(kHeadingLineBytes, size - start));
    }
    const bool markerRead = size >= kHeadingFileBytes;
    // Only "@@" is the marker; any other two closing bytes leave the lines
    // where a file without the marker puts them.
    const bool withMarker =
        markerRead && file[kMarkerOffset] == '@' && file[kMarkerOffset + 1] == '@';
    if (!markerRead)
        h.marker = 0;
    else if (withMarker)
        h.marker = 1;
    const bool anyText = HoldsText(h.line[0]) || HoldsText(h.line[1]) || HoldsText(h.line[2]);
    if (!withMarker) {
        h.printSubheadings = (HoldsText(h.line[0]) || HoldsText(h.line[1])) ? 1 : 0;
        h.printHeadings = HoldsText(h.line[2]) ? 1 : 0;
    } else if (anyText) {
        h.printSubheadings = 0;
        h.printHeadings = 1;
    }
}

void LoadHeadingFile() {
    HeadingLines h{};
    h.marker = headingMarker;
    for (char* line : {headingLine1, headingLine2, headingLine3})
        std::memset(line, 0, kHeadingLineBytes + 1);
    printSubheadings = printHeadings = 0;

    const std::string path = InstallPath(kHeadingFileName);
    (void)CheckFileAccess(path.c_str(), "The Header Configuration File ");
    const win::HFILE file = win::_lopen(path.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) return;  // no headings, no message
    uint8_t image[kHeadingFileBytes] = {};
    const int n = ReadBytes(file, image, sizeof image);
    win::_lclose(file);
    ReadHeadings(image, n < 0 ? 0 : static_cast<size_t>(n), h);
    std::memcpy(headingLine1, h.line[0], sizeof headingLine1);
    std::memcpy(headingLine2, h.line[1], sizeof headingLine2);
    std::memcpy(headingLine3, h.line[2], sizeof headingLine3);
    printSubheadings = h.printSubheadings;
    printHeadings = h.printHeadings;
    headingMarker = h.marker;
}
