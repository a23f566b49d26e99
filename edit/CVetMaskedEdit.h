// CVetMaskedEdit: a validating edit whose text fits a mask (see MaskedBehavior). Without a mask it
// takes any text.
#pragma once
#include "CVetEdit.h"
#include "MaskedBehavior.h"

class MARLOW17_API CVetMaskedEdit : public CVetEdit, public MaskedBehavior
{
    DECLARE_DYNAMIC(CVetMaskedEdit)
public:
    CVetMaskedEdit(const CString& strMask = "");
    virtual ~CVetMaskedEdit();

protected:
    CString GetValidText() const override;

    DECLARE_MESSAGE_MAP()
};
