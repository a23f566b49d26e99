#include "DateBehavior.h"
#include "KillFocusFlags.h"
#include "SelectionSaver.h"
#include <algorithm>
#include <stdlib.h>

namespace {

const int YearLength = 4;
const int DateLength = 10;

// A date's place in the calendar, for comparing whole days.
long DayKey(int nYear, int nMonth, int nDay)
{
    return nYear * 10000L + nMonth * 100L + nDay;
}

long DayKey(const COleDateTime& date)
{
    return DayKey(date.GetYear(), date.GetMonth(), date.GetDay());
}

char DigitOf(int nValue, int nPos)
{
    CString strValue;
    strValue.Format("%02d", nValue);
    return strValue[nPos];
}

}  // namespace

// Where a digit limit comes from.
enum DigitSource
{
    FixedDigit,         // the rule's own digit
    BoundDigit,         // digit n of the range bound's month or day
    MonthLengthDigit,   // digit n of the number of days in the valid month
};

// Conditions of a digit rule, all of which must hold.
enum DigitCondition
{
    AtBound = 0x1,            // the typed fields put this one at the range's bound
    FirstIsBound = 0x2,       // the field's first digit is the bound's first digit
    NotFebruary = 0x4,
    FebruaryYearOpen = 0x8,   // February, and no valid year typed yet (29 may still come)
};

// One rule of the digit limits: the first rule of a field, position and side whose conditions
// hold gives the limit. The min side is judged against the range's minimum, the max side against
// its maximum.
struct DateBehavior::DigitRule
{
    DateField field;
    int nPos;
    bool bMax;
    UINT uWhen;        // DigitCondition bits
    char cFirst;       // the field's first digit must be this (0: any)
    DigitSource source;
    int nValue;        // the digit (FixedDigit) or which digit of the number
};

const DateBehavior::DigitRule DateBehavior::s_digitRules[] = {
    { MonthField, 0, true, AtBound, 0, BoundDigit, 0 },
    { MonthField, 0, true, 0, 0, FixedDigit, '1' },
    { MonthField, 0, false, AtBound, 0, BoundDigit, 0 },
    { MonthField, 0, false, 0, 0, FixedDigit, '0' },
    { MonthField, 1, true, AtBound | FirstIsBound, 0, BoundDigit, 1 },
    { MonthField, 1, true, AtBound, 0, FixedDigit, '9' },
    { MonthField, 1, true, 0, '1', FixedDigit, '2' },
    { MonthField, 1, true, 0, 0, FixedDigit, '9' },
    { MonthField, 1, false, AtBound | FirstIsBound, 0, BoundDigit, 1 },
    { MonthField, 1, false, AtBound, 0, FixedDigit, '0' },
    { MonthField, 1, false, 0, '1', FixedDigit, '0' },
    { MonthField, 1, false, 0, 0, FixedDigit, '1' },
    { DayField, 0, true, AtBound, 0, BoundDigit, 0 },
    { DayField, 0, true, 0, 0, MonthLengthDigit, 0 },
    { DayField, 0, false, AtBound, 0, BoundDigit, 0 },
    { DayField, 0, false, 0, 0, FixedDigit, '0' },
    { DayField, 1, true, AtBound | FirstIsBound, 0, BoundDigit, 1 },
    { DayField, 1, true, 0, '0', FixedDigit, '9' },
    { DayField, 1, true, 0, '1', FixedDigit, '9' },
    { DayField, 1, true, NotFebruary, '2', FixedDigit, '9' },
    { DayField, 1, true, FebruaryYearOpen, 0, FixedDigit, '9' },
    { DayField, 1, true, 0, 0, MonthLengthDigit, 1 },
    { DayField, 1, false, AtBound | FirstIsBound, 0, BoundDigit, 1 },
    { DayField, 1, false, 0, '0', FixedDigit, '1' },
    { DayField, 1, false, 0, 0, FixedDigit, '0' },
};

