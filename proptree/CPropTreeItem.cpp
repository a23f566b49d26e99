#include "CPropTreeItem.h"
#include "CPropTree.h"

namespace {

const LONG kRowHeight = 18;
const LONG kIndent = 14;          // label indentation per level, and the left margin
const LONG kExpandBoxX = 3;       // the expand box sits at this x whatever the indentation
const LONG kExpandBoxHit = 8;     // side of its hit rectangle
const LONG kExpandBoxSide = 9;    // side of its drawn outline
const LONG kCheckBoxSide = 14;
const LONG kCheckBoxShift = 20;   // the label moves right by this much when there is a check box

}  // namespace

CPropTreeItem::CPropTreeItem()
    : m_pProp(NULL), m_bNeedTip(FALSE), m_lItemValue(0), m_nCtrlID(0), m_dwItemClass(1), m_lExtendData(0),
      m_bReadOnly(FALSE), m_dwState(0), m_bActivated(FALSE), m_bCommitOnce(FALSE), m_pParent(NULL),
      m_pSibling(NULL), m_pChild(NULL), m_pVis(NULL), m_pLastChild(NULL), m_pPrevVisible(NULL),
      m_dwVisibleGeneration(0)
{
    m_loc.x = m_loc.y = 0;
    ::SetRectEmpty(&m_rcAttribute);
    ::SetRectEmpty(&m_rcExpand);
    ::SetRectEmpty(&m_rcCheckbox);
}

// A copy carries every documented member, links included, but none of the tree's bookkeeping: it
// is on no visible list.
CPropTreeItem::CPropTreeItem(const CPropTreeItem& other)
    : m_pProp(other.m_pProp), m_sLabel(other.m_sLabel), m_sInfo(other.m_sInfo), m_loc(other.m_loc),
      m_rcAttribute(other.m_rcAttribute), m_sAttribShowText(other.m_sAttribShowText), m_bNeedTip(other.m_bNeedTip),
      m_lItemValue(other.m_lItemValue), m_nCtrlID(other.m_nCtrlID), m_dwItemClass(other.m_dwItemClass),
      m_lExtendData(other.m_lExtendData), m_bReadOnly(other.m_bReadOnly), m_dwState(other.m_dwState),
      m_bActivated(other.m_bActivated), m_bCommitOnce(other.m_bCommitOnce), m_rcExpand(other.m_rcExpand),
      m_rcCheckbox(other.m_rcCheckbox), m_pParent(other.m_pParent), m_pSibling(other.m_pSibling),
      m_pChild(other.m_pChild), m_pVis(other.m_pVis), m_pLastChild(NULL), m_pPrevVisible(NULL),
      m_dwVisibleGeneration(0)
{
}

// Assignment keeps this object's own place on the visible list, so the list never points at a
// row that believes it is not there.
CPropTreeItem& CPropTreeItem::operator=(const CPropTreeItem& other)
{
    if (this == &other)
        return *this;
    m_pProp = other.m_pProp;
    m_sLabel = other.m_sLabel;
    m_sInfo = other.m_sInfo;
    m_loc = other.m_loc;
    m_rcAttribute = other.m_rcAttribute;
    m_sAttribShowText = other.m_sAttribShowText;
    m_bNeedTip = other.m_bNeedTip;
    m_lItemValue = other.m_lItemValue;
    m_nCtrlID = other.m_nCtrlID;
    m_dwItemClass = other.m_dwItemClass;
    m_lExtendData = other.m_lExtendData;
    m_bReadOnly = other.m_bReadOnly;
    m_dwState = other.m_dwState;
    m_bActivated = other.m_bActivated;
    m_bCommitOnce = other.m_bCommitOnce;
    m_rcExpand = other.m_rcExpand;
    m_rcCheckbox = other.m_rcCheckbox;
    m_pParent = other.m_pParent;
    m_pSibling = other.m_pSibling;
    m_pChild = other.m_pChild;
    m_pVis = other.m_pVis;
    m_pLastChild = NULL;
    StructureChanged();
    return *this;
}

CPropTreeItem::~CPropTreeItem()
{
}

