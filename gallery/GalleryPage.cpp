#include "GalleryPage.h"

namespace {
const char s_pageClass[] = "Marlow17GalleryPage";
}

GalleryPage::~GalleryPage()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

bool GalleryPage::Create(HWND parent, const RECT& rect, LogFunction log)
{
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &GalleryPage::WndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = s_pageClass;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return false;
    m_log = std::move(log);
    m_hwnd = CreateWindowExA(WS_EX_CONTROLPARENT, s_pageClass, Name(), WS_CHILD | WS_CLIPCHILDREN,
                             rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             parent, nullptr, GetModuleHandleA(nullptr), this);
    if (!m_hwnd)
        return false;
    OnCreate();
    return true;
}

LRESULT GalleryPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

void GalleryPage::Log(const std::string& line) const
{
    if (m_log)
        m_log(std::string(Name()) + ": " + line);
}

HWND GalleryPage::AddChild(const char* className, const char* text, DWORD style, int x, int y, int width,
                           int height, int id)
{
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return child;
}

HFONT GalleryPage::DialogFont()
{
    static const HFONT font = [] {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof(metrics);
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        return CreateFontIndirectA(&metrics.lfMessageFont);
    }();
    return font;
}

LRESULT CALLBACK GalleryPage::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        GalleryPage* page = static_cast<GalleryPage*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        page->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
    }
    GalleryPage* page = reinterpret_cast<GalleryPage*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!page)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        page->m_hwnd = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return page->OnMessage(message, wParam, lParam);
}
