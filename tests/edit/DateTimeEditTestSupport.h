// Helpers of the date, time and date-time edit tests: the user's locale read independently of the
// library (with the same fallbacks the edits document), dates and times written the way that
// locale shows them, key sequences in the locale's field order, and the clock read around a call
// so that results depending on "today" or "now" are checked at any moment.
#pragma once
#include "EditTestSupport.h"

#include <COleDateTime.h>
#include <functional>
#include <stdio.h>
#include <string>
#include <vector>

namespace datetest {

inline std::string LocaleInfo(LCTYPE type)
{
    char buffer[260] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer));
    return buffer;
}

// What a new date edit takes from the user's locale.
struct DateLocale
{
    char separator = '/';
    bool dayFirst = false;
};

inline DateLocale UserDateLocale()
{
    DateLocale locale;
    const std::string sep = LocaleInfo(LOCALE_SDATE);
    if (!sep.empty())
        locale.separator = sep[0];
    const std::string format = LocaleInfo(LOCALE_SSHORTDATE);
    const size_t first = format.find_first_of("MmDd");
    locale.dayFirst = first != std::string::npos && (format[first] == 'd' || format[first] == 'D');
    return locale;
}

// What a new time edit takes from the user's locale: designators of at most two characters and of
// one length, else AM and PM.
struct TimeLocale
{
    char separator = ':';
    bool hour24 = false;
    std::string am = "AM";
    std::string pm = "PM";
};

inline TimeLocale UserTimeLocale()
{
    TimeLocale locale;
    const std::string sep = LocaleInfo(LOCALE_STIME);
    if (!sep.empty())
        locale.separator = sep[0];
    locale.hour24 = atoi(LocaleInfo(LOCALE_ITIME).c_str()) != 0;
    const std::string am = LocaleInfo(LOCALE_S1159), pm = LocaleInfo(LOCALE_S2359);
    if (!am.empty() && am.size() <= 2 && am.size() == pm.size()) {
        locale.am = am;
        locale.pm = pm;
    }
    return locale;
}

inline std::string FormatDate(const DateLocale& locale, int year, int month, int day)
{
    char text[32];
    snprintf(text, sizeof(text), "%02d%c%02d%c%4d", locale.dayFirst ? day : month, locale.separator,
             locale.dayFirst ? month : day, locale.separator, year);
    return text;
}

// hour is 0 to 23.
inline std::string FormatTime(const TimeLocale& locale, bool seconds, int hour, int minute, int second = 0)
{
    char text[48];
    const int shown = locale.hour24 ? hour : (hour % 12 == 0 ? 12 : hour % 12);
    if (seconds)
        snprintf(text, sizeof(text), "%02d%c%02d%c%02d", shown, locale.separator, minute, locale.separator, second);
    else
        snprintf(text, sizeof(text), "%02d%c%02d", shown, locale.separator, minute);
    std::string result = text;
    if (!locale.hour24)
        result += " " + (hour < 12 ? locale.am : locale.pm);
    return result;
}

// The digits of a date in the order the locale's edit shows its fields ("MMDDYYYY" or "DDMMYYYY").
inline std::string DateKeys(const DateLocale& locale, const char* month, const char* day, const char* year)
{
    return locale.dayFirst ? std::string(day) + month + year : std::string(month) + day + year;
}

// Runs call between two readings of the clock and returns the texts that expected() gives for
// each: the result of the call must be one of them, whenever the test runs (midnight and New
// Year's Eve included).
inline std::vector<std::string> AroundNow(const std::function<void()>& call,
                                          const std::function<std::string(const COleDateTime&)>& expected)
{
    const COleDateTime before = COleDateTime::GetCurrentTime();
    call();
    const COleDateTime after = COleDateTime::GetCurrentTime();
    return {expected(before), expected(after)};
}

inline bool IsOneOf(const std::string& text, const std::vector<std::string>& candidates)
{
    for (const std::string& candidate : candidates)
        if (text == candidate)
            return true;
    return false;
}

// Gives the focus to edit, then to another window, as a user tabbing away would.
inline void FocusAway(HWND edit, HWND other)
{
    SetFocus(edit);
    SetFocus(other);
    test::PumpMessages();
}

}  // namespace datetest
