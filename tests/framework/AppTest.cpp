// The application object: its registry profile, window-class registration and message boxes.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

namespace {

const char kRegistryKey[] = "Marlow17 Framework Tests";
const char kAppName[] = "ProfileRoundTrip";

class AppTest : public ::testing::Test
{
protected:
    void SetUp() override { DeleteTestKey(); }
    void TearDown() override { DeleteTestKey(); }

    static void DeleteTestKey() { RegDeleteTreeA(HKEY_CURRENT_USER, (CString("Software\\") + kRegistryKey)); }

    static LONG ReadRaw(LPCSTR section, LPCSTR entry, DWORD* type, BYTE* data, DWORD* size)
    {
        CString path;
        path.Format("Software\\%s\\%s\\%s", kRegistryKey, kAppName, section);
        return RegGetValueA(HKEY_CURRENT_USER, path, entry, RRF_RT_ANY, type, data, size);
    }
};

TEST_F(AppTest, ProfileRoundTripsThroughTheRegistry)
{
    CWinApp app(kAppName);
    EXPECT_EQ(&app, AfxGetApp());
    app.SetRegistryKey(kRegistryKey);
    EXPECT_STREQ(kAppName, app.m_pszProfileName);

    EXPECT_EQ(17u, app.GetProfileInt("Settings", "X", 17));
    EXPECT_STREQ("none", app.GetProfileString("Settings", "Name", "none"));
    EXPECT_STREQ("", app.GetProfileString("Settings", "Name"));

    ASSERT_TRUE(app.WriteProfileInt("Settings", "X", -40));
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", "Marlow"));
    EXPECT_EQ((UINT)-40, app.GetProfileInt("Settings", "X", 17));
    EXPECT_STREQ("Marlow", app.GetProfileString("Settings", "Name", "none"));

    // Stored where and how MFC stores them.
    DWORD type = 0, value = 0, size = sizeof(value);
    ASSERT_EQ(ERROR_SUCCESS, ReadRaw("Settings", "X", &type, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    EXPECT_EQ((DWORD)-40, value);
    char text[16] = "";
    size = sizeof(text);
    ASSERT_EQ(ERROR_SUCCESS, ReadRaw("Settings", "Name", &type, reinterpret_cast<BYTE*>(text), &size));
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_STREQ("Marlow", text);

    // A value of the wrong type reads as missing; removed entries and sections read as missing.
    EXPECT_EQ(5u, app.GetProfileInt("Settings", "Name", 5));
    EXPECT_STREQ("dflt", app.GetProfileString("Settings", "X", "dflt"));
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_STREQ("gone", app.GetProfileString("Settings", "Name", "gone"));
    EXPECT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_EQ(3u, app.GetProfileInt("Settings", "X", 3));

    EXPECT_EQ(9u, app.GetProfileInt(nullptr, "X", 9));
    EXPECT_FALSE(app.WriteProfileInt("Settings", nullptr, 1));
}

TEST_F(AppTest, HostApplicationIsCurrentWhileItLives)
{
    CWinApp* pBefore = AfxGetApp();
    {
        CWinApp* pApp = new CWinApp;
        EXPECT_EQ(pApp, AfxGetApp());
        EXPECT_STREQ("test_framework", pApp->m_pszAppName);
        EXPECT_EQ(GetModuleHandleA(nullptr), pApp->m_hInstance);
        delete pApp;
    }
    EXPECT_EQ(pBefore, AfxGetApp());
}

TEST_F(AppTest, MessageBoxTextAndApplicationCaption)
{
    CWinApp app("Caption Of The App");
    test::HostWindow host;
    test::ModalBoxWatcher watcher(IDCANCEL);
    EXPECT_EQ(IDCANCEL, AfxMessageBox("Something to say", MB_OKCANCEL));
    EXPECT_EQ(1, watcher.Count());
    EXPECT_EQ("Something to say", watcher.Text());
    EXPECT_EQ("Caption Of The App", watcher.Caption());
}

TEST(WindowClass, GeneratedNamesAreStablePerAttributes)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    LPCSTR name = AfxRegisterWndClass(CS_DBLCLKS, arrow, face);
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(0, strncmp(name, "Afx:", 4));
    EXPECT_STREQ(name, AfxRegisterWndClass(CS_DBLCLKS, arrow, face));
    EXPECT_STRNE(name, AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, arrow, face));
    EXPECT_STRNE(name, AfxRegisterWndClass(CS_DBLCLKS));

    WNDCLASSA wndcls = {};
    ASSERT_TRUE(GetClassInfoA(AfxGetInstanceHandle(), name, &wndcls));
    EXPECT_EQ((UINT)CS_DBLCLKS, wndcls.style);
    EXPECT_EQ(arrow, wndcls.hCursor);
    EXPECT_EQ(face, wndcls.hbrBackground);
}

TEST(WindowClass, RegisterClassAcceptsWhatIsAlreadyThere)
{
    WNDCLASSA wndcls = {};
    wndcls.lpfnWndProc = DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.lpszClassName = "Marlow17.Test.Registered";
    EXPECT_TRUE(AfxRegisterClass(&wndcls));
    EXPECT_TRUE(AfxRegisterClass(&wndcls));
    EXPECT_FALSE(AfxRegisterClass(nullptr));
    wndcls.lpszClassName = nullptr;
    EXPECT_FALSE(AfxRegisterClass(&wndcls));
}

}  // namespace