DateBehavior::DateBehavior(CVetEdit* pEdit)
    : Behavior(pEdit),
      m_dateMin(1900, 1, 1, 0, 0, 0),
      m_dateMax(9998, 12, 31, 23, 59, 59),
      m_cSep('/')
{
    const CString strSep = ReadLocaleInfo(LOCALE_SDATE);
    if (!strSep.IsEmpty())
        m_cSep = strSep[0];

    // The short date format says which comes first; the year's place does not matter here.
    const CString strFormat = ReadLocaleInfo(LOCALE_SSHORTDATE);
    const int nFirst = strFormat.FindOneOf("MmDd");
    if (nFirst >= 0 && (strFormat[nFirst] == 'D' || strFormat[nFirst] == 'd'))
        m_uFlags |= DayBeforeMonth;
}

// --- Reading the text ---

int DateBehavior::GetField(int nStart) const
{
    const CString strText = m_pEdit->GetText();
    if (strText.GetLength() < nStart + 2)
        return 0;
    return atoi(strText.Mid(nStart, 2));
}

int DateBehavior::GetYear() const
{
    const CString strText = m_pEdit->GetText();
    const int nSep = strText.ReverseFind(m_cSep);
    if (nSep <= 0)
        return 0;
    return atoi(strText.Mid(nSep + 1, YearLength));
}

int DateBehavior::GetMonth() const
{
    return GetField(GetMonthStartPosition());
}

int DateBehavior::GetDay() const
{
    return GetField(GetDayStartPosition());
}

int DateBehavior::GetMonthStartPosition() const
{
    return IsDayShownBeforeMonth() ? 3 : 0;
}

int DateBehavior::GetDayStartPosition() const
{
    return IsDayShownBeforeMonth() ? 0 : 3;
}

int DateBehavior::GetYearStartPosition() const
{
    return 6;
}

// --- Writing the text ---

void DateBehavior::ReplaceText(int nStart, int nEnd, const CString& strText)
{
    m_pEdit->SetSel(nStart, nEnd);
    m_pEdit->ReplaceSel(strText, TRUE);
}

void DateBehavior::SetField(int nStart, int nValue, bool bPresent)
{
    CString strField;
    strField.Format("%02d%c", nValue, m_cSep);
    if (bPresent)
        m_pEdit->SetSel(nStart, nStart + 3);
    m_pEdit->ReplaceSel(strField, TRUE);
}

void DateBehavior::SetMonth(int nMonth)
{
    if (nMonth < 1 || nMonth > 12)
        return;     // would write a field no date has (or a wider one that shifts the others)
    SelectionSaver saver(m_pEdit);
    SetField(GetMonthStartPosition(), nMonth, GetMonth() > 0);
    AdjustMaxDay();
}

void DateBehavior::SetDay(int nDay)
{
    if (nDay < 1 || nDay > 31)
        return;
    SelectionSaver saver(m_pEdit);
    SetField(GetDayStartPosition(), nDay, GetDay() > 0);
}

void DateBehavior::SetYear(int nYear)
{
    if (nYear < 0 || nYear > 9999)
        return;     // only four digits fit the field
    SelectionSaver saver(m_pEdit);
    CString strYear;
    strYear.Format("%4d", nYear);
    if (GetYear() > 0)
        m_pEdit->SetSel(GetYearStartPosition(), GetYearStartPosition() + YearLength);
    m_pEdit->ReplaceSel(strYear, TRUE);
    AdjustMaxMonthAndDay();
}

CString DateBehavior::GetFormattedDate(int nYear, int nMonth, int nDay) const
{
    CString strDate;
    if (IsDayShownBeforeMonth())
        strDate.Format("%02d%c%02d%c%4d", nDay, m_cSep, nMonth, m_cSep, nYear);
    else
        strDate.Format("%02d%c%02d%c%4d", nMonth, m_cSep, nDay, m_cSep, nYear);
    return strDate;
}

// --- Values ---

CTime DateBehavior::GetDate() const
{
    return CTime(GetYear(), GetMonth(), GetDay(), 0, 0, 0);
}

COleDateTime DateBehavior::GetOleDate() const
{
    return COleDateTime(GetYear(), GetMonth(), GetDay(), 0, 0, 0);
}

void DateBehavior::SetDate(int nYear, int nMonth, int nDay)
{
    m_pEdit->SetText(GetFormattedDate(nYear, nMonth, nDay));
}

