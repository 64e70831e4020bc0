// The paint renderer of layouts.
#include "reporttext/layout/layout_paint.h"

#include "platform/gdi/gdi.h"
#include "reporttext/format/sub_sup_text.h"

namespace {

// The page's font in the ANSI character set: the same face and cell, for the
// Windows-1252 texts the user typed. Null when the font cannot be read.
win::HFONT AnsiVersionOfFont(win::HDC hdc) {
    win::LOGFONTA lf;
    const win::HGDIOBJ current = win::GetCurrentObject(hdc, win::OBJ_FONT);
    if (current == nullptr || win::GetObjectA(current, sizeof lf, &lf) == 0) return nullptr;
    lf.lfCharSet = win::ANSI_CHARSET;
    return win::CreateFontIndirectA(&lf);
}

void PaintTyped(win::HDC hdc, int x, int y, const std::string& text) {
    const win::HFONT ansi = AnsiVersionOfFont(hdc);
    const win::HGDIOBJ previous = ansi != nullptr ? win::SelectObject(hdc, ansi) : nullptr;
    win::TextOutA(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
    if (previous != nullptr) win::SelectObject(hdc, previous);
    if (ansi != nullptr) win::DeleteObject(ansi);
}

// The cells a text shows: a '_' or '^' marks the character after it.
int ShownCells(const LayoutItem& item) {
    int shown = 0;
    for (std::size_t i = 0; i < item.text.size(); ++i, ++shown)
        if (HasMarkers(item) && (item.text[i] == '_' || item.text[i] == '^') &&
            i + 1 < item.text.size())
            ++i;
    return shown;
}

// The blanks a value is padded with, drawn on the page's white, would wipe
// out the end of a label that runs into the value's cell: an item starts
// past those of its leading blanks that lie on an earlier text of its line
// (a rule's underscores they still cover).
LayoutItem ClearOfEarlierItems(const ReportLayout& layout, const LayoutItem& item) {
    int covered = item.column;
    for (const LayoutItem& other : layout.items) {
        if (&other == &item) break;
        if (other.line == item.line && other.anchor == Anchor::kStart &&
            other.kind != ItemKind::kRule && other.column < item.column)
            covered = std::max(covered, other.column + ShownCells(other));
    }
    LayoutItem shown = item;
    if (item.anchor != Anchor::kStart) return shown;
    std::size_t blanks = 0;
    while (blanks < item.text.size() && item.text[blanks] == ' ' &&
           item.column + static_cast<int>(blanks) < covered)
        ++blanks;
    shown.text.erase(0, blanks);
    shown.column += static_cast<int>(blanks);
    return shown;
}

void PaintItem(win::HDC hdc, const LayoutItem& item, int firstLineY, int cellWidth,
               int lineHeight) {
    const int x = item.column * cellWidth;
    const int y = firstLineY + item.line * lineHeight;
    win::SetTextColor(hdc, item.colour);
    if (item.kind == ItemKind::kTyped)
        PaintTyped(hdc, x, y, item.text);
    else if (!HasMarkers(item))
        win::TextOutA(hdc, x, y, item.text.c_str(), static_cast<int>(item.text.size()));
    else
        TextOutSubSup(hdc, x, y, item.text.c_str());
}

}  // namespace

void PaintReportLines(win::HDC hdc, const ReportLayout& layout, int fromLine, int toLine,
                      int firstLineY, int cellWidth, int lineHeight) {
    const int bkMode = win::SetBkMode(hdc, win::OPAQUE);
    const win::COLORREF bk = win::SetBkColor(hdc, win::RGB(255, 255, 255));
    for (const LayoutItem& item : layout.items)
        if (item.line >= fromLine && item.line < toLine)
            PaintItem(hdc, ClearOfEarlierItems(layout, item), firstLineY, cellWidth, lineHeight);
    win::SetTextColor(hdc, kLayoutBlack);
    win::SetBkColor(hdc, bk);
    win::SetBkMode(hdc, bkMode);
}

int PaintReportLayout(win::HDC hdc, const ReportLayout& layout, int firstLineY, int cellWidth,
                      int lineHeight) {
    PaintReportLines(hdc, layout, 0, layout.endLine, firstLineY, cellWidth, lineHeight);
    return firstLineY + layout.endLine * lineHeight;
}
