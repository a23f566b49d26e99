// A property tree on a real host window, with an item kind that records its editing hooks and draws
// a value text, and helpers that find rows and zones in the row list and read what it painted.
#pragma once
#include "TestSupport.h"
#include <Marlow17.h>
#include "CPropTree.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace proplist {

const int kRow = 18;            // row height
const int kTreeWidth = 320;
const int kTreeHeight = 350;    // the list gets this less the 50-pixel description pane
const UINT kTreeID = 7;

// An item kind whose editing hooks count their calls and whose value cell shows a text; when the
// text is wider than the cell it asks for the title tip, as the editor kinds do.
class RecordingItem : public CPropTreeItem
{
public:
    explicit RecordingItem(const char* label, const char* value = "")
    {
        SetLabelText(label);
        m_sValue = value;
    }

    int activations = 0;
    int commits = 0;
    int attributeDraws = 0;
    CString m_sValue;

    void OnActivate() override { ++activations; }
    void OnCommit() override { ++commits; }
    void DrawAttribute(CDC* pDC, const RECT& rc) override
    {
        ++attributeDraws;
        CFont* pOld = pDC->SelectObject(CPropTree::GetNormalFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0));
        CRect rcText = rc;
        pDC->DrawText(m_sValue, rcText, DT_SINGLELINE | DT_VCENTER);
        m_bNeedTip = pDC->GetTextExtent(m_sValue).cx > rcText.Width();
        m_sAttribShowText = m_bNeedTip ? m_sValue : CString();
        pDC->SelectObject(pOld);
    }
};

// One notification as the host heard it: its code and the item it carried.
using Heard = std::pair<int, CPropTreeItem*>;

// The same in a readable form for failure messages.
inline std::string Describe(const std::vector<Heard>& heard)
{
    std::string text;
    for (const Heard& h : heard) {
        char line[96];
        snprintf(line, sizeof(line), "%d:%s ", h.first, h.second ? h.second->GetLabelText() : "null");
        text += line;
    }
    return text;
}

// A whole window's client area as the screen shows it once the pending messages are handled, read
// through its top-level window's DC.
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    bool operator==(const Picture& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};
Picture Capture(HWND hwnd);
// The same for a rectangle of the screen within hwnd's top-level window.
Picture CaptureScreen(HWND hwnd, const RECT& area);

class PropListTest : public ::testing::Test
{
protected:
    PropListTest();
    ~PropListTest() override;

    CPropTreeList& List() { return *static_cast<CPropTreeList*>(tree.GetCtrlParent()); }
    HWND ListHwnd() { return tree.GetCtrlParent()->GetSafeHwnd(); }
    int ListWidth();

    // A root-level category and an item under a parent; each is owned by the tree.
    RecordingItem* AddCategory(const char* label, bool expanded = true);
    RecordingItem* AddItem(CPropTreeItem* parent, const char* label, const char* value = "");

    // Paints the list now, so the visible list and the row locations are current.
    void Paint();
    // The centre of row `row` (0 = top of the content) at x, in list-client coordinates.
    static CPoint RowPoint(int row, int x) { return CPoint(x, row * kRow + kRow / 2); }
    // Zones of a row: its label, its value cell, the divider, the expand box and the check box.
    CPoint LabelPoint(int row) { return RowPoint(row, 60); }
    CPoint ValuePoint(int row) { return RowPoint(row, tree.GetColumn() + 40); }
    CPoint DividerPoint(int row) { return RowPoint(row, tree.GetColumn()); }
    static CPoint ExpandPoint(int row) { return CPoint(7, row * kRow + 7); }
    static CPoint CheckPoint(int row) { return CPoint(24, row * kRow + 10); }

    void Click(CPoint pt) { test::Click(ListHwnd(), pt.x, pt.y); }
    void DoubleClick(CPoint pt) { test::DoubleClick(ListHwnd(), pt.x, pt.y); }
    void Key(UINT vk) { test::PressKey(ListHwnd(), vk); }

    // What the host heard since the last ClearHeard, property tree notifications only.
    std::vector<Heard> Notifications() const;
    void ClearHeard() { host.ClearRecords(); }

    test::HostWindow host{480, 420};
    CPropTree tree;
};

}  // namespace proplist
