#include "NumericBehavior.h"
#include "KillFocusFlags.h"
#include "SelectionSaver.h"
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The first character of one of the user's locale settings, or cFallback when it has none.
char LocaleChar(LCTYPE type, char cFallback)
{
    char szValue[16] = "";
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, szValue, sizeof(szValue)) > 1 ? szValue[0] : cFallback;
}

int DigitCount(int nDigits)
{
    return nDigits == INT_MIN ? INT_MAX : std::abs(nDigits);
}

bool IsDigit(UINT uChar)
{
    return uChar >= '0' && uChar <= '9';
}

// A character message against a character of the text; both as unsigned bytes, so separators above
// 0x7F (a no-break space, say) compare right.
bool IsChar(UINT uChar, char c)
{
    return uChar == static_cast<BYTE>(c);
}

}  // namespace

NumericBehavior::NumericBehavior(CVetEdit* pEdit, int nMaxWholeDigits, int nMaxDecimalPlaces)
    : Behavior(pEdit),
      m_nMaxWholeDigits(DigitCount(nMaxWholeDigits)),
      m_nMaxDecimalPlaces(std::max(nMaxDecimalPlaces, 0)),
      m_cNegativeSign(LocaleChar(LOCALE_SNEGATIVESIGN, '-')),
      m_cDecimalPoint(LocaleChar(LOCALE_SDECIMAL, '.')),
      m_cGroupSeparator(LocaleChar(LOCALE_STHOUSAND, ',')),
      m_nDigitsInGroup(0),
      m_dMin(-DBL_MAX),
      m_dMax(DBL_MAX),
      m_bAdjustingSeparators(false)
{
    if (nMaxWholeDigits < 0)
        m_uFlags |= NoNegative;
    SeparateGroupFromDecimal();
}

void NumericBehavior::SetDouble(double dText, bool bTrimTrailingZeros)
{
    m_pEdit->SetWindowText(GetDoubleText(dText, bTrimTrailingZeros));
}

double NumericBehavior::GetDouble() const
{
    return strtod(GetNumericText(m_pEdit->GetText(), true), nullptr);
}

void NumericBehavior::SetInt(int nText)
{
    CString strText;
    strText.Format("%d", nText);
    m_pEdit->SetWindowText(strText);
}

int NumericBehavior::GetInt() const
{
    // strtol saturates where atoi would overflow (more whole digits than an int holds).
    return static_cast<int>(strtol(GetNumericText(m_pEdit->GetText(), true), nullptr, 10));
}

void NumericBehavior::SetMaxWholeDigits(int nMaxWholeDigits)
{
    const bool bNoNegative = nMaxWholeDigits < 0;
    const int nDigits = DigitCount(nMaxWholeDigits);
    if (nDigits == m_nMaxWholeDigits && IsNegativeAllowed() == !bNoNegative)
        return;
    m_nMaxWholeDigits = nDigits;
    if (!ModifyFlags(bNoNegative ? NoNegative : 0, bNoNegative ? 0 : NoNegative))
        _Redraw();
}

int NumericBehavior::GetMaxWholeDigits() const
{
    return m_nMaxWholeDigits;
}

void NumericBehavior::SetMaxDecimalPlaces(int nMaxDecimalPlaces)
{
    nMaxDecimalPlaces = std::max(nMaxDecimalPlaces, 0);
    if (nMaxDecimalPlaces == m_nMaxDecimalPlaces)
        return;
    m_nMaxDecimalPlaces = nMaxDecimalPlaces;
    _Redraw();
}

int NumericBehavior::GetMaxDecimalPlaces() const
{
    return m_nMaxDecimalPlaces;
}

void NumericBehavior::AllowNegative(bool bAllowNegative)
{
    ModifyFlags(bAllowNegative ? 0 : NoNegative, bAllowNegative ? NoNegative : 0);
}

bool NumericBehavior::IsNegativeAllowed() const
{
    return !(m_uFlags & NoNegative);
}

