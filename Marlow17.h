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

// Validating edits.
#include "CVetEdit.h"
#include "Behavior.h"
#include "SelectionSaver.h"
#include "AlphanumericBehavior.h"
#include "MaskedBehavior.h"
#include "CVetAlphanumericEdit.h"
#include "CVetMaskedEdit.h"
#include "NumericBehavior.h"
#include "CVetNumericEdit.h"
#include "CVetIntegerEdit.h"
#include "CVetCurrencyEdit.h"
#include "DateBehavior.h"
#include "TimeBehavior.h"
#include "DateTimeBehavior.h"
#include "CVetDateEdit.h"
#include "CVetTimeEdit.h"
#include "CVetDateTimeEdit.h"

// Property tree.
#include "CPropTree.h"
