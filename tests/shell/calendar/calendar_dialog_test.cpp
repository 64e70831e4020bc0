// Dialog 72 and the "CALENDAR" control, driven through the platform's scripted
// input: the keys, the scroll bars, clicks on the month grid, OK and CANCEL.
#include "shell/calendar/calendar_dialog.h"

#include <cstdlib>
#include <functional>
#include <string>

#include "common/packed_date.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "resources/dialog_ids.h"
#include "shell/calendar/calendar_control.h"
#include "shell/calendar/calendar_records.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

namespace Id = CalendarDialogControl;

class CalendarDialogTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
    }

    // Runs the dialog on `start` with `steps` inside it; the date it returns.
    int32_t Run(int32_t start, const std::function<void(win::HWND)>& steps) {
        win::OnDialog(
            DialogId::kCalendar,
            [&](win::HWND dialog) {
                dialogWindow = dialog;
                steps(dialog);
            },
            1);
        return GetDateFromCalendar(start);
    }

    static std::string Text(win::HWND dialog) {
        return win::WindowText(win::GetDlgItem(dialog, Id::kDateText));
    }
    static win::HWND Grid(win::HWND dialog) { return win::GetDlgItem(dialog, Id::kMonthGrid); }
    static const CalendarState& State(win::HWND dialog) {
        return *reinterpret_cast<const CalendarState*>(win::GetWindowLongPtr(Grid(dialog), 0));
    }
    static CalendarDate GridDate(win::HWND dialog) {
        return static_cast<CalendarDate>(win::SendMessage(Grid(dialog), kCalendarGetDate, 0, 0));
    }
    static void Scroll(win::HWND dialog, int bar, bool up) {
        win::ClickScrollArrow(win::GetDlgItem(dialog, bar), win::SB_CTL, !up);
    }
    static void ClickCell(win::HWND dialog, int column, int row) {
        const CalendarState& s = State(dialog);
        win::Click(Grid(dialog), 3 + column * s.charWidth + 1, 3 + row * s.lineHeight + 1);
    }

    win::HWND dialogWindow = nullptr;
};

// The dialog as a person sees it, as a PPM file (TARVEX_SNAP_DIR=folder).
void Snap(win::HWND dialog, const std::string& path) {
    win::RunUntilIdle();
    win::SurfaceBuffer picture;
    ASSERT_TRUE(win::detail::ComposeWindow(dialog, picture));
    win::Image32 image;
    image.width = picture.Width();
    image.height = picture.Height();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(picture.At(x, y));
    EXPECT_TRUE(win::WritePpm(path, image));
}

TEST_F(CalendarDialogTest, ClassIsRegisteredAtStartUpAndTheGridFontIsReadable) {
    win::WNDCLASS wc;
    ASSERT_TRUE(win::GetClassInfo(mainWindowState.instance, "CALENDAR", &wc));
    EXPECT_EQ(wc.lpfnWndProc, CalendarWndProc);
    Run(1240704, [&](win::HWND dialog) {
        const CalendarState& s = State(dialog);
        EXPECT_GE((s.height - 6) / 8, 8);  // the grid font is at least 8 pixels high
        EXPECT_GE(s.lineHeight, 8);
        EXPECT_GT(s.charWidth, 0);
        // Every row of the grid lies inside the control.
        EXPECT_LE(8 * s.lineHeight + 3, s.height);
        EXPECT_LE(20 * s.charWidth + 3, s.width);
        if (const char* dir = std::getenv("TARVEX_SNAP_DIR"))
            Snap(dialog, std::string(dir) + "/calendar.ppm");
        win::PressButton(dialog, Id::kCancel);
    });
}

TEST_F(CalendarDialogTest, StartDateZeroOpensOn1980AndKeysStepTheGrid) {
    const int32_t chosen = Run(0, [](win::HWND dialog) {
        EXPECT_EQ(Text(dialog), "01-01-1980");
        win::SetFocus(Grid(dialog));
        win::PressKey(win::VK_DOWN);
        win::PressKey(win::VK_DOWN);
        EXPECT_EQ(Text(dialog), "01-15-1980");
        win::PressKey(win::VK_NEXT, true);
        EXPECT_EQ(Text(dialog), "01-01-1981");
        win::PressButton(dialog, Id::kOk);
    });
    EXPECT_EQ(chosen, 810101);
    EXPECT_EQ(calendarStartDate, 0);
}

