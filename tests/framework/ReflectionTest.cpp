// Reflection: a parent hands its children's notifications back to the children's objects first;
// what a child handles never reaches the parent's own handlers or the host's record.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const int kClick = (int)NM_CLICK;
const int kDblClk = (int)NM_DBLCLK;
const int kRClick = (int)NM_RCLICK;
const int kReturn = (int)NM_RETURN;

// Colours itself through the reflected WM_CTLCOLOR* map entry.
class ReflectColorEdit : public CEdit
{
public:
    ReflectColorEdit() : m_brush(kRed) {}
    int calls = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++calls;
        EXPECT_EQ((UINT)CTLCOLOR_EDIT, nCtlColor);
        pDC->SetBkColor(kRed);
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brush;
};

BEGIN_MESSAGE_MAP(ReflectColorEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Colours itself through the reflection hook, the way a validating edit does.
class ChildNotifyColorEdit : public CEdit
{
public:
    ChildNotifyColorEdit() : m_brush(kGreen) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_CTLCOLOREDIT)
            return CEdit::OnChildNotify(message, wParam, lParam, pResult);
        ::SetBkColor(reinterpret_cast<HDC>(wParam), kGreen);
        *pResult = reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brush));
        return TRUE;
    }

private:
    CBrush m_brush;
};

// Sends notifications to its parent and claims some of them back.
class NotifyingWnd : public CWnd
{
public:
    std::vector<int> seen;

    LRESULT Notify(int code)
    {
        NMHDR nmhdr = { m_hWnd, (UINT_PTR)GetDlgCtrlID(), (UINT)code };
        return ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
    }
    void Command(UINT code)
    {
        ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
    }

protected:
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult) { seen.push_back((int)pNMHDR->code); *pResult = 5; }
    afx_msg BOOL OnDblClk(NMHDR* pNMHDR, LRESULT*) { seen.push_back((int)pNMHDR->code); return FALSE; }    // parent too
    afx_msg BOOL OnRClick(NMHDR* pNMHDR, LRESULT* pResult) { seen.push_back((int)pNMHDR->code); *pResult = 6; return TRUE; }
    afx_msg void OnChange() { seen.push_back(EN_CHANGE); }
    afx_msg BOOL OnUpdate() { seen.push_back(EN_UPDATE); return FALSE; }
    afx_msg void HScroll(UINT nSBCode, UINT nPos) { seen.push_back(1000 + nSBCode * 100 + nPos); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifyingWnd, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClk)
    ON_NOTIFY_REFLECT_EX(NM_RCLICK, OnRClick)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_CONTROL_REFLECT_EX(EN_UPDATE, OnUpdate)
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

// A parent with handlers of its own for the same notifications.
class ParentWnd : public CWnd
{
public:
    std::vector<int> seen;

protected:
    afx_msg void OnChildClick(NMHDR*, LRESULT* pResult) { seen.push_back(kClick); *pResult = 50; }
    afx_msg void OnChildDblClk(NMHDR*, LRESULT* pResult) { seen.push_back(kDblClk); *pResult = 51; }
    afx_msg void OnChildChange() { seen.push_back(EN_CHANGE); }
    DECLARE_MESSAGE_MAP()
};

enum { ID_CHILD = 100 };

BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
    ON_NOTIFY(NM_CLICK, ID_CHILD, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, ID_CHILD, OnChildDblClk)
    ON_EN_CHANGE(ID_CHILD, OnChildChange)
END_MESSAGE_MAP()

// Draws the owner-drawn button blue.
class BlueButton : public CButton
{
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++draws;
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, kBlue);
    }
};

COLORREF PaintedColor(CWnd& wnd)
{
    wnd.Invalidate();
    wnd.UpdateWindow();
    return test::ScreenPixel(wnd, 4, 4);
}

TEST(Reflection, ChildrenColourThemselvesFromTheParentsCtlColor)
{
    test::HostWindow host;
    const CRect rect(10, 10, 150, 40);
    ReflectColorEdit reflected;
    ChildNotifyColorEdit hooked;
    CEdit plain;
    ASSERT_TRUE(reflected.Create(WS_CHILD | WS_VISIBLE, rect, CWnd::FromHandle(host), 1));
    ASSERT_TRUE(hooked.Create(WS_CHILD | WS_VISIBLE, rect + CPoint(0, 50), CWnd::FromHandle(host), 2));
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, rect + CPoint(0, 100), CWnd::FromHandle(host), 3));

    EXPECT_EQ(kRed, PaintedColor(reflected));
    EXPECT_LT(0, reflected.calls);
    EXPECT_EQ(kGreen, PaintedColor(hooked));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), PaintedColor(plain));
}

