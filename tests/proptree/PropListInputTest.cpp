// The row list worked through real mouse, wheel, scroll and key messages sent to its window, with
// the notifications recorded at the host.
#include "PropListFixture.h"

namespace proplist {
namespace {

const int kSelChange = (int)PTREEN_SELCHANGE;
const int kExpanding = (int)PTREEN_ITEMEXPANDING;
const int kPropClick = (int)PTREEN_PROPCLICK;
const int kChanged = (int)PTREEN_ITEMCHANGED;
const int kCheckClick = (int)PTREEN_CHECKCLICK;
const int kColumnClick = (int)PTREEN_COLUMNCLICK;

// Rows of the standard tree, top to bottom.
enum { kGeneralRow, kNameRow, kSizeRow, kLayoutRow, kWidthRow, kAdvancedRow };

class PropListInput : public PropListTest
{
protected:
    // General (expanded): Name, Size; Layout (expanded): Width; Advanced (collapsed): Hidden.
    void SetUp() override
    {
        general = AddCategory("General");
        name = AddItem(general, "Name", "Widget");
        size = AddItem(general, "Size", "12");
        layout = AddCategory("Layout");
        width = AddItem(layout, "Width", "100");
        advanced = AddCategory("Advanced", false);
        hidden = AddItem(advanced, "Hidden", "yes");
        Paint();
        ClearHeard();
    }

    // The one item that is selected, or null; fails when several are.
    CPropTreeItem* Selected()
    {
        CPropTreeItem* found = nullptr;
        for (CPropTreeItem* item : {general, name, size, layout, width, advanced, hidden})
            if (item->IsSelected()) {
                EXPECT_EQ(found, nullptr) << "more than one item selected";
                found = item;
            }
        return found;
    }

    // Scrolls with a scroll-bar message and returns the offset the tree then has.
    LONG Scroll(UINT code, UINT pos = 0)
    {
        List().SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0);
        return tree.GetOrigin().y;
    }

    RecordingItem* general = nullptr;
    RecordingItem* name = nullptr;
    RecordingItem* size = nullptr;
    RecordingItem* layout = nullptr;
    RecordingItem* width = nullptr;
    RecordingItem* advanced = nullptr;
    RecordingItem* hidden = nullptr;
};

TEST_F(PropListInput, PressesFocusSelectActivateAndCommit)
{
    Click(LabelPoint(kNameRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, name}})) << Describe(Notifications());
    EXPECT_EQ(tree.GetFocusedItem(), name);
    EXPECT_EQ(Selected(), name);
    EXPECT_EQ(GetFocus(), ListHwnd());

    // The same row again: nothing changes, nothing is said.
    ClearHeard();
    Click(LabelPoint(kNameRow));
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());

    // A press on a value cell focuses the row, asks the owner, then opens the editor.
    Click(ValuePoint(kSizeRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, size}, {kPropClick, size}}))
        << Describe(Notifications());
    EXPECT_EQ(size->activations, 1);
    EXPECT_TRUE(size->IsActivated());

    // The next press commits the open editor before it does anything else.
    ClearHeard();
    Click(LabelPoint(kNameRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kChanged, size}, {kSelChange, name}}))
        << Describe(Notifications());
    EXPECT_EQ(size->commits, 1);
    EXPECT_FALSE(size->IsActivated());

    // Below the last row: the focus goes, and the owner hears so.
    ClearHeard();
    Click(RowPoint(12, 60));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, nullptr}})) << Describe(Notifications());
    EXPECT_EQ(tree.GetFocusedItem(), nullptr);
    EXPECT_EQ(Selected(), nullptr);
}

