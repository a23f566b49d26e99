// CPropTreeTitleTip: a borderless topmost pop-up that shows the whole value text of a row whose
// value does not fit its cell, and hands presses and keys that land on it back to the row list.
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
    void Show(CPropTreeItem* pItem);
    void Hide();

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CPropTreeItem* m_pItem;       // item whose text is shown
    CPropTree* m_pProp;
    DWORD m_dwLastLButtonDown;    // tick count of the last press forwarded
    UINT m_nDblClickTime;         // the system's double-click time, read at construction
};
