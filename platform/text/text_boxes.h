// A record of where text stands on each window: the ink box of every text
// drawn into a window's client area, kept while nothing paints over it, so a
// test can ask whether two texts overlap or a text runs past the client area.
// Off unless a test or a checking run turns it on.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

struct DeviceContext;

struct TextBox {
    RECT ink;                  // client pixels, right and bottom exclusive
    std::vector<RECT> glyphs;  // the ink of each glyph (blanks and rules left out)
    std::string text;
    bool cut = false;  // partly painted over (an opaque cell or a fill) after it was drawn
};

// Turns the record on (empty) or off.
void RecordTextBoxes(bool on);
[[nodiscard]] bool RecordingTextBoxes();
// The texts now standing on a window's client area, in the order drawn.
[[nodiscard]] std::vector<TextBox> TextBoxesOf(HWND window);

// Two texts with glyphs whose ink overlaps by more than a pixel both ways,
// and texts whose ink runs past the edges of `area` (left and right always,
// top and bottom when `vertical`, by more than a pixel, and not where other
// texts stand wholly beyond that edge: the window scrolls there; a text
// wholly outside is not shown and not counted). One line per finding.
[[nodiscard]] std::vector<std::string> TextBoxFindings(const std::vector<TextBox>& boxes,
                                                       const RECT& area, bool vertical);

namespace detail {

// Called by the drawing calls: a text drawn, an area painted over (texts
// wholly inside it are gone), a paint starting on `area` (texts touching it
// are drawn again or gone), a window destroyed.
void NoteText(const DeviceContext& dc, std::vector<RECT> glyphs, const std::string& text);
void NoteCovered(const DeviceContext& dc, const RECT& area);
void NotePaintStart(HWND window, const RECT& area);
void ForgetTextBoxes(HWND window);

}  // namespace detail
}  // namespace win
