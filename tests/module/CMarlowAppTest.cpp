#include <gtest/gtest.h>
#include "Marlow17.h"

// The module object exists as soon as the library is loaded, before any control is made, and is
// what AfxGetApp answers while the host has no application object of its own.
TEST(CMarlowApp, ModuleObjectIsTheApplicationWithoutAHostApp)
{
    CMarlowApp* pModule = CMarlowApp::GetModuleApp();
    ASSERT_NE(nullptr, pModule);
    EXPECT_EQ(static_cast<CWinApp*>(pModule), AfxGetApp());
    EXPECT_STREQ(MARLOW17_NAME, pModule->m_pszAppName);
    EXPECT_STREQ("Tahoma", CMarlowApp::s_strTahoma);
    EXPECT_STREQ("MS Sans Serif", CMarlowApp::s_strMSSansSerif);
}

TEST(CMarlowApp, HostApplicationObjectTakesOverWhileItLives)
{
    {
        CWinApp hostApp("HostApp");
        EXPECT_EQ(&hostApp, AfxGetApp());
        EXPECT_STREQ("HostApp", AfxGetAppName());
    }
    EXPECT_EQ(static_cast<CWinApp*>(CMarlowApp::GetModuleApp()), AfxGetApp());
}