TEST_F(PropListInput, ActivationNeedsAValueCellBelowTheRootAWritableItemAndTheOwnersConsent)
{
    struct Case
    {
        const char* what;
        int row;
        bool onValue;
        bool readOnly;
        LRESULT ownerAnswer;
        bool asked;
        bool activated;
    };
    const Case cases[] = {
        { "value cell", kSizeRow, true, false, 0, true, true },
        { "value cell, owner vetoes", kSizeRow, true, false, 1, true, false },
        { "value cell of a read-only item", kSizeRow, true, true, 0, true, false },
        { "label", kSizeRow, false, false, 0, false, false },
        { "right part of a category row", kLayoutRow, true, false, 0, false, false },
    };
    RecordingItem* rows[] = { general, name, size, layout, width, advanced };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingItem* item = rows[c.row];
        Click(LabelPoint(kWidthRow));    // start elsewhere
        item->ReadOnly(c.readOnly);
        item->activations = 0;
        host.SetNotifyResult(kPropClick, c.ownerAnswer);
        ClearHeard();

        Click(c.onValue ? ValuePoint(c.row) : LabelPoint(c.row));
        std::vector<Heard> expected = {{kSelChange, item}};
        if (c.asked)
            expected.push_back({kPropClick, item});
        EXPECT_EQ(Notifications(), expected) << Describe(Notifications());
        EXPECT_EQ(item->activations, c.activated ? 1 : 0);
        EXPECT_EQ(tree.GetFocusedItem(), item);
        EXPECT_EQ(Selected(), item);
        tree.SaveCurItem();
        item->ReadOnly(FALSE);
    }
}

TEST_F(PropListInput, ExpandBoxTogglesUnlessVetoedAndDropsAFocusThatIsNoLongerShown)
{
    Click(LabelPoint(kNameRow));
    ClearHeard();

    host.SetNotifyResult(kExpanding, 1);
    Click(ExpandPoint(kGeneralRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kExpanding, general}})) << Describe(Notifications());
    EXPECT_TRUE(general->IsExpanded());
    EXPECT_EQ(tree.GetFocusedItem(), name);

    host.SetNotifyResult(kExpanding, 0);
    ClearHeard();
    Click(ExpandPoint(kGeneralRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kExpanding, general}, {kSelChange, nullptr}}))
        << Describe(Notifications());
    EXPECT_FALSE(general->IsExpanded());
    EXPECT_EQ(tree.GetFocusedItem(), nullptr);
    EXPECT_FALSE(name->IsSelected());
    EXPECT_FALSE(tree.IsItemVisible(name));
    EXPECT_EQ(tree.FindItem(LabelPoint(1)), layout);    // the list was repainted at once

    // Collapsing a category that holds no focus leaves the focus alone.
    Click(LabelPoint(1));
    ClearHeard();
    Click(ExpandPoint(1));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kExpanding, layout}})) << Describe(Notifications());
    EXPECT_EQ(tree.GetFocusedItem(), layout);
}

TEST_F(PropListInput, CheckBoxesToggleAndTellTheOwner)
{
    name->HasCheckBox();
    Paint();
    Click(CheckPoint(kNameRow));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kCheckClick, name}})) << Describe(Notifications());
    EXPECT_TRUE(name->IsChecked());
    EXPECT_EQ(tree.GetFocusedItem(), nullptr);    // a check-box press does not move the focus

    Click(CheckPoint(kNameRow));
    EXPECT_FALSE(name->IsChecked());
    EXPECT_EQ(Notifications().size(), 2u);
}

