#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)

static const char s_szMessage[] = "Out of memory.";

CMemoryException::CMemoryException() { m_pszMessage = s_szMessage; }
CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) { m_pszMessage = s_szMessage; }

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}
