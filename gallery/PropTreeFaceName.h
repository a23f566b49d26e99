// The font face the property tree draws with, chosen the way the library chooses it. The gallery
// shows it on its About page until the library offers the choice itself.
#pragma once
#include "Marlow17.h"

// The menu font's face when its character set is a national one; otherwise "Tahoma" when the
// screen has that family, else "MS Sans Serif".
CString ChoosePropTreeFaceName();
