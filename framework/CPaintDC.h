// CPaintDC: the DC of BeginPaint for a window's WM_PAINT, ended on destruction.
#pragma once
#include "CDC.h"

class MARLOW17_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    // A resource exception when painting cannot begin.
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
