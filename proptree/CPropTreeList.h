// CPropTreeList: the child window of the property tree that shows the rows. It paints the item
// hierarchy through a back buffer and scrolls vertically; the column position, the scroll offset
// and the items live in the owner tree, which the list reads and changes through its interface.
#pragma once
#include "afxwin.h"

class CPropTree;

class MARLOW17_API CPropTreeList : public CWnd
{
    DECLARE_DYNAMIC(CPropTreeList)
public:
    CPropTreeList();
    virtual ~CPropTreeList();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetPropOwner(CPropTree* pProp) { m_pProp = pProp; }
    CFont* GetFont();

    // Recomputes the vertical scroll bar from the height of the expanded rows.
    void UpdateResize();
    // Scrolls; also used by the tree's EnsureVisible and by the wheel.
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // Commits the focused item's open editor.
    void SaveCurItem();

protected:
    void CheckVisibleFocus();
    // Grows the back buffer to at least cx x cy; it never shrinks while both sides fit.
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
};
