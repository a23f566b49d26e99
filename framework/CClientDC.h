// CClientDC: the DC of a window's client area (the screen's for a null window), released on
// destruction.
#pragma once
#include "CDC.h"

class MARLOW17_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    // A resource exception when the DC cannot be had.
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();

protected:
    HWND m_hWnd;
};
