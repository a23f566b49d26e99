#include "MaskedBehavior.h"

#include <algorithm>
#include <mbctype.h>
#include <mbstring.h>

MaskedBehavior::Symbol::Symbol() : m_cSymbol(0), m_fnValidation(NULL), m_fnConversion(NULL)
{
}

MaskedBehavior::Symbol::Symbol(char cSymbol, ValidationFunction fnValidation, ConversionFunction fnConversion)
    : m_cSymbol(cSymbol), m_fnValidation(fnValidation), m_fnConversion(fnConversion)
{
}

MaskedBehavior::Symbol::~Symbol()
{
}

bool MaskedBehavior::Symbol::Validate(char c) const
{
    return !m_fnValidation || m_fnValidation(static_cast<BYTE>(c)) != 0;
}

char MaskedBehavior::Symbol::Convert(char c) const
{
    return m_fnConversion ? static_cast<char>(m_fnConversion(static_cast<BYTE>(c))) : c;
}

void MaskedBehavior::Symbol::Set(char cSymbol)
{
    m_cSymbol = cSymbol;
}

char MaskedBehavior::Symbol::Get() const
{
    return m_cSymbol;
}

MaskedBehavior::Symbol::operator char() const
{
    return m_cSymbol;
}

MaskedBehavior::MaskedBehavior(CVetEdit* pEdit, const CString& strMask) : Behavior(pEdit), m_strMask(strMask)
{
}

void MaskedBehavior::SetMask(const CString& strMask)
{
    if (m_strMask == strMask)
        return;
    m_strMask = strMask;
    _Redraw();
}

const CString& MaskedBehavior::GetMask() const
{
    return m_strMask;
}

MaskedBehavior::SymbolArray& MaskedBehavior::GetSymbolArray()
{
    return m_arraySymbols;
}

CString MaskedBehavior::GetNumericText() const
{
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    CString strDigits;
    for (int i = 0; i < nLength; ++i) {
        const BYTE byte = static_cast<BYTE>(strText[i]);
        // A double-byte character is tested whole and kept whole.
        const int nBytes = (_ismbblead(byte) && i + 1 < nLength) ? 2 : 1;
        const UINT uChar = nBytes == 2 ? (byte << 8) | static_cast<BYTE>(strText[i + 1]) : byte;
        if (_ismbcdigit(uChar))
            strDigits += strText.Mid(i, nBytes);
        i += nBytes - 1;
    }
    return strDigits;
}

const MaskedBehavior::Symbol* MaskedBehavior::FindSymbol(char cMask) const
{
    for (INT_PTR i = 0; i < m_arraySymbols.GetSize(); ++i)
        if (m_arraySymbols[i].Get() == cMask)
            return &m_arraySymbols[i];
    return NULL;
}

const MaskedBehavior::Symbol* MaskedBehavior::FindValidSymbol(char cMask, char c) const
{
    for (INT_PTR i = 0; i < m_arraySymbols.GetSize(); ++i)
        if (m_arraySymbols[i].Get() == cMask && m_arraySymbols[i].Validate(c))
            return &m_arraySymbols[i];
    return NULL;
}

void MaskedBehavior::ReplaceRange(int nStart, int nEnd, const CString& strText)
{
    m_pEdit->SetSel(nStart, nEnd);
    m_pEdit->ReplaceSel(strText, TRUE);
}

CString MaskedBehavior::_GetValidText() const
{
    const CString strText = m_pEdit->GetText();
    if (m_strMask.IsEmpty())
        return strText;

    CString strValid;
    const int nLength = std::min(strText.GetLength(), m_strMask.GetLength());
    for (int i = 0; i < nLength; ++i) {
        const char c = strText[i];
        const char cMask = m_strMask[i];
        if (const Symbol* pSymbol = FindValidSymbol(cMask, c))
            strValid += pSymbol->Convert(c);
        else if (c == cMask && !FindSymbol(cMask))
            strValid += c;      // the literal of this position
        else
            break;
    }
    return strValid;
}

void MaskedBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;
    const char c = static_cast<char>(uChar);
    if (m_strMask.IsEmpty()) {
        if (_ShouldEnter(c))
            Behavior::_OnChar(uChar, nRepCnt, nFlags);
        return;
    }

    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const int nMaskLength = m_strMask.GetLength();
    if (nStart >= nMaskLength && uChar != VK_BACK)
        return;
    const int nLength = m_pEdit->GetWindowTextLength();

    if (!IsPrintableChar(uChar)) {
        // Backspace deletes only at the end of the text; elsewhere it moves the caret left.
        if (uChar == VK_BACK && nStart != nLength)
            m_pEdit->SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        else if (_ShouldEnter(c))
            Behavior::_OnChar(uChar, nRepCnt, nFlags);
        return;
    }

    // A selection that reaches the end of the text is replaced; otherwise the character overwrites
    // the one at the caret.
    const int nReplaceEnd = nEnd == nLength ? nEnd : nStart + 1;
    const char cMask = m_strMask[nStart];
    if (const Symbol* pSymbol = FindSymbol(cMask)) {
        if (pSymbol->Validate(c) && _ShouldEnter(c))
            ReplaceRange(nStart, nReplaceEnd, CString(pSymbol->Convert(c)));
        return;
    }
    if (c == cMask) {
        if (_ShouldEnter(c))
            ReplaceRange(nStart, nReplaceEnd, CString(c));
        return;
    }

    // The caret is on a literal that c is not: when c fits the next placeholder, fill in the
    // literals up to it and enter c there.
    int nSkip = -1;
    for (int i = nStart; i < nMaskLength && nSkip < 0; ++i)
        if (FindSymbol(m_strMask[i]))
            nSkip = i - nStart;
    if (nSkip < 0)
        return;
    for (INT_PTR i = 0; i < m_arraySymbols.GetSize(); ++i) {
        const Symbol& symbol = m_arraySymbols[i];
        if (!symbol.Validate(c) || symbol.Get() != m_strMask[nStart + nSkip] || !_ShouldEnter(c))
            continue;
        ReplaceRange(nStart, nStart + nSkip, m_strMask.Mid(nStart, nSkip));
        // Only when the literals went in (a text limit may refuse them) is c entered after them.
        int nNewStart = 0, nNewEnd = 0;
        m_pEdit->GetSel(nNewStart, nNewEnd);
        if (nNewStart == nStart + nSkip)
            _OnChar(uChar, nRepCnt, nFlags);
        return;
    }
}

void MaskedBehavior::_OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (uChar == VK_DELETE) {
        // Delete removes only what ends the text: a selection reaching the end, or the last
        // character.
        int nStart = 0, nEnd = 0;
        m_pEdit->GetSel(nStart, nEnd);
        const int nLength = m_pEdit->GetWindowTextLength();
        if (nEnd == nLength || (nStart == nEnd && nEnd == nLength - 1))
            _Default();
        return;
    }
    Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);
}
