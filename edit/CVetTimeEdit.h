// CVetTimeEdit: a validating edit for times of day: the edit frame joined to TimeBehavior.
// Create it (or subclass a dialog's edit) and configure it through the behaviour's members.
// Behavior is a virtual base, so a class derived from this one names it in its constructor too:
// CMyEdit() : Behavior(this) {}.
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
