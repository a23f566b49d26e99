// Test support: a host window that records what a control tells its parent, a message pump with a
// bounded wait, keyboard, mouse and clipboard helpers, and a handler for modal boxes.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace test {

// One WM_NOTIFY or WM_COMMAND as the host received it. For WM_NOTIFY, `data` holds the whole
// record the control sent (sized by the caller's template when read back through As<T>()).
struct Notification
{
    UINT message;        // WM_NOTIFY or WM_COMMAND
    int code;            // NMHDR::code, or the WM_COMMAND notification code (HIWORD(wParam))
    UINT_PTR id;         // control identifier
    HWND from;           // sending window
    std::vector<BYTE> data;
    template <class T> const T& As() const { return *reinterpret_cast<const T*>(data.data()); }
};

// A visible top-level frame for controls under test. It records every WM_NOTIFY and WM_COMMAND it
// receives and answers WM_NOTIFY with the result set for that code (0 by default), so a test can
// veto. RecordSize(code, bytes) tells how many bytes of a notification record to keep (default
// sizeof(NMHDR)).
class HostWindow
{
public:
    explicit HostWindow(int width = 640, int height = 480);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    operator HWND() const { return m_hwnd; }

    const std::vector<Notification>& Records() const { return m_records; }
    std::vector<int> Codes() const;               // the codes of Records(), in order
    void ClearRecords() { m_records.clear(); }
    void SetNotifyResult(int code, LRESULT result);
    void SetRecordSize(int code, size_t bytes);

private:
    class Frame;                 // the window object: a CWnd, so children's notifications reflect
    LRESULT NotifyResult(int code) const;
    size_t RecordSize(int code) const;
    Frame* m_frame = nullptr;
    HWND m_hwnd = nullptr;
    std::vector<Notification> m_records;
    std::vector<std::pair<int, LRESULT>> m_results;
    std::vector<std::pair<int, size_t>> m_sizes;
};

// Dispatches every message waiting on this thread.
void PumpMessages();
// Pumps messages until cond() holds or timeoutMs pass; returns cond()'s last value.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs = 5000);

// Keyboard: each byte of text as one WM_CHAR; a key as WM_KEYDOWN then WM_KEYUP. Shift and Ctrl
// are held through the thread's keyboard state, so GetKeyState sees them during the key.
void TypeText(HWND hwnd, const char* text);
void PressKey(HWND hwnd, UINT vk, bool shift = false, bool ctrl = false);
void SetKeyDown(UINT vk, bool down);              // hold or release one key in the keyboard state

// Mouse, in client coordinates of hwnd.
void Click(HWND hwnd, int x, int y, UINT keys = 0);          // WM_LBUTTONDOWN + WM_LBUTTONUP
void DoubleClick(HWND hwnd, int x, int y, UINT keys = 0);    // down, up, WM_LBUTTONDBLCLK, up

// Clipboard (CF_TEXT).
bool SetClipboardText(const std::string& text);
std::string GetClipboardText();

// Watches for a modal box (a dialog of class "#32770") opened by this process while it is alive.
// When one opens it records the box's caption and message text, then presses the button with the
// given identifier (IDOK, IDCANCEL, IDYES, ...). Works while this thread sits in the box's modal
// loop.
class ModalBoxWatcher
{
public:
    explicit ModalBoxWatcher(int buttonId = IDOK);
    ~ModalBoxWatcher();
    ModalBoxWatcher(const ModalBoxWatcher&) = delete;
    ModalBoxWatcher& operator=(const ModalBoxWatcher&) = delete;

    int Count() const;               // boxes seen so far
    std::string Text() const;        // message text of the last box
    std::string Caption() const;     // caption of the last box
    std::vector<std::string> Texts() const;   // message texts of all boxes, in order

private:
    struct State;
    State* m_state;
};

// Pixels of a window as it is on screen, for checking what it painted.
COLORREF ScreenPixel(HWND hwnd, int x, int y);
// The same pixel as it is now, without letting pending paints run first (for pictures that a
// repaint would change, such as a drag's inverted bar).
COLORREF PixelNow(HWND hwnd, int x, int y);

}  // namespace test
