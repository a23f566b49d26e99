// CInvalidArgException: a caller passed an argument outside its valid range (a bad index, a null
// pointer where one is required).
#pragma once
#include "CSimpleException.h"

class MARLOW17_API CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
    explicit CInvalidArgException(BOOL bAutoDelete);
};

[[noreturn]] MARLOW17_API void AfxThrowInvalidArgException();
