#include "CPropTreeList.h"
#include "CPropTree.h"
#include <algorithm>

namespace {

const LONG kScrollLine = 18;     // one row
const int kMarginWidth = 14;     // the face-coloured strip left of the rows

}  // namespace

IMPLEMENT_DYNAMIC(CPropTreeList, CWnd)

BEGIN_MESSAGE_MAP(CPropTreeList, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CPropTreeList::CPropTreeList()
    : m_pProp(NULL), m_BackBufferWidth(0), m_BackBufferHeight(0), m_nDividerPos(0), m_bColDrag(FALSE)
{
}

CPropTreeList::~CPropTreeList()
{
    m_BackBuffer.DeleteObject();
}

BOOL CPropTreeList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR pszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    return pszClass && CWnd::Create(pszClass, _T(""), dwStyle, rect, pParentWnd, nID);
}

CFont* CPropTreeList::GetFont()
{
    return m_pProp ? m_pProp->GetNormalFont() : NULL;
}

void CPropTreeList::SaveCurItem()
{
    if (!m_pProp || m_pProp->IsDisableInput() || !m_pProp->IsWindowEnabled())
        return;
    CPropTreeItem* pItem = m_pProp->GetFocusedItem();
    if (pItem && pItem->IsActivated())
        pItem->CommitChanges();
}

void CPropTreeList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecreateBackBuffer(cx, cy);
    if (!m_pProp)
        return;
    UpdateResize();
    Invalidate();
    UpdateWindow();
    m_pProp->UpdateMoveAllItems();
}

void CPropTreeList::RecreateBackBuffer(int cx, int cy)
{
    if (m_BackBufferWidth >= cx && m_BackBufferHeight >= cy)
        return;
    m_BackBufferWidth = cx;
    m_BackBufferHeight = cy;
    CWindowDC screen(NULL);
    m_BackBuffer.DeleteObject();
    m_BackBuffer.CreateBitmap(cx, cy, screen.GetDeviceCaps(PLANES), screen.GetDeviceCaps(BITSPIXEL), NULL);
}

void CPropTreeList::UpdateResize()
{
    if (!m_pProp)
        return;
    CRect rc;
    GetClientRect(rc);
    const LONG nPage = rc.Height() + 1;
    const LONG nTotal = m_pProp->GetRootItem()->GetTotalHeight();
    if (nTotal < nPage)
        m_pProp->SetOriginOffset(0);

    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = nTotal;
    si.nPage = nPage;
    SetScrollInfo(SB_VERT, &si, TRUE);

    m_pProp->SetColumn(m_pProp->GetColumn());
}

void CPropTreeList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!m_pProp)
        return;
    SetFocus();
    CRect rc;
    GetClientRect(rc);
    const LONG nPage = rc.Height() + 1;
    SCROLLINFO si = {};
    GetScrollInfo(SB_VERT, &si, SIF_RANGE);

    LONG y = m_pProp->GetOrigin().y;
    switch (nSBCode) {
    case SB_LINEUP: y -= kScrollLine; break;
    case SB_LINEDOWN: y += kScrollLine; break;
    case SB_PAGEUP: y -= nPage; break;
    case SB_PAGEDOWN: y += nPage; break;
    case SB_THUMBTRACK: y = (LONG)nPos; break;
    default: break;    // SB_THUMBPOSITION, SB_TOP, SB_BOTTOM and the rest keep the view
    }
    y = std::max<LONG>(y, si.nMin);
    if (y > si.nMax - nPage)
        y = std::max<LONG>(si.nMax - nPage, si.nMin);

    m_pProp->SetOriginOffset(y);
    si.fMask = SIF_POS;
    si.nPos = y;
    SetScrollInfo(SB_VERT, &si, TRUE);
    Invalidate();
}

void CPropTreeList::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pProp)
        return;
    m_pProp->ClearVisibleList();

    CRect rc;
    GetClientRect(rc);
    if (!m_BackBuffer.GetSafeHandle())
        RecreateBackBuffer(rc.Width(), rc.Height());

    CDC memdc;
    memdc.CreateCompatibleDC(&dc);
    CBitmap* pOldBitmap = memdc.SelectObject(&m_BackBuffer);
    CBrush* pFace = CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE));

    memdc.FillRect(rc, pFace);
    CRect rcInner = rc;
    rcInner.DeflateRect(2, 2);
    CBrush* pOldBrush = memdc.SelectObject(pFace);
    memdc.PatBlt(rcInner.left, rcInner.top, rcInner.Width(), rcInner.Height(),
                 m_pProp->IsWindowEnabled() ? WHITENESS : PATCOPY);
    memdc.SelectObject(pOldBrush);

    CRect rcMargin(0, 0, kMarginWidth, rc.bottom);
    memdc.FillRect(rcMargin, pFace);
    memdc.DrawEdge(rc, BDR_SUNKENOUTER, BF_RECT);

    memdc.SaveDC();
    memdc.IntersectClipRect(rcInner);
    LONG y = 0;
    for (CPropTreeItem* pItem = m_pProp->GetRootItem()->GetChild(); pItem; pItem = pItem->GetSibling())
        y += pItem->DrawItem(&memdc, rcInner, 0, y);
    memdc.RestoreDC(-1);

    CRect rcClip;
    dc.GetClipBox(rcClip);
    dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &memdc, rcClip.left, rcClip.top, SRCCOPY);
    memdc.SelectObject(pOldBitmap);
}
