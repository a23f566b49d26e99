#include "CPalette.h"

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

CPalette::CPalette() = default;
CPalette::~CPalette() = default;
