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

// Glyph boxes meeting by more than a pixel both ways: antialiased edges of
// neighbouring glyphs may share a pixel without their strokes touching.
bool GlyphsMeet(const TextBox& a, const TextBox& b) {
    if (!Touch(a.ink, b.ink)) return false;
    for (const RECT& g : a.glyphs)
        for (const RECT& h : b.glyphs) {
            const LONG w = std::min(g.right, h.right) - std::max(g.left, h.left);
            const LONG t = std::min(g.bottom, h.bottom) - std::max(g.top, h.top);
            if (w > 1 && t > 1) return true;
        }
    return false;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::string Describe(const TextBox& b) {
    return "\"" + b.text + "\" " + Describe(b.ink);
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
    // A window holding text wholly above or below what it shows scrolls
    // there: a line cut at that edge is the next one scrolled to.
    bool above = false, below = false;
    for (const TextBox& b : boxes) {
        above = above || b.ink.bottom <= area.top;
        below = below || b.ink.top >= area.bottom;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TextBox& a = boxes[i];
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (GlyphsMeet(a, boxes[j]))
                findings.push_back("overlap: " + Describe(a) + " and " + Describe(boxes[j]));
        if (!Touch(a.ink, area)) continue;
        // Up and down, the faint antialiased edge of a descender may stand
        // one pixel out.
        const bool across = a.ink.left < area.left || a.ink.right > area.right ||
                            (vertical && ((!above && a.ink.top < area.top - 1) ||
                                          (!below && a.ink.bottom > area.bottom + 1)));
        if (across) findings.push_back("clipped: " + Describe(a) + " in " + Describe(area));
    }
    return findings;
}

namespace detail {

void NoteText(const DeviceContext& dc, std::vector<RECT> glyphs, const std::string& text) {
    std::vector<TextBox>* boxes = BoxesOf(dc);
    if (boxes == nullptr || glyphs.empty()) return;
    RECT ink = glyphs.front();
    for (const RECT& g : glyphs) {
        ink.left = std::min(ink.left, g.left);
        ink.top = std::min(ink.top, g.top);
        ink.right = std::max(ink.right, g.right);
        ink.bottom = std::max(ink.bottom, g.bottom);
    }
    boxes->erase(
        std::remove_if(boxes->begin(), boxes->end(),
                       [&](const TextBox& b) { return b.text == text && Same(b.ink, ink); }),
        boxes->end());
    boxes->push_back(TextBox{ink, std::move(glyphs), text});
}

void NoteCovered(const DeviceContext& dc, const RECT& area) {
    std::vector<TextBox>* boxes = BoxesOf(dc);
    if (boxes == nullptr) return;
    boxes->erase(std::remove_if(boxes->begin(), boxes->end(),
                                [&](const TextBox& b) { return Inside(b.ink, area); }),
                 boxes->end());
    // What is left and meets the area by more than a pixel both ways lost
    // part of a glyph.
    for (TextBox& b : *boxes)
        for (const RECT& g : b.glyphs) {
            const LONG w = std::min(g.right, area.right) - std::max(g.left, area.left);
            const LONG h = std::min(g.bottom, area.bottom) - std::max(g.top, area.top);
            if (w > 1 && h > 1) b.cut = true;
        }
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