void DateBehavior::SetDate(const CTime& date)
{
    if (IsValidCTime(date))
        SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

void DateBehavior::SetDate(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::valid)
        SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

void DateBehavior::SetDateToToday()
{
    SetDate(COleDateTime::GetCurrentTime());
}

void DateBehavior::SetRange(const CTime& dateMin, const CTime& dateMax)
{
    if (!IsValidCTime(dateMin) || !IsValidCTime(dateMax))
        return;
    SetRange(COleDateTime(dateMin.GetYear(), dateMin.GetMonth(), dateMin.GetDay(), 0, 0, 0),
             COleDateTime(dateMax.GetYear(), dateMax.GetMonth(), dateMax.GetDay(), 0, 0, 0));
}

void DateBehavior::SetRange(const COleDateTime& dateMin, const COleDateTime& dateMax)
{
    if (dateMin.GetStatus() != COleDateTime::valid || dateMax.GetStatus() != COleDateTime::valid)
        return;
    // Bounds given upside down would leave no date in range and the text would be forced to one.
    const auto day = [](const COleDateTime& date) {
        return (date.GetYear() * 100 + date.GetMonth()) * 100 + date.GetDay();
    };
    if (day(dateMax) < day(dateMin))
        return;
    m_dateMin = dateMin;
    m_dateMax = dateMax;
    _Redraw();
}

void DateBehavior::GetRange(CTime* pDateMin, CTime* pDateMax) const
{
    if (pDateMin)
        *pDateMin = CTime(m_dateMin.GetYear(), m_dateMin.GetMonth(), m_dateMin.GetDay(), 0, 0, 0);
    if (pDateMax)
        *pDateMax = CTime(m_dateMax.GetYear(), m_dateMax.GetMonth(), m_dateMax.GetDay(), 0, 0, 0);
}

void DateBehavior::GetRange(COleDateTime* pDateMin, COleDateTime* pDateMax) const
{
    if (pDateMin)
        *pDateMin = m_dateMin;
    if (pDateMax)
        *pDateMax = m_dateMax;
}

void DateBehavior::SetSeparator(char cSep)
{
    // A NUL would end the text there and a digit would be read as part of a field.
    if (cSep == m_cSep || cSep == '\0' || (cSep >= '0' && cSep <= '9'))
        return;
    // The year is read after the last separator, so the text's separators change first, in
    // place: the date keeps its value (and a date-time text its time).
    CString strText = m_pEdit->GetText();
    for (int nPos : { 2, 5 }) {
        if (nPos < strText.GetLength() && strText[nPos] == m_cSep)
            strText.SetAt(nPos, cSep);
    }
    m_cSep = cSep;
    RewriteText(strText);
}

char DateBehavior::GetSeparator() const
{
    return m_cSep;
}

void DateBehavior::ShowDayBeforeMonth(bool bDayBeforeMonth)
{
    if (bDayBeforeMonth == IsDayShownBeforeMonth())
        return;
    // Day and month change places in the text first, so the date keeps its value.
    CString strText = m_pEdit->GetText();
    if (strText.GetLength() >= 5)
        strText = strText.Mid(3, 2) + strText.Mid(2, 1) + strText.Left(2) + strText.Mid(5);
    m_uFlags ^= DayBeforeMonth;
    RewriteText(strText);
}

void DateBehavior::RewriteText(const CString& strText)
{
    if (::IsWindow(m_pEdit->GetSafeHwnd()))
        m_pEdit->SetText(strText);
}

bool DateBehavior::IsDayShownBeforeMonth() const
{
    return (m_uFlags & DayBeforeMonth) != 0;
}

bool DateBehavior::IsValid() const
{
    return IsWithinRange(GetOleDate(), true);
}

bool DateBehavior::CheckIfValid(bool bShowErrorIfNotValid)
{
    return CheckValidity(IsValid(), bShowErrorIfNotValid, [this] { ShowErrorMessage(); });
}

bool DateBehavior::IsWithinRange(const COleDateTime& date, bool) const
{
    return date.GetStatus() == COleDateTime::valid && DayKey(m_dateMin) <= DayKey(date) &&
           DayKey(date) <= DayKey(m_dateMax);
}

void DateBehavior::ShowErrorMessage() const
{
    const CString strMessage = "Please specify a date between " +
        GetFormattedDate(m_dateMin.GetYear(), m_dateMin.GetMonth(), m_dateMin.GetDay()) + " and " +
        GetFormattedDate(m_dateMax.GetYear(), m_dateMax.GetMonth(), m_dateMax.GetDay()) + ".";
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}

CString DateBehavior::GetString(int nValue, bool bTwoDigits)
{
    CString strValue;
    strValue.Format(bTwoDigits ? "%02d" : "%d", nValue);
    return strValue;
}

int DateBehavior::GetMaxDayOfMonth(int nMonth, int nYear)
{
    static const int s_days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (nMonth == 2)
        return IsLeapYear(nYear) ? 29 : 28;
    return nMonth >= 1 && nMonth <= 12 ? s_days[nMonth - 1] : 31;
}

bool DateBehavior::IsLeapYear(int nYear)
{
    return nYear % 4 == 0 && (nYear % 100 != 0 || nYear % 400 == 0);
}

// --- Valid values and limits ---

int DateBehavior::ValidYear(int nYear) const
{
    if (nYear < m_dateMin.GetYear())
        nYear = std::max(COleDateTime::GetCurrentTime().GetYear(), m_dateMin.GetYear());
    return std::min(nYear, m_dateMax.GetYear());
}

int DateBehavior::MinMonth(int nValidYear) const
{
    return nValidYear == m_dateMin.GetYear() ? m_dateMin.GetMonth() : 1;
}

int DateBehavior::MaxMonth(int nValidYear) const
{
    return nValidYear == m_dateMax.GetYear() ? m_dateMax.GetMonth() : 12;
}

int DateBehavior::MinDay(int nValidYear, int nValidMonth) const
{
    return nValidYear == m_dateMin.GetYear() && nValidMonth == m_dateMin.GetMonth() ? m_dateMin.GetDay() : 1;
}

int DateBehavior::MaxDay(int nValidYear, int nValidMonth) const
{
    if (nValidYear == m_dateMax.GetYear() && nValidMonth == m_dateMax.GetMonth())
        return m_dateMax.GetDay();
    return GetMaxDayOfMonth(nValidMonth, nValidYear);
}

int DateBehavior::GetValidYear() const
{
    return ValidYear(GetYear());
}

int DateBehavior::GetMinMonth() const
{
    return MinMonth(GetValidYear());
}

int DateBehavior::GetMaxMonth() const
{
    return MaxMonth(GetValidYear());
}

int DateBehavior::GetValidMonth() const
{
    return std::min(std::max(GetMonth(), GetMinMonth()), GetMaxMonth());
}

int DateBehavior::GetMinDay() const
{
    return MinDay(GetValidYear(), GetValidMonth());
}

int DateBehavior::GetMaxDay() const
{
    return MaxDay(GetValidYear(), GetValidMonth());
}

int DateBehavior::GetValidDay() const
{
    return std::min(std::max(GetDay(), GetMinDay()), GetMaxDay());
}

bool DateBehavior::IsValidYear(int nYear) const
{
    return m_dateMin.GetYear() <= nYear && nYear <= m_dateMax.GetYear();
}

bool DateBehavior::IsValidMonth(int nMonth) const
{
    return IsWithinRange(COleDateTime(GetValidYear(), nMonth, GetValidDay(), 0, 0, 0), true);
}

bool DateBehavior::IsValidDay(int nDay) const
{
    return IsWithinRange(COleDateTime(GetValidYear(), GetValidMonth(), nDay, 0, 0, 0), true);
}

// A bound limits the month only once the year is known (typed and valid, or the only year of the
// range), and the day only once the month is known too. Judged by a year still to be typed, a
// range that ends before this year (or starts after it) would shut out months and days that the
// year still to come allows.
bool DateBehavior::IsRangeLimiting(DateField field, const COleDateTime& bound) const
{
    const int nValidYear = GetValidYear();
    const bool bYearKnown = IsValidYear(GetYear()) || m_dateMin.GetYear() == m_dateMax.GetYear();
    if (!bYearKnown || nValidYear != bound.GetYear())
        return false;
    if (field == MonthField)
        return true;
    const bool bOneMonth = DayKey(m_dateMin) / 100 == DayKey(m_dateMax) / 100;
    const int nValidMonth = GetValidMonth();
    return nValidMonth == bound.GetMonth() && (GetMonth() == nValidMonth || bOneMonth);
}

char DateBehavior::DigitLimit(DateField field, int nPos, bool bMax) const
{
    const COleDateTime& bound = bMax ? m_dateMax : m_dateMin;
    const int nBound = field == MonthField ? bound.GetMonth() : bound.GetDay();
    const CString strText = m_pEdit->GetText();
    const int nStart = field == MonthField ? GetMonthStartPosition() : GetDayStartPosition();
    const char cFirst = strText.GetLength() > nStart ? strText[nStart] : '0';
    const int nValidMonth = GetValidMonth();

    UINT uHolds = 0;
    if (IsRangeLimiting(field, bound))
        uHolds |= AtBound;
    if (cFirst == DigitOf(nBound, 0))
        uHolds |= FirstIsBound;
    if (nValidMonth != 2)
        uHolds |= NotFebruary;
    else if (!IsValidYear(GetYear()))
        uHolds |= FebruaryYearOpen;

    for (const DigitRule& rule : s_digitRules) {
        if (rule.field != field || rule.nPos != nPos || rule.bMax != bMax)
            continue;
        if ((rule.uWhen & uHolds) != rule.uWhen || (rule.cFirst && rule.cFirst != cFirst))
            continue;
        if (rule.source == BoundDigit)
            return DigitOf(nBound, rule.nValue);
        if (rule.source == MonthLengthDigit)
            return DigitOf(GetMaxDayOfMonth(nValidMonth, GetValidYear()), rule.nValue);
        return static_cast<char>(rule.nValue);
    }
    return bMax ? '9' : '0';     // every field, position and side ends in a rule without conditions
}

char DateBehavior::GetMinMonthDigit(int nPos) const
{
    return DigitLimit(MonthField, nPos, false);
}

char DateBehavior::GetMaxMonthDigit(int nPos) const
{
    return DigitLimit(MonthField, nPos, true);
}

char DateBehavior::GetMinDayDigit(int nPos) const
{
    return DigitLimit(DayField, nPos, false);
}

char DateBehavior::GetMaxDayDigit(int nPos) const
{
    return DigitLimit(DayField, nPos, true);
}

char DateBehavior::GetMaxYearDigit(int nPos) const
{
    CString strMax;
    strMax.Format("%04d", m_dateMax.GetYear());
    const CString strTyped = m_pEdit->GetText().Mid(GetYearStartPosition(), nPos);
    if (nPos == 0 || atoi(strTyped) >= atoi(strMax.Left(nPos)))
        return strMax[nPos];
    return '9';
}

char DateBehavior::MinYearDigitAfter(const CString& strYear, int nPos) const
{
    CString strMin;
    strMin.Format("%04d", m_dateMin.GetYear());
    if (nPos > 0 && atoi(strMin.Left(nPos)) < atoi(strYear.Left(nPos)))
        return '0';
    return strMin[nPos];
}

char DateBehavior::GetMinYearDigit(int nPos, bool bValidYear) const
{
    CString strYear = m_pEdit->GetText().Mid(GetYearStartPosition(), YearLength);
    if (bValidYear && !IsValidYear(GetYear()))
        strYear.Format("%04d", GetValidYear());
    return MinYearDigitAfter(strYear, nPos);
}

bool DateBehavior::IsValidMonthDigit(char c, int nPos) const
{
    return GetMinMonthDigit(nPos) <= c && c <= GetMaxMonthDigit(nPos);
}

bool DateBehavior::IsValidDayDigit(char c, int nPos) const
{
    return GetMinDayDigit(nPos) <= c && c <= GetMaxDayDigit(nPos);
}

bool DateBehavior::IsValidYearDigit(char c, int nPos) const
{
    return GetMinYearDigit(nPos) <= c && c <= GetMaxYearDigit(nPos);
}

bool DateBehavior::AdjustMaxDay()
{
    const int nDay = GetDay();
    if (nDay == 0 || IsValidDay(nDay))
        return false;
    SetDay(GetMaxDay());
    return true;
}

bool DateBehavior::AdjustMaxMonthAndDay()
{
    const int nMonth = GetMonth();
    if (nMonth == 0 || IsValidMonth(nMonth))
        return AdjustMaxDay();
    SetMonth(GetMinMonth());
    return true;
}

// --- Validation ---

CString DateBehavior::_GetValidText() const
{
    if (m_pEdit->GetText().IsEmpty())
        return CString();
    if (DateBehavior::IsValid())
        return GetFormattedDate(GetYear(), GetMonth(), GetDay());

    int nYear = GetYear(), nMonth = GetMonth(), nDay = GetDay();
    if (nYear == 0 && nMonth == 0 && nDay == 0) {
        const COleDateTime today = COleDateTime::GetCurrentTime();
        nYear = today.GetYear();
        nMonth = today.GetMonth();
        nDay = today.GetDay();
    }
    // Each field clamped to what the fields before it leave: always a date within the range.
    nYear = ValidYear(nYear);
    nMonth = std::min(std::max(nMonth, MinMonth(nYear)), MaxMonth(nYear));
    nDay = std::min(std::max(nDay, MinDay(nYear, nMonth)), MaxDay(nYear, nMonth));
    return GetFormattedDate(nYear, nMonth, nDay);
}

// --- Keys ---

void DateBehavior::EnterFirstDigit(DateField field, int p, char c, UINT uChar, UINT nRepCnt, UINT nFlags)
{
    const int nLength = m_pEdit->GetText().GetLength();
    const bool bMonth = field == MonthField;
    if (bMonth ? IsValidMonthDigit(c, 0) : IsValidDayDigit(c, 0)) {
        if (!_ShouldEnter(c))
            return;
        if (p < nLength) {
            ReplaceText(p, p + 1, CString(c));
            // A first digit that spoils the field brings the lowest second digit it allows.
            if (p + 1 < nLength && !(bMonth ? IsValidMonth(GetMonth()) : IsValidDay(GetDay()))) {
                ReplaceText(p + 1, p + 2, CString(bMonth ? GetMinMonthDigit(1) : GetMinDayDigit(1)));
                m_pEdit->SetSel(p + 1, p + 2);
            }
        } else {
            Behavior::_OnChar(uChar, nRepCnt, nFlags);
        }
    } else if (p == nLength && (bMonth ? GetMinMonthDigit(0) : GetMinDayDigit(0)) == '0' &&
               (bMonth ? IsValidMonthDigit(c, 1) : IsValidDayDigit(c, 1))) {
        // A digit that can only be the second one gets its leading zero (5 gives 05).
        if (!_ShouldEnter(c))
            return;
        ReplaceText(p, p + 2, CString('0') + c);
    } else {
        return;
    }
    if (bMonth)
        AdjustMaxDay();
}

void DateBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    const char c = static_cast<char>(uChar);
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    const int p = nStart;

    if (!IsPrintableChar(uChar)) {
        OnFieldControlChar(uChar, nRepCnt, nFlags);
        return;
    }

    const int nMonthStart = GetMonthStartPosition();
    const int nDayStart = GetDayStartPosition();
    const int nYearStart = GetYearStartPosition();
    const DateField fieldSecond = nMonthStart == 0 ? DayField : MonthField;

    if (p == 0 || p == 3) {
        EnterFirstDigit(p == nMonthStart ? MonthField : DayField, p, c, uChar, nRepCnt, nFlags);
    } else if (p == 1 || p == 4) {
        const bool bMonth = p == nMonthStart + 1;
        if (bMonth ? IsValidMonthDigit(c, 1) : IsValidDayDigit(c, 1)) {
            if (!_ShouldEnter(c))
                return;
            const bool bOverwrite = p < nLength;
            if (bOverwrite)
                ReplaceText(p, p + 1, CString(c));
            else
                Behavior::_OnChar(uChar, nRepCnt, nFlags);
            if (bMonth && AdjustMaxDay() && bOverwrite)
                m_pEdit->SetSel(nDayStart, nDayStart + 2);
        } else if (c == m_cSep && p == nLength && (bMonth ? GetMinMonthDigit(0) : GetMinDayDigit(0)) == '0') {
            // A single digit ended by the separator gets its leading zero (5/ gives 05/).
            const int nValue = strText[p - 1] - '0';
            if ((bMonth ? IsValidMonth(nValue) : IsValidDay(nValue)) && _ShouldEnter(c))
                ReplaceText(p - 1, p, CString('0') + strText[p - 1] + m_cSep);
        }
    } else if (p == 2 || p == 5) {
        // The separator, or a digit of the next field that brings the separator with it.
        bool bAccepted = c == m_cSep;
        if (p == 2) {
            const bool bNextMonth = fieldSecond == MonthField;
            bAccepted = bAccepted || (bNextMonth ? IsValidMonthDigit(c, 0) : IsValidDayDigit(c, 0)) ||
                (p == nLength && (bNextMonth ? GetMinMonthDigit(0) : GetMinDayDigit(0)) == '0' &&
                 (bNextMonth ? IsValidMonthDigit(c, 1) : IsValidDayDigit(c, 1)));
        } else {
            bAccepted = bAccepted || IsValidYearDigit(c, 0);
        }
        if (!bAccepted || !_ShouldEnter(c))
            return;
        ReplaceText(p, p + 1, CString(m_cSep));
        if (c != m_cSep)
            _OnChar(uChar, nRepCnt, nFlags);    // the digit again, at the next field
    } else if (p >= nYearStart && p < nYearStart + YearLength) {
        const int nPos = p - nYearStart;
        if (!IsValidYearDigit(c, nPos) || !_ShouldEnter(c))
            return;
        if (p < nLength) {
            ReplaceText(p, p + 1, CString(c));
            // The first digit after the caret that the new digit makes impossible starts the
            // smallest year the new digits allow.
            CString strYear = m_pEdit->GetText().Mid(nYearStart, YearLength);
            for (int nNext = nPos + 1; nNext < YearLength && nYearStart + nNext < nLength; nNext++) {
                if (IsValidYearDigit(strText[nYearStart + nNext], nNext))
                    continue;
                strYear = strYear.Left(nNext);
                for (int nFill = nNext; nFill < YearLength; nFill++)
                    strYear += MinYearDigitAfter(strYear, nFill);
                ReplaceText(nYearStart + nNext, DateLength, strYear.Mid(nNext));
                m_pEdit->SetSel(nYearStart + nNext, DateLength);
                break;
            }
        } else {
            Behavior::_OnChar(uChar, nRepCnt, nFlags);
        }
        if (IsValidYear(GetYear())) {
            AdjustMaxDay();
            AdjustMaxMonthAndDay();
        }
    }
}

