#include "CVetMaskedEdit.h"

IMPLEMENT_DYNAMIC(CVetMaskedEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetMaskedEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
    ON_WM_KEYDOWN_BEHAVIOR()
END_MESSAGE_MAP()

CVetMaskedEdit::CVetMaskedEdit(const CString& strMask) : MaskedBehavior(this, strMask)
{
}

CVetMaskedEdit::~CVetMaskedEdit()
{
}

CString CVetMaskedEdit::GetValidText() const
{
    return _GetValidText();
}
