// The texts of the 3D graph: titles and unit labels, the numbers of the floor
// axes and the foot texts.
#include <algorithm>
#include <cstring>
#include <variant>

#include "common/unit_codes.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_geometry.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_text.h"
#include "input/description_records.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/window/window.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class ThreeDTextsTest : public GraphTest {
  protected:
    // Calcite alone over pH 5.6 to 8.0 by 70 to 130 degrees.
    static void CalcitePhByTemperature() {
        graphChoice.count = 1;
        graphChoice.codes[0] = 0;
        whatIfSettings.phLow = 5.6f;
        whatIfSettings.phHigh = 8.0f;
        whatIfSettings.temperatureLow = 70.0f;
        whatIfSettings.temperatureHigh = 130.0f;
    }
    void SetUp() override {
        GraphTest::SetUp();
        ResetThreeDGraphRecords();
        ResetDescriptionRecords();
        whatIfResults.grid.gridKind = GridKind::kPhTemperature;
        gridSource = GridSource::kSingleWater;
    }
    std::string Title(uint16_t code) {
        ThreeDTexts t;
        BuildThreeDTitles(code, t);
        return graphTitle;
    }
    void Paint() {
        WNDCLASSLike();
        win::HWND w = win::CreateWindow("ThreeDTextWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0,
                                        0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(w, nullptr);
        win::HDC dc = win::GetDC(w);
        Draw3DGraph(dc, w);
        win::ReleaseDC(w, dc);
        win::DestroyWindow(w);
    }
    // A text of the last recorded paint: where it starts, how wide it is, and
    // the band its digits and capitals fill (internal leading to ascent).
    struct Placed {
        std::string text;
        int x, y, width, inkTop, inkBottom, averageWidth;
    };
    // Paints a 640 x 480 picture into a recording context and measures each text.
    std::vector<Placed> PaintRecorded() {
        WNDCLASSLike();
        win::HWND w = win::CreateWindow("ThreeDTextWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0,
                                        0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        win::HDC recorder = win::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        Draw3DGraph(recorder, w);
        std::vector<Placed> out;
        win::HDC measure = win::GetDC(w);  // 1:1 with the picture's logical units
        win::LOGFONTA font{};
        for (const win::MetaRecord& r : win::AsDc(recorder)->recording->records) {
            if (const auto* f = std::get_if<win::ops::SelectFont>(&r)) font = f->desc;
            const auto* t = std::get_if<win::ops::Text>(&r);
            if (t == nullptr) continue;
            win::HFONT made = win::CreateFontIndirectA(&font);
            win::HGDIOBJ old = win::SelectObject(measure, made);
            win::SIZE size{};
            win::GetTextExtentPoint32A(measure, t->text.c_str(), static_cast<int>(t->text.size()),
                                       &size);
            win::TEXTMETRICA tm{};
            win::GetTextMetricsA(measure, &tm);
            win::SelectObject(measure, old);
            win::DeleteObject(made);
            out.push_back({t->text, t->p.x, t->p.y, size.cx, t->p.y + tm.tmInternalLeading,
                           t->p.y + tm.tmAscent, tm.tmAveCharWidth});
        }
        win::ReleaseDC(w, measure);
        win::DeleteEnhMetaFile(win::CloseEnhMetaFile(recorder));
        win::DestroyWindow(w);
        return out;
    }
    static const Placed* Find(const std::vector<Placed>& all, const std::string& text) {
        for (const Placed& p : all)
            if (p.text == text) return &p;
        return nullptr;
    }
    static bool Touch(const Placed& a, const Placed& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.inkTop < b.inkBottom &&
               b.inkTop < a.inkBottom;
    }
    static void WNDCLASSLike() {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = win::DefWindowProc;
        wc.lpszClassName = "ThreeDTextWindow";
        (void)win::RegisterClass(&wc);
    }
};

TEST_F(ThreeDTextsTest, TitlesAndUnits) {
    EXPECT_EQ(Title(0), "Calcite Saturation Ratio");
    EXPECT_STREQ(graphUnitLabel, "Degree of Supersaturation");
    EXPECT_STREQ(graphProfileTitle, "INDEX PROFILE");
    displaySettings.indexFormat = 1;
    displaySettings.mineralTitles = 1;
    EXPECT_EQ(Title(0), "CaCO_3 Saturation Index");
    EXPECT_STREQ(graphUnitLabel, "Saturation Index");
    EXPECT_EQ(Title(10), "Langelier Saturation Index");
    EXPECT_STREQ(graphUnitLabel, "LSI");
    EXPECT_EQ(Title(18), "Larson-Skold Corrosivity Index");
    EXPECT_STREQ(graphUnitLabel, "");
    EXPECT_EQ(Title(31), "Practical Equilibrium Index");
    displaySettings.mineralTitles = 0;
    displaySettings.precipitationUnit = 1;
    EXPECT_EQ(Title(60), "Calcite Precipitation Potential");
    EXPECT_STREQ(graphUnitLabel, "lbs/1000 barrels");
    displaySettings.precipitationUnit = 0;
    EXPECT_EQ(Title(100), "Calcite Momentary Excess");
    EXPECT_STREQ(graphUnitLabel, "mg/l");
    displaySettings.precipitationUnit = 2;
    Title(100);
    EXPECT_STREQ(graphUnitLabel, "kg/1000 barrels");
    unitCodes.code[UnitItem::kTemperature] = 2;
    EXPECT_EQ(Title(40), "Mixed Water Temperature");
    EXPECT_STREQ(graphUnitLabel, "\xB0K");
    EXPECT_STREQ(graphProfileTitle, "PARAMETER PROFILE");
    phControlSettings.alkaliChemical = 7;
    EXPECT_EQ(Title(91), "None Selected Dosage Profile");
    EXPECT_STREQ(graphUnitLabel, "mg/l");
    phControlSettings.acidChemical = 3;
    EXPECT_EQ(Title(90), "93% Sulfuric Acid Dosage Profile");
    EXPECT_EQ(Title(95), "H_2S Corrosion rate");
    EXPECT_STREQ(graphUnitLabel, "mpy");
    EXPECT_STREQ(graphProfileTitle, "CORROSION PROFILE");
    // Codes that name no table: no stale title.
    for (uint16_t code : {64, 92, 97, 138}) {
        EXPECT_EQ(Title(code), "") << code;
        EXPECT_STREQ(graphUnitLabel, "") << code;
    }
}

TEST_F(ThreeDTextsTest, DosageTitlesAndSubtitle) {
    std::strcpy(productTable.records[0].name, "SCALEGUARD 4000");
    productTable.records[0].productMode = 1;
    EXPECT_EQ(Title(89), "SCALEGUARD 4000 Dosage Profile");
    EXPECT_STREQ(graphProfileTitle, "DOSAGE PROFILE");
    productTable.records[0].productMode = 2;
    Title(89);
    EXPECT_STREQ(graphProfileTitle, " ");
    EXPECT_STREQ(graphUnitLabel, "mpy");
    // The mixing subtitle.
    whatIfResults.grid.gridKind = 0;
    gridSource = GridSource::kMixing;
    mixGridTables.gridMixPercent[0] = 40.0f;
    Title(0);
    EXPECT_STREQ(graphSubtitle, "at 40.00 percent injection water");
    whatIfResults.grid.gridKind = 1;
    Title(0);
    EXPECT_STREQ(graphSubtitle, "");
}

TEST_F(ThreeDTextsTest, TextsAreCutAt51CharactersKeepingMarksWithTheirCharacters) {
    char text[kThreeDTextChars];
    const std::string sixty(60, 'x');
    CopyThreeDText(text, sixty.c_str());
    EXPECT_EQ(std::string(text), std::string(51, 'x'));
    std::string marked = std::string(50, 'x') + "_2y";  // '_' would be the 51st character
    CopyThreeDText(text, marked.c_str());
    EXPECT_EQ(std::string(text), std::string(50, 'x'));
    marked = std::string(49, 'x') + "_2y";  // '_' and its character both fit
    CopyThreeDText(text, marked.c_str());
    EXPECT_EQ(std::string(text), std::string(49, 'x') + "_2");
    // A product name filling its 20 bytes has no terminator: the title takes
    // the 20 characters and nothing of the fields behind them.
    std::memset(productTable.records[0].name, 'P', sizeof productTable.records[0].name);
    std::strcpy(productTable.records[0].fileName, "C:\\PRODUCTS\\P.PRD");
    productTable.records[0].productMode = 0;
    EXPECT_EQ(Title(89), std::string(20, 'P') + " Dosage Profile");
}

TEST_F(ThreeDTextsTest, FloorNumbers) {
    EXPECT_EQ(RowAxisNumber(6.5, 2.0), "6.50");
    EXPECT_EQ(RowAxisNumber(6.8333, 2.0), "6.83");
    EXPECT_EQ(RowAxisNumber(7.1667, 2.0), "7.17");
    EXPECT_EQ(RowAxisNumber(7.0, 0.6), "7.000");
    EXPECT_EQ(RowAxisNumber(7.1, 0.6), "7.100");
    EXPECT_EQ(RowAxisNumber(0.5, 0.6), "0.50");
    EXPECT_EQ(RowAxisNumber(16.6667, 100.0), "16.7");
    EXPECT_EQ(RowAxisNumber(100.0, 100.0), "100");
    EXPECT_EQ(RowAxisNumber(183.5, 182.5), "183");
    EXPECT_EQ(RowAxisNumber(916.6667, 4900.0), "917  ");
    EXPECT_EQ(RowAxisNumber(5000.0, 4900.0), "5000 ");
    EXPECT_EQ(ColumnAxisNumber(70.0), "  70");
    EXPECT_EQ(ColumnAxisNumber(116.67), " 117");
    EXPECT_EQ(ColumnAxisNumber(12345.0), "1234");
}

TEST_F(ThreeDTextsTest, PaintedLabelsFootTextsAndNotice) {
    CalcitePhByTemperature();
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.results[cell][0] = 2.0f;
    // The surface water's texts; the form opened last was another water's.
    std::strcpy(waterDescriptions[0].text[0], "Well 7");
    std::strcpy(waterDescriptions[0].text[2], "North field");
    std::strcpy(currentDescription.text[1], "Injection well");
    graphOutputFlags.colorNow = 1;
    Paint();
    const ThreeDTexts& t = lastThreeDTexts;
    ASSERT_EQ(t.rowNumbers.size(), 7u);
    EXPECT_EQ(t.columnNumbers[0], "  70");
    EXPECT_EQ(t.columnNumbers[6], " 130");
    EXPECT_EQ(t.rowNumbers[0], "5.60");
    EXPECT_EQ(t.rowNumbers[6], "8.00");
    EXPECT_EQ(t.captions, (std::vector<std::string>{"pH", "o", "F"}));
    EXPECT_TRUE(t.feet.empty());  // labels hidden
    EXPECT_FALSE(t.notice);

    showGraphLabels = 1;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet, (std::vector<std::string>{"Well 7", "North field"}));
    // A pressure grid without a product: "UNTREATED" at the left.
    whatIfResults.grid.gridKind = GridKind::kPressureTemperature;
    whatIfSettings.pressureLow = 1.0f;
    whatIfSettings.pressureHigh = 100.0f;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "UNTREATED");
    EXPECT_EQ(lastThreeDTexts.captions[0], "ATM");
    // A single water with colour coding but no product: no legend at all.
    whatIfResults.grid.gridKind = GridKind::kPhTemperature;
    graphOutputFlags.treatedColorCoding = 1;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "North field");
    graphOutputFlags.treatedColorCoding = 0;
    // The dosage graph has no legend; a single water with a product, coding off: "Untreated".
    resultStatus.productSelected = 1;
    std::strcpy(productTable.records[0].name, "PRODUCT A");
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "Untreated");
    graphOutputFlags.treatedColorCoding = 1;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "Treated with PRODUCT A");
    graphChoice.codes[0] = 89;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "North field");

    // The log form of a mineral that is nowhere supersaturated: the notice.
    graphChoice.codes[0] = 0;
    displaySettings.indexFormat = 1;
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.results[cell][0] = 0.0f;
    Paint();
    EXPECT_TRUE(lastThreeDTexts.notice);
}

