// COleDateTime: an OLE automation date (DATE: days since 1899-12-30, the fraction being the time of
// day) with a status. Valid dates run from 0100-01-01 00:00:00 to 9999-12-31 23:59:59. Before
// 1899-12-30 a DATE keeps the time of day as a positive fraction after a negative day count
// (-1.25 is 1899-12-29 06:00); arithmetic and ordering work on the linear day scale instead.
#pragma once
#include "CString.h"
#include "COleDateTimeSpan.h"
#include <oleauto.h>
#include <time.h>

#define AFX_OLE_DATETIME_ERROR (-1)
#define AFX_OLE_DATETIME_HALFSECOND (1.0 / (2.0 * (60.0 * 60.0 * 24.0)))
#ifndef MIN_DATE
#define MIN_DATE (-657434L)   // 0100-01-01
#endif
#ifndef MAX_DATE
#define MAX_DATE 2958465L     // 9999-12-31
#endif

class MARLOW17_API COleDateTime
{
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    // The local time now, to the second.
    static COleDateTime WINAPI GetCurrentTime();

    COleDateTime();
    COleDateTime(DATE dtSrc);
    COleDateTime(__time32_t timeSrc);
    COleDateTime(__time64_t timeSrc);           // local time of a time_t
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(const FILETIME& filetimeSrc);  // a UTC file time, held as local time
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(const __time32_t& timeSrc);
    COleDateTime& operator=(const __time64_t& timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    COleDateTime& operator=(const FILETIME& filetimeSrc);

    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }
    operator DATE() const { return m_dt; }

    // Return 0 and make the value valid, or return 1 and make it invalid when the components make
    // no date within range. SetTime puts the time on 1899-12-30.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    // Components, to the nearest second; AFX_OLE_DATETIME_ERROR when the value is not valid.
    bool GetAsSystemTime(SYSTEMTIME& sysTime) const;
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;   // 1 = Sunday
    int GetDayOfYear() const;   // 1 = 1 January

    // Reads a date and/or time in the locale's forms (VarDateFromStr). On failure the value becomes
    // invalid, m_dt 0 for a text that is no date and -1 for one out of range, and the result false.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    // The locale's form (VarBstrFromDate flags: VAR_DATEVALUEONLY, VAR_TIMEVALUEONLY, ...), or a
    // strftime format. A null value formats as an empty text, an invalid one as "Invalid DateTime".
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    CString Format(LPCTSTR lpszFormat) const;

    // Equal: same status and, when valid, within half a second; orderings only between valid values.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !operator==(date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date.operator<(*this); }
    bool operator<=(const COleDateTime& date) const { return operator<(date) || operator==(date); }
    bool operator>=(const COleDateTime& date) const { return operator>(date) || operator==(date); }

    // A null operand gives null, an invalid one invalid; a result out of range is invalid.
    COleDateTime operator+(COleDateTimeSpan dateSpan) const;
    COleDateTime operator-(COleDateTimeSpan dateSpan) const;
    COleDateTime& operator+=(COleDateTimeSpan dateSpan) { return *this = *this + dateSpan; }
    COleDateTime& operator-=(COleDateTimeSpan dateSpan) { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    DATE m_dt;
    DateTimeStatus m_status;

protected:
    // The linear day scale and back.
    static double WINAPI DoubleFromDate(DATE date);
    static DATE WINAPI DateFromDouble(double f);
    // Makes the value invalid when it lies outside the valid dates.
    void CheckRange();
    // Sets m_dt from the components (0 when they make no valid date) and reports whether they did.
    BOOL ConvertSystemTimeToVariantTime(const SYSTEMTIME& systimeSrc);
};
