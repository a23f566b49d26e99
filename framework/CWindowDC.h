// CWindowDC: the DC of a whole window, frame included (the screen's for a null window), released
// on destruction.
#pragma once
#include "CDC.h"

class MARLOW17_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    // A resource exception when the DC cannot be had.
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();

protected:
    HWND m_hWnd;
};