void CPropTreeItem::SetReadOnly(BOOL bReadOnly) { m_bReadOnly = bReadOnly; }
BOOL CPropTreeItem::IsReadOnly() { return (m_dwState & TreeItemReadOnly) != 0; }
void CPropTreeItem::DrawAttribute(CDC*, const RECT&) {}
LONG CPropTreeItem::GetHeight() { return kRowHeight; }
LONG CPropTreeItem::GetItemValue() { return m_lItemValue; }
void CPropTreeItem::SetItemValue(LONG lValue) { m_lItemValue = lValue; }
LONG CPropTreeItem::GetItemExtendData() { return m_lExtendData; }
void CPropTreeItem::SetItemExtendData(LONG lData) { m_lExtendData = lData; }
void CPropTreeItem::OnMove() {}
void CPropTreeItem::OnRefresh() {}
void CPropTreeItem::OnCommit() {}
void CPropTreeItem::OnActivate() {}
BOOL CPropTreeItem::IsNeedTip() { return m_bNeedTip; }

void CPropTreeItem::StructureChanged()
{
    if (m_pProp)
        m_pProp->DropTotalHeight();
}

void CPropTreeItem::Expand(BOOL bExpand)
{
    if (!IsExpanded() == !bExpand)
        return;
    SetStateBit(TreeItemExpanded, bExpand);
    if (m_pProp)
        m_pProp->ExpandedChanged(this);
}

void CPropTreeItem::SetParent(CPropTreeItem* pParent)
{
    m_pParent = pParent;
    StructureChanged();
}

void CPropTreeItem::SetChild(CPropTreeItem* pChild)
{
    m_pChild = pChild;
    m_pLastChild = NULL;
    StructureChanged();
}

void CPropTreeItem::SetSibling(CPropTreeItem* pSibling)
{
    m_pSibling = pSibling;
    if (m_pParent)
        m_pParent->m_pLastChild = NULL;
    StructureChanged();
}

BOOL CPropTreeItem::IsRootLevel()
{
    return m_pProp && m_pParent && m_pParent == m_pProp->GetRootItem();
}

LONG CPropTreeItem::GetTotalHeight()
{
    if (m_pProp && this == m_pProp->GetRootItem())
        return m_pProp->GetRootTotalHeight();
    LONG nHeight = GetHeight();
    if (IsExpanded())
        for (CPropTreeItem* pChild = m_pChild; pChild; pChild = pChild->m_pSibling)
            nHeight += pChild->GetTotalHeight();
    return nHeight;
}

void CPropTreeItem::Activate()
{
    m_bActivated = TRUE;
    m_bCommitOnce = FALSE;
    OnActivate();
}

void CPropTreeItem::CommitChanges()
{
    m_bActivated = FALSE;
    if (m_bCommitOnce)
        return;
    m_bCommitOnce = TRUE;
    OnCommit();
    if (!IsReadOnly() && m_pProp) {
        m_pProp->SendNotify(PTREEN_ITEMCHANGED, this);
        m_pProp->RefreshItems(this);
    }
}

LONG CPropTreeItem::DrawItem(CDC* pDC, const RECT& rc, LONG x, LONG y)
{
    if (!m_pProp || !pDC)
        return 0;
    m_pProp->AddToVisibleList(this);
    m_loc.x = x;
    m_loc.y = y;

    const LONG h = GetHeight();
    const POINT& origin = m_pProp->GetOrigin();
    const LONG column = origin.x;
    const LONG sy = y - origin.y;          // the row's top on screen
    const LONG m = h / 2 - 6;              // top of the boxes within the row
    const BOOL bRootLevel = IsRootLevel();

    ::SetRect(&m_rcAttribute, column + 3, sy, rc.right, sy + h - 1);

    CRect rcLabel(x + kIndent, sy, column, sy + h);
    if (bRootLevel) {
        rcLabel.right = rc.right;
        if (m_pParent->GetChild() == this)
            rcLabel.bottom++;
    }
    if (m_pChild)
        ::SetRect(&m_rcExpand, kExpandBoxX, y + m, kExpandBoxX + kExpandBoxHit, y + m + kExpandBoxHit);
    else
        ::SetRectEmpty(&m_rcExpand);
    if (IsCheckBox())
        ::SetRect(&m_rcCheckbox, rcLabel.left + 3, y + m, rcLabel.left + 3 + kCheckBoxSide, y + m + kCheckBoxSide);
    else
        ::SetRectEmpty(&m_rcCheckbox);

    // A row outside the band of rc (the part of the list being painted) keeps the geometry above
    // but costs no drawing.
    if (rcLabel.bottom > rc.top && rcLabel.top < rc.bottom)
        DrawRow(pDC, rc, rcLabel);

    LONG nHeight = h;
    if (m_pChild && IsExpanded()) {
        const LONG xChild = bRootLevel ? x : x + kIndent;
        for (CPropTreeItem* pChild = m_pChild; pChild; pChild = pChild->m_pSibling)
            nHeight += pChild->DrawItem(pDC, rc, xChild, y + nHeight);
    }
    return nHeight;
}

