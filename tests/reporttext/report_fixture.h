// A fixture page for the report writers: a small layout with the things the
// writers must get right (lowered characters, colours, a label over a rule, an
// OEM degree byte, a quoted label, a comma, a value cell covered by a later
// one, a time that is not a number) and builders that lay it out for any water.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/records.h"
#include "platform/win.h"
#include "reporttext/layout/report_layout.h"
#include "reporttext/report/report_builders.h"
#include "reporttext/report_buffer_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"

namespace reporttest {

inline constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
inline constexpr win::COLORREF kDarkBlue = win::RGB(0, 0, 127);

inline const char* WaterTitle(int water) {
    switch (water) {
        case 0:
            return "SURFACE WATER ANALYSIS";
        case 1:
            return "INJECTION WATER ANALYSIS";
        case 2:
            return "FORMATION WATER ANALYSIS";
        case 3:
            return "MIXED WATER CHEMISTRY";
        default:
            return "WATER ANALYSIS FOR MIXING";
    }
}

inline void LayOutFixture(ReportLayout& l) {
    l.AddText(0, 0, "ID:");
    l.AddValue(0, 4, "0930");
    l.AddRule(1, 2, "__________");
    l.AddText(1, 4, " T (^oF) ");
    l.AddText(2, 0, "CaCO_3");
    l.AddValue(2, 10, "  12.50");
    l.AddValue(2, 18, "       ");
    l.AddValue(2, 18, "   0.00", kRed);
    l.AddText(3, 0,
              "Temp \xF8"
              "F");
    l.AddValue(3, 10, "1.0e+10");
    l.AddText(4, 0, "\"M\" Alkalinity");
    l.AddValue(4, 16, "  -3.5", kDarkBlue);
    l.AddText(5, 0, "a, b");
    l.AddValue(5, 10, "< 0.001");
    l.NameLine(LayoutLine::kBandTop, 2);
    l.NameLine(LayoutLine::kBandBottom, 6);
}

// The waters the fixture builders were asked for, in order.
inline std::vector<int>& WatersLaidOut() {
    static std::vector<int> waters;
    return waters;
}

inline void FixtureChemistry(const ReportSource& source, ReportLayout& l) {
    WatersLaidOut().push_back(source.water);
    l.title = WaterTitle(source.water);
    LayOutFixture(l);
}

inline void FixtureIndicators(const ReportSource& source, ReportLayout& l) {
    WatersLaidOut().push_back(source.water);
    l.title = "INDICATORS";
    l.AddText(0, 2, "Calcite (CaCO_3)");
    l.AddValue(0, 24, "   1.25");
}

inline void FixtureProfile(const ReportSource& source, ReportLayout& l) {
    l.title = "PROFILE " + std::to_string(source.profile);
    l.AddText(0, 2, "pH");
}

// The text lines of the fixture layout in a plain-text report.
inline std::vector<std::string> FixtureTextLines() {
    return {
        "ID: 0930",
        "  __ T (\xB0"
        "F)",
        "CaCO3       12.50    0.00",
        "Temp \xB0"
        "F   1.0e+10",
        "\"M\" Alkalinity    -3.5",
        "a, b      < 0.001",
    };
}

// Fresh records and platform, with the fixture builders installed for the
// pages the tests use; the builders the build has are put back afterwards.
class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        ResetReportBufferRecords();
        ResetShellRecords();
        ResetHeadingRecords();
        resultStatus = ResultStatus{};
        ResetMultiMixRecords();
        WatersLaidOut().clear();
        for (int p = 0; p < kReportPageCount; ++p)
            saved_[p] = SetReportBuilder(static_cast<ReportPage>(p), nullptr);
        SetReportBuilder(ReportPage::kWaterChemistry, FixtureChemistry);
        SetReportBuilder(ReportPage::kWaterIndicators, FixtureIndicators);
    }
    void TearDown() override {
        for (int p = 0; p < kReportPageCount; ++p)
            SetReportBuilder(static_cast<ReportPage>(p), saved_[p]);
        win::ResetPlatform();
    }

    ReportBuilder saved_[kReportPageCount] = {};
};

}  // namespace reporttest
