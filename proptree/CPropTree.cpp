#include "CPropTree.h"
#include "CMarlowApp.h"
#include <algorithm>
#include <climits>
#include <cstddef>

namespace {

const LONG kDefaultColumn = 130;
const LONG kInfoHeight = 50;
const UINT kFirstItemID = 300;
const UINT kListID = 100;
const LONG kColumnEdge = 14;        // the column keeps this far from both sides of the window
const LONG kMinColumn = 50;
const LONG kDividerZone = 2;        // half-width of the divider's hit zone
const LONG kThinWeight = 50;

// The codes SendNotify delivers: the tree's own range less two unused values.
const int kFirstNotifyCode = -1113;
const int kLastNotifyCode = -1101;
const int kUndeliveredCodes[] = { -1104, -1111 };

BOOL IsDeliveredCode(UINT nCode)
{
    const int code = (int)nCode;
    if (code < kFirstNotifyCode || code > kLastNotifyCode)
        return FALSE;
    for (int undelivered : kUndeliveredCodes)
        if (code == undelivered)
            return FALSE;
    return TRUE;
}

// The system's menu font, from the non-client metrics of the size every Windows version accepts.
LOGFONT SystemMenuFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = offsetof(NONCLIENTMETRICS, iPaddedBorderWidth);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    return ncm.lfMenuFont;
}

struct FamilySearch
{
    LPCTSTR pszFamily;
    BOOL bFound;
};

// Stops the enumeration at the first family whose name collates equal to the sought one, ignoring case.
int CALLBACK StopAtFamily(const LOGFONT* plf, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
    FamilySearch* pSearch = reinterpret_cast<FamilySearch*>(lParam);
    pSearch->bFound = CString(plf->lfFaceName).CollateNoCase(pSearch->pszFamily) == 0;
    return !pSearch->bFound;
}

}  // namespace

CFont* CPropTree::s_pNormalFont = NULL;
CFont* CPropTree::s_pBoldFont = NULL;
CFont* CPropTree::s_pThinFont = NULL;
UINT CPropTree::s_nInstanceCount = 0;
CPropTreeItem* CPropTree::s_pFound = NULL;
DWORD CPropTree::s_dwLastVisibleGeneration = 0;

IMPLEMENT_DYNAMIC(CPropTree, CWnd)

BEGIN_MESSAGE_MAP(CPropTree, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPropTree::CPropTree()
    : m_bShowInfo(TRUE), m_nInfoHeight(kInfoHeight), m_pVisbleList(NULL), m_pFocus(NULL), m_nLastUID(kFirstItemID),
      m_bDisableInput(FALSE), m_nTotalHeight(0), m_bTotalHeightValid(FALSE), m_pVisibleTail(NULL),
      m_dwVisibleGeneration(NextVisibleGeneration()), m_bDestroying(FALSE), m_lForwardedNotify(0),
      m_bTreeInvalid(FALSE), m_bListInvalid(FALSE)
{
    m_Origin.x = kDefaultColumn;
    m_Origin.y = 0;
    m_Root.SetPropOwner(this);
    m_Root.Expand(TRUE);
    if (s_nInstanceCount++ == 0)
        InitGlobalResources();
}

CPropTree::~CPropTree()
{
    // Every item goes: the owner still hears PTREEN_DELETEITEM while the window exists, but its
    // answer cannot keep an item alive in a tree that is going away.
    m_bDestroying = TRUE;
    DeleteAllItems();
    if (s_nInstanceCount > 0 && --s_nInstanceCount == 0)
        FreeGlobalResources();
}

BOOL CPropTree::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR pszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, ::LoadCursor(NULL, IDC_ARROW));
    return pszClass && CWnd::Create(pszClass, _T(""), dwStyle, rect, pParentWnd, nID);
}

// ---- shared fonts ----

CString PASCAL CPropTree::GetGlobalFontFace(const LOGFONT& lfMenu)
{
    switch (lfMenu.lfCharSet) {
    case ANSI_CHARSET:
    case DEFAULT_CHARSET:
    case SYMBOL_CHARSET:
        return HasFontFamily(CMarlowApp::s_strTahoma) ? CMarlowApp::s_strTahoma : CMarlowApp::s_strMSSansSerif;
    default:
        return lfMenu.lfFaceName;
    }
}

