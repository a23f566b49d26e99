#include "CVetNumericEdit.h"

IMPLEMENT_DYNAMIC(CVetNumericEdit, CVetEdit)

BEGIN_MESSAGE_MAP(CVetNumericEdit, CVetEdit)
    ON_WM_CHAR_BEHAVIOR()
    ON_WM_KEYDOWN_BEHAVIOR()
    ON_WM_KILLFOCUS_BEHAVIOR()
END_MESSAGE_MAP()

CVetNumericEdit::CVetNumericEdit(int nMaxWholeDigits, int nMaxDecimalPlaces)
    : NumericBehavior(this, nMaxWholeDigits, nMaxDecimalPlaces)
{
}

CVetNumericEdit::~CVetNumericEdit()
{
}

CString CVetNumericEdit::GetValidText() const
{
    return _GetValidText();
}
