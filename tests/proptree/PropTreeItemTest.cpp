// The property item: defaults, flags, copies, the activate/commit protocol and the geometry of a
// drawn row, checked by pixels on a memory DC and by the rectangles the item stores.
#include <gtest/gtest.h>
#include "PropTreeTestSupport.h"

using namespace proptest;

namespace {

const COLORREF kCanvas = RGB(10, 200, 10);    // a colour the tree never draws with
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

COLORREF Sys(int index) { return ::GetSysColor(index) & 0xFFFFFF; }

void ExpectRect(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_TRUE(::EqualRect(&expected, &actual))
        << what << ": expected (" << expected.left << "," << expected.top << ")-(" << expected.right << ","
        << expected.bottom << ") got (" << actual.left << "," << actual.top << ")-(" << actual.right << ","
        << actual.bottom << ")";
}

TEST(PropTreeItem, Defaults)
{
    CPropTreeItem item;
    EXPECT_EQ(1u, item.GetItemClass());
    EXPECT_EQ(0u, item.GetCtrlID());
    EXPECT_EQ(18, item.GetHeight());
    EXPECT_EQ(18, item.GetTotalHeight());
    EXPECT_FALSE(item.IsExpanded() || item.IsSelected() || item.IsChecked() || item.IsCheckBox());
    EXPECT_FALSE(item.IsActivated() || item.IsReadOnly() || item.IsNeedTip() || item.IsRootLevel());
    EXPECT_EQ(0, item.GetItemValue());
    EXPECT_EQ(0, item.GetItemExtendData());
    EXPECT_STREQ("", item.GetLabelText());
    EXPECT_STREQ("", item.GetInfoText());
    EXPECT_TRUE(item.GetAttribTextShowRect().IsRectEmpty());
    EXPECT_TRUE(item.GetAttribText().IsEmpty());
    EXPECT_EQ(nullptr, item.GetParent());
    EXPECT_EQ(nullptr, item.GetChild());
    EXPECT_EQ(nullptr, item.GetSibling());
    EXPECT_EQ(nullptr, item.GetNextVisible());
    EXPECT_FALSE(item.HitExpand(CPoint(0, 0)));
    EXPECT_FALSE(item.HitCheckBox(CPoint(0, 0)));
}

TEST(PropTreeItem, FlagsSetAndClearOneBitEach)
{
    struct Flag { const char* name; void (CPropTreeItem::*set)(BOOL); BOOL (CPropTreeItem::*get)() const; };
    const Flag flags[] = {
        {"expanded", &CPropTreeItem::Expand, &CPropTreeItem::IsExpanded},
        {"selected", &CPropTreeItem::Select, &CPropTreeItem::IsSelected},
        {"checked", &CPropTreeItem::Check, &CPropTreeItem::IsChecked},
        {"check box", &CPropTreeItem::HasCheckBox, &CPropTreeItem::IsCheckBox},
    };
    for (const Flag& f : flags) {
        SCOPED_TRACE(f.name);
        CPropTreeItem item;
        (item.*f.set)(TRUE);
        EXPECT_TRUE((item.*f.get)());
        for (const Flag& other : flags)
            EXPECT_TRUE(&other == &f || !(item.*other.get)()) << other.name;
        (item.*f.set)(FALSE);
        EXPECT_FALSE((item.*f.get)());
    }

    // Two read-only switches: the flag the base reports, and the value kinds may report.
    CPropTreeItem item;
    item.SetReadOnly(TRUE);
    EXPECT_FALSE(item.IsReadOnly());
    item.ReadOnly();
    EXPECT_TRUE(item.IsReadOnly());
    item.ReadOnly(FALSE);
    EXPECT_FALSE(item.IsReadOnly());
}

TEST(PropTreeItem, CopiesCarryEveryMember)
{
    CPropTreeItem parent, child, sibling;
    CPropTreeItem item;
    item.SetLabelText("Label");
    item.SetInfoText("Info");
    item.SetCtrlID(321);
    item.SetItemValue(-5);
    item.SetItemExtendData(77);
    item.Expand();
    item.Check();
    item.ReadOnly();
    item.SetParent(&parent);
    item.SetChild(&child);
    item.SetSibling(&sibling);
    item.SetNextVisible(&sibling);

    CPropTreeItem copy(item);
    CPropTreeItem assigned;
    assigned = item;
    for (CPropTreeItem* c : {&copy, &assigned}) {
        EXPECT_STREQ("Label", c->GetLabelText());
        EXPECT_STREQ("Info", c->GetInfoText());
        EXPECT_EQ(321u, c->GetCtrlID());
        EXPECT_EQ(-5, c->GetItemValue());
        EXPECT_EQ(77, c->GetItemExtendData());
        EXPECT_TRUE(c->IsExpanded() && c->IsChecked() && c->IsReadOnly());
        EXPECT_FALSE(c->IsSelected());
        EXPECT_EQ(&parent, c->GetParent());
        EXPECT_EQ(&child, c->GetChild());
        EXPECT_EQ(&sibling, c->GetSibling());
        EXPECT_EQ(&sibling, c->GetNextVisible());
    }
    item.SetLabelText("changed");
    EXPECT_STREQ("Label", copy.GetLabelText());
}

TEST(PropTreeItem, TotalHeightCountsExpandedChildrenOnly)
{
    CPropTree tree;
    CPropTreeItem* cat = tree.InsertItem(new CPropTreeItem);
    CPropTreeItem* a = tree.InsertItem(new CPropTreeItem, cat);
    tree.InsertItem(new CPropTreeItem, a);
    tree.InsertItem(new CPropTreeItem, cat);
    EXPECT_EQ(18, cat->GetTotalHeight());
    cat->Expand();
    EXPECT_EQ(54, cat->GetTotalHeight());
    a->Expand();
    EXPECT_EQ(72, cat->GetTotalHeight());
    EXPECT_EQ(18 + 72, tree.GetRootItem()->GetTotalHeight());
}

TEST(PropTreeItem, CommitRunsOncePerActivationAndRefreshesUnlessReadOnly)
{
    CountingItem::Reset();
    {
        CPropTree tree;
        RecordingItem* item = new RecordingItem("editable");
        RecordingItem* child = new RecordingItem("child");
        RecordingItem* locked = new RecordingItem("read-only");
        tree.InsertItem(item);
        tree.InsertItem(child, item);
        tree.InsertItem(locked);
        locked->ReadOnly();

        item->Activate();
        EXPECT_TRUE(item->IsActivated());
        item->CommitChanges();
        EXPECT_FALSE(item->IsActivated());
        item->CommitChanges();
        EXPECT_EQ((std::vector<std::string>{"activate", "commit", "refresh"}), item->calls);
        EXPECT_EQ((std::vector<std::string>{"refresh"}), child->calls);    // descendants refresh too

        locked->Activate();
        locked->CommitChanges();
        EXPECT_EQ((std::vector<std::string>{"activate", "commit"}), locked->calls);

        item->Activate();
        item->CommitChanges();
        EXPECT_EQ(6u, item->calls.size());    // a new activation commits again
    }
    EXPECT_EQ(0, CountingItem::Alive());

    RecordingItem loose;    // not in a tree: commits without anyone to tell
    loose.Activate();
    loose.CommitChanges();
    EXPECT_EQ((std::vector<std::string>{"activate", "commit"}), loose.calls);
}

// Two categories; the first (expanded) holds a checked item and a collapsed item with a child.
class PropTreeItemDrawing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cat1 = new RecordingItem("Category One");
        tree.InsertItem(cat1);
        c1 = new RecordingItem("c1");
        tree.InsertItem(c1, cat1);
        c1->HasCheckBox();
        c1->Check();
        c2 = new RecordingItem("Second item");
        tree.InsertItem(c2, cat1);
        tree.InsertItem(new RecordingItem("c2a"), c2);
        cat2 = new RecordingItem("Category Two");
        tree.InsertItem(cat2);
        cat1->Expand();
    }

    LONG Draw(MemoryCanvas& canvas) { return DrawRows(tree, &canvas.dc(), rc); }

    // Whether any pixel of the rectangle differs from the colour.
    static bool AnyOtherThan(MemoryCanvas& canvas, const RECT& r, COLORREF colour)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (canvas.Pixel(x, y) != colour)
                    return true;
        return false;
    }

    CPropTree tree;
    RecordingItem *cat1, *c1, *c2, *cat2;
    const CRect rc{2, 2, 298, 198};
};