TEST(Reflection, OwnerDrawnButtonDrawsItselfFromTheParentsDrawItem)
{
    test::HostWindow host;
    BlueButton button;
    ASSERT_TRUE(button.Create("x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), CWnd::FromHandle(host), 1));
    EXPECT_EQ(kBlue, PaintedColor(button));
    EXPECT_LT(0, button.draws);
}

struct NotifyCase
{
    int code;
    std::vector<int> childSees;
    std::vector<int> parentSees;
    LRESULT result;
};

TEST(Reflection, ChildHandlersComeBeforeTheParents)
{
    test::HostWindow host;
    ParentWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "parent", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), CWnd::FromHandle(host), 1));
    NotifyingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent, ID_CHILD));

    const NotifyCase cases[] = {
        { kClick, { kClick }, {}, 5 },                // ON_NOTIFY_REFLECT claims it
        { kDblClk, { kDblClk }, { kDblClk }, 51 },    // ON_NOTIFY_REFLECT_EX declines
        { kRClick, { kRClick }, {}, 6 },              // ON_NOTIFY_REFLECT_EX accepts
        { kReturn, {}, {}, 0 },                       // nobody
    };
    for (const NotifyCase& c : cases) {
        SCOPED_TRACE(c.code);
        child.seen.clear();
        parent.seen.clear();
        EXPECT_EQ(c.result, child.Notify(c.code));
        EXPECT_EQ(c.childSees, child.seen);
        EXPECT_EQ(c.parentSees, parent.seen);
    }

    child.seen.clear();
    child.Command(EN_CHANGE);
    child.Command(EN_UPDATE);
    EXPECT_EQ((std::vector<int>{ EN_CHANGE, EN_UPDATE }), child.seen);
    EXPECT_TRUE(parent.seen.empty());

    child.seen.clear();
    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(std::vector<int>{ 1100 }, child.seen);
}

TEST(Reflection, HostRecordsOnlyWhatTheChildLeaves)
{
    test::HostWindow host;
    host.SetNotifyResult(kDblClk, 33);
    NotifyingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), CWnd::FromHandle(host), ID_CHILD));

    EXPECT_EQ(5, child.Notify(kClick));
    EXPECT_EQ(33, child.Notify(kDblClk));
    EXPECT_EQ(0, child.Notify(kReturn));
    child.Command(EN_CHANGE);
    child.Command(EN_KILLFOCUS);
    EXPECT_EQ((std::vector<int>{ kDblClk, kReturn, EN_KILLFOCUS }), host.Codes());
    ASSERT_EQ(3u, host.Records().size());
    EXPECT_EQ((UINT)WM_NOTIFY, host.Records()[0].message);
    EXPECT_EQ((UINT_PTR)ID_CHILD, host.Records()[0].id);
    EXPECT_EQ(child.m_hWnd, host.Records()[0].from);
    EXPECT_EQ(child.m_hWnd, host.Records()[0].As<NMHDR>().hwndFrom);
    EXPECT_EQ((UINT)WM_COMMAND, host.Records()[2].message);
    EXPECT_EQ(child.m_hWnd, host.Records()[2].from);
}

// Counts its own EN_CHANGE notifications.
class ChangeEdit : public CEdit
{
public:
    int changes = 0;

protected:
    afx_msg void OnChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChangeEdit, CEdit)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

TEST(Reflection, RealEditChangeIsReflected)
{
    test::HostWindow host;
    ChangeEdit edit;
    CEdit plain;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 150, 40), CWnd::FromHandle(host), 1));
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(10, 50, 150, 80), CWnd::FromHandle(host), 2));
    host.ClearRecords();

    // Each edit also sends EN_UPDATE, which neither claims.
    auto changesFrom = [&](HWND from) {
        int n = 0;
        for (const test::Notification& record : host.Records())
            n += record.message == WM_COMMAND && record.code == EN_CHANGE && record.from == from;
        return n;
    };
    test::TypeText(edit, "ab");
    test::TypeText(plain, "c");
    EXPECT_EQ(2, edit.changes);
    EXPECT_EQ(0, changesFrom(edit));
    EXPECT_EQ(1, changesFrom(plain));
}

LRESULT CALLBACK PlainParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (CWnd::ReflectChildMsg(hWnd, message, wParam, lParam, &result))
        return result;
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(Reflection, PlainWin32ParentReflectsThroughReflectChildMsg)
{
    test::HostWindow host;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Marlow17.PlainParent";
    ASSERT_TRUE(AfxRegisterClass(&wc));
    HWND hParent = CreateWindowA(wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, host, nullptr,
                                 wc.hInstance, nullptr);
    ASSERT_TRUE(hParent);
    CWnd* pParent = CWnd::FromHandle(hParent);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hParent));

    ReflectColorEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 150, 40), pParent, 1));
    EXPECT_EQ(kRed, PaintedColor(edit));

    NotifyingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(10, 60, 60, 90), pParent, ID_CHILD));
    EXPECT_EQ(5, child.Notify(kClick));
    EXPECT_EQ(0, child.Notify(kReturn));
    ::SendMessageA(hParent, WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ((std::vector<int>{ kClick, 1000 }), child.seen);
    DestroyWindow(hParent);
}

}  // namespace
