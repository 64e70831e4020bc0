// The record of text on windows (text_boxes.h). Boxes are kept per window in
// device pixels of its client area; a text drawn again at the same place
// replaces its earlier self, so repainting leaves one box per text.
#include "platform/text/text_boxes.h"

#include <algorithm>
#include <map>

#include "platform/gdi/gdi_dc.h"

namespace win {
namespace {

struct Record {
    bool on = false;
    std::map<HWND, std::vector<TextBox>> windows;
};

Record& TheRecord() {
    static Record record;
    return record;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool Touch(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.right == b.right && a.top == b.top && a.bottom == b.bottom;
}

std::vector<TextBox>* BoxesOf(const DeviceContext& dc) {
    Record& r = TheRecord();
    if (!r.on || dc.kind != DcKind::Window || dc.hwnd == nullptr || dc.windowGone) return nullptr;
    return &r.windows[dc.hwnd];
}

std::string Describe(const TextBox& b) {
    return "\"" + b.text + "\" (" + std::to_string(b.ink.left) + "," + std::to_string(b.ink.top) +
           ")-(" + std::to_string(b.ink.right) + "," + std::to_string(b.ink.bottom) + ")";
}

}  // namespace

void RecordTextBoxes(bool on) {
    TheRecord().on = on;
    TheRecord().windows.clear();
}

bool RecordingTextBoxes() {
    return TheRecord().on;
}

std::vector<TextBox> TextBoxesOf(HWND window) {
    const Record& r = TheRecord();
    const auto found = r.windows.find(window);
    return found == r.windows.end() ? std::vector<TextBox>{} : found->second;
}

std::vector<std::string> TextBoxFindings(const std::vector<TextBox>& boxes, const RECT& area,
                                         bool vertical) {
    std::vector<std::string> findings;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TextBox& a = boxes[i];
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (Touch(a.ink, boxes[j].ink))
                findings.push_back("overlap: " + Describe(a) + " and " + Describe(boxes[j]));
        if (!Touch(a.ink, area)) continue;
        const bool across = a.ink.left < area.left || a.ink.right > area.right ||
                            (vertical && (a.ink.top < area.top || a.ink.bottom > area.bottom));
        if (across) findings.push_back("clipped: " + Describe(a));
    }
    return findings;
}

namespace detail {

void NoteText(const DeviceContext& dc, const RECT& ink, const std::string& text) {
    std::vector<TextBox>* boxes = BoxesOf(dc);
    if (boxes == nullptr || ink.right <= ink.left || ink.bottom <= ink.top) return;
    boxes->erase(std::remove_if(boxes->begin(), boxes->end(),
                                [&](const TextBox& b) { return b.text == text && Same(b.ink, ink); }),
                 boxes->end());
    boxes->push_back(TextBox{ink, text});
}

void NoteCovered(const DeviceContext& dc, const RECT& area) {
    std::vector<TextBox>* boxes = BoxesOf(dc);
    if (boxes == nullptr) return;
    boxes->erase(std::remove_if(boxes->begin(), boxes->end(),
                                [&](const TextBox& b) { return Inside(b.ink, area); }),
                 boxes->end());
}

void NotePaintStart(HWND window, const RECT& area) {
    Record& r = TheRecord();
    const auto found = r.windows.find(window);
    if (!r.on || found == r.windows.end()) return;
    auto& boxes = found->second;
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [&](const TextBox& b) { return Touch(b.ink, area); }),
                boxes.end());
}

void ForgetTextBoxes(HWND window) {
    TheRecord().windows.erase(window);
}

}  // namespace detail
}  // namespace win
