// CVetCurrencyEdit: a numeric edit for amounts of money in the user's currency: the currency symbol
// before the number (none when the locale puts it after), the locale's monetary grouping, decimal
// places and separators. Losing the focus pads the decimal places and trims leading zeros; an
// empty text stays empty.
#pragma once
#include "CVetNumericEdit.h"

class MARLOW17_API CVetCurrencyEdit : public CVetNumericEdit
{
    DECLARE_DYNAMIC(CVetCurrencyEdit)
public:
    CVetCurrencyEdit();
    virtual ~CVetCurrencyEdit();
};
