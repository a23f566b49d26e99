// Windows, dialogs, controls, GDI and the application object.
#pragma once
#include "afx.h"
