// Calendar helpers shared inside the library by CTime and COleDateTime (not exported).
#pragma once
#include "CString.h"
#include <time.h>

// Days in a month of the Gregorian calendar; 0 for a month outside 1..12.
int AfxDaysInMonth(int nYear, int nMonth);
// Whether the six components make a real date and time (year from nMinYear to nMaxYear).
bool AfxIsValidDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec,
                        int nMinYear, int nMaxYear);
// strftime into a text that grows as needed. Empty for a null format or one with an unknown
// conversion, which the C runtime may treat as a fatal error.
CString AfxFormatTm(LPCTSTR pszFormat, const struct tm* ptm);
