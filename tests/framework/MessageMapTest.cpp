// Message maps: each message reaches the handler its map names, with MFC's cracked arguments; a
// derived map is searched before its base map; what no map handles goes to the default procedure.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

#include <stdarg.h>
#include <string>
#include <vector>

namespace {

const UINT WM_APP_SUM = WM_APP + 1;
const UINT s_registeredMessage = RegisterWindowMessageA("Marlow17.MessageMapTest.Registered");

enum { ID_BUTTON = 101, ID_EDIT = 102, ID_LIST = 103, ID_RANGE_FIRST = 200, ID_RANGE_LAST = 205,
       ID_NOTIFY_FIRST = 300, ID_NOTIFY_LAST = 310 };

std::string Format(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    return buffer;
}

// Records every handler call with the arguments it received.
class RecordingWnd : public CWnd
{
public:
    std::vector<std::string> log;
    HWND expectedOther = nullptr;     // the window the focus and cursor messages name

protected:
    std::string Other(CWnd* pWnd) const { return pWnd == nullptr ? "null" : pWnd->m_hWnd == expectedOther ? "other" : "?"; }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT cs) { log.push_back(Format("OnNcCreate(%s)", cs->lpszName)); return CWnd::OnNcCreate(cs); }
    afx_msg int OnCreate(LPCREATESTRUCT cs) { log.push_back(Format("OnCreate(%s)", cs->lpszName)); return CWnd::OnCreate(cs); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { log.push_back(Format("OnChar(%u,%u,%u)", nChar, nRepCnt, nFlags)); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { log.push_back(Format("OnKeyDown(%u,%u,%u)", nChar, nRepCnt, nFlags)); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt) { log.push_back(Format("OnLButtonDown(%u,%ld,%ld)", nFlags, pt.x, pt.y)); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint pt) { log.push_back(Format("OnMouseMove(%u,%ld,%ld)", nFlags, pt.x, pt.y)); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) { log.push_back(Format("OnMouseWheel(%u,%d,%ld,%ld)", nFlags, zDelta, pt.x, pt.y)); return 5; }
    afx_msg void OnSize(UINT nType, int cx, int cy) { log.push_back(Format("OnSize(%u,%d,%d)", nType, cx, cy)); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { log.push_back(Format("OnTimer(%u)", (unsigned)nIDEvent)); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { log.push_back("OnKillFocus(" + Other(pNewWnd) + ")"); }
    afx_msg UINT OnGetDlgCode() { log.push_back("OnGetDlgCode()"); return DLGC_WANTCHARS | DLGC_WANTARROWS; }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) { log.push_back(Format("OnSetCursor(%s,%d,%u)", Other(pWnd).c_str(), (int)nHitTest, message)); return TRUE; }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pBar) { log.push_back(Format("OnHScroll(%u,%u,%s)", nSBCode, nPos, Other(pBar).c_str())); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos) { log.push_back(Format("OnContextMenu(%s,%ld,%ld)", Other(pWnd).c_str(), pos.x, pos.y)); }
    afx_msg LRESULT OnNcHitTest(CPoint pt) { log.push_back(Format("OnNcHitTest(%ld,%ld)", pt.x, pt.y)); return HTCAPTION; }
    afx_msg LRESULT OnSum(WPARAM wParam, LPARAM lParam) { log.push_back("OnSum"); return wParam + lParam; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { log.push_back(Format("OnRegistered(%u)", (unsigned)wParam)); return 77; }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        log.push_back(Format("OnSetText(%s)", reinterpret_cast<LPCSTR>(lParam)));
        return Default();       // the text as sent is stored
    }
    afx_msg void OnOk() { log.push_back("OnOk"); }
    afx_msg void OnButtonClicked() { log.push_back("OnButtonClicked"); }
    afx_msg void OnEditChange() { log.push_back("OnEditChange"); }
    afx_msg void OnRange(UINT nID) { log.push_back(Format("OnRange(%u)", nID)); }
    afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult) { log.push_back(Format("OnListClick(%u)", (unsigned)pNMHDR->idFrom)); *pResult = 7; }
    afx_msg void OnNotifyRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) { log.push_back(Format("OnNotifyRange(%u,%d)", nID, (int)pNMHDR->code)); *pResult = 8; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_CONTEXTMENU()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_APP_SUM, OnSum)
    ON_REGISTERED_MESSAGE(s_registeredMessage, OnRegistered)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_COMMAND(IDOK, OnOk)
    ON_BN_CLICKED(ID_BUTTON, OnButtonClicked)
    ON_EN_CHANGE(ID_EDIT, RecordingWnd::OnEditChange)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_NOTIFY(NM_CLICK, ID_LIST, OnListClick)
    ON_NOTIFY_RANGE(NM_DBLCLK, ID_NOTIFY_FIRST, ID_NOTIFY_LAST, OnNotifyRange)
END_MESSAGE_MAP()

// Overrides one handler of its base and adds one; the rest come from the base map.
class DerivedWnd : public RecordingWnd
{
protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT) { log.push_back(Format("Derived::OnChar(%u)", nChar)); }
    afx_msg void OnKeyUp(UINT nChar, UINT, UINT) { log.push_back(Format("Derived::OnKeyUp(%u)", nChar)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, RecordingWnd)
    ON_WM_CHAR()
    ON_WM_KEYUP()
END_MESSAGE_MAP()

struct Case
{
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expectedLog;    // null: no handler may run
    LRESULT expectedResult;
};

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A real sibling: the window that focus, cursor and command messages name.
        other = CreateWindowA("BUTTON", "other", WS_CHILD | WS_VISIBLE, 300, 10, 60, 20, host, nullptr, nullptr, nullptr);
        wnd.expectedOther = other;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "recorder", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, host, nullptr));
        wnd.log.clear();
    }

    test::HostWindow host;
    HWND other = nullptr;
    DerivedWnd wnd;
};

