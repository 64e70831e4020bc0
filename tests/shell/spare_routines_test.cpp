// The spare shell routines: the busy wait against an injected tick count
// (also across the counter's wrap), coloured text placed on the report page's
// character grid (pixels read back), and the momentary-excess unit toggle
// with its questions, answers and units-file writes.
#include "shell/spare/spare_routines.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "shell/settings/units_file.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

// ---- DelaySeconds --------------------------------------------------------------

// A tick count that advances one millisecond per call, from `start`.
struct FakeTicks {
    explicit FakeTicks(win::DWORD start) : first(start), next(start) {
        win::SetTickCountSource([this] {
            ++calls;
            return next++;
        });
    }
    ~FakeTicks() { win::SetTickCountSource(nullptr); }
    // Milliseconds between the first and the last tick read.
    win::DWORD Waited() const { return calls == 0 ? 0 : static_cast<win::DWORD>(next - 1 - first); }

    win::DWORD first;
    win::DWORD next;
    int calls = 0;
};

struct DelayCase {
    const char* what;
    double seconds;
    win::DWORD startTick;
    win::DWORD waitedMs;
};

class SpareShellRoutinesDelay : public ShellTest,
                                public ::testing::WithParamInterface<DelayCase> {};

TEST_P(SpareShellRoutinesDelay, WaitsTheCappedTimeInTicks) {
    const DelayCase& c = GetParam();
    FakeTicks ticks(c.startTick);
    DelaySeconds(c.seconds);
    EXPECT_EQ(ticks.Waited(), c.waitedMs) << c.what;
    if (c.waitedMs == 0) {
        EXPECT_EQ(ticks.calls, 0) << c.what;  // returned before reading the clock
    }
}

constexpr win::DWORD kThreeSecondsBeforeWrap = 0xFFFFFFFFu - 2999u;

INSTANTIATE_TEST_SUITE_P(
    SpareShellRoutines, SpareShellRoutinesDelay,
    ::testing::Values(
        DelayCase{"25 s is capped at 10 s", 25.0, 5000, 10000},
        DelayCase{"capped wait across the wrap", 25.0, kThreeSecondsBeforeWrap, 10000},
        DelayCase{"2.5 s across the wrap", 2.5, 0xFFFFFFFFu - 999u, 2500},
        DelayCase{"a fraction of a millisecond is cut", 0.0019, 100, 1},
        DelayCase{"-1 returns at once", -1.0, 5000, 0},
        DelayCase{"-1 near the wrap returns at once", -1.0, kThreeSecondsBeforeWrap, 0},
        DelayCase{"not a number returns at once", std::numeric_limits<double>::quiet_NaN(), 5000,
                  0},
        DelayCase{"infinity is capped", std::numeric_limits<double>::infinity(), 5000, 10000}));

// ---- DrawColoredText ------------------------------------------------------------

class SpareShellRoutinesText : public ShellTest {};

TEST_F(SpareShellRoutinesText, PutsTheTextOnTheCharacterGridInItsColour) {
    constexpr int kWidth = 320, kHeight = 160;
    const win::HDC screen = win::GetDC(nullptr);
    const win::HDC dc = win::CreateCompatibleDC(screen);
    const win::HBITMAP bitmap = win::CreateCompatibleBitmap(screen, kWidth, kHeight);
    win::ReleaseDC(nullptr, screen);
    const win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    // A page font as the start-up makes it, large and bold enough for solid strokes.
    const win::HFONT font = win::CreateFontA(-24, 0, 0, 0, 700, 0, 0, 0, win::OEM_CHARSET, 0, 0, 0,
                                             win::FIXED_PITCH, "courier new");
    const win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    const win::RECT all{0, 0, kWidth, kHeight};
    win::FillRect(dc, &all, static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));
    win::SetBkMode(dc, win::TRANSPARENT);
    win::TEXTMETRICA tm{};
    ASSERT_TRUE(win::GetTextMetricsA(dc, &tm));
    reportPageGrid.lineHeight = 17;  // a page pitch unlike the font's own height

    const win::COLORREF red = win::RGB(200, 0, 0);
    EXPECT_EQ(DrawColoredText(dc, tm, "MMM", red, 3, 5), 1);
    EXPECT_EQ(win::GetTextColor(dc), red);

    // Every inked pixel is the colour asked (or its blend with the white
    // ground at a glyph's edge) and lies in cells 5 to 7 of row 3.
    const int left = 5 * tm.tmAveCharWidth, top = 3 * 17;
    win::COLORREF darkest = win::RGB(255, 255, 255);
    int inked = 0, solid = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const win::COLORREF p = win::GetPixel(dc, x, y);
            if (p == win::RGB(255, 255, 255)) continue;
            ++inked;
            solid += p == red ? 1 : 0;
            if (win::GetGValue(p) < win::GetGValue(darkest)) darkest = p;
            EXPECT_GT(win::GetRValue(p), win::GetGValue(p)) << x << "," << y;
            EXPECT_LE(std::abs(win::GetGValue(p) - win::GetBValue(p)), 2) << x << "," << y;
            EXPECT_GE(x, left);
            EXPECT_LT(x, left + 3 * tm.tmAveCharWidth);
            EXPECT_GE(y, top);
            EXPECT_LT(y, top + tm.tmHeight);
        }
    }
    EXPECT_GT(inked, 20);
    EXPECT_GT(solid, 10) << std::hex << darkest;

    // No text at all draws nothing and still answers 1.
    EXPECT_EQ(DrawColoredText(dc, tm, nullptr, red, 0, 0), 1);
    win::SelectObject(dc, oldFont);
    win::DeleteObject(font);
    win::SelectObject(dc, oldBitmap);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
}

