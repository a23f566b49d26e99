#include "CWnd.h"
#include "AfxThreadState.h"
#include "CDC.h"
#include "CFont.h"
#include "CResourceException.h"
#include "CRgn.h"
#include "CScrollBar.h"
#include "CWinApp.h"
#include <algorithm>
#include <mutex>
#include <set>
#include <stdio.h>
#include <string>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

// While AfxWndProc is a window's procedure, this property holds the procedure it replaced.
const char kSuperProcProperty[] = "Marlow17.SuperProc";

WNDPROC GetSuperProc(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSuperProcProperty));
}

// Routes the window's messages through AfxWndProc; returns the procedure that had them, or null
// when the window cannot be subclassed (another process's or thread's window).
WNDPROC InstallAfxWndProc(HWND hWnd)
{
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (pfnOld == AfxWndProc)
        return GetSuperProc(hWnd);
    if (!pfnOld || !::SetPropA(hWnd, kSuperProcProperty, reinterpret_cast<HANDLE>(pfnOld)))
        return nullptr;
    if (!::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc))) {
        ::RemovePropA(hWnd, kSuperProcProperty);
        return nullptr;
    }
    return pfnOld;
}

// Gives the window its own procedure back. When someone subclassed it after us, AfxWndProc stays
// in their chain and passes the messages on through the property.
void RemoveAfxWndProc(HWND hWnd, WNDPROC pfnSuper)
{
    if (pfnSuper && reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
        ::RemovePropA(hWnd, kSuperProcProperty);
    }
}

// The input-method windows that the system makes with a thread's first top-level window must not
// be taken for the window CreateEx is making.
bool IsImeWindow(HWND hWnd)
{
    if (::GetClassLongA(hWnd, GCL_STYLE) & CS_IME)
        return true;
    char szClass[8];
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "IME") == 0;
}

// The child window a parent's message is about, for reflection; null when there is none.
HWND ChildOfMessage(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_PARENTNOTIFY:
        return LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY ? reinterpret_cast<HWND>(lParam) : nullptr;
    case WM_DRAWITEM: {
        const auto* pItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return pItem && pItem->CtlType != ODT_MENU ? pItem->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* pItem = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return pItem && pItem->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, pItem->CtlID) : nullptr;
    }
    case WM_COMPAREITEM:
        return lParam ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
        return lParam ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default:
        return nullptr;
    }
}

BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwOld = (DWORD)::GetWindowLongA(hWnd, nIndex);
    const DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongA(hWnd, nIndex, (LONG)dwNew);
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

}  // namespace

// What AfxCallWndProc may do with a window object.
struct AfxWndProcAccess
{
    static LRESULT WindowProc(CWnd* pWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) { return pWnd->WindowProc(nMsg, wParam, lParam); }
    static void FinishNcDestroy(CWnd* pWnd) { pWnd->FinishNcDestroy(); }
};

// Temporary wrappers of the window map.
CWnd* AfxWndTraits::Create(HWND h)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = h;
    return pWnd;
}

CWnd* AfxWndTraits::Rebind(CWnd* pWnd, HWND h)
{
    pWnd->m_hWnd = h;     // a temporary that DestroyWindow cleared
    return pWnd;
}

