// TREATMENT LIMITS SUMMARY: the kind mapping, a point of every kind's table,
// a point outside its table, and the template that fits the rows.
#include "treatment/limits/limits_summary.h"

#include "common/index_code.h"
#include "graphs/records.h"
#include "platform/win.h"
#include "tests/treatment/dialog_fixture.h"
#include "tests/treatment/product_fixture.h"
#include "treatment/treatment_dialog_ids.h"

namespace {

// The barite ratio each kind's point holds, so the row shows which table was read.
constexpr float kBariteAt = 123.0f;

class LimitsSummaryTest : public producttest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        producttest::Put(productTable.records[0].name, "PHOS-BA");
        productTable.componentCount = 1;
        productTable.limits[0] = LimitSlot{IndexCode::kBarite, 1, kUnsetLimit, 130.0f};
        resultStatus.productSelected = 1;
    }
    // Opens the summary; what its dialog showed, or nothing when none opened.
    struct Shown {
        int templateId = 0;
        std::string product, point;
        std::vector<std::string> rows;
        int visibleRows = 0;
        win::RECT frame{};
    };
    Shown Summary(int kind, int a, int b) {
        Shown shown;
        for (int id : {4277, 4281, 4283})
            win::OnDialog(
                id,
                [&shown, id](win::HWND d) {
                    shown.templateId = id;
                    shown.product =
                        win::WindowText(win::GetDlgItem(d, LimitsSummaryControl::kProduct));
                    shown.point = win::WindowText(win::GetDlgItem(d, LimitsSummaryControl::kPoint));
                    shown.rows = Rows(d, LimitsSummaryControl::kList);
                    win::RECT client;
                    win::GetClientRect(win::GetDlgItem(d, LimitsSummaryControl::kList), &client);
                    shown.visibleRows = client.bottom / 16;
                    win::GetWindowRect(d, &shown.frame);
                    win::PressButton(d, win::IDOK);
                },
                1);
        EXPECT_EQ(ShowLimitsSummary(kind, a, b), 0);
        return shown;
    }
};

TEST(LimitsSummaryKind, ZeroTakesTheGraphsKindFiveAndSevenStayOthersArePressure) {
    EXPECT_EQ(MapSummaryKind(0, 8), 8);
    EXPECT_EQ(MapSummaryKind(0, 3), 3);
    EXPECT_EQ(MapSummaryKind(5, 1), 5);
    EXPECT_EQ(MapSummaryKind(7, 1), 7);
    for (int other : {1, 2, 3, 4, 6, 8, 9, -1}) EXPECT_EQ(MapSummaryKind(other, 1), 4) << other;
}

TEST(LimitsSummaryText, NumbersBoundsAndRatings) {
    EXPECT_EQ(FormatLimitBound(kUnsetLimit), "-");
    EXPECT_EQ(FormatLimitValue(123.456), "123.5");
    EXPECT_EQ(FormatLimitValue(7.25), "7.250");
    EXPECT_EQ(FormatLimitValue(2809.4), "2809");
    EXPECT_EQ(FormatLimitValue(0.0), "0.000");
    EXPECT_EQ(FormatLimitValue(2.5e-5), "2.500e-05");
    EXPECT_STREQ(RatingText(0), "within");
    EXPECT_STREQ(RatingText(1), "near");
    EXPECT_STREQ(RatingText(2), "OUTSIDE");
}

