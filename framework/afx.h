// Core of the framework: strings, value types, containers, files, exceptions.
#pragma once
#include "afxver_.h"
#include "CObject.h"
#include "CString.h"
#include "CException.h"
#include "CSimpleException.h"
#include "CMemoryException.h"
#include "CResourceException.h"
#include "CInvalidArgException.h"
#include "CFileException.h"
#include "CFile.h"
#include "CTimeSpan.h"
#include "CTime.h"
