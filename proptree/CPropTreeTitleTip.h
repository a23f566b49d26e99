// CPropTreeTitleTip: a borderless topmost pop-up that shows the whole value text of a row whose
// value does not fit its cell. It hides itself 5 seconds after it was shown, and hands presses and
// keys that land on it back to the row list (through PreTranslateMessage, so the host's message
// loop must call it, as an MFC-style loop does).
#pragma once
#include "afxwin.h"

class CPropTree;
class CPropTreeItem;

// The tip's window class, registered by the first tip constructed.
#define PROPTREE_TITLETIP_CLASSNAME _T("Qv_PropTree_TitleTip")

class MARLOW17_API CPropTreeTitleTip : public CWnd
{
    DECLARE_DYNAMIC(CPropTreeTitleTip)
public:
    // A resource exception when the window class cannot be registered.
    CPropTreeTitleTip();
    virtual ~CPropTreeTitleTip();

    virtual BOOL Create(CPropTree* pProp);
    // Shows pItem's value text one line above its row, at the cursor's x; nothing when the tip is
    // already showing pItem.
    void Show(CPropTreeItem* pItem);
    void Hide();

    // Presses and keys on the tip go to the row list instead, in the tree's coordinates; a second
    // press within the double-click time arrives there as a double click.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // Not routed: presses reach the list through PreTranslateMessage.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CPropTreeItem* m_pItem;       // item whose text is shown
    CPropTree* m_pProp;
    DWORD m_dwLastLButtonDown;    // tick count of the last press forwarded
    UINT m_nDblClickTime;         // the system's double-click time, read at construction

private:
    // The text as it was when shown, so the tip repaints it without going back to the item.
    CString m_sText;
    afx_msg void OnPaint();
    void DrawTipText(CDC* pDC);
};
