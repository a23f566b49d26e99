// DateBehavior: keeps an edit's text a date of the fixed form "MM/DD/YYYY" (day first under
// DayBeforeMonth; the separator from the user's locale) inside a range of dates. The user types
// over the digits in place; each digit is judged against what can still make a date in range,
// separators and leading zeros come by themselves, and a day that a new month or year makes
// impossible is corrected at once. Up and Down step the field under the caret. Text that is set
// or pasted always becomes a date in range: today's date when it holds none.
//
// CTime: the CTime forms (GetDate, GetRange) build CTime values, which cover complete dates from
// 1970 to 3000 only. For an incomplete text or a date outside that span they return the
// framework's invalid CTime (GetTime() == -1, every component 0) instead of raising. Setters given
// an invalid CTime or a COleDateTime whose status is not valid leave everything as it was.
#pragma once
#include "Behavior.h"
#include "CTime.h"
#include "COleDateTime.h"

class MARLOW17_API DateBehavior : virtual public Behavior
{
public:
    enum DateFlag
    {
        DayBeforeMonth = 0x1000,    // "DD/MM/YYYY"
    };

    explicit DateBehavior(CVetEdit* pEdit);

    // The typed fields; 0 when missing.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    // Replace one field, keeping the selection; a month or year that makes the day impossible
    // corrects the day (and the year the month). A value the field cannot hold (month 1-12, day
    // 1-31, year 0-9999) leaves the text as it was.
    void SetYear(int nYear);
    void SetMonth(int nMonth);
    void SetDay(int nDay);

    CTime GetDate() const;
    COleDateTime GetOleDate() const;       // status invalid when the fields make no date
    void SetDate(int nYear, int nMonth, int nDay);
    void SetDate(const CTime& date);
    void SetDate(const COleDateTime& date);
    void SetDateToToday();

    // The CTime form takes the dates at 00:00:00; the COleDateTime form stores the values as
    // given. The range limits whole days: a bound's time of day does not shut out its own date.
    void SetRange(const CTime& dateMin, const CTime& dateMax);
    void SetRange(const COleDateTime& dateMin, const COleDateTime& dateMax);
    void GetRange(CTime* pDateMin, CTime* pDateMax) const;
    void GetRange(COleDateTime* pDateMin, COleDateTime* pDateMax) const;

    // Both keep the date in the text: its separators or its day and month change in place.
    void SetSeparator(char cSep);
    char GetSeparator() const;
    void ShowDayBeforeMonth(bool bDayBeforeMonth = true);
    bool IsDayShownBeforeMonth() const;

    // The typed fields form a date within the range.
    virtual bool IsValid() const;
    // True when the edit is disabled or valid; otherwise, when bShowErrorIfNotValid, shows the
    // range message and gives the focus back to the edit.
    bool CheckIfValid(bool bShowErrorIfNotValid = true);

    static CString GetString(int nValue, bool bTwoDigits = true);
    static int GetMaxDayOfMonth(int nMonth, int nYear);
    static bool IsLeapYear(int nYear);

protected:
    virtual bool IsWithinRange(const COleDateTime& date, bool bDateOnly = true) const;
    virtual void ShowErrorMessage() const;

    int GetMonthStartPosition() const;
    int GetDayStartPosition() const;
    int GetYearStartPosition() const;

    // The values the typed fields stand for while the date is incomplete: the typed year, or this
    // year, inside the range; the limits of month and day that this year (and month) leave.
    int GetMinMonth() const;
    int GetMaxMonth() const;
    int GetMinDay() const;
    int GetMaxDay() const;
    int GetValidMonth() const;
    int GetValidDay() const;
    int GetValidYear() const;

    // Digit limits: nPos 0 is a field's first digit, 1 its second (0 to 3 for the year).
    char GetMinMonthDigit(int nPos) const;
    char GetMaxMonthDigit(int nPos) const;
    char GetMinDayDigit(int nPos) const;
    char GetMaxDayDigit(int nPos) const;
    char GetMaxYearDigit(int nPos) const;
    // bValidYear: judge by the valid year when the typed year is out of range.
    char GetMinYearDigit(int nPos, bool bValidYear = false) const;

    bool IsValidMonthDigit(char c, int nPos) const;
    bool IsValidDayDigit(char c, int nPos) const;
    bool IsValidYearDigit(char c, int nPos) const;
    bool IsValidMonth(int nMonth) const;
    bool IsValidDay(int nDay) const;
    bool IsValidYear(int nYear) const;

    // Put an impossible day (or month and day) back in range; true when something changed.
    bool AdjustMaxDay();
    bool AdjustMaxMonthAndDay();

    CString GetFormattedDate(int nYear, int nMonth, int nDay) const;

    virtual CString _GetValidText() const;
    virtual void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKillFocus(CWnd* pNewWnd);

    COleDateTime m_dateMin;
    COleDateTime m_dateMax;
    char m_cSep;

private:
    enum DateField { MonthField, DayField };
    struct DigitRule;
    static const DigitRule s_digitRules[];

    // The same values for given typed fields (GetValidYear() is ValidYear(GetYear()), ...).
    int ValidYear(int nYear) const;
    int MinMonth(int nValidYear) const;
    int MaxMonth(int nValidYear) const;
    int MinDay(int nValidYear, int nValidMonth) const;
    int MaxDay(int nValidYear, int nValidMonth) const;
    // The limit of one digit of the month or the day, from the rule table.
    char DigitLimit(DateField field, int nPos, bool bMax) const;
    bool IsRangeLimiting(DateField field, const COleDateTime& bound) const;
    // The year's digit nPos may not fall below this when the year begins with strYear's digits.
    char MinYearDigitAfter(const CString& strYear, int nPos) const;
    int GetField(int nStart) const;
    void SetField(int nStart, int nValue, bool bPresent);
    // Stores strText (validated) when the window exists.
    void RewriteText(const CString& strText);
    // Types the field's first digit c at p and keeps the field valid.
    void EnterFirstDigit(DateField field, int p, char c, UINT uChar, UINT nRepCnt, UINT nFlags);
    void ReplaceText(int nStart, int nEnd, const CString& strText);
};
