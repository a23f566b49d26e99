// CPropTreeItem: one row of the property tree. It holds a label, a description text, a generic
// value, state flags, its links in the hierarchy and the geometry it was last drawn with. It draws
// its own row (label column, expand box, check box, separator, divider) and hands the value cell to
// the virtual DrawAttribute, which item kinds override together with the editing hooks. The base
// class is a usable item too: a row with a label and an empty value cell.
#pragma once
#include "afxwin.h"

class CPropTree;

class MARLOW17_API CPropTreeItem
{
public:
    // State flag bits.
    enum
    {
        TreeItemSelected = 0x00000001,
        TreeItemExpanded = 0x00000002,
        TreeItemCheckbox = 0x00000004,
        TreeItemChecked = 0x00000008,
        TreeItemReadOnly = 0x00000020
    };

    CPropTreeItem();
    CPropTreeItem(const CPropTreeItem& other);
    CPropTreeItem& operator=(const CPropTreeItem& other);
    virtual ~CPropTreeItem();

    // Overridables, in slot order.
    virtual void SetReadOnly(BOOL bReadOnly);
    virtual BOOL IsReadOnly();
    virtual void DrawAttribute(CDC* pDC, const RECT& rc);
    virtual LONG GetHeight();
    virtual LONG GetItemValue();
    virtual void SetItemValue(LONG lValue);
    virtual LONG GetItemExtendData();
    virtual void SetItemExtendData(LONG lData);
    virtual void OnMove();          // the column or the window size changed: move an open editor
    virtual void OnRefresh();       // reload the display text from the value
    virtual void OnCommit();        // read the editor back into the value and hide it
    virtual void OnActivate();      // open the editor over the value rectangle
    virtual BOOL IsNeedTip();

    DWORD GetItemClass() const { return m_dwItemClass; }

    BOOL IsExpanded() const { return (m_dwState & TreeItemExpanded) != 0; }
    BOOL IsSelected() const { return (m_dwState & TreeItemSelected) != 0; }
    BOOL IsChecked() const { return (m_dwState & TreeItemChecked) != 0; }
    BOOL IsCheckBox() const { return (m_dwState & TreeItemCheckbox) != 0; }
    BOOL IsActivated() const { return m_bActivated; }

    void Expand(BOOL bExpand = TRUE);
    void Select(BOOL bSelect = TRUE) { SetStateBit(TreeItemSelected, bSelect); }
    void Check(BOOL bCheck = TRUE) { SetStateBit(TreeItemChecked, bCheck); }
    void HasCheckBox(BOOL bCheckbox = TRUE) { SetStateBit(TreeItemCheckbox, bCheckbox); }
    void ReadOnly(BOOL bReadOnly = TRUE) { SetStateBit(TreeItemReadOnly, bReadOnly); }

    // Points in content space (list-client coordinates plus the scroll offset).
    BOOL HitExpand(const POINT& pt) const { return ::PtInRect(&m_rcExpand, pt); }
    BOOL HitCheckBox(const POINT& pt) const { return ::PtInRect(&m_rcCheckbox, pt); }

    BOOL IsRootLevel();
    // Own height plus, when expanded, the totals of the children.
    LONG GetTotalHeight();

    void SetLabelText(LPCTSTR sLabel) { m_sLabel = sLabel; }
    LPCTSTR GetLabelText() const { return m_sLabel; }
    void SetInfoText(LPCTSTR sInfo) { m_sInfo = sInfo; }
    LPCTSTR GetInfoText() const { return m_sInfo; }
    void SetCtrlID(UINT nCtrlID) { m_nCtrlID = nCtrlID; }
    UINT GetCtrlID() const { return m_nCtrlID; }

    const POINT& GetLocation() const { return m_loc; }
    CRect GetAttribTextShowRect() const { return m_rcAttribute; }
    CString GetAttribText() const { return m_sAttribShowText; }

    void SetPropOwner(CPropTree* pProp) { m_pProp = pProp; }

    CPropTreeItem* GetParent() const { return m_pParent; }
    CPropTreeItem* GetChild() const { return m_pChild; }
    CPropTreeItem* GetSibling() const { return m_pSibling; }
    CPropTreeItem* GetNextVisible() const { return m_pVis; }
    void SetParent(CPropTreeItem* pParent);
    void SetChild(CPropTreeItem* pChild);
    void SetSibling(CPropTreeItem* pSibling);
    void SetNextVisible(CPropTreeItem* pVis) { m_pVis = pVis; }

    // Opens the editor; CommitChanges closes it, and reports the change unless the item is read-only.
    void Activate();
    void CommitChanges();

    // Draws the row at content position (x, y) inside the list's drawing rectangle rc, then its
    // expanded children; returns the height drawn. Every row joins the visible list and takes its
    // location and boxes, but only rows that reach into rc's vertical band draw.
    LONG DrawItem(CDC* pDC, const RECT& rc, LONG x, LONG y);

protected:
    void SetStateBit(DWORD dwBit, BOOL bSet) { m_dwState = bSet ? (m_dwState | dwBit) : (m_dwState & ~dwBit); }
    // Tells the owner tree that the expanded rows may have changed (its height cache is stale).
    void StructureChanged();

    CPropTree* m_pProp;
    CString m_sLabel;
    CString m_sInfo;
    POINT m_loc;                  // content-space top-left of the row when last drawn
    RECT m_rcAttribute;           // value cell in list-client coordinates when last drawn
    CString m_sAttribShowText;    // value text the kind last drew when it did not fit
    BOOL m_bNeedTip;              // set by a kind when its value text is wider than the cell
    LONG m_lItemValue;
    UINT m_nCtrlID;
    DWORD m_dwItemClass;
    LONG m_lExtendData;
    BOOL m_bReadOnly;             // the virtual SetReadOnly's value
    DWORD m_dwState;
    BOOL m_bActivated;
    BOOL m_bCommitOnce;           // CommitChanges ran since the last Activate
    RECT m_rcExpand;              // content-space hit rectangle of the expand box
    RECT m_rcCheckbox;            // content-space hit rectangle of the check box
    CPropTreeItem* m_pParent;
    CPropTreeItem* m_pSibling;
    CPropTreeItem* m_pChild;
    CPropTreeItem* m_pVis;

private:
    friend class CPropTree;
    // The drawing of DrawItem for this row alone, whose label rectangle is rcLabel.
    void DrawRow(CDC* pDC, const RECT& rc, const CRect& rcLabel);
    // Bookkeeping of the owner tree that keeps insertion and the visible list constant-time.
    CPropTreeItem* m_pLastChild;      // last child as the tree last linked it (checked before use)
    CPropTreeItem* m_pPrevVisible;    // predecessor on the visible list
    DWORD m_dwVisibleGeneration;      // the tree's visible-list generation when this row joined it
};
