#include "app/text_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/files/output_file.h"
#include "platform/text/text_boxes.h"
#include "platform/window/rect.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

// Digits fewer pixels high than this no longer read as digits; the program's
// smallest fields show theirs eight pixels high.
constexpr long kReadableDigits = 8;
// Under seven pixels no figure or capital reads, wherever it stands (a graph's
// axis numbers and titles included): an 11-pixel font's figures stand 8
// pixels high, its flat-topped figures ("412") and its capitals 7.
constexpr long kLeastFullHeight = 7;

std::string NameOf(win::HWND w) {
    char name[128] = {};
    win::GetClassName(w, name, sizeof name);
    char title[256] = {};
    win::GetWindowText(w, title, sizeof title);
    return std::string(name) + " \"" + title + "\"";
}

std::string Quoted(const win::TextBox& b) {
    return "\"" + b.text + "\"";
}

// The window's rectangle in its parent's client area.
win::RECT InParent(win::HWND child, win::HWND parent) {
    win::RECT r{};
    win::GetWindowRect(child, &r);
    win::POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    win::MapWindowPoints(nullptr, parent, corners, 2);
    return win::RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// More than a pixel of `a` lies in `b` both ways.
bool Meet(const win::RECT& a, const win::RECT& b) {
    const long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 1 && h > 1;
}

bool Holds(const win::RECT& outer, const win::RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

std::string Place(const win::RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// A number of two figures or more written across: digits with at most a
// sign, a point and blanks around (a number turned on its side, as a bar's
// value stands, is left to the overlap check).
bool IsNumber(const win::TextBox& box) {
    bool digit = false;
    for (char c : box.text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.' && c != '-' && c != ' ')
            return false;
    }
    return digit && box.glyphs.size() >= 2 &&
           box.glyphs.back().left - box.glyphs.front().left >
               std::abs(box.glyphs.back().top - box.glyphs.front().top);
}

// A text of two glyphs or more with a figure or a capital letter, whose
// tallest glyph stands as high as a figure does.
bool HasFullHeightGlyph(const win::TextBox& box) {
    if (box.glyphs.size() < 2) return false;
    for (char c : box.text)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return true;
    return false;
}

// The height a text stands across its line: its tallest glyph written
// across, its widest turned on its side.
long FullHeight(const win::TextBox& box) {
    const bool across = box.glyphs.back().left - box.glyphs.front().left >
                        std::abs(box.glyphs.back().top - box.glyphs.front().top);
    long most = 0;
    for (const win::RECT& g : box.glyphs)
        most = std::max(most, static_cast<long>(across ? g.bottom - g.top : g.right - g.left));
    return most;
}

// A number cut short of its decimals reads as its digits and a point
// ("100." of 100.0).
bool CutNumber(const win::TextBox& box) {
    const std::size_t end = box.text.find_last_not_of(' ');
    return IsNumber(box) && end != std::string::npos && end > 0 && box.text[end] == '.' &&
           box.text[end - 1] >= '0' && box.text[end - 1] <= '9';
}

// Two numbers whose digits come within a pixel of each other read as one
// (the axis numbers of a graph crowding on their strip).
bool NumbersTouch(const win::TextBox& a, const win::TextBox& b) {
    if (!IsNumber(a) || !IsNumber(b)) return false;
    for (const win::RECT& g : a.glyphs)
        for (const win::RECT& h : b.glyphs) {
            const long across = std::max(g.left, h.left) - std::min(g.right, h.right);
            const long down = std::min(g.bottom, h.bottom) - std::max(g.top, h.top);
            const long apart = std::max(g.top, h.top) - std::min(g.bottom, h.bottom);
            if ((across <= 1 && down > 1) || (apart <= 1 && across < 0)) return true;
        }
    return false;
}

// The height most of a window's numbers stand: their digits' ink, the
// tallest glyphs a number has. 0 when the window shows too few numbers to
// say (a field's one value: "412" stands a pixel lower than "0.00", whose
// round digits reach over and under the flat ones).
long NumberHeight(const std::vector<win::TextBox>& boxes) {
    std::vector<long> heights;
    for (const win::TextBox& b : boxes)
        if (IsNumber(b)) heights.push_back(static_cast<long>(b.ink.bottom - b.ink.top));
    if (heights.size() < 3) return 0;
    std::nth_element(heights.begin(), heights.begin() + static_cast<long>(heights.size() / 2),
                     heights.end());
    return heights[heights.size() / 2];
}

// The distance between the left edges of neighbouring glyphs most texts show:
// the cell of a fixed-pitch page.
long CellWidth(const std::vector<win::TextBox>& boxes) {
    std::vector<long> steps;
    for (const win::TextBox& b : boxes)
        for (std::size_t i = 1; i < b.glyphs.size(); ++i)
            if (b.glyphs[i].left > b.glyphs[i - 1].left)
                steps.push_back(static_cast<long>(b.glyphs[i].left - b.glyphs[i - 1].left));
    if (steps.empty()) return 0;
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() / 2),
                     steps.end());
    return steps[steps.size() / 2];
}

}  // namespace

