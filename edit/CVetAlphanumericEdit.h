// CVetAlphanumericEdit: a validating edit for free text. By default it has no length limit and
// refuses the characters % ' * " + ? > < : and backslash.
#pragma once
#include "CVetEdit.h"
#include "AlphanumericBehavior.h"

class MARLOW17_API CVetAlphanumericEdit : public CVetEdit, public AlphanumericBehavior
{
    DECLARE_DYNAMIC(CVetAlphanumericEdit)
public:
    CVetAlphanumericEdit(int nMaxChars = 0, const CString& strInvalidChars = "%'*\"+?><:\\");
    virtual ~CVetAlphanumericEdit();

protected:
    CString GetValidText() const override;

    DECLARE_MESSAGE_MAP()
};