CString PASCAL CPropTree::GetGlobalFontFace()
{
    return GetGlobalFontFace(SystemMenuFont());
}

BOOL PASCAL CPropTree::HasFontFamily(LPCTSTR lpszFamily)
{
    if (!lpszFamily)
        return FALSE;
    FamilySearch search = { lpszFamily, FALSE };
    CWindowDC screen(NULL);
    ::EnumFontFamilies(screen.GetSafeHdc(), NULL, StopAtFamily, reinterpret_cast<LPARAM>(&search));
    return search.bFound;
}

void CPropTree::InitGlobalResources()
{
    const LOGFONT lfMenu = SystemMenuFont();
    LOGFONT lf = {};
    {
        CWindowDC screen(NULL);
        lf.lfCharSet = (BYTE)::GetTextCharsetInfo(screen.GetSafeHdc(), NULL, 0);
    }
    lf.lfHeight = lfMenu.lfHeight;
    lf.lfWeight = lfMenu.lfWeight;
    lf.lfItalic = lfMenu.lfItalic;
    lstrcpyn(lf.lfFaceName, GetGlobalFontFace(lfMenu), LF_FACESIZE);

    s_pNormalFont = new CFont;
    s_pNormalFont->CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    s_pBoldFont = new CFont;
    s_pBoldFont->CreateFontIndirect(&lf);
    lf.lfWeight = kThinWeight;
    s_pThinFont = new CFont;
    s_pThinFont->CreateFontIndirect(&lf);
}

void CPropTree::FreeGlobalResources()
{
    CFont** const fonts[] = { &s_pNormalFont, &s_pBoldFont, &s_pThinFont };
    for (CFont** ppFont : fonts) {
        delete *ppFont;
        *ppFont = NULL;
    }
}

// ---- window ----

int CPropTree::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bTreeInvalid = m_bListInvalid = FALSE;
    CRect rc;
    GetClientRect(rc);
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, rc, this, kListID))
        return -1;
    m_wndList.SetPropOwner(this);
    if (!m_wndInfo.Create(_T(""), WS_CHILD | WS_VISIBLE, rc, this))
        return -1;
    m_wndInfo.SetPropOwner(this);
    return m_wndTitleTip.Create(this) ? 0 : -1;
}

void CPropTree::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    ResizeChildWindows(cx, cy);
}

void CPropTree::ResizeChildWindows(int cx, int cy)
{
    if (m_bShowInfo) {
        if (m_wndList.GetSafeHwnd())
            m_wndList.MoveWindow(0, 0, cx, std::max(0, cy - (int)m_nInfoHeight));
        if (m_wndInfo.GetSafeHwnd()) {
            m_wndInfo.MoveWindow(0, cy - m_nInfoHeight + 1, cx, m_nInfoHeight - 1);
            m_wndInfo.ShowWindow(SW_SHOW);
        }
    } else {
        if (m_wndList.GetSafeHwnd())
            m_wndList.MoveWindow(0, 0, cx, cy);
        if (m_wndInfo.GetSafeHwnd())
            m_wndInfo.ShowWindow(SW_HIDE);
    }
}

void CPropTree::ShowInfoText(BOOL bShow)
{
    m_bShowInfo = bShow;
    if (!GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(rc);
    ResizeChildWindows(rc.Width(), rc.Height());
}

void CPropTree::OnDestroy()
{
    CWnd::OnDestroy();
    if (m_wndTitleTip.GetSafeHwnd())
        m_wndTitleTip.DestroyWindow();
    if (m_wndList.GetSafeHwnd())
        m_wndList.DestroyWindow();
}

void CPropTree::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_wndList.GetSafeHwnd())
        m_wndList.SetFocus();
}

void CPropTree::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
}

void CPropTree::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    InvalidateTree();
}

void CPropTree::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    InvalidateTree();
}

void CPropTree::OnPaint()
{
    CPaintDC dc(this);    // the children cover the client area; only the update region is taken
    m_bTreeInvalid = FALSE;
}

// Filling a tree asks for a repaint per item; one invalidation per paint is enough.
void CPropTree::InvalidateTree()
{
    if (m_bTreeInvalid || !GetSafeHwnd())
        return;
    Invalidate();
    m_bTreeInvalid = TRUE;
}