TEST_F(CalendarDialogTest, EachKeyMovesTheDateAsTheGridReads) {
    Run(1240315, [](win::HWND dialog) {  // 15 March 2024
        win::SetFocus(Grid(dialog));
        struct Step {
            int key;
            bool control;
            CalendarDate want;
        };
        const Step steps[] = {
            {win::VK_RIGHT, false, MakeDate(3, 16, 2024)},
            {win::VK_LEFT, false, MakeDate(3, 15, 2024)},
            {win::VK_UP, false, MakeDate(3, 8, 2024)},
            {win::VK_PRIOR, false, MakeDate(3, 1, 2024)},
            {win::VK_PRIOR, false, MakeDate(2, 1, 2024)},
            {win::VK_NEXT, false, MakeDate(3, 1, 2024)},
            {win::VK_LEFT, false, MakeDate(2, 29, 2024)},
            {win::VK_PRIOR, true, MakeDate(1, 1, 2024)},
            {win::VK_PRIOR, true, MakeDate(1, 1, 2023)},
            {win::VK_NEXT, true, MakeDate(1, 1, 2024)},
        };
        for (const Step& s : steps) {
            win::PressKey(s.key, s.control);
            EXPECT_EQ(GridDate(dialog), s.want) << "key " << s.key;
        }
        win::PressButton(dialog, Id::kCancel);
    });
}

TEST_F(CalendarDialogTest, ScrollBarsStepTheirFieldAndWrap) {
    // Month-day-year: 935 steps the month, 936 the day, 937 the year.
    EXPECT_EQ(Run(1991231,
                  [](win::HWND d) {
                      Scroll(d, Id::kThirdFieldBar, true);
                      EXPECT_EQ(Text(d), "12-31-1900");
                      win::PressButton(d, Id::kOk);
                  }),
              1231);
    EXPECT_EQ(Run(101,
                  [](win::HWND d) {
                      Scroll(d, Id::kThirdFieldBar, false);
                      EXPECT_EQ(Text(d), "01-01-2099");
                      win::PressButton(d, Id::kOk);
                  }),
              1990101);
    EXPECT_EQ(Run(1240115,
                  [](win::HWND d) {
                      Scroll(d, Id::kFirstFieldBar,
                             false);  // January down: December before, day 31
                      EXPECT_EQ(Text(d), "12-31-2023");
                      EXPECT_EQ(GridDate(d), MakeDate(12, 31, 2023));
                      win::PressButton(d, Id::kOk);
                  }),
              1231231);
    EXPECT_EQ(Run(1000228,
                  [](win::HWND d) {
                      Scroll(d, Id::kSecondFieldBar, true);  // 2000 is a leap year
                      EXPECT_EQ(Text(d), "02-29-2000");
                      Scroll(d, Id::kSecondFieldBar, true);
                      EXPECT_EQ(Text(d), "03-01-2000");
                      Scroll(d, Id::kSecondFieldBar, false);
                      Scroll(d, Id::kSecondFieldBar, false);
                      EXPECT_EQ(Text(d), "02-28-2000");
                      win::PressButton(d, Id::kOk);
                  }),
              1000228);
    EXPECT_EQ(Run(1231,
                  [](win::HWND d) {  // 31 December 1900 onward into 1901
                      Scroll(d, Id::kSecondFieldBar, true);
                      EXPECT_EQ(Text(d), "01-01-1901");
                      win::PressButton(d, Id::kOk);
                  }),
              10101);
}

TEST_F(CalendarDialogTest, ScrollBarsFollowTheDateOrder) {
    unitCodes.code[UnitItem::kDateFormat] = DateOrder::kYearMonthDay;
    EXPECT_EQ(Run(1240704,
                  [](win::HWND d) {
                      EXPECT_EQ(Text(d), "2024-07-04");
                      Scroll(d, Id::kFirstFieldBar, true);   // year
                      Scroll(d, Id::kSecondFieldBar, true);  // month
                      Scroll(d, Id::kThirdFieldBar, true);   // day
                      EXPECT_EQ(Text(d), "2025-08-05");
                      win::PressButton(d, Id::kOk);
                  }),
              1250805);
    unitCodes.code[UnitItem::kDateFormat] = DateOrder::kDayMonthYear;
    EXPECT_EQ(Run(1240704,
                  [](win::HWND d) {
                      Scroll(d, Id::kFirstFieldBar, true);  // day
                      EXPECT_EQ(Text(d), "05-07-2024");
                      win::PressButton(d, Id::kOk);
                  }),
              1240705);
}

