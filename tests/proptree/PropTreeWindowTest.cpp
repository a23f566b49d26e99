// The property tree as a window on a real host: its children and their layout, notifications as
// WM_NOTIFY records at the parent, the parent's vetoes, deletion and destruction with a window,
// focus changes and scrolling an item into view.
#include <gtest/gtest.h>
#include "PropTreeTestSupport.h"
#include "TestSupport.h"

#include <algorithm>
#include <utility>

using namespace proptest;

namespace {

const UINT kTreeID = 1234;
const int kAllCodes[] = { -1101, -1102, -1103, -1104, -1105, -1106, -1107, -1108, -1109, -1110, -1111, -1112, -1113 };

// A notification as the host heard it: the code and the item of the record.
using Heard = std::pair<int, CPropTreeItem*>;

CRect ChildRect(CWnd& parent, HWND child)
{
    CRect rc;
    ::GetWindowRect(child, rc);
    parent.ScreenToClient(rc);
    return rc;
}

class PropTreeWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CountingItem::Reset();
        for (int code : kAllCodes)
            host.SetRecordSize(code, sizeof(PropTreeNotify));
        tree = MakeTree();
    }

    void TearDown() override
    {
        delete tree;
        EXPECT_EQ(0, CountingItem::Alive()) << "items leaked or freed twice";
    }

    virtual CPropTree* MakeTree()
    {
        CPropTree* pTree = new CPropTree;
        EXPECT_TRUE(pTree->Create(WS_CHILD | WS_VISIBLE | PTREES_NOTIFY, CRect(10, 10, 410, 310),
                                  CWnd::FromHandle(host), kTreeID));
        return pTree;
    }

    CountingItem* Add(LPCTSTR label, CPropTreeItem* parent = nullptr)
    {
        CountingItem* item = new CountingItem(label);
        EXPECT_EQ(item, tree->InsertItem(item, parent));
        return item;
    }

    // What the host heard from the tree, checking the header of every record.
    std::vector<Heard> HeardFromTree()
    {
        std::vector<Heard> heard;
        for (const test::Notification& n : host.Records()) {
            if (n.message != WM_NOTIFY)
                continue;
            EXPECT_EQ(tree->GetSafeHwnd(), n.from);
            EXPECT_EQ(kTreeID, n.id);
            const PropTreeNotify& record = n.As<PropTreeNotify>();
            EXPECT_EQ(tree->GetSafeHwnd(), record.hdr.hwndFrom);
            EXPECT_EQ(kTreeID, record.hdr.idFrom);
            heard.push_back({(int)record.hdr.code, record.pItem});
        }
        return heard;
    }

    CWnd* List() { return tree->GetCtrlParent(); }

    test::HostWindow host;
    CPropTree* tree = nullptr;
};

TEST_F(PropTreeWindow, CreatesItsChildrenAndLaysThemOut)
{
    ASSERT_TRUE(::IsWindow(tree->GetSafeHwnd()));
    const UINT classStyle = (UINT)::GetClassLongA(tree->GetSafeHwnd(), GCL_STYLE);
    EXPECT_EQ((UINT)(CS_VREDRAW | CS_HREDRAW), classStyle & (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(0, ::GetClassLongPtrA(tree->GetSafeHwnd(), GCLP_HBRBACKGROUND));

    HWND list = ::GetDlgItem(tree->GetSafeHwnd(), 100);
    HWND info = ::GetDlgItem(tree->GetSafeHwnd(), 0xFFFF);
    ASSERT_TRUE(list && info);
    EXPECT_EQ(list, List()->GetSafeHwnd());
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE), (DWORD)::GetWindowLongA(list, GWL_STYLE) & 0xFFFF0000);
    EXPECT_EQ(CRect(0, 0, 400, 250), ChildRect(*tree, list));
    EXPECT_EQ(CRect(0, 251, 400, 300), ChildRect(*tree, info));
    EXPECT_TRUE(::IsWindowVisible(info));

    // The title tip: an unowned, hidden, topmost tool window of its own class.
    HWND tip = tree->GetTitleTip()->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(tip));
    char className[64] = {};
    ::GetClassNameA(tip, className, sizeof(className));
    EXPECT_STREQ("Qv_PropTree_TitleTip", className);
    EXPECT_EQ(nullptr, ::GetParent(tip));
    EXPECT_EQ((DWORD)(WS_EX_TOOLWINDOW | WS_EX_TOPMOST), (DWORD)::GetWindowLongA(tip, GWL_EXSTYLE) & 0x88);
    EXPECT_FALSE(::IsWindowVisible(tip));

    tree->ShowInfoText(FALSE);
    EXPECT_EQ(CRect(0, 0, 400, 300), ChildRect(*tree, list));
    EXPECT_FALSE(::IsWindowVisible(info));
    tree->MoveWindow(10, 10, 300, 200);
    EXPECT_EQ(CRect(0, 0, 300, 200), ChildRect(*tree, list));
    tree->ShowInfoText(TRUE);
    EXPECT_EQ(CRect(0, 0, 300, 150), ChildRect(*tree, list));
    EXPECT_EQ(CRect(0, 151, 300, 200), ChildRect(*tree, info));
    EXPECT_TRUE(::IsWindowVisible(info));

    // The focus given to the tree goes on to the list.
    tree->SetFocus();
    EXPECT_EQ(list, ::GetFocus());

    tree->DestroyWindow();
    EXPECT_FALSE(::IsWindow(list) || ::IsWindow(tip));
}