void CPropTree::InvalidateList()
{
    if (m_bListInvalid || !m_wndList.GetSafeHwnd())
        return;
    // The frame too: the scroll bar is repainted with the rows.
    m_wndList.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    m_bListInvalid = TRUE;
}

void CPropTree::DisableInput(BOOL bDisable)
{
    m_bDisableInput = bDisable;
    CWnd* pParent = GetSafeHwnd() ? GetParent() : NULL;
    if (pParent)
        pParent->EnableWindow(!bDisable);
}

void CPropTree::SaveCurItem()
{
    if (m_wndList.GetSafeHwnd())
        m_wndList.SaveCurItem();
}

// ---- notifications ----

LRESULT CPropTree::SendNotify(UINT nNotifyCode, CPropTreeItem* pItem)
{
    if (!::IsWindow(m_hWnd) || !(GetStyle() & PTREES_NOTIFY) || !IsDeliveredCode(nNotifyCode))
        return 0;
    PropTreeNotify nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(m_hWnd);
    nm.hdr.code = nNotifyCode;
    nm.pItem = pItem;
    return SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// The tree's own records go through its message map first (reflection, then ON_NOTIFY entries of
// a derived tree); what the tree does not handle goes on to its owner, whose answer is the result.
BOOL CPropTree::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    CWnd* pOwner = pNMHDR->hwndFrom == m_hWnd ? GetOwner() : NULL;
    if (!pOwner || !pOwner->GetSafeHwnd())
        return FALSE;
    const LPARAM lOuter = m_lForwardedNotify;
    m_lForwardedNotify = lParam;
    *pResult = pOwner->SendMessage(WM_NOTIFY, wParam, lParam);
    m_lForwardedNotify = lOuter;
    return TRUE;
}

// An owner built on this framework reflects the record back to the tree; the tree has offered it
// to its own map already, so it goes on to the owner's handlers.
BOOL CPropTree::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_NOTIFY && m_lForwardedNotify && lParam == m_lForwardedNotify)
        return FALSE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- origin ----

void CPropTree::SetColumn(LONG nColumn)
{
    LONG c = std::max(nColumn, kColumnEdge);
    CRect rc;
    if (GetSafeHwnd())
        GetClientRect(rc);
    if (!rc.IsRectEmpty() && c >= rc.Width() - kColumnEdge)
        c = rc.Width() - kColumnEdge;
    m_Origin.x = std::max(c, kMinColumn);
    InvalidateTree();
}

BOOL CPropTree::SetPropClumWidth(double dWidth)
{
    // Also refuses what a LONG cannot hold (and NaN, which compares false).
    if (!(dWidth > 50.0) || dWidth >= (double)LONG_MAX + 1.0)
        return FALSE;
    m_Origin.x = (LONG)dWidth;
    return TRUE;
}

// ---- items ----

BOOL CPropTree::IsInTree(const CPropTreeItem* pItem) const
{
    for (; pItem; pItem = pItem->m_pParent)
        if (pItem == &m_Root)
            return TRUE;
    return FALSE;
}

CPropTreeItem* CPropTree::InsertItem(CPropTreeItem* pItem, CPropTreeItem* pParent)
{
    if (!pParent)
        pParent = &m_Root;
    // An item that is linked somewhere, or is a tree's root, cannot be linked again; a parent
    // outside this tree would leave the item unreachable.
    if (!pItem || pItem->m_pParent || pItem->m_pSibling || (pItem->m_pProp && pItem == pItem->m_pProp->GetRootItem())
        || !IsInTree(pParent))
        return NULL;

    if (!pParent->m_pChild) {
        pParent->m_pChild = pItem;
    } else {
        CPropTreeItem* pLast = pParent->m_pLastChild;
        if (!pLast || pLast->m_pParent != pParent || pLast->m_pSibling) {
            pLast = pParent->m_pChild;
            while (pLast->m_pSibling)
                pLast = pLast->m_pSibling;
        }
        pLast->m_pSibling = pItem;
    }
    pParent->m_pLastChild = pItem;
    pItem->m_pParent = pParent;
    pItem->m_pProp = this;
    pItem->m_nCtrlID = m_nLastUID++;
    if (m_bTotalHeightValid && IsCounted(pItem))
        m_nTotalHeight += pItem->GetTotalHeight();

    SendNotify(PTREEN_INSERTITEM, pItem);
    UpdatedItems();
    return pItem;
}

