// CSimpleException: an exception that carries nothing but a fixed message.
#pragma once
#include "CException.h"

class MARLOW17_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    ~CSimpleException() override;

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

protected:
    LPCTSTR m_pszMessage;   // set by each derived class
};
