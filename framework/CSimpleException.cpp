#include "CSimpleException.h"

IMPLEMENT_DYNAMIC(CSimpleException, CException)

CSimpleException::CSimpleException() : m_pszMessage(NULL) {}
CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete), m_pszMessage(NULL) {}
CSimpleException::~CSimpleException() {}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(m_pszMessage, lpszError, nMaxError, pnHelpContext);
}