void CPropTree::DeleteItem(CPropTreeItem* pItem)
{
    // A null item deletes nothing here (DeleteAllItems is the way to empty the tree).
    if (!pItem)
        return;
    Delete(pItem);
    UpdatedItems();
}

void CPropTree::DeleteAllItems()
{
    Delete(NULL);
    UpdatedItems();
    // Items kept by a veto keep their IDs; new items must not repeat them.
    if (!m_Root.m_pChild)
        m_nLastUID = kFirstItemID;
}

void CPropTree::Delete(CPropTreeItem* pItem)
{
    if (pItem && pItem != &m_Root) {
        if (!IsInTree(pItem))
            return;
        if (SendNotify(PTREEN_DELETEITEM, pItem) && !m_bDestroying)
            return;
    }
    if (!pItem)
        pItem = &m_Root;

    // Each child gets its own notification and veto. The chain is read again after every
    // deletion, so a handler that changes the tree cannot leave a stale pointer behind.
    CPropTreeItem* pKept = NULL;    // last child whose deletion was vetoed
    for (;;) {
        CPropTreeItem* pChild = pKept ? pKept->m_pSibling : pItem->m_pChild;
        if (!pChild)
            break;
        DeleteItem(pChild);
        if ((pKept ? pKept->m_pSibling : pItem->m_pChild) == pChild)
            pKept = pChild;
    }

    // The root stays; so does an item that still holds a child whose deletion was vetoed.
    if (pItem == &m_Root || pItem->m_pChild)
        return;

    const BOOL bCounted = m_bTotalHeightValid && IsCounted(pItem);
    CPropTreeItem* pParent = pItem->m_pParent;
    CPropTreeItem* pPrev = NULL;
    if (pParent->m_pChild == pItem) {
        pParent->m_pChild = pItem->m_pSibling;
    } else {
        for (pPrev = pParent->m_pChild; pPrev && pPrev->m_pSibling != pItem; pPrev = pPrev->m_pSibling) {
        }
        if (pPrev)
            pPrev->m_pSibling = pItem->m_pSibling;
    }
    if (pParent->m_pLastChild == pItem)
        pParent->m_pLastChild = pPrev;
    if (bCounted)
        m_nTotalHeight -= pItem->GetHeight();

    if (pItem == m_pFocus)
        SetFocusedItem(NULL);
    RemoveFromVisibleList(pItem);
    delete pItem;
}

BOOL CPropTree::EnumItems(CPropTreeItem* pItem, ENUMPROPITEMPROC proc, LPARAM lParam)
{
    if (!pItem || !proc)
        return FALSE;
    if (pItem != &m_Root && !proc(this, pItem, lParam))
        return FALSE;
    for (CPropTreeItem* pChild = pItem->m_pChild; pChild; pChild = pChild->m_pSibling)
        if (!EnumItems(pChild, proc, lParam))
            return FALSE;
    return TRUE;
}

BOOL CALLBACK CPropTree::EnumFindItem(CPropTree*, CPropTreeItem* pItem, LPARAM lParam)
{
    if (!pItem)
        return FALSE;
    if (pItem->GetCtrlID() != (UINT)lParam)
        return TRUE;
    s_pFound = pItem;
    return FALSE;
}

BOOL CALLBACK CPropTree::EnumSelectAll(CPropTree*, CPropTreeItem* pItem, LPARAM lParam)
{
    if (!pItem)
        return FALSE;
    pItem->Select((BOOL)lParam);
    return TRUE;
}

BOOL CALLBACK CPropTree::EnumRefreshAll(CPropTree*, CPropTreeItem* pItem, LPARAM)
{
    if (!pItem)
        return FALSE;
    pItem->OnRefresh();
    return TRUE;
}

BOOL CALLBACK CPropTree::EnumMoveAll(CPropTree*, CPropTreeItem* pItem, LPARAM)
{
    if (!pItem)
        return FALSE;
    pItem->OnMove();
    return TRUE;
}

CPropTreeItem* CPropTree::FindItem(UINT nCtrlID)
{
    s_pFound = NULL;
    EnumItems(&m_Root, EnumFindItem, (LPARAM)nCtrlID);
    return s_pFound;
}