TEST_F(PropTreeWindow, InsertionsAreReportedWithTheirItems)
{
    CountingItem* a = Add("a");
    CountingItem* a1 = Add("a1", a);
    CountingItem* b = Add("b");
    EXPECT_EQ((std::vector<Heard>{{-1101, a}, {-1101, a1}, {-1101, b}}), HeardFromTree());
}

TEST_F(PropTreeWindow, EveryChangeAfterAPaintIsPaintedAgain)
{
    // Invalidating once per paint is enough; after each paint the next change must invalidate again.
    CountingItem* cat = Add("cat");
    cat->Expand();
    for (int round = 0; round < 3; ++round) {
        test::PumpMessages();
        EXPECT_FALSE(::GetUpdateRect(tree->GetSafeHwnd(), nullptr, FALSE));
        EXPECT_FALSE(::GetUpdateRect(List()->GetSafeHwnd(), nullptr, FALSE));
        CountingItem* item = Add("item", cat);
        Add("item", cat);
        EXPECT_TRUE(::GetUpdateRect(tree->GetSafeHwnd(), nullptr, FALSE)) << round;
        EXPECT_TRUE(::GetUpdateRect(List()->GetSafeHwnd(), nullptr, FALSE)) << round;
        test::PumpMessages();
        EXPECT_TRUE(tree->IsItemVisible(item)) << round;
        tree->SetColumn(100 + round);
        EXPECT_TRUE(::GetUpdateRect(tree->GetSafeHwnd(), nullptr, FALSE)) << round;
    }
}

TEST_F(PropTreeWindow, SendNotifyDeliversOnlyTheTreesOwnCodesAndReturnsTheAnswer)
{
    CountingItem* item = Add("item");
    host.ClearRecords();
    const int others[] = { -1100, -1114, -2, -3, 0, 1 };
    for (int code : kAllCodes)
        host.SetNotifyResult(code, 40 + (-code % 100));
    for (int code : others)
        host.SetNotifyResult(code, 99);

    std::vector<Heard> expected;
    for (int code : kAllCodes) {
        const bool delivered = code != -1104 && code != -1111;
        EXPECT_EQ(delivered ? 40 + (-code % 100) : 0, tree->SendNotify((UINT)code, item)) << code;
        if (delivered)
            expected.push_back({code, item});
    }
    for (int code : others)
        EXPECT_EQ(0, tree->SendNotify((UINT)code, item)) << code;
    EXPECT_EQ(47, tree->SendNotify(PTREEN_SELCHANGE, nullptr));
    expected.push_back({-1107, nullptr});
    EXPECT_EQ(expected, HeardFromTree());

    // Without the notify style nothing is sent.
    host.ClearRecords();
    tree->ModifyStyle(PTREES_NOTIFY, 0);
    for (int code : kAllCodes)
        EXPECT_EQ(0, tree->SendNotify((UINT)code, item)) << code;
    Add("quiet");
    tree->DeleteItem(item);
    EXPECT_TRUE(host.Records().empty());
}

