#include "TimeBehavior.h"
#include "KillFocusFlags.h"
#include "SelectionSaver.h"
#include <algorithm>
#include <ctype.h>
#include <stdlib.h>

namespace {

char Upper(char c)
{
    return static_cast<char>(::toupper(static_cast<unsigned char>(c)));
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A time of day on the zero day (1899-12-30).
COleDateTime TimeOfDay(int nHour, int nMinute, int nSecond)
{
    COleDateTime time;
    time.SetTime(nHour, nMinute, nSecond);
    return time;
}

}  // namespace

// One rule of the digit limits: the first rule of a field, position and side that applies gives
// the limit. Minutes and seconds share the MinuteField rules.
struct TimeBehavior::DigitRule
{
    TimeField field;
    int nPos;
    bool bMax;
    bool b12HourOnly;   // applies in 12-hour form only
    char cFirst;        // the hour's first digit must be this (0: any)
    char cDigit;
};

const TimeBehavior::DigitRule TimeBehavior::s_digitRules[] = {
    { HourField, 0, true, true, 0, '1' },
    { HourField, 0, true, false, 0, '2' },
    { HourField, 0, false, false, 0, '0' },
    { HourField, 1, true, false, '2', '3' },
    { HourField, 1, true, true, '1', '2' },
    { HourField, 1, true, false, 0, '9' },
    { HourField, 1, false, true, '0', '1' },
    { HourField, 1, false, false, 0, '0' },
    { MinuteField, 0, true, false, 0, '5' },
    { MinuteField, 0, false, false, 0, '0' },
    { MinuteField, 1, true, false, 0, '9' },
    { MinuteField, 1, false, false, 0, '0' },
};

TimeBehavior::TimeBehavior(CVetEdit* pEdit)
    : Behavior(pEdit),
      m_timeMin(TimeOfDay(0, 0, 0)),
      m_timeMax(TimeOfDay(23, 59, 59)),
      m_cSep(':'),
      m_strAM("AM"),
      m_strPM("PM"),
      m_nAMPMLength(2),
      m_nHourStart(0)
{
    const CString strSep = ReadLocaleInfo(LOCALE_STIME);
    if (!strSep.IsEmpty())
        m_cSep = strSep[0];

    // Designators of at most two characters, of one length; anything else (none, or the longer
    // words of many locales) falls back to AM and PM.
    const CString strAM = ReadLocaleInfo(LOCALE_S1159);
    const CString strPM = ReadLocaleInfo(LOCALE_S2359);
    if (!strAM.IsEmpty() && strAM.GetLength() <= 2 && strAM.GetLength() == strPM.GetLength()) {
        m_strAM = strAM;
        m_strPM = strPM;
    }
    m_nAMPMLength = m_strAM.GetLength();

    if (atoi(ReadLocaleInfo(LOCALE_ITIME)) != 0)
        m_uFlags |= Hour24;
}

// --- Reading the text ---

int TimeBehavior::GetTwoDigits(int nStart) const
{
    const CString strText = m_pEdit->GetText();
    if (strText.GetLength() < nStart + 2 || !IsDigit(strText[nStart]) || !IsDigit(strText[nStart + 1]))
        return -1;
    return atoi(strText.Mid(nStart, 2));
}

int TimeBehavior::GetHour() const
{
    return GetTwoDigits(GetHourStartPosition());
}

int TimeBehavior::GetMinute() const
{
    return GetTwoDigits(GetMinuteStartPosition());
}

int TimeBehavior::GetSecond() const
{
    return GetTwoDigits(GetSecondStartPosition());
}

CString TimeBehavior::GetAMPM() const
{
    const CString strText = m_pEdit->GetText();
    const int nPos = GetAMPMPosition(strText);
    return nPos ? strText.Mid(nPos) : CString();
}

int TimeBehavior::GetHourStartPosition() const
{
    return m_nHourStart;
}

int TimeBehavior::GetMinuteStartPosition() const
{
    return m_nHourStart + 3;
}

int TimeBehavior::GetSecondStartPosition() const
{
    return m_nHourStart + 6;
}

int TimeBehavior::GetAMPMStartPosition() const
{
    return m_nHourStart + (IsShowingSeconds() ? 9 : 6);
}

int TimeBehavior::GetAMPMPosition(const CString& strText) const
{
    int nPos = strText.Find(" " + m_strAM);
    if (nPos < 0)
        nPos = strText.Find(" " + m_strPM);
    return nPos + 1;
}

// --- Writing the text ---

void TimeBehavior::ReplaceText(int nStart, int nEnd, const CString& strText)
{
    m_pEdit->SetSel(nStart, nEnd);
    m_pEdit->ReplaceSel(strText, TRUE);
}

void TimeBehavior::SetHour(int nHour)
{
    if (nHour < 0 || nHour > 23)
        return;     // would write a field no time has (or a wider one that shifts the others)
    SelectionSaver saver(m_pEdit);
    CString strAMPM;
    // In 12-hour form a 0-23 hour that no 12-hour time shows (0, 13 to 23) brings its designator.
    const bool bConverted = !IsShowing24HourFormat() && (nHour > 12 || nHour == 0);
    if (bConverted)
        nHour = ConvertToAMPMHour(nHour, &strAMPM);
    if (GetHour() >= 0)
        m_pEdit->SetSel(GetHourStartPosition(), GetHourStartPosition() + 3);
    CString strHour;
    strHour.Format("%02d%c", nHour, m_cSep);
    m_pEdit->ReplaceSel(strHour, TRUE);
    if (bConverted && IsValidAMPM(GetAMPM()))
        SetAMPM(strAMPM == m_strAM);
}

void TimeBehavior::SetMinute(int nMinute)
{
    if (nMinute < 0 || nMinute > 59)
        return;
    SelectionSaver saver(m_pEdit);
    const bool bSeconds = IsShowingSeconds();
    if (GetMinute() >= 0)
        m_pEdit->SetSel(GetMinuteStartPosition(), GetMinuteStartPosition() + (bSeconds ? 3 : 2));
    CString strMinute;
    strMinute.Format("%02d", nMinute);
    if (bSeconds)
        strMinute += m_cSep;
    m_pEdit->ReplaceSel(strMinute, TRUE);
    if (!bSeconds)
        ShowAMPM();
}

void TimeBehavior::SetSecond(int nSecond)
{
    if (!IsShowingSeconds() || nSecond < 0 || nSecond > 59)
        return;
    SelectionSaver saver(m_pEdit);
    if (GetSecond() >= 0)
        m_pEdit->SetSel(GetSecondStartPosition(), GetSecondStartPosition() + 2);
    CString strSecond;
    strSecond.Format("%02d", nSecond);
    m_pEdit->ReplaceSel(strSecond, TRUE);
    ShowAMPM();
}

void TimeBehavior::SetAMPM(bool bAM)
{
    if (IsShowing24HourFormat())
        return;
    SelectionSaver saver(m_pEdit);
    const int nStart = GetAMPMStartPosition() - 1;
    ReplaceText(nStart, nStart + m_nAMPMLength + 1, " " + (bAM ? m_strAM : m_strPM));
}

void TimeBehavior::ShowAMPM()
{
    if (!IsShowing24HourFormat() && !IsValidAMPM(GetAMPM()))
        SetAMPM(true);
}

CString TimeBehavior::GetFormattedTime(int nHour, int nMinute, int nSecond, const CString& strAMPM) const
{
    CString strDesignator = strAMPM;
    if (IsShowing24HourFormat()) {
        if (IsValidAMPM(strDesignator))
            nHour = ConvertTo24Hour(nHour, strDesignator);
    } else if (!IsValidAMPM(strDesignator) || !IsValidHour(nHour, false)) {
        // No designator, or an hour that no 12-hour time has (00, 13 to 23): a 0-23 hour.
        nHour = ConvertToAMPMHour(nHour, &strDesignator);
    }

    CString strTime;
    if (IsShowingSeconds())
        strTime.Format("%02d%c%02d%c%02d", nHour, m_cSep, nMinute, m_cSep, nSecond);
    else
        strTime.Format("%02d%c%02d", nHour, m_cSep, nMinute);
    if (!IsShowing24HourFormat())
        strTime += " " + strDesignator;
    return strTime;
}

// --- Values ---

CTime TimeBehavior::GetTime() const
{
    return CTime(1970, 1, 1, ConvertTo24Hour(GetHour(), GetAMPM()), GetMinute(), GetValidSecond());
}

COleDateTime TimeBehavior::GetOleTime() const
{
    return TimeOfDay(ConvertTo24Hour(GetHour(), GetAMPM()), GetMinute(), GetValidSecond());
}

void TimeBehavior::SetTime(int nHour, int nMinute, int nSecond)
{
    m_pEdit->SetText(GetFormattedTime(nHour, nMinute, nSecond, CString()));
}

void TimeBehavior::SetTime(const CTime& time)
{
    if (IsValidCTime(time))
        SetTime(time.GetHour(), time.GetMinute(), time.GetSecond());
}

void TimeBehavior::SetTime(const COleDateTime& time)
{
    if (time.GetStatus() == COleDateTime::valid)
        SetTime(time.GetHour(), time.GetMinute(), time.GetSecond());
}

void TimeBehavior::SetTimeToNow()
{
    SetTime(COleDateTime::GetCurrentTime());
}

void TimeBehavior::SetRange(const CTime& timeMin, const CTime& timeMax)
{
    if (!IsValidCTime(timeMin) || !IsValidCTime(timeMax))
        return;
    m_timeMin = TimeOfDay(timeMin.GetHour(), timeMin.GetMinute(), timeMin.GetSecond());
    m_timeMax = TimeOfDay(timeMax.GetHour(), timeMax.GetMinute(), timeMax.GetSecond());
    _Redraw();
}

void TimeBehavior::SetRange(const COleDateTime& timeMin, const COleDateTime& timeMax)
{
    if (timeMin.GetStatus() != COleDateTime::valid || timeMax.GetStatus() != COleDateTime::valid)
        return;
    m_timeMin = TimeOfDay(timeMin.GetHour(), timeMin.GetMinute(), timeMin.GetSecond());
    m_timeMax = TimeOfDay(timeMax.GetHour(), timeMax.GetMinute(), timeMax.GetSecond());
    _Redraw();
}

void TimeBehavior::GetRange(CTime* pTimeMin, CTime* pTimeMax) const
{
    const COleDateTime* bounds[2] = { &m_timeMin, &m_timeMax };
    CTime* results[2] = { pTimeMin, pTimeMax };
    for (int i = 0; i < 2; i++) {
        if (results[i])
            *results[i] = CTime(results[i]->GetYear(), results[i]->GetMonth(), results[i]->GetDay(),
                                bounds[i]->GetHour(), bounds[i]->GetMinute(), bounds[i]->GetSecond());
    }
}

void TimeBehavior::GetRange(COleDateTime* pTimeMin, COleDateTime* pTimeMax) const
{
    const COleDateTime* bounds[2] = { &m_timeMin, &m_timeMax };
    COleDateTime* results[2] = { pTimeMin, pTimeMax };
    for (int i = 0; i < 2; i++) {
        if (results[i])
            results[i]->SetDateTime(results[i]->GetYear(), results[i]->GetMonth(), results[i]->GetDay(),
                                    bounds[i]->GetHour(), bounds[i]->GetMinute(), bounds[i]->GetSecond());
    }
}

void TimeBehavior::SetSeparator(char cSep)
{
    // A NUL would end the text there and a digit would be read as part of a field.
    if (cSep == m_cSep || cSep == '\0' || (cSep >= '0' && cSep <= '9'))
        return;
    m_cSep = cSep;
    _Redraw();
}

char TimeBehavior::GetSeparator() const
{
    return m_cSep;
}

void TimeBehavior::Show24HourFormat(bool bShow24HourFormat)
{
    ModifyFlags(bShow24HourFormat ? Hour24 : 0, bShow24HourFormat ? 0 : Hour24);
}

bool TimeBehavior::IsShowing24HourFormat() const
{
    return (m_uFlags & Hour24) != 0;
}

void TimeBehavior::ShowSeconds(bool bShowSeconds)
{
    ModifyFlags(bShowSeconds ? WithSeconds : 0, bShowSeconds ? 0 : WithSeconds);
}

bool TimeBehavior::IsShowingSeconds() const
{
    return (m_uFlags & WithSeconds) != 0;
}

void TimeBehavior::SetAMPMSymbols(const CString& strAM, const CString& strPM)
{
    // A designator in the text becomes the new one of its half of the day, so the time keeps its
    // value when it is validated again.
    const CString strOld = GetAMPM();
    const bool bHadDesignator = IsValidAMPM(strOld);
    const bool bPM = strOld == m_strPM;
    m_strAM = strAM.IsEmpty() ? CString("AM") : strAM;
    m_strPM = strPM.IsEmpty() ? CString("PM") : strPM;
    // Replacing a designator takes the longer one whole, so designators of different lengths
    // never leave pieces of each other.
    m_nAMPMLength = std::max(m_strAM.GetLength(), m_strPM.GetLength());
    if (bHadDesignator && ::IsWindow(m_pEdit->GetSafeHwnd())) {
        const CString strText = m_pEdit->GetText();
        m_pEdit->SetText(strText.Left(strText.GetLength() - strOld.GetLength()) + (bPM ? m_strPM : m_strAM));
    } else {
        _Redraw();
    }
}

void TimeBehavior::GetAMPMSymbols(CString* pStrAM, CString* pStrPM) const
{
    if (pStrAM)
        *pStrAM = m_strAM;
    if (pStrPM)
        *pStrPM = m_strPM;
}

bool TimeBehavior::IsValid() const
{
    return IsValid(true);
}

bool TimeBehavior::IsValid(bool bCheckRange) const
{
    const int nHour = GetHour();
    const int nMinute = GetMinute();
    int nSecond = GetSecond();
    if (nHour < 0 || nMinute < 0 || (nSecond >= 0) != IsShowingSeconds())
        return false;
    const CString strAMPM = GetAMPM();
    if (IsShowing24HourFormat() ? !strAMPM.IsEmpty() : !IsValidAMPM(strAMPM) || !IsValidHour(nHour, false))
        return false;
    if (!IsShowingSeconds())
        nSecond = m_timeMin.GetSecond();
    const int nHour24 = ConvertTo24Hour(nHour, strAMPM);
    if (nHour24 > 23 || nMinute > 59 || nSecond > 59)
        return false;
    return !bCheckRange || IsWithinRange(TimeOfDay(nHour24, nMinute, nSecond), false);
}

bool TimeBehavior::CheckIfValid(bool bShowErrorIfNotValid)
{
    return CheckValidity(IsValid(), bShowErrorIfNotValid, [this] { ShowErrorMessage(); });
}

bool TimeBehavior::IsWithinRange(const COleDateTime& time, bool) const
{
    return time.GetStatus() == COleDateTime::valid && m_timeMin <= time && time <= m_timeMax;
}

void TimeBehavior::ShowErrorMessage() const
{
    const CString strMessage = "Please specify a time between " +
        GetFormattedTime(m_timeMin.GetHour(), m_timeMin.GetMinute(), m_timeMin.GetSecond(), CString()) + " and " +
        GetFormattedTime(m_timeMax.GetHour(), m_timeMax.GetMinute(), m_timeMax.GetSecond(), CString());
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}

// --- Limits ---

int TimeBehavior::GetMinHour(bool bAMPMAsInt) const
{
    return bAMPMAsInt || IsShowing24HourFormat() ? 0 : 1;
}

int TimeBehavior::GetMaxHour(bool bAMPMAsInt) const
{
    return bAMPMAsInt || IsShowing24HourFormat() ? 23 : 12;
}

int TimeBehavior::GetMinMinute() const
{
    return 0;
}

int TimeBehavior::GetMaxMinute() const
{
    return 59;
}

int TimeBehavior::GetMinSecond() const
{
    return 0;
}

int TimeBehavior::GetMaxSecond() const
{
    return 59;
}

int TimeBehavior::GetValidHour(bool bAMPMAsInt) const
{
    return std::min(std::max(GetHour(), GetMinHour(bAMPMAsInt)), GetMaxHour(bAMPMAsInt));
}

int TimeBehavior::GetValidMinute() const
{
    return std::min(std::max(GetMinute(), GetMinMinute()), GetMaxMinute());
}

int TimeBehavior::GetValidSecond() const
{
    return std::min(std::max(GetSecond(), GetMinSecond()), GetMaxSecond());
}

char TimeBehavior::DigitLimit(TimeField field, int nPos, bool bMax) const
{
    const CString strText = m_pEdit->GetText();
    const int nStart = GetHourStartPosition();
    const char cFirst = strText.GetLength() > nStart ? strText[nStart] : '0';
    const bool b12Hour = !IsShowing24HourFormat();
    for (const DigitRule& rule : s_digitRules) {
        if (rule.field == field && rule.nPos == nPos && rule.bMax == bMax && (b12Hour || !rule.b12HourOnly) &&
            (!rule.cFirst || rule.cFirst == cFirst))
            return rule.cDigit;
    }
    return bMax ? '9' : '0';
}

char TimeBehavior::GetMinHourDigit(int nPos) const
{
    return DigitLimit(HourField, nPos, false);
}

char TimeBehavior::GetMaxHourDigit(int nPos) const
{
    return DigitLimit(HourField, nPos, true);
}

char TimeBehavior::GetMinMinuteDigit(int nPos) const
{
    return DigitLimit(MinuteField, nPos, false);
}

char TimeBehavior::GetMaxMinuteDigit(int nPos) const
{
    return DigitLimit(MinuteField, nPos, true);
}

char TimeBehavior::GetMinSecondDigit(int nPos) const
{
    return DigitLimit(MinuteField, nPos, false);
}

char TimeBehavior::GetMaxSecondDigit(int nPos) const
{
    return DigitLimit(MinuteField, nPos, true);
}

bool TimeBehavior::IsValidHourDigit(char c, int nPos) const
{
    return GetMinHourDigit(nPos) <= c && c <= GetMaxHourDigit(nPos);
}

bool TimeBehavior::IsValidMinuteDigit(char c, int nPos) const
{
    return GetMinMinuteDigit(nPos) <= c && c <= GetMaxMinuteDigit(nPos);
}

bool TimeBehavior::IsValidSecondDigit(char c, int nPos) const
{
    return GetMinSecondDigit(nPos) <= c && c <= GetMaxSecondDigit(nPos);
}

bool TimeBehavior::IsValidHour(int nHour, bool bAMPMAsInt) const
{
    return GetMinHour(bAMPMAsInt) <= nHour && nHour <= GetMaxHour(bAMPMAsInt);
}

bool TimeBehavior::IsValidMinute(int nMinute) const
{
    return GetMinMinute() <= nMinute && nMinute <= GetMaxMinute();
}

bool TimeBehavior::IsValidSecond(int nSecond) const
{
    return GetMinSecond() <= nSecond && nSecond <= GetMaxSecond();
}

bool TimeBehavior::IsValidAMPM(const CString& strAMPM) const
{
    return strAMPM == m_strAM || strAMPM == m_strPM;
}

CString TimeBehavior::GetValidAMPM() const
{
    const CString strAMPM = GetAMPM();
    return IsValidAMPM(strAMPM) ? strAMPM : m_strAM;
}

int TimeBehavior::ConvertTo24Hour(int nHour, const CString& strAMPM) const
{
    if (strAMPM == m_strPM && nHour >= 1 && nHour <= 11)
        return nHour + 12;
    if (strAMPM == m_strAM && nHour == 12)
        return 0;
    return nHour;
}

int TimeBehavior::ConvertToAMPMHour(int nHour, CString* pStrAMPM) const
{
    const bool bPM = nHour > 11;
    if (pStrAMPM)
        *pStrAMPM = bPM ? m_strPM : m_strAM;
    if (bPM)
        nHour -= 12;
    return nHour == 0 ? 12 : nHour;
}

void TimeBehavior::AdjustWithinRange()
{
    if (IsValid())
        return;
    if (m_pEdit->GetText().IsEmpty())
        m_pEdit->SetText(" ");      // validation makes it the current time
    else
        _Redraw();
    const COleDateTime time = GetOleTime();
    if (time < m_timeMin)
        SetTime(m_timeMin);
    else if (time > m_timeMax)
        SetTime(m_timeMax);
}

// --- Validation ---

CString TimeBehavior::_GetValidText() const
{
    if (m_pEdit->GetText().IsEmpty())
        return CString();
    if (IsValid(false))
        return GetFormattedTime(GetHour(), GetMinute(), GetSecond(), GetAMPM());
    if (GetHour() < 0 && GetMinute() < 0 && GetSecond() < 0) {
        const COleDateTime now = COleDateTime::GetCurrentTime();
        return GetFormattedTime(now.GetHour(), now.GetMinute(), now.GetSecond(), CString());
    }
    return GetFormattedTime(GetValidHour(true), GetValidMinute(), GetValidSecond(), GetAMPM());
}

// --- Keys ---

void TimeBehavior::EnterChar(int p, char c, bool bInsertBeforeBlank, UINT uChar, UINT nRepCnt, UINT nFlags)
{
    const CString strText = m_pEdit->GetText();
    if (p >= strText.GetLength())
        Behavior::_OnChar(uChar, nRepCnt, nFlags);
    else if (bInsertBeforeBlank && strText[p] == ' ')
        ReplaceText(p, p, CString(c));
    else
        ReplaceText(p, p + 1, CString(c));
}

bool TimeBehavior::EnterFirstDigit(TimeField field, int p, char c, UINT uChar, UINT nRepCnt, UINT nFlags)
{
    const bool bHour = field == HourField;
    if (!(bHour ? IsValidHourDigit(c, 0) : IsValidMinuteDigit(c, 0)))
        return false;
    if (!_ShouldEnter(c))
        return true;
    const int nLength = m_pEdit->GetText().GetLength();
    EnterChar(p, c, false, uChar, nRepCnt, nFlags);
    // A first digit that spoils the field brings the lowest second digit it allows.
    if (p + 1 < nLength && !(bHour ? IsValidHour(GetHour(), false) : IsValidMinute(GetMinute()))) {
        ReplaceText(p + 1, p + 2, CString(bHour ? GetMinHourDigit(1) : GetMinMinuteDigit(1)));
        m_pEdit->SetSel(p + 1, p + 2);
    }
    return true;
}

void TimeBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    const char c = static_cast<char>(uChar);
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    const int p = nStart;
    const int h = GetHourStartPosition();
    const bool bSeconds = IsShowingSeconds();
    const bool b12Hour = !IsShowing24HourFormat();

