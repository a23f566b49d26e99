// DateTimeBehavior: a date and a time in one text: the date of DateBehavior, one blank, and the
// time of TimeBehavior from position 11 ("MM/DD/YYYY HH:MM"), or only the date (DateOnly) or only
// the time (TimeOnly, from position 0). Each half keeps its own fields, digit rules and keys; this
// class routes each keystroke to the half under the caret, joins the two valid texts, and checks
// the range on the combined value: the bounds form one continuous interval from the minimum's
// date and time to the maximum's (with TimeOnly, the times of day of the bounds).
//
// CTime: GetDateTime builds a CTime from the typed fields, so an incomplete text or a moment
// outside CTime's span gives the framework's invalid CTime (GetTime() == -1) instead of raising.
#pragma once
#include "DateBehavior.h"
#include "TimeBehavior.h"

class MARLOW17_API DateTimeBehavior : public DateBehavior, public TimeBehavior
{
public:
    enum DateTimeFlag
    {
        DateOnly = 0x100,   // only the date is shown and used
        TimeOnly = 0x200,   // only the time is shown and used
    };

    explicit DateTimeBehavior(CVetEdit* pEdit);

    void SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);
    void SetDateTime(const CTime& dateTime);
    void SetDateTime(const COleDateTime& dateTime);
    void SetToNow();
    CTime GetDateTime() const;
    COleDateTime GetOleDateTime() const;   // status invalid when the fields make no date and time

    // The date half keeps the bounds' dates, the time half their times of day.
    void SetRange(const CTime& dateMin, const CTime& dateMax);
    void SetRange(const COleDateTime& dateMin, const COleDateTime& dateMax);
    void GetRange(CTime* pDateMin, CTime* pDateMax) const;
    void GetRange(COleDateTime* pDateMin, COleDateTime* pDateMax) const;

    // bDate: the date separator, else the time separator.
    void SetSeparator(char cSep, bool bDate);
    char GetSeparator(bool bDate) const;

    // Also moves the time half to where the flags put it; a change between the forms (date and
    // time, DateOnly, TimeOnly) keeps the value in the text.
    bool ModifyFlags(UINT nAdd, UINT nRemove);

    virtual bool IsValid() const;
    using DateBehavior::CheckIfValid;

protected:
    virtual bool IsWithinRange(const COleDateTime& value, bool bDateOnly) const;
    virtual void ShowErrorMessage() const;

    virtual CString _GetValidText() const;
    virtual void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKillFocus(CWnd* pNewWnd);

private:
    // Position of the time in the combined text.
    static const int TimeStart = 11;
};
