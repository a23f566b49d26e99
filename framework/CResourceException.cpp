#include "CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

static const char s_szMessage[] = "A required resource was unavailable.";

CResourceException::CResourceException() { m_pszMessage = s_szMessage; }
CResourceException::CResourceException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) { m_pszMessage = s_szMessage; }

void AfxThrowResourceException()
{
    throw new CResourceException;
}