TEST_F(PropTreeItemDrawing, CategoryRowsBandExpandBoxAndNoValueCell)
{
    MemoryCanvas canvas(300, 200, kCanvas);
    EXPECT_EQ(54, cat1->DrawItem(&canvas.dc(), rc, 0, 0));
    EXPECT_EQ(18, cat2->DrawItem(&canvas.dc(), rc, 0, 54));
    const COLORREF face = Sys(COLOR_BTNFACE), shadow = Sys(COLOR_BTNSHADOW);

    // Band: from rc.left over the full width plus one; the root's first child is one pixel taller.
    EXPECT_EQ(kCanvas, canvas.Pixel(1, 60));
    EXPECT_EQ(face, canvas.Pixel(2, 60));
    EXPECT_EQ(face, canvas.Pixel(298, 60));
    EXPECT_EQ(face, canvas.Pixel(101, 18));       // first category: bottom at 19
    EXPECT_EQ(kCanvas, canvas.Pixel(101, 19));
    EXPECT_EQ(face, canvas.Pixel(101, 71));       // second category: bottom at 72
    EXPECT_EQ(kCanvas, canvas.Pixel(101, 72));

    // Expand box of an expanded category: hollow 9 x 9 outline with a minus.
    for (POINT p : {POINT{3, 3}, POINT{11, 3}, POINT{3, 11}, POINT{11, 11}, POINT{7, 3}})
        EXPECT_EQ(shadow, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
    for (int x = 5; x <= 9; ++x)
        EXPECT_EQ(kBlack, canvas.Pixel(x, 7)) << x;
    EXPECT_EQ(face, canvas.Pixel(4, 7));
    EXPECT_EQ(face, canvas.Pixel(10, 7));
    EXPECT_EQ(face, canvas.Pixel(7, 5));          // no vertical stroke
    EXPECT_EQ(face, canvas.Pixel(12, 5));
    EXPECT_TRUE(cat1->HitExpand(CPoint(3, 3)) && cat1->HitExpand(CPoint(10, 10)));
    EXPECT_FALSE(cat1->HitExpand(CPoint(11, 10)) || cat1->HitExpand(CPoint(2, 5)));
    EXPECT_FALSE(cat2->HitExpand(CPoint(5, 57)));  // no children, no box

    // No divider and no value cell on a category row; the separator runs along its last line.
    EXPECT_EQ(face, canvas.Pixel(130, 60));
    EXPECT_EQ(face, canvas.Pixel(131, 60));
    EXPECT_TRUE(cat1->attributeRects.empty());
    EXPECT_TRUE(cat2->attributeRects.empty());
    EXPECT_EQ(shadow, canvas.Pixel(14, 71));
    EXPECT_EQ(face, canvas.Pixel(15, 71));
    EXPECT_EQ(shadow, canvas.Pixel(298, 71));     // (298 - 13) / 2 rounded up = 143 dots: x = 14 ... 298
    EXPECT_EQ(face, canvas.Pixel(13, 71));

    // The label, in bold, starts 3 pixels after the indentation.
    EXPECT_FALSE(AnyOtherThan(canvas, CRect(12, 0, 17, 17), face));
    EXPECT_TRUE(AnyOtherThan(canvas, CRect(17, 0, 120, 17), face));
    ExpectRect(CRect(133, 0, 298, 17), cat1->GetAttribTextShowRect(), "category value rectangle");
}

TEST_F(PropTreeItemDrawing, ItemRowsCheckBoxDividerSeparatorAndValueCell)
{
    MemoryCanvas canvas(300, 200, kCanvas);
    Draw(canvas);
    const COLORREF shadow = Sys(COLOR_BTNSHADOW), highlight = Sys(COLOR_BTNHIGHLIGHT);

    // c1 at y = 18: check box in content space, drawn there; its label moved 20 pixels right.
    EXPECT_TRUE(c1->HitCheckBox(CPoint(17, 21)) && c1->HitCheckBox(CPoint(30, 34)));
    EXPECT_FALSE(c1->HitCheckBox(CPoint(31, 34)) || c2->HitCheckBox(CPoint(20, 42)));
    EXPECT_TRUE(AnyOtherThan(canvas, CRect(17, 21, 31, 35), kCanvas));
    EXPECT_EQ(kCanvas, canvas.Pixel(16, 28));
    EXPECT_FALSE(AnyOtherThan(canvas, CRect(31, 19, 37, 35), kCanvas));    // gap before the label
    EXPECT_TRUE(AnyOtherThan(canvas, CRect(37, 19, 129, 35), kCanvas));     // the label

    // Divider: shadow at the column, highlight right of it, over the whole row.
    for (int y = 18; y <= 35; ++y) {
        EXPECT_EQ(shadow, canvas.Pixel(130, y)) << y;
        EXPECT_EQ(highlight, canvas.Pixel(131, y)) << y;
    }
    EXPECT_EQ(kCanvas, canvas.Pixel(132, 20));

    // Value cell: (column + 3, top) to (right, bottom - 1), the kind's drawing clipped to it.
    ExpectRect(CRect(133, 18, 298, 35), c1->GetAttribTextShowRect(), "value rectangle");
    ASSERT_EQ(1u, c1->attributeRects.size());
    ExpectRect(CRect(133, 18, 298, 35), c1->attributeRects[0], "DrawAttribute rectangle");
    EXPECT_EQ(c1->valueColour, canvas.Pixel(133, 18));
    EXPECT_EQ(c1->valueColour, canvas.Pixel(297, 34));
    EXPECT_EQ(kCanvas, canvas.Pixel(298, 20));
    EXPECT_EQ(kCanvas, canvas.Pixel(133, 35));    // odd x on the separator line

    // Separator along the last line of the row, every other pixel from x = 14.
    EXPECT_EQ(shadow, canvas.Pixel(14, 35));
    EXPECT_EQ(kCanvas, canvas.Pixel(15, 35));
    EXPECT_EQ(shadow, canvas.Pixel(134, 35));

    // c2 at y = 36: collapsed with a child: a white-filled box with a plus.
    EXPECT_EQ(shadow, canvas.Pixel(3, 39));
    EXPECT_EQ(shadow, canvas.Pixel(11, 47));
    EXPECT_EQ(kWhite, canvas.Pixel(4, 40));
    EXPECT_EQ(kWhite, canvas.Pixel(7, 40));
    for (int i = 5; i <= 9; ++i) {
        EXPECT_EQ(kBlack, canvas.Pixel(i, 43)) << i;
        EXPECT_EQ(kBlack, canvas.Pixel(7, i + 36)) << i;
    }
    EXPECT_EQ(kWhite, canvas.Pixel(7, 46));
    EXPECT_TRUE(c2->HitExpand(CPoint(3, 39)) && c2->HitExpand(CPoint(10, 46)));
    EXPECT_FALSE(c2->HitExpand(CPoint(10, 47)));

    // The collapsed child was not drawn and is not on the visible list.
    EXPECT_EQ((std::vector<CPropTreeItem*>{cat1, c1, c2, cat2}), VisibleRows(tree));
}

TEST_F(PropTreeItemDrawing, SelectionAndCheckState)
{
    MemoryCanvas unchecked(300, 200, kCanvas);
    c1->Check(FALSE);
    c2->Select();
    Draw(unchecked);
    MemoryCanvas checked(300, 200, kCanvas);
    c1->Check();
    Draw(checked);

    // The check mark is the only difference inside the box.
    bool differs = false;
    for (int y = 21; y < 35; ++y)
        for (int x = 17; x < 31; ++x)
            differs = differs || unchecked.Pixel(x, y) != checked.Pixel(x, y);
    EXPECT_TRUE(differs);

    // Selected c2: highlight from x = 14 to the column over the row, the label in the highlight text colour.
    const COLORREF selection = Sys(COLOR_HIGHLIGHT);
    EXPECT_EQ(selection, checked.Pixel(14, 50));
    EXPECT_EQ(selection, checked.Pixel(129, 50));
    EXPECT_EQ(kCanvas, checked.Pixel(13, 50));
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), checked.Pixel(130, 50));
    EXPECT_TRUE(AnyOtherThan(checked, CRect(17, 37, 120, 52), selection));
    bool textInHighlightColour = false;
    for (int y = 37; y < 52; ++y)
        for (int x = 17; x < 120; ++x)
            textInHighlightColour = textInHighlightColour || checked.Pixel(x, y) == Sys(COLOR_BTNHIGHLIGHT);
    EXPECT_TRUE(textInHighlightColour);
    EXPECT_EQ(kCanvas, checked.Pixel(100, 18 + 10));    // unselected rows keep their background
}

