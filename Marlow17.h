// Marlow17: user-interface controls for Windows hosts. Including this header gives every exported
// class and function of the library.
#pragma once

#include "afxwin.h"
