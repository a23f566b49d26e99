// The description pane and the title tip, on a real tree: what the pane paints for the focused item,
// when the tip shows and hides, and where the presses and keys that land on it go.
#include "PropListFixture.h"

namespace proplist {
namespace {

const int kSelChange = (int)PTREEN_SELCHANGE;
const int kExpanding = (int)PTREEN_ITEMEXPANDING;

const char kLongInfo[] =
    "The name under which the widget is known to its host, shown in the caption and used by scripts "
    "that look it up; it must be unique within one form and should stay short.";

// The pane as the description says it must look, drawn here into a memory DC of its size.
Picture ExpectedPane(int width, int height, const char* label, const char* info, int textColor)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, dib);

    RECT rc = {0, 0, width, height};
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&rc, -4, -4);
    SetTextColor(dc, GetSysColor(textColor));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, CPropTree::GetBoldFont()->GetSafeHandle());
    RECT rcLabel = rc;
    DrawTextA(dc, label, -1, &rcLabel, DT_SINGLELINE | DT_CALCRECT);
    DrawTextA(dc, label, -1, &rcLabel, DT_SINGLELINE);
    SelectObject(dc, CPropTree::GetNormalFont()->GetSafeHandle());
    RECT rcInfo = {rc.left, rcLabel.bottom, rc.right, rc.bottom};
    DrawTextA(dc, info, -1, &rcInfo, DT_WORDBREAK);
    SelectObject(dc, oldFont);
    GdiFlush();

    Picture picture;
    picture.width = width;
    picture.height = height;
    const DWORD* src = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        picture.pixels.push_back(RGB(GetBValue(src[i]), GetGValue(src[i]), GetRValue(src[i])));
    SelectObject(dc, oldBitmap);
    DeleteObject(dib);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

// Lines of text in the picture: runs of pixel rows that hold a pixel of the ink colour.
int TextLines(const Picture& picture, COLORREF ink)
{
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < picture.height; ++y) {
        bool inked = false;
        for (int x = 0; x < picture.width && !inked; ++x)
            inked = picture.At(x, y) == ink;
        lines += inked && !inLine;
        inLine = inked;
    }
    return lines;
}

class PropInfoPane : public PropListTest
{
protected:
    void SetUp() override
    {
        general = AddCategory("General");
        name = AddItem(general, "Name", "Widget");
        name->SetInfoText(kLongInfo);
        size = AddItem(general, "Size", "12");
        size->SetInfoText("Points.");
        Paint();
    }

    HWND Pane() { return GetDlgItem(tree.GetSafeHwnd(), 0xFFFF); }
    Picture Expected(const char* label, const char* info, int textColor = COLOR_BTNTEXT)
    {
        CRect rc;
        GetClientRect(Pane(), rc);
        return ExpectedPane(rc.Width(), rc.Height(), label, info, textColor);
    }

    RecordingItem* general = nullptr;
    RecordingItem* name = nullptr;
    RecordingItem* size = nullptr;
};

TEST_F(PropInfoPane, WithoutAFocusedItemOnlyTheFaceAndTheEdge)
{
    ASSERT_TRUE(IsWindowVisible(Pane()));
    const Picture pane = Capture(Pane());
    EXPECT_EQ(pane, Expected("", ""));
    int face = 0;
    for (COLORREF pixel : pane.pixels)
        face += pixel == GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, (pane.width - 2) * (pane.height - 2));
}

TEST_F(PropInfoPane, ShowsTheFocusedLabelInBoldAndItsInfoWrapped)
{
    Click(LabelPoint(1));
    const Picture pane = Capture(Pane());
    const Picture expected = Expected("Name", kLongInfo);
    EXPECT_EQ(pane, expected);
    // The expected picture has the label and at least two wrapped lines of text under it.
    EXPECT_GE(TextLines(expected, GetSysColor(COLOR_BTNTEXT)), 3);
    EXPECT_FALSE(expected == Expected("Name", ""));

    // It follows the focus, and shows a disabled tree in grey.
    Click(LabelPoint(2));
    EXPECT_EQ(Capture(Pane()), Expected("Size", "Points."));
    tree.EnableWindow(FALSE);
    EXPECT_EQ(Capture(Pane()), Expected("Size", "Points.", COLOR_GRAYTEXT));
    tree.EnableWindow(TRUE);

    // Hidden with ShowInfoText(FALSE), the list takes the whole tree.
    tree.ShowInfoText(FALSE);
    EXPECT_FALSE(IsWindowVisible(Pane()));
    CRect rc;
    List().GetWindowRect(rc);
    EXPECT_EQ(rc.Height(), kTreeHeight);
}

class PropTitleTip : public PropListTest
{
protected:
    void SetUp() override
    {
        general = AddCategory("General");
        path = AddItem(general, "Path", "C:\\Program Files\\Marlow Controls\\Samples\\Property tree\\settings.ini");
        count = AddItem(general, "Count", "3");
        Paint();
        SetFocus(ListHwnd());
        ClearHeard();
    }

    HWND Tip() { return tree.GetTitleTip()->GetSafeHwnd(); }
    bool TipShown() { return IsWindowVisible(Tip()) != FALSE; }

