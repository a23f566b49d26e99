#include "CPropTreeList.h"
#include "CPropTree.h"
#include <algorithm>

namespace {

const LONG kScrollLine = 18;     // one row
const int kMarginWidth = 14;     // the face-coloured strip left of the rows
const int kFrameWidth = 2;       // the sunken edge round the rows

// Scroll codes that move the view: by lines of kScrollLine and by pages of the client height + 1.
struct ScrollStep
{
    UINT nCode;
    int nLines;
    int nPages;
};
const ScrollStep kScrollSteps[] = {
    { SB_LINEUP, -1, 0 },
    { SB_LINEDOWN, 1, 0 },
    { SB_PAGEUP, 0, -1 },
    { SB_PAGEDOWN, 0, 1 },
};

// The cursor over each zone that has its own.
struct ZoneCursor
{
    LONG nHit;
    LPCTSTR pszCursor;
};
const ZoneCursor kZoneCursors[] = {
    { PTREEHT_COLUMN, IDC_SIZEWE },
    { PTREEHT_EXPAND, IDC_HAND },
    { PTREEHT_CHECKBOX, IDC_HAND },
};

// Keys that only move the focus along the visible list.
struct FocusKey
{
    UINT nChar;
    CPropTreeItem* (CPropTree::*pfnMove)();
};
const FocusKey kFocusKeys[] = {
    { VK_END, &CPropTree::FocusLast },
    { VK_HOME, &CPropTree::FocusFirst },
    { VK_UP, &CPropTree::FocusPrev },
    { VK_DOWN, &CPropTree::FocusNext },
};

}  // namespace

IMPLEMENT_DYNAMIC(CPropTreeList, CWnd)

BEGIN_MESSAGE_MAP(CPropTreeList, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_VSCROLL, OnScrollBarMessage)
    ON_WM_NCPAINT()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CPropTreeList::CPropTreeList()
    : m_pProp(NULL), m_BackBufferWidth(0), m_BackBufferHeight(0), m_nDividerPos(0), m_bColDrag(FALSE),
      m_bScrollBarDue(FALSE)
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

BOOL CPropTreeList::IsInputEnabled() const
{
    return m_pProp && !m_pProp->IsDisableInput() && m_pProp->IsWindowEnabled();
}

// ---- sizing and scrolling ----

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
    if (!m_pProp || !GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(rc);
    const LONG nPage = rc.Height() + 1;
    const LONG nTotal = m_pProp->GetRootItem()->GetTotalHeight();
    if (nTotal < nPage)
        m_pProp->SetOriginOffset(0);

    // Drawing the bar at once costs far more than adding a row (filling a tree would spend nearly
    // all its time there): a bar that already shows this range is left alone, and a changed one is
    // drawn with the list's next paint. The bar keeps its page no larger than its range.
    SCROLLINFO si = {};
    GetScrollInfo(SB_VERT, &si, SIF_RANGE | SIF_PAGE);
    if (si.nMin != 0 || si.nMax != nTotal || si.nPage != (UINT)std::min(nPage, nTotal + 1)) {
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMin = 0;
        si.nMax = nTotal;
        si.nPage = nPage;
        SetScrollInfo(SB_VERT, &si, FALSE);
        if (!m_bScrollBarDue) {
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
            m_bScrollBarDue = TRUE;
        }
    }

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

    // Codes without a step (SB_THUMBPOSITION, SB_TOP, SB_BOTTOM, ...) keep the view.
    LONG y = nSBCode == SB_THUMBTRACK ? (LONG)nPos : m_pProp->GetOrigin().y;
    for (const ScrollStep& step : kScrollSteps)
        if (step.nCode == nSBCode)
            y += step.nLines * kScrollLine + step.nPages * nPage;
    y = std::max<LONG>(y, si.nMin);
    if (y > si.nMax - nPage)
        y = std::max<LONG>(si.nMax - nPage, si.nMin);

    m_pProp->SetOriginOffset(y);
    si.fMask = SIF_POS;
    si.nPos = y;
    SetScrollInfo(SB_VERT, &si, TRUE);
    Invalidate();
}

void CPropTreeList::OnNcPaint()
{
    m_bScrollBarDue = FALSE;
    CWnd::OnNcPaint();
}

// While the thumb is dragged the bar knows its whole position; the message has only its low 16
// bits, which would send a list taller than 65535 pixels to the wrong place.
LRESULT CPropTreeList::OnScrollBarMessage(WPARAM wParam, LPARAM lParam)
{
    UINT nPos = HIWORD(wParam);
    if (LOWORD(wParam) == SB_THUMBTRACK) {
        SCROLLINFO si = {};
        if (GetScrollInfo(SB_VERT, &si, SIF_TRACKPOS) && LOWORD(si.nTrackPos) == nPos)
            nPos = (UINT)si.nTrackPos;
    }
    OnVScroll(LOWORD(wParam), nPos, reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
    return 0;
}

BOOL CPropTreeList::OnMouseWheel(UINT, short zDelta, CPoint)
{
    int nMin = 0, nMax = 0;
    GetScrollRange(SB_VERT, &nMin, &nMax);
    CRect rc;
    GetClientRect(rc);
    if (nMax - nMin >= rc.Height()) {
        SetFocus();
        OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, NULL);
    }
    return TRUE;
}

