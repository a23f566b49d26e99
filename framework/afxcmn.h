// Wrappers of the common controls.
#pragma once
#include "afxwin.h"
