#include "CVetTimeEdit.h"

IMPLEMENT_DYNAMIC(CVetTimeEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetTimeEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
    ON_WM_KEYDOWN_BEHAVIOR()
    ON_WM_KILLFOCUS_BEHAVIOR()
    ON_WM_PASTE_BEHAVIOR()
END_MESSAGE_MAP()

CVetTimeEdit::CVetTimeEdit() : Behavior(this), TimeBehavior(this)
{
}

CVetTimeEdit::~CVetTimeEdit()
{
}

CString CVetTimeEdit::GetValidText() const
{
    return _GetValidText();
}
