// The shared texts of the result pages.
#include "reporttext/waterpages/page_texts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/records.h"
#include "input/description_records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/line_breaks.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

std::string PackedDateText(int32_t date, int dateOrder) {
    const long year = date / 10000 + 1900;
    const long month = (date % 10000) / 100;
    const long day = date % 100;
    char text[64];
    if (dateOrder == 0)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", month, day, year);
    else if (dateOrder == 1)
        std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", day, month, year);
    else
        std::snprintf(text, sizeof text, "%.4ld-%.2ld-%.2ld", year, month, day);
    return text;
}

std::string SampleTimeText(int time) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", time);
    return std::string(text).substr(0, 4);
}

std::string Cell(const char* text) {
    char cell[8];
    CutToSevenCharacters(text, cell);
    return cell;
}

std::string FixedCell(double value, int decimals) {
    if (IsUndefinedValue(value)) return kNotApplicable;
    char text[kValueTextChars];
    std::snprintf(text, sizeof text, "%7.*f", decimals, value);
    return Cell(text);
}

std::string Value7Cell(float value) {
    char text[kValueTextChars];
    FormatValue7(text, value);
    return Cell(text);
}

std::string Pco2Cell(double value) {
    char text[kValueTextChars];
    FormatPco2(value, text);
    const std::string cell = Cell(text);
    return cell.size() < 7 ? std::string(7 - cell.size(), ' ') + cell : cell;
}

std::string_view TypedSampleId(int water) {
    if (water == 4) water = 0;
    if (water == WaterSelector::kMultiMixSource) {
        const int k = multiMixState.editIndex;
        if (k < 0 || k >= kMultiMixWaterCount) return {};
        const char(&id)[128] = multiMixState.descriptions[k].text[7];
        return std::string_view(id, strnlen(id, sizeof id));
    }
    if (water < 0 || water >= kDescribedWaterCount) return {};
    const char(&id)[128] = waterDescriptions[water].text[7];
    return std::string_view(id, strnlen(id, sizeof id));
}

ZeroNumber ZeroNumberOf(int water) {
    return water == WaterSelector::kMixed || water == WaterSelector::kMultiMixSource
               ? ZeroNumber::kNone
               : ZeroNumber::kShown;
}

void AddIdentification(ReportLayout& layout, int line, const IdentificationColumns& c,
                       int sampleNumber, int32_t reportDate, int32_t sampleDate, int sampleTime,
                       std::string_view idText, ZeroNumber zero) {
    const int order = unitCodes.code[UnitItem::kDateFormat];
    layout.AddText(line, c.idLabel, "Sample ID:");
    layout.AddText(line, c.reportLabel, "Report Date:");
    layout.AddText(line, c.sampledLabel, "Sampled:");
    layout.AddText(line, c.atLabel, "at");
    const size_t room =
        c.reportLabel > c.idValue ? static_cast<size_t>(c.reportLabel - c.idValue - 1) : 0;
    const std::string id(idText);
    if (!id.empty() && id.size() <= room) {
        layout.AddTyped(line, c.idValue, id);
    } else if (!id.empty()) {
        // The whole ID on the line below, under its label's value column, or
        // further left as far as the label when it would run past the page;
        // one too long for the page is broken as the printed report breaks
        // it, each line from the label's column, and the page moves down
        // under the lines it needs beyond the one kept for it.
        const std::vector<std::string> lines =
            BreakIntoColumns(id, static_cast<size_t>(kPageTextColumns - c.idLabel));
        if (lines.size() == 1) {
            const int size = static_cast<int>(id.size());
            layout.AddTyped(line + 1, std::max(c.idLabel, std::min(c.idValue, kPageTextColumns - size)),
                            id);
        } else {
            for (size_t n = 0; n < lines.size(); ++n)
                layout.AddTyped(line + 1 + static_cast<int>(n), c.idLabel, lines[n]);
            layout.OpenLines(line + 2, static_cast<int>(lines.size()) - 1);
        }
    } else if (sampleNumber != 0 || zero == ZeroNumber::kShown) {
        char number[16];
        std::snprintf(number, sizeof number, "%5d", sampleNumber);
        layout.AddText(line, c.idValue, number);
    }
    layout.AddText(line, c.reportValue, PackedDateText(reportDate, order));
    layout.AddText(line, c.sampledValue, PackedDateText(sampleDate, order));
    layout.AddText(line, c.atValue, SampleTimeText(sampleTime));
}
