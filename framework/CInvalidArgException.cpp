#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)

static const char s_szMessage[] = "Encountered an improper argument.";

CInvalidArgException::CInvalidArgException() { m_pszMessage = s_szMessage; }
CInvalidArgException::CInvalidArgException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) { m_pszMessage = s_szMessage; }

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
