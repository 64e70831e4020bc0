// Rules and user headings. The heading lines are the heading file's 81-byte
// records; a line holds text when something other than blanks stands in it,
// and it is drawn without its trailing blanks so it centres on what it says.
// The user typed them: they are drawn as they stand, no character a marker.
#include "printing/page/report_rules.h"

#include <algorithm>
#include <string>

#include "platform/gdi/gdi.h"
#include "printing/page/report_page_records.h"
#include "printing/print_job_records.h"
#include "reporttext/format/sub_sup_text.h"
#include "shell/settings/heading_records.h"

namespace {

std::string HeadingText(const char* line) {
    std::string text(line, std::find(line, line + kHeadingLineBytes, '\0'));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int LineHeightOf(win::HDC dc) {
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
}

// Draws a subtitle centred on the whole text width at the current line.
void DrawCentred(win::HDC dc, const std::string& text) {
    const int width = GetTypedTextWidth(dc, text);
    TextOutTyped(dc, reportPageGrid.marginX + (reportPageGrid.textWidth - width) / 2,
                 reportPageGrid.lineY, text);
}

}  // namespace

void AdvanceLines(int lines) {
    reportPageGrid.lineY += lines * reportPageGrid.lineHeight;
    reportPageGrid.lineCount += lines;
}

int ColumnX(int column) {
    return reportPageGrid.marginX + column * reportPageGrid.charWidth;
}

uint16_t GetUnderscoresWidth(win::HDC dc, int count) {
    const int n = std::clamp(count, 0, kMaxRuleColumns);
    const std::string rule(static_cast<size_t>(n), '_');
    win::HGDIOBJ previous = win::SelectObject(dc, reportFonts.boldFont);
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, rule.c_str(), n, &size);
    if (previous != nullptr) win::SelectObject(dc, previous);
    return static_cast<uint16_t>(size.cx);
}

uint16_t PrintRule(win::HDC dc, int count) {
    const int n = std::clamp(count, 0, kMaxRuleColumns);
    const std::string rule(static_cast<size_t>(n), '_');
    win::HGDIOBJ previous = win::SelectObject(dc, reportFonts.boldFont);
    win::TextOutA(dc, reportPageGrid.marginX, reportPageGrid.lineY, rule.c_str(), n);
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, rule.c_str(), n, &size);
    if (previous != nullptr) win::SelectObject(dc, previous);
    return static_cast<uint16_t>(size.cx);
}

int PrintReportHeading(win::HDC dc) {
    ReportPageGrid& g = reportPageGrid;
    const int keptLineHeight = g.lineHeight;
    win::HGDIOBJ previous = win::SelectObject(dc, reportFonts.headingFont);
    const std::string title = HeadingText(headingLine3);
    if (!title.empty()) {
        const int logoWidth = reportLogoLayout.logoWidth;
        const int width = GetTypedTextWidth(dc, title);
        TextOutTyped(dc, g.marginX + logoWidth + (g.textWidth - logoWidth - width) / 2, g.lineY,
                     title);
        if (headingMarker == 0) AdvanceLines(2);
    }
    win::SelectObject(dc, reportFonts.boldFont);
    if (headingMarker != 0) PrintReportSubheadings(dc);
    if (previous != nullptr) win::SelectObject(dc, previous);
    g.lineHeight = keptLineHeight;
    return 0;
}

int PrintReportSubheadings(win::HDC dc) {
    ReportPageGrid& g = reportPageGrid;
    const int keptLineHeight = g.lineHeight;
    win::HGDIOBJ previous = win::SelectObject(dc, reportFonts.boldFontAnsi);
    g.lineHeight = LineHeightOf(dc);
    const bool marker = headingMarker != 0;
    const std::string first = HeadingText(headingLine1);
    const std::string second = HeadingText(headingLine2);
    if (!first.empty()) {
        if (marker) {
            AdvanceLines(1);
        } else {
            g.lineY += g.lineHeight + g.lineHeight / 2;
            g.lineCount += 2;
        }
        DrawCentred(dc, first);
    }
    if (!second.empty()) {
        AdvanceLines(1);
        DrawCentred(dc, second);
    }
    AdvanceLines(1);
    if (marker) {
        AdvanceLines(1);
        return 0;  // the heading restores font and line height
    }
    if (!first.empty() || !second.empty()) PrintRule(dc, g.columnsPerLine);
    if (previous != nullptr) win::SelectObject(dc, previous);
    g.lineHeight = keptLineHeight;
    return 0;
}