CPropTreeItem* CPropTree::FindItem(const POINT& pt)
{
    const LONG y = pt.y + m_Origin.y;
    for (CPropTreeItem* pItem = m_pVisbleList; pItem; pItem = pItem->m_pVis)
        if (pItem->m_loc.y <= y && y < pItem->m_loc.y + pItem->GetHeight())
            return pItem;
    return NULL;
}

LONG CPropTree::HitTest(const POINT& pt)
{
    CPropTreeItem* pItem = FindItem(pt);
    if (!pItem)
        return HTCLIENT;
    const LONG column = m_Origin.x;
    if (!pItem->IsRootLevel() && pt.x >= column - kDividerZone && pt.x <= column + kDividerZone)
        return PTREEHT_COLUMN;
    if (pt.x > column + kDividerZone)
        return PTREEHT_ATTRIBUTE;
    const POINT content = { pt.x, pt.y + m_Origin.y };
    if (pItem->HitExpand(content))
        return PTREEHT_EXPAND;
    if (pItem->HitCheckBox(content))
        return PTREEHT_CHECKBOX;
    return PTREEHT_LABEL;
}

void CPropTree::SelectItems(CPropTreeItem* pItem, BOOL bSelect)
{
    EnumItems(pItem ? pItem : &m_Root, EnumSelectAll, bSelect);
}

void CPropTree::UpdatedItems()
{
    if (m_bDestroying || !GetSafeHwnd())
        return;
    InvalidateTree();
    if (m_wndList.GetSafeHwnd()) {
        m_wndList.UpdateResize();
        InvalidateList();
    }
}

void CPropTree::UpdateMoveAllItems()
{
    EnumItems(&m_Root, EnumMoveAll, 0);
}

void CPropTree::RefreshItems(CPropTreeItem* pItem)
{
    EnumItems(pItem ? pItem : &m_Root, EnumRefreshAll, 0);
    UpdatedItems();
}

// ---- total height ----

BOOL CPropTree::IsCounted(const CPropTreeItem* pItem) const
{
    if (pItem == &m_Root)
        return TRUE;
    for (const CPropTreeItem* pParent = pItem->m_pParent; pParent; pParent = pParent->m_pParent) {
        if (!pParent->IsExpanded())
            return FALSE;
        if (pParent == &m_Root)
            return TRUE;
    }
    return FALSE;
}

LONG CPropTree::GetRootTotalHeight()
{
    if (!m_bTotalHeightValid) {
        LONG nHeight = m_Root.GetHeight();
        if (m_Root.IsExpanded())
            for (CPropTreeItem* pChild = m_Root.m_pChild; pChild; pChild = pChild->m_pSibling)
                nHeight += pChild->GetTotalHeight();
        m_nTotalHeight = nHeight;
        m_bTotalHeightValid = TRUE;
    }
    return m_nTotalHeight;
}

void CPropTree::ExpandedChanged(CPropTreeItem* pItem)
{
    if (!m_bTotalHeightValid || !IsCounted(pItem))
        return;
    LONG nChildren = 0;
    for (CPropTreeItem* pChild = pItem->m_pChild; pChild; pChild = pChild->m_pSibling)
        nChildren += pChild->GetTotalHeight();
    m_nTotalHeight += pItem->IsExpanded() ? nChildren : -nChildren;
}

// ---- visible list ----

DWORD CPropTree::NextVisibleGeneration()
{
    // Unique across all trees, so a row stamped by one tree never looks listed in another; never 0.
    if (++s_dwLastVisibleGeneration == 0)
        ++s_dwLastVisibleGeneration;
    return s_dwLastVisibleGeneration;
}

void CPropTree::ClearVisibleList()
{
    m_pVisbleList = NULL;
    m_pVisibleTail = NULL;
    m_dwVisibleGeneration = NextVisibleGeneration();
    // The list clears the visible list as it starts painting: it is valid again from here on.
    m_bListInvalid = FALSE;
    // A paint walks every expanded row anyway: let the next request recount the total height.
    DropTotalHeight();
}

BOOL CPropTree::IsItemVisible(CPropTreeItem* pItem) const
{
    return pItem && pItem->m_dwVisibleGeneration == m_dwVisibleGeneration;
}