// ---- painting ----

void CPropTreeList::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pProp)
        return;
    m_pProp->ClearVisibleList();

    CRect rc;
    GetClientRect(rc);
    RecreateBackBuffer(rc.Width(), rc.Height());

    CDC memdc;
    memdc.CreateCompatibleDC(&dc);
    CBitmap* pOldBitmap = memdc.SelectObject(&m_BackBuffer);
    CBrush* pFace = CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE));

    memdc.FillRect(rc, pFace);
    CRect rcRows = rc;
    rcRows.DeflateRect(kFrameWidth, kFrameWidth);
    CBrush* pOldBrush = memdc.SelectObject(pFace);
    memdc.PatBlt(rcRows.left, rcRows.top, rcRows.Width(), rcRows.Height(),
                 m_pProp->IsWindowEnabled() ? WHITENESS : PATCOPY);
    memdc.SelectObject(pOldBrush);
    CRect rcMargin(0, 0, kMarginWidth, rc.bottom);
    memdc.FillRect(rcMargin, pFace);
    memdc.DrawEdge(rc, BDR_SUNKENOUTER, BF_RECT);

    // The rows get the list's width but only the painted band of its height: every row joins the
    // visible list and takes its place, and only those in the band draw.
    const RECT& rcPaint = dc.m_ps.rcPaint;
    CRect rcDraw(rcRows.left, std::max(rcRows.top, rcPaint.top), rcRows.right, std::min(rcRows.bottom, rcPaint.bottom));
    const int nSaved = memdc.SaveDC();
    memdc.IntersectClipRect(rcRows);
    LONG y = 0;
    for (CPropTreeItem* pItem = m_pProp->GetRootItem()->GetChild(); pItem; pItem = pItem->GetSibling())
        y += pItem->DrawItem(&memdc, rcDraw, 0, y);
    memdc.RestoreDC(nSaved);

    CRect rcClip;
    dc.GetClipBox(rcClip);
    dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &memdc, rcClip.left, rcClip.top, SRCCOPY);
    memdc.SelectObject(pOldBitmap);
}

// ---- mouse ----

BOOL CPropTreeList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_pProp && nHitTest == HTCLIENT) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        const LONG nHit = m_pProp->HitTest(pt);
        for (const ZoneCursor& zone : kZoneCursors) {
            if (zone.nHit == nHit) {
                ::SetCursor(::LoadCursor(NULL, zone.pszCursor));
                return TRUE;
            }
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CPropTreeList::InvertDividerBar(int x)
{
    CClientDC dc(this);
    CRect rc;
    GetClientRect(rc);
    dc.PatBlt(x - 1, 0, 2, rc.Height(), PATINVERT);
}

void CPropTreeList::ToggleExpanded(CPropTreeItem* pItem)
{
    pItem->Expand(!pItem->IsExpanded());
    UpdateResize();
    Invalidate();
    UpdateWindow();
    CheckVisibleFocus();
}

void CPropTreeList::ToggleChecked(CPropTreeItem* pItem)
{
    pItem->Check(!pItem->IsChecked());
    m_pProp->SendNotify(PTREEN_CHECKCLICK, pItem);
    Invalidate();
}

void CPropTreeList::FocusClickedItem(CPropTreeItem* pItem, CPropTreeItem* pPrevFocus)
{
    m_pProp->SelectItems(NULL, FALSE);
    m_pProp->SetFocusedItem(pItem);
    pItem->Select(TRUE);
    if (pItem != pPrevFocus)
        m_pProp->SendNotify(PTREEN_SELCHANGE, pItem);
}

void CPropTreeList::OnLButtonDown(UINT, CPoint point)
{
    if (!m_pProp || m_pProp->IsDisableInput())
        return;
    m_pProp->SendNotify(NM_CLICK, NULL);
    if (!m_pProp->IsWindowEnabled())
        return;
    SetFocus();

    const LONG nHit = m_pProp->HitTest(point);
    CPropTreeItem* pPrevFocus = m_pProp->GetFocusedItem();
    if (pPrevFocus && pPrevFocus->IsActivated())
        pPrevFocus->CommitChanges();

    CPropTreeItem* pItem = m_pProp->FindItem(point);
    switch (nHit) {
    case PTREEHT_COLUMN:
        if (m_pProp->SendNotify(PTREEN_COLUMNCLICK, NULL))
            return;
        m_bColDrag = TRUE;
        SetCapture();
        m_nDividerPos = m_pProp->GetColumn();
        InvertDividerBar(m_nDividerPos);
        return;
    case PTREEHT_EXPAND:
        if (pItem && pItem->GetChild() && !m_pProp->SendNotify(PTREEN_ITEMEXPANDING, pItem))
            ToggleExpanded(pItem);
        return;
    case PTREEHT_CHECKBOX:
        if (pItem)
            ToggleChecked(pItem);
        return;
    default:
        break;
    }

    if (!pItem) {
        m_pProp->SelectItems(NULL, FALSE);
        m_pProp->SetFocusedItem(NULL);
        m_pProp->SendNotify(PTREEN_SELCHANGE, NULL);
        Invalidate();
        return;
    }
    FocusClickedItem(pItem, pPrevFocus);
    if (nHit == PTREEHT_ATTRIBUTE && !pItem->IsRootLevel() && !m_pProp->SendNotify(PTREEN_PROPCLICK, pItem)
        && !pItem->IsReadOnly())
        pItem->Activate();
}

void CPropTreeList::OnMouseMove(UINT, CPoint point)
{
    if (!m_pProp)
        return;
    if (m_bColDrag) {
        InvertDividerBar(m_nDividerPos);
        InvertDividerBar(point.x);
        m_nDividerPos = point.x;
    }
    CPropTreeItem* pItem = m_pProp->FindItem(point);
    if (!pItem)
        return;
    if (pItem->IsNeedTip())
        m_pProp->GetTitleTip()->Show(pItem);
    else
        m_pProp->GetTitleTip()->Hide();
}

void CPropTreeList::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bColDrag)
        return;
    InvertDividerBar(m_nDividerPos);
    m_bColDrag = FALSE;
    ::ReleaseCapture();
    m_pProp->SetColumn(point.x);
    m_pProp->UpdateMoveAllItems();
    Invalidate();
}