TEST_F(PropListInput, DoubleClicks)
{
    general->HasCheckBox();
    name->HasCheckBox();
    Paint();

    struct Case
    {
        const char* what;
        CPoint where;
        std::vector<Heard> heard;
        bool generalExpanded;
    };
    // A double click is a press, then the double click itself.
    const Case cases[] = {
        { "category label: focus, then toggle", LabelPoint(kGeneralRow),
          {{kSelChange, general}, {kExpanding, general}}, false },
        { "right part of a category row: the same", ValuePoint(kGeneralRow),
          {{kSelChange, general}, {kExpanding, general}}, false },
        { "expand box: two toggles", ExpandPoint(kGeneralRow),
          {{kExpanding, general}, {kExpanding, general}}, true },
        { "category check box: two toggles", CheckPoint(kGeneralRow),
          {{kCheckClick, general}, {kCheckClick, general}}, true },
        { "row without children: only the press", LabelPoint(kNameRow), {{kSelChange, name}}, true },
        { "check box of a row without children: only the press", CheckPoint(kNameRow),
          {{kCheckClick, name}}, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        general->Expand(TRUE);
        tree.SetFocusedItem(nullptr);
        tree.SelectItems(nullptr, FALSE);
        Paint();
        ClearHeard();
        DoubleClick(c.where);
        EXPECT_EQ(Notifications(), c.heard) << Describe(Notifications());
        EXPECT_EQ(general->IsExpanded() != FALSE, c.generalExpanded);
    }
}

TEST_F(PropListInput, KeysMoveTheFocusExpandAndCollapse)
{
    struct Step
    {
        UINT key;
        std::vector<Heard> heard;
        CPropTreeItem* focus;
        bool generalExpanded;
    };
    const Step steps[] = {
        { VK_DOWN, {{kSelChange, general}}, general, true },
        { VK_DOWN, {{kSelChange, name}}, name, true },
        { VK_END, {{kSelChange, advanced}}, advanced, true },
        { VK_HOME, {{kSelChange, general}}, general, true },
        { VK_UP, {}, general, true },                                     // already first
        { VK_RIGHT, {{kExpanding, general}, {kSelChange, name}}, name, true },    // expanded: moves down
        { VK_LEFT, {{kExpanding, name}, {kSelChange, general}}, general, true },   // no children: moves up
        { VK_LEFT, {{kExpanding, general}}, general, false },             // collapses
        { VK_DOWN, {{kSelChange, layout}}, layout, false },
        { VK_UP, {{kSelChange, general}}, general, false },
        { VK_RIGHT, {{kExpanding, general}}, general, true },             // expands
        { VK_TAB, {}, general, true },
        { 'A', {}, general, true },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        ClearHeard();
        Key(step.key);
        EXPECT_EQ(Notifications(), step.heard) << Describe(Notifications());
        EXPECT_EQ(tree.GetFocusedItem(), step.focus);
        EXPECT_EQ(Selected(), step.focus);
        EXPECT_EQ(general->IsExpanded() != FALSE, step.generalExpanded);
    }

    // A vetoed Left on an expanded category moves up instead of collapsing.
    for (int i = 0; i < 3; ++i)
        Key(VK_DOWN);
    ASSERT_EQ(tree.GetFocusedItem(), layout);
    ClearHeard();
    host.SetNotifyResult(kExpanding, 1);
    Key(VK_LEFT);
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kExpanding, layout}, {kSelChange, size}}))
        << Describe(Notifications());
    EXPECT_TRUE(layout->IsExpanded());
}

TEST_F(PropListInput, ReturnActivatesAndEveryKeyCommitsFirst)
{
    Click(LabelPoint(kNameRow));
    ClearHeard();
    Key(VK_RETURN);
    EXPECT_EQ(name->activations, 1);
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());

    Key(VK_DOWN);
    EXPECT_EQ(name->commits, 1);
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kChanged, name}, {kSelChange, size}}))
        << Describe(Notifications());

    // Neither a category nor a read-only item opens an editor.
    size->ReadOnly(TRUE);
    Key(VK_RETURN);
    EXPECT_EQ(size->activations, 0);
    Key(VK_HOME);
    Key(VK_RETURN);
    EXPECT_EQ(general->activations, 0);
}

TEST_F(PropListInput, DisabledInputIgnoresPressesAndKeys)
{
    Click(ValuePoint(kNameRow));
    ASSERT_TRUE(name->IsActivated());
    ClearHeard();

    tree.DisableInput(TRUE);
    Click(LabelPoint(kSizeRow));
    Key(VK_DOWN);
    tree.SaveCurItem();
    EXPECT_TRUE(name->IsActivated());
    EXPECT_EQ(tree.GetFocusedItem(), name);
    tree.DisableInput(FALSE);

    tree.EnableWindow(FALSE);
    Key(VK_DOWN);
    tree.SaveCurItem();
    EXPECT_TRUE(name->IsActivated());
    EXPECT_EQ(tree.GetFocusedItem(), name);
    tree.EnableWindow(TRUE);
    EXPECT_TRUE(Notifications().empty()) << Describe(Notifications());

    // Enabled again, SaveCurItem commits the open editor.
    tree.SaveCurItem();
    EXPECT_FALSE(name->IsActivated());
    EXPECT_EQ(name->commits, 1);
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kChanged, name}})) << Describe(Notifications());
}

