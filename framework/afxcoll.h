// Collections of framework types.
#pragma once
#include "afx.h"
#include "CPtrArray.h"
#include "CStringArray.h"
