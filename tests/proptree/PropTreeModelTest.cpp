// The property tree's item model without a window: insertion, IDs, walks, lookups, selection, the
// visible list, focus movement, hit testing, the column arithmetic and deletion.
#include <gtest/gtest.h>
#include "PropTreeTestSupport.h"

#include <cmath>
#include <random>

using namespace proptest;

namespace {

class PropTreeModel : public ::testing::Test
{
protected:
    void SetUp() override { CountingItem::Reset(); }
    void TearDown() override { EXPECT_EQ(0, CountingItem::Alive()) << "items leaked or freed twice"; }

    CountingItem* Add(CPropTree& tree, LPCTSTR label, CPropTreeItem* parent = nullptr)
    {
        CountingItem* item = new CountingItem(label);
        EXPECT_EQ(item, tree.InsertItem(item, parent));
        return item;
    }
};

BOOL CALLBACK CollectLabels(CPropTree*, CPropTreeItem* pItem, LPARAM lParam)
{
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(pItem->GetLabelText());
    return TRUE;
}

BOOL CALLBACK StopAtB2(CPropTree*, CPropTreeItem* pItem, LPARAM lParam)
{
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(pItem->GetLabelText());
    return std::string(pItem->GetLabelText()) != "b2";
}

TEST_F(PropTreeModel, NewTreeDefaults)
{
    CPropTree tree;
    EXPECT_EQ(130, tree.GetColumn());
    EXPECT_EQ(130, tree.GetOrigin().x);
    EXPECT_EQ(0, tree.GetOrigin().y);
    EXPECT_TRUE(tree.GetRootItem()->IsExpanded());
    EXPECT_EQ(nullptr, tree.GetRootItem()->GetChild());
    EXPECT_EQ(nullptr, tree.GetFocusedItem());
    EXPECT_EQ(nullptr, tree.GetVisibleList());
    EXPECT_FALSE(tree.IsDisableInput());
    EXPECT_TRUE(tree.IsSingleSelection());
    EXPECT_EQ(18, tree.GetRootItem()->GetTotalHeight());   // the root's own row counts
}

TEST_F(PropTreeModel, InsertionKeepsOrderAndNumbersFrom300)
{
    CPropTree tree;
    CountingItem* a = Add(tree, "a");
    CountingItem* a1 = Add(tree, "a1", a);
    CountingItem* b = Add(tree, "b");
    a1->SetCtrlID(7);    // set after insertion: kept
    CountingItem* a2 = new CountingItem("a2");
    a2->SetCtrlID(999);
    ASSERT_EQ(a2, tree.InsertItem(a2, a));

    EXPECT_EQ((std::vector<CPropTreeItem*>{a, b}), Children(tree.GetRootItem()));
    EXPECT_EQ((std::vector<CPropTreeItem*>{a1, a2}), Children(a));
    EXPECT_EQ(300u, a->GetCtrlID());
    EXPECT_EQ(7u, a1->GetCtrlID());
    EXPECT_EQ(302u, b->GetCtrlID());
    EXPECT_EQ(303u, a2->GetCtrlID());    // an ID set before insertion is overwritten
    EXPECT_EQ(tree.GetRootItem(), a->GetParent());
    EXPECT_EQ(a, a2->GetParent());
    EXPECT_TRUE(a->IsRootLevel());
    EXPECT_FALSE(a1->IsRootLevel());
    EXPECT_FALSE(tree.GetRootItem()->IsRootLevel());

    tree.DeleteAllItems();
    EXPECT_EQ(nullptr, tree.GetRootItem()->GetChild());
    EXPECT_EQ(300u, Add(tree, "again")->GetCtrlID());
    EXPECT_EQ(301u, Add(tree, "again 2")->GetCtrlID());
}

TEST_F(PropTreeModel, AppendingAfterDeletingTheLastChildAndAfterRelinking)
{
    CPropTree tree;
    CountingItem* cat = Add(tree, "cat");
    CountingItem* x = Add(tree, "x", cat);
    CountingItem* y = Add(tree, "y", cat);
    tree.DeleteItem(y);                      // the last child goes
    CountingItem* z = Add(tree, "z", cat);
    EXPECT_EQ((std::vector<CPropTreeItem*>{x, z}), Children(cat));
    tree.DeleteItem(x);
    tree.DeleteItem(z);                      // no child left
    CountingItem* w = Add(tree, "w", cat);
    EXPECT_EQ((std::vector<CPropTreeItem*>{w}), Children(cat));

    // Links changed by hand are honoured by the next insertion: t, cut off the chain, still
    // names cat as its parent and has no sibling, yet u must follow v.
    CountingItem* v = Add(tree, "v", cat);
    CountingItem* t = Add(tree, "t", cat);
    v->SetSibling(nullptr);
    CountingItem* u = Add(tree, "u", cat);
    EXPECT_EQ((std::vector<CPropTreeItem*>{w, v, u}), Children(cat));
    delete t;    // no longer linked: the tree does not own it
}

TEST_F(PropTreeModel, BadInsertionsAreRefusedAndChangeNothing)
{
    CPropTree tree, other;
    CountingItem* a = Add(tree, "a");
    CountingItem* foreign = Add(other, "foreign");
    CountingItem loose("loose");    // never inserted

    CountingItem* orphan = new CountingItem("orphan");
    struct Case { const char* what; CPropTreeItem* item; CPropTreeItem* parent; };
    const Case cases[] = {
        {"null item", nullptr, nullptr},
        {"item already in this tree", a, nullptr},
        {"item of another tree", foreign, nullptr},
        {"this tree's root", tree.GetRootItem(), nullptr},
        {"another tree's root", other.GetRootItem(), nullptr},
        {"parent in another tree", orphan, foreign},
        {"parent in no tree", orphan, &loose},
        {"item as its own parent", a, a},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nullptr, tree.InsertItem(c.item, c.parent));
    }
    EXPECT_EQ((std::vector<CPropTreeItem*>{a}), Children(tree.GetRootItem()));
    EXPECT_EQ((std::vector<CPropTreeItem*>{foreign}), Children(other.GetRootItem()));
    EXPECT_EQ(nullptr, loose.GetChild());
    EXPECT_EQ(301u, Add(tree, "next")->GetCtrlID());    // refused insertions used no ID
    delete orphan;                                      // refused: still the caller's
}

