// Window objects: the handle map follows creation and destruction, failed creation leaves nothing
// behind, temporary wrappers stay bounded, and message filtering walks the parents.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

#include <vector>

namespace {

// Makes children of its own while it is being created; optionally refuses to be created.
class ParentOfTwo : public CWnd
{
public:
    bool refuse = false;
    CWnd first, second;
    int postNcDestroys = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (CWnd::OnCreate(cs) == -1 || refuse)
            return -1;
        first.Create(nullptr, "first", WS_CHILD, CRect(0, 0, 10, 10), this, 1);
        second.Create(nullptr, "second", WS_CHILD, CRect(0, 0, 10, 10), this, 2);
        return 0;
    }
    void PostNcDestroy() override { ++postNcDestroys; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentOfTwo, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Window, MapFollowsCreationAndDestruction)
{
    test::HostWindow host;
    const int before = AfxGetWindowMapCount(TRUE);
    ParentOfTwo parent;
    ASSERT_TRUE(parent.Create(nullptr, "parent", WS_CHILD, CRect(0, 0, 100, 100), CWnd::FromHandle(host), 1));
    ASSERT_TRUE(parent.first.m_hWnd && parent.second.m_hWnd);
    EXPECT_EQ(before + 3, AfxGetWindowMapCount(TRUE));
    EXPECT_EQ(&parent.first, CWnd::FromHandlePermanent(parent.first.m_hWnd));
    EXPECT_EQ(&parent, parent.first.GetParent());

    HWND hFirst = parent.first.m_hWnd;
    EXPECT_TRUE(parent.DestroyWindow());
    EXPECT_EQ(before, AfxGetWindowMapCount(TRUE));
    EXPECT_EQ(nullptr, parent.m_hWnd);
    EXPECT_EQ(nullptr, parent.first.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hFirst));
    EXPECT_EQ(1, parent.postNcDestroys);
    EXPECT_FALSE(parent.DestroyWindow());
}

TEST(Window, FailedCreationLeavesNothing)
{
    test::HostWindow host;
    const int before = AfxGetWindowMapCount(TRUE);
    ParentOfTwo refused;
    refused.refuse = true;
    EXPECT_FALSE(refused.Create(nullptr, "refused", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 1));
    EXPECT_EQ(nullptr, refused.m_hWnd);
    EXPECT_EQ(1, refused.postNcDestroys);

    ParentOfTwo unknownClass;
    EXPECT_FALSE(unknownClass.Create("Marlow17.NoSuchClass", "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 1));
    EXPECT_EQ(1, unknownClass.postNcDestroys);
    EXPECT_EQ(before, AfxGetWindowMapCount(TRUE));
}

// Throws from its creation hooks or from a message handler.
class Thrower : public CWnd
{
public:
    bool throwInPreSubclass = false;
    bool throwInCreate = false;
    int postNcDestroys = 0;

protected:
    void PreSubclassWindow() override
    {
        if (throwInPreSubclass)
            AfxThrowResourceException();
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (throwInCreate)
            AfxThrowResourceException();
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowInvalidArgException(); }
    void PostNcDestroy() override { ++postNcDestroys; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Thrower, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP, OnThrow)
END_MESSAGE_MAP()

TEST(Window, ExceptionsInHandlersFailTheMessageNotTheProgram)
{
    test::HostWindow host;
    const int before = AfxGetWindowMapCount(TRUE);
    for (int stage = 0; stage < 2; ++stage) {
        SCOPED_TRACE(stage);
        Thrower wnd;
        wnd.throwInPreSubclass = stage == 0;
        wnd.throwInCreate = stage == 1;
        EXPECT_FALSE(wnd.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 1));
        EXPECT_EQ(nullptr, wnd.m_hWnd);
        EXPECT_EQ(1, wnd.postNcDestroys);
        EXPECT_EQ(before, AfxGetWindowMapCount(TRUE));
    }
    Thrower wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 1));
    EXPECT_EQ(0, wnd.SendMessage(WM_APP));
    EXPECT_TRUE(wnd.IsWindow());

    // Subclassing outside any window procedure lets the exception reach the caller.
    HWND hPlain = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
    Thrower subclassed;
    subclassed.throwInPreSubclass = true;
    bool caught = false;
    try {
        subclassed.SubclassWindow(hPlain);
    } catch (CResourceException* e) {
        caught = true;
        e->Delete();
    }
    EXPECT_TRUE(caught);
    EXPECT_EQ(nullptr, subclassed.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
}

// Deletes itself when its window is gone, as frame and pop-up windows do.
class SelfDeleting : public CWnd
{
public:
    explicit SelfDeleting(bool& deleted) : m_deleted(deleted) {}
    ~SelfDeleting() override { m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool& m_deleted;
};

TEST(Window, ObjectsGoWithTheirWindows)
{
    test::HostWindow host;
    bool deleted = false;
    SelfDeleting* pWnd = new SelfDeleting(deleted);
    ASSERT_TRUE(pWnd->Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 1));
    HWND hWnd = pWnd->m_hWnd;
    DestroyWindow(host);     // children go with the host
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    // A window object going out of scope destroys its window.
    test::HostWindow host2;
    HWND hScoped;
    {
        CWnd scoped;
        ASSERT_TRUE(scoped.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(host2), 1));
        hScoped = scoped.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hScoped));
}

