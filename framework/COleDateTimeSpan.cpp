#include "COleDateTimeSpan.h"
#include <math.h>

// About the distance between the earliest and the latest date that COleDateTime holds.
static const double s_maxDaysInSpan = 3615897.0;

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid) {}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid)
{
    CheckRange();
}

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = valid;
    CheckRange();
    return *this;
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    *this = lDays + nHours / 24.0 + nMins / (24.0 * 60) + nSecs / (24.0 * 3600);
}

void COleDateTimeSpan::CheckRange()
{
    if (!(m_span >= -s_maxDaysInSpan && m_span <= s_maxDaysInSpan))
        m_status = invalid;
}

LONGLONG COleDateTimeSpan::TotalSeconds() const
{
    return llround(m_span * 24 * 3600);
}

double COleDateTimeSpan::GetTotalDays() const { return double(TotalSeconds() / (24 * 3600)); }
double COleDateTimeSpan::GetTotalHours() const { return double(TotalSeconds() / 3600); }
double COleDateTimeSpan::GetTotalMinutes() const { return double(TotalSeconds() / 60); }
double COleDateTimeSpan::GetTotalSeconds() const { return double(TotalSeconds()); }
LONG COleDateTimeSpan::GetDays() const { return LONG(TotalSeconds() / (24 * 3600)); }
LONG COleDateTimeSpan::GetHours() const { return LONG(TotalSeconds() / 3600 % 24); }
LONG COleDateTimeSpan::GetMinutes() const { return LONG(TotalSeconds() / 60 % 60); }
LONG COleDateTimeSpan::GetSeconds() const { return LONG(TotalSeconds() % 60); }

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    if (m_status != dateSpan.m_status)
        return false;
    return m_status == valid ? m_span == dateSpan.m_span : m_status == null;
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span < dateSpan.m_span;
}

bool COleDateTimeSpan::operator<=(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span <= dateSpan.m_span;
}

// The status of a sum or difference: null wins over invalid, which wins over valid.
static COleDateTimeSpan::DateTimeSpanStatus Combined(COleDateTimeSpan::DateTimeSpanStatus a,
                                                     COleDateTimeSpan::DateTimeSpanStatus b)
{
    if (a == COleDateTimeSpan::null || b == COleDateTimeSpan::null)
        return COleDateTimeSpan::null;
    return (a == COleDateTimeSpan::invalid || b == COleDateTimeSpan::invalid) ? COleDateTimeSpan::invalid
                                                                              : COleDateTimeSpan::valid;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    DateTimeSpanStatus status = Combined(m_status, dateSpan.m_status);
    if (status != valid)
        result.m_status = status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}
