// CVetDateEdit: a validating edit for dates: the edit frame joined to DateBehavior.
// Create it (or subclass a dialog's edit) and configure it through the behaviour's members.
// Behavior is a virtual base, so a class derived from this one names it in its constructor too:
// CMyEdit() : Behavior(this) {}.
#pragma once
#include "CVetEdit.h"
#include "DateBehavior.h"

class MARLOW17_API CVetDateEdit : public CVetEdit, public DateBehavior
{
    DECLARE_DYNAMIC(CVetDateEdit)
public:
    CVetDateEdit();
    virtual ~CVetDateEdit();

protected:
    virtual CString GetValidText() const;

    DECLARE_MESSAGE_MAP()
};