TEST_F(PropListInput, WantsArrowsAllKeysAndCharacters)
{
    EXPECT_EQ(List().SendMessage(WM_GETDLGCODE), (LRESULT)(DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS));
}

TEST_F(PropListInput, ScrollCodesAreClampedToTheContent)
{
    for (int i = 0; i < 40; ++i)
        AddItem(layout, "Row");
    Paint();
    CRect rc;
    List().GetClientRect(rc);
    const LONG page = rc.Height() + 1;
    const LONG total = tree.GetRootItem()->GetTotalHeight();
    ASSERT_EQ(total, kRow * (1 + 6 + 40));
    const LONG bottom = total - page;

    struct Case
    {
        LONG from;
        UINT code;
        UINT pos;
        LONG to;
    };
    const Case cases[] = {
        { 0, SB_LINEDOWN, 0, kRow },
        { 0, SB_PAGEDOWN, 0, page },
        { 0, SB_LINEUP, 0, 0 },
        { 100, SB_LINEUP, 0, 100 - kRow },
        { 100, SB_PAGEUP, 0, 0 },
        { 0, SB_THUMBTRACK, 100, 100 },
        { 0, SB_THUMBTRACK, 60000, bottom },
        { bottom, SB_LINEDOWN, 0, bottom },
        { bottom - 5, SB_PAGEDOWN, 0, bottom },
        { 100, SB_THUMBPOSITION, 300, 100 },
        { 100, SB_TOP, 0, 100 },
        { 100, SB_BOTTOM, 0, 100 },
        { 100, SB_ENDSCROLL, 0, 100 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " code " << c.code);
        Scroll(SB_THUMBTRACK, c.from);
        ASSERT_EQ(tree.GetOrigin().y, c.from);
        EXPECT_EQ(Scroll(c.code, c.pos), c.to);
        EXPECT_EQ(List().GetScrollPos(SB_VERT), c.to);
    }
    EXPECT_EQ(GetFocus(), ListHwnd());

    // Scrolled, the rows are found where they are drawn.
    Scroll(SB_THUMBTRACK, 3 * kRow);
    Paint();
    EXPECT_EQ(tree.FindItem(RowPoint(0, 60)), layout);
    EXPECT_EQ(tree.HitTest(ValuePoint(1)), (LONG)PTREEHT_ATTRIBUTE);

    // Content shorter than a page never scrolls.
    for (int i = 0; i < 40; ++i)
        tree.DeleteItem(layout->GetChild()->GetSibling());
    Paint();
    for (UINT code : {SB_LINEDOWN, SB_PAGEDOWN, SB_THUMBTRACK})
        EXPECT_EQ(Scroll(code, 200), 0) << code;
}

TEST_F(PropListInput, TheScrollBarFollowsTheRowsOnTheNextPaint)
{
    auto Bar = [&]() {
        SCROLLBARINFO bar = {sizeof(bar)};
        GetScrollBarInfo(ListHwnd(), OBJID_VSCROLL, &bar);
        return CaptureScreen(ListHwnd(), bar.rcScrollBar);
    };
    auto BarRedrawnWhole = [&]() {
        RedrawWindow(ListHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        return Bar();
    };
    for (int i = 0; i < 40; ++i)
        AddItem(layout, "Row");
    const Picture shown = Bar();
    EXPECT_EQ(shown, BarRedrawnWhole());

    // Rows added one by one move the thumb: after the next paint the bar is the one a whole
    // redraw gives.
    for (int i = 0; i < 60; ++i)
        AddItem(layout, "Row");
    const Picture longer = Bar();
    EXPECT_FALSE(longer == shown);
    EXPECT_EQ(longer, BarRedrawnWhole());
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE};
    GetScrollInfo(ListHwnd(), SB_VERT, &si);
    EXPECT_EQ(si.nMax, tree.GetRootItem()->GetTotalHeight());
}