void CPropTreeItem::DrawRow(CDC* pDC, const RECT& rc, const CRect& rcLabel)
{
    const LONG h = GetHeight();
    const POINT& origin = m_pProp->GetOrigin();
    const LONG column = origin.x;
    const LONG sy = m_loc.y - origin.y;
    const LONG m = h / 2 - 6;
    const BOOL bRootLevel = IsRootLevel();

    if (bRootLevel) {
        CRect rcBand(rc.left, rcLabel.top, rc.left + (rc.right - rc.left + 1), rcLabel.bottom);
        pDC->FillRect(rcBand, CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE)));
    }

    if (m_pChild) {
        const LONG left = kExpandBoxX, top = sy + m;
        CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&penShadow);
        HGDIOBJ hOldBrush = pDC->SelectObject(::GetStockObject(bRootLevel ? NULL_BRUSH : WHITE_BRUSH));
        pDC->Rectangle(left, top, left + kExpandBoxSide, top + kExpandBoxSide);
        pDC->SelectObject(::GetStockObject(BLACK_PEN));
        pDC->MoveTo(left + 2, top + 4);
        pDC->LineTo(left + 7, top + 4);
        if (!IsExpanded()) {
            pDC->MoveTo(left + 4, top + 2);
            pDC->LineTo(left + 4, top + 7);
        }
        pDC->SelectObject(hOldBrush);
        pDC->SelectObject(pOldPen);
    }

    // The clip of each part is laid over the caller's clip and taken off again afterwards.
    const int nSaved = pDC->SaveDC();
    if (!bRootLevel)
        pDC->IntersectClipRect(rcLabel);

    CRect rcText = rcLabel;
    rcText.left += 3;
    if (IsCheckBox())
        rcText.left += kCheckBoxShift;

    if (!m_sLabel.IsEmpty()) {
        CFont* pOldFont = pDC->SelectObject(bRootLevel ? CPropTree::GetBoldFont() : CPropTree::GetNormalFont());
        pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_sLabel, rcText, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
        if (IsSelected()) {
            CRect rcSel(kIndent, rcLabel.top, rcLabel.right, rcLabel.bottom);
            pDC->FillRect(rcSel, CBrush::FromHandle(::GetSysColorBrush(COLOR_HIGHLIGHT)));
            pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        }
        if (m_pProp->GetSafeHwnd() && !m_pProp->IsWindowEnabled())
            pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
        pDC->DrawText(m_sLabel, rcText, DT_SINGLELINE | DT_VCENTER);
        if (pOldFont)
            pDC->SelectObject(pOldFont);
    }

    if (IsCheckBox()) {
        CRect rcCheck = m_rcCheckbox;
        rcCheck.OffsetRect(0, -origin.y);
        pDC->DrawFrameControl(rcCheck, DFC_BUTTON, DFCS_BUTTONCHECK | (IsChecked() ? DFCS_CHECKED : 0));
    }
    pDC->RestoreDC(nSaved);

    // Separator: every other pixel along the row's last line.
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (LONG nLeft = rc.right - 13, px = kIndent; nLeft > 0; nLeft -= 2, px += 2)
        pDC->SetPixel(px, sy + h - 1, crShadow);

    if (!bRootLevel) {
        CPen penShadow(PS_SOLID, 1, crShadow);
        CPen penHighlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CPen* pOldPen = pDC->SelectObject(&penShadow);
        pDC->MoveTo(column, rcLabel.top);
        pDC->LineTo(column, rcLabel.bottom);
        pDC->SelectObject(&penHighlight);
        pDC->MoveTo(column + 1, rcLabel.top);
        pDC->LineTo(column + 1, rcLabel.bottom);
        pDC->SelectObject(pOldPen);

        const int nSavedValue = pDC->SaveDC();
        pDC->IntersectClipRect(&m_rcAttribute);
        DrawAttribute(pDC, m_rcAttribute);
        pDC->RestoreDC(nSavedValue);
    }
}
