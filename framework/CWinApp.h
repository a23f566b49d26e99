// CWinApp: the application object. A host may construct one (a global of its program); the library
// has its own module object. AfxGetApp() returns the host's while it exists, else the library's.
// The profile lives in the registry under HKEY_CURRENT_USER\Software\<registry key>\<profile
// name>\<section> once SetRegistryKey was called (the profile name is the application name), and in
// the INI file m_pszProfileName (in the Windows folder) before that.
#pragma once
#include "CWinThread.h"
#include "CString.h"

class MARLOW17_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name, the application is named after the module that holds the object (the
    // program for a host's object) without its extension.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszRegistryKey;    // null until SetRegistryKey
    LPCTSTR m_pszProfileName;    // the registry branch under the key, or the INI file name
    LPCTSTR m_pszExeName;        // the module's file name without extension
    HINSTANCE m_hInstance;       // the module that holds the object

    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A null entry removes the section, a null value removes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // HKCU\Software\<key>\<profile name> and a section under it, opened for reading and writing
    // (created when missing); null without a registry key. The caller closes them.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    // Shows a message box for AfxMessageBox: owned by the active window (or the main window),
    // captioned with the application name, with a default icon for the button set.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

private:
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    CString m_strExeName;
};

MARLOW17_API CWinApp* AFXAPI AfxGetApp();
MARLOW17_API LPCTSTR AFXAPI AfxGetAppName();
MARLOW17_API CWnd* AFXAPI AfxGetMainWnd();
// The module whose instance handle window classes are registered with: the host's program.
MARLOW17_API HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module that resources (strings, bitmaps, cursors) are loaded from: the host's program
// unless AfxSetResourceHandle chose another.
MARLOW17_API HINSTANCE AFXAPI AfxGetResourceHandle();
MARLOW17_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// A message box with the application's caption. The UINT form loads its text from the resource
// module's string table.
MARLOW17_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
MARLOW17_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