TEST(Window, TemporaryWrappersAreSharedAndBounded)
{
    test::HostWindow host;
    CWnd::DeleteTempMap();
    HWND hPlain = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hPlain, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    CWnd* volatile pNone = nullptr;
    EXPECT_EQ(nullptr, pNone->GetSafeHwnd());

    // Wrappers of windows that are gone are swept as the map grows.
    for (int i = 0; i < 500; ++i) {
        HWND hWnd = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
        CWnd::FromHandle(hWnd);
        DestroyWindow(hWnd);
    }
    EXPECT_GE(130, AfxGetWindowMapCount(FALSE));
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain));     // a live window keeps its wrapper

    CWnd::DeleteTempMap();
    EXPECT_EQ(0, AfxGetWindowMapCount(FALSE));
}

TEST(Window, AttachAndDetach)
{
    test::HostWindow host;
    HWND hPlain = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
    CWnd wnd;
    EXPECT_FALSE(wnd.Attach(nullptr));
    ASSERT_TRUE(wnd.Attach(hPlain));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hPlain));
    CWnd other;
    EXPECT_FALSE(other.Attach(hPlain));
    EXPECT_EQ(hPlain, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
    EXPECT_TRUE(IsWindow(hPlain));
}

// Takes the F5 key away from its children.
class KeyFilter : public CWnd
{
public:
    int filtered = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F5) {
            ++filtered;
            return TRUE;
        }
        return FALSE;
    }
};

class KeyCounter : public CWnd
{
public:
    std::vector<UINT> keys;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { keys.push_back(nChar); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeyCounter, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST(Window, PreTranslateMessageWalksUpTheParents)
{
    test::HostWindow host;
    KeyFilter filter;
    ASSERT_TRUE(filter.Create(nullptr, "", WS_CHILD, CRect(0, 0, 100, 100), CWnd::FromHandle(host), 1));
    // A plain window between the two: the walk passes it by.
    HWND hMiddle = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 50, 50, filter, nullptr, nullptr, nullptr);
    KeyCounter target;
    ASSERT_TRUE(target.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(hMiddle), 2));

    test::PumpMessages();
    PostMessageA(target, WM_KEYDOWN, VK_F5, 1);
    PostMessageA(target, WM_KEYDOWN, VK_F6, 1);
    ASSERT_TRUE(AfxPumpMessage());
    ASSERT_TRUE(AfxPumpMessage());
    EXPECT_EQ(1, filter.filtered);
    EXPECT_EQ(std::vector<UINT>{ VK_F6 }, target.keys);

    MSG unrelated = { host, WM_KEYDOWN, VK_F5, 1 };
    EXPECT_FALSE(AfxPreTranslateMessage(&unrelated));
}

class Creatable : public CWnd
{
    DECLARE_DYNCREATE(Creatable)
};

IMPLEMENT_DYNCREATE(Creatable, CWnd)

TEST(Window, RunTimeClasses)
{
    CObject* pObject = RUNTIME_CLASS(Creatable)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(Creatable)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_STREQ("Creatable", pObject->GetRuntimeClass()->m_lpszClassName);
    delete pObject;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CWnd)->CreateObject());
}

}  // namespace