TEST_F(PropTreeModel, EnumItemsWalksPreOrderIncludingCollapsedAndStops)
{
    CPropTree tree;
    CountingItem* a = Add(tree, "a");
    Add(tree, "a1", a);
    CountingItem* b = Add(tree, "b");
    CountingItem* b1 = Add(tree, "b1", b);
    Add(tree, "b1x", b1);
    Add(tree, "b2", b);
    Add(tree, "b3", b);
    Add(tree, "c");
    ASSERT_FALSE(b->IsExpanded());

    std::vector<std::string> labels;
    EXPECT_TRUE(tree.EnumItems(tree.GetRootItem(), CollectLabels, reinterpret_cast<LPARAM>(&labels)));
    EXPECT_EQ((std::vector<std::string>{"a", "a1", "b", "b1", "b1x", "b2", "b3", "c"}), labels);

    labels.clear();
    EXPECT_TRUE(tree.EnumItems(b, CollectLabels, reinterpret_cast<LPARAM>(&labels)));
    EXPECT_EQ((std::vector<std::string>{"b", "b1", "b1x", "b2", "b3"}), labels);

    labels.clear();
    EXPECT_FALSE(tree.EnumItems(tree.GetRootItem(), StopAtB2, reinterpret_cast<LPARAM>(&labels)));
    EXPECT_EQ((std::vector<std::string>{"a", "a1", "b", "b1", "b1x", "b2"}), labels);

    EXPECT_FALSE(tree.EnumItems(nullptr, CollectLabels, 0));
    EXPECT_FALSE(tree.EnumItems(a, nullptr, 0));
}

