// COleDateTimeSpan: a signed span of days (the fraction being part of a day) with a status; the
// difference of two COleDateTime values. Spans beyond about ±9900 years are invalid; arithmetic
// with a null span gives null, with an invalid one invalid.
#pragma once
#include "afxver_.h"

class MARLOW17_API COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    // Whole units of the span rounded to the nearest second, cut toward zero: a span of -1 day
    // 6 hours has GetDays() -1, GetHours() -6, GetTotalHours() -30.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;

    COleDateTimeSpan& operator=(double dblSpanSrc);
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);
    operator double() const { return m_span; }

    // Equal: same status and, when valid, the same span; the orderings hold only between valid spans.
    bool operator==(const COleDateTimeSpan& dateSpan) const;
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return !operator==(dateSpan); }
    bool operator<(const COleDateTimeSpan& dateSpan) const;
    bool operator>(const COleDateTimeSpan& dateSpan) const { return dateSpan.operator<(*this); }
    bool operator<=(const COleDateTimeSpan& dateSpan) const;
    bool operator>=(const COleDateTimeSpan& dateSpan) const { return dateSpan.operator<=(*this); }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-() const;

    double m_span;
    DateTimeSpanStatus m_status;

protected:
    void CheckRange();
    // The span in whole seconds, rounded to the nearest.
    LONGLONG TotalSeconds() const;
};