    if (!IsPrintableChar(uChar)) {
        OnFieldControlChar(uChar, nRepCnt, nFlags);
        return;
    }

    if (p == h) {
        if (EnterFirstDigit(HourField, p, c, uChar, nRepCnt, nFlags))
            return;
        if (p == nLength && IsValidHourDigit(c, 1)) {
            // A digit that can only be the second one gets its leading zero (9 gives 09).
            if (_ShouldEnter(c))
                ReplaceText(p, p, CString('0') + c);
            return;
        }
    } else if (p == h + 1) {
        if (IsValidHourDigit(c, 1)) {
            if (_ShouldEnter(c))
                EnterChar(p, c, false, uChar, nRepCnt, nFlags);
            return;
        }
        if (c == m_cSep && p == nLength && IsDigit(strText[h]) && IsValidHour(strText[h] - '0', false)) {
            if (_ShouldEnter(c))
                ReplaceText(h, p, CString('0') + strText[h] + m_cSep);
            return;
        }
    } else if (p == h + 2) {
        if (c == m_cSep || IsValidMinuteDigit(c, 0)) {
            if (!_ShouldEnter(c))
                return;
            ReplaceText(p, p + 1, CString(m_cSep));
            if (IsDigit(c)) {
                _OnChar(uChar, nRepCnt, nFlags);    // the digit again, at the minutes
                return;
            }
        }
    } else if (p == h + 3) {
        if (EnterFirstDigit(MinuteField, p, c, uChar, nRepCnt, nFlags))
            return;
    } else if (p == h + 4) {
        if (IsValidMinuteDigit(c, 1)) {
            if (!_ShouldEnter(c))
                return;
            EnterChar(p, c, false, uChar, nRepCnt, nFlags);
            if (!bSeconds)
                ShowAMPM();
            return;
        }
    } else if (p == h + 5) {
        if (bSeconds && (c == m_cSep || IsValidSecondDigit(c, 0))) {
            if (!_ShouldEnter(c))
                return;
            if (p == nLength || strText[p] == ' ')
                ReplaceText(p, p, CString(m_cSep));
            else
                ReplaceText(p, p + 1, CString(m_cSep));
            if (IsDigit(c)) {
                _OnChar(uChar, nRepCnt, nFlags);    // the digit again, at the seconds
                return;
            }
        } else if (!bSeconds && b12Hour && c == ' ') {
            if (!_ShouldEnter(c))
                return;
            ReplaceText(p, p + 1, " ");
            ShowAMPM();
        }
    } else if (bSeconds && (p == h + 6 || p == h + 7)) {
        if (IsValidSecondDigit(c, p - h - 6)) {
            if (!_ShouldEnter(c))
                return;
            EnterChar(p, c, true, uChar, nRepCnt, nFlags);
            if (p == h + 7)
                ShowAMPM();
            return;
        }
    } else if (bSeconds && b12Hour && p == h + 8 && c == ' ') {
        if (!_ShouldEnter(c))
            return;
        ReplaceText(p, p + 1, " ");
        ShowAMPM();
    }
    ChangeAMPM(c);
}