TEST_F(PropTreeWindow, DeletionAsksForEveryItemAndTheParentCanVeto)
{
    CountingItem* cat = Add("cat");
    CountingItem* a = Add("a", cat);
    CountingItem* a1 = Add("a1", a);
    CountingItem* b = Add("b", cat);
    CountingItem* cat2 = Add("cat2");
    CountingItem* c = Add("c", cat2);
    host.ClearRecords();

    tree->DeleteItem(cat);
    EXPECT_EQ((std::vector<Heard>{{-1102, cat}, {-1102, a}, {-1102, a1}, {-1102, b}}), HeardFromTree());
    EXPECT_EQ(2, CountingItem::Alive());

    host.ClearRecords();
    host.SetNotifyResult(-1102, 1);
    tree->DeleteItem(c);
    tree->DeleteAllItems();    // the veto of cat2 keeps its child from being asked
    EXPECT_EQ((std::vector<Heard>{{-1102, c}, {-1102, cat2}}), HeardFromTree());
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat2}), Children(tree->GetRootItem()));
    EXPECT_EQ((std::vector<CPropTreeItem*>{c}), Children(cat2));
    EXPECT_EQ(2, CountingItem::Alive());
    EXPECT_EQ(306u, Add("next")->GetCtrlID());    // items kept by the veto keep the ID counter going

    host.SetNotifyResult(-1102, 0);
    tree->DeleteAllItems();
    EXPECT_EQ(0, CountingItem::Alive());
    EXPECT_EQ(300u, Add("first again")->GetCtrlID());
}

TEST_F(PropTreeWindow, DeletingTheFocusedItemDropsTheFocusSilently)
{
    CountingItem* cat = Add("cat");
    CountingItem* a = Add("a", cat);
    CountingItem* b = Add("b", cat);
    test::PumpMessages();
    tree->SetFocusedItem(a);
    EXPECT_EQ(a, tree->GetFocusedItem());
    host.ClearRecords();

    tree->DeleteItem(a);
    EXPECT_EQ(nullptr, tree->GetFocusedItem());
    EXPECT_EQ((std::vector<Heard>{{-1102, a}}), HeardFromTree());

    tree->SetFocusedItem(b);
    tree->DeleteItem(cat);    // the focused item goes with its category
    EXPECT_EQ(nullptr, tree->GetFocusedItem());
    test::PumpMessages();     // a paint after the deletions finds only live rows
    EXPECT_EQ(nullptr, tree->GetVisibleList());
}

TEST_F(PropTreeWindow, DestroyingTheTreeDeletesEverythingWhateverTheParentAnswers)
{
    for (int c = 0; c < 3; ++c) {
        CPropTreeItem* cat = Add("cat");
        cat->Expand();
        for (int i = 0; i < 4; ++i)
            Add("item", cat);
    }
    test::PumpMessages();
    host.ClearRecords();
    host.SetNotifyResult(-1102, 1);

    delete tree;
    tree = nullptr;
    EXPECT_EQ(0, CountingItem::Alive());
    EXPECT_EQ(15u, host.Records().size());    // every item was still announced
}

TEST_F(PropTreeWindow, ThousandsOfItemsWithAWindowAreAllFreed)
{
    tree->ShowWindow(SW_HIDE);    // filled out of sight: a visible scroll bar redraws on every insertion
    for (int c = 0; c < 40; ++c) {
        CPropTreeItem* cat = Add("cat");
        cat->Expand(c % 3 == 0);
        for (int i = 0; i < 100; ++i)
            Add("item", cat);
    }
    tree->ShowWindow(SW_SHOW);
    test::PumpMessages();
    EXPECT_EQ(4040, CountingItem::Alive());
    EXPECT_EQ(18 + 40 * 18 + 14 * 100 * 18, WalkedTotalHeight(tree->GetRootItem()));
    tree->SetFocusedItem(tree->FindItem(4000u));
    EXPECT_EQ(18 + 40 * 18 + 14 * 100 * 18, tree->GetRootItem()->GetTotalHeight());

    tree->DeleteItem(tree->GetRootItem()->GetChild());
    EXPECT_EQ(3939, CountingItem::Alive());
    ::DestroyWindow(host);    // the window goes first, as with a dialog; the object later
}

