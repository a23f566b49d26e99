#include "CPropTreeInfo.h"
#include "CPropTree.h"

namespace {

const int kTextInset = 4;    // between the edge and the texts

}  // namespace

IMPLEMENT_DYNAMIC(CPropTreeInfo, CStatic)

BEGIN_MESSAGE_MAP(CPropTreeInfo, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPropTreeInfo::CPropTreeInfo() : m_pProp(NULL)
{
}

CPropTreeInfo::~CPropTreeInfo()
{
}

void CPropTreeInfo::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    dc.FillRect(rc, CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE)));
    dc.DrawEdge(rc, BDR_SUNKENOUTER, BF_RECT);
    rc.DeflateRect(kTextInset, kTextInset);
    if (!m_pProp)
        return;

    CPropTreeItem* pItem = m_pProp->GetFocusedItem();
    const CString sLabel = pItem ? pItem->GetLabelText() : _T("");
    const CString sInfo = pItem ? pItem->GetInfoText() : _T("");
    dc.SetTextColor(::GetSysColor(m_pProp->IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc.SetBkMode(TRANSPARENT);

    // The label in bold on the first line, the info text wrapped into the rest of the pane.
    CFont* pOldFont = dc.SelectObject(CPropTree::GetBoldFont());
    CRect rcLabel = rc;
    dc.DrawText(sLabel, rcLabel, DT_SINGLELINE | DT_CALCRECT);
    dc.DrawText(sLabel, rcLabel, DT_SINGLELINE);
    dc.SelectObject(CPropTree::GetNormalFont());
    CRect rcInfo(rc.left, rcLabel.bottom, rc.right, rc.bottom);
    dc.DrawText(sInfo, rcInfo, DT_WORDBREAK);
    dc.SelectObject(pOldFont);
}
