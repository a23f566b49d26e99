// Message maps: the tables that route window messages, commands and notifications to member
// functions with MFC's handler signatures.
//
//   class CMyWnd : public CWnd { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_PAINT()
//       ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
//   END_MESSAGE_MAP()
//
// Each entry holds a small thunk, written inside the map's function where ThisClass names the
// class, that cracks wParam and lParam the way MFC does and calls the member. Handlers are named
// bare (OnClick) or qualified (CMyWnd::OnClick), without '&'. The most derived map is searched
// first, then its base maps; the first entry that matches handles the message.
#pragma once
#include "CCmdTarget.h"

// Reflected messages (a parent hands a child's notification back to the child) use the message
// number plus this base in the child's map.
#define WM_REFLECT_BASE 0xBC00
// Entries for messages from RegisterWindowMessage carry this in place of the message.
#define AFX_REGISTERED_MESSAGE 0xC000
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#ifndef CN_COMMAND
#define CN_COMMAND 0
#endif

// The record a reflected WM_CTLCOLOR* carries to the child's CtlColor handler.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// The thunk of one entry: the statements get pThis, wParam, lParam and pResult.
#define AFX_MSG_THUNK(...) \
    [](CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget); \
        (void)pThis; (void)wParam; (void)lParam; (void)pResult; \
        __VA_ARGS__ \
    }
#define AFX_MSG_ENTRY(message, code, id, lastId, ...) \
    { static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId), \
      nullptr, AFX_MSG_THUNK(__VA_ARGS__) },
#define AFX_WM_ENTRY(message, ...) AFX_MSG_ENTRY(message, 0, 0, 0, __VA_ARGS__)

// Any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, *pResult = pThis->memberFxn(wParam, lParam); return TRUE;)
// A message from RegisterWindowMessage, held in the UINT variable nMessageVariable.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { AFX_REGISTERED_MESSAGE, 0, 0, 0, &(nMessageVariable), \
      AFX_MSG_THUNK(*pResult = pThis->memberFxn(wParam, lParam); return TRUE;) },

// Commands and control notifications (WM_COMMAND) from a child identifier.
#define ON_COMMAND(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, pThis->memberFxn(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, return pThis->memberFxn(LOWORD(wParam));)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, pThis->memberFxn(LOWORD(wParam)); return TRUE;)
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, id, pThis->memberFxn(); return TRUE;)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, pThis->memberFxn(LOWORD(wParam)); return TRUE;)

// WM_NOTIFY from a child identifier: void memberFxn(NMHDR*, LRESULT*); the _EX and range forms
// also get the identifier, and the _EX forms return FALSE to let routing go on.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, id, \
        pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, \
        pThis->memberFxn(static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, id, \
        return pThis->memberFxn(static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), pResult);)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, \
        return pThis->memberFxn(static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), pResult);)

// Notifications reflected to the child that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, pThis->memberFxn(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, return pThis->memberFxn();)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, \
        pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, \
        return pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult);)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, \
        const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam); \
        *pResult = reinterpret_cast<LRESULT>(pThis->CtlColor(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType)); \
        return TRUE;)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, \
        pThis->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, \
        pThis->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, \
        *pResult = pThis->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)); return TRUE;)
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, \
        pThis->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CHARTOITEM, \
        *pResult = pThis->CharToItem(LOWORD(wParam), HIWORD(wParam)); return TRUE;)
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VKEYTOITEM, \
        *pResult = pThis->VKeyToItem(LOWORD(wParam), HIWORD(wParam)); return TRUE;)
#define ON_WM_HSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, pThis->HScroll(LOWORD(wParam), HIWORD(wParam)); return TRUE;)
#define ON_WM_VSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, pThis->VScroll(LOWORD(wParam), HIWORD(wParam)); return TRUE;)
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, \
        pThis->ParentNotify(static_cast<UINT>(wParam), lParam); return TRUE;)

// WM_CTLCOLOR* to the parent: HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor).
#define AFX_CTLCOLOR_ENTRY(message) \
    AFX_WM_ENTRY(message, *pResult = reinterpret_cast<LRESULT>(pThis->OnCtlColor( \
        CDC::FromHandle(reinterpret_cast<HDC>(wParam)), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
        (message) - WM_CTLCOLORMSGBOX)); return TRUE;)