// A tree that settles some notifications in its own message map: it vetoes the deletion of
// chosen items itself, and takes every focus change.
class VetoingTree : public CPropTree
{
public:
    std::vector<CPropTreeItem*> keep;
    std::vector<CPropTreeItem*> asked;
    std::vector<CPropTreeItem*> focusChanges;

protected:
    afx_msg BOOL OnDeleting(NMHDR* pNMHDR, LRESULT* pResult)
    {
        CPropTreeItem* item = reinterpret_cast<PropTreeNotify*>(pNMHDR)->pItem;
        asked.push_back(item);
        if (std::find(keep.begin(), keep.end(), item) == keep.end())
            return FALSE;    // the owner decides
        *pResult = 1;
        return TRUE;
    }
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult)
    {
        focusChanges.push_back(reinterpret_cast<PropTreeNotify*>(pNMHDR)->pItem);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(VetoingTree, CPropTree)
    ON_NOTIFY_REFLECT_EX(PTREEN_DELETEITEM, OnDeleting)
    ON_NOTIFY(PTREEN_SELCHANGE, kTreeID, OnSelChange)
END_MESSAGE_MAP()

class PropTreeDerived : public PropTreeWindow
{
protected:
    CPropTree* MakeTree() override
    {
        vetoing = new VetoingTree;
        EXPECT_TRUE(vetoing->Create(WS_CHILD | WS_VISIBLE | PTREES_NOTIFY, CRect(10, 10, 410, 310),
                                    CWnd::FromHandle(host), kTreeID));
        return vetoing;
    }
    VetoingTree* vetoing = nullptr;
};

TEST_F(PropTreeDerived, AVetoedDescendantKeepsItsAncestorsAndNothingIsOrphaned)
{
    CountingItem* cat = Add("cat");
    CountingItem* a = Add("a", cat);
    CountingItem* b = Add("b", cat);
    CountingItem* b1 = Add("b1", b);
    CountingItem* c = Add("c", cat);
    CountingItem* cat2 = Add("cat2");
    host.ClearRecords();
    vetoing->keep = {b1};

    tree->DeleteItem(cat);
    // Each item was offered once to the tree's map; b1's veto was settled there.
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat, a, b, b1, c}), vetoing->asked);
    EXPECT_EQ((std::vector<Heard>{{-1102, cat}, {-1102, a}, {-1102, b}, {-1102, c}}), HeardFromTree());
    // a and c went; b1 stays, and so do b and cat, which still hold it.
    EXPECT_EQ(4, CountingItem::Alive());
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat, cat2}), Children(tree->GetRootItem()));
    EXPECT_EQ((std::vector<CPropTreeItem*>{b}), Children(cat));
    EXPECT_EQ((std::vector<CPropTreeItem*>{b1}), Children(b));
    EXPECT_EQ(b, b1->GetParent());

    // What stays is still whole: it can be drawn, found, and deleted once the veto is lifted.
    cat->Expand();
    b->Expand();
    test::PumpMessages();
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat, b, b1, cat2}), VisibleRows(*tree));
    EXPECT_EQ(b1, tree->FindItem(b1->GetCtrlID()));
    vetoing->keep.clear();
    tree->DeleteAllItems();
    EXPECT_EQ(0, CountingItem::Alive());
}

TEST_F(PropTreeDerived, FocusChangesReachTheTreesMessageMap)
{
    CountingItem* cat = Add("cat");
    CountingItem* a = Add("a", cat);
    cat->Expand();
    test::PumpMessages();
    host.ClearRecords();

    tree->FocusFirst();
    tree->FocusNext();
    tree->FocusNext();    // at the end: no change, no notification
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat, a}), vetoing->focusChanges);
    EXPECT_TRUE(HeardFromTree().empty());    // handled by the tree: not passed on
}

TEST_F(PropTreeWindow, FocusMovesReportEachChange)
{
    CountingItem* cat = Add("cat");
    CountingItem* a = Add("a", cat);
    CountingItem* b = Add("b", cat);
    CountingItem* cat2 = Add("cat2");
    cat->Expand();
    test::PumpMessages();
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat, a, b, cat2}), VisibleRows(*tree));
    host.ClearRecords();

    tree->FocusNext();
    tree->FocusPrev();     // already first: silent
    tree->FocusLast();
    tree->FocusPrev();
    tree->FocusFirst();
    tree->FocusFirst();    // no change: silent
    EXPECT_EQ((std::vector<Heard>{{-1107, cat}, {-1107, cat2}, {-1107, b}, {-1107, cat}}), HeardFromTree());
    EXPECT_TRUE(cat->IsSelected());
    EXPECT_FALSE(b->IsSelected() || a->IsSelected() || cat2->IsSelected());
}