// A drag whose capture is taken away (another window captures the mouse, a box opens) ends
// where it started: the bar goes and the column stays.
void CPropTreeList::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bColDrag) {
        InvertDividerBar(m_nDividerPos);
        m_bColDrag = FALSE;
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CPropTreeList::OnLButtonDblClk(UINT, CPoint point)
{
    if (!m_pProp)
        return;
    m_pProp->SendNotify(NM_DBLCLK, NULL);
    CPropTreeItem* pItem = m_pProp->FindItem(point);
    if (!pItem || !pItem->GetChild())
        return;

    switch (m_pProp->HitTest(point)) {
    case PTREEHT_COLUMN:
        return;
    case PTREEHT_EXPAND:
        break;
    case PTREEHT_CHECKBOX:
        ToggleChecked(pItem);
        return;
    case PTREEHT_ATTRIBUTE:
        if (!pItem->IsRootLevel())
            return;
        FocusClickedItem(pItem, m_pProp->GetFocusedItem());
        break;
    default:
        FocusClickedItem(pItem, m_pProp->GetFocusedItem());
        break;
    }
    if (!m_pProp->SendNotify(PTREEN_ITEMEXPANDING, pItem))
        ToggleExpanded(pItem);
}

// ---- keyboard ----

void CPropTreeList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsInputEnabled())
        return;
    CPropTreeItem* pFocus = m_pProp->GetFocusedItem();
    if (pFocus && pFocus->IsActivated())
        pFocus->CommitChanges();
    pFocus = m_pProp->GetFocusedItem();

    switch (nChar) {
    case VK_TAB:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    case VK_RETURN:
        if (pFocus && !pFocus->IsRootLevel() && !pFocus->IsReadOnly())
            pFocus->Activate();
        return;
    case VK_LEFT:
    case VK_RIGHT:
        // Left collapses an expanded item and Right expands a collapsed one; otherwise they move
        // the focus like Up and Down.
        if (!pFocus)
            return;
        if (!m_pProp->SendNotify(PTREEN_ITEMEXPANDING, pFocus) && pFocus->GetChild()
            && !pFocus->IsExpanded() == (nChar == VK_RIGHT)) {
            ToggleExpanded(pFocus);
            return;
        }
        nChar = nChar == VK_LEFT ? VK_UP : VK_DOWN;
        break;
    default:
        break;
    }

    for (const FocusKey& key : kFocusKeys) {
        if (key.nChar == nChar) {
            if ((m_pProp->*key.pfnMove)())
                Invalidate();
            return;
        }
    }
}

UINT CPropTreeList::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

// ---- focus and editing ----

void CPropTreeList::CheckVisibleFocus()
{
    CPropTreeItem* pFocus = m_pProp ? m_pProp->GetFocusedItem() : NULL;
    if (!pFocus || m_pProp->IsItemVisible(pFocus))
        return;
    pFocus->Select(FALSE);
    m_pProp->SetFocusedItem(NULL);
    m_pProp->SendNotify(PTREEN_SELCHANGE, NULL);
    Invalidate();
}

void CPropTreeList::SaveCurItem()
{
    if (!IsInputEnabled())
        return;
    CPropTreeItem* pItem = m_pProp->GetFocusedItem();
    if (pItem && pItem->IsActivated())
        pItem->CommitChanges();
}
