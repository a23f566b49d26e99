// CVetTimeEdit: a validating edit for times of day: the edit frame joined to TimeBehavior.
// Create it (or subclass a dialog's edit) and configure it through the behaviour's members.
#pragma once
#include "CVetEdit.h"
#include "TimeBehavior.h"

class MARLOW17_API CVetTimeEdit : public CVetEdit, public TimeBehavior
{
    DECLARE_DYNAMIC(CVetTimeEdit)
public:
    CVetTimeEdit();
    virtual ~CVetTimeEdit();

protected:
    virtual CString GetValidText() const;

    DECLARE_MESSAGE_MAP()
};
