// The shared test helpers drive real windows: these tests check that what they send is what a
// user's keyboard, mouse and clipboard would give the platform's own controls.
#include <gtest/gtest.h>
#include "TestSupport.h"

#include <string>

namespace {

// A visible top-level window of the given class, destroyed with the object.
class TopWindow
{
public:
    TopWindow(const char* className, const char* text, DWORD style = 0, int width = 300, int height = 100)
        : m_hwnd(CreateWindowExA(0, className, text, WS_POPUP | WS_VISIBLE | style, 40, 40, width, height,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~TopWindow() { DestroyWindow(m_hwnd); }
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    operator HWND() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

std::string Text(HWND hwnd)
{
    char buffer[256] = "";
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

std::pair<DWORD, DWORD> Selection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

}  // namespace

struct MessageBoxCase
{
    UINT type;
    int button;
};

class ModalBoxWatcherTest : public ::testing::TestWithParam<MessageBoxCase> {};

TEST_P(ModalBoxWatcherTest, ReadsTheBoxAndPressesTheButton)
{
    test::ModalBoxWatcher watcher(GetParam().button);
    const int result = MessageBoxA(nullptr, "Replace the file?", "Copy files", GetParam().type);
    EXPECT_EQ(GetParam().button, result);
    EXPECT_EQ(1, watcher.Count());
    EXPECT_EQ("Replace the file?", watcher.Text());
    EXPECT_EQ("Copy files", watcher.Caption());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ModalBoxWatcherTest, ::testing::Values(
    MessageBoxCase{MB_OK, IDOK},
    MessageBoxCase{MB_OKCANCEL | MB_ICONWARNING, IDCANCEL},
    MessageBoxCase{MB_YESNO | MB_ICONQUESTION, IDNO},
    MessageBoxCase{MB_YESNOCANCEL, IDYES},
    MessageBoxCase{MB_RETRYCANCEL | MB_ICONERROR, IDRETRY}));

TEST(ModalBoxWatcher, RecordsEachBoxOnceInOrder)
{
    TopWindow owner("STATIC", "owner");
    test::ModalBoxWatcher watcher(IDOK);
    MessageBoxA(owner, "first", "one", MB_OK);
    MessageBoxA(owner, "second", "two", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), watcher.Texts());
    EXPECT_EQ("two", watcher.Caption());
}

TEST(Clipboard, RoundTripsTextAndFeedsPaste)
{
    ASSERT_TRUE(test::SetClipboardText("two\r\nlines"));
    EXPECT_EQ("two\r\nlines", test::GetClipboardText());

    ASSERT_TRUE(test::SetClipboardText("pasted"));
    TopWindow edit("EDIT", "");
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ("pasted", Text(edit));
}

TEST(WaitUntil, GivesUpAfterTheTimeout)
{
    const DWORD start = GetTickCount();
    EXPECT_FALSE(test::WaitUntil([] { return false; }, 100));
    EXPECT_GE(GetTickCount() - start, 100u);
}

namespace {
bool s_timerFired;
void CALLBACK TimerFired(HWND, UINT, UINT_PTR, DWORD) { s_timerFired = true; }
}  // namespace

TEST(WaitUntil, PumpsUntilTheConditionHolds)
{
    s_timerFired = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &TimerFired);
    EXPECT_TRUE(test::WaitUntil([] { return s_timerFired; }));
    KillTimer(nullptr, timer);
}

TEST(Keyboard, TypedTextReachesAnEdit)
{
    TopWindow edit("EDIT", "");
    test::TypeText(edit, "Hello, 42!");
    EXPECT_EQ("Hello, 42!", Text(edit));
}

namespace {

// What an edit control saw during its WM_KEYDOWN messages.
struct KeySeen
{
    bool shift;
    bool ctrl;
    LPARAM lParam;
};
std::vector<KeySeen> s_keysSeen;
WNDPROC s_editProc;

LRESULT CALLBACK RecordingEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN)
        s_keysSeen.push_back({GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, lParam});
    return CallWindowProcA(s_editProc, hwnd, message, wParam, lParam);
}

}  // namespace

TEST(Keyboard, ModifiersAreHeldDuringTheKeyOnly)
{
    TopWindow edit("EDIT", "hello world");
    s_keysSeen.clear();
    s_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingEditProc)));
    SendMessageA(edit, EM_SETSEL, 11, 11);

    test::PressKey(edit, VK_LEFT, true);
    test::PressKey(edit, VK_LEFT, true, true);
    test::PressKey(edit, VK_END);

    ASSERT_EQ(3u, s_keysSeen.size());
    EXPECT_TRUE(s_keysSeen[0].shift);
    EXPECT_FALSE(s_keysSeen[0].ctrl);
    EXPECT_TRUE(s_keysSeen[1].shift && s_keysSeen[1].ctrl);
    EXPECT_FALSE(s_keysSeen[2].shift || s_keysSeen[2].ctrl);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    // A fresh press of an extended key, repeat count 1.
    EXPECT_EQ(1, LOWORD(s_keysSeen[0].lParam));
    EXPECT_NE(0, s_keysSeen[0].lParam & (1 << 24));
    EXPECT_EQ(0, s_keysSeen[0].lParam & 0xC0000000);
    EXPECT_EQ(std::make_pair(11ul, 11ul), Selection(edit));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_editProc));
}

TEST(Keyboard, ShiftArrowsSelectInAnEdit)
{
    TopWindow edit("EDIT", "hello world");
    SendMessageA(edit, EM_SETSEL, 11, 11);
    test::PressKey(edit, VK_LEFT, true);
    test::PressKey(edit, VK_LEFT, true);
    EXPECT_EQ(std::make_pair(9ul, 11ul), Selection(edit));
    test::PressKey(edit, VK_HOME);
    EXPECT_EQ(std::make_pair(0ul, 0ul), Selection(edit));
}

TEST(Mouse, ClickTogglesACheckBox)
{
    TopWindow box("BUTTON", "check", BS_AUTOCHECKBOX, 120, 30);
    test::Click(box, 10, 10);
    EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
    test::Click(box, 10, 10);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST(Mouse, DoubleClickSelectsAWordInAnEdit)
{
    TopWindow edit("EDIT", "alpha beta gamma");
    const LRESULT pos = SendMessageA(edit, EM_POSFROMCHAR, 7, 0);
    test::DoubleClick(edit, LOWORD(pos), HIWORD(pos) + 2);
    const auto selection = Selection(edit);
    EXPECT_EQ(6ul, selection.first);
    EXPECT_GE(selection.second, 10ul);
    EXPECT_LE(selection.second, 11ul);
}

TEST(ScreenPixel, ReadsWhatAWindowPainted)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(200, 30, 40));
    wc.lpszClassName = "TestSupportRed";
    ASSERT_TRUE(RegisterClassA(&wc));
    {
        TopWindow red("TestSupportRed", "");
        HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_WHITERECT, 50, 10, 40, 40,
                                     red, nullptr, nullptr, nullptr);
        EXPECT_EQ(RGB(200, 30, 40), test::ScreenPixel(red, 5, 5));
        EXPECT_EQ(GetSysColor(COLOR_WINDOW), test::ScreenPixel(child, 20, 20));
    }
    UnregisterClassA("TestSupportRed", GetModuleHandleA(nullptr));
    DeleteObject(wc.hbrBackground);
}
