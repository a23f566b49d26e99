// CVetIntegerEdit: a numeric edit without decimal places: up to 9 whole digits by default.
#pragma once
#include "CVetNumericEdit.h"

class MARLOW17_API CVetIntegerEdit : public CVetNumericEdit
{
    DECLARE_DYNAMIC(CVetIntegerEdit)
public:
    explicit CVetIntegerEdit(int nMaxWholeDigits = 9);
    virtual ~CVetIntegerEdit();
};
