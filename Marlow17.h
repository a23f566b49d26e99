// Marlow17: user-interface controls for Windows hosts. Including this header gives every exported
// class and function of the library.
#pragma once

#include "afx.h"
#include "afxtempl.h"
#include "afxcoll.h"
#include "afxdisp.h"
#include "afxwin.h"
#include "afxcmn.h"
#include "CMarlowApp.h"
