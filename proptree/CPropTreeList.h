// CPropTreeList: the child window of the property tree that shows the rows. It paints the item
// hierarchy through a back buffer, scrolls vertically, and turns presses, double clicks, wheel
// turns and keys into focus changes, expansion, check-box toggles, divider drags and the start of
// in-place editing; over a row whose value does not fit it shows the tree's title tip. The column
// position, the scroll offset and the items live in the owner tree, which the list reads and
// changes through its interface.
#pragma once
#include "afxwin.h"

class CPropTree;
class CPropTreeItem;

class MARLOW17_API CPropTreeList : public CWnd
{
    DECLARE_DYNAMIC(CPropTreeList)
public:
    CPropTreeList();
    virtual ~CPropTreeList();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetPropOwner(CPropTree* pProp) { m_pProp = pProp; }
    // The owner tree's normal font; null without an owner.
    CFont* GetFont();

    // Recomputes the vertical scroll bar from the height of the expanded rows.
    void UpdateResize();
    // Scrolls by a scroll-bar code (SB_THUMBTRACK to nPos), clamped to the content; also used by
    // the tree's EnsureVisible and by the wheel.
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // Commits the focused item's open editor.
    void SaveCurItem();

protected:
    // Drops the focus from a row that is no longer on the visible list.
    void CheckVisibleFocus();
    // Makes the back buffer exactly cx x cy unless it already covers that size: it never shrinks
    // while both sides fit.
    void RecreateBackBuffer(int cx, int cy);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    CPropTree* m_pProp;
    CBitmap m_BackBuffer;
    int m_BackBufferWidth;
    int m_BackBufferHeight;
    int m_nDividerPos;        // x of the divider while it is dragged
    BOOL m_bColDrag;          // a divider drag is in progress

private:
    // The scroll bar got a new range and waits for the frame's repaint, which draws it.
    BOOL m_bScrollBarDue;
    afx_msg void OnNcPaint();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    // WM_VSCROLL from the scroll bar, whose thumb position the message carries in 16 bits only.
    afx_msg LRESULT OnScrollBarMessage(WPARAM wParam, LPARAM lParam);
    // Neither the tree's input switch nor its window is disabled.
    BOOL IsInputEnabled() const;
    // The divider drag's feedback: a 2-pixel inverted bar left of x; drawn twice, it is gone.
    void InvertDividerBar(int x);
    // Expands a collapsed item or collapses an expanded one, then shows the result at once.
    void ToggleExpanded(CPropTreeItem* pItem);
    void ToggleChecked(CPropTreeItem* pItem);
    // Focuses and selects pItem alone; tells the owner when the focus moved away from pPrevFocus.
    void FocusClickedItem(CPropTreeItem* pItem, CPropTreeItem* pPrevFocus);
};
