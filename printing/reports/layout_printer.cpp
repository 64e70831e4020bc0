// Drawing a layout on the report grid.
#include "printing/reports/layout_printer.h"

#include "platform/gdi/gdi.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "reporttext/format/sub_sup_text.h"

namespace {

win::HFONT FontOf(FontRole role) {
    switch (role) {
        case FontRole::kBold:
            return reportFonts.boldFont;
        case FontRole::kUserText:
            return reportFonts.bodyFontAnsi;
        case FontRole::kNormal:
            break;
    }
    return reportFonts.bodyFont;
}

}  // namespace

void PrintLayoutOnPage(win::HDC dc, const ReportLayout& layout, int xOffset) {
    const ReportPageGrid& g = reportPageGrid;
    int previousX = g.marginX + xOffset;
    for (const LayoutItem& item : layout.items) {
        win::SelectObject(dc, FontOf(item.font));
        const int y = g.lineY + item.line * g.lineHeight;
        const bool plain = !HasMarkers(item);
        const int length = static_cast<int>(item.text.size());
        int x = ColumnX(item.column) + xOffset;
        if (item.anchor != Anchor::kStart) {
            // Rules and typed texts are measured as they stand, the others
            // with their markers.
            win::SIZE size{};
            if (plain) win::GetTextExtentPoint32A(dc, item.text.c_str(), length, &size);
            const int width = plain ? size.cx : GetSubSupTextWidth(dc, item.text.c_str());
            x = (item.anchor == Anchor::kEnd ? x : previousX) - width;
        }
        if (plain)
            win::TextOutA(dc, x, y, item.text.c_str(), length);
        else
            TextOutSubSup(dc, x, y, item.text.c_str());
        previousX = x;
    }
    win::SelectObject(dc, reportFonts.bodyFont);
    AdvanceLines(layout.endLine);
}
