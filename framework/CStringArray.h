// CStringArray: an array of CString with CArray's members; texts may be passed as LPCTSTR.
#pragma once
#include "CArray.h"
#include "CString.h"

class CStringArray : public CArray<CString, const CString&>
{
};
