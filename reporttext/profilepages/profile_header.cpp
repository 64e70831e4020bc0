// The identification line and the axis header of the profile pages.
#include "reporttext/profilepages/profile_header.h"

#include <algorithm>
#include <cstdio>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/distinct_digits.h"
#include "reporttext/format/format_value.h"
#include "reporttext/report/report_builders.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/records.h"

namespace {

const char* const kPressureUnits[] = {"(atm) ", "(bars) ", "(psia) ", "(KPa) "};

std::string Fixed(double v, int decimals) {
    return FixedCell(v, decimals);
}

}  // namespace

void AddProfileIdentification(ReportLayout& layout, int profile) {
    const bool mixing = profile == ProfileKind::kMixing;
    const WaterAnalysis& w = mixing ? injectionWater : surfaceWater;
    AddIdentification(layout, ProfileLine(1), {2, 13, 26, 38, 50, 58, 69, 72}, w.sampleNumber,
                      w.reportDate, w.sampleDate, w.sampleTime, TypedSampleId(mixing ? 1 : 0));
}

std::vector<double> ProfilePco2Values(const ProfileViewRecord& view) {
    std::vector<double> values;
    for (const auto& point : view.points) values.push_back(point.values[AnalysisElement::kPco2]);
    return values;
}

std::vector<std::string> Pco2Headings(const ProfileViewRecord& view) {
    const std::vector<double> values = ProfilePco2Values(view);
    std::vector<std::string> texts;
    for (double v : values) texts.push_back(Pco2Cell(v));
    for (size_t k = 0; k < texts.size(); ++k)
        if (!ReadsApart(texts, values, k)) texts[k] = DistinctPointText(values, k, 2, 7);
    return texts;
}

void AddProfileAxis(ReportLayout& layout, const ProfileViewRecord& view) {
    const int line3 = ProfileLine(3);
    layout.AddRule(line3, 24, std::string(56, '_'));
    switch (view.profile) {
        case ProfileKind::kMixing: {
            const std::string injection = " % INJECTION -";
            layout.AddText(line3, 52 - static_cast<int>(injection.size()), injection,
                           kInjectionBlue);
            layout.AddText(line3, 52, "- % FORMATION ", kFormationRed);
            for (int k = 0; k < kProfileViewPoints; ++k) {
                const double percent = view.points[k].injectionPercent;
                layout.AddValue(ProfileLine(4), PointColumn(k), Fixed(percent, 2), kInjectionBlue);
                layout.AddValue(ProfileLine(5), PointColumn(k), Fixed(100.0 - percent, 2),
                                kFormationRed);
            }
            return;
        }
        case ProfileKind::kPressure: {
            const int code = unitCodes.code[UnitItem::kPressure];
            layout.AddText(
                line3, 47,
                std::string(" Pressure ") + (code >= 0 && code < 4 ? kPressureUnits[code] : ""));
            for (int k = 0; k < kProfileViewPoints; ++k)
                layout.AddValue(ProfileLine(4), PointColumn(k),
                                Value7Cell(view.points[k].values[AnalysisElement::kPressure]));
            return;
        }
        case ProfileKind::kTemperature: {
            // The label stands over 18 blanks that cut the rule; the
            // temperatures stand on the cations' heading line.
            static const char* const units[] = {"(^oF) ", "(^oC) ", "(^oK) "};
            const int code = unitCodes.code[UnitItem::kTemperature];
            layout.AddText(line3, 44, std::string(18, ' '));
            layout.AddText(
                line3, 44,
                std::string(" TEMPERATURE ") + (code >= 0 && code < 3 ? units[code] : ""));
            for (int k = 0; k < kProfileViewPoints; ++k)
                layout.AddValue(ProfileLine(4), PointColumn(k),
                                Fixed(view.points[k].values[AnalysisElement::kTemperature], 2));
            return;
        }
        default: {
            const bool pco2 = whatIfOptions.varyPco2 != 0;
            layout.AddText(line3, 51, pco2 ? " pCO_2 " : " pH ");
            if (pco2) {
                const std::vector<std::string> headings = Pco2Headings(view);
                for (int k = 0; k < kProfileViewPoints; ++k)
                    layout.AddValue(ProfileLine(4), PointColumn(k),
                                    headings[static_cast<size_t>(k)]);
                return;
            }
            for (int k = 0; k < kProfileViewPoints; ++k)
                layout.AddValue(ProfileLine(4), PointColumn(k),
                                Fixed(view.points[k].values[AnalysisElement::kPh], 2));
            return;
        }
    }
}

int PointRowLabelColumn(const std::string& label, const std::string& firstValue) {
    // The characters the label shows: a '_' or '^' marks the one after it.
    int shown = 0;
    for (std::size_t i = 0; i < label.size(); ++i, ++shown)
        if ((label[i] == '_' || label[i] == '^') && i + 1 < label.size()) ++i;
    const std::size_t digits = firstValue.find_first_not_of(' ');
    const int blanks = static_cast<int>(digits == std::string::npos ? firstValue.size() : digits);
    // A blank before the digits; a value as wide as its cell meets the label
    // at the cell's edge, as every row's label may.
    const int lastFree = PointColumn(0) + std::max(0, blanks - 1);
    return std::max(0, std::min(4, lastFree - shown));
}
