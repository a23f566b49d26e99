// CPen: a GDI pen.
#pragma once
#include "CGdiObject.h"

class MARLOW17_API CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen();
    // Creates the pen at once; a resource exception when it cannot be made.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    virtual ~CPen();

    static CPen* PASCAL FromHandle(HPEN hPen) { return static_cast<CPen*>(CGdiObject::FromHandle(hPen)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) { return Attach(::CreatePen(nPenStyle, nWidth, crColor)); }
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }
    int GetLogPen(LOGPEN* pLogPen) { return ::GetObjectA(m_hObject, sizeof(LOGPEN), pLogPen); }
};
