#include "CRgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn::CRgn() = default;
CRgn::~CRgn() = default;

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    HRGN hRgn1 = static_cast<HRGN>(pRgn1->GetSafeHandle());
    if (!m_hObject || !hRgn1 || (nCombineMode != RGN_COPY && !pRgn2->GetSafeHandle()))
        return ERROR;
    return ::CombineRgn(static_cast<HRGN>(m_hObject), hRgn1, static_cast<HRGN>(pRgn2->GetSafeHandle()), nCombineMode);
}
