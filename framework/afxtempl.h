// Collection templates.
#pragma once
#include "afx.h"
#include "CArray.h"