TEST_F(PropTreeItemDrawing, ScrolledRowsKeepContentSpaceRectangles)
{
    MemoryCanvas canvas(300, 200, kCanvas);
    tree.SetOriginOffset(10);
    Draw(canvas);
    // c2's row now starts at 26 on screen; its stored boxes stay in content space.
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.Pixel(3, 29));
    EXPECT_EQ(kBlack, canvas.Pixel(7, 33));
    EXPECT_TRUE(c2->HitExpand(CPoint(3, 39)));
    EXPECT_EQ(36, c2->GetLocation().y);
    ExpectRect(CRect(133, 26, 298, 43), c2->GetAttribTextShowRect(), "value rectangle on screen");
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.Pixel(130, 8));      // c1's divider, moved up
    EXPECT_TRUE(c1->HitCheckBox(CPoint(17, 21)));

    // Collapsed, the category draws only its own row.
    cat1->Expand(FALSE);
    MemoryCanvas collapsed(300, 200, kCanvas);
    EXPECT_EQ(18, cat1->DrawItem(&collapsed.dc(), rc, 0, 0));
    EXPECT_EQ(18, cat1->GetTotalHeight());
}

TEST(PropTreeItem, DrawingNeedsAnOwner)
{
    MemoryCanvas canvas(50, 50, kCanvas);
    CPropTreeItem item;
    EXPECT_EQ(0, item.DrawItem(&canvas.dc(), CRect(0, 0, 50, 50), 0, 0));
    EXPECT_EQ(kCanvas, canvas.Pixel(20, 17));
}

}  // namespace