TEST_F(PropTreeModel, FindItemByIdAndSelectItems)
{
    CPropTree tree;
    CountingItem* a = Add(tree, "a");
    CountingItem* a1 = Add(tree, "a1", a);
    CountingItem* a1x = Add(tree, "a1x", a1);
    CountingItem* b = Add(tree, "b");
    b->SetCtrlID(302);    // a duplicate of a1x's ID: the first in pre-order wins

    EXPECT_EQ(a, tree.FindItem(300u));
    EXPECT_EQ(a1, tree.FindItem(301u));
    EXPECT_EQ(a1x, tree.FindItem(302u));
    EXPECT_EQ(a1x, CPropTree::s_pFound);
    EXPECT_EQ(nullptr, tree.FindItem(4711u));
    EXPECT_EQ(nullptr, CPropTree::s_pFound);

    tree.SelectItems(a);
    EXPECT_TRUE(a->IsSelected() && a1->IsSelected() && a1x->IsSelected());
    EXPECT_FALSE(b->IsSelected());
    tree.SelectItems(nullptr, TRUE);
    EXPECT_TRUE(b->IsSelected());
    tree.SelectItems(a1, FALSE);
    EXPECT_TRUE(a->IsSelected() && b->IsSelected());
    EXPECT_FALSE(a1->IsSelected() || a1x->IsSelected());
    tree.SelectItems(nullptr, FALSE);
    EXPECT_FALSE(a->IsSelected() || b->IsSelected());

    EXPECT_FALSE(CPropTree::EnumSelectAll(&tree, nullptr, TRUE));
    EXPECT_FALSE(CPropTree::EnumFindItem(&tree, nullptr, 300));
}

TEST_F(PropTreeModel, RefreshAndMoveReachEveryItemBelowTheStart)
{
    CPropTree tree;
    RecordingItem* a = new RecordingItem("a");
    RecordingItem* a1 = new RecordingItem("a1");
    RecordingItem* b = new RecordingItem("b");
    tree.InsertItem(a);
    tree.InsertItem(a1, a);
    tree.InsertItem(b);

    tree.RefreshItems(a);
    EXPECT_EQ((std::vector<std::string>{"refresh"}), a->calls);
    EXPECT_EQ((std::vector<std::string>{"refresh"}), a1->calls);
    EXPECT_TRUE(b->calls.empty());
    tree.RefreshItems();
    tree.UpdateMoveAllItems();
    EXPECT_EQ((std::vector<std::string>{"refresh", "refresh", "move"}), a1->calls);
    EXPECT_EQ((std::vector<std::string>{"refresh", "move"}), b->calls);
}

// Three categories; the first expanded with a checked child and a child that has a child of its own.
class PropTreeRows : public PropTreeModel
{
protected:
    // The count is checked once the tree, destroyed after the fixture's TearDown, is gone.
    struct LeakCheck
    {
        ~LeakCheck() { EXPECT_EQ(0, CountingItem::Alive()) << "items leaked or freed twice"; }
    };

    void TearDown() override {}
    void SetUp() override
    {
        PropTreeModel::SetUp();
        cat1 = Add(tree, "Category 1");
        item1 = Add(tree, "Item 1", cat1);
        item2 = Add(tree, "Item 2", cat1);
        item2->HasCheckBox();
        sub = Add(tree, "Sub", cat1);
        subChild = Add(tree, "Sub child", sub);
        cat2 = Add(tree, "Category 2");
        Add(tree, "Hidden", cat2);
        cat3 = Add(tree, "Category 3");
        cat1->Expand();
    }

    LONG Draw() { return DrawRows(tree, &canvas.dc(), CRect(2, 2, 398, 498)); }

    LeakCheck leakCheck;
    CPropTree tree;
    CountingItem *cat1, *item1, *item2, *sub, *subChild, *cat2, *cat3;
    MemoryCanvas canvas{400, 500, RGB(255, 255, 255)};
};