TEST_F(PropTreeWindow, EnsureVisibleExpandsAndScrollsTheRowIntoTheList)
{
    CountingItem* cat = Add("cat");
    std::vector<CountingItem*> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(Add("item", cat));
    test::PumpMessages();
    ASSERT_FALSE(tree->IsItemVisible(items[10]));

    // Collapsed: the category opens, the list repaints at once, the row lies on screen.
    tree->EnsureVisible(items[10]);
    EXPECT_TRUE(cat->IsExpanded());
    EXPECT_TRUE(tree->IsItemVisible(items[10]));
    EXPECT_EQ(0, tree->GetOrigin().y);
    EXPECT_TRUE(List()->GetStyle() & WS_VSCROLL);    // the content outgrew the list

    // The list is 250 pixels high: a row below is scrolled up to the bottom edge, a row above to
    // the top; the offset stops at the end of the content (total 576, page 251).
    struct Case { int index; LONG offset; };
    const Case cases[] = { {25, 468 + 18 - 232}, {0, 18}, {5, 18}, {29, 325} };
    for (const Case& c : cases) {
        tree->SetFocusedItem(items[c.index]);
        EXPECT_EQ(c.offset, tree->GetOrigin().y) << "item " << c.index;
        EXPECT_EQ(c.offset, List()->GetScrollPos(SB_VERT)) << "item " << c.index;
        test::PumpMessages();
        const LONG top = items[c.index]->GetLocation().y - tree->GetOrigin().y;
        EXPECT_TRUE(top >= 0 && top + 18 <= 250) << "item " << c.index << " at " << top;
    }
}

TEST_F(PropTreeWindow, ColumnKeepsInsideTheWindow)
{
    const LONG cases[][2] = { {10, 50}, {1000, 386}, {385, 385}, {386, 386}, {387, 386}, {200, 200} };
    for (const auto& c : cases) {
        tree->SetColumn(c[0]);
        EXPECT_EQ(c[1], tree->GetColumn()) << "SetColumn(" << c[0] << ")";
    }
    EXPECT_TRUE(tree->SetPropClumWidth(5000.0));    // not clamped
    EXPECT_EQ(5000, tree->GetColumn());
    tree->MoveWindow(10, 10, 60, 100);              // a narrow tree: the minimum wins
    tree->SetColumn(55);
    EXPECT_EQ(50, tree->GetColumn());
}

TEST_F(PropTreeWindow, CommittedEditsAreReportedUnlessReadOnly)
{
    RecordingItem* item = new RecordingItem("edit");
    RecordingItem* locked = new RecordingItem("locked");
    tree->InsertItem(item);
    tree->InsertItem(locked);
    locked->ReadOnly();
    host.ClearRecords();

    item->Activate();
    item->CommitChanges();
    item->CommitChanges();
    locked->Activate();
    locked->CommitChanges();
    EXPECT_EQ((std::vector<Heard>{{-1105, item}}), HeardFromTree());
}

TEST_F(PropTreeWindow, DisableInputDisablesTheParentWindow)
{
    tree->DisableInput(TRUE);
    EXPECT_TRUE(tree->IsDisableInput());
    EXPECT_FALSE(::IsWindowEnabled(host));
    tree->DisableInput(FALSE);
    EXPECT_FALSE(tree->IsDisableInput());
    EXPECT_TRUE(::IsWindowEnabled(host));
}

TEST_F(PropTreeWindow, ADisabledTreeDrawsLabelsGrey)
{
    CountingItem* cat = Add("cat");
    Add("A long label", cat);
    cat->Expand();
    tree->EnableWindow(FALSE);
    MemoryCanvas canvas(400, 100, RGB(255, 255, 255));
    DrawRows(*tree, &canvas.dc(), CRect(2, 2, 398, 98));
    int grey = 0, black = 0;
    for (int y = 18; y < 36; ++y)
        for (int x = 17; x < 128; ++x) {
            grey += canvas.Pixel(x, y) == (::GetSysColor(COLOR_GRAYTEXT) & 0xFFFFFF);
            black += canvas.Pixel(x, y) == (::GetSysColor(COLOR_BTNTEXT) & 0xFFFFFF);
        }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(0, black);
}

}  // namespace
