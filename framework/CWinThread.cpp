#include "CWinThread.h"
#include "CDC.h"
#include "CGdiObject.h"
#include "CWinApp.h"
#include "CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

BOOL PreTranslateThroughTree(MSG* pMsg, CWnd* pMainWnd)
{
    HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A message for another top-level window (a modeless one) still passes the main window.
    if (hWndMain && pMsg->hwnd && ::GetAncestor(pMsg->hwnd, GA_ROOT) != hWndMain)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL PumpOneMessage(CWinThread* pThread)
{
    MSG msg;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    const BOOL bFiltered = pThread ? pThread->PreTranslateMessage(&msg) : PreTranslateThroughTree(&msg, nullptr);
    if (!bFiltered) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

}  // namespace

CWinThread::CWinThread() : m_pMainWnd(nullptr)
{
}

CWinThread::~CWinThread() = default;

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return 0;
}

int CWinThread::Run()
{
    for (;;) {
        MSG msg;
        for (LONG lIdle = 0; !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdle); ++lIdle) {
        }
        if (!PumpMessage())
            return ExitInstance();
    }
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        return TRUE;
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return PreTranslateThroughTree(pMsg, GetMainWnd());
}

BOOL CWinThread::PumpMessage()
{
    return PumpOneMessage(this);
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetApp();
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->PreTranslateMessage(pMsg) : PreTranslateThroughTree(pMsg, nullptr);
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->PumpMessage() : PumpOneMessage(nullptr);
}
