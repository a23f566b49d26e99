// Test support for the validating edits: a fixture that creates a host window with one edit of a
// given class, a dialog built from an in-memory template whose edits a test subclasses, and
// helpers that read and set an edit's text and selection and drive it with real messages.
#pragma once
#include "TestSupport.h"

#include <afxwin.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace test {

// A selection as EM_GETSEL reports it (end exclusive).
struct Selection
{
    int start;
    int end;
    bool operator==(const Selection& other) const { return start == other.start && end == other.end; }
    bool operator!=(const Selection& other) const { return !(*this == other); }
};
inline std::ostream& operator<<(std::ostream& os, const Selection& sel)
{
    return os << "[" << sel.start << ", " << sel.end << ")";
}

inline std::string EditText(HWND edit)
{
    std::string text(GetWindowTextLengthA(edit) + 1, '\0');
    text.resize(GetWindowTextA(edit, &text[0], static_cast<int>(text.size())));
    return text;
}

inline Selection EditSelection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

inline void SelectText(HWND edit, int start, int end)
{
    SendMessageA(edit, EM_SETSEL, start, end);
}

// The caret at the end of the text.
inline void CaretToEnd(HWND edit)
{
    const int length = GetWindowTextLengthA(edit);
    SelectText(edit, length, length);
}

// The WM_COMMAND notification codes of records, in order (EN_CHANGE, EN_UPDATE, ...).
inline std::vector<int> CommandCodes(const HostWindow& host)
{
    std::vector<int> codes;
    for (const Notification& record : host.Records())
        if (record.message == WM_COMMAND)
            codes.push_back(record.code);
    return codes;
}

// How many pixels of rect (client coordinates of hwnd) show color once hwnd has repainted, read
// through the top-level window's DC as test::ScreenPixel does.
inline int CountScreenPixels(HWND hwnd, const RECT& rect, COLORREF color)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT frame;
    GetWindowRect(root, &frame);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    HDC dc = GetDCEx(root, nullptr, DCX_WINDOW | DCX_CACHE);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (GetPixel(dc, origin.x - frame.left + x, origin.y - frame.top + y) == color)
                ++count;
    ReleaseDC(root, dc);
    return count;
}

// A fixture with a host window and one edit of class TEdit created on it (visible, bordered,
// single-line). The edit's own settings are made by the test before or after creation.
template <class TEdit>
class EditFixture : public ::testing::Test
{
public:
    static constexpr UINT kEditId = 1001;

    void SetUp() override { ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL)); }
    void TearDown() override
    {
        if (edit.GetSafeHwnd())
            edit.DestroyWindow();
    }

    // (Re)creates the edit with the given style.
    bool CreateEdit(DWORD style)
    {
        if (edit.GetSafeHwnd())
            edit.DestroyWindow();
        return edit.Create(style, CRect(10, 10, 250, 34), CWnd::FromHandle(host), kEditId) != FALSE;
    }

    HWND Hwnd() const { return edit.GetSafeHwnd(); }
    std::string Text() const { return EditText(Hwnd()); }
    Selection Sel() const { return EditSelection(Hwnd()); }
    void Select(int start, int end) { SelectText(Hwnd(), start, end); }
    void Type(const char* text) { TypeText(Hwnd(), text); }
    void Press(UINT vk, bool shift = false, bool ctrl = false) { PressKey(Hwnd(), vk, shift, ctrl); }
    // Sets the text with the caret at its end, for typing after it.
    void Start(const char* text)
    {
        SetWindowTextA(Hwnd(), text);
        CaretToEnd(Hwnd());
    }

    HostWindow host;
    TEdit edit;
};

// A modeless dialog made from an in-memory template, holding single-line edit controls with the
// given identifiers, one under the other. The dialog window is a framework window (a CWnd
// subclassing it), so its children's notifications are reflected to them as under an MFC dialog;
// what the children leave is recorded.
class TemplateDialog
{
public:
    struct Item
    {
        WORD id;
        DWORD style;       // added to WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL
        const wchar_t* text;
    };

    explicit TemplateDialog(const std::vector<Item>& items)
    {
        std::vector<WORD> tmpl;
        auto add = [&](DWORD value, int words) {
            for (int i = 0; i < words; ++i)
                tmpl.push_back(static_cast<WORD>(value >> (16 * i)));
        };
        auto addString = [&](const wchar_t* text) {
            for (const wchar_t* p = text; *p; ++p)
                tmpl.push_back(*p);
            tmpl.push_back(0);
        };
        // DLGTEMPLATE: style, extended style, item count, x, y, cx, cy; no menu, default class.
        add(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT, 2);
        add(0, 2);
        add(static_cast<DWORD>(items.size()), 1);
        add(0, 1), add(0, 1), add(200, 1), add(20 + 16 * static_cast<DWORD>(items.size()), 1);
        add(0, 1), add(0, 1);
        addString(L"Edit dialog");
        add(8, 1);
        addString(L"MS Shell Dlg");
        for (size_t i = 0; i < items.size(); ++i) {
            if (tmpl.size() % 2)
                tmpl.push_back(0);      // items start on a DWORD boundary
            add(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | items[i].style, 2);
            add(0, 2);
            add(10, 1), add(10 + 16 * static_cast<DWORD>(i), 1), add(180, 1), add(12, 1);
            add(items[i].id, 1);
            add(0xFFFF, 1), add(0x0081, 1);     // the predefined edit class
            addString(items[i].text ? items[i].text : L"");
            add(0, 1);                          // no creation data
        }
        HWND hwnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                               reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), nullptr,
                                               &TemplateDialog::DialogProc, 0);
        if (hwnd)
            m_frame.SubclassWindow(hwnd);
    }
    ~TemplateDialog()
    {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
    }
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    HWND hwnd() const { return m_frame.GetSafeHwnd(); }
    CWnd* Wnd() { return &m_frame; }
    HWND Item(int id) const { return GetDlgItem(hwnd(), id); }
    // WM_COMMAND notification codes that reached the dialog from control id, in order.
    std::vector<int> Codes(int id) const
    {
        std::vector<int> codes;
        for (const auto& record : m_frame.records)
            if (record.first == id)
                codes.push_back(record.second);
        return codes;
    }
    void ClearRecords() { m_frame.records.clear(); }

private:
    class Frame : public CWnd
    {
    public:
        std::vector<std::pair<int, int>> records;     // (control id, notification code)

    protected:
        BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
        {
            if (CWnd::OnCommand(wParam, lParam))
                return TRUE;
            if (lParam)
                records.emplace_back(LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        }
    };

    static INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM)
    {
        return message == WM_INITDIALOG;
    }

    Frame m_frame;
};

}  // namespace test
