// CPalette: a GDI logical palette.
#pragma once
#include "CGdiObject.h"

class MARLOW17_API CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    CPalette();
    virtual ~CPalette();

    static CPalette* PASCAL FromHandle(HPALETTE hPalette) { return static_cast<CPalette*>(CGdiObject::FromHandle(hPalette)); }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return lpLogPalette ? Attach(::CreatePalette(lpLogPalette)) : FALSE; }
    BOOL CreateHalftonePalette(HDC hDC) { return Attach(::CreateHalftonePalette(hDC)); }
    int GetEntryCount() { WORD nEntries = 0; ::GetObjectA(m_hObject, sizeof(WORD), &nEntries); return nEntries; }
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const { return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors); }
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) { return ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors); }
    UINT GetNearestPaletteIndex(COLORREF crColor) const { return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor); }
    BOOL ResizePalette(UINT nNumEntries) { return ::ResizePalette(static_cast<HPALETTE>(m_hObject), nNumEntries); }
};
