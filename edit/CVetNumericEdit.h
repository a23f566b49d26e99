// CVetNumericEdit: an edit window whose text is always a well-formed number (NumericBehavior). By
// default it takes up to 9 whole digits and 4 decimal places, with the user's decimal point and
// negative sign, without grouping or prefix.
#pragma once
#include "CVetEdit.h"
#include "NumericBehavior.h"

class MARLOW17_API CVetNumericEdit : public CVetEdit, public NumericBehavior
{
    DECLARE_DYNAMIC(CVetNumericEdit)
public:
    CVetNumericEdit(int nMaxWholeDigits = 9, int nMaxDecimalPlaces = 4);
    virtual ~CVetNumericEdit();

protected:
    virtual CString GetValidText() const;

    DECLARE_MESSAGE_MAP()
};