// A real drag of the scroll bar's thumb: the bar's tracking loop takes the posted moves and the
// release, and tells the list SB_THUMBTRACK as the thumb goes.
TEST_F(PropListInput, DraggingTheThumbScrollsALongListToWhereTheThumbIs)
{
    for (int i = 0; i < 5000; ++i)
        AddItem(layout, "Row");
    Paint();
    const LONG total = tree.GetRootItem()->GetTotalHeight();
    ASSERT_GT(total, 4 * 65536 / 3);

    SCROLLBARINFO bar = {sizeof(bar)};
    ASSERT_TRUE(GetScrollBarInfo(ListHwnd(), OBJID_VSCROLL, &bar));
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int thumb = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    const int travel = bar.rcScrollBar.bottom - bar.rcScrollBar.top - 2 * bar.dxyLineButton
                       - (bar.xyThumbBottom - bar.xyThumbTop);
    POINT to = {x, thumb + travel * 3 / 4};    // three quarters of the way down
    ScreenToClient(ListHwnd(), &to);
    PostMessage(ListHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    PostMessage(ListHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    List().SendMessage(WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(x, thumb));

    const LONG offset = tree.GetOrigin().y;
    EXPECT_GT(offset, 65535);                    // past what the message's 16 bits can carry
    CRect rc;
    List().GetClientRect(rc);
    EXPECT_NEAR(offset, (total - rc.Height()) * 3 / 4, total / 10);
    EXPECT_EQ(List().GetScrollPos(SB_VERT), offset);
}

TEST_F(PropListInput, TheWheelScrollsOneLinePerTurnOnlyWhenThereIsSomethingToScroll)
{
    auto Wheel = [&](short delta) {
        POINT pt = {50, 50};
        ClientToScreen(ListHwnd(), &pt);
        List().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(pt.x, pt.y));
        return tree.GetOrigin().y;
    };
    SetFocus(host.hwnd());
    EXPECT_EQ(Wheel(-120), 0);
    EXPECT_EQ(GetFocus(), host.hwnd());

    for (int i = 0; i < 40; ++i)
        AddItem(layout, "Row");
    Paint();
    EXPECT_EQ(Wheel(-360), kRow);
    EXPECT_EQ(GetFocus(), ListHwnd());
    EXPECT_EQ(Wheel(-1), 2 * kRow);
    EXPECT_EQ(Wheel(120), kRow);
    EXPECT_EQ(Wheel(1), 0);
    EXPECT_EQ(Wheel(1), 0);
}

TEST_F(PropListInput, DraggingTheDividerShowsAnInvertedBarAndSetsTheClampedColumn)
{
    const int y = RowPoint(kNameRow, 0).y;
    const int column = tree.GetColumn();
    Capture(ListHwnd());    // all painting done
    const COLORREF atColumn = test::PixelNow(ListHwnd(), column, y);
    const COLORREF belowRows = test::PixelNow(ListHwnd(), column, 250);
    const COLORREF at200 = test::PixelNow(ListHwnd(), 200, y);

    SendMessage(ListHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(column, y));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kColumnClick, nullptr}})) << Describe(Notifications());
    EXPECT_EQ(GetCapture(), ListHwnd());
    EXPECT_EQ(test::PixelNow(ListHwnd(), column, y), atColumn ^ 0xFFFFFF);
    EXPECT_EQ(test::PixelNow(ListHwnd(), column, 250), belowRows ^ 0xFFFFFF);    // over the whole height

    SendMessage(ListHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(201, y));
    EXPECT_EQ(test::PixelNow(ListHwnd(), column, y), atColumn);
    EXPECT_EQ(test::PixelNow(ListHwnd(), 200, y), at200 ^ 0xFFFFFF);

    SendMessage(ListHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(201, y));
    EXPECT_EQ(tree.GetColumn(), 201);
    EXPECT_EQ(GetCapture(), nullptr);
    Capture(ListHwnd());
    EXPECT_NE(test::PixelNow(ListHwnd(), 200, y), at200 ^ 0xFFFFFF);

    // The release position is clamped; a move without a drag changes nothing.
    struct Drag
    {
        int to;
        LONG column;
    };
    for (const Drag& drag : {Drag{5, 50}, Drag{kTreeWidth, kTreeWidth - 14}}) {
        const int from = tree.GetColumn();
        SendMessage(ListHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, y));
        SendMessage(ListHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drag.to, y));
        SendMessage(ListHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(drag.to, y));
        EXPECT_EQ(tree.GetColumn(), drag.column) << drag.to;
    }

    // A drag that loses the capture ends where it started, without its bar.
    {
        Capture(ListHwnd());
        const LONG before = tree.GetColumn();
        const COLORREF atBar = test::PixelNow(ListHwnd(), before, y);
        SendMessage(ListHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(before, y));
        ASSERT_EQ(GetCapture(), ListHwnd());
        SetCapture(host.hwnd());
        ReleaseCapture();
        EXPECT_EQ(test::PixelNow(ListHwnd(), before, y), atBar);
        const COLORREF at150 = test::PixelNow(ListHwnd(), 150, y);
        SendMessage(ListHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(151, y));
        EXPECT_EQ(test::PixelNow(ListHwnd(), 150, y), at150);    // no bar follows the mouse
        SendMessage(ListHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, y));
        EXPECT_EQ(tree.GetColumn(), before);
    }

    // The owner can refuse the drag.
    host.SetNotifyResult(kColumnClick, 1);
    Capture(ListHwnd());
    const LONG kept = tree.GetColumn();
    SendMessage(ListHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kept, y));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessage(ListHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, y));
    SendMessage(ListHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, y));
    EXPECT_EQ(tree.GetColumn(), kept);
}