void NumericBehavior::SetDigitsInGroup(int nDigitsInGroup)
{
    if (nDigitsInGroup == m_nDigitsInGroup)
        return;
    m_nDigitsInGroup = nDigitsInGroup;
    _Redraw();
}

int NumericBehavior::GetDigitsInGroup() const
{
    return m_nDigitsInGroup;
}

void NumericBehavior::SetSeparators(char cDecimal, char cGroup)
{
    if (cDecimal == m_cDecimalPoint && cGroup == m_cGroupSeparator)
        return;
    // A NUL would end the text there and a digit would be read as part of the number.
    for (const char c : {cDecimal, cGroup})
        if (c == '\0' || (c >= '0' && c <= '9'))
            return;
    m_cDecimalPoint = cDecimal;
    m_cGroupSeparator = cGroup;
    SeparateGroupFromDecimal();
    _Redraw();
}

void NumericBehavior::GetSeparators(char* pcDecimal, char* pcGroup) const
{
    if (pcDecimal)
        *pcDecimal = m_cDecimalPoint;
    if (pcGroup)
        *pcGroup = m_cGroupSeparator;
}

void NumericBehavior::SetPrefix(const CString& strPrefix)
{
    if (strPrefix == m_strPrefix)
        return;
    m_strPrefix = strPrefix;
    _Redraw();
}

const CString& NumericBehavior::GetPrefix() const
{
    return m_strPrefix;
}

void NumericBehavior::SetMask(const CString& strMask)
{
    m_nMaxWholeDigits = 0;
    m_nMaxDecimalPlaces = 0;
    m_nDigitsInGroup = 0;
    m_uFlags &= ~NoNegative;
    m_strPrefix.Empty();

    // Read from the right: decimal places until the decimal point, then whole digits; the
    // separator nearest to the point gives the group size; the first other character ends the
    // number and everything up to it is the prefix.
    const int nLength = strMask.GetLength();
    int nDecimalPos = -1;
    for (int i = nLength - 1; i >= 0; --i) {
        const char c = strMask[i];
        if (c == '#') {
            ++(nDecimalPos < 0 ? m_nMaxDecimalPlaces : m_nMaxWholeDigits);
        } else if ((c == '.' || c == m_cDecimalPoint) && nDecimalPos < 0) {
            nDecimalPos = i;
            m_cDecimalPoint = c;
        } else if (c == ',' || c == m_cGroupSeparator) {
            if (!m_nDigitsInGroup) {
                m_nDigitsInGroup = (nDecimalPos < 0 ? nLength : nDecimalPos) - i - 1;
                m_cGroupSeparator = c;
            }
        } else {
            m_strPrefix = strMask.Left(i + 1);
            break;
        }
    }
    if (nDecimalPos < 0) {
        m_nMaxWholeDigits = m_nMaxDecimalPlaces;
        m_nMaxDecimalPlaces = 0;
    }
    // A picture may name one character for both (",###,##" read with a decimal comma).
    SeparateGroupFromDecimal();
    _Redraw();
}

CString NumericBehavior::GetMask() const
{
    CString strMask('0', m_nMaxWholeDigits);
    if (m_nMaxDecimalPlaces > 0)
        strMask += m_cDecimalPoint + CString('0', m_nMaxDecimalPlaces);
    strMask = GetSeparatedText(strMask);
    strMask.Replace('0', '#');
    return strMask;
}

void NumericBehavior::SetRange(double dMin, double dMax)
{
    m_dMin = dMin;
    m_dMax = dMax;
    _Redraw();
}

void NumericBehavior::GetRange(double* pdMin, double* pdMax) const
{
    if (pdMin)
        *pdMin = m_dMin;
    if (pdMax)
        *pdMax = m_dMax;
}

bool NumericBehavior::IsValid() const
{
    const double dValue = GetDouble();
    return m_dMin <= dValue && dValue <= m_dMax;
}

bool NumericBehavior::CheckIfValid(bool bShowErrorIfNotValid)
{
    return CheckValidity(IsValid(), bShowErrorIfNotValid, [this] { ShowErrorMessage(); });
}

