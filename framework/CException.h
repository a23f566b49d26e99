// CException: the root of the framework's exceptions. They are thrown as pointers and the catcher
// calls Delete():  catch (CFileException* e) { ...; e->Delete(); }
#pragma once
#include "CObject.h"

class MARLOW17_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);

    // Frees a heap exception; does nothing for one that is not auto-deleted (a static object).
    void Delete();
    // Copies the message, cut to nMaxError - 1 characters; FALSE (and an empty text) when the
    // exception has none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // Shows the message in a message box; without one, the host's string nMessageID, or a fixed
    // text when that is 0 or missing. Returns the box's result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    virtual ~CException() = 0;

    BOOL m_bAutoDelete;

protected:
    // Shared by the derived classes: copies pszMessage into the caller's buffer.
    static BOOL CopyMessage(LPCTSTR pszMessage, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};
