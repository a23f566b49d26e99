#include "COleDateTime.h"
#include "CTime.h"
#include "afxtime_.h"
#include <math.h>
#include <string>

static const char s_szInvalidDateTime[] = "Invalid DateTime";

COleDateTime COleDateTime::GetCurrentTime()
{
    return COleDateTime(::_time64(NULL));
}

COleDateTime::COleDateTime() : m_dt(0), m_status(valid) {}
COleDateTime::COleDateTime(DATE dtSrc) { *this = dtSrc; }
COleDateTime::COleDateTime(__time32_t timeSrc) { *this = timeSrc; }
COleDateTime::COleDateTime(__time64_t timeSrc) { *this = timeSrc; }
COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) { *this = systimeSrc; }
COleDateTime::COleDateTime(const FILETIME& filetimeSrc) { *this = filetimeSrc; }

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = valid;
    CheckRange();
    return *this;
}

COleDateTime& COleDateTime::operator=(const __time32_t& timeSrc)
{
    return *this = __time64_t(timeSrc);
}

COleDateTime& COleDateTime::operator=(const __time64_t& timeSrc)
{
    SYSTEMTIME st;
    bool bOk = CTime(timeSrc).GetAsSystemTime(st);
    m_status = bOk && ConvertSystemTimeToVariantTime(st) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    m_status = ConvertSystemTimeToVariantTime(systimeSrc) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    FILETIME ftLocal;
    SYSTEMTIME st;
    bool bOk = ::FileTimeToLocalFileTime(&filetimeSrc, &ftLocal) && ::FileTimeToSystemTime(&ftLocal, &st);
    m_status = bOk && ConvertSystemTimeToVariantTime(st) ? valid : invalid;
    return *this;
}

BOOL COleDateTime::ConvertSystemTimeToVariantTime(const SYSTEMTIME& systimeSrc)
{
    m_dt = 0;
    if (!AfxIsValidDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                            systimeSrc.wMinute, systimeSrc.wSecond, 100, 9999))
        return FALSE;
    SYSTEMTIME st = systimeSrc;
    st.wMilliseconds = 0;
    if (::SystemTimeToVariantTime(&st, &m_dt))
        return TRUE;
    m_dt = 0;
    return FALSE;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SYSTEMTIME st = {};
    // Components that do not fit the record's words are rejected before they could wrap around.
    if (AfxIsValidDateTime(nYear, nMonth, nDay, nHour, nMin, nSec, 100, 9999)) {
        st.wYear = WORD(nYear);
        st.wMonth = WORD(nMonth);
        st.wDay = WORD(nDay);
        st.wHour = WORD(nHour);
        st.wMinute = WORD(nMin);
        st.wSecond = WORD(nSec);
    }
    m_status = ConvertSystemTimeToVariantTime(st) ? valid : invalid;
    return m_status;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

double COleDateTime::DoubleFromDate(DATE date)
{
    if (date >= 0)
        return date;
    double whole = ceil(date);
    return whole - (date - whole);
}

DATE COleDateTime::DateFromDouble(double f)
{
    if (f >= 0)
        return f;
    double whole = floor(f);
    return whole + (whole - f);
}

void COleDateTime::CheckRange()
{
    // The last valid second is 9999-12-31 23:59:59; half a second later rounds into year 10000.
    double f = DoubleFromDate(m_dt);
    if (!(f >= MIN_DATE && f < MAX_DATE + 1 - AFX_OLE_DATETIME_HALFSECOND))
        m_status = invalid;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    return m_status == valid && ::VariantTimeToSystemTime(m_dt, &sysTime);
}

// One field of the value's components plus nOffset, or AFX_OLE_DATETIME_ERROR when not valid.
static int SystemTimePart(const COleDateTime& date, WORD SYSTEMTIME::*pField, int nOffset)
{
    SYSTEMTIME st;
    return date.GetAsSystemTime(st) ? st.*pField + nOffset : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetYear() const { return SystemTimePart(*this, &SYSTEMTIME::wYear, 0); }
int COleDateTime::GetMonth() const { return SystemTimePart(*this, &SYSTEMTIME::wMonth, 0); }
int COleDateTime::GetDay() const { return SystemTimePart(*this, &SYSTEMTIME::wDay, 0); }
int COleDateTime::GetHour() const { return SystemTimePart(*this, &SYSTEMTIME::wHour, 0); }
int COleDateTime::GetMinute() const { return SystemTimePart(*this, &SYSTEMTIME::wMinute, 0); }
int COleDateTime::GetSecond() const { return SystemTimePart(*this, &SYSTEMTIME::wSecond, 0); }
int COleDateTime::GetDayOfWeek() const { return SystemTimePart(*this, &SYSTEMTIME::wDayOfWeek, 1); }

int COleDateTime::GetDayOfYear() const
{
    UDATE ud;
    return m_status == valid && ::VarUdateFromDate(m_dt, 0, &ud) == S_OK ? ud.wDayOfYear : AFX_OLE_DATETIME_ERROR;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (!lpszDate)
        lpszDate = "";
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, NULL, 0);
    std::wstring wide(nChars > 0 ? nChars : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, &wide[0], (int)wide.size());
    HRESULT hr = ::VarDateFromStr(&wide[0], lcid, dwFlags, &m_dt);
    if (FAILED(hr)) {
        m_dt = hr == DISP_E_TYPEMISMATCH ? 0 : -1;
        m_status = invalid;
        return false;
    }
    m_status = valid;
    CheckRange();
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    BSTR bstr = NULL;
    if (m_status != valid || FAILED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)))
        return CString(s_szInvalidDateTime);
    CString strResult(bstr);
    ::SysFreeString(bstr);
    return strResult;
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    UDATE ud;
    if (m_status != valid || ::VarUdateFromDate(m_dt, 0, &ud) != S_OK)
        return CString(s_szInvalidDateTime);
    struct tm tmDate = {};
    tmDate.tm_sec = ud.st.wSecond;
    tmDate.tm_min = ud.st.wMinute;
    tmDate.tm_hour = ud.st.wHour;
    tmDate.tm_mday = ud.st.wDay;
    tmDate.tm_mon = ud.st.wMonth - 1;
    tmDate.tm_year = ud.st.wYear - 1900;
    tmDate.tm_wday = ud.st.wDayOfWeek;
    tmDate.tm_yday = ud.wDayOfYear - 1;
    return AfxFormatTm(lpszFormat, &tmDate);
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status != date.m_status)
        return false;
    if (m_status != valid)
        return m_status == null;
    return fabs(DoubleFromDate(m_dt) - DoubleFromDate(date.m_dt)) < AFX_OLE_DATETIME_HALFSECOND;
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return m_status == valid && date.m_status == valid && DoubleFromDate(m_dt) < DoubleFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(COleDateTimeSpan dateSpan) const
{
    COleDateTime result;
    if (m_status == null || dateSpan.GetStatus() == COleDateTimeSpan::null)
        result.m_status = null;
    else if (m_status != valid || dateSpan.GetStatus() != COleDateTimeSpan::valid)
        result.m_status = invalid;
    else
        result = DateFromDouble(DoubleFromDate(m_dt) + dateSpan.m_span);
    return result;
}

COleDateTime COleDateTime::operator-(COleDateTimeSpan dateSpan) const
{
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan result;
    if (m_status == null || date.m_status == null)
        result.SetStatus(COleDateTimeSpan::null);
    else if (m_status != valid || date.m_status != valid)
        result.SetStatus(COleDateTimeSpan::invalid);
    else
        result = DoubleFromDate(m_dt) - DoubleFromDate(date.m_dt);
    return result;
}
