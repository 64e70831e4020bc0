// The calendar's day arithmetic against the C++ library's calendar, and the
// date texts the input forms type and show.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "shell/calendar/calendar_date.h"
#include "shell/calendar/date_text.h"

namespace {

namespace chr = std::chrono;

CalendarDate FromLibrary(const chr::year_month_day& ymd) {
    return MakeDate(static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day())),
                    static_cast<int>(ymd.year()));
}

TEST(CalendarDateTest, WeekdaysAndDayStepsAgreeWithTheLibraryFrom1800To2099) {
    const chr::sys_days first = chr::year{1800} / chr::January / 1;
    const chr::sys_days last = chr::year{2099} / chr::December / 31;
    int failures = 0;
    for (chr::sys_days day = first; day <= last && failures < 5; day += chr::days{1}) {
        const chr::year_month_day ymd{day};
        const CalendarDate date = FromLibrary(ymd);
        const int weekday = static_cast<int>(chr::weekday{day}.c_encoding());
        const int firstOfMonth = static_cast<int>(
            chr::weekday{chr::sys_days{ymd.year() / ymd.month() / 1}}.c_encoding());
        const bool ok = DayOfWeek(date) == weekday && FirstWeekdayOfMonth(date) == firstOfMonth &&
                        NextDay(date) == FromLibrary(chr::year_month_day{day + chr::days{1}}) &&
                        PreviousDay(date) == FromLibrary(chr::year_month_day{day - chr::days{1}});
        if (!ok) {
            ++failures;
            ADD_FAILURE() << static_cast<int>(ymd.year()) << "-"
                          << static_cast<unsigned>(ymd.month()) << "-"
                          << static_cast<unsigned>(ymd.day());
        }
    }
}

TEST(CalendarDateTest, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(DaysInMonth(MakeDate(2, 1, 2000)), 29);
    EXPECT_EQ(DaysInMonth(MakeDate(2, 1, 1900)), 28);
    EXPECT_EQ(DaysInMonth(MakeDate(13, 1, 2000)), 0);
    // Ordering dates is ordering their words; a cleared day names the month.
    EXPECT_LT(MakeDate(12, 31, 1999), MakeDate(1, 1, 2000));
    EXPECT_EQ(DateMonthKey(MakeDate(7, 19, 2024)), DateMonthKey(MakeDate(7, 1, 2024)));
}

TEST(CalendarDateTest, ValidateDateKeepsPlausibleDatesAndOtherwiseGives1980) {
    struct Case {
        int year, month, day, wantYear, wantMonth, wantDay;
    };
    const Case cases[] = {
        {124, 7, 4, 124, 7, 4}, {0, 1, 1, 0, 1, 1},    {200, 12, 31, 200, 12, 31},
        {201, 1, 1, 80, 1, 1},  {-1, 1, 1, 80, 1, 1},  {100, 0, 5, 80, 1, 1},
        {100, 13, 5, 80, 1, 1}, {100, 2, 0, 80, 1, 1}, {100, 2, 32, 80, 1, 1},
    };
    for (const Case& c : cases) {
        int y = c.year, m = c.month, d = c.day;
        ValidateDate(y, m, d);
        EXPECT_EQ(y, c.wantYear) << c.year << "/" << c.month << "/" << c.day;
        EXPECT_EQ(m, c.wantMonth);
        EXPECT_EQ(d, c.wantDay);
    }
}

class DateTextTest : public ::testing::Test {
  protected:
    void TearDown() override { unitCodes = UnitCodes{}; }

    // FormatDateText in the given order: the packed date and the rewritten text.
    static int32_t Format(uint16_t order, const char* typed, std::string* rewritten = nullptr) {
        unitCodes.code[UnitItem::kDateFormat] = order;
        char text[32] = {};
        std::strncpy(text, typed, sizeof text - 1);
        const int32_t packed = FormatDateText(text, sizeof text);
        if (rewritten != nullptr) *rewritten = text;
        return packed;
    }
};

TEST_F(DateTextTest, ImpossibleDatesAndTwoDigitYearsAreRefused) {
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "2/30/2024"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "7-4-24"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "13-01-2024"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "00-01-2024"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "04-31-2024"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "12-31-1899"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "01-01-2100"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "07042024"), -1);   // no separators
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "07-042024"), -1);  // one separator
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "07-04-"), -1);     // two numbers
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, ""), -1);
    // A run of digits too long for any field neither overflows nor passes.
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "99999999999999-1-2000"), -1);
}

TEST_F(DateTextTest, ValidDatesArePackedAndRewrittenInTheirOrder) {
    std::string text;
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "12-31-2099", &text), 1991231);
    EXPECT_EQ(text, "12-31-2099");
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "  7/4/2024", &text), 1240704);
    EXPECT_EQ(text, "07-04-2024");
    EXPECT_EQ(Format(DateOrder::kDayMonthYear, "4-7-2024", &text), 1240704);
    EXPECT_EQ(text, "04-07-2024");
    EXPECT_EQ(Format(DateOrder::kYearMonthDay, "2024/7/4", &text), 1240704);
    EXPECT_EQ(text, "2024-07-04");
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "01-01-1900", &text), 101);
}

TEST_F(DateTextTest, TwentyNinthOfFebruaryOnlyInLeapYearsInEveryOrder) {
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "2/29/2000"), 1000229);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "2/29/1900"), -1);
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "2/29/2100"), -1);
    EXPECT_EQ(Format(DateOrder::kDayMonthYear, "29/2/2000"), 1000229);
    EXPECT_EQ(Format(DateOrder::kDayMonthYear, "29/2/1900"), -1);
    EXPECT_EQ(Format(DateOrder::kYearMonthDay, "2000/2/29"), 1000229);
    EXPECT_EQ(Format(DateOrder::kYearMonthDay, "1900/2/29"), -1);
}

TEST_F(DateTextTest, RefusedTextIsLeftAsTyped) {
    std::string text;
    EXPECT_EQ(Format(DateOrder::kMonthDayYear, "13-45-2024", &text), -1);
    EXPECT_EQ(text, "13-45-2024");
}

TEST_F(DateTextTest, PackedDatesShowInTheUsersOrder) {
    char text[16];
    unitCodes.code[UnitItem::kDateFormat] = DateOrder::kDayMonthYear;
    WritePackedDateText(1240704, text, sizeof text);
    EXPECT_STREQ(text, "04-07-2024");
    unitCodes.code[UnitItem::kDateFormat] = DateOrder::kYearMonthDay;
    WritePackedDateText(1240704, text, sizeof text);
    EXPECT_STREQ(text, "2024-07-04");
    unitCodes.code[UnitItem::kDateFormat] = 7;  // unknown: month first
    WritePackedDateText(1240704, text, sizeof text);
    EXPECT_STREQ(text, "07-04-2024");
}

}  // namespace