TEST_F(ThreeDTextsTest, PlacesOfTheFootTextsValueNumbersAndFloorNumbers) {
    CalcitePhByTemperature();
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][0] = static_cast<float>(cell);
    std::strcpy(waterDescriptions[0].text[0], "Well 7");
    std::strcpy(waterDescriptions[0].text[3], "Sampled at the wellhead");
    showGraphLabels = 1;
    graphOutputFlags.colorNow = 1;
    for (int style : {0, 2}) {
        displaySettings.threeDPlotStyle = static_cast<int16_t>(style);
        const std::vector<Placed> all = PaintRecorded();
        // Foot texts end one average character width and a pixel before x = 319.
        for (const char* foot : {"Well 7", "Sampled at the wellhead"}) {
            const Placed* p = Find(all, foot);
            ASSERT_NE(p, nullptr) << foot;
            const int end = 319 - p->averageWidth - 1;
            EXPECT_GE(p->x + p->width, end - 1) << foot;
            EXPECT_LE(p->x + p->width, end) << foot;
        }
        // The value numbers end at their stubs, two units left of the stub's end.
        const ThreeDBox box = MakeThreeDBox(style, 480);
        const Placed* top = Find(all, "50");
        ASSERT_NE(top, nullptr);
        EXPECT_LT(top->x + top->width, box.B().x - 2);
        EXPECT_GT(top->x + top->width, box.B().x - 30);
        // The floor numbers lie on their strips and none touches another.
        // Rows: no number touches another, nor a column number; the whole
        // degrees of the columns stay on one line of the dark strip.
        std::vector<const Placed*> floor;
        std::vector<bool> isRow;
        for (const Placed& p : all) {
            const bool row =
                std::find(lastThreeDTexts.rowNumbers.begin(), lastThreeDTexts.rowNumbers.end(),
                          p.text) != lastThreeDTexts.rowNumbers.end();
            const bool column = p.text.size() >= 2 && p.text.size() <= 3 &&
                                p.text.find_first_not_of("0123456789") == std::string::npos &&
                                p.y > box.B().y;
            if (!row && !column) continue;
            floor.push_back(&p);
            isRow.push_back(row);
            const double low = row ? box.C().x : box.B().x;
            const double high = row ? box.A().x : box.C().x;
            EXPECT_GE(p.x, low) << p.text;
            EXPECT_LE(p.x + p.width, high) << p.text;
        }
        ASSERT_EQ(floor.size(), 14u);
        for (size_t i = 0; i < floor.size(); ++i)
            for (size_t j = i + 1; j < floor.size(); ++j)
                EXPECT_TRUE((!isRow[i] && !isRow[j]) || !Touch(*floor[i], *floor[j]))
                    << style << ": " << floor[i]->text << " and " << floor[j]->text;
    }
}

}  // namespace
}  // namespace graphtest
