// The paint renderer of layouts.
#include "reporttext/layout/layout_paint.h"

#include "platform/gdi/gdi.h"
#include "reporttext/format/sub_sup_text.h"

namespace {

void PaintItem(win::HDC hdc, const LayoutItem& item, int firstLineY, int cellWidth,
               int lineHeight) {
    const int x = item.column * cellWidth;
    const int y = firstLineY + item.line * lineHeight;
    win::SetTextColor(hdc, item.colour);
    if (!HasMarkers(item))
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
            PaintItem(hdc, item, firstLineY, cellWidth, lineHeight);
    win::SetTextColor(hdc, kLayoutBlack);
    win::SetBkColor(hdc, bk);
    win::SetBkMode(hdc, bkMode);
}

int PaintReportLayout(win::HDC hdc, const ReportLayout& layout, int firstLineY, int cellWidth,
                      int lineHeight) {
    PaintReportLines(hdc, layout, 0, layout.endLine, firstLineY, cellWidth, lineHeight);
    return firstLineY + layout.endLine * lineHeight;
}