int NumericBehavior::GetGroupSeparatorCount(const CString& strText) const
{
    int nCount = 0;
    for (int i = GetNumberStart(strText); i < strText.GetLength(); ++i)
        nCount += strText[i] == m_cGroupSeparator;
    return nCount;
}

CString NumericBehavior::GetNumericText(const CString& strText, bool bUseMathSymbols) const
{
    return ScanNumber(strText, GetNumberStart(strText), bUseMathSymbols);
}

CString NumericBehavior::GetDoubleText(double dText, bool bTrimTrailingZeros) const
{
    CString strText;
    strText.Format("%lf", dText);
    if (m_cDecimalPoint != '.')
        strText.Replace('.', m_cDecimalPoint);
    if (bTrimTrailingZeros) {
        strText.TrimRight('0');
        strText.TrimRight(m_cDecimalPoint);
    }
    return strText;
}

CString NumericBehavior::GetSeparatedText(const CString& strText) const
{
    const CString strNumber = ScanNumber(strText, 0, false);
    const int nDecimalPos = strNumber.Find(m_cDecimalPoint);
    CString strWhole = nDecimalPos < 0 ? strNumber : strNumber.Left(nDecimalPos);
    if (m_nDigitsInGroup > 0) {
        const int nSignLength = strWhole.GetAt(0) == m_cNegativeSign ? 1 : 0;
        for (int i = strWhole.GetLength() - m_nDigitsInGroup - 1; i >= nSignLength; i -= m_nDigitsInGroup)
            strWhole.Insert(i + 1, m_cGroupSeparator);
    }
    if (strWhole.IsEmpty() && nDecimalPos < 0)
        return CString();      // no number, no prefix
    return m_strPrefix + strWhole + (nDecimalPos < 0 ? CString() : strNumber.Mid(nDecimalPos));
}

void NumericBehavior::AdjustSeparators(int nPrevSeparatorCount)
{
    SelectionSaver selection(m_pEdit);
    m_bAdjustingSeparators = true;

    const CString strValid = _GetValidText();
    if (strValid != m_pEdit->GetText())
        m_pEdit->SetWindowText(strValid);

    // Separators that came or went before the caret move it by as many characters.
    const int nSeparatorCount = GetGroupSeparatorCount(strValid);
    if (nSeparatorCount != nPrevSeparatorCount && selection.GetStart() > m_strPrefix.GetLength())
        selection += nSeparatorCount - nPrevSeparatorCount;

    m_bAdjustingSeparators = false;
}

void NumericBehavior::AdjustWithinRange()
{
    if (IsValid())
        return;
    _Redraw();
    const double dValue = GetDouble();
    if (dValue < m_dMin)
        SetDouble(m_dMin, true);
    else if (dValue > m_dMax)
        SetDouble(m_dMax, true);
}

void NumericBehavior::InsertZeros(CString* pStr, int nPos, int nCount)
{
    if (!pStr || nCount <= 0)
        return;
    if (nPos < 0)
        nPos = pStr->GetLength();
    pStr->Insert(nPos, CString('0', nCount));
}

void NumericBehavior::ShowErrorMessage() const
{
    // Indexed by (minimum set) | (maximum set) << 1; the first argument is the bound that is set.
    static const char* const s_formats[] = {
        "Please specify a valid numeric value.",
        "Please specify a numeric value greater than or equal to %s.",
        "Please specify a numeric value less than or equal to %s.",
        "Please specify a numeric value between %s and %s.",
    };
    const bool bMin = m_dMin > -DBL_MAX;
    const bool bMax = m_dMax < DBL_MAX;
    const CString strMin = GetDoubleText(m_dMin, true);
    const CString strMax = GetDoubleText(m_dMax, true);
    CString strMessage;
    strMessage.Format(s_formats[bMin | bMax << 1], static_cast<LPCSTR>(bMin ? strMin : strMax),
                      static_cast<LPCSTR>(strMax));
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}

