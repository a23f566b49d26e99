// CPtrArray: an array of untyped pointers with CArray's members. It never owns what they point to.
#pragma once
#include "CArray.h"

class CPtrArray : public CArray<void*, void*>
{
};
