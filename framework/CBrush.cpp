#include "CBrush.h"
#include "CBitmap.h"
#include "CResourceException.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush() = default;

CBrush::CBrush(COLORREF crColor)
{
    if (!CreateSolidBrush(crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    if (!CreateHatchBrush(nIndex, crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap)
{
    if (!CreatePatternBrush(pBitmap))
        AfxThrowResourceException();
}

CBrush::~CBrush() = default;

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(pBitmap->GetSafeHandle());
    return hBitmap ? Attach(::CreatePatternBrush(hBitmap)) : FALSE;
}
