#include "CTime.h"
#include "afxtime_.h"

CTime CTime::GetCurrentTime()
{
    return CTime(::_time64(NULL));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) : m_time(-1)
{
    if (!AfxIsValidDateTime(nYear, nMonth, nDay, nHour, nMin, nSec, 1900, 3000))
        return;
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    m_time = ::_mktime64(&atm);
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
    : CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute, sysTime.wSecond, nDST)
{
}

CTime::CTime(const FILETIME& fileTime, int nDST) : m_time(-1)
{
    FILETIME ftLocal;
    SYSTEMTIME st;
    if (::FileTimeToLocalFileTime(&fileTime, &ftLocal) && ::FileTimeToSystemTime(&ftLocal, &st))
        *this = CTime(st, nDST);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    const struct tm* p = ptm ? ::_localtime64(&m_time) : NULL;
    return p ? &(*ptm = *p) : NULL;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    const struct tm* p = ptm ? ::_gmtime64(&m_time) : NULL;
    return p ? &(*ptm = *p) : NULL;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& timeDest) const
{
    struct tm tmLocal;
    if (!GetLocalTm(&tmLocal))
        return false;
    timeDest.wYear = WORD(tmLocal.tm_year + 1900);
    timeDest.wMonth = WORD(tmLocal.tm_mon + 1);
    timeDest.wDayOfWeek = WORD(tmLocal.tm_wday);
    timeDest.wDay = WORD(tmLocal.tm_mday);
    timeDest.wHour = WORD(tmLocal.tm_hour);
    timeDest.wMinute = WORD(tmLocal.tm_min);
    timeDest.wSecond = WORD(tmLocal.tm_sec);
    timeDest.wMilliseconds = 0;
    return true;
}

// One field of the local time plus nOffset, or 0 for a time outside the covered range.
static int LocalPart(const CTime& time, int tm::*pField, int nOffset)
{
    struct tm tmLocal;
    return time.GetLocalTm(&tmLocal) ? tmLocal.*pField + nOffset : 0;
}

int CTime::GetYear() const { return LocalPart(*this, &tm::tm_year, 1900); }
int CTime::GetMonth() const { return LocalPart(*this, &tm::tm_mon, 1); }
int CTime::GetDay() const { return LocalPart(*this, &tm::tm_mday, 0); }
int CTime::GetHour() const { return LocalPart(*this, &tm::tm_hour, 0); }
int CTime::GetMinute() const { return LocalPart(*this, &tm::tm_min, 0); }
int CTime::GetSecond() const { return LocalPart(*this, &tm::tm_sec, 0); }
int CTime::GetDayOfWeek() const { return LocalPart(*this, &tm::tm_wday, 1); }

CString CTime::Format(LPCTSTR pszFormat) const
{
    struct tm tmLocal;
    return GetLocalTm(&tmLocal) ? AfxFormatTm(pszFormat, &tmLocal) : CString();
}

CString CTime::FormatGmt(LPCTSTR pszFormat) const
{
    struct tm tmGmt;
    return GetGmtTm(&tmGmt) ? AfxFormatTm(pszFormat, &tmGmt) : CString();
}
