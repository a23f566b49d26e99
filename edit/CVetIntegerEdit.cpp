#include "CVetIntegerEdit.h"

IMPLEMENT_DYNAMIC(CVetIntegerEdit, CVetNumericEdit)

CVetIntegerEdit::CVetIntegerEdit(int nMaxWholeDigits) : CVetNumericEdit(nMaxWholeDigits, 0)
{
}

CVetIntegerEdit::~CVetIntegerEdit()
{
}
