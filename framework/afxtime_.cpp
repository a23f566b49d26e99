#include "afxtime_.h"
#include <string.h>

int AfxDaysInMonth(int nYear, int nMonth)
{
    static const int s_days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (nMonth < 1 || nMonth > 12)
        return 0;
    bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return s_days[nMonth - 1] + (nMonth == 2 && bLeap ? 1 : 0);
}

bool AfxIsValidDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec,
                        int nMinYear, int nMaxYear)
{
    return nYear >= nMinYear && nYear <= nMaxYear && nDay >= 1 && nDay <= AfxDaysInMonth(nYear, nMonth) &&
           nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
}

// The conversions strftime knows, each optionally with the '#' flag.
static bool IsKnownFormat(LPCTSTR pszFormat)
{
    for (LPCTSTR p = strchr(pszFormat, '%'); p; p = strchr(p + 1, '%')) {
        if (*++p == '#')
            ++p;
        if (!*p || !strchr("aAbBcdHIjmMpSUwWxXyYzZ%", *p))
            return false;
    }
    return true;
}

CString AfxFormatTm(LPCTSTR pszFormat, const struct tm* ptm)
{
    CString strResult;
    if (!pszFormat || !ptm || !*pszFormat || !IsKnownFormat(pszFormat))
        return strResult;
    // strftime gives 0 both for a buffer too small and for an empty result: grow a few times.
    for (int nRoom = 256; nRoom <= 65536; nRoom *= 4) {
        size_t nLength = strftime(strResult.GetBuffer(nRoom), nRoom + 1, pszFormat, ptm);
        strResult.ReleaseBuffer(nLength ? (int)nLength : 0);
        if (nLength)
            break;
    }
    return strResult;
}
