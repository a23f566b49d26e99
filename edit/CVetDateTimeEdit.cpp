#include "CVetDateTimeEdit.h"

IMPLEMENT_DYNAMIC(CVetDateTimeEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetDateTimeEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
    ON_WM_KEYDOWN_BEHAVIOR()
    ON_WM_KILLFOCUS_BEHAVIOR()
    ON_WM_PASTE_BEHAVIOR()
END_MESSAGE_MAP()

CVetDateTimeEdit::CVetDateTimeEdit() : Behavior(this), DateTimeBehavior(this)
{
}

CVetDateTimeEdit::~CVetDateTimeEdit()
{
}

CString CVetDateTimeEdit::GetValidText() const
{
    return _GetValidText();
}
