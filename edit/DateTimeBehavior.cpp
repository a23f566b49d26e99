#include "DateTimeBehavior.h"

DateTimeBehavior::DateTimeBehavior(CVetEdit* pEdit) : Behavior(pEdit), DateBehavior(pEdit), TimeBehavior(pEdit)
{
    m_nHourStart = TimeStart;
}

void DateTimeBehavior::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    if (m_uFlags & DateOnly)
        SetDate(nYear, nMonth, nDay);
    else if (m_uFlags & TimeOnly)
        SetTime(nHour, nMinute, nSecond);
    else
        m_pEdit->SetText(GetFormattedDate(nYear, nMonth, nDay) + " " + GetFormattedTime(nHour, nMinute, nSecond, CString()));
}

void DateTimeBehavior::SetDateTime(const CTime& dateTime)
{
    struct tm tmLocal;
    if (dateTime.GetLocalTm(&tmLocal))
        SetDateTime(dateTime.GetYear(), dateTime.GetMonth(), dateTime.GetDay(), dateTime.GetHour(),
                    dateTime.GetMinute(), dateTime.GetSecond());
}

void DateTimeBehavior::SetDateTime(const COleDateTime& dateTime)
{
    if (dateTime.GetStatus() == COleDateTime::valid)
        SetDateTime(dateTime.GetYear(), dateTime.GetMonth(), dateTime.GetDay(), dateTime.GetHour(),
                    dateTime.GetMinute(), dateTime.GetSecond());
}

void DateTimeBehavior::SetToNow()
{
    SetDateTime(COleDateTime::GetCurrentTime());
}

CTime DateTimeBehavior::GetDateTime() const
{
    if (m_uFlags & DateOnly)
        return GetDate();
    if (m_uFlags & TimeOnly)
        return GetTime();
    return CTime(GetYear(), GetMonth(), GetDay(), ConvertTo24Hour(GetHour(), GetAMPM()), GetMinute(), GetValidSecond());
}

COleDateTime DateTimeBehavior::GetOleDateTime() const
{
    if (m_uFlags & DateOnly)
        return GetOleDate();
    if (m_uFlags & TimeOnly)
        return GetOleTime();
    return COleDateTime(GetYear(), GetMonth(), GetDay(), ConvertTo24Hour(GetHour(), GetAMPM()), GetMinute(),
                        GetValidSecond());
}

void DateTimeBehavior::SetRange(const CTime& dateMin, const CTime& dateMax)
{
    DateBehavior::SetRange(dateMin, dateMax);
    TimeBehavior::SetRange(dateMin, dateMax);
}

void DateTimeBehavior::SetRange(const COleDateTime& dateMin, const COleDateTime& dateMax)
{
    DateBehavior::SetRange(dateMin, dateMax);
    TimeBehavior::SetRange(dateMin, dateMax);
}

void DateTimeBehavior::GetRange(CTime* pDateMin, CTime* pDateMax) const
{
    DateBehavior::GetRange(pDateMin, pDateMax);
    TimeBehavior::GetRange(pDateMin, pDateMax);
}

void DateTimeBehavior::GetRange(COleDateTime* pDateMin, COleDateTime* pDateMax) const
{
    DateBehavior::GetRange(pDateMin, pDateMax);
    TimeBehavior::GetRange(pDateMin, pDateMax);
}

void DateTimeBehavior::SetSeparator(char cSep, bool bDate)
{
    if (bDate)
        DateBehavior::SetSeparator(cSep);
    else
        TimeBehavior::SetSeparator(cSep);
}

char DateTimeBehavior::GetSeparator(bool bDate) const
{
    return bDate ? DateBehavior::GetSeparator() : TimeBehavior::GetSeparator();
}

bool DateTimeBehavior::ModifyFlags(UINT nAdd, UINT nRemove)
{
    const UINT uFlags = (m_uFlags & ~nRemove) | nAdd;
    const UINT uForms = DateOnly | TimeOnly;
    const CString strText = m_pEdit->GetText();
    if (((uFlags ^ m_uFlags) & uForms) == 0 || strText.IsEmpty()) {
        m_nHourStart = (uFlags & TimeOnly) ? 0 : TimeStart;
        return Behavior::ModifyFlags(nAdd, nRemove);
    }

    // A change of form keeps the value: the halves of the old text are cut apart and joined in
    // the new form (a half the old form lacked comes from validation: today, or now).
    const bool bOldDate = !(m_uFlags & TimeOnly) || (m_uFlags & DateOnly);
    const bool bOldTime = !(m_uFlags & DateOnly);
    const CString strDate = bOldDate ? strText.Left(TimeStart - 1) : CString();
    const CString strTime = bOldTime ? (bOldDate ? strText.Mid(TimeStart) : strText) : CString();
    m_uFlags = uFlags;
    m_nHourStart = (uFlags & TimeOnly) ? 0 : TimeStart;
    CString strNew;
    if (uFlags & DateOnly) {
        strNew = strDate;
    } else if (uFlags & TimeOnly) {
        strNew = strTime;
    } else if (!strDate.IsEmpty()) {
        strNew = strDate + " " + strTime;
    } else {
        const COleDateTime today = COleDateTime::GetCurrentTime();
        strNew = GetFormattedDate(today.GetYear(), today.GetMonth(), today.GetDay()) + " " + strTime;
    }
    m_pEdit->SetText(strNew.IsEmpty() ? CString(" ") : strNew);
    return true;
}

