#include "Behavior.h"
#include <algorithm>

Behavior::Behavior(CVetEdit* pEdit) : m_pEdit(pEdit), m_uFlags(0)
{
}

Behavior::~Behavior()
{
}

bool Behavior::ModifyFlags(UINT nAdd, UINT nRemove)
{
    const UINT uFlags = (m_uFlags & ~nRemove) | nAdd;
    if (uFlags == m_uFlags)
        return false;
    m_uFlags = uFlags;
    _Redraw();
    return true;
}

UINT Behavior::GetFlags() const
{
    return m_uFlags;
}

void Behavior::_OnChar(UINT, UINT, UINT)
{
    _Default();
}

void Behavior::_OnKeyDown(UINT, UINT, UINT)
{
    _Default();
}

void Behavior::_OnKillFocus(CWnd*)
{
    _Default();
}

LRESULT Behavior::_OnPaste(WPARAM wParam, LPARAM lParam)
{
    return m_pEdit->OnPaste(wParam, lParam);
}

LRESULT Behavior::_Default()
{
    return m_pEdit->Default();
}

void Behavior::_Redraw()
{
    m_pEdit->Redraw();
}

bool Behavior::_ShouldEnter(char c) const
{
    return m_pEdit->ShouldEnter(c);
}

bool Behavior::IsPrintableChar(UINT uChar)
{
    return uChar >= 0x20 && uChar != 0x7F;
}

CString Behavior::ReadLocaleInfo(LCTYPE type)
{
    char szBuffer[260] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, szBuffer, sizeof(szBuffer));
    return szBuffer;
}

bool Behavior::IsValidCTime(const CTime& time)
{
    struct tm tmLocal;
    return time.GetLocalTm(&tmLocal) != NULL;
}

bool Behavior::CheckValidity(bool bValid, bool bShowErrorIfNotValid, const std::function<void()>& report)
{
    if (!m_pEdit->IsWindowEnabled())
        return true;
    if (!bValid && bShowErrorIfNotValid) {
        report();
        m_pEdit->SetFocus();
    }
    return bValid;
}

bool Behavior::CanStep(int nValue, int nStep, int nMin, int nMax)
{
    return nStep > 0 ? nMin <= nValue && nValue < nMax : nValue > nMin;
}

void Behavior::OnFieldControlChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    if (uChar == VK_BACK && nStart != m_pEdit->GetText().GetLength())
        m_pEdit->SetSel(std::max(nEnd - 1, 0), std::max(nEnd - 1, 0));
    else
        Behavior::_OnChar(uChar, nRepCnt, nFlags);
}

void Behavior::OnFieldDelete(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int nLength = m_pEdit->GetText().GetLength();
    if (nEnd == nLength || (nStart == nEnd && nStart == nLength - 1))
        Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);
}
