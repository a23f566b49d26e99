// Bad input from a host: null items, items of another tree or of none, calls before the tree has a
// window and after it is gone, out-of-range columns, points and codes, an empty tree. Every call
// gives a clear result and leaves both trees' items where they were.
#include <gtest/gtest.h>
#include "PropTreeTestSupport.h"
#include "TestSupport.h"

#include <climits>
#include <functional>
#include <limits>

using namespace proptest;

namespace {

enum Mode { kWindow, kNoWindow, kDestroyed };

// Two trees, each with a collapsed category holding one item, and an item in no tree.
struct Scene
{
    explicit Scene(Mode m) : mode(m)
    {
        category = Add(tree, _T("category"), nullptr);
        item = Add(tree, _T("item"), category);
        otherCategory = Add(other, _T("other category"), nullptr);
        otherItem = Add(other, _T("other item"), otherCategory);
        if (mode == kNoWindow)
            return;
        EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | PTREES_NOTIFY, CRect(0, 0, 300, 300), CWnd::FromHandle(host), 1));
        EXPECT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 300, 300, 400), CWnd::FromHandle(host), 2));
        test::PumpMessages();
        if (mode == kDestroyed) {
            EXPECT_TRUE(tree.DestroyWindow());
        }
    }

    static CountingItem* Add(CPropTree& owner, LPCTSTR label, CPropTreeItem* parent)
    {
        CountingItem* p = new CountingItem(label);
        EXPECT_EQ(p, owner.InsertItem(p, parent));
        return p;
    }

    CPropTreeList& List() { return *static_cast<CPropTreeList*>(tree.GetCtrlParent()); }

    Mode mode;
    test::HostWindow host{400, 420};
    CPropTree tree;
    CPropTree other;
    CountingItem loose{_T("loose")};
    CountingItem* category = nullptr;
    CountingItem* item = nullptr;
    CountingItem* otherCategory = nullptr;
    CountingItem* otherItem = nullptr;
};

struct Case
{
    const char* name;
    bool keepsItems;    // the tree's own items must still be linked as built
    std::function<void(Scene&)> run;
};

