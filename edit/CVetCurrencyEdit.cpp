#include "CVetCurrencyEdit.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(CVetCurrencyEdit, CVetNumericEdit)

namespace {

// One of the user's locale settings; false when the locale has no value for it (or a longer one
// than the buffer holds).
bool ReadLocale(LCTYPE type, char* pszValue, int nSize)
{
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, pszValue, nSize) > 1;
}

// Where LOCALE_ICURRENCY puts the symbol: the prefix that the symbol makes.
enum CurrencyPosition
{
    SymbolBefore = 0,           // "$1.1"
    SymbolBeforeSpaced = 2,     // "$ 1.1"
};

}  // namespace

CVetCurrencyEdit::CVetCurrencyEdit() : CVetNumericEdit(9, 4)
{
    m_nDigitsInGroup = 3;
    m_nMaxDecimalPlaces = 2;
    m_strPrefix = "$";
    m_uFlags |= PadDecimalsOnSet | TrimLeadingZeros | KeepEmpty | PadDecimalPlaces;

    char szValue[10];
    if (ReadLocale(LOCALE_SCURRENCY, szValue, sizeof(szValue)))
        m_strPrefix = szValue;
    if (ReadLocale(LOCALE_SMONGROUPING, szValue, sizeof(szValue)))
        m_nDigitsInGroup = atoi(szValue);       // the first group; "3;2;0" groups by 3 here
    if (ReadLocale(LOCALE_ICURRDIGITS, szValue, sizeof(szValue)))
        m_nMaxDecimalPlaces = atoi(szValue);
    if (ReadLocale(LOCALE_ICURRENCY, szValue, sizeof(szValue))) {
        const int nPosition = atoi(szValue);
        if (nPosition == SymbolBeforeSpaced)
            m_strPrefix += ' ';
        else if (nPosition != SymbolBefore)
            m_strPrefix.Empty();        // the symbol goes after the number: no prefix
    }
    char cDecimal = m_cDecimalPoint, cGroup = m_cGroupSeparator;
    if (ReadLocale(LOCALE_SMONDECIMALSEP, szValue, sizeof(szValue)))
        cDecimal = szValue[0];
    if (ReadLocale(LOCALE_SMONTHOUSANDSEP, szValue, sizeof(szValue)))
        cGroup = szValue[0];
    SetSeparators(cDecimal, cGroup);
}

CVetCurrencyEdit::~CVetCurrencyEdit()
{
}