CString NumericBehavior::_GetValidText() const
{
    const CString strText = m_pEdit->GetText();
    CString strNumber;          // digits and the decimal point
    bool bNegative = false;
    int nDecimalPos = -1;       // in strNumber

    for (int i = GetNumberStart(strText); i < strText.GetLength(); ++i) {
        const char c = strText[i];
        if (c == m_cNegativeSign && IsNegativeAllowed()) {
            bNegative = true;
        } else if (IsDigit(static_cast<BYTE>(c))) {
            if (nDecimalPos < 0 && strNumber.GetLength() >= m_nMaxWholeDigits)
                continue;       // excess whole digits go; a decimal point may still follow
            if (nDecimalPos >= 0 && strNumber.GetLength() - nDecimalPos - 1 >= m_nMaxDecimalPlaces)
                break;
            strNumber += c;
        } else if (c == m_cDecimalPoint && nDecimalPos < 0) {
            if (m_nMaxDecimalPlaces == 0)
                break;
            nDecimalPos = strNumber.GetLength();
            strNumber += c;
        }
    }

    const bool bPadDecimals =
        (m_uFlags & AlwaysPadDecimals) || ((m_uFlags & PadDecimalsOnSet) && !m_bAdjustingSeparators);
    if (m_nMaxDecimalPlaces > 0 && !strNumber.IsEmpty() && bPadDecimals) {
        if (nDecimalPos < 0) {
            nDecimalPos = strNumber.GetLength();
            strNumber += m_cDecimalPoint;
        }
        InsertZeros(&strNumber, -1, m_nMaxDecimalPlaces - (strNumber.GetLength() - nDecimalPos - 1));
    }
    if (bNegative)
        strNumber.Insert(0, m_cNegativeSign);
    return GetSeparatedText(strNumber);
}

