// CMemoryException: an allocation failed.
#pragma once
#include "CSimpleException.h"

class MARLOW17_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
};

// Throws the one static memory exception (nothing is allocated when memory is short); Delete() on
// it does nothing.
[[noreturn]] MARLOW17_API void AfxThrowMemoryException();
