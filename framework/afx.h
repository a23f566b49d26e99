// Core of the framework: strings, value types, containers, files, exceptions.
#pragma once
#include "afxver_.h"
#include "CString.h"
