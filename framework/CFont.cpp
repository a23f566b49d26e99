#include "CFont.h"
#include "CDC.h"
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (!lpLogFont)
        return FALSE;
    // Tenths of a point to logical units: through device units of the DC's resolution.
    HDC hDC = pDC ? pDC->GetSafeHdc() : nullptr;
    HDC hScreenDC = hDC ? nullptr : ::GetDC(nullptr);
    HDC hMeasureDC = hDC ? hDC : hScreenDC;
    LOGFONTA logFont = *lpLogFont;
    POINT pt = { 0, ::MulDiv(::GetDeviceCaps(hMeasureDC, LOGPIXELSY), logFont.lfHeight, 720) };
    POINT ptOrigin = { 0, 0 };
    ::DPtoLP(hMeasureDC, &pt, 1);
    ::DPtoLP(hMeasureDC, &ptOrigin, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrigin.y);
    if (hScreenDC)
        ::ReleaseDC(nullptr, hScreenDC);
    return CreateFontIndirect(&logFont);
}
