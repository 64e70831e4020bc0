// The three identification blocks. Texts are placed on the grid's columns,
// each at its own column, so an empty description prints nothing: text cells
// are opaque, and blanks in its place would paint over a long neighbour.
// Descriptions are the user's own texts and go in the ANSI font. Every text
// here is drawn as it stands: the labels need no sub- or superscripts, and a
// '_' or '^' the user typed is a character like any other.
#include "printing/page/identification_blocks.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "platform/gdi/gdi.h"
#include "printing/page/report_dates.h"
#include "printing/page/report_logo.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "reporttext/format/line_breaks.h"
#include "reporttext/format/sub_sup_text.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

constexpr size_t kDescriptionChars = sizeof(SampleDescription::text[0]);

void PutText(win::HDC dc, int column, const std::string& text) {
    if (text.empty()) return;
    TextOutTyped(dc, ColumnX(column), reportPageGrid.lineY, text);
}

std::string Description(const SampleDescription& texts, int field) {
    const char* text = texts.text[field];
    return std::string(text, strnlen(text, kDescriptionChars));
}

uint16_t DateOrderChoice() {
    return unitCodes.code[UnitItem::kDateFormat];
}

std::string DateText(int32_t packedDate) {
    return FormatReportDate(packedDate != 0 ? packedDate : mainWindowState.reportDate,
                            DateOrderChoice());
}

int TextWidth(win::HDC dc, std::string_view text) {
    return GetTypedTextWidth(dc, text);
}

// The ID beside "Sample ID:" when it fits before the grid's right edge; else
// whole on the lines below, from the descriptions' column, broken after a
// blank where it can be, as the pages break it.
void PutSampleId(win::HDC dc, const std::string& id) {
    const int right = reportPageGrid.marginX + reportPageGrid.textWidth;
    if (ColumnX(51) + TextWidth(dc, id) <= right) {
        PutText(dc, 51, id);
        return;
    }
    const int room = right - ColumnX(18);
    const LineFitting fitting = [dc, room](std::string_view rest) {
        size_t fits = 0;
        while (fits < rest.size() && TextWidth(dc, rest.substr(0, fits + 1)) <= room)
            ++fits;
        return fits;
    };
    for (const std::string& line : BreakIntoLines(id, fitting)) {
        AdvanceLines(1);
        PutText(dc, 18, line);
    }
}

// The body font's line pitch without the twelfth the report lines add.
int PlainLineHeight(win::HDC dc) {
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading;
}

// The top rule and the logo in the band above it, then the ANSI font.
void OpenBlock(win::HDC dc, bool ownLinePitch) {
    win::SelectObject(dc, reportFonts.bodyFont);
    PrintRule(dc, reportPageGrid.columnsPerLine);
    PlaceReportLogo();
    win::SelectObject(dc, reportFonts.bodyFontAnsi);
    if (ownLinePitch) reportPageGrid.lineHeight = PlainLineHeight(dc);
    AdvanceLines(2);
}

}  // namespace

void PrintSampleHeader(win::HDC dc, const WaterAnalysis& water, const SampleDescription& texts,
                       bool zeroShown) {
    const int keptLineHeight = reportPageGrid.lineHeight;
    OpenBlock(dc, true);
    const int pairs[3][2] = {{0, 1}, {2, 3}, {5, 6}};  // field 4, the comments, ends the report
    for (int row = 0; row < 3; ++row) {
        PutText(dc, 18, Description(texts, pairs[row][0]));
        PutText(dc, 42, Description(texts, pairs[row][1]));
        AdvanceLines(row < 2 ? 1 : 2);
    }
    PutText(dc, 18, "Report Date: ");
    PutText(dc, 31, DateText(water.reportDate));
    PutText(dc, 42, "Sampled:");
    PutText(dc, 51, DateText(water.sampleDate) + " at " + FormatSampleTime(water.sampleTime));
    AdvanceLines(1);
    PutText(dc, 18, "Sample #:");
    if (water.sampleNumber != 0 || zeroShown) PutText(dc, 31, std::to_string(water.sampleNumber));
    PutText(dc, 42, "Sample ID:");
    PutSampleId(dc, Description(texts, 7));
    AdvanceLines(1);
    PrintRule(dc, reportPageGrid.columnsPerLine);
    reportPageGrid.lineHeight = keptLineHeight;
}

void PrintSampleHeaderCompact(win::HDC dc, const WaterAnalysis& injection,
                              const SampleDescription& injectionTexts,
                              const WaterAnalysis& formation,
                              const SampleDescription& formationTexts) {
    const int keptLineHeight = reportPageGrid.lineHeight;
    OpenBlock(dc, false);
    for (int k = 0; k < 2; ++k) {
        PutText(dc, 0, Description(injectionTexts, k));
        PutText(dc, 22, Description(injectionTexts, k + 2));
        PutText(dc, 42, Description(formationTexts, k));
        PutText(dc, 64, Description(formationTexts, k + 2));
        AdvanceLines(1);
    }
    const struct {
        const WaterAnalysis& water;
        int column;
    } sides[2] = {{injection, 0}, {formation, 42}};
    for (const auto& side : sides) {
        PutText(dc, side.column, "Report Date");
        PutText(dc, side.column + 12, DateText(side.water.reportDate));
        PutText(dc, side.column + 22, "Sample #");
        PutText(dc, side.column + 32, std::to_string(side.water.sampleNumber));
    }
    AdvanceLines(1);
    for (const auto& side : sides) {
        PutText(dc, side.column, "Sample Date");
        PutText(dc, side.column + 12, DateText(side.water.sampleDate));
        PutText(dc, side.column + 22, "at");
        PutText(dc, side.column + (side.column == 0 ? 26 : 25),
                FormatSampleTime(side.water.sampleTime));
    }
    // The closing rule goes on a line of its own: drawn on the line above, its
    // opaque cells would paint over the sample dates.
    AdvanceLines(1);
    PrintRule(dc, reportPageGrid.columnsPerLine);
    reportPageGrid.lineHeight = keptLineHeight;
}

void PrintMixSourceHeader(win::HDC dc, const MultiMixState& mix, int /*reportKind*/) {
    const int keptLineHeight = reportPageGrid.lineHeight;
    OpenBlock(dc, true);
    const int last = std::min(mix.lastWaterIndex, kMultiMixWaterCount - 1);
    for (int k = 0; k <= last; ++k) {
        const int column = k % 2 == 0 ? 14 : 42;
        PutText(dc, column, std::to_string(k + 1) + ")");
        // A water is named by its name, or by its ID when it has none.
        std::string name = Description(mix.descriptions[k], 0);
        if (name.empty()) name = Description(mix.descriptions[k], 7);
        PutText(dc, column + 4, name);
        if (k % 2 == 1) AdvanceLines(1);
    }
    AdvanceLines(2);
    PutText(dc, 14, "Report Date: ");
    PutText(dc, 27, DateText(mainWindowState.reportDate));
    AdvanceLines(1);
    PrintRule(dc, reportPageGrid.columnsPerLine);
    reportPageGrid.lineHeight = keptLineHeight;
}
