#include "CPropTreeTitleTip.h"
#include "CPropTree.h"

namespace {

const UINT_PTR kHideTimer = 1;
const UINT kHideDelay = 5000;                     // milliseconds
const COLORREF kTextColor = RGB(65, 65, 65);

}  // namespace

IMPLEMENT_DYNAMIC(CPropTreeTitleTip, CWnd)

BEGIN_MESSAGE_MAP(CPropTreeTitleTip, CWnd)
    ON_WM_TIMER()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPropTreeTitleTip::CPropTreeTitleTip()
    : m_pItem(NULL), m_pProp(NULL), m_dwLastLButtonDown(0xFFFFFFFF), m_nDblClickTime(::GetDoubleClickTime())
{
    WNDCLASS wc;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (::GetClassInfo(hInst, PROPTREE_TITLETIP_CLASSNAME, &wc))
        return;
    wc = WNDCLASS();
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
    wc.lpszClassName = PROPTREE_TITLETIP_CLASSNAME;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
}

CPropTreeTitleTip::~CPropTreeTitleTip()
{
    // A pop-up has no parent to take it along; the tree destroys it with itself, a tip used alone
    // goes here.
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CPropTreeTitleTip::Create(CPropTree* pProp)
{
    // A second Create fails without taking the tip from its tree.
    if (m_hWnd)
        return FALSE;
    m_pProp = pProp;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, PROPTREE_TITLETIP_CLASSNAME, NULL, WS_POPUP | WS_BORDER,
                    0, 0, 0, 0, NULL, NULL);
}

void CPropTreeTitleTip::Show(CPropTreeItem* pItem)
{
    if (pItem == m_pItem && ::IsWindow(m_hWnd) && IsWindowVisible())
        return;
    Hide();
    m_pItem = pItem;
    if (!::IsWindow(m_hWnd) || !pItem || !m_pProp)
        return;
    CRect rc = pItem->GetAttribTextShowRect();
    if (rc.IsRectEmpty() || !::GetFocus())
        return;
    m_pProp->ClientToScreen(rc);

    m_sText = pItem->GetAttribText();
    CSize size;
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(CPropTree::GetNormalFont());
        size = dc.GetTextExtent(m_sText);
        dc.SelectObject(pOldFont);
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    SetWindowPos(&wndTopMost, ptCursor.x, rc.top - size.cy, size.cx + 2, size.cy + 2,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    {
        CClientDC dc(this);
        DrawTipText(&dc);
    }
    SetTimer(kHideTimer, kHideDelay);
}

void CPropTreeTitleTip::Hide()
{
    if (!::IsWindow(m_hWnd))
        return;
    KillTimer(kHideTimer);
    ShowWindow(SW_HIDE);
}

void CPropTreeTitleTip::DrawTipText(CDC* pDC)
{
    CFont* pOldFont = pDC->SelectObject(CPropTree::GetNormalFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kTextColor);
    pDC->TextOut(0, 0, m_sText);
    pDC->SelectObject(pOldFont);
}

void CPropTreeTitleTip::OnPaint()
{
    CPaintDC dc(this);
    DrawTipText(&dc);
}

void CPropTreeTitleTip::OnTimer(UINT_PTR nIDEvent)
{
    Hide();
    CWnd::OnTimer(nIDEvent);
}

void CPropTreeTitleTip::OnLButtonDown(UINT nFlags, CPoint point)
{
    Hide();
    CWnd::OnLButtonDown(nFlags, point);
}

BOOL CPropTreeTitleTip::PreTranslateMessage(MSG* pMsg)
{
    // A tip whose window is gone has nothing to hand on, and the list's would be gone too.
    if (!pMsg || !m_pProp || !::IsWindow(m_hWnd))
        return FALSE;
    CWnd* pList = m_pProp->GetCtrlParent();
    UINT message = pMsg->message;
    switch (message) {
    case WM_LBUTTONDOWN: {
        const DWORD dwNow = ::GetTickCount();
        if (dwNow - m_dwLastLButtonDown <= m_nDblClickTime)
            message = WM_LBUTTONDBLCLK;
        m_dwLastLButtonDown = dwNow;
    }
        // fall through
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: {
        // The list sits at the tree's client origin, so the tree's coordinates are the list's.
        CPoint pt(pMsg->lParam);
        ClientToScreen(&pt);
        m_pProp->ScreenToClient(&pt);
        Hide();
        pList->PostMessage(message, pMsg->wParam, MAKELPARAM(pt.x, pt.y));
        return TRUE;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Hide();
        pList->PostMessage(message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    default:
        break;
    }
    if (::GetFocus())
        return CWnd::PreTranslateMessage(pMsg);
    Hide();
    return TRUE;
}