bool TimeBehavior::ChangeAMPM(char c)
{
    if (IsShowing24HourFormat())
        return false;
    const CString strText = m_pEdit->GetText();
    const int q = GetAMPMPosition(strText);
    if (q == 0)
        return false;
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int nLength = strText.GetLength();
    const char C = Upper(c);

    if (C == 'A' || C == 'P') {
        if (!_ShouldEnter(c))
            return true;
        SetAMPM(C == 'A');
        // Typed at the designator (or the blank before it), the letter counts as typed over.
        if (C == Upper(m_strAM[0]) || C == Upper(m_strPM[0])) {
            const int nMove = nStart == q ? 1 : nStart + 1 == q ? 2 : 0;
            const int nCaret = std::min(nEnd + nMove, m_pEdit->GetText().GetLength());
            if (nMove)
                m_pEdit->SetSel(nCaret, nCaret);
        }
        return true;
    }

    if (nStart > q) {
        // Inside the designator: a letter of it completes the designator from there.
        if ((nStart == nLength && !IsValidAMPM(GetAMPM())) || (nEnd == nLength && nEnd != nStart)) {
            const CString& strDesignator = Upper(strText[q]) == Upper(m_strAM[0]) ? m_strAM : m_strPM;
            const int nIndex = nStart - q;
            if (nIndex < strDesignator.GetLength() && C == Upper(strDesignator[nIndex])) {
                if (!_ShouldEnter(c))
                    return true;
                m_pEdit->ReplaceSel(strDesignator.Mid(nIndex), TRUE);
                m_pEdit->SetSel(nStart, nStart);
                return ChangeAMPM(c);
            }
        }
        if (nStart < nLength && nStart == nEnd && C == Upper(strText[nStart])) {
            m_pEdit->SetSel(nStart + 1, nStart + 1);
            return true;
        }
    }
    return false;
}