void NumericBehavior::_OnChar(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pEdit->IsReadOnly())
        return;

    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    const int nPrefixLength = m_strPrefix.GetLength();
    const CString strNumber = GetNumericText(strText);
    const int nDecimalPos = strText.Find(m_cDecimalPoint, GetNumberStart(strText));
    const int nNumberDecimalPos = strNumber.Find(m_cDecimalPoint);
    const int nSeparatorCount = GetGroupSeparatorCount(strText);
    const bool bNegative = strNumber.GetAt(0) == m_cNegativeSign;
    const char c = static_cast<char>(uChar);

    // Inside the prefix, the prefix's own character overwrites it; a character of the number
    // completes the prefix and is then entered after it.
    if (nStart < nPrefixLength && IsPrintableChar(uChar)) {
        if (IsChar(uChar, m_strPrefix[nStart])) {
            if (!_ShouldEnter(c))
                return;
            if (nStart < nLength)
                ReplaceAt(nStart, nEnd, nLength, CString(c));
            else
                Behavior::_OnChar(uChar, nRepCnt, nFlags);
        } else if ((IsDigit(uChar) || IsChar(uChar, m_cNegativeSign) || IsChar(uChar, m_cDecimalPoint))
                   && _ShouldEnter(c)) {
            m_pEdit->SetSel(nStart, nEnd == nLength ? nEnd : nPrefixLength);
            m_pEdit->ReplaceSel(m_strPrefix.Mid(nStart), TRUE);
            // Once the caret stands after the prefix the character takes the ordinary way. (An edit
            // whose text limit refused the prefix leaves it where it was.)
            m_pEdit->GetSel(nStart, nEnd);
            if (nStart >= nPrefixLength)
                _OnChar(uChar, nRepCnt, nFlags);
        }
        return;
    }

    bool bAdjustSeparators = false;
    if (IsChar(uChar, m_cNegativeSign) && IsNegativeAllowed()) {
        // Right after the prefix the sign is typed like a digit; anywhere else it toggles the sign
        // of the number and the selection moves with the text.
        if (nStart == nPrefixLength) {
            if (bNegative) {
                if (_ShouldEnter(c))
                    ReplaceAt(nStart, nEnd, nLength, CString(c));
                return;
            }
        } else {
            if (!_ShouldEnter(c))
                return;
            if (bNegative) {
                const int nSignPos = strText.Find(m_cNegativeSign, GetNumberStart(strText));
                m_pEdit->SetSel(nSignPos, nSignPos + 1);
                m_pEdit->ReplaceSel("", TRUE);
                m_pEdit->SetSel(nStart - (nSignPos < nStart), nEnd - (nSignPos < nEnd));
            } else {
                m_pEdit->SetSel(nPrefixLength, nPrefixLength);
                m_pEdit->ReplaceSel(CString(c), TRUE);
                m_pEdit->SetSel(nStart + 1, nEnd + 1);
            }
            return;
        }
    } else if (IsChar(uChar, m_cDecimalPoint) && m_nMaxDecimalPlaces > 0) {
        // A second point only moves the caret behind the one there is, unless it replaces it.
        if (nDecimalPos >= 0 && (nDecimalPos < nStart || nDecimalPos >= nEnd)) {
            m_pEdit->SetSel(nDecimalPos + 1, nDecimalPos + 1);
            return;
        }
        bAdjustSeparators = true;
    } else if (!IsDigit(uChar)) {
        if (IsPrintableChar(uChar))
            return;
        bAdjustSeparators = true;       // Backspace and the clipboard keys change the digits
    } else if (nDecimalPos < 0 || nDecimalPos >= nStart) {
        // A digit in the whole part.
        const int nWholeLength = nNumberDecimalPos < 0 ? strNumber.GetLength() : nNumberDecimalPos;
        if (nStart - nPrefixLength - bNegative - nSeparatorCount == m_nMaxWholeDigits) {
            // The caret stands where a full whole part ends.
            if ((m_uFlags & AutoDecimalPoint) && m_nMaxDecimalPlaces > 0 && _ShouldEnter(c)) {
                m_pEdit->SetSel(nStart, nEnd == nLength ? nEnd : nStart + 2);
                m_pEdit->ReplaceSel(m_cDecimalPoint + CString(c), TRUE);
            }
            return;
        }
        if (nWholeLength - bNegative >= m_nMaxWholeDigits) {
            // A full whole part: the digit overwrites the one after the caret.
            if (!_ShouldEnter(c))
                return;
            if (strText.GetAt(nStart) == m_cGroupSeparator)
                ++nStart;
            ReplaceAt(nStart, nEnd, nLength, CString(c));
            return;
        }
        bAdjustSeparators = true;
    } else {
        // A digit after the decimal point: once every place is taken, it overwrites the one after
        // the caret.
        if (strNumber.GetLength() - nNumberDecimalPos - 1 >= m_nMaxDecimalPlaces) {
            if (nStart - nDecimalPos <= m_nMaxDecimalPlaces && _ShouldEnter(c))
                ReplaceAt(nStart, nEnd, nLength, CString(c));
            return;
        }
    }

    if (!_ShouldEnter(c))
        return;
    Behavior::_OnChar(uChar, nRepCnt, nFlags);
    if (bAdjustSeparators)
        AdjustSeparators(nSeparatorCount);
}

void NumericBehavior::_OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags)
{
    if (uChar != VK_DELETE) {
        Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);
        return;
    }

    int nStart = 0, nEnd = 0;
    m_pEdit->GetSel(nStart, nEnd);
    const CString strText = m_pEdit->GetText();
    const int nLength = strText.GetLength();
    const int nPrefixLength = m_strPrefix.GetLength();

    if (nStart >= nPrefixLength || nPrefixLength >= nLength) {
        // Delete before a separator takes the digit after it.
        if (nStart < nLength && nStart == nEnd && strText[nStart] == m_cGroupSeparator)
            m_pEdit->SetSel(nStart + 1, nStart + 1);
        const int nSeparatorCount = GetGroupSeparatorCount(strText);
        Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);
        AdjustSeparators(nSeparatorCount);
        // What was deleted up to the end leaves the caret at the end, whatever the regrouping did.
        if (nEnd == nLength)
            m_pEdit->SetSel(nStart, nStart);
    } else if (nEnd == nLength) {
        Behavior::_OnKeyDown(uChar, nRepCnt, nFlags);     // the prefix goes only with everything after it
    }
}