TEST_F(PropTreeRows, DrawingBuildsTheVisibleListTopToBottom)
{
    EXPECT_EQ(6 * 18, Draw());
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat1, item1, item2, sub, cat2, cat3}), VisibleRows(tree));
    // Rows before the expansion count as well as the root's own row.
    EXPECT_EQ(18 + 6 * 18, tree.GetRootItem()->GetTotalHeight());
    struct Loc { CPropTreeItem* item; LONG x, y; };
    for (const Loc& l : {Loc{cat1, 0, 0}, Loc{item1, 0, 18}, Loc{sub, 0, 54}, Loc{cat2, 0, 72}, Loc{cat3, 0, 90}}) {
        EXPECT_EQ(l.x, l.item->GetLocation().x);
        EXPECT_EQ(l.y, l.item->GetLocation().y);
    }

    sub->Expand();
    Draw();
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat1, item1, item2, sub, subChild, cat2, cat3}), VisibleRows(tree));
    EXPECT_EQ(14, subChild->GetLocation().x);    // grandchildren of a category are indented
    EXPECT_EQ(72, subChild->GetLocation().y);
    EXPECT_TRUE(tree.IsItemVisible(subChild));
    EXPECT_FALSE(tree.IsItemVisible(nullptr));

    tree.RemoveFromVisibleList(item2);
    tree.RemoveFromVisibleList(cat3);
    tree.RemoveFromVisibleList(cat1);
    tree.RemoveFromVisibleList(nullptr);
    EXPECT_EQ((std::vector<CPropTreeItem*>{item1, sub, subChild, cat2}), VisibleRows(tree));
    EXPECT_FALSE(tree.IsItemVisible(item2));
    tree.AddToVisibleList(cat1);
    tree.AddToVisibleList(item1);    // listed again: moves to the end instead of cutting the chain
    tree.AddToVisibleList(nullptr);
    EXPECT_EQ((std::vector<CPropTreeItem*>{sub, subChild, cat2, cat1, item1}), VisibleRows(tree));
    EXPECT_EQ(nullptr, item1->GetNextVisible());

    tree.ClearVisibleList();
    EXPECT_EQ(nullptr, tree.GetVisibleList());
    EXPECT_FALSE(tree.IsItemVisible(sub));
}

TEST_F(PropTreeRows, FindItemByPointUsesTheDrawnRowsAndTheScrollOffset)
{
    Draw();
    struct Case { LONG offset; POINT pt; CPropTreeItem* expected; };
    const Case cases[] = {
        {0, {50, 0}, cat1},  {0, {50, 17}, cat1}, {0, {50, 18}, item1}, {0, {300, 53}, item2},
        {0, {5, 107}, cat3}, {0, {5, 108}, nullptr}, {0, {5, -1}, nullptr},
        {20, {50, 0}, item1}, {20, {50, 52}, cat2}, {20, {50, 70}, cat3}, {20, {50, 88}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " at " << c.pt.x << "," << c.pt.y);
        tree.SetOriginOffset(c.offset);
        EXPECT_EQ(c.expected, tree.FindItem(c.pt));
    }
}

TEST_F(PropTreeRows, HitTestZones)
{
    cat2->HasCheckBox();
    Draw();    // column 130; item2's check box at (17, 39)-(31, 53); cat1's expand box at (3, 3)-(11, 11)
    struct Case { POINT pt; LONG expected; };
    const Case cases[] = {
        {{50, 200}, HTCLIENT},
        {{127, 20}, PTREEHT_LABEL},     {{128, 20}, PTREEHT_COLUMN},   {{130, 20}, PTREEHT_COLUMN},
        {{132, 20}, PTREEHT_COLUMN},    {{133, 20}, PTREEHT_ATTRIBUTE}, {{390, 20}, PTREEHT_ATTRIBUTE},
        {{128, 5}, PTREEHT_LABEL},      {{132, 5}, PTREEHT_LABEL},      {{133, 5}, PTREEHT_ATTRIBUTE},
        {{3, 3}, PTREEHT_EXPAND},       {{10, 10}, PTREEHT_EXPAND},     {{11, 10}, PTREEHT_LABEL},
        {{5, 20}, PTREEHT_LABEL},       // no children: no expand box
        {{3, 57}, PTREEHT_EXPAND},      // sub's box sits at x = 3 too
        {{17, 39}, PTREEHT_CHECKBOX},   {{30, 52}, PTREEHT_CHECKBOX},   {{31, 45}, PTREEHT_LABEL},
        {{20, 75}, PTREEHT_CHECKBOX},   // a category's check box
        {{0, 40}, PTREEHT_LABEL},       // the left margin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pt.x << "," << c.pt.y);
        EXPECT_EQ(c.expected, tree.HitTest(c.pt));
    }

    // Scrolled by 18: the same boxes lie 18 pixels higher in list coordinates.
    tree.SetOriginOffset(18);
    EXPECT_EQ(PTREEHT_CHECKBOX, tree.HitTest(CPoint(17, 21)));
    EXPECT_EQ(PTREEHT_LABEL, tree.HitTest(CPoint(17, 39)));
    EXPECT_EQ(PTREEHT_EXPAND, tree.HitTest(CPoint(3, 39)));
}