void TimeBehavior::StepHour(int nStep)
{
    int nHour = GetHour();
    const bool bDesignator = !IsShowing24HourFormat() && IsValidAMPM(GetAMPM());
    const bool bAM = GetAMPM() == m_strAM;
    if (nStep > 0) {
        if (nHour < GetMinHour(false))
            return;
        // 11 AM goes on to 12 PM; 11 PM is the last hour of the day. 12 is the first hour.
        if (bDesignator && nHour == 11) {
            if (!bAM)
                return;
            SetAMPM(false);
        }
        if (bDesignator && nHour == 12)
            nHour = 0;
        if (nHour < GetMaxHour(false))
            SetHour(nHour + 1);
    } else {
        if (nHour > GetMaxHour(false) || nHour < GetMinHour(false))
            return;
        // 12 PM goes back to 11 AM; 12 AM is the first hour of the day. 01 goes back to 12.
        if (bDesignator && nHour == 12) {
            if (bAM)
                return;
            SetAMPM(true);
        }
        if (bDesignator && nHour == 1)
            nHour = 13;
        if (nHour > GetMinHour(false))
            SetHour(nHour - 1);
    }
}

void TimeBehavior::_OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int p = nStart;
    const int h = GetHourStartPosition();
    const auto inField = [p](int nFieldStart, int nFieldEnd) { return nFieldStart <= p && p <= nFieldEnd; };

    switch (uChar) {
    case VK_UP:
    case VK_DOWN: {
        const int nStep = uChar == VK_UP ? 1 : -1;
        if (inField(h, h + 2)) {
            StepHour(nStep);
        } else if (inField(h + 3, h + 5)) {
            const int nMinute = GetMinute();
            if (CanStep(nMinute, nStep, GetMinMinute(), GetMaxMinute()))
                SetMinute(nMinute + nStep);
        } else if (inField(GetAMPMStartPosition(), GetAMPMStartPosition() + m_nAMPMLength)) {
            SetAMPM(GetAMPM() != m_strAM);
        } else if (inField(h + 6, h + 8)) {
            const int nSecond = GetSecond();
            if (CanStep(nSecond, nStep, GetMinSecond(), GetMaxSecond()))
                SetSecond(nSecond + nStep);
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

void TimeBehavior::_OnKillFocus(CWnd* pNewWnd)
{
    Behavior::_OnKillFocus(pNewWnd);
    ApplyKillFocusFlags(m_pEdit, m_uFlags, m_pEdit->GetText().IsEmpty(), [this] { return IsValid(); },
                        [this] { AdjustWithinRange(); }, [this] { ShowErrorMessage(); });
}
