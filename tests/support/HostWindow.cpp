// The host window: a top-level frame that is a framework window, so a child control's reflected
// notifications reach the child first, as under an MFC host; what the child leaves reaches the
// record.
#include "TestSupport.h"

#include <afxwin.h>
#include <algorithm>

namespace test {

class HostWindow::Frame : public CWnd
{
public:
    explicit Frame(HostWindow& host) : m_host(host) {}

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (CWnd::OnCommand(wParam, lParam))
            return TRUE;
        m_host.m_records.push_back({WM_COMMAND, (int)HIWORD(wParam), LOWORD(wParam),
                                    reinterpret_cast<HWND>(lParam), {}});
        return TRUE;
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (CWnd::OnNotify(wParam, lParam, pResult))
            return TRUE;
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        const int code = (int)pNMHDR->code;
        const BYTE* pBytes = reinterpret_cast<const BYTE*>(pNMHDR);
        m_host.m_records.push_back({WM_NOTIFY, code, pNMHDR->idFrom, pNMHDR->hwndFrom,
                                    std::vector<BYTE>(pBytes, pBytes + m_host.RecordSize(code))});
        *pResult = m_host.NotifyResult(code);
        return TRUE;
    }

private:
    HostWindow& m_host;
};

HostWindow::HostWindow(int width, int height) : m_frame(nullptr)
{
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT rect = {0, 0, width, height};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    m_frame = new Frame(*this);
    if (m_frame->CreateEx(0, className, "Marlow17 test host", style, 0, 0, rect.right - rect.left,
                          rect.bottom - rect.top, nullptr, nullptr)) {
        m_hwnd = m_frame->m_hWnd;
        ShowWindow(m_hwnd, SW_SHOW);
        SetForegroundWindow(m_hwnd);
        UpdateWindow(m_hwnd);
    }
}

HostWindow::~HostWindow()
{
    if (m_frame->m_hWnd)
        m_frame->DestroyWindow();
    delete m_frame;
}

std::vector<int> HostWindow::Codes() const
{
    std::vector<int> codes;
    for (const Notification& record : m_records)
        codes.push_back(record.code);
    return codes;
}

void HostWindow::SetNotifyResult(int code, LRESULT result)
{
    for (auto& entry : m_results)
        if (entry.first == code) {
            entry.second = result;
            return;
        }
    m_results.emplace_back(code, result);
}

void HostWindow::SetRecordSize(int code, size_t bytes)
{
    for (auto& entry : m_sizes)
        if (entry.first == code) {
            entry.second = bytes;
            return;
        }
    m_sizes.emplace_back(code, bytes);
}

LRESULT HostWindow::NotifyResult(int code) const
{
    for (const auto& entry : m_results)
        if (entry.first == code)
            return entry.second;
    return 0;
}

size_t HostWindow::RecordSize(int code) const
{
    for (const auto& entry : m_sizes)
        if (entry.first == code)
            return entry.second;
    return sizeof(NMHDR);
}

}  // namespace test