void AfxWndTraits::Destroy(CWnd* pWnd)
{
    pWnd->m_hWnd = nullptr;
    delete pWnd;
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_hWndOwner(nullptr)
{
}

CWnd::CWnd(HWND hWndSpecial) : m_hWnd(hWndSpecial), m_pfnSuper(nullptr), m_hWndOwner(nullptr)
{
}

CWnd::~CWnd()
{
    // Derived handlers are gone by now: the window is destroyed with the base class's behaviour.
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

HWND CWnd::GetSafeHwnd() const
{
    // MFC code calls this on null pointers (GetParent()->GetSafeHwnd()); the volatile copy keeps
    // the compiler from assuming 'this' is never null.
    const CWnd* volatile pThis = this;
    return pThis ? pThis->m_hWnd : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxGetThreadState()->windows.FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? AfxGetThreadState()->windows.LookupPermanent(hWnd) : nullptr;
}

void PASCAL CWnd::DeleteTempMap()
{
    AfxGetThreadState()->windows.DeleteTemp();
}

int AFXAPI AfxGetWindowMapCount(BOOL bPermanent)
{
    const auto& map = AfxGetThreadState()->windows;
    return (int)(bPermanent ? map.PermanentCount() : map.TemporaryCount());
}

BOOL CWnd::Attach(HWND hWndNew)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (m_hWnd || !hWndNew || !::IsWindow(hWndNew) || pState->windows.LookupPermanent(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    m_pfnSuper = GetSuperProc(hWndNew);     // set when the window already runs through AfxWndProc
    pState->windows.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd)
        AfxGetThreadState()->windows.RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    try {
        PreSubclassWindow();
    } catch (...) {
        Detach();
        throw;
    }
    WNDPROC pfnSuper = InstallAfxWndProc(hWnd);
    if (!pfnSuper) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = pfnSuper;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndParent = pParent->GetSafeHwnd();
    HWND hWndControl = hWndParent ? ::GetDlgItem(hWndParent, nID) : nullptr;
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    RemoveAfxWndProc(m_hWnd, m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    // The creation hook attaches this object to the new window before its first message.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->nHookUsers++ == 0)
        pState->hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    CWnd* pOuterInit = pState->pWndInit;
    pState->pWndInit = this;
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    const bool bAttached = pState->pWndInit != this;
    pState->pWndInit = pOuterInit;
    if (--pState->nHookUsers == 0) {
        ::UnhookWindowsHookEx(pState->hHookCbt);
        pState->hHookCbt = nullptr;
    }
    // A window that was made and failed has had WM_NCDESTROY; one never made has not.
    if (!bAttached)
        PostNcDestroy();
    return hWnd != nullptr;
}

LRESULT CALLBACK CWnd::CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_CREATEWND && pState->pWndInit && !IsImeWindow(hWnd)) {
        CWnd* pWnd = pState->pWndInit;
        pState->pWndInit = nullptr;
        if (pWnd->Attach(hWnd)) {
            bool bFailed = false;
            try {
                pWnd->PreSubclassWindow();
            } catch (CException* e) {
                e->Delete();
                bFailed = true;
            } catch (...) {
                bFailed = true;
            }
            WNDPROC pfnSuper = bFailed ? nullptr : InstallAfxWndProc(hWnd);
            if (!pfnSuper) {
                // The window is not created: CreateEx sees an object that was never attached.
                pWnd->Detach();
                pState->pWndInit = pWnd;
                return 1;
            }
            pWnd->m_pfnSuper = pfnSuper;
        }
    }
    return ::CallNextHookEx(pState->hHookCbt, nCode, wParam, lParam);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    const bool bPermanent = FromHandlePermanent(m_hWnd) == this;
    const BOOL bResult = ::DestroyWindow(m_hWnd);
    // A permanent object was detached by WM_NCDESTROY and may be deleted by now.
    if (!bPermanent && bResult)
        m_hWnd = nullptr;
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::FinishNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == this) {
        pThread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    HWND hWnd = m_hWnd;
    RemoveAfxWndProc(hWnd, m_pfnSuper);
    ::RemovePropA(hWnd, kSuperProcProperty);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
    // No object: a window detached while it ran through us and then subclassed by someone else.
    WNDPROC pfnSuper = GetSuperProc(hWnd);
    if (nMsg == WM_NCDESTROY)
        ::RemovePropA(hWnd, kSuperProcProperty);
    return pfnSuper ? ::CallWindowProcA(pfnSuper, hWnd, nMsg, wParam, lParam)
                    : ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return AfxWndProc;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    const MSG outerMsg = pState->lastSentMsg;
    pState->lastSentMsg.hwnd = hWnd;
    pState->lastSentMsg.message = nMsg;
    pState->lastSentMsg.wParam = wParam;
    pState->lastSentMsg.lParam = lParam;

    // An exception must not unwind through the system's frames: it fails creation, validates a
    // paint that would otherwise repeat forever, and is dropped otherwise.
    LRESULT lResult = 0;
    bool bFailed = false;
    try {
        lResult = AfxWndProcAccess::WindowProc(pWnd, nMsg, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
        bFailed = true;
    } catch (...) {
        bFailed = true;
    }
    if (bFailed) {
        lResult = nMsg == WM_CREATE ? -1 : 0;
        if (nMsg == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
    }

    // A map that handled WM_NCDESTROY without calling the base handler left the object attached.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        AfxWndProcAccess::FinishNcDestroy(pWnd);

    pState->lastSentMsg = outerMsg;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else if (!DispatchMsgMap(message, 0, 0, wParam, lParam, &lResult)) {
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_pfnSuper ? ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam)
                      : ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG msg = AfxGetThreadState()->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->lastSentMsg;
    const DWORD dwPos = ::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(dwPos);
    pMsg->pt.y = (short)HIWORD(dwPos);
    pMsg->time = (DWORD)::GetMessageTime();
    return pMsg;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    UINT nCode = HIWORD(wParam);
    if (hWndCtrl) {
        if (ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    } else {
        nCode = CN_COMMAND;     // a menu or accelerator command
    }
    return nID != 0 && DispatchMsgMap(WM_COMMAND, nCode, nID, wParam, lParam, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    const UINT nID = (UINT)pNMHDR->idFrom;
    return DispatchMsgMap(WM_NOTIFY, pNMHDR->code, nID, nID, lParam, pResult);
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    LRESULT lResult = 0;
    return pChild && pChild->OnChildNotify(message, wParam, lParam, pResult ? pResult : &lResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild && pChild->SendChildNotifyLastMsg(pResult);
}

BOOL PASCAL CWnd::ReflectChildMsg(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hWndChild = ChildOfMessage(hWndParent, message, wParam, lParam);
    return hWndChild && ReflectToChild(hWndChild, message, wParam, lParam, pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG msg = AfxGetThreadState()->lastSentMsg;
    LRESULT lResult = 0;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult ? pResult : &lResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // A reflected colour request counts as handled only when it returns a brush.
        AFX_CTLCOLOR ctl = { m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX };
        LRESULT lResult = 0;
        if (!DispatchMsgMap(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, reinterpret_cast<LPARAM>(&ctl), &lResult) || !lResult)
            return FALSE;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    switch (message) {
    case WM_COMMAND:
        if (!DispatchMsgMap(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam, nullptr))
            return FALSE;
        if (pResult)
            *pResult = 1;
        return TRUE;
    case WM_NOTIFY:
        return DispatchMsgMap(WM_REFLECT_BASE + WM_NOTIFY, reinterpret_cast<const NMHDR*>(lParam)->code, 0,
                              wParam, lParam, pResult);
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return DispatchMsgMap(WM_REFLECT_BASE + message, 0, 0, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    const int nLength = hWndItem ? ::GetWindowTextLengthA(hWndItem) : 0;
    ::GetDlgItemTextA(m_hWnd, nID, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    // Over the alternate owner, else the parent (child windows) or owner, else the work area.
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (!hWndCenter)
        hWndCenter = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcArea;
    if (hWndCenter) {
        ::GetWindowRect(hWndCenter, &rcArea);
        if (GetStyle() & WS_CHILD)
            ::MapWindowPoints(nullptr, hWndCenter, reinterpret_cast<LPPOINT>(&rcArea), 2);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const int x = rcArea.left + (rcArea.Width() - rcWindow.Width()) / 2;
    const int y = rcArea.top + (rcArea.Height() - rcWindow.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, static_cast<HRGN>(pRgn->GetSafeHandle()), bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, static_cast<HRGN>(prgnUpdate->GetSafeHandle()), flags);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            static_cast<HRGN>(prgnUpdate->GetSafeHandle()), lpRectUpdate, flags);
}

int CWnd::GetScrollLimit(int nBar)
{
    int nMin = 0, nMax = 0;
    ::GetScrollRange(m_hWnd, nBar, &nMin, &nMax);
    SCROLLINFO info = { sizeof(SCROLLINFO), SIF_PAGE };
    if (::GetScrollInfo(m_hWnd, nBar, &info))
        nMax -= std::max((int)info.nPage - 1, 0);
    return nMax;
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}

// Window classes.

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (!lpWndClass || !lpWndClass->lpszClassName)
        return FALSE;
    WNDCLASSA wndcls;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    char szName[128];
    if (!hCursor && !hbrBackground && !hIcon)
        snprintf(szName, sizeof(szName), "Afx:%p:%x", (void*)hInstance, nClassStyle);
    else
        snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", (void*)hInstance, nClassStyle, (void*)hCursor,
                 (void*)hbrBackground, (void*)hIcon);

    WNDCLASSA wndcls = {};
    if (!::GetClassInfoA(hInstance, szName, &wndcls)) {
        // The procedure is the default one: the creation hook routes each window to its object.
        wndcls.style = nClassStyle;
        wndcls.lpfnWndProc = ::DefWindowProcA;
        wndcls.hInstance = hInstance;
        wndcls.hIcon = hIcon;
        wndcls.hCursor = hCursor;
        wndcls.hbrBackground = hbrBackground;
        wndcls.lpszClassName = szName;
        if (!AfxRegisterClass(&wndcls))
            AfxThrowResourceException();
    }

    // The names live as long as the library, so each caller's pointer stays valid.
    static std::mutex s_mutex;
    static std::set<std::string> s_names;
    std::lock_guard<std::mutex> lock(s_mutex);
    return s_names.insert(szName).first->c_str();
}

// Reflecting handlers of the base map: a child with a permanent object answers first.

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_MESSAGE(WM_VKEYTOITEM, OnChildItemMsg)
    ON_MESSAGE(WM_CHARTOITEM, OnChildItemMsg)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU
        && ReflectLastMsg(::GetDlgItem(m_hWnd, lpMeasureItemStruct->CtlID)))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

LRESULT CWnd::OnChildItemMsg(WPARAM, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(reinterpret_cast<HWND>(lParam), &lResult))
        return lResult;
    return Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY)
        && ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}

void CWnd::OnNcDestroy()
{
    Default();
    FinishNcDestroy();
}

// Handlers that only do the default processing.
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnMove(int, int) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
