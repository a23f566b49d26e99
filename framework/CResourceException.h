// CResourceException: a Windows resource (window class, GDI object, resource data) could not be had.
#pragma once
#include "CSimpleException.h"

class MARLOW17_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();
    explicit CResourceException(BOOL bAutoDelete);
};

[[noreturn]] MARLOW17_API void AfxThrowResourceException();
