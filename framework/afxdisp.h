// OLE automation types: dates and date spans.
#pragma once
#include "afx.h"
#include "COleDateTime.h"
#include "COleDateTimeSpan.h"
