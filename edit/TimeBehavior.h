// TimeBehavior: keeps an edit's text a time of day: two-digit hour, separator, two-digit minutes,
// optionally separator and two-digit seconds (WithSeconds) and, in 12-hour form, a blank and an AM
// or PM designator. The user types over the digits in place; each digit is judged against what
// can still make a time, separators and leading zeros come by themselves, Up and Down step the
// field under the caret, and the first letter of a designator switches between AM and PM. The
// separator, the 12/24-hour form and the designators come from the user's locale. Text that is
// set or pasted always becomes a well-formed time (the current time when it holds none); the range
// is checked by IsValid, CheckIfValid and the kill-focus options, not forced on the text.
// DateTimeBehavior reuses it for the time half of a date-and-time text by moving the hour start.
//
// CTime: GetTime gives CTime(1970, 1, 1, hour, minute, second), so a missing hour or minute (or a
// moment before the epoch in a time zone east of UTC) gives the framework's invalid CTime
// (GetTime() == -1) instead of raising. Setters given an invalid CTime or a COleDateTime whose
// status is not valid leave everything as it was.
#pragma once
#include "Behavior.h"
#include "CTime.h"
#include "COleDateTime.h"

class MARLOW17_API TimeBehavior : virtual public Behavior
{
public:
    enum TimeFlag
    {
        Hour24 = 0x2000,        // 24-hour form, no designator
        WithSeconds = 0x4000,   // seconds shown
    };

    explicit TimeBehavior(CVetEdit* pEdit);

    // The typed fields; -1 when missing.
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    CString GetAMPM() const;        // the designator in the text, or empty
    // Replace one field, keeping the selection. SetHour takes 0 to 23; in 12-hour form an hour of
    // 0 or above 12 is shown as a 12-hour hour and also sets the designator. A value the field
    // cannot hold (hour 0-23, minute and second 0-59) leaves the text as it was.
    void SetHour(int nHour);
    void SetMinute(int nMinute);
    void SetSecond(int nSecond);
    void SetAMPM(bool bAM);

    CTime GetTime() const;              // on 1970-01-01
    COleDateTime GetOleTime() const;    // on 1899-12-30; status invalid when the fields make no time
    void SetTime(int nHour, int nMinute, int nSecond = 0);
    void SetTime(const CTime& time);
    void SetTime(const COleDateTime& time);
    void SetTimeToNow();

    // Only the times of day of the bounds count.
    void SetRange(const CTime& timeMin, const CTime& timeMax);
    void SetRange(const COleDateTime& timeMin, const COleDateTime& timeMax);
    // Each pointer keeps its date and receives the time of day of its bound.
    void GetRange(CTime* pTimeMin, CTime* pTimeMax) const;
    void GetRange(COleDateTime* pTimeMin, COleDateTime* pTimeMax) const;

    void SetSeparator(char cSep);
    char GetSeparator() const;
    void Show24HourFormat(bool bShow24HourFormat = true);
    bool IsShowing24HourFormat() const;
    void ShowSeconds(bool bShowSeconds = true);
    bool IsShowingSeconds() const;
    // Empty designators stand for "AM" and "PM". A designator in the text is replaced by the new
    // one of its half of the day.
    void SetAMPMSymbols(const CString& strAM, const CString& strPM);
    void GetAMPMSymbols(CString* pStrAM, CString* pStrPM) const;

    virtual bool IsValid() const;           // IsValid(true)
    bool IsValid(bool bCheckRange) const;   // well formed, and within the range when asked
    // True when the edit is disabled or valid; otherwise, when bShowErrorIfNotValid, shows the
    // range message and gives the focus back to the edit.
    bool CheckIfValid(bool bShowErrorIfNotValid = true);

protected:
    virtual bool IsWithinRange(const COleDateTime& time, bool bDateOnly = false) const;
    virtual void ShowErrorMessage() const;

    int GetHourStartPosition() const;
    int GetMinuteStartPosition() const;
    int GetSecondStartPosition() const;
    int GetAMPMStartPosition() const;

    // bAMPMAsInt: the limits of a 0-23 hour whatever the form.
    int GetMinHour(bool bAMPMAsInt) const;
    int GetMaxHour(bool bAMPMAsInt) const;
    int GetMinMinute() const;
    int GetMaxMinute() const;
    int GetMinSecond() const;
    int GetMaxSecond() const;
    int GetValidHour(bool bAMPMAsInt) const;
    int GetValidMinute() const;
    int GetValidSecond() const;

    // Digit limits: nPos 0 is a field's first digit, 1 its second.
    char GetMinHourDigit(int nPos) const;
    char GetMaxHourDigit(int nPos) const;
    char GetMinMinuteDigit(int nPos) const;
    char GetMaxMinuteDigit(int nPos) const;
    char GetMinSecondDigit(int nPos) const;
    char GetMaxSecondDigit(int nPos) const;

    bool IsValidHourDigit(char c, int nPos) const;
    bool IsValidMinuteDigit(char c, int nPos) const;
    bool IsValidSecondDigit(char c, int nPos) const;
    bool IsValidHour(int nHour, bool bAMPMAsInt) const;
    bool IsValidMinute(int nMinute) const;
    bool IsValidSecond(int nSecond) const;
    bool IsValidAMPM(const CString& strAMPM) const;

    // Where the designator starts in strText (after " AM" or " PM"), or 0.
    int GetAMPMPosition(const CString& strText) const;
    CString GetValidAMPM() const;
    int ConvertTo24Hour(int nHour, const CString& strAMPM) const;
    int ConvertToAMPMHour(int nHour, CString* pStrAMPM = NULL) const;
    // In 12-hour form, adds the AM designator when the text has no valid one.
    void ShowAMPM();
    // Takes c as a designator letter: A or P switch, letters of a designator complete it.
    bool ChangeAMPM(char c);
    void AdjustWithinRange();

    CString GetFormattedTime(int nHour, int nMinute, int nSecond, const CString& strAMPM) const;

    virtual CString _GetValidText() const;
    virtual void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKillFocus(CWnd* pNewWnd);

    COleDateTime m_timeMin;
    COleDateTime m_timeMax;
    char m_cSep;
    CString m_strAM;
    CString m_strPM;
    int m_nAMPMLength;
    int m_nHourStart;

private:
    enum TimeField { HourField, MinuteField, SecondField };
    struct DigitRule;
    static const DigitRule s_digitRules[];

    char DigitLimit(TimeField field, int nPos, bool bMax) const;
    int GetTwoDigits(int nStart) const;
    void ReplaceText(int nStart, int nEnd, const CString& strText);
    // Types c at p: over the character there, before the blank of the designator, or at the end.
    void EnterChar(int p, char c, bool bInsertBeforeBlank, UINT uChar, UINT nRepCnt, UINT nFlags);
    // Types a field's first digit and keeps the field valid; false when c is no such digit.
    bool EnterFirstDigit(TimeField field, int p, char c, UINT uChar, UINT nRepCnt, UINT nFlags);
    void StepHour(int nStep);
};
