#include "PropTreeFaceName.h"

namespace {

struct FamilySearch
{
    LPCSTR family;
    bool found;
};

// Stops the enumeration at the first family whose name collates equal to the sought one,
// ignoring case.
int CALLBACK StopAtFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param)
{
    FamilySearch* search = reinterpret_cast<FamilySearch*>(param);
    search->found = CString(font->lfFaceName).CollateNoCase(search->family) == 0;
    return !search->found;
}

bool ScreenHasFamily(LPCSTR family)
{
    FamilySearch search = {family, false};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, &StopAtFamily, reinterpret_cast<LPARAM>(&search));
    ReleaseDC(nullptr, screen);
    return search.found;
}

}  // namespace

CString ChoosePropTreeFaceName()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const BYTE charset = metrics.lfMenuFont.lfCharSet;
    if (charset != ANSI_CHARSET && charset != DEFAULT_CHARSET && charset != SYMBOL_CHARSET)
        return CString(metrics.lfMenuFont.lfFaceName);
    return ScreenHasFamily("Tahoma") ? CString("Tahoma") : CString("MS Sans Serif");
}