// Each kind reads its own table at its own point: the point is filled with a
// barite ratio near the bound, every other row stays 0.
TEST_F(LimitsSummaryTest, EveryKindReadsItsOwnTable) {
    struct Case {
        int kind, a, b;
        float* barite;
        uint32_t graphKind;
        const char* point;
    };
    const Case cases[] = {
        {0, 3, 3, &whatIfResults.tempProfile.results[3][21], 1, "Temperature profile, point 4"},
        {0, 6, 6, &whatIfResults.phProfile.results[6][21], 2, "pH profile, point 7"},
        {0, 2, 2, &mixProfileTables.mixResults[2][21], 3, "Mixing-ratio profile, point 3"},
        {4, 0, 0, &whatIfResults.pressureProfile.results[0][21], 0, "Pressure profile, point 1"},
        {5, 11, 11, &wellProfiles.wellLog.results[11][21], 0, "Well log, station 12"},
        {0, 11, 11, &wellProfiles.flash11.results[11][21], 6, "After-flash profile, point 12"},
        {7, 2, 5, &whatIfResults.grid.results[19][21], 0, "3D grid, row 3, column 6"},
        {0, 48, 48, &wellProfiles.flash48.results[48][21], 8,
         "Well-log summary profile, station 49"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        *c.barite = kBariteAt;
        graphProfileKind = c.graphKind;
        const Shown s = Summary(c.kind, c.a, c.b);
        EXPECT_EQ(s.templateId, 4277);
        EXPECT_EQ(s.product, "Product: PHOS-BA");
        EXPECT_EQ(s.point, c.point);
        ASSERT_EQ(s.rows.size(), 1u);
        EXPECT_EQ(s.rows[0], "Barite saturation\t123.0\t-\t130.0\tnear");
        EXPECT_EQ(treatmentLimitEvaluation.worstRating, 1);
        *c.barite = 0.0f;
    }
    EXPECT_TRUE(failures.empty());
}

// A point outside its table shows no summary: the well-log window's stations
// passed as kind 2 become points of the seven-point pressure profile.
TEST_F(LimitsSummaryTest, APointOutsideItsTableShowsNothing) {
    treatmentLimitEvaluation.rowCount = 5;
    const struct {
        int kind, a, b;
        uint32_t graphKind;
    } outside[] = {{2, 7, 7, 0}, {2, 40, 40, 8}, {0, 7, 7, 1}, {5, 12, 12, 0}, {7, 7, 0, 0},
                   {7, 0, 7, 0}, {7, -1, 0, 0},  {0, 0, 0, 0}, {0, 49, 49, 8}, {0, 3, 3, 9}};
    for (const auto& o : outside) {
        graphProfileKind = o.graphKind;
        EXPECT_EQ(Summary(o.kind, o.a, o.b).templateId, 0) << o.kind << " " << o.a;
    }
    EXPECT_EQ(treatmentLimitEvaluation.rowCount, 5);  // not evaluated
    EXPECT_TRUE(failures.empty());
}

// 10 rows fit template 4277, 11 and 20 template 4281, 21 template 4283; each
// list shows all its rows and each dialog fits a 640 x 480 desktop.
TEST_F(LimitsSummaryTest, TheTemplateFitsTheRows) {
    for (int rows : {10, 11, 20, 21}) {
        SCOPED_TRACE(rows);
        for (int s = 0; s < kLimitSlotCount; ++s)
            productTable.limits[s] =
                LimitSlot{static_cast<int16_t>(100 + s), s < rows ? uint16_t{1} : uint16_t{0},
                          kUnsetLimit, kUnsetLimit};
        const Shown shown = Summary(4, 1, 1);
        EXPECT_EQ(shown.templateId, rows <= 10 ? 4277 : rows <= 20 ? 4281 : 4283);
        EXPECT_EQ(static_cast<int>(shown.rows.size()), rows);
        EXPECT_GE(shown.visibleRows, rows);
        EXPECT_GE(shown.frame.top, 0);
        EXPECT_LE(shown.frame.bottom, 480);
        EXPECT_LE(shown.frame.right - shown.frame.left, 640);
        EXPECT_EQ(shown.rows[0], "pH\t0.000\t-\t-\twithin");
    }
}

// The summary rates by the same evaluation the dose uses: analysis values by
// element, the residence time, a lower bound.
TEST_F(LimitsSummaryTest, RowsRateAnalysisValuesAndTime) {
    productTable.limits[0] = LimitSlot{100, 1, 6.0f, 8.0f};           // pH
    productTable.limits[1] = LimitSlot{115, 1, kUnsetLimit, 100.0f};  // temperature
    productTable.limits[2] = LimitSlot{200, 1, 300.0f, kUnsetLimit};  // residence time
    productTable.limits[3] = LimitSlot{21, 0, kUnsetLimit, 1.0f};     // not enabled
    whatIfResults.tempProfile.analysis[0][0] = 7.0f;
    whatIfResults.tempProfile.analysis[0][15] = 120.0f;
    currentResidenceTime = 180.0f;
    graphProfileKind = 1;
    const Shown s = Summary(0, 0, 0);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0], "pH\t7.000\t6.000\t8.000\twithin");
    EXPECT_EQ(s.rows[1], "Temperature\t120.0\t-\t100.0\tOUTSIDE");
    EXPECT_EQ(s.rows[2], "Residence time\t180.0\t300.0\t-\tOUTSIDE");
    EXPECT_EQ(treatmentLimitEvaluation.worstRating, 2);
}

}  // namespace