void NumericBehavior::_OnKillFocus(CWnd* pNewWnd)
{
    Behavior::_OnKillFocus(pNewWnd);

    const CString strNumber = GetNumericText(m_pEdit->GetText());
    CString strText = strNumber;
    if ((m_uFlags & TrimLeadingZeros) && !strText.IsEmpty()) {
        const bool bNegative = strText[0] == m_cNegativeSign;
        if (bNegative)
            strText.Delete(0);
        strText.TrimLeft('0');
        if (strText.IsEmpty() || strText[0] == m_cDecimalPoint)
            strText.Insert(0, '0');
        if (bNegative)
            strText.Insert(0, m_cNegativeSign);
    } else if (!(m_uFlags & NumericKillFocusFlags) || (strText.IsEmpty() && (m_uFlags & KeepEmpty))) {
        return;
    }

    if ((m_uFlags & PadDecimalPlaces) && m_nMaxDecimalPlaces > 0) {
        int nDecimalPos = strText.Find(m_cDecimalPoint);
        if (nDecimalPos < 0) {
            if (strText.IsEmpty() || strText == CString(m_cNegativeSign))
                strText = "0";
            nDecimalPos = strText.GetLength();
            strText += m_cDecimalPoint;
        }
        InsertZeros(&strText, -1, m_nMaxDecimalPlaces - (strText.GetLength() - nDecimalPos - 1));
    }

    if ((m_uFlags & PadWholeDigits) && m_nMaxWholeDigits > 0) {
        const int nSignLength = strText.GetAt(0) == m_cNegativeSign ? 1 : 0;
        const int nDecimalPos = strText.Find(m_cDecimalPoint);
        const int nWholeDigits = (nDecimalPos < 0 ? strText.GetLength() : nDecimalPos) - nSignLength;
        InsertZeros(&strText, nSignLength, m_nMaxWholeDigits - nWholeDigits);
    }

    if (strText != strNumber) {
        SelectionSaver selection(m_pEdit);
        m_pEdit->SetWindowText(strText);        // validation puts back prefix and separators
    }

    ApplyKillFocusFlags(m_pEdit, m_uFlags, strText.IsEmpty(), [this] { return IsValid(); },
                        [this] { AdjustWithinRange(); }, [this] { ShowErrorMessage(); });
}

int NumericBehavior::GetNumberStart(const CString& strText) const
{
    const int nPrefixLength = m_strPrefix.GetLength();
    return nPrefixLength && strncmp(strText, m_strPrefix, nPrefixLength) == 0 ? nPrefixLength : 0;
}

CString NumericBehavior::ScanNumber(const CString& strText, int nFrom, bool bUseMathSymbols) const
{
    CString strNumber;
    bool bNegative = false;
    bool bDecimal = false;
    for (int i = nFrom; i < strText.GetLength(); ++i) {
        const char c = strText[i];
        if (IsDigit(static_cast<BYTE>(c))) {
            strNumber += c;
        } else if (c == m_cNegativeSign) {
            bNegative = true;
        } else if (c == m_cDecimalPoint && !bDecimal) {
            bDecimal = true;
            strNumber += bUseMathSymbols ? '.' : m_cDecimalPoint;
        }
    }
    if (bNegative)
        strNumber.Insert(0, bUseMathSymbols ? '-' : m_cNegativeSign);
    return strNumber;
}

void NumericBehavior::SeparateGroupFromDecimal()
{
    if (m_cGroupSeparator == m_cDecimalPoint)
        m_cGroupSeparator = m_cDecimalPoint == ',' ? '.' : ',';
}

void NumericBehavior::ReplaceAt(int nStart, int nEnd, int nLength, const CString& strText)
{
    m_pEdit->SetSel(nStart, nEnd == nLength ? nEnd : nStart + 1);
    m_pEdit->ReplaceSel(strText, TRUE);
}
