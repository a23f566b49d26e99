// CTime: a moment as seconds since 1970-01-01 00:00:00 UTC (64-bit), read in local time. Covers
// what the C runtime converts: 1970-01-01 00:00:00 UTC to 3000-12-31 23:59:59 UTC. Components that
// make no such moment (a month outside 1..12, 30 February, an hour of 24, a year before 1900) give
// the invalid time -1; an invalid time has 0 for every component, formats as an empty text and
// GetAsSystemTime fails.
#pragma once
#include "CString.h"
#include "CTimeSpan.h"
#include <time.h>

class MARLOW17_API CTime
{
public:
    static CTime WINAPI GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(__time64_t time) : m_time(time) {}
    // nDST: -1 lets the platform decide whether daylight saving applies, 0 standard time, 1 daylight.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);

    CTime& operator=(__time64_t time) { m_time = time; return *this; }

    __time64_t GetTime() const { return m_time; }
    // Fill *ptm and return it, or return NULL for a time outside the covered range.
    struct tm* GetLocalTm(struct tm* ptm) const;
    struct tm* GetGmtTm(struct tm* ptm) const;
    bool GetAsSystemTime(SYSTEMTIME& timeDest) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;   // 1 = Sunday

    // strftime formats of the local or UTC time; empty for an invalid time or format.
    CString Format(LPCTSTR pszFormat) const;
    CString FormatGmt(LPCTSTR pszFormat) const;

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

private:
    __time64_t m_time;
};