// The rows of a result page: a row whose first text starts a few cells off
// the column its neighbours above and below share stands out of that column.
void TextCheck::CheckRows(win::HWND w, const std::vector<win::TextBox>& boxes) {
    struct Row {
        long top, left;
        const win::TextBox* first;
    };
    std::vector<Row> rows;
    for (const win::TextBox& b : boxes) {
        // A sub- or superscript, or a closing bracket after one, belongs to
        // the row beside it.
        if (b.glyphs.size() < 2) continue;
        auto at = std::find_if(rows.begin(), rows.end(),
                               [&](const Row& r) { return std::abs(r.top - b.ink.top) <= 3; });
        if (at == rows.end())
            rows.push_back(Row{b.ink.top, b.ink.left, &b});
        else if (b.ink.left < at->left)
            *at = Row{at->top, b.ink.left, &b};
    }
    // A letter drawn alone before a subscript ("H" of "H2S") starts its row.
    for (const win::TextBox& b : boxes)
        for (Row& r : rows)
            if (std::abs(r.top - b.ink.top) <= 1 && b.ink.left < r.left) r.left = b.ink.left;
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.top < b.top; });
    const long cell = CellWidth(boxes);
    if (cell <= 0 || rows.size() < 3) return;
    // Neighbours: rows one line pitch apart (the smallest gap between rows).
    long pitch = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const long gap = rows[i].top - rows[i - 1].top;
        if (gap > 3 && (pitch == 0 || gap < pitch)) pitch = gap;
    }
    auto next = [&](std::size_t a, std::size_t b) {
        return std::abs(rows[b].top - rows[a].top - pitch) <= 3;
    };
    for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
        const long above = rows[i - 1].left, below = rows[i + 1].left, left = rows[i].left;
        if (!next(i - 1, i) || !next(i, i + 1) || std::abs(above - below) > 1) continue;
        const long off = left - above;
        if (std::abs(off) > cell / 2 && std::abs(off) <= 4 * cell)
            Write(NameOf(w) + ": out of its column: " + Quoted(*rows[i].first) + " " +
                  Place(rows[i].first->ink) + " starts " + std::to_string(off) +
                  " pixels from the rows above and below");
    }
}

void TextCheck::Write(const std::string& line) {
    if (!written_.insert(line).second || !ok_) return;
    std::FILE* f = OpenOutputFile(file_, true, failure_);
    ok_ = f != nullptr && WriteOutputLine(f, line, failure_);
    std::string why;
    if (f != nullptr && !CloseOutputFile(f, why) && ok_) {
        ok_ = false;
        failure_ = why;
    }
}

// The texts of a window's controls against the controls beside them: a
// caption whose ink runs into the field or the arrows next to it reads as
// part of them, though each stays inside its own control.
void TextCheck::CheckControls(win::HWND parent) {
    std::vector<win::HWND> shown;
    for (win::HWND c = win::GetWindow(parent, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT))
        if (win::IsWindowVisible(c)) shown.push_back(c);
    for (win::HWND a : shown) {
        const win::RECT ra = InParent(a, parent);
        win::POINT origin{0, 0};  // the control's client area in the parent's
        win::MapWindowPoints(a, parent, &origin, 1);
        for (const win::TextBox& box : win::TextBoxesOf(a)) {
            win::RECT ink = box.ink;
            win::OffsetRect(&ink, origin.x, origin.y);
            for (win::HWND b : shown) {
                const win::RECT rb = InParent(b, parent);
                // A group box frames the controls inside it.
                if (b == a || Holds(rb, ra) || !Meet(ink, rb)) continue;
                Write(NameOf(parent) + ": runs into " + NameOf(b) + " " + Place(rb) + ": " +
                      Quoted(box) + " " + Place(ink));
            }
        }
    }
}

