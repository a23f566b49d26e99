// Subclassing: an existing window's messages run through our object first, and Default() hands
// them to the window's own procedure; unsubclassing gives the window its procedure back.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

#include <string>
#include <vector>

namespace {

// Refuses digits; every other character goes to the edit's own procedure.
class NoDigitsEdit : public CEdit
{
public:
    std::string seen;
    int presubclassed = 0;

protected:
    void PreSubclassWindow() override { ++presubclassed; }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        seen += (char)nChar;
        if (nChar < '0' || nChar > '9')
            CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NoDigitsEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CString TextOf(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

WNDPROC ProcOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

TEST(Subclass, EditCharactersPassThroughOurHandlerFirst)
{
    test::HostWindow host;
    HWND hEdit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, host, nullptr, nullptr, nullptr);
    const WNDPROC original = ProcOf(hEdit);
    {
        NoDigitsEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        EXPECT_EQ(1, edit.presubclassed);
        EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));

        test::TypeText(hEdit, "a1b2");
        EXPECT_EQ("a1b2", edit.seen);
        EXPECT_STREQ("ab", TextOf(hEdit));

        EXPECT_EQ(hEdit, edit.UnsubclassWindow());
        EXPECT_EQ(original, ProcOf(hEdit));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
        EXPECT_EQ(nullptr, edit.m_hWnd);
        test::TypeText(hEdit, "3");
        EXPECT_EQ("a1b2", edit.seen);
    }
    // The object is gone; the window lives on with its own procedure.
    EXPECT_TRUE(IsWindow(hEdit));
    EXPECT_STREQ("ab3", TextOf(hEdit));
}

TEST(Subclass, RefusesWhatItCannotTake)
{
    test::HostWindow host;
    HWND hEdit = CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 50, 20, host, nullptr, nullptr, nullptr);
    HWND hOther = CreateWindowA("EDIT", "", WS_CHILD, 0, 30, 50, 20, host, nullptr, nullptr, nullptr);
    NoDigitsEdit first, second;
    EXPECT_FALSE(first.SubclassWindow(nullptr));
    EXPECT_FALSE(first.SubclassWindow(reinterpret_cast<HWND>(0x7FFF0)));
    ASSERT_TRUE(first.SubclassWindow(hEdit));
    EXPECT_FALSE(second.SubclassWindow(hEdit));        // already another object's
    EXPECT_FALSE(first.SubclassWindow(hOther));        // this object already has a window
    EXPECT_FALSE(second.SubclassDlgItem(1234, CWnd::FromHandle(host)));
    EXPECT_EQ(0, second.presubclassed);
}

// A later subclasser keeps working after we unsubclass under it.
LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC s_countingNext = nullptr;
int s_countingChars = 0;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        ++s_countingChars;
    return CallWindowProcA(s_countingNext, hWnd, message, wParam, lParam);
}

TEST(Subclass, UnsubclassingUnderAnotherSubclasserKeepsTheChain)
{
    test::HostWindow host;
    HWND hEdit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, host, nullptr, nullptr, nullptr);
    NoDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    s_countingChars = 0;
    s_countingNext = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));

    edit.UnsubclassWindow();
    EXPECT_EQ(CountingProc, ProcOf(hEdit));
    test::TypeText(hEdit, "x9");
    EXPECT_EQ(2, s_countingChars);
    EXPECT_EQ("", edit.seen);
    EXPECT_STREQ("x9", TextOf(hEdit));
    DestroyWindow(hEdit);
}

// An in-memory dialog template: one edit control with the given identifier.
std::vector<WORD> DialogWithEdit(WORD editId)
{
    std::vector<WORD> t;
    auto dword = [&](DWORD value) { t.push_back(LOWORD(value)); t.push_back(HIWORD(value)); };
    dword(WS_CHILD | WS_VISIBLE | DS_SETFONT);
    dword(0);                                   // extended style
    t.push_back(1);                             // one item
    t.push_back(0); t.push_back(0); t.push_back(150); t.push_back(40);
    t.push_back(0); t.push_back(0); t.push_back(0);    // no menu, default class, no title
    t.push_back(8);                             // font size and name
    for (const char* p = "MS Sans Serif"; ; ++p) { t.push_back((WORD)*p); if (!*p) break; }
    if (t.size() % 2)
        t.push_back(0);                         // items start on a DWORD boundary
    dword(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL);
    dword(0);
    t.push_back(5); t.push_back(5); t.push_back(100); t.push_back(14);
    t.push_back(editId);
    t.push_back(0xFFFF); t.push_back(0x0081);   // the edit class
    t.push_back(0);                             // no text
    t.push_back(0);                             // no creation data
    return t;
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

TEST(Subclass, DialogControlBySubclassDlgItem)
{
    test::HostWindow host;
    const std::vector<WORD> dialogTemplate = DialogWithEdit(1001);
    HWND hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), host,
                                           DialogProc, 0);
    ASSERT_TRUE(hDlg);
    HWND hEdit = GetDlgItem(hDlg, 1001);
    ASSERT_TRUE(hEdit);

    const int windowsBefore = AfxGetWindowMapCount(TRUE);
    NoDigitsEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(1001, CWnd::FromHandle(hDlg)));
    EXPECT_EQ(hEdit, edit.m_hWnd);
    EXPECT_EQ(windowsBefore + 1, AfxGetWindowMapCount(TRUE));
    test::TypeText(hEdit, "4x5y");
    EXPECT_STREQ("xy", TextOf(hEdit));

    // Destroying the dialog detaches the object and frees its map entry.
    DestroyWindow(hDlg);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(windowsBefore, AfxGetWindowMapCount(TRUE));
}

}  // namespace
