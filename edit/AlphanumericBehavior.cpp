#include "AlphanumericBehavior.h"

AlphanumericBehavior::AlphanumericBehavior(CVetEdit* pEdit, int nMaxChars, const CString& strInvalidChars)
    : Behavior(pEdit), m_nMaxChars(nMaxChars), m_strInvalidChars(strInvalidChars)
{
}

void AlphanumericBehavior::SetInvalidCharacters(const CString& strInvalidChars)
{
    if (m_strInvalidChars == strInvalidChars)
        return;
    m_strInvalidChars = strInvalidChars;
    _Redraw();
}

const CString& AlphanumericBehavior::GetInvalidCharacters() const
{
    return m_strInvalidChars;
}

void AlphanumericBehavior::SetMaxCharacters(int nMaxChars)
{
    if (m_nMaxChars == nMaxChars)
        return;
    m_nMaxChars = nMaxChars;
    _Redraw();
}

int AlphanumericBehavior::GetMaxCharacters() const
{
    return m_nMaxChars;
}

bool AlphanumericBehavior::IsInvalidChar(UINT uChar) const
{
    return uChar != 0 && uChar <= 0xFF && m_strInvalidChars.Find(static_cast<char>(uChar)) >= 0;
}

CString AlphanumericBehavior::_GetValidText() const
{
    CString strText = m_pEdit->GetText();
    if (m_nMaxChars > 0 && strText.GetLength() > m_nMaxChars)
        strText = strText.Left(m_nMaxChars);
    for (int i = strText.GetLength() - 1; i >= 0; --i)
        if (IsInvalidChar(static_cast<BYTE>(strText[i])))
            strText.Delete(i);
    return strText;
}

void AlphanumericBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    if (IsInvalidChar(uChar)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    const char c = static_cast<char>(uChar);
    // A full text takes a printable character in place of the one after the caret.
    if (m_nMaxChars > 0 && m_pEdit->GetWindowTextLength() >= m_nMaxChars && IsPrintableChar(uChar)) {
        int nStart = 0, nEnd = 0;
        m_pEdit->GetSel(nStart, nEnd);
        if (nStart < m_nMaxChars && _ShouldEnter(c)) {
            const char szChar[2] = {c, '\0'};
            m_pEdit->SetSel(nStart, nStart + 1);
            m_pEdit->ReplaceSel(szChar, TRUE);
        }
        return;
    }
    if (_ShouldEnter(c))
        Behavior::_OnChar(uChar, nRepCnt, nFlags);
}
