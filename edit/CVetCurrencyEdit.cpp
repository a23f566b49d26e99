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
    // The window does not exist yet: the setters only store.
    SetDigitsInGroup(3);
    SetMaxDecimalPlaces(2);
    ModifyFlags(PadDecimalsOnSet | TrimLeadingZeros | KeepEmpty | PadDecimalPlaces, 0);

    CString strPrefix = "$";
    char szValue[10];
    if (ReadLocale(LOCALE_SCURRENCY, szValue, sizeof(szValue)))
        strPrefix = szValue;
    if (ReadLocale(LOCALE_SMONGROUPING, szValue, sizeof(szValue)))
        SetDigitsInGroup(atoi(szValue));        // the first group; "3;2;0" groups by 3 here
    if (ReadLocale(LOCALE_ICURRDIGITS, szValue, sizeof(szValue)))
        SetMaxDecimalPlaces(atoi(szValue));
    if (ReadLocale(LOCALE_ICURRENCY, szValue, sizeof(szValue))) {
        const int nPosition = atoi(szValue);
        if (nPosition == SymbolBeforeSpaced)
            strPrefix += ' ';
        else if (nPosition != SymbolBefore)
            strPrefix.Empty();          // the symbol goes after the number: no prefix
    }
    SetPrefix(strPrefix);

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
