// CPropTree: the property tree, a two-column property grid whose rows are CPropTreeItem objects in
// a hierarchy under expandable categories. The tree owns the items inserted into it, the chain of
// rows drawn by the last paint (the visible list), the focused item, the column (divider) position
// and the vertical scroll offset. Its children are the row list, the description pane and the
// title tip. It reports user actions as WM_NOTIFY records (PropTreeNotify) when it has the
// PTREES_NOTIFY style: first to its own message map (a derived tree can handle them there), then
// to its owner (normally its parent), whose answer can veto what the code's table says.
#pragma once
#include "afxwin.h"
#include "CPropTreeItem.h"
#include "CPropTreeList.h"
#include "CPropTreeInfo.h"
#include "CPropTreeTitleTip.h"

// Window style: the tree sends notifications.
#define PTREES_NOTIFY 0x00000001

// Notification codes; the answer of the receiver matters where noted.
#define PTREEN_INSERTITEM ((UINT)-1101)       // after InsertItem linked an item in
#define PTREEN_DELETEITEM ((UINT)-1102)       // before an item is deleted; non-zero vetoes
#define PTREEN_ITEMCHANGED ((UINT)-1105)      // an item's edit was committed, or its button clicked
#define PTREEN_SELCHANGE ((UINT)-1107)        // the focused item changed (item may be null)
#define PTREEN_ITEMEXPANDING ((UINT)-1108)    // before the user expands or collapses; non-zero vetoes
#define PTREEN_COLUMNCLICK ((UINT)-1109)      // the user presses on the divider; non-zero vetoes the drag
#define PTREEN_PROPCLICK ((UINT)-1110)        // the user presses on a value cell; non-zero vetoes editing
#define PTREEN_CHECKCLICK ((UINT)-1112)       // the user toggled a check box
#define PTREEN_SELCOMMIT ((UINT)-1113)        // a drop-down choice was committed

// Hit-test codes (HTCLIENT, 1, means no row under the point).
#define PTREEHT_LABEL 50        // the label part of a row, or the left margin
#define PTREEHT_COLUMN 51       // on the divider of a row below the root level
#define PTREEHT_EXPAND 52       // the expand/collapse box
#define PTREEHT_ATTRIBUTE 53    // the value cell
#define PTREEHT_CHECKBOX 54     // the check box

// The record of every property tree notification.
struct PropTreeNotify
{
    NMHDR hdr;
    CPropTreeItem* pItem;
};

class MARLOW17_API CPropTree : public CWnd
{
    DECLARE_DYNAMIC(CPropTree)
public:
    CPropTree();
    virtual ~CPropTree();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CWnd* GetCtrlParent() { return &m_wndList; }
    CPropTreeTitleTip* GetTitleTip() { return &m_wndTitleTip; }

    // Origin: x is the column (divider) position in list-client pixels, y the scroll offset.
    const POINT& GetOrigin() const { return m_Origin; }
    void SetOriginOffset(LONG nOffset) { m_Origin.y = nOffset; }
    LONG GetColumn() const { return m_Origin.x; }
    void SetColumn(LONG nColumn);
    BOOL SetPropClumWidth(double dWidth);

    CPropTreeItem* GetRootItem() { return &m_Root; }
    CPropTreeItem* GetFocusedItem() const { return m_pFocus; }
    void SetFocusedItem(CPropTreeItem* pItem);

    // The rows drawn by the last paint, top to bottom; each row joins it as it is drawn.
    CPropTreeItem* GetVisibleList() const { return m_pVisbleList; }
    void ClearVisibleList();
    void AddToVisibleList(CPropTreeItem* pItem);
    void RemoveFromVisibleList(CPropTreeItem* pItem);
    BOOL IsItemVisible(CPropTreeItem* pItem) const;

    // Takes ownership of pItem and appends it as the last child of pParent (the root when null).
    // Null when pItem is null, already in a tree, or pParent is not part of this tree; the caller
    // then keeps pItem.
    CPropTreeItem* InsertItem(CPropTreeItem* pItem, CPropTreeItem* pParent = NULL);
    void DeleteItem(CPropTreeItem* pItem);
    void DeleteAllItems();

    typedef BOOL(CALLBACK* ENUMPROPITEMPROC)(CPropTree*, CPropTreeItem*, LPARAM);
    // Pre-order walk of pItem and its descendants (collapsed ones too); the root itself is not
    // passed to proc. FALSE as soon as proc returns FALSE.
    BOOL EnumItems(CPropTreeItem* pItem, ENUMPROPITEMPROC proc, LPARAM lParam = 0L);

    // The visible row under a point in list-client coordinates; the first item with this ID.
    CPropTreeItem* FindItem(const POINT& pt);
    CPropTreeItem* FindItem(UINT nCtrlID);
    LONG HitTest(const POINT& pt);

