#include "CMarlowApp.h"

const CString CMarlowApp::s_strTahoma("Tahoma");
const CString CMarlowApp::s_strMSSansSerif("MS Sans Serif");

namespace {
// Constructed after the face names above (same file, declaration order), when the DLL loads.
CMarlowApp theApp;
}

CMarlowApp::CMarlowApp() : CWinApp(MARLOW17_NAME) {}

CMarlowApp::~CMarlowApp() {}

CMarlowApp* CMarlowApp::GetModuleApp()
{
    return &theApp;
}