void CPropTree::AddToVisibleList(CPropTreeItem* pItem)
{
    if (!pItem)
        return;
    // A row listed twice would cut the chain; drawn again, it moves to the end.
    RemoveFromVisibleList(pItem);
    pItem->m_pVis = NULL;
    pItem->m_pPrevVisible = m_pVisibleTail;
    pItem->m_dwVisibleGeneration = m_dwVisibleGeneration;
    if (m_pVisibleTail)
        m_pVisibleTail->m_pVis = pItem;
    else
        m_pVisbleList = pItem;
    m_pVisibleTail = pItem;
}

void CPropTree::RemoveFromVisibleList(CPropTreeItem* pItem)
{
    if (!IsItemVisible(pItem))
        return;
    CPropTreeItem* pPrev = pItem->m_pPrevVisible;
    CPropTreeItem* pNext = pItem->m_pVis;
    if (pPrev)
        pPrev->m_pVis = pNext;
    else
        m_pVisbleList = pNext;
    if (pNext)
        pNext->m_pPrevVisible = pPrev;
    else
        m_pVisibleTail = pPrev;
    pItem->m_pVis = NULL;
    pItem->m_pPrevVisible = NULL;
    pItem->m_dwVisibleGeneration = 0;
}

// ---- focus ----

void CPropTree::SetFocusedItem(CPropTreeItem* pItem)
{
    // An item of another tree (or of none) would be left behind when its owner deletes it.
    if (pItem && !IsInTree(pItem))
        return;
    m_pFocus = pItem;
    EnsureVisible(pItem);
    InvalidateTree();
}

void CPropTree::FocusMoved(CPropTreeItem* pPrevious)
{
    if (m_pFocus) {
        SelectItems(NULL, FALSE);
        m_pFocus->Select(TRUE);
    }
    if (m_pFocus != pPrevious)
        SendNotify(PTREEN_SELCHANGE, m_pFocus);
}

CPropTreeItem* CPropTree::FocusFirst()
{
    CPropTreeItem* pPrevious = m_pFocus;
    SetFocusedItem(m_pVisbleList);
    FocusMoved(pPrevious);
    return m_pFocus;
}

CPropTreeItem* CPropTree::FocusLast()
{
    return MoveFocusTo(m_pVisibleTail);
}

CPropTreeItem* CPropTree::FocusPrev()
{
    if (!m_pFocus)
        return MoveFocusTo(m_pVisibleTail);
    return MoveFocusTo(IsItemVisible(m_pFocus) ? m_pFocus->m_pPrevVisible : NULL);
}

CPropTreeItem* CPropTree::FocusNext()
{
    if (!m_pFocus)
        return MoveFocusTo(m_pVisbleList);
    return MoveFocusTo(IsItemVisible(m_pFocus) ? m_pFocus->m_pVis : NULL);
}

CPropTreeItem* CPropTree::MoveFocusTo(CPropTreeItem* pTarget)
{
    CPropTreeItem* pPrevious = m_pFocus;
    if (pTarget)
        SetFocusedItem(pTarget);
    FocusMoved(pPrevious);
    return pTarget;
}

void CPropTree::EnsureVisible(CPropTreeItem* pItem)
{
    // Another tree's item is not this tree's to expand or scroll to.
    if (!pItem || !IsInTree(pItem))
        return;
    if (!IsItemVisible(pItem)) {
        for (CPropTreeItem* pParent = pItem->m_pParent; pParent; pParent = pParent->m_pParent)
            pParent->Expand(TRUE);
        if (!GetSafeHwnd())
            return;
        UpdatedItems();
        // Paint the list now, so the visible list and the row locations are current.
        RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    if (!m_wndList.GetSafeHwnd())
        return;

    const LONG h = pItem->GetHeight();
    CRect rc;
    m_wndList.GetClientRect(rc);
    rc.OffsetRect(0, m_Origin.y);
    rc.bottom -= h;
    const POINT& loc = pItem->GetLocation();
    if (rc.PtInRect(loc))
        return;
    LONG y = loc.y;
    if (loc.y >= rc.top)
        y = loc.y + h - (rc.bottom - rc.top);
    m_wndList.OnVScroll(SB_THUMBTRACK, (UINT)y, NULL);
}
