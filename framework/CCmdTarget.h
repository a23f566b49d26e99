// CCmdTarget: the root of every class that owns a message map. A message map is a table of
// entries (message, notification code, control identifier range, handler thunk) chained to the
// base class's table; the first matching entry, searching the most derived table first, wins.
#pragma once
#include "CObject.h"

class CCmdTarget;

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
#ifndef afx_msg
#define afx_msg
#endif

// A handler thunk unpacks wParam and lParam, calls the member and stores its result. It returns
// FALSE only when the handler declined the message (the _EX forms), so routing goes on.
typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;            // window message; AFX_REGISTERED_MESSAGE for registered ones
    UINT nCode;               // control notification or WM_NOTIFY code
    UINT nID;                 // first control identifier (0 for window messages)
    UINT nLastID;             // last control identifier of a range
    const UINT* pnMessage;    // the registered message's variable
    AFX_PMSG pfn;             // handler thunk; null ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class MARLOW17_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Finds the first entry for (message, code, identifier) in this object's map chain and calls
    // it. TRUE when a handler took the message; *pResult then holds its result.
    BOOL DispatchMsgMap(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                        LRESULT* pResult);
};