bool DateTimeBehavior::IsValid() const
{
    if (m_uFlags & DateOnly)
        return DateBehavior::IsValid();
    if (m_uFlags & TimeOnly)
        return TimeBehavior::IsValid();
    return DateBehavior::IsValid() && TimeBehavior::IsValid();
}

// The date half asks with bDateOnly for its months and days. The time half asks without it; in
// the combined form its time is judged together with the typed date, alone it is judged against
// the bounds' times of day (the text then holds no date to join it with).
bool DateTimeBehavior::IsWithinRange(const COleDateTime& value, bool bDateOnly) const
{
    if (bDateOnly || (m_uFlags & DateOnly))
        return DateBehavior::IsWithinRange(value, true);
    if (m_uFlags & TimeOnly)
        return TimeBehavior::IsWithinRange(value, false);
    const COleDateTime dateTime(GetYear(), GetMonth(), GetDay(), value.GetHour(), value.GetMinute(), value.GetSecond());
    const COleDateTime lower(m_dateMin.GetYear(), m_dateMin.GetMonth(), m_dateMin.GetDay(), m_timeMin.GetHour(),
                             m_timeMin.GetMinute(), m_timeMin.GetSecond());
    const COleDateTime upper(m_dateMax.GetYear(), m_dateMax.GetMonth(), m_dateMax.GetDay(), m_timeMax.GetHour(),
                             m_timeMax.GetMinute(), m_timeMax.GetSecond());
    return dateTime.GetStatus() == COleDateTime::valid && lower <= dateTime && dateTime <= upper;
}

void DateTimeBehavior::ShowErrorMessage() const
{
    if (m_uFlags & DateOnly) {
        DateBehavior::ShowErrorMessage();
    } else if (m_uFlags & TimeOnly) {
        TimeBehavior::ShowErrorMessage();
    } else {
        const CString strMin =
            GetFormattedDate(m_dateMin.GetYear(), m_dateMin.GetMonth(), m_dateMin.GetDay()) + " " +
            GetFormattedTime(m_timeMin.GetHour(), m_timeMin.GetMinute(), m_timeMin.GetSecond(), CString());
        const CString strMax =
            GetFormattedDate(m_dateMax.GetYear(), m_dateMax.GetMonth(), m_dateMax.GetDay()) + " " +
            GetFormattedTime(m_timeMax.GetHour(), m_timeMax.GetMinute(), m_timeMax.GetSecond(), CString());
        AfxMessageBox("Please specify a date and time between " + strMin + " and " + strMax + ".", MB_ICONEXCLAMATION);
    }
}

CString DateTimeBehavior::_GetValidText() const
{
    if (m_uFlags & DateOnly)
        return DateBehavior::_GetValidText();
    if (m_uFlags & TimeOnly)
        return TimeBehavior::_GetValidText();
    // A text with only a date gets the current time, one with only a time today's date.
    const CString strDate = DateBehavior::_GetValidText();
    const CString strTime = TimeBehavior::_GetValidText();
    return strDate + (!strDate.IsEmpty() && !strTime.IsEmpty() ? " " : "") + strTime;
}

void DateTimeBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    if (m_uFlags & DateOnly) {
        DateBehavior::_OnChar(uChar, nRepCnt, nFlags);
        return;
    }
    if (m_uFlags & TimeOnly) {
        TimeBehavior::_OnChar(uChar, nRepCnt, nFlags);
        return;
    }

    const char c = static_cast<char>(uChar);
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int nLength = m_pEdit->GetText().GetLength();
    const int p = nStart;
    const int nBlank = TimeStart - 1;

    if (p < nBlank) {
        // A designator letter typed in the date still switches AM and PM.
        DateBehavior::_OnChar(uChar, nRepCnt, nFlags);
        ChangeAMPM(c);
    } else if (p == nBlank) {
        DateBehavior::_OnChar(uChar, nRepCnt, nFlags);
        if (!IsPrintableChar(uChar))
            return;
        // The blank, or an hour digit that brings the blank with it.
        const bool bAccepted = c == ' ' || IsValidHourDigit(c, 0) || (nLength < TimeStart + 1 && IsValidHourDigit(c, 1));
        if (bAccepted && _ShouldEnter(c)) {
            m_pEdit->SetSel(nBlank, TimeStart);
            m_pEdit->ReplaceSel(" ", TRUE);
            if (c != ' ')
                _OnChar(uChar, nRepCnt, nFlags);    // the digit again, at the hour
        } else {
            ChangeAMPM(c);
        }
    } else {
        TimeBehavior::_OnChar(uChar, nRepCnt, nFlags);
    }
}

void DateTimeBehavior::_OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (!(m_uFlags & TimeOnly)) {
        DateBehavior::_OnKeyDown(uChar, nRepCnt, nFlags);
        if ((uChar != VK_UP && uChar != VK_DOWN) || (m_uFlags & DateOnly))
            return;
    }
    // Each half steps only the field under the caret, so Up and Down may go to both.
    TimeBehavior::_OnKeyDown(uChar, nRepCnt, nFlags);
}

void DateTimeBehavior::_OnKillFocus(CWnd* pNewWnd)
{
    DateBehavior::_OnKillFocus(pNewWnd);
}
