// CVetDateTimeEdit: a validating edit for a date and a time: the edit frame joined to DateTimeBehavior.
// Create it (or subclass a dialog's edit) and configure it through the behaviour's members.
// Behavior is a virtual base, so a class derived from this one names it in its constructor too:
// CMyEdit() : Behavior(this) {}.
#pragma once
#include "CVetEdit.h"
#include "DateTimeBehavior.h"

class MARLOW17_API CVetDateTimeEdit : public CVetEdit, public DateTimeBehavior
{
    DECLARE_DYNAMIC(CVetDateTimeEdit)
public:
    CVetDateTimeEdit();
    virtual ~CVetDateTimeEdit();

protected:
    virtual CString GetValidText() const;

    DECLARE_MESSAGE_MAP()
};