TEST_F(PropTreeRows, FocusMovesAlongTheVisibleList)
{
    Draw();    // visible: cat1, item1, item2, sub, cat2, cat3
    struct Step { const char* what; CPropTreeItem* (CPropTree::*move)(); CPropTreeItem* returned; CPropTreeItem* focus; };
    const Step steps[] = {
        {"next without focus takes the first", &CPropTree::FocusNext, cat1, cat1},
        {"prev on the first keeps it", &CPropTree::FocusPrev, nullptr, cat1},
        {"next", &CPropTree::FocusNext, item1, item1},
        {"next", &CPropTree::FocusNext, item2, item2},
        {"last", &CPropTree::FocusLast, cat3, cat3},
        {"next on the last keeps it", &CPropTree::FocusNext, nullptr, cat3},
        {"prev", &CPropTree::FocusPrev, cat2, cat2},
        {"first", &CPropTree::FocusFirst, cat1, cat1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(s.returned, (tree.*s.move)());
        EXPECT_EQ(s.focus, tree.GetFocusedItem());
        // The focused item is the only selected one.
        for (CPropTreeItem* row : VisibleRows(tree))
            EXPECT_EQ(row == s.focus, !!row->IsSelected()) << row->GetLabelText();
    }

    tree.SetFocusedItem(nullptr);
    EXPECT_EQ(cat3, tree.FocusPrev());    // prev without focus takes the last

    tree.SetFocusedItem(subChild);        // not on the list (its row was not drawn)
    EXPECT_EQ(nullptr, tree.FocusNext());
    EXPECT_EQ(nullptr, tree.FocusPrev());
    EXPECT_EQ(subChild, tree.GetFocusedItem());
    EXPECT_TRUE(sub->IsExpanded());       // focusing expanded its ancestors

    tree.ClearVisibleList();
    EXPECT_EQ(nullptr, tree.FocusLast());
    EXPECT_EQ(subChild, tree.GetFocusedItem());
    EXPECT_EQ(nullptr, tree.FocusFirst());  // an empty list drops the focus
    EXPECT_EQ(nullptr, tree.GetFocusedItem());
}

TEST_F(PropTreeRows, EnsureVisibleWithoutAWindowExpandsTheAncestors)
{
    cat1->Expand(FALSE);
    tree.EnsureVisible(subChild);
    EXPECT_TRUE(cat1->IsExpanded() && sub->IsExpanded() && tree.GetRootItem()->IsExpanded());
    EXPECT_FALSE(cat2->IsExpanded());
    tree.EnsureVisible(nullptr);
    EXPECT_EQ(0, tree.GetOrigin().y);
}

TEST_F(PropTreeModel, ColumnClampingWithoutAWindow)
{
    CPropTree tree;
    const LONG cases[][2] = { {20, 50}, {10, 50}, {-40, 50}, {50, 50}, {51, 51}, {200, 200}, {100000, 100000} };
    for (const auto& c : cases) {
        tree.SetColumn(c[0]);
        EXPECT_EQ(c[1], tree.GetColumn()) << "SetColumn(" << c[0] << ")";
    }

    struct Width { double value; BOOL result; LONG column; };
    const Width widths[] = {
        {50.0, FALSE, 77}, {-3.0, FALSE, 77}, {std::nan(""), FALSE, 77}, {1e12, FALSE, 77},
        {50.5, TRUE, 50}, {80.9, TRUE, 80}, {5000.0, TRUE, 5000},
    };
    for (const Width& w : widths) {
        tree.SetColumn(77);
        EXPECT_EQ(w.result, tree.SetPropClumWidth(w.value)) << w.value;
        EXPECT_EQ(w.column, tree.GetColumn()) << w.value;
    }
}

TEST_F(PropTreeModel, DeletionWithoutAWindowRemovesWholeBranches)
{
    CPropTree tree;
    CountingItem* a = Add(tree, "a");
    CountingItem* a1 = Add(tree, "a1", a);
    Add(tree, "a1x", a1);
    Add(tree, "a2", a);
    CountingItem* b = Add(tree, "b");
    CountingItem* c = Add(tree, "c");
    a->Expand();
    MemoryCanvas canvas(300, 300, RGB(255, 255, 255));
    DrawRows(tree, &canvas.dc(), CRect(2, 2, 298, 298));
    tree.SetFocusedItem(a1);

    tree.DeleteItem(a);
    EXPECT_EQ(2, CountingItem::Alive());
    EXPECT_EQ((std::vector<CPropTreeItem*>{b, c}), Children(tree.GetRootItem()));
    EXPECT_EQ(nullptr, tree.GetFocusedItem());
    EXPECT_EQ((std::vector<CPropTreeItem*>{b, c}), VisibleRows(tree));    // deleted rows left the list

    tree.DeleteItem(c);    // the last child: the next insertion still appends after b
    CountingItem* d = Add(tree, "d");
    EXPECT_EQ((std::vector<CPropTreeItem*>{b, d}), Children(tree.GetRootItem()));

    CPropTree other;
    CountingItem* foreign = Add(other, "foreign");
    tree.DeleteItem(foreign);    // not this tree's: untouched
    tree.DeleteItem(nullptr);    // deletes nothing
    EXPECT_EQ((std::vector<CPropTreeItem*>{foreign}), Children(other.GetRootItem()));
    EXPECT_EQ(3, CountingItem::Alive());
    tree.DeleteItem(tree.GetRootItem());    // the root stays, its branches go
    EXPECT_EQ(nullptr, tree.GetRootItem()->GetChild());
    EXPECT_EQ(1, CountingItem::Alive());
}

TEST_F(PropTreeModel, TotalHeightFollowsEveryChange)
{
    // Insertions, expansions, collapses, deletions and hand-made links in a random order; the
    // tree's total must match a plain walk after each step.
    CPropTree tree;
    std::vector<CPropTreeItem*> items;
    std::mt19937 random(17);
    for (int step = 0; step < 600; ++step) {
        const int action = (int)(random() % 10);
        CPropTreeItem* some = items.empty() ? nullptr : items[random() % items.size()];
        if (action < 5 || !some) {
            CPropTreeItem* parent = (some && random() % 3) ? some : nullptr;
            items.push_back(tree.InsertItem(new CountingItem("x"), parent));
        } else if (action < 8) {
            some->Expand(!some->IsExpanded());
        } else if (action < 9) {
            tree.DeleteItem(some);
            items.clear();
            struct Collect {
                static BOOL CALLBACK Proc(CPropTree*, CPropTreeItem* pItem, LPARAM lParam)
                {
                    reinterpret_cast<std::vector<CPropTreeItem*>*>(lParam)->push_back(pItem);
                    return TRUE;
                }
            };
            tree.EnumItems(tree.GetRootItem(), Collect::Proc, reinterpret_cast<LPARAM>(&items));
        } else if (some->GetChild() && some->GetChild()->GetSibling()) {
            // Cut the chain after the first child by hand and put the rest back after it.
            CPropTreeItem* first = some->GetChild();
            CPropTreeItem* rest = first->GetSibling();
            first->SetSibling(nullptr);
            EXPECT_EQ(WalkedTotalHeight(tree.GetRootItem()), tree.GetRootItem()->GetTotalHeight());
            first->SetSibling(rest);
        }
        ASSERT_EQ(WalkedTotalHeight(tree.GetRootItem()), tree.GetRootItem()->GetTotalHeight()) << "step " << step;
    }
}

TEST_F(PropTreeModel, ThousandsOfItemsAreAllFreed)
{
    {
        CPropTree tree;
        for (int c = 0; c < 50; ++c) {
            CPropTreeItem* cat = tree.InsertItem(new CountingItem("cat"));
            cat->Expand(c % 2 == 0);
            for (int i = 0; i < 100; ++i)
                tree.InsertItem(new CountingItem("item"), cat);
        }
        EXPECT_EQ(5050, CountingItem::Alive());
        EXPECT_EQ(401u, tree.GetRootItem()->GetChild()->GetSibling()->GetCtrlID());
        EXPECT_EQ(nullptr, tree.FindItem(5349u)->GetSibling());    // the last item inserted
        EXPECT_EQ(18 + 50 * 18 + 25 * 100 * 18, tree.GetRootItem()->GetTotalHeight());
        tree.SetFocusedItem(tree.FindItem(5000u));
    }
    EXPECT_EQ(5050, CountingItem::s_destroyed);
}

}  // namespace