    void SelectItems(CPropTreeItem* pItem, BOOL bSelect = TRUE);

    // Keyboard focus movement along the visible list; each returns its target.
    CPropTreeItem* FocusFirst();
    CPropTreeItem* FocusLast();
    CPropTreeItem* FocusPrev();
    CPropTreeItem* FocusNext();

    void EnsureVisible(CPropTreeItem* pItem);
    void UpdatedItems();
    void UpdateMoveAllItems();
    void RefreshItems(CPropTreeItem* pItem = NULL);

    void ShowInfoText(BOOL bShow = TRUE);
    void DisableInput(BOOL bDisable = TRUE);
    BOOL IsDisableInput() const { return m_bDisableInput; }
    BOOL IsSingleSelection() const { return TRUE; }
    void SaveCurItem();

    virtual LRESULT SendNotify(UINT nNotifyCode, CPropTreeItem* pItem = NULL);

    static CFont* GetNormalFont() { return s_pNormalFont; }
    static CFont* GetFont() { return s_pNormalFont; }
    static CFont* GetBoldFont() { return s_pBoldFont; }
    static CFont* GetThinFont() { return s_pThinFont; }

    // The face of the shared fonts: for a menu font of the ANSI, default or symbol character set,
    // "Tahoma" when the screen has that family, else "MS Sans Serif"; for any other character set
    // the menu font's own face. The first form reads the system's menu font.
    static CString PASCAL GetGlobalFontFace();
    static CString PASCAL GetGlobalFontFace(const LOGFONT& lfMenu);
    // Whether the screen has a font family of this name (compared case-insensitively by collation).
    static BOOL PASCAL HasFontFamily(LPCTSTR lpszFamily);

    static BOOL CALLBACK EnumFindItem(CPropTree* pProp, CPropTreeItem* pItem, LPARAM lParam);
    static BOOL CALLBACK EnumSelectAll(CPropTree* pProp, CPropTreeItem* pItem, LPARAM lParam);
    static BOOL CALLBACK EnumRefreshAll(CPropTree* pProp, CPropTreeItem* pItem, LPARAM lParam);
    static BOOL CALLBACK EnumMoveAll(CPropTree* pProp, CPropTreeItem* pItem, LPARAM lParam);

    static CFont* s_pNormalFont;
    static CFont* s_pBoldFont;
    static CFont* s_pThinFont;
    static UINT s_nInstanceCount;     // live trees
    static CPropTreeItem* s_pFound;   // scratch result of FindItem(UINT)

protected:
    void Delete(CPropTreeItem* pItem);
    void ResizeChildWindows(int cx, int cy);
    void InitGlobalResources();
    void FreeGlobalResources();

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CPropTreeList m_wndList;
    CPropTreeInfo m_wndInfo;
    CPropTreeTitleTip m_wndTitleTip;
    BOOL m_bShowInfo;
    LONG m_nInfoHeight;
    CPropTreeItem m_Root;
    CPropTreeItem* m_pVisbleList;
    CPropTreeItem* m_pFocus;
    POINT m_Origin;
    UINT m_nLastUID;
    BOOL m_bDisableInput;

private:
    friend class CPropTreeItem;

    // Total height of the expanded rows, kept up to date by insertion, deletion and expansion so
    // that filling a large tree does not walk it once per item. Any other change to the links,
    // and every paint (which clears the visible list), drops it; the next request recomputes it.
    LONG GetRootTotalHeight();
    void DropTotalHeight() { m_bTotalHeightValid = FALSE; }
    void ExpandedChanged(CPropTreeItem* pItem);
    // Whether pItem's row counts in the total: every ancestor up to this tree's root is expanded.
    BOOL IsCounted(const CPropTreeItem* pItem) const;
    // Whether pItem is this tree's root or linked under it.
    BOOL IsInTree(const CPropTreeItem* pItem) const;
    // Focuses pTarget when it is not null, then as FocusMoved.
    CPropTreeItem* MoveFocusTo(CPropTreeItem* pTarget);
    // After a focus move: the focused item becomes the only selected one; a change is reported.
    void FocusMoved(CPropTreeItem* pPrevious);
    static DWORD NextVisibleGeneration();
    // Invalidate the tree or the list unless it still waits for its paint since the last time.
    void InvalidateTree();
    void InvalidateList();

    LONG m_nTotalHeight;
    BOOL m_bTotalHeightValid;
    CPropTreeItem* m_pVisibleTail;
    DWORD m_dwVisibleGeneration;     // changes with every ClearVisibleList
    BOOL m_bDestroying;              // the destructor is deleting the items: no veto, no repaint
    LPARAM m_lForwardedNotify;       // the record being handed to the owner, 0 when none
    BOOL m_bTreeInvalid;             // invalidated here, not painted since
    BOOL m_bListInvalid;             // invalidated here, the list not painted since
    static DWORD s_dwLastVisibleGeneration;
};
