#include <gtest/gtest.h>
#include "afxdisp.h"

#include <math.h>
#include <string>

namespace {

struct Moment
{
    int year, month, day, hour, minute, second;
};

COleDateTime At(const Moment& m)
{
    return COleDateTime(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

std::string Show(int year, int month, int day, int hour, int minute, int second)
{
    char text[40];
    sprintf(text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return text;
}

std::string Show(const COleDateTime& d)
{
    if (d.GetStatus() != COleDateTime::valid)
        return d.GetStatus() == COleDateTime::null ? "null" : "invalid";
    return Show(d.GetYear(), d.GetMonth(), d.GetDay(), d.GetHour(), d.GetMinute(), d.GetSecond());
}

std::string Show(const CTime& t)
{
    return Show(t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
}

std::string Show(const Moment& m)
{
    return Show(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

const double kSecond = 1.0 / (24 * 3600);

}  // namespace

TEST(COleDateTime, AddsSpansAcrossMonthsYearsAndTheZeroDay)
{
    const struct { Moment from; int days, hours, minutes, seconds; const char* expected; } cases[] = {
        { { 2024, 1, 31, 0, 0, 0 }, 1, 0, 0, 0, "2024-02-01 00:00:00" },
        { { 2024, 2, 28, 12, 0, 0 }, 1, 0, 0, 0, "2024-02-29 12:00:00" },
        { { 2023, 2, 28, 12, 0, 0 }, 1, 0, 0, 0, "2023-03-01 12:00:00" },
        { { 2024, 2, 29, 0, 0, 0 }, 365, 0, 0, 0, "2025-02-28 00:00:00" },
        { { 2023, 12, 31, 23, 30, 0 }, 0, 1, 0, 0, "2024-01-01 00:30:00" },
        { { 2024, 3, 1, 0, 0, 0 }, -1, 0, 0, 0, "2024-02-29 00:00:00" },
        { { 2024, 1, 1, 0, 0, 0 }, 0, 0, 0, -1, "2023-12-31 23:59:59" },
        { { 1900, 3, 1, 0, 0, 0 }, -1, 0, 0, 0, "1900-02-28 00:00:00" },
        { { 1899, 12, 30, 6, 0, 0 }, 0, -12, 0, 0, "1899-12-29 18:00:00" },
        { { 1899, 12, 29, 18, 0, 0 }, 0, 12, 0, 0, "1899-12-30 06:00:00" },
        { { 1899, 12, 29, 23, 0, 0 }, 0, 2, 0, 0, "1899-12-30 01:00:00" },
        { { 1899, 12, 28, 6, 0, 0 }, 0, 30, 0, 0, "1899-12-29 12:00:00" },
        { { 1800, 6, 15, 12, 0, 0 }, 100, 0, 0, 0, "1800-09-23 12:00:00" },
        { { 1800, 6, 15, 12, 0, 0 }, 0, -18, 0, 0, "1800-06-14 18:00:00" },
        { { 1800, 6, 15, 0, 0, 30 }, 0, 0, 0, -31, "1800-06-14 23:59:59" },
        { { 100, 1, 1, 0, 0, 0 }, 0, 12, 0, 0, "0100-01-01 12:00:00" },
        { { 100, 1, 1, 0, 0, 0 }, 0, 0, 0, -1, "invalid" },
        { { 9999, 12, 31, 0, 0, 0 }, 0, 23, 59, 59, "9999-12-31 23:59:59" },
        { { 9999, 12, 31, 23, 59, 59 }, 0, 0, 0, 1, "invalid" },
        { { 2024, 2, 30, 0, 0, 0 }, 1, 0, 0, 0, "invalid" },
    };
    for (const auto& c : cases) {
        COleDateTimeSpan span(c.days, c.hours, c.minutes, c.seconds);
        COleDateTime from = At(c.from);
        EXPECT_EQ(c.expected, Show(from + span)) << Show(c.from) << " + " << double(span);
        COleDateTime sum = from;
        sum += span;
        EXPECT_EQ(c.expected, Show(sum)) << Show(c.from) << " += " << double(span);
        EXPECT_EQ(c.expected, Show(from - -span)) << Show(c.from) << " - " << -double(span);
        if (sum.GetStatus() == COleDateTime::valid) {
            sum -= span;
            EXPECT_EQ(Show(c.from), Show(sum)) << "and back";
        }
    }
}

TEST(COleDateTime, DifferencesAreLinearAcrossTheZeroDay)
{
    const struct { Moment a, b; double seconds; } cases[] = {
        { { 2024, 3, 1, 0, 0, 0 }, { 2024, 2, 1, 0, 0, 0 }, 29 * 86400.0 },
        { { 2024, 1, 1, 0, 0, 1 }, { 2023, 12, 31, 23, 59, 59 }, 2 },
        { { 1899, 12, 29, 18, 0, 0 }, { 1899, 12, 30, 6, 0, 0 }, -12 * 3600.0 },
        { { 1899, 12, 30, 6, 0, 0 }, { 1899, 12, 29, 6, 0, 0 }, 86400 },
        { { 1899, 12, 29, 6, 0, 0 }, { 1899, 12, 29, 18, 0, 0 }, -12 * 3600.0 },
        { { 1800, 1, 1, 0, 0, 0 }, { 1900, 1, 1, 0, 0, 0 }, -36524 * 86400.0 },
    };
    for (const auto& c : cases) {
        COleDateTimeSpan span = At(c.a) - At(c.b);
        EXPECT_EQ(COleDateTimeSpan::valid, span.GetStatus());
        EXPECT_EQ(c.seconds, span.GetTotalSeconds()) << Show(c.a) << " - " << Show(c.b);
        EXPECT_EQ(Show(c.a), Show(At(c.b) + span));
    }
    // A DATE before the zero day keeps a positive time fraction after the negative day count.
    EXPECT_DOUBLE_EQ(-1.25, At({ 1899, 12, 29, 6, 0, 0 }).m_dt);
    EXPECT_DOUBLE_EQ(-1.75, At({ 1899, 12, 29, 18, 0, 0 }).m_dt);
}

TEST(COleDateTimeSpan, ComponentsAreWholeUnitsCutTowardZero)
{
    const struct { COleDateTimeSpan span; LONG days, hours, minutes, seconds; double totalHours, totalMinutes, totalSeconds; } cases[] = {
        { COleDateTimeSpan(1, 6, 30, 15), 1, 6, 30, 15, 30, 1830, 109815 },
        { -COleDateTimeSpan(1, 6, 30, 15), -1, -6, -30, -15, -30, -1830, -109815 },
        { COleDateTimeSpan(0, 25, 61, 61), 1, 2, 2, 1, 26, 1562, 93721 },
        { COleDateTimeSpan(0, 0, 0, 59) + COleDateTimeSpan(0.6 * kSecond), 0, 0, 1, 0, 0, 1, 60 },
        { COleDateTimeSpan(0, 0, 0, 59) + COleDateTimeSpan(0.4 * kSecond), 0, 0, 0, 59, 0, 0, 59 },
        { COleDateTimeSpan(2.75), 2, 18, 0, 0, 66, 3960, 237600 },
        { COleDateTimeSpan(), 0, 0, 0, 0, 0, 0, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.days, c.span.GetDays()) << double(c.span);
        EXPECT_EQ(c.hours, c.span.GetHours()) << double(c.span);
        EXPECT_EQ(c.minutes, c.span.GetMinutes()) << double(c.span);
        EXPECT_EQ(c.seconds, c.span.GetSeconds()) << double(c.span);
        EXPECT_EQ(double(c.days), c.span.GetTotalDays()) << double(c.span);
        EXPECT_EQ(c.totalHours, c.span.GetTotalHours()) << double(c.span);
        EXPECT_EQ(c.totalMinutes, c.span.GetTotalMinutes()) << double(c.span);
        EXPECT_EQ(c.totalSeconds, c.span.GetTotalSeconds()) << double(c.span);
    }
}

TEST(COleDateTimeSpan, StatusPassesThroughArithmeticAndComparisons)
{
    COleDateTimeSpan one(1.0), two(2.0), bad(4e6), none;
    none.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ(COleDateTimeSpan::invalid, bad.GetStatus());
    EXPECT_EQ(COleDateTimeSpan::valid, COleDateTimeSpan(3e6).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (one + bad).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (bad - one).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::null, (none + bad).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::null, (one - none).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (COleDateTimeSpan(3e6) + COleDateTimeSpan(3e6)).GetStatus());
    COleDateTimeSpan sum = one;
    sum += two;
    EXPECT_EQ(3.0, sum.m_span);
    sum -= COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_EQ(2.5, sum.m_span);

    EXPECT_TRUE(one < two && two > one && one <= one && two >= one && one != two && one == COleDateTimeSpan(1.0));
    EXPECT_FALSE(one < bad || one > bad || bad < one || one <= bad || bad >= one || one == bad);
    EXPECT_TRUE(none == none);
    EXPECT_FALSE(bad == bad);
}

TEST(COleDateTime, SetDateTimeRejectsWhatIsNoDate)
{
    const struct { Moment m; int result; } cases[] = {
        { { 2024, 2, 29, 0, 0, 0 }, 0 },
        { { 100, 1, 1, 0, 0, 0 }, 0 },
        { { 9999, 12, 31, 23, 59, 59 }, 0 },
        { { 1899, 12, 30, 0, 0, 0 }, 0 },
        { { 2024, 2, 30, 0, 0, 0 }, 1 },
        { { 2023, 2, 29, 0, 0, 0 }, 1 },
        { { 1900, 2, 29, 0, 0, 0 }, 1 },
        { { 2024, 4, 31, 0, 0, 0 }, 1 },
        { { 2024, 13, 1, 0, 0, 0 }, 1 },
        { { 2024, 0, 1, 0, 0, 0 }, 1 },
        { { 2024, 1, 0, 0, 0, 0 }, 1 },
        { { 2024, 1, 32, 0, 0, 0 }, 1 },
        { { 99, 12, 31, 0, 0, 0 }, 1 },
        { { 10000, 1, 1, 0, 0, 0 }, 1 },
        { { 65536 + 2024, 1, 1, 0, 0, 0 }, 1 },
        { { -1, 1, 1, 0, 0, 0 }, 1 },
        { { 2024, 1, 1, 24, 0, 0 }, 1 },
        { { 2024, 1, 1, -1, 0, 0 }, 1 },
        { { 2024, 1, 1, 0, 60, 0 }, 1 },
        { { 2024, 1, 1, 0, 0, 60 }, 1 },
    };
    for (const auto& c : cases) {
        COleDateTime d(2000, 1, 1, 0, 0, 0);
        EXPECT_EQ(c.result, d.SetDateTime(c.m.year, c.m.month, c.m.day, c.m.hour, c.m.minute, c.m.second)) << Show(c.m);
        EXPECT_EQ(c.result ? "invalid" : Show(c.m), Show(d)) << Show(c.m);
        EXPECT_EQ(c.result ? "invalid" : Show(c.m), Show(At(c.m))) << Show(c.m);
    }

    COleDateTime d;
    EXPECT_EQ(0, d.SetDate(2024, 2, 29));
    EXPECT_EQ(45351.0, d.m_dt);
    EXPECT_EQ(0, d.SetTime(13, 45, 10));
    EXPECT_EQ("1899-12-30 13:45:10", Show(d));
    EXPECT_NEAR((13 * 3600 + 45 * 60 + 10) * kSecond, d.m_dt, 1e-9);
    EXPECT_EQ(1, d.SetTime(24, 0, 0));
    EXPECT_EQ(COleDateTime::invalid, d.GetStatus());
    EXPECT_EQ(1, d.SetDate(2024, 2, 30));
}

TEST(COleDateTime, AnInvalidOrNullValueAnswersWithErrorsNotData)
{
    COleDateTime bad(2024, 2, 30, 0, 0, 0), good(2024, 2, 29, 0, 0, 0), none;
    none.SetStatus(COleDateTime::null);
    ASSERT_EQ(COleDateTime::invalid, bad.GetStatus());
    const int parts[] = { bad.GetYear(), bad.GetMonth(), bad.GetDay(), bad.GetHour(), bad.GetMinute(),
                          bad.GetSecond(), bad.GetDayOfWeek(), bad.GetDayOfYear(), none.GetYear(), none.GetDayOfYear() };
    for (int part : parts)
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, part);
    SYSTEMTIME st;
    EXPECT_FALSE(bad.GetAsSystemTime(st));
    EXPECT_STREQ("Invalid DateTime", bad.Format());
    EXPECT_STREQ("Invalid DateTime", bad.Format("%Y"));
    EXPECT_STREQ("", none.Format());
    EXPECT_STREQ("", none.Format("%Y"));

    COleDateTimeSpan day(1, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (bad + day).GetStatus());
    EXPECT_EQ(COleDateTime::null, (none - day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (good + COleDateTimeSpan(4e6)).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (bad - good).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::null, (good - none).GetStatus());
    EXPECT_FALSE(bad < good || good < bad || bad > good || bad <= good || bad >= good || bad == good);
    EXPECT_FALSE(bad == bad);
    EXPECT_TRUE(none == none);

    // DATE values outside 0100-01-01 .. 9999-12-31 and not-a-number are invalid too.
    const DATE outside[] = { MAX_DATE + 1.0, MIN_DATE - 1.5, -700000.0, 3e6, NAN };
    for (DATE dt : outside)
        EXPECT_EQ(COleDateTime::invalid, COleDateTime(dt).GetStatus()) << dt;
    EXPECT_EQ(COleDateTime::valid, COleDateTime(MAX_DATE + 0.999).GetStatus());
    EXPECT_EQ(COleDateTime::valid, COleDateTime(MIN_DATE - 0.999).GetStatus()) << "0100-01-01 23:58";
}

TEST(COleDateTime, DayOfWeekAndDayOfYear)
{
    const struct { Moment m; int dayOfWeek, dayOfYear; } cases[] = {
        { { 2024, 2, 29, 13, 45, 10 }, 5, 60 },
        { { 2024, 3, 1, 0, 0, 0 }, 6, 61 },
        { { 2024, 12, 31, 0, 0, 0 }, 3, 366 },
        { { 2000, 1, 1, 0, 0, 0 }, 7, 1 },
        { { 1899, 12, 30, 0, 0, 0 }, 7, 364 },
        { { 1899, 12, 29, 6, 0, 0 }, 6, 363 },
        { { 1800, 6, 15, 0, 0, 0 }, 1, 166 },
        { { 100, 1, 1, 0, 0, 0 }, 6, 1 },
        { { 9999, 12, 31, 23, 59, 59 }, 6, 365 },
    };
    for (const auto& c : cases) {
        COleDateTime d = At(c.m);
        EXPECT_EQ(c.dayOfWeek, d.GetDayOfWeek()) << Show(c.m);
        EXPECT_EQ(c.dayOfYear, d.GetDayOfYear()) << Show(c.m);
        SYSTEMTIME st;
        ASSERT_TRUE(d.GetAsSystemTime(st));
        EXPECT_EQ(Show(c.m), Show(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond));
    }
}

TEST(COleDateTime, ComparesOnTheLinearScaleToHalfASecond)
{
    COleDateTime morning = At({ 1899, 12, 29, 6, 0, 0 });    // DATE -1.25
    COleDateTime evening = At({ 1899, 12, 29, 18, 0, 0 });   // DATE -1.75
    EXPECT_TRUE(morning < evening);
    EXPECT_TRUE(evening > morning);
    EXPECT_TRUE(morning <= evening && evening >= morning);
    EXPECT_FALSE(evening < morning);
    EXPECT_TRUE(evening < At({ 1899, 12, 30, 6, 0, 0 }));

    COleDateTime noon = At({ 2024, 2, 29, 12, 0, 0 });
    EXPECT_TRUE(noon == COleDateTime(noon.m_dt + 0.4 * kSecond));
    EXPECT_TRUE(noon != COleDateTime(noon.m_dt + 0.6 * kSecond));
    EXPECT_TRUE(noon <= COleDateTime(noon.m_dt - 0.4 * kSecond));
    // Two DATEs of the zero day name the same moment.
    EXPECT_TRUE(COleDateTime(-0.5) == COleDateTime(0.5));
}

TEST(COleDateTime, FormatAndParseRoundTrip)
{
    const Moment moments[] = {
        { 2024, 2, 29, 13, 45, 10 },
        { 2024, 2, 29, 0, 0, 0 },
        { 1899, 12, 30, 13, 45, 10 },
        { 1899, 12, 29, 6, 0, 0 },
        { 1800, 6, 15, 6, 30, 0 },
        { 9999, 12, 31, 23, 59, 59 },
        { 1000, 1, 1, 0, 0, 1 },
    };
    for (const auto& m : moments) {
        COleDateTime d = At(m);
        CString text = d.Format();
        COleDateTime parsed;
        EXPECT_TRUE(parsed.ParseDateTime(text)) << text;
        EXPECT_EQ(COleDateTime::valid, parsed.GetStatus());
        EXPECT_EQ(Show(m), Show(parsed)) << text;

        // The platform writes nothing for a date part of day zero or a time part of midnight.
        if (fabs(d.m_dt) >= 1) {
            COleDateTime dateOnly;
            EXPECT_TRUE(dateOnly.ParseDateTime(d.Format(VAR_DATEVALUEONLY), VAR_DATEVALUEONLY));
            EXPECT_EQ(Show(m.year, m.month, m.day, 0, 0, 0), Show(dateOnly)) << d.Format(VAR_DATEVALUEONLY);
        }
        if (m.hour || m.minute || m.second) {
            COleDateTime timeOnly;
            EXPECT_TRUE(timeOnly.ParseDateTime(d.Format(VAR_TIMEVALUEONLY), VAR_TIMEVALUEONLY));
            EXPECT_EQ(Show(1899, 12, 30, m.hour, m.minute, m.second), Show(timeOnly)) << d.Format(VAR_TIMEVALUEONLY);
        }
    }

    COleDateTime iso;
    EXPECT_TRUE(iso.ParseDateTime("2024-02-29 13:45:10"));
    EXPECT_EQ("2024-02-29 13:45:10", Show(iso));

    const char* failures[] = { "hello", "", "2024-02-30", "1/1/10000", NULL };
    for (const char* text : failures) {
        COleDateTime d(2024, 1, 1, 0, 0, 0);
        EXPECT_FALSE(d.ParseDateTime(text)) << (text ? text : "(null)");
        EXPECT_EQ(COleDateTime::invalid, d.GetStatus());
        EXPECT_EQ(0.0, d.m_dt);
    }
}

TEST(COleDateTime, FormatsWithStrftimeConversions)
{
    COleDateTime leapDay = At({ 2024, 2, 29, 13, 45, 10 });
    const struct { COleDateTime date; const char* format; const char* expected; } cases[] = {
        { leapDay, "%Y-%m-%d %H:%M:%S", "2024-02-29 13:45:10" },
        { leapDay, "%A %B %j %w %I%p", "Thursday February 060 4 01PM" },
        { leapDay, "100%%", "100%" },
        { leapDay, "%Q", "" },
        { leapDay, "%", "" },
        { leapDay, "", "" },
        { leapDay, NULL, "" },
        { At({ 1800, 6, 15, 6, 30, 0 }), "%d.%m.%Y %H:%M", "15.06.1800 06:30" },
        { At({ 1899, 12, 29, 6, 0, 0 }), "%Y-%m-%d %H:%M", "1899-12-29 06:00" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, c.date.Format(c.format)) << (c.format ? c.format : "(null)");

    std::string longFormat;
    for (int i = 0; i < 1000; ++i)
        longFormat += "%Y-";
    EXPECT_EQ(5000, leapDay.Format(longFormat.c_str()).GetLength());
}

TEST(COleDateTime, ConstructsFromSystemTimeFileTimeAndTimeT)
{
    SYSTEMTIME st = { 2024, 2, 0, 29, 13, 45, 10, 500 };
    EXPECT_EQ("2024-02-29 13:45:10", Show(COleDateTime(st)));
    SYSTEMTIME noDay = { 2024, 2, 0, 30, 0, 0, 0, 0 };
    EXPECT_EQ("invalid", Show(COleDateTime(noDay)));

    // The same moment through the C runtime's local time, the file time and both time_t widths.
    const __time64_t t = 1709214310;   // 2024-02-29 13:45:10 UTC
    ULARGE_INTEGER ticks;
    ticks.QuadPart = t * 10000000ULL + 116444736000000000ULL;
    FILETIME ft = { ticks.LowPart, ticks.HighPart };
    std::string local = Show(CTime(t));
    EXPECT_EQ(local, Show(COleDateTime(t)));
    EXPECT_EQ(local, Show(COleDateTime(ft)));
    EXPECT_EQ(local, Show(COleDateTime(__time32_t(t))));
    COleDateTime assigned;
    assigned = t;
    EXPECT_EQ(local, Show(assigned));
    EXPECT_EQ("invalid", Show(COleDateTime(__time64_t(-1))));

    COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime then = COleDateTime(CTime::GetCurrentTime().GetTime());
    EXPECT_LE(fabs((then - now).GetTotalSeconds()), 1.0);
}

TEST(CTime, ComponentsOfValidTimes)
{
    const struct { Moment m; int dayOfWeek; } cases[] = {
        { { 2024, 2, 29, 13, 45, 10 }, 5 },
        { { 1970, 1, 2, 0, 0, 0 }, 6 },
        { { 2038, 1, 19, 3, 14, 8 }, 3 },
        { { 2999, 12, 30, 23, 59, 59 }, 2 },
    };
    for (const auto& c : cases) {
        CTime t(c.m.year, c.m.month, c.m.day, c.m.hour, c.m.minute, c.m.second);
        EXPECT_NE(-1, t.GetTime()) << Show(c.m);
        EXPECT_EQ(Show(c.m), Show(t));
        EXPECT_EQ(c.dayOfWeek, t.GetDayOfWeek()) << Show(c.m);
        EXPECT_EQ(Show(c.m), Show(CTime(t.GetTime())));
        EXPECT_STREQ(Show(c.m).c_str(), t.Format("%Y-%m-%d %H:%M:%S"));
        SYSTEMTIME st;
        ASSERT_TRUE(t.GetAsSystemTime(st));
        EXPECT_EQ(Show(c.m), Show(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond));
        EXPECT_EQ(c.dayOfWeek - 1, st.wDayOfWeek);
        EXPECT_EQ(t, CTime(st));
    }
    EXPECT_STREQ("1971-01-01 00:00:00", CTime(__time64_t(365 * 86400)).FormatGmt("%Y-%m-%d %H:%M:%S"));
}

TEST(CTime, ComponentsThatMakeNoTimeGiveTheInvalidTime)
{
    const Moment cases[] = {
        { 2024, 2, 30, 0, 0, 0 },  { 2023, 2, 29, 0, 0, 0 }, { 2024, 13, 1, 0, 0, 0 },
        { 2024, 0, 1, 0, 0, 0 },   { 2024, 1, 0, 0, 0, 0 },  { 1899, 12, 31, 0, 0, 0 },
        { 3001, 1, 1, 0, 0, 0 },   { 2024, 1, 1, 24, 0, 0 }, { 2024, 1, 1, -1, 0, 0 },
        { 2024, 1, 1, 0, 60, 0 },  { 2024, 1, 1, 0, 0, 60 }, { 2024, 1, 1, 0, -1, 0 },
    };
    for (const auto& m : cases) {
        CTime t(m.year, m.month, m.day, m.hour, m.minute, m.second);
        EXPECT_EQ(-1, t.GetTime()) << Show(m);
        const int parts[] = { t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond(),
                              t.GetDayOfWeek() };
        for (int part : parts)
            EXPECT_EQ(0, part) << Show(m);
        EXPECT_STREQ("", t.Format("%Y"));
        SYSTEMTIME st;
        EXPECT_FALSE(t.GetAsSystemTime(st));
    }
    SYSTEMTIME noDay = { 2024, 2, 0, 30, 0, 0, 0, 0 };
    EXPECT_EQ(-1, CTime(noDay).GetTime());
    EXPECT_STREQ("", CTime(2024, 1, 1, 0, 0, 0).Format("%Q"));
}

TEST(CTime, SpanArithmetic)
{
    CTime t(2024, 1, 31, 23, 0, 0);
    EXPECT_EQ("2024-02-01 01:00:00", Show(t + CTimeSpan(0, 2, 0, 0)));
    EXPECT_EQ("2023-12-31 23:00:00", Show(t - CTimeSpan(31, 0, 0, 0)));
    CTime u = t;
    u += CTimeSpan(29, 1, 0, 0);
    EXPECT_EQ("2024-03-01 00:00:00", Show(u));
    u -= CTimeSpan(0, 0, 0, 1);
    EXPECT_EQ("2024-02-29 23:59:59", Show(u));

    CTimeSpan span = CTime(2024, 3, 1, 0, 0, 0) - CTime(2024, 2, 28, 11, 30, 15);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(12, span.GetHours());
    EXPECT_EQ(29, span.GetMinutes());
    EXPECT_EQ(45, span.GetSeconds());
    EXPECT_EQ(36, span.GetTotalHours());
    EXPECT_EQ(36 * 60 + 29, span.GetTotalMinutes());
    EXPECT_EQ((36 * 60 + 29) * 60 + 45, span.GetTotalSeconds());

    CTimeSpan back = -CTimeSpan(1, 1, 1, 1).GetTimeSpan();
    EXPECT_EQ(-1, back.GetDays());
    EXPECT_EQ(-1, back.GetHours());
    EXPECT_EQ(-1, back.GetMinutes());
    EXPECT_EQ(-1, back.GetSeconds());
    EXPECT_TRUE(back < CTimeSpan(0) && CTimeSpan(0) > back && back != CTimeSpan(0));
    EXPECT_EQ(CTimeSpan(0, 1, 0, 0) + CTimeSpan(0, 0, 30, 0), CTimeSpan(1800 * 3));

    EXPECT_TRUE(t < u && u > t && t <= t && u >= t && t != u && t == CTime(t.GetTime()));
    __time64_t now = _time64(NULL);
    EXPECT_LE(CTime::GetCurrentTime().GetTime() - now, 1);
}
