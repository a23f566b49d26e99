#include "CVetDateEdit.h"

IMPLEMENT_DYNAMIC(CVetDateEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetDateEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
    ON_WM_KEYDOWN_BEHAVIOR()
    ON_WM_KILLFOCUS_BEHAVIOR()
    ON_WM_PASTE_BEHAVIOR()
END_MESSAGE_MAP()

CVetDateEdit::CVetDateEdit() : Behavior(this), DateBehavior(this)
{
}

CVetDateEdit::~CVetDateEdit()
{
}

CString CVetDateEdit::GetValidText() const
{
    return _GetValidText();
}
