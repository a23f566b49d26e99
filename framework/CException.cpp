#include "CException.h"
#include "CString.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException() : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::CopyMessage(LPCTSTR pszMessage, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, pszMessage ? pszMessage : "", (int)nMaxError);
    return pszMessage && *pszMessage;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CopyMessage(NULL, lpszError, nMaxError, pnHelpContext);
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char szMessage[512];
    CString strMessage;
    if (GetErrorMessage(szMessage, sizeof(szMessage)))
        strMessage = szMessage;
    else if (nMessageID == 0 || !strMessage.LoadString(nMessageID))
        strMessage = "No error message is available.";
    return AfxMessageBox(strMessage, nType);
}