#define ON_WM_CTLCOLOR() \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX) AFX_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT) \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX) AFX_CTLCOLOR_ENTRY(WM_CTLCOLORBTN) \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORDLG) AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR) \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC)

// Window messages, cracked as MFC does.
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, pThis->OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam)); return TRUE;)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, pThis->OnActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam)); return TRUE;)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, pThis->OnCancelMode(); return TRUE;)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, pThis->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return TRUE;)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, pThis->OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, pThis->OnClose(); return TRUE;)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, *pResult = static_cast<LRESULT>(pThis->OnCompareItem(static_cast<int>(wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam))); return TRUE;)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, pThis->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam)); return TRUE;)
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, *pResult = static_cast<LRESULT>(pThis->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam))); return TRUE;)
#define ON_WM_DEADCHAR() AFX_WM_ENTRY(WM_DEADCHAR, pThis->OnDeadChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_DELETEITEM() AFX_WM_ENTRY(WM_DELETEITEM, pThis->OnDeleteItem(static_cast<int>(wParam), reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, pThis->OnDestroy(); return TRUE;)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, pThis->OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, pThis->OnEnable(static_cast<BOOL>(wParam)); return TRUE;)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, *pResult = static_cast<LRESULT>(pThis->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)))); return TRUE;)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, *pResult = static_cast<LRESULT>(pThis->OnGetDlgCode()); return TRUE;)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, pThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return TRUE;)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, pThis->OnHScroll(LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return TRUE;)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, pThis->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, pThis->OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, pThis->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return TRUE;)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, pThis->OnLButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, pThis->OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, pThis->OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_ENTRY(WM_MBUTTONDBLCLK, pThis->OnMButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, pThis->OnMButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, pThis->OnMButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, pThis->OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *pResult = TRUE; return TRUE;)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, *pResult = static_cast<LRESULT>(pThis->OnMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), static_cast<short>(LOWORD(lParam)), HIWORD(lParam))); return TRUE;)
#define ON_WM_MOUSEHOVER() AFX_WM_ENTRY(WM_MOUSEHOVER, pThis->OnMouseHover(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, pThis->OnMouseLeave(); return TRUE;)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, pThis->OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, *pResult = static_cast<LRESULT>(pThis->OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), CPoint(lParam))); return TRUE;)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, pThis->OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return TRUE;)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, *pResult = static_cast<LRESULT>(pThis->OnNcActivate(static_cast<BOOL>(wParam))); return TRUE;)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, pThis->OnNcCalcSize(static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)); return TRUE;)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, *pResult = static_cast<LRESULT>(pThis->OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(lParam))); return TRUE;)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, pThis->OnNcDestroy(); return TRUE;)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, *pResult = static_cast<LRESULT>(pThis->OnNcHitTest(CPoint(lParam))); return TRUE;)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, pThis->OnNcLButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, pThis->OnNcLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, pThis->OnNcLButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, pThis->OnNcMouseMove(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, pThis->OnNcPaint(); return TRUE;)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, pThis->OnNcRButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_NCRBUTTONUP() AFX_WM_ENTRY(WM_NCRBUTTONUP, pThis->OnNcRButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, pThis->OnPaint(); return TRUE;)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, pThis->OnParentNotify(static_cast<UINT>(wParam), lParam); return TRUE;)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, pThis->OnRButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, pThis->OnRButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, pThis->OnRButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return TRUE;)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, *pResult = static_cast<LRESULT>(pThis->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), static_cast<short>(LOWORD(lParam)), HIWORD(lParam))); return TRUE;)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, pThis->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return TRUE;)
#define ON_WM_SETTINGCHANGE() AFX_WM_ENTRY(WM_SETTINGCHANGE, pThis->OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam)); return TRUE;)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, pThis->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return TRUE;)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, pThis->OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return TRUE;)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, pThis->OnSysChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, pThis->OnSysColorChange(); return TRUE;)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, pThis->OnSysCommand(static_cast<UINT>(wParam), lParam); return TRUE;)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, pThis->OnSysKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, pThis->OnSysKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, pThis->OnTimer(static_cast<UINT_PTR>(wParam)); return TRUE;)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, pThis->OnVScroll(LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return TRUE;)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, pThis->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)); return TRUE;)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, pThis->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)); return TRUE;)

// Control notifications by control kind.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