BOOL CALLBACK CountItem(CPropTree*, CPropTreeItem*, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

const Case kCases[] = {
    { "InsertItem refuses null, a foreign parent and items already linked", true,
      [](Scene& s) {
          EXPECT_EQ(nullptr, s.tree.InsertItem(nullptr));
          EXPECT_EQ(nullptr, s.tree.InsertItem(nullptr, s.category));
          CountingItem* fresh = new CountingItem(_T("fresh"));
          EXPECT_EQ(nullptr, s.tree.InsertItem(fresh, s.otherCategory));
          EXPECT_EQ(nullptr, s.tree.InsertItem(fresh, &s.loose));
          EXPECT_EQ(nullptr, fresh->GetParent());
          delete fresh;    // refused: the caller still owns it
          EXPECT_EQ(nullptr, s.tree.InsertItem(s.item));
          EXPECT_EQ(nullptr, s.tree.InsertItem(s.otherItem, s.category));
          EXPECT_EQ(nullptr, s.tree.InsertItem(s.tree.GetRootItem()));
          EXPECT_EQ(nullptr, s.tree.InsertItem(s.other.GetRootItem(), s.category));
      } },
    { "DeleteItem ignores null and items outside the tree", true,
      [](Scene& s) {
          s.tree.DeleteItem(nullptr);
          s.tree.DeleteItem(s.otherItem);
          s.tree.DeleteItem(&s.loose);
      } },
    { "DeleteItem of the root empties the tree, which takes new items", false,
      [](Scene& s) {
          s.tree.DeleteItem(s.tree.GetRootItem());
          EXPECT_TRUE(Children(s.tree.GetRootItem()).empty());
          CountingItem* again = Scene::Add(s.tree, _T("again"), nullptr);
          EXPECT_EQ(std::vector<CPropTreeItem*>{ again }, Children(s.tree.GetRootItem()));
      } },
    { "An emptied tree has nothing to focus or find", false,
      [](Scene& s) {
          s.tree.DeleteAllItems();
          EXPECT_EQ(nullptr, s.tree.FocusFirst());
          EXPECT_EQ(nullptr, s.tree.FocusLast());
          EXPECT_EQ(nullptr, s.tree.FocusPrev());
          EXPECT_EQ(nullptr, s.tree.FocusNext());
          EXPECT_EQ(nullptr, s.tree.GetFocusedItem());
          EXPECT_EQ(nullptr, s.tree.FindItem(CPoint(20, 5)));
          EXPECT_EQ(HTCLIENT, s.tree.HitTest(CPoint(20, 5)));
          int count = 0;
          EXPECT_TRUE(s.tree.EnumItems(s.tree.GetRootItem(), CountItem, (LPARAM)&count));
          EXPECT_EQ(0, count);
      } },
    { "EnumItems refuses a null item or procedure", true,
      [](Scene& s) {
          int count = 0;
          EXPECT_FALSE(s.tree.EnumItems(nullptr, CountItem, (LPARAM)&count));
          EXPECT_FALSE(s.tree.EnumItems(s.tree.GetRootItem(), nullptr));
          EXPECT_EQ(0, count);
      } },
    { "Points and IDs outside every row find nothing", true,
      [](Scene& s) {
          const CPoint outside[] = { CPoint(INT_MIN, INT_MIN), CPoint(INT_MAX, INT_MAX / 2), CPoint(-1, -1), CPoint(5, 100000) };
          for (const CPoint& pt : outside) {
              EXPECT_EQ(nullptr, s.tree.FindItem(pt));
              EXPECT_EQ(HTCLIENT, s.tree.HitTest(pt));
          }
          EXPECT_EQ(nullptr, s.tree.FindItem(0u));
          EXPECT_EQ(nullptr, s.tree.FindItem(UINT_MAX));
      } },
    { "SetFocusedItem keeps its focus when given an item of another tree or of none", true,
      [](Scene& s) {
          s.tree.SetFocusedItem(s.item);
          s.tree.SetFocusedItem(s.otherItem);
          EXPECT_EQ(s.item, s.tree.GetFocusedItem());
          s.tree.SetFocusedItem(&s.loose);
          EXPECT_EQ(s.item, s.tree.GetFocusedItem());
          EXPECT_FALSE(s.otherCategory->IsExpanded());
          // The other tree deleting its item must not leave this tree pointing at it.
          s.other.DeleteItem(s.otherItem);
          s.otherItem = nullptr;
          EXPECT_EQ(s.item, s.tree.GetFocusedItem());
          s.tree.SetFocusedItem(nullptr);
          EXPECT_EQ(nullptr, s.tree.GetFocusedItem());
      } },
    { "EnsureVisible leaves other trees' items alone", true,
      [](Scene& s) {
          s.tree.EnsureVisible(nullptr);
          s.tree.EnsureVisible(s.otherItem);
          EXPECT_FALSE(s.otherCategory->IsExpanded());
          EXPECT_FALSE(s.category->IsExpanded());
          EXPECT_EQ(0, s.tree.GetOrigin().y);
      } },
    { "The column stays in range; widths a column cannot take are refused", true,
      [](Scene& s) {
          s.tree.SetColumn(LONG_MIN);
          EXPECT_GE(s.tree.GetColumn(), 50);
          s.tree.SetColumn(LONG_MAX);
          EXPECT_GE(s.tree.GetColumn(), 50);
          if (s.tree.GetSafeHwnd()) {
              EXPECT_LT(s.tree.GetColumn(), 300);
          }
          const LONG column = s.tree.GetColumn();
          const double bad[] = { -1.0, 0.0, 50.0, 1e300, std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN() };
          for (double width : bad)
              EXPECT_FALSE(s.tree.SetPropClumWidth(width)) << width;
          EXPECT_EQ(column, s.tree.GetColumn());
      } },
    { "Codes outside the tree's own are not sent", true,
      [](Scene& s) {
          const UINT codes[] = { 0u, UINT_MAX, (UINT)-1100, (UINT)-1104, (UINT)-1111, (UINT)-1114 };
          for (UINT code : codes)
              EXPECT_EQ(0, s.tree.SendNotify(code, s.item)) << (int)code;
      } },
    { "Layout, input and refresh calls need no window", true,
      [](Scene& s) {
          s.tree.ShowInfoText(FALSE);
          s.tree.ShowInfoText(TRUE);
          s.tree.DisableInput(TRUE);
          EXPECT_TRUE(s.tree.IsDisableInput());
          s.tree.DisableInput(FALSE);
          EXPECT_FALSE(s.tree.IsDisableInput());
          EXPECT_TRUE(::IsWindowEnabled(s.host));
          s.tree.SaveCurItem();
          s.tree.RefreshItems(nullptr);
          s.tree.UpdateMoveAllItems();
          s.tree.UpdatedItems();
          s.tree.SelectItems(nullptr, TRUE);
          EXPECT_TRUE(s.item->IsSelected());
          EXPECT_FALSE(s.otherItem->IsSelected());
      } },
    { "The row list scrolls only inside its content", true,
      [](Scene& s) {
          CPropTreeList& list = s.List();
          list.UpdateResize();
          list.OnVScroll(SB_THUMBTRACK, UINT_MAX, nullptr);
          EXPECT_EQ(0, s.tree.GetOrigin().y);
          list.OnVScroll(SB_PAGEDOWN, 0, nullptr);
          EXPECT_EQ(0, s.tree.GetOrigin().y);
          list.SaveCurItem();
          // The tree hands the list its font as it creates it.
          EXPECT_EQ(s.mode == kNoWindow ? nullptr : CPropTree::GetNormalFont(), list.GetFont());
          CPropTreeList alone;
          EXPECT_EQ(nullptr, alone.GetFont());
          alone.UpdateResize();
          alone.OnVScroll(SB_LINEDOWN, 0, nullptr);
          alone.SaveCurItem();
      } },
    { "The title tip takes no null message and keeps its tree", true,
      [](Scene& s) {
          CPropTreeTitleTip* tip = s.tree.GetTitleTip();
          EXPECT_FALSE(tip->PreTranslateMessage(nullptr));
          tip->Show(nullptr);
          tip->Show(s.item);    // a value that fits: nothing to show
          tip->Hide();
          EXPECT_FALSE(tip->GetSafeHwnd() && tip->IsWindowVisible());
          if (!tip->GetSafeHwnd())
              return;
          EXPECT_FALSE(tip->Create(nullptr));
          // Still the tree's: a key pressed on it goes on to the row list.
          MSG msg = { tip->GetSafeHwnd(), WM_KEYDOWN, VK_SHIFT, 0 };
          EXPECT_TRUE(tip->PreTranslateMessage(&msg));
          test::PumpMessages();
      } },
    { "Items outside a tree or without a DC draw nothing", true,
      [](Scene& s) {
          MemoryCanvas canvas(200, 40, RGB(1, 2, 3));
          const RECT rc = { 0, 0, 200, 40 };
          EXPECT_EQ(0, s.item->DrawItem(nullptr, rc, 0, 0));
          EXPECT_EQ(0, s.loose.DrawItem(&canvas.dc(), rc, 0, 0));
          EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(20, 9));
          s.loose.CommitChanges();
          s.loose.Expand(TRUE);
          EXPECT_EQ(18, s.loose.GetTotalHeight());
          EXPECT_FALSE(s.loose.IsRootLevel());
      } },
};

