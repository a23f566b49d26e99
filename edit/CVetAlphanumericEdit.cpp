#include "CVetAlphanumericEdit.h"

IMPLEMENT_DYNAMIC(CVetAlphanumericEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetAlphanumericEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
END_MESSAGE_MAP()

CVetAlphanumericEdit::CVetAlphanumericEdit(int nMaxChars, const CString& strInvalidChars)
    : AlphanumericBehavior(this, nMaxChars, strInvalidChars)
{
}

CVetAlphanumericEdit::~CVetAlphanumericEdit()
{
}

CString CVetAlphanumericEdit::GetValidText() const
{
    return _GetValidText();
}
