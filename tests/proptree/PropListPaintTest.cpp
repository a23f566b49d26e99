// Painting of the row list: rows outside the painted band cost no drawing, yet every row takes its
// place; painting band by band gives the same picture as one whole paint.
#include "PropListFixture.h"

namespace proplist {
namespace {

int AttributeDraws(const std::vector<RecordingItem*>& items)
{
    int draws = 0;
    for (RecordingItem* item : items)
        draws += item->attributeDraws;
    return draws;
}

void ResetDraws(const std::vector<RecordingItem*>& items)
{
    for (RecordingItem* item : items)
        item->attributeDraws = 0;
}

TEST_F(PropListTest, RowsOutsideThePaintedBandAreLaidOutButNotDrawn)
{
    RecordingItem* category = AddCategory("Many");
    std::vector<RecordingItem*> items;
    for (int i = 0; i < 1000; ++i)
        items.push_back(AddItem(category, "Item", "value"));
    Paint();
    ResetDraws(items);
    Paint();

    CRect rc;
    List().GetClientRect(rc);
    const int rowsInView = (rc.Height() - 2) / kRow + 1;     // the last one partly
    EXPECT_LE(AttributeDraws(items), rowsInView);
    EXPECT_GE(AttributeDraws(items), rowsInView - 1);

    // Every row joined the visible list, in order, at its place.
    int listed = 0;
    for (CPropTreeItem* row = tree.GetVisibleList(); row; row = row->GetNextVisible())
        ++listed;
    EXPECT_EQ(listed, 1001);
    for (int i = 0; i < 1000; i += 111)
        EXPECT_EQ(items[i]->GetLocation().y, (i + 1) * kRow) << i;
    EXPECT_EQ(tree.FindItem(RowPoint(5, 60)), items[4]);

    // A row far below the view is brought into it from its location alone.
    ResetDraws(items);
    tree.EnsureVisible(items[700]);
    Paint();
    EXPECT_EQ(items[700]->attributeDraws, 1);
    EXPECT_EQ(items[100]->attributeDraws, 0);
    EXPECT_LE(AttributeDraws(items), rowsInView);
    const CPoint onRow(60, items[700]->GetLocation().y - tree.GetOrigin().y + kRow / 2);
    EXPECT_EQ(tree.FindItem(onRow), items[700]);
    EXPECT_EQ(tree.HitTest(CPoint(tree.GetColumn() + 40, onRow.y)), (LONG)PTREEHT_ATTRIBUTE);

    // A paint of one row's band draws that row and at most a neighbour that reaches into it.
    ResetDraws(items);
    const int top = items[698]->GetLocation().y - tree.GetOrigin().y;
    CRect band(0, top + 2, rc.right, top + kRow - 2);
    List().InvalidateRect(band, FALSE);
    List().UpdateWindow();
    EXPECT_EQ(items[698]->attributeDraws, 1);
    EXPECT_EQ(AttributeDraws(items), 1);
    EXPECT_EQ(tree.FindItem(onRow), items[700]);
}

TEST_F(PropListTest, PaintingBandByBandGivesTheSamePictureAsOnePaint)
{
    for (int c = 0; c < 4; ++c) {
        RecordingItem* category = AddCategory(c == 0 ? "First" : "Category");
        category->HasCheckBox(c == 1);
        for (int i = 0; i < 6; ++i) {
            RecordingItem* item = AddItem(category, "Property", i == 2 ? "a value much too long for its cell" : "7");
            item->HasCheckBox(i == 1);
            item->Check(i == 1 && c == 2);
            if (i == 3)
                AddItem(item, "Nested", "x")->HasCheckBox();
            item->Expand(i == 3);
        }
    }
    tree.SetFocusedItem(tree.GetRootItem()->GetChild()->GetSibling()->GetChild()->GetSibling());
    tree.GetFocusedItem()->Select();

    const LONG shown = 40;     // mid-row, so row edges fall inside the bands
    List().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, shown), 0);
    const Picture whole = Capture(ListHwnd());

    // Show another part, then go back without a whole repaint: only the bands paint it back.
    List().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 200), 0);
    Paint();
    ASSERT_FALSE(Capture(ListHwnd()) == whole);
    tree.SetOriginOffset(shown);
    for (int y = 0; y < whole.height; y += 7) {
        CRect band(0, y, whole.width, y + 7);
        List().InvalidateRect(band, FALSE);
        List().UpdateWindow();
    }
    const Picture banded = Capture(ListHwnd());
    int differing = 0;
    for (size_t i = 0; i < whole.pixels.size(); ++i)
        differing += whole.pixels[i] != banded.pixels[i];
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace proplist
