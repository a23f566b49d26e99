// Helpers of the property tree tests: items that count their lives and record their hooks, a
// memory DC to draw rows into, and an independent count of the expanded rows' height.
#pragma once
#include <afxwin.h>
#include <CPropTree.h>

#include <string>
#include <vector>

namespace proptest {

// An item that counts constructions and destructions, so a test can prove nothing leaked.
class CountingItem : public CPropTreeItem
{
public:
    CountingItem() { ++s_constructed; }
    explicit CountingItem(LPCTSTR label) { ++s_constructed; SetLabelText(label); }
    ~CountingItem() override { ++s_destroyed; }

    static int Alive() { return s_constructed - s_destroyed; }
    static void Reset() { s_constructed = s_destroyed = 0; }
    static int s_constructed;
    static int s_destroyed;
};

// An item that records the calls of its hooks and fills its value cell with one colour.
class RecordingItem : public CountingItem
{
public:
    explicit RecordingItem(LPCTSTR label = _T("")) : CountingItem(label) {}
    void OnActivate() override { calls.push_back("activate"); }
    void OnCommit() override { calls.push_back("commit"); }
    void OnRefresh() override { calls.push_back("refresh"); }
    void OnMove() override { calls.push_back("move"); }
    void DrawAttribute(CDC* pDC, const RECT& rc) override
    {
        attributeRects.push_back(rc);
        CRect fill(0, 0, 4000, 4000);    // the clip must keep this inside the value cell
        pDC->FillSolidRect(fill, valueColour);
    }

    std::vector<std::string> calls;
    std::vector<RECT> attributeRects;
    COLORREF valueColour = RGB(200, 0, 200);
};

// A 32-bit memory DC of the given size, filled with one colour.
class MemoryCanvas
{
public:
    MemoryCanvas(int cx, int cy, COLORREF fill);
    ~MemoryCanvas();
    CDC& dc() { return m_dc; }
    COLORREF Pixel(int x, int y) { return m_dc.GetPixel(x, y) & 0xFFFFFF; }

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// Draws the root-level rows into pDC the way the row list paints them (visible list cleared,
// rows from y = 0 inside rc); returns the height drawn.
LONG DrawRows(CPropTree& tree, CDC* pDC, const RECT& rc);

// The height of the expanded rows counted by walking the hierarchy here.
LONG WalkedTotalHeight(CPropTreeItem* pItem);

// The visible list, top to bottom.
std::vector<CPropTreeItem*> VisibleRows(CPropTree& tree);

// The children of pItem in sibling order.
std::vector<CPropTreeItem*> Children(CPropTreeItem* pItem);

}  // namespace proptest
