#include "CVetEdit.h"

IMPLEMENT_DYNAMIC(CVetEdit, CEdit)

BEGIN_MESSAGE_MAP(CVetEdit, CEdit)
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

CVetEdit::CVetEdit() : m_rgbText(0), m_uInternalFlags(0)
{
}

CVetEdit::~CVetEdit()
{
}

CString CVetEdit::GetText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

CString CVetEdit::GetTrimmedText() const
{
    CString strText = GetText();
    strText.Trim();
    return strText;
}

void CVetEdit::SetText(const CString& strText)
{
    SetWindowText(strText);
}

void CVetEdit::SetBackgroundColor(COLORREF rgb)
{
    m_brushBackground.DeleteObject();
    m_brushBackground.CreateSolidBrush(rgb);
    if (::IsWindow(m_hWnd))
        Invalidate();
}

COLORREF CVetEdit::GetBackgroundColor() const
{
    if (m_brushBackground.GetSafeHandle()) {
        LOGBRUSH lb = {};
        m_brushBackground.GetObject(sizeof(lb), &lb);
        return lb.lbColor;
    }
    // Until a colour is set, the edit's own device context says what the background is; the
    // brush made from it keeps the answer.
    HDC hDC = ::GetDC(m_hWnd);
    const COLORREF rgb = ::GetBkColor(hDC);
    ::ReleaseDC(m_hWnd, hDC);
    m_brushBackground.CreateSolidBrush(rgb);
    return rgb;
}

void CVetEdit::SetTextColor(COLORREF rgb)
{
    m_rgbText = rgb;
    m_uInternalFlags |= TextColorKnown;
    if (::IsWindow(m_hWnd))
        Invalidate();
}

COLORREF CVetEdit::GetTextColor() const
{
    if (!(m_uInternalFlags & TextColorKnown)) {
        HDC hDC = ::GetDC(m_hWnd);
        m_rgbText = ::GetTextColor(hDC);
        ::ReleaseDC(m_hWnd, hDC);
        m_uInternalFlags |= TextColorKnown;
    }
    return m_rgbText;
}

bool CVetEdit::IsReadOnly() const
{
    return (GetStyle() & ES_READONLY) != 0;
}

void CVetEdit::Redraw()
{
    if (!::IsWindow(m_hWnd))
        return;
    const CString strValid = GetValidText();
    if (strValid != GetText())
        SetWindowText(strValid);
}

CString CVetEdit::GetValidText() const
{
    return GetText();
}

bool CVetEdit::ShouldEnter(char) const
{
    return true;
}

BOOL CVetEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Read-only and disabled edits ask with WM_CTLCOLORSTATIC, the others with WM_CTLCOLOREDIT.
    const bool bColorRequest = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC;
    if (!bColorRequest || (!m_brushBackground.GetSafeHandle() && !(m_uInternalFlags & TextColorKnown)))
        return CEdit::OnChildNotify(message, wParam, lParam, pResult);

    HDC hDC = reinterpret_cast<HDC>(wParam);
    if (m_rgbText)      // black means "the platform's text colour"
        ::SetTextColor(hDC, m_rgbText);
    ::SetBkColor(hDC, GetBackgroundColor());
    if (pResult)
        *pResult = reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brushBackground));
    return TRUE;
}

LRESULT CVetEdit::OnCut(WPARAM, LPARAM)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart < nEnd) {
        SendMessage(WM_COPY);
        // The selection goes the way Delete takes it, so the behaviour's rules decide what may be
        // removed (a mask keeps its positions, a read-only edit keeps its text).
        SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    }
    return 0;
}

LRESULT CVetEdit::OnPaste(WPARAM, LPARAM)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    Default();
    const CString strValid = GetValidText();
    if (strValid != GetText()) {
        SetWindowText(strValid);
        SetSel(nStart, nEnd);       // the platform clamps it to the new length
    }
    return 0;
}

LRESULT CVetEdit::OnClear(WPARAM, LPARAM)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart < nEnd)
        SendMessage(WM_KEYDOWN, VK_DELETE, 0);      // the behaviour's own Delete handling
    return 0;
}

LRESULT CVetEdit::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    const CString strValid = GetValidText();
    const LPCTSTR pszRequested = lParam ? reinterpret_cast<LPCTSTR>(lParam) : "";
    // The valid form is stored as it is, without validating it again: a behaviour whose valid
    // text does not validate to itself must not make the window re-validate forever.
    if (strValid != pszRequested)
        DefWindowProc(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strValid)));
    return lResult;
}
