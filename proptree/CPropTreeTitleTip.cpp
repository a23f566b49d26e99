#include "CPropTreeTitleTip.h"
#include "CPropTree.h"

namespace {

const UINT_PTR kHideTimer = 1;

}  // namespace

IMPLEMENT_DYNAMIC(CPropTreeTitleTip, CWnd)

BEGIN_MESSAGE_MAP(CPropTreeTitleTip, CWnd)
END_MESSAGE_MAP()

CPropTreeTitleTip::CPropTreeTitleTip()
    : m_pItem(NULL), m_pProp(NULL), m_dwLastLButtonDown(0xFFFFFFFF), m_nDblClickTime(::GetDoubleClickTime())
{
    WNDCLASS wc;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (::GetClassInfo(hInst, PROPTREE_TITLETIP_CLASSNAME, &wc))
        return;
    wc = WNDCLASS();
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
    wc.lpszClassName = PROPTREE_TITLETIP_CLASSNAME;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
}

CPropTreeTitleTip::~CPropTreeTitleTip()
{
}

BOOL CPropTreeTitleTip::Create(CPropTree* pProp)
{
    m_pProp = pProp;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, PROPTREE_TITLETIP_CLASSNAME, NULL, WS_POPUP | WS_BORDER,
                    0, 0, 0, 0, NULL, NULL);
}

void CPropTreeTitleTip::Hide()
{
    if (!::IsWindow(m_hWnd))
        return;
    KillTimer(kHideTimer);
    ShowWindow(SW_HIDE);
}
