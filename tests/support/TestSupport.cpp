// Test support: message pump, keyboard, mouse, clipboard, modal-box watcher and screen pixels.
// The host window lives in HostWindow.cpp.
#include "TestSupport.h"
#include "afxwin.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <set>

namespace test {

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // As a host's message loop does: the windows' PreTranslateMessage filters come first.
        if (AfxPreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (cond())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        // Wake as soon as a message arrives; the short cap re-checks conditions that change
        // without one (another thread's work).
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10),
                                  QS_ALLINPUT);
    }
}

namespace {

// Keys whose scan code carries the extended-key flag (bit 24 of a key message's lParam).
const UINT s_extendedKeys[] = {
    VK_INSERT, VK_DELETE, VK_HOME, VK_END, VK_PRIOR, VK_NEXT,
    VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_DIVIDE, VK_NUMLOCK, VK_RCONTROL, VK_RMENU,
};

// Modifier keys and the left-hand key that a real keyboard holds with them.
const std::pair<UINT, UINT> s_sidedKeys[] = {
    {VK_SHIFT, VK_LSHIFT}, {VK_CONTROL, VK_LCONTROL}, {VK_MENU, VK_LMENU},
};

// lParam of a key message: repeat count 1, scan code, extended flag, previous state, transition.
LPARAM KeyLParam(UINT vk, bool up)
{
    LPARAM lParam = 1 | (MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16;
    if (std::find(std::begin(s_extendedKeys), std::end(s_extendedKeys), vk) != std::end(s_extendedKeys))
        lParam |= 1 << 24;
    if (up)
        lParam |= 0xC0000000;
    return lParam;
}

// Holds modifier keys in the keyboard state for the lifetime of the object.
class HeldKeys
{
public:
    HeldKeys(bool shift, bool ctrl) : m_shift(shift), m_ctrl(ctrl)
    {
        if (m_shift)
            SetKeyDown(VK_SHIFT, true);
        if (m_ctrl)
            SetKeyDown(VK_CONTROL, true);
    }
    ~HeldKeys()
    {
        if (m_shift)
            SetKeyDown(VK_SHIFT, false);
        if (m_ctrl)
            SetKeyDown(VK_CONTROL, false);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    bool m_shift;
    bool m_ctrl;
};

}  // namespace

void TypeText(HWND hwnd, const char* text)
{
    for (const char* p = text; *p; ++p) {
        const BYTE ch = static_cast<BYTE>(*p);
        const UINT scan = MapVirtualKeyA(LOBYTE(VkKeyScanA(*p)), MAPVK_VK_TO_VSC) & 0xFF;
        SendMessageA(hwnd, WM_CHAR, ch, 1 | scan << 16);
    }
}

void PressKey(HWND hwnd, UINT vk, bool shift, bool ctrl)
{
    HeldKeys held(shift, ctrl);
    SetKeyDown(vk, true);
    SendMessageA(hwnd, WM_KEYDOWN, vk, KeyLParam(vk, false));
    SetKeyDown(vk, false);
    SendMessageA(hwnd, WM_KEYUP, vk, KeyLParam(vk, true));
}

void SetKeyDown(UINT vk, bool down)
{
    BYTE state[256];
    GetKeyboardState(state);
    auto set = [&](UINT key) { state[key] = (state[key] & 0x01) | (down ? 0x80 : 0); };
    set(vk);
    for (const auto& sided : s_sidedKeys)
        if (sided.first == vk)
            set(sided.second);
    SetKeyboardState(state);
}

namespace {

// Sends one mouse-button message with the modifier keys of `keys` held in the keyboard state, so
// a control that asks GetKeyState sees the same as wParam says.
void SendMouse(HWND hwnd, UINT message, int x, int y, UINT keys)
{
    HeldKeys held((keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
    SetKeyDown(VK_LBUTTON, (keys & MK_LBUTTON) != 0);
    SendMessageA(hwnd, message, keys, MAKELPARAM(x, y));
}

}  // namespace

void Click(HWND hwnd, int x, int y, UINT keys)
{
    SendMouse(hwnd, WM_LBUTTONDOWN, x, y, keys | MK_LBUTTON);
    SendMouse(hwnd, WM_LBUTTONUP, x, y, keys & ~MK_LBUTTON);
}

void DoubleClick(HWND hwnd, int x, int y, UINT keys)
{
    Click(hwnd, x, y, keys);
    SendMouse(hwnd, WM_LBUTTONDBLCLK, x, y, keys | MK_LBUTTON);
    SendMouse(hwnd, WM_LBUTTONUP, x, y, keys & ~MK_LBUTTON);
}

namespace {

// The clipboard, opened for the lifetime of the object by a message-only window of this thread
// (a clipboard opened without a window cannot be given data). Another process may hold the
// clipboard for a moment, so opening is retried for up to a second.
class OpenedClipboard
{
public:
    OpenedClipboard()
        : m_owner(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
        const DWORD start = GetTickCount();
        while (!(m_open = OpenClipboard(m_owner) != FALSE) && GetTickCount() - start < 1000)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    ~OpenedClipboard()
    {
        if (m_open)
            CloseClipboard();
        if (m_owner)
            DestroyWindow(m_owner);
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool IsOpen() const { return m_open; }

private:
    HWND m_owner;
    bool m_open = false;
};

}  // namespace

bool SetClipboardText(const std::string& text)
{
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return false;
    char* data = static_cast<char*>(GlobalLock(memory));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, data);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::string GetClipboardText()
{
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen())
        return std::string();
    HANDLE memory = GetClipboardData(CF_TEXT);
    const char* data = memory ? static_cast<const char*>(GlobalLock(memory)) : nullptr;
    if (!data)
        return std::string();
    std::string text(data, strnlen(data, GlobalSize(memory)));
    GlobalUnlock(memory);
    return text;
}

// ---------------------------------------------------------------------------------------------
// ModalBoxWatcher: a worker thread looks for new visible dialogs of this process every few
// milliseconds. The test thread is blocked in the box's modal loop meanwhile, which still serves
// the messages the worker sends (WM_GETTEXT) and posts (BM_CLICK).

namespace {

const char s_dialogClass[] = "#32770";
const DWORD s_pollMs = 10;
const DWORD s_sendTimeoutMs = 2000;

// Text of a window of the test thread, read without hanging if that thread stops answering.
std::string WindowText(HWND hwnd)
{
    char buffer[4096] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_NORMAL, s_sendTimeoutMs, &length))
        return std::string();
    return std::string(buffer, std::min<size_t>(length, sizeof(buffer) - 1));
}

std::string ClassName(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

BOOL CALLBACK AddProcessDialog(HWND hwnd, LPARAM dialogs)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && ClassName(hwnd) == s_dialogClass)
        reinterpret_cast<std::vector<HWND>*>(dialogs)->push_back(hwnd);
    return TRUE;
}

// Visible dialogs owned by this process.
std::vector<HWND> ProcessDialogs()
{
    std::vector<HWND> dialogs;
    EnumWindows(&AddProcessDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// The message text of a box: the texts of its text statics, one per line (a system message box has
// one, its message; icons are statics without text).
std::string MessageText(HWND box)
{
    std::string joined;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
        if (ClassName(child) != "Static" || type == SS_ICON || type == SS_BITMAP)
            continue;
        const std::string text = WindowText(child);
        if (text.empty())
            continue;
        if (!joined.empty())
            joined += '\n';
        joined += text;
    }
    return joined;
}

}  // namespace

struct ModalBoxWatcher::State
{
    int buttonId;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    std::set<HWND> ignored;          // dialogs already open when the watcher started
    std::set<HWND> recorded;         // boxes whose texts are recorded
    std::set<HWND> pressed;          // boxes whose button was pressed
    mutable std::mutex lock;
    std::vector<std::string> texts;
    std::vector<std::string> captions;

    // Records new boxes and presses the button of each once it is enabled (a box may hold its
    // buttons disabled for a while).
    void Poll()
    {
        const std::vector<HWND> dialogs = ProcessDialogs();
        Forget(recorded, dialogs);
        Forget(pressed, dialogs);
        Forget(ignored, dialogs);
        for (HWND box : dialogs) {
            if (ignored.count(box) || pressed.count(box))
                continue;
            if (recorded.insert(box).second) {
                std::string caption = WindowText(box);
                std::string text = MessageText(box);
                std::lock_guard<std::mutex> guard(lock);
                captions.push_back(std::move(caption));
                texts.push_back(std::move(text));
            }
            HWND button = GetDlgItem(box, buttonId);
            if (button && !IsWindowEnabled(button))
                continue;
            if (button)
                PostMessageA(button, BM_CLICK, 0, 0);
            else
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
            pressed.insert(box);
        }
    }

    // Drops windows that are gone, so a new box that reuses a handle counts as new.
    static void Forget(std::set<HWND>& windows, const std::vector<HWND>& open)
    {
        for (auto it = windows.begin(); it != windows.end();)
            it = std::find(open.begin(), open.end(), *it) == open.end() ? windows.erase(it) : std::next(it);
    }

    static DWORD WINAPI Run(LPVOID param)
    {
        State* state = static_cast<State*>(param);
        do
            state->Poll();
        while (WaitForSingleObject(state->stop, s_pollMs) == WAIT_TIMEOUT);
        return 0;
    }
};

ModalBoxWatcher::ModalBoxWatcher(int buttonId) : m_state(new State)
{
    m_state->buttonId = buttonId;
    for (HWND dialog : ProcessDialogs())
        m_state->ignored.insert(dialog);
    m_state->thread = CreateThread(nullptr, 0, &State::Run, m_state, 0, nullptr);
}

ModalBoxWatcher::~ModalBoxWatcher()
{
    SetEvent(m_state->stop);
    // The worker may be waiting for this thread to answer a sent message: serve those meanwhile.
    while (m_state->thread
           && MsgWaitForMultipleObjects(1, &m_state->thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (m_state->thread)
        CloseHandle(m_state->thread);
    CloseHandle(m_state->stop);
    delete m_state;
}

int ModalBoxWatcher::Count() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return static_cast<int>(m_state->texts.size());
}

std::string ModalBoxWatcher::Text() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->texts.empty() ? std::string() : m_state->texts.back();
}

std::string ModalBoxWatcher::Caption() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->captions.empty() ? std::string() : m_state->captions.back();
}

std::vector<std::string> ModalBoxWatcher::Texts() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->texts;
}

COLORREF ScreenPixel(HWND hwnd, int x, int y)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return PixelNow(hwnd, x, y);
}

COLORREF PixelNow(HWND hwnd, int x, int y)
{
    // Read through the top-level window's own DC, children included: the platform copies a
    // window's pixels to the screen itself a little later, so the screen may not show them yet.
    HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT frame;
    GetWindowRect(root, &frame);
    POINT pt = {x, y};
    ClientToScreen(hwnd, &pt);
    HDC dc = GetDCEx(root, nullptr, DCX_WINDOW | DCX_CACHE);
    const COLORREF color = GetPixel(dc, pt.x - frame.left, pt.y - frame.top);
    ReleaseDC(root, dc);
    return color;
}

}  // namespace test