// ---- ToggleExcessUnits ---------------------------------------------------------

constexpr size_t kPrecipitationWordAt = 96;  // 40 unit words, acid, 3D style, pCO2, 5 balancing

struct ToggleCase {
    const char* what;
    uint16_t before;
    int answer;
    const char* question;
    const char* confirmation;
    uint16_t after;
    bool saved;
};

class SpareShellRoutinesExcessUnits : public ShellTest,
                                      public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(SpareShellRoutinesExcessUnits, AsksConfirmsAndSavesOnAChange) {
    const ToggleCase& c = GetParam();
    displaySettings.precipitationUnit = c.before;
    win::AnswerMessageBox("WARNING", "Switch to", c.answer);
    ToggleExcessUnits();

    EXPECT_EQ(displaySettings.precipitationUnit, c.after) << c.what;
    const auto& boxes = win::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 2u) << c.what;
    EXPECT_EQ(boxes[0].caption, "WARNING");
    EXPECT_EQ(boxes[0].text, c.question);
    EXPECT_EQ(boxes[0].type & 0xF, win::MB_YESNO);
    EXPECT_EQ(boxes[1].caption, "WARNING");
    EXPECT_EQ(boxes[1].text, c.confirmation);
    EXPECT_EQ(boxes[1].type, win::MB_ICONINFORMATION);

    EXPECT_EQ(Exists("plunit.cnf"), c.saved) << c.what;
    if (c.saved) {
        const std::vector<uint8_t> file = ReadFile("plunit.cnf");
        ASSERT_EQ(file.size(), static_cast<size_t>(kUnitsFileBytes));
        EXPECT_EQ(GetWord(file, kPrecipitationWordAt), c.after) << c.what;
    }
    EXPECT_TRUE(failures.empty());
}

constexpr const char* kAskFromMg =
    "Momentary excess values will be expressed as mg/L. Switch to Lbs/1000 Barrels? (Y/N)?";
constexpr const char* kAskFromLbs =
    "Momentary excess values will be expressed as Lbs/1000 Barrels. Switch to mg/L? (Y/N)?";
constexpr const char* kNowLbs = "Momentary excess values will now be expressed as Lbs/1000 Barrels";
constexpr const char* kNowMg = "Momentary excess values will now be expressed as mg/L";
constexpr const char* kStillMg =
    "No Change made!!! Momentary excess values will still be expressed as mg/L!";
constexpr const char* kStillLbs =
    "No Change made!!! Momentary excess values will still be expressed as Lbs/1000 Barrels!";

INSTANTIATE_TEST_SUITE_P(
    SpareShellRoutines, SpareShellRoutinesExcessUnits,
    ::testing::Values(
        ToggleCase{"7 becomes mg/L and is saved after No", 7, win::IDNO, kAskFromMg, kStillMg, 0,
                   true},
        ToggleCase{"kg becomes mg/L, then Yes", 2, win::IDYES, kAskFromMg, kNowLbs, 1, true},
        ToggleCase{"mg/L, Yes", 0, win::IDYES, kAskFromMg, kNowLbs, 1, true},
        ToggleCase{"mg/L, No writes nothing", 0, win::IDNO, kAskFromMg, kStillMg, 0, false},
        ToggleCase{"lbs, Yes", 1, win::IDYES, kAskFromLbs, kNowMg, 0, true},
        ToggleCase{"lbs, No writes nothing", 1, win::IDNO, kAskFromLbs, kStillLbs, 1, false}));

}  // namespace
}  // namespace shelltest
