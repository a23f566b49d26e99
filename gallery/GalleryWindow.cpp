#include "GalleryWindow.h"

#include <algorithm>

namespace {

const char s_windowClass[] = "Marlow17Gallery";
const int s_margin = 8;
const int s_listWidth = 150;
const int s_logHeight = 140;
const int s_pageListId = 100;
const int s_logId = 101;

}  // namespace

GalleryWindow::~GalleryWindow()
{
    m_pages.clear();
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

bool GalleryWindow::Create(int nCmdShow)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &GalleryWindow::WndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = s_windowClass;
    if (!RegisterClassA(&wc))
        return false;
    // A fixed place on the screen, so that a picture of the window is whole.
    if (!CreateWindowExA(WS_EX_CONTROLPARENT, s_windowClass, "Marlow17 Gallery",
                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 900, 640, nullptr, nullptr,
                         GetModuleHandleA(nullptr), this))
        return false;
    ShowWindow(m_hwnd, nCmdShow);
    if (!m_pages.empty())
        ShowPage(0);
    UpdateWindow(m_hwnd);
    return true;
}

void GalleryWindow::OnCreate()
{
    m_pageList = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                 0, 0, 0, 0, m_hwnd, reinterpret_cast<HMENU>(s_pageListId), nullptr, nullptr);
    m_log = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY
                                | ES_AUTOVSCROLL,
                            0, 0, 0, 0, m_hwnd, reinterpret_cast<HMENU>(s_logId), nullptr, nullptr);
    for (HWND child : {m_pageList, m_log})
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryPage::DialogFont()), FALSE);
    SendMessageA(m_log, EM_SETLIMITTEXT, 0, 0);
    Layout();

    size_t count = 0;
    const GalleryPageFactory* factories = GalleryPageFactories(&count);
    for (size_t i = 0; i < count; ++i) {
        std::unique_ptr<GalleryPage> page = factories[i]();
        if (!page->Create(m_hwnd, PageRect(), [this](const std::string& line) { AppendLog(line); })) {
            AppendLog(std::string("Gallery: the page ") + page->Name() + " could not be created");
            continue;
        }
        SendMessageA(m_pageList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page->Name()));
        m_pages.push_back(std::move(page));
    }
}

void GalleryWindow::ShowPage(int index)
{
    if (index < 0 || index >= GetPageCount() || index == m_current)
        return;
    if (m_current >= 0)
        ShowWindow(m_pages[m_current]->GetHwnd(), SW_HIDE);
    m_current = index;
    SendMessageA(m_pageList, LB_SETCURSEL, index, 0);
    ShowWindow(m_pages[index]->GetHwnd(), SW_SHOW);
}

void GalleryWindow::AppendLog(const std::string& line)
{
    const std::string text = (GetWindowTextLengthA(m_log) ? "\r\n" : "") + line;
    const int end = GetWindowTextLengthA(m_log);
    SendMessageA(m_log, EM_SETSEL, end, end);
    SendMessageA(m_log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(m_log, EM_SCROLLCARET, 0, 0);
}

RECT GalleryWindow::PageRect() const
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int left = s_margin + s_listWidth + s_margin;
    const int bottom = std::max<int>(s_margin, client.bottom - s_margin - s_logHeight - s_margin);
    return RECT{left, s_margin, std::max<int>(left, client.right - s_margin), bottom};
}

void GalleryWindow::Layout()
{
    const RECT page = PageRect();
    RECT client;
    GetClientRect(m_hwnd, &client);
    MoveWindow(m_pageList, s_margin, page.top, s_listWidth, page.bottom - page.top, TRUE);
    MoveWindow(m_log, s_margin, page.bottom + s_margin, std::max<int>(0, client.right - 2 * s_margin), s_logHeight,
               TRUE);
    for (const auto& p : m_pages)
        MoveWindow(p->GetHwnd(), page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
}

LRESULT GalleryWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == s_pageListId && HIWORD(wParam) == LBN_SELCHANGE)
            ShowPage(static_cast<int>(SendMessageA(m_pageList, LB_GETCURSEL, 0, 0)));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK GalleryWindow::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        GalleryWindow* window = static_cast<GalleryWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    GalleryWindow* window = reinterpret_cast<GalleryWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->m_hwnd = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return window->OnMessage(message, wParam, lParam);
}