    // Moves the mouse over the value of row `row`, as the user would, then out of the tree, so
    // that the list hears no more moves (the platform repeats the last one when windows change).
    void HoverValue(int row)
    {
        POINT pt = ValuePoint(row);
        ASSERT_TRUE(SetCursorPos(HoverX(), ScreenY(pt.y)));
        List().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        POINT away = {kTreeWidth + 40, 10};
        ClientToScreen(host.hwnd(), &away);
        SetCursorPos(away.x, away.y);
    }
    int HoverX()
    {
        POINT pt = ValuePoint(0);
        ClientToScreen(ListHwnd(), &pt);
        return pt.x;
    }
    int ScreenY(int y)
    {
        POINT pt = {0, y};
        ClientToScreen(ListHwnd(), &pt);
        return pt.y;
    }

    // Posts a message to the tip, at (x, y) of its client area, and lets a filtering loop run.
    void PostToTip(UINT message, WPARAM wParam, LPARAM lParam)
    {
        PostMessage(Tip(), message, wParam, lParam);
        test::WaitUntil([&] { return !TipShown() && !Notifications().empty(); });
    }

    // Where a press at (x, y) of the tip lands in the list.
    CPoint InList(int x, int y)
    {
        POINT pt = {x, y};
        ClientToScreen(Tip(), &pt);
        ScreenToClient(ListHwnd(), &pt);
        return pt;
    }

    RecordingItem* general = nullptr;
    RecordingItem* path = nullptr;
    RecordingItem* count = nullptr;
};

TEST_F(PropTitleTip, ShowsAClippedValueOneLineAboveItsRowAtTheCursor)
{
    ASSERT_TRUE(path->IsNeedTip());
    ASSERT_FALSE(count->IsNeedTip());
    HoverValue(1);
    ASSERT_TRUE(TipShown());

    CSize text;
    {
        CClientDC dc(tree.GetTitleTip());
        CFont* old = dc.SelectObject(CPropTree::GetNormalFont());
        text = dc.GetTextExtent(path->GetAttribText());
        dc.SelectObject(old);
    }
    CRect value = path->GetAttribTextShowRect();
    tree.ClientToScreen(value);
    CRect tip;
    GetWindowRect(Tip(), tip);
    EXPECT_EQ(tip, CRect(HoverX(), value.top - text.cy, HoverX() + text.cx + 2, value.top + 2));
    EXPECT_TRUE(GetWindowLongA(Tip(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetActiveWindow(), Tip());

    // The text in its grey on the tip colour.
    const Picture picture = Capture(Tip());
    int ink = 0;
    for (COLORREF pixel : picture.pixels)
        ink += pixel == RGB(65, 65, 65);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(picture.At(picture.width - 1, picture.height - 1), GetSysColor(COLOR_INFOBK));

    // Moving where no row is leaves it; moving to a value that fits hides it.
    List().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(60, 250));
    EXPECT_TRUE(TipShown());
    HoverValue(2);
    EXPECT_FALSE(TipShown());

    // Without a focus window the tip does not show.
    SetFocus(nullptr);
    HoverValue(1);
    EXPECT_FALSE(TipShown());
}

TEST_F(PropTitleTip, HidesItselfFiveSecondsAfterItWasShownNotAfterItWasLastAskedFor)
{
    const DWORD shown = GetTickCount();
    HoverValue(1);
    ASSERT_TRUE(TipShown());
    // Asked again for the same item a while later: the first timer still runs.
    test::WaitUntil([&] { return GetTickCount() - shown >= 2500; }, 3000);
    HoverValue(1);
    ASSERT_TRUE(TipShown());
    ASSERT_TRUE(test::WaitUntil([&] { return !TipShown(); }, 8000));
    const DWORD elapsed = GetTickCount() - shown;
    EXPECT_GE(elapsed, 4500u);
    EXPECT_LT(elapsed, 7000u);
}

TEST_F(PropTitleTip, PassesPressesAndKeysToTheList)
{
    // A key on the tip: the tip goes, the list moves its focus.
    HoverValue(1);
    ASSERT_TRUE(TipShown());
    PostToTip(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, general}})) << Describe(Notifications());

    // A press lands on the row under the tip, in the list's coordinates.
    tree.SetFocusedItem(count);
    HoverValue(1);
    const CPoint target = InList(2, 2);
    CPropTreeItem* under = tree.FindItem(target);
    ASSERT_NE(under, nullptr);
    ASSERT_NE(under, tree.GetFocusedItem());
    ClearHeard();
    PostToTip(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, under}})) << Describe(Notifications());

    // A second press within the double-click time arrives as a double click: the category under
    // the tip toggles.
    ASSERT_EQ(under, general);
    HoverValue(1);
    ASSERT_TRUE(TipShown());
    ClearHeard();
    PostToTip(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kExpanding, general}})) << Describe(Notifications());
    EXPECT_FALSE(general->IsExpanded());

    // Later than that, a press is a press again.
    general->Expand(TRUE);
    Paint();
    const DWORD last = GetTickCount();
    test::WaitUntil([&] { return GetTickCount() - last > GetDoubleClickTime() + 50; }, 3000);
    tree.SetFocusedItem(count);
    HoverValue(1);
    ASSERT_TRUE(TipShown());
    ClearHeard();
    PostToTip(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(Notifications(), (std::vector<Heard>{{kSelChange, general}})) << Describe(Notifications());
    EXPECT_TRUE(general->IsExpanded());
}

}  // namespace
}  // namespace proplist
