// CWinThread: a user-interface thread's message loop, with PreTranslateMessage filtering through
// the target window and its parents, and idle-time cleanup of temporary wrappers.
#pragma once
#include "CCmdTarget.h"

class CWnd;

class MARLOW17_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd;       // the thread's main window, or null

    virtual CWnd* GetMainWnd();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, calling OnIdle while the queue is empty; returns ExitInstance().
    virtual int Run();
    // lCount counts the idle calls since the last message; FALSE when no more idle work is left.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
};

// The thread object: the application object (see AfxGetApp), or null when there is none.
MARLOW17_API CWinThread* AFXAPI AfxGetThread();

// Message loop helpers for modal loops and hosts: AfxPreTranslateMessage walks PreTranslateMessage
// from the message's window up its parents (and to the main window); AfxPumpMessage gets one
// message, filters it that way, then translates and dispatches it; FALSE on WM_QUIT.
MARLOW17_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
MARLOW17_API BOOL AFXAPI AfxPumpMessage();