bool TextCheck::Start(const std::string& file) {
    file_ = file;
    std::FILE* f = OpenOutputFile(file_, false, failure_);
    if (f == nullptr || !CloseOutputFile(f, failure_)) return false;
    win::RecordTextBoxes(true);
    return true;
}

void TextCheck::CheckWindow(win::HWND w) {
    if (!win::IsWindowVisible(w)) return;
    win::UpdateWindow(w);
    win::RECT client{};
    win::GetClientRect(w, &client);
    // A window that scrolls up and down may cut a line at its top or bottom.
    int low = 0, high = 0;
    const bool scrolls = (win::GetWindowLong(w, win::GWL_STYLE) & win::WS_VSCROLL) != 0 ||
                         (win::GetScrollRange(w, win::SB_VERT, &low, &high) && high > low);
    // A text box shows a window onto a line that may be longer: a sentence
    // typed may run on past its right edge, but a value (a text without a
    // blank) must show whole.
    // A field that only shows a name (read-only) shows it whole.
    char name[32] = {};
    win::GetClassName(w, name, sizeof name);
    std::vector<win::TextBox> boxes = win::TextBoxesOf(w);
    const bool field = std::strcmp(name, "EDIT") == 0;
    // A field's text, a sentence as well as a value, stands inside its frame,
    // clear of the pixel row drawn at each edge: a descender or a comma on
    // the bottom frame reads as cut.
    if (field)
        for (const win::TextBox& b : boxes)
            if (b.ink.top < client.top + 1 || b.ink.bottom > client.bottom - 1)
                Write(NameOf(w) + ": on the border: " + Quoted(b) + " " + Place(b.ink) + " in " +
                      Place(client));
    if (field && (win::GetWindowLong(w, win::GWL_STYLE) & win::ES_READONLY) == 0)
        boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                                   [](const win::TextBox& b) {
                                       return b.text.find(' ') != std::string::npos;
                                   }),
                    boxes.end());
    for (const std::string& finding : win::TextBoxFindings(boxes, client, !scrolls))
        Write(NameOf(w) + ": " + finding);
    // (A result page's seven-character cells are left to its own tests.)
    for (const win::TextBox& b : boxes)
        if (std::strncmp(name, "Display", 7) != 0 && CutNumber(b)) Write(NameOf(w) + ": number cut: " + Quoted(b) + " " + Place(b.ink));
    for (const win::TextBox& b : boxes)
        if (b.cut) Write(NameOf(w) + ": painted over: " + Quoted(b) + " " + Place(b.ink));
    if (std::strncmp(name, "Display", 7) == 0) CheckRows(w, boxes);
    for (const win::TextBox& b : boxes)
        if (HasFullHeightGlyph(b) && FullHeight(b) < kLeastFullHeight)
            Write(NameOf(w) + ": too small to read: " + Quoted(b) + " " + Place(b.ink) +
                  " stands " + std::to_string(FullHeight(b)) + " pixels high");
    const long digits = NumberHeight(boxes);
    if (digits > 0 && digits < kReadableDigits)
        Write(NameOf(w) + ": too small to read: its numbers stand " + std::to_string(digits) +
              " pixels high");
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (NumbersTouch(boxes[i], boxes[j]))
                Write(NameOf(w) + ": touch: " + Quoted(boxes[i]) + " " + Place(boxes[i].ink) +
                      " and " + Quoted(boxes[j]) + " " + Place(boxes[j].ink));
    CheckControls(w);
    for (win::HWND c = win::GetWindow(w, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT))
        CheckWindow(c);
}

bool TextCheck::TakeWindow(win::HWND window) {
    if (file_.empty() || window == nullptr || !win::IsWindow(window)) return true;
    CheckWindow(window);
    return ok_;
}

bool TextCheck::Take() {
    win::HWND main = mainWindowState.mainWindow;
    if (file_.empty() || main == nullptr || !win::IsWindow(main)) return true;
    std::vector<win::HWND> shown;
    for (win::HWND w = win::GetWindow(main, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT))
        if (win::IsWindowVisible(w) && !win::IsIconic(w)) shown.push_back(w);
    for (win::HWND w : shown) CheckWindow(w);
    return ok_;
}