TEST_F(PropListInput, CursorShapesFollowTheZones)
{
    name->HasCheckBox();
    Paint();
    struct Case
    {
        const char* what;
        CPoint where;
        LPCSTR cursor;
    };
    const Case cases[] = {
        { "divider of an item row", DividerPoint(kNameRow), IDC_SIZEWE },
        { "divider place on a category row", DividerPoint(kGeneralRow), IDC_ARROW },
        { "expand box", ExpandPoint(kGeneralRow), IDC_HAND },
        { "check box", CheckPoint(kNameRow), IDC_HAND },
        { "label", LabelPoint(kSizeRow), IDC_ARROW },
        { "value cell", ValuePoint(kSizeRow), IDC_ARROW },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        POINT screen = c.where;
        ClientToScreen(ListHwnd(), &screen);
        ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        List().SendMessage(WM_SETCURSOR, (WPARAM)ListHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, c.cursor));
    }
}

// Protected members of the list, read through member pointers named in a derived class.
struct ListInternals : CPropTreeList
{
    static CBitmap CPropTreeList::*BackBuffer() { return &ListInternals::m_BackBuffer; }
};

TEST_F(PropListInput, TheBackBufferGrowsToExactlyTheNewSizeAndNeverShrinksWhileItFits)
{
    CBitmap& buffer = List().*ListInternals::BackBuffer();
    auto BufferSize = [&]() {
        BITMAP bm = {};
        buffer.GetBitmap(&bm);
        return CSize(bm.bmWidth, bm.bmHeight);
    };
    auto ListSize = [&]() {
        CRect rc;
        List().GetClientRect(rc);
        return rc.Size();
    };
    EXPECT_EQ(BufferSize(), ListSize());
    const HGDIOBJ first = buffer.GetSafeHandle();

    tree.MoveWindow(0, 0, kTreeWidth - 60, kTreeHeight - 40);
    EXPECT_EQ(buffer.GetSafeHandle(), first);

    tree.MoveWindow(0, 0, kTreeWidth - 60, kTreeHeight + 30);    // taller only
    EXPECT_NE(buffer.GetSafeHandle(), first);
    EXPECT_EQ(BufferSize(), ListSize());

    const CSize before = BufferSize();
    tree.MoveWindow(0, 0, kTreeWidth + 40, kTreeHeight);          // wider, shorter
    EXPECT_EQ(BufferSize(), ListSize());
    EXPECT_GT(BufferSize().cx, before.cx);

    // And the picture is still whole after the changes.
    Paint();
    EXPECT_EQ(tree.FindItem(LabelPoint(kWidthRow)), width);
}

}  // namespace
}  // namespace proplist