class PropTreeBadInput : public ::testing::TestWithParam<Mode>
{
protected:
    void SetUp() override { CountingItem::Reset(); }
    void TearDown() override { EXPECT_EQ(0, CountingItem::Alive()) << "items leaked or freed twice"; }
};

TEST_P(PropTreeBadInput, EveryCallGivesAClearResultAndKeepsTheItems)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Scene s(GetParam());
        c.run(s);
        if (c.keepsItems) {
            EXPECT_EQ(std::vector<CPropTreeItem*>{ s.category }, Children(s.tree.GetRootItem()));
            EXPECT_EQ(std::vector<CPropTreeItem*>{ s.item }, Children(s.category));
        }
        EXPECT_EQ(std::vector<CPropTreeItem*>{ s.otherCategory }, Children(s.other.GetRootItem()));
        if (s.otherItem) {
            EXPECT_EQ(std::vector<CPropTreeItem*>{ s.otherItem }, Children(s.otherCategory));
        }
        test::PumpMessages();
    }
}

std::string ModeName(const ::testing::TestParamInfo<Mode>& info)
{
    const char* const names[] = { "WithWindow", "BeforeCreate", "AfterDestroy" };
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Modes, PropTreeBadInput, ::testing::Values(kWindow, kNoWindow, kDestroyed), ModeName);

}  // namespace