void DateBehavior::_OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int p = nStart;
    const auto inField = [p](int nFieldStart, int nFieldEnd) { return nFieldStart <= p && p <= nFieldEnd; };

    switch (uChar) {
    case VK_UP:
    case VK_DOWN: {
        const int nStep = uChar == VK_UP ? 1 : -1;
        const int nYearStart = GetYearStartPosition();
        if (inField(nYearStart, nYearStart + YearLength)) {
            const int nYear = GetYear();
            if (CanStep(nYear, nStep, m_dateMin.GetYear(), m_dateMax.GetYear()))
                SetYear(nYear + nStep);
        } else if (inField(GetMonthStartPosition(), GetMonthStartPosition() + 2)) {
            const int nMonth = GetMonth();
            if (CanStep(nMonth, nStep, GetMinMonth(), GetMaxMonth()))
                SetMonth(nMonth + nStep);
        } else if (inField(GetDayStartPosition(), GetDayStartPosition() + 2)) {
            const int nDay = GetDay();
            if (CanStep(nDay, nStep, GetMinDay(), GetMaxDay()))
                SetDay(nDay + nStep);
        }
        break;
    }
    case VK_DELETE:
        OnFieldDelete(uChar, nRepCnt, nFlags);
        break;
    default:
        Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);
        break;
    }
}

void DateBehavior::_OnKillFocus(CWnd* pNewWnd)
{
    Behavior::_OnKillFocus(pNewWnd);
    const bool bEmpty = m_pEdit->GetText().IsEmpty();
    // An empty text is adjusted to a single blank, which validation makes today's date; an
    // invalid one to its valid form.
    ApplyKillFocusFlags(m_pEdit, m_uFlags, bEmpty, [this] { return IsValid(); },
                        [this, bEmpty] { bEmpty ? m_pEdit->SetText(" ") : _Redraw(); }, [this] { ShowErrorMessage(); });
}
