#include "CWinApp.h"
#include "CWnd.h"
#include <algorithm>
#include <stdio.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* s_pHostApp = nullptr;      // the host's application object, if it made one
CWinApp* s_pModuleApp = nullptr;    // the library's own module object
HINSTANCE s_hResource = nullptr;    // set by AfxSetResourceHandle

HMODULE ModuleOfAddress(const void* p)
{
    HMODULE hModule = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCSTR>(p), &hModule);
    return hModule;
}

HMODULE LibraryModule()
{
    return ModuleOfAddress(reinterpret_cast<const void*>(&AfxGetApp));
}

// The file name of a module without folder and extension.
CString ModuleStem(HMODULE hModule)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(hModule, szPath, sizeof(szPath));
    CString strName(szPath);
    const int nSlash = std::max(strName.ReverseFind('\\'), strName.ReverseFind('/'));
    strName = strName.Mid(nSlash + 1);
    const int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

CString LoadResourceString(UINT nID)
{
    CString strText;
    for (int nSize = 256; nSize <= 65536; nSize *= 4) {
        const int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, strText.GetBuffer(nSize), nSize + 1);
        strText.ReleaseBuffer(nLength);
        if (nLength < nSize)
            break;
    }
    return strText;
}

// The icon a message box gets when its type names none.
struct DefaultIcon
{
    UINT nButtons;
    UINT nIcon;
};
const DefaultIcon s_defaultIcons[] = {
    { MB_OK, MB_ICONEXCLAMATION },
    { MB_OKCANCEL, MB_ICONEXCLAMATION },
    { MB_YESNO, MB_ICONQUESTION },
    { MB_YESNOCANCEL, MB_ICONQUESTION },
};

int ShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (!(nType & MB_ICONMASK)) {
        for (const DefaultIcon& icon : s_defaultIcons)
            if ((nType & MB_TYPEMASK) == icon.nButtons)
                nType |= icon.nIcon;
    }
    if (hWndOwner)
        hWndOwner = ::GetLastActivePopup(::GetAncestor(hWndOwner, GA_ROOT));
    return ::MessageBoxA(hWndOwner, lpszText ? lpszText : "", lpszCaption, nType);
}

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pszExeName(nullptr),
      m_hInstance(nullptr)
{
    // An object outside any module's image (on the heap) belongs to the program.
    HMODULE hModule = ModuleOfAddress(this);
    m_hInstance = hModule ? hModule : ::GetModuleHandleA(nullptr);
    m_strExeName = ModuleStem(m_hInstance);
    m_strAppName = lpszAppName ? CString(lpszAppName) : m_strExeName;
    m_strProfileName = m_strExeName + ".INI";
    m_pszExeName = m_strExeName;
    m_pszAppName = m_strAppName;
    m_pszProfileName = m_strProfileName;
    (m_hInstance == LibraryModule() ? s_pModuleApp : s_pHostApp) = this;
}

CWinApp::~CWinApp()
{
    if (s_pHostApp == this)
        s_pHostApp = nullptr;
    if (s_pModuleApp == this)
        s_pModuleApp = nullptr;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    if (!lpszRegistryKey || !*lpszRegistryKey) {
        m_pszRegistryKey = nullptr;
        m_strProfileName = m_strExeName + ".INI";
    } else {
        m_strRegistryKey = lpszRegistryKey;
        m_pszRegistryKey = m_strRegistryKey;
        m_strProfileName = m_pszAppName;
    }
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    SetRegistryKey(LoadResourceString(nIDRegistryKey));
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    CString strPath;
    strPath.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = lpszSection ? GetAppRegistryKey() : nullptr;
    if (!hAppKey)
        return nullptr;
    HKEY hSectionKey = nullptr;
    if (::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hSectionKey, nullptr) != ERROR_SUCCESS)
        hSectionKey = nullptr;
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (!lpszSection || !lpszEntry)
        return (UINT)nDefault;
    if (!m_pszRegistryKey)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (!hSectionKey)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
    const LONG lResult = ::RegQueryValueExA(hSectionKey, lpszEntry, nullptr, &dwType,
                                            reinterpret_cast<LPBYTE>(&dwValue), &dwSize);
    ::RegCloseKey(hSectionKey);
    return lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwSize == sizeof(dwValue) ? dwValue : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (!lpszSection || !lpszEntry)
        return FALSE;
    if (!m_pszRegistryKey) {
        char szValue[16];
        snprintf(szValue, sizeof(szValue), "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szValue, m_pszProfileName);
    }
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (!hSectionKey)
        return FALSE;
    const DWORD dwValue = (DWORD)nValue;
    const LONG lResult = ::RegSetValueExA(hSectionKey, lpszEntry, 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hSectionKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    const CString strDefault(lpszDefault);
    if (!lpszSection || !lpszEntry)
        return strDefault;
    if (!m_pszRegistryKey) {
        CString strValue;
        for (DWORD nSize = 256;; nSize *= 4) {
            const DWORD nLength = ::GetPrivateProfileStringA(lpszSection, lpszEntry, strDefault,
                                                             strValue.GetBuffer((int)nSize), nSize + 1, m_pszProfileName);
            strValue.ReleaseBuffer((int)nLength);
            if (nLength < nSize)
                return strValue;
        }
    }
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (!hSectionKey)
        return strDefault;
    CString strValue = strDefault;
    DWORD dwType = 0, dwSize = 0;
    if (::RegQueryValueExA(hSectionKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize) == ERROR_SUCCESS
        && dwType == REG_SZ) {
        // The stored data need not end with a terminator: read it into a buffer one larger.
        CString strData;
        LPSTR pszData = strData.GetBuffer((int)dwSize);
        if (::RegQueryValueExA(hSectionKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pszData), &dwSize)
            == ERROR_SUCCESS) {
            pszData[dwSize] = '\0';
            strData.ReleaseBuffer();
            strValue = strData;
        } else {
            strData.ReleaseBuffer(0);
        }
    }
    ::RegCloseKey(hSectionKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (!lpszSection)
        return FALSE;
    if (!m_pszRegistryKey)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (!lpszEntry) {
        HKEY hAppKey = GetAppRegistryKey();
        if (!hAppKey)
            return FALSE;
        const LONG lResult = ::RegDeleteKeyA(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS;
    }
    HKEY hSectionKey = GetSectionKey(lpszSection);
    if (!hSectionKey)
        return FALSE;
    const LONG lResult = lpszValue
        ? ::RegSetValueExA(hSectionKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                           (DWORD)strlen(lpszValue) + 1)
        : ::RegDeleteValueA(hSectionKey, lpszEntry);
    ::RegCloseKey(hSectionKey);
    return lResult == ERROR_SUCCESS;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = ::GetActiveWindow();
    if (!hWndOwner)
        hWndOwner = GetMainWnd()->GetSafeHwnd();
    return ShowMessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp()
{
    return s_pHostApp ? s_pHostApp : s_pModuleApp;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pszAppName : "";
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return s_pHostApp ? s_pHostApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return s_hResource ? s_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    s_hResource = hInstResource;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ShowMessageBox(::GetActiveWindow(), lpszText, ModuleStem(::GetModuleHandleA(nullptr)), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    const CString strText = LoadResourceString(nIDPrompt);
    return AfxMessageBox(strText, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