TEST_F(CalendarDialogTest, ClicksStepFromTheHeaderAndSelectFromTheGrid) {
    Run(1240704, [](win::HWND dialog) {
        ClickCell(dialog, 18, 0);  // year's right arrow: as Ctrl+Page Down
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 2025));
        EXPECT_EQ(Text(dialog), "01-01-2025");
        EXPECT_EQ(win::GetFocus(), Grid(dialog));
        ClickCell(dialog, 19, 0);
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 2026));
        ClickCell(dialog, 5, 0);  // month's right arrow: as Page Down
        EXPECT_EQ(GridDate(dialog), MakeDate(2, 1, 2026));
        ClickCell(dialog, 1, 0);  // month's left arrow: as Page Up
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 2026));
        ClickCell(dialog, 12, 0);  // year's left arrow on 1 January: the year before
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 2025));
        ClickCell(dialog, 9, 0);  // between the arrows: nothing
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 2025));

        // A day cell: 1 January 2025 is a Wednesday, so the 15th sits in
        // column 3 of the third week (row 4).
        const CalendarState& s = State(dialog);
        win::Click(Grid(dialog), 3 * s.charWidth * 3 + 3 + 1, 4 * s.lineHeight + 3 + 1);
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 15, 2025));
        // Outside the grid's reach nothing happens.
        win::Click(Grid(dialog), 20 * s.charWidth + 8, 10);
        win::Click(Grid(dialog), 10, 8 * s.lineHeight + 8);
        win::Click(Grid(dialog), 1, 10);
        // The weekday row and the cells before day 1 select nothing.
        win::Click(Grid(dialog), 5, s.lineHeight + 4);
        win::Click(Grid(dialog), 4, 2 * s.lineHeight + 4);
        EXPECT_EQ(GridDate(dialog), MakeDate(1, 15, 2025));
        EXPECT_EQ(Text(dialog), "01-15-2025");
        win::PressButton(dialog, Id::kOk);
    });
    EXPECT_EQ(calendarDate, 1250115);
}

// Whether any pixel of a cell of the header row differs from the background.
bool HeaderCellInked(win::HWND grid, const CalendarState& s, int column) {
    const win::Image32 picture = win::ReadWindowPixels(grid);
    const uint32_t background = picture.At(3 + 11 * s.charWidth + 1, 4);  // a blank cell
    for (int x = 3 + column * s.charWidth; x < 3 + (column + 1) * s.charWidth; ++x)
        for (int y = 3; y < 3 + s.lineHeight; ++y)
            if (picture.At(x, y) != background) return true;
    return false;
}

TEST_F(CalendarDialogTest, NoRightArrowsOnTheLastDayAndNoStepPastIt) {
    Run(1991231, [](win::HWND dialog) {
        win::UpdateWindow(Grid(dialog));
        const CalendarState& s = State(dialog);
        EXPECT_TRUE(HeaderCellInked(Grid(dialog), s, 0));   // month "<-"
        EXPECT_FALSE(HeaderCellInked(Grid(dialog), s, 5));  // month "->" hidden
        EXPECT_FALSE(HeaderCellInked(Grid(dialog), s, 6));
        EXPECT_TRUE(HeaderCellInked(Grid(dialog), s, 12));   // year "<-"
        EXPECT_FALSE(HeaderCellInked(Grid(dialog), s, 18));  // year "->" hidden
        EXPECT_FALSE(HeaderCellInked(Grid(dialog), s, 19));
        win::SetFocus(Grid(dialog));
        win::PressKey(win::VK_RIGHT);
        win::PressKey(win::VK_NEXT, true);
        EXPECT_EQ(GridDate(dialog), MakeDate(12, 31, 2099));
        win::PressButton(dialog, Id::kOk);
    });
    Run(1981231, [](win::HWND dialog) {  // a year earlier both arrows show
        win::UpdateWindow(Grid(dialog));
        EXPECT_TRUE(HeaderCellInked(Grid(dialog), State(dialog), 5));
        EXPECT_TRUE(HeaderCellInked(Grid(dialog), State(dialog), 18));
        win::PressButton(dialog, Id::kCancel);
    });
}

