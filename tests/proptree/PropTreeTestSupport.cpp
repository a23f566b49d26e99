#include "PropTreeTestSupport.h"

namespace proptest {

int CountingItem::s_constructed = 0;
int CountingItem::s_destroyed = 0;

MemoryCanvas::MemoryCanvas(int cx, int cy, COLORREF fill)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc.CreateCompatibleDC(nullptr);
    m_old = ::SelectObject(m_dc.GetSafeHdc(), m_bitmap);
    m_dc.FillSolidRect(0, 0, cx, cy, fill);
}

MemoryCanvas::~MemoryCanvas()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_old);
    m_dc.DeleteDC();
    ::DeleteObject(m_bitmap);
}

LONG DrawRows(CPropTree& tree, CDC* pDC, const RECT& rc)
{
    tree.ClearVisibleList();
    LONG y = 0;
    for (CPropTreeItem* pItem = tree.GetRootItem()->GetChild(); pItem; pItem = pItem->GetSibling())
        y += pItem->DrawItem(pDC, rc, 0, y);
    return y;
}

LONG WalkedTotalHeight(CPropTreeItem* pItem)
{
    LONG height = pItem->GetHeight();
    if (pItem->IsExpanded())
        for (CPropTreeItem* pChild = pItem->GetChild(); pChild; pChild = pChild->GetSibling())
            height += WalkedTotalHeight(pChild);
    return height;
}

std::vector<CPropTreeItem*> VisibleRows(CPropTree& tree)
{
    std::vector<CPropTreeItem*> rows;
    for (CPropTreeItem* pItem = tree.GetVisibleList(); pItem; pItem = pItem->GetNextVisible())
        rows.push_back(pItem);
    return rows;
}

std::vector<CPropTreeItem*> Children(CPropTreeItem* pItem)
{
    std::vector<CPropTreeItem*> children;
    for (CPropTreeItem* pChild = pItem->GetChild(); pChild; pChild = pChild->GetSibling())
        children.push_back(pChild);
    return children;
}

}  // namespace proptest
