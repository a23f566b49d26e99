// CMarlowApp: the library's module object, constructed when Marlow17.dll loads. It also holds the
// two font face names that the property tree chooses its shared fonts from.
#pragma once
#include "afxwin.h"
#include "Marlow17Version.h"

class MARLOW17_API CMarlowApp : public CWinApp
{
public:
    CMarlowApp();
    virtual ~CMarlowApp();

    // The property tree's preferred face, when the screen has it, and the face it falls back to.
    static const CString s_strTahoma;
    static const CString s_strMSSansSerif;

    // The module object of the loaded library.
    static CMarlowApp* GetModuleApp();
};