// Whether a message box said `part`.
bool Told(const std::string& part) {
    for (const auto& b : win::MessageBoxLog())
        if (b.text.find(part) != std::string::npos) return true;
    return false;
}

// OK takes a text that is a date; any other text is refused by name and the
// dialog stays open on it for the user to correct.
TEST_F(CalendarDialogTest, OkTakesTheTextAsADateOrRefusesIt) {
    auto type = [](win::HWND dialog, const char* typed) {
        const win::HWND edit = win::GetDlgItem(dialog, Id::kDateText);
        win::SetFocus(edit);
        win::SendMessage(edit, win::EM_SETSEL, 0, -1);
        win::TypeText(typed);
        win::PressKey(win::VK_RETURN);
    };
    EXPECT_EQ(Run(1240704, [&](win::HWND dialog) { type(dialog, "7/4/2023"); }), 1230704);
    for (const char* bad : {"13-45-2024", "2/29/2023", "99-99-9999", "7-4-24x"}) {
        win::ClearMessageBoxLog();
        EXPECT_EQ(Run(1240704,
                      [&](win::HWND dialog) {
                          type(dialog, bad);
                          EXPECT_EQ(Text(dialog), bad);
                          EXPECT_TRUE(win::IsWindow(dialog));
                          type(dialog, "2/3/2024");
                      }),
                  1240203)
            << bad;
        EXPECT_TRUE(Told("\"" + std::string(bad) +
                         "\" typed for Date is not a date. Please enter a date from 1900 to 2099 "
                         "as MM-DD-YYYY, such as 12-31-2020."))
            << bad;
    }
}

// Leaving the text rewrites a date; any other text stays as typed, and OK then
// refuses it.
TEST_F(CalendarDialogTest, LeavingTheTextRewritesItOrLeavesItForCorrection) {
    win::ClearMessageBoxLog();
    Run(1240704, [](win::HWND dialog) {
        win::SetField(dialog, Id::kDateText, "8/9/2024");
        EXPECT_EQ(Text(dialog), "08-09-2024");
        EXPECT_EQ(GridDate(dialog), MakeDate(8, 9, 2024));
        win::SetField(dialog, Id::kDateText, "8/32/2024");
        EXPECT_EQ(Text(dialog), "8/32/2024");
        EXPECT_EQ(GridDate(dialog), MakeDate(8, 9, 2024));
        win::PressButton(dialog, Id::kOk);
        EXPECT_TRUE(Told("\"8/32/2024\" typed for Date is not a date."));
        win::SetField(dialog, Id::kDateText, "8/10/2024");
        win::PressButton(dialog, Id::kOk);
    });
    EXPECT_EQ(calendarDate, 1240810);
}

TEST_F(CalendarDialogTest, CancelGivesBackTheStartDateAndTheGridStopsAt1900) {
    EXPECT_EQ(Run(1240704,
                  [](win::HWND dialog) {
                      win::SetFocus(Grid(dialog));
                      win::PressKey(win::VK_NEXT, true);
                      win::PressButton(dialog, Id::kCancel);
                  }),
              1240704);
    EXPECT_EQ(Run(1240704,
                  [](win::HWND dialog) {
                      const win::HWND edit = win::GetDlgItem(dialog, Id::kDateText);
                      win::SetFocus(edit);
                      win::SendMessage(edit, win::EM_SETSEL, 0, -1);
                      win::TypeText("1/2/2030");
                      win::PressButton(dialog, Id::kCancel);
                  }),
              1240704);
    EXPECT_EQ(Run(105,
                  [](win::HWND dialog) {  // 5 January 1900
                      win::SetFocus(Grid(dialog));
                      win::PressKey(win::VK_PRIOR, true);
                      win::PressKey(win::VK_PRIOR, true);
                      EXPECT_EQ(GridDate(dialog), MakeDate(1, 1, 1900));
                      win::PressButton(dialog, Id::kOk);
                  }),
              101);
}

}  // namespace
}  // namespace shelltest