TEST_F(MessageMapTest, HandlersReceiveCrackedArguments)
{
    NMHDR click = { other, ID_LIST, (UINT)NM_CLICK };
    NMHDR dblclk = { other, 305, (UINT)NM_DBLCLK };
    NMHDR unmapped = { other, ID_LIST, (UINT)NM_RCLICK };
    const LPARAM hOther = reinterpret_cast<LPARAM>(other);
    const Case cases[] = {
        { "derived handler", WM_CHAR, 'a', MAKELPARAM(3, 0x1E), "Derived::OnChar(97)", 0 },
        { "derived-only handler", WM_KEYUP, VK_LEFT, 0, "Derived::OnKeyUp(37)", 0 },
        { "base map fallback", WM_KEYDOWN, VK_RETURN, MAKELPARAM(2, 0x11C), "OnKeyDown(13,2,284)", 0 },
        { "signed mouse point", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7), "OnLButtonDown(1,-5,7)", 0 },
        { "mouse move", WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(12, -3), "OnMouseMove(4,12,-3)", 0 },
        { "wheel", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-120), MAKELPARAM(40, 50), "OnMouseWheel(8,-120,40,50)", 5 },
        { "size", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "OnSize(2,640,480)", 0 },
        { "timer", WM_TIMER, 42, 0, "OnTimer(42)", 0 },
        { "focus window", WM_KILLFOCUS, (WPARAM)other, 0, "OnKillFocus(other)", 0 },
        { "no focus window", WM_KILLFOCUS, 0, 0, "OnKillFocus(null)", 0 },
        { "dialog code", WM_GETDLGCODE, 0, 0, "OnGetDlgCode()", DLGC_WANTCHARS | DLGC_WANTARROWS },
        { "hit-test error", WM_SETCURSOR, (WPARAM)other, MAKELPARAM((WORD)HTERROR, WM_LBUTTONDOWN), "OnSetCursor(other,-2,513)", TRUE },
        { "scroll without bar", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), 0, "OnHScroll(5,300,null)", 0 },
        { "context menu", WM_CONTEXTMENU, (WPARAM)other, MAKELPARAM(-1, -1), "OnContextMenu(other,-1,-1)", 0 },
        { "hit test", WM_NCHITTEST, 0, MAKELPARAM(100, 200), "OnNcHitTest(100,200)", HTCAPTION },
        { "ON_MESSAGE", WM_APP_SUM, 30, 12, "OnSum", 42 },
        { "registered message", s_registeredMessage, 9, 0, "OnRegistered(9)", 77 },
        { "ON_COMMAND", WM_COMMAND, MAKEWPARAM(IDOK, 0), 0, "OnOk", 1 },
        { "ON_BN_CLICKED", WM_COMMAND, MAKEWPARAM(ID_BUTTON, BN_CLICKED), hOther, "OnButtonClicked", 1 },
        { "qualified handler", WM_COMMAND, MAKEWPARAM(ID_EDIT, EN_CHANGE), hOther, "OnEditChange", 1 },
        { "other code, same id", WM_COMMAND, MAKEWPARAM(ID_EDIT, EN_UPDATE), hOther, nullptr, 0 },
        { "command range", WM_COMMAND, MAKEWPARAM(203, 0), 0, "OnRange(203)", 1 },
        { "outside the range", WM_COMMAND, MAKEWPARAM(206, 0), 0, nullptr, 0 },
        { "ON_NOTIFY", WM_NOTIFY, ID_LIST, (LPARAM)&click, "OnListClick(103)", 7 },
        { "ON_NOTIFY_RANGE", WM_NOTIFY, 305, (LPARAM)&dblclk, "OnNotifyRange(305,-3)", 8 },
        { "unmapped notification", WM_NOTIFY, ID_LIST, (LPARAM)&unmapped, nullptr, 0 },
        { "unmapped message", WM_APP + 9, 1, 2, nullptr, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wnd.log.clear();
        const LRESULT result = SendMessageA(wnd, c.message, c.wParam, c.lParam);
        EXPECT_EQ(c.expectedResult, result);
        if (c.expectedLog)
            EXPECT_EQ(std::vector<std::string>{c.expectedLog}, wnd.log);
        else
            EXPECT_TRUE(wnd.log.empty()) << wnd.log.front();
    }
}

TEST_F(MessageMapTest, CreationMessagesReachTheObject)
{
    DerivedWnd created;
    ASSERT_TRUE(created.CreateEx(0, nullptr, "second", WS_CHILD, 0, 0, 10, 10, host, nullptr));
    ASSERT_GE(created.log.size(), 2u);
    EXPECT_EQ("OnNcCreate(second)", created.log[0]);
    EXPECT_EQ("OnCreate(second)", created.log[1]);
}

TEST_F(MessageMapTest, DefaultUsesTheOriginalMessage)
{
    wnd.SetWindowText("kept");
    EXPECT_EQ(std::vector<std::string>{"OnSetText(kept)"}, wnd.log);
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("kept", text);
}

}  // namespace
