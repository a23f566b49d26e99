// Device contexts and GDI objects: selection hands back the previous object, the drawing helpers
// put their pixels where MFC puts them, and a window paints through CPaintDC.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestSupport.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// A 32 x 32 memory DC with a white bitmap selected.
class MemoryDC : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 32, 32));
        pOldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 32, 32, kWhite);
    }
    void TearDown() override { dc.SelectObject(pOldBitmap); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* pOldBitmap = nullptr;
};

TEST_F(MemoryDC, SelectObjectReturnsThePreviousObject)
{
    ASSERT_NE(nullptr, pOldBitmap);
    EXPECT_NE(bitmap.m_hObject, pOldBitmap->m_hObject);
    EXPECT_EQ(bitmap.m_hObject, dc.GetCurrentBitmap()->m_hObject);

    CPen red(PS_SOLID, 1, kRed);
    CPen* pOldPen = dc.SelectObject(&red);
    ASSERT_NE(nullptr, pOldPen);
    EXPECT_EQ(GetStockObject(BLACK_PEN), pOldPen->m_hObject);
    dc.MoveTo(0, 5);
    dc.LineTo(10, 5);
    EXPECT_EQ(kRed, dc.GetPixel(3, 5));
    EXPECT_EQ(red.m_hObject, dc.SelectObject(pOldPen)->m_hObject);
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr)));
}

TEST_F(MemoryDC, Draw3dRectPaintsTheEdgesInsideTheRectangle)
{
    dc.Draw3dRect(CRect(2, 2, 12, 8), kRed, kBlue);
    const struct { int x, y; COLORREF color; } pixels[] = {
        { 2, 2, kRed }, { 10, 2, kRed }, { 2, 6, kRed },          // top and left
        { 11, 2, kBlue }, { 11, 7, kBlue }, { 2, 7, kBlue },      // right and bottom
        { 5, 5, kWhite }, { 12, 5, kWhite }, { 5, 8, kWhite },    // inside and outside
    };
    for (const auto& p : pixels)
        EXPECT_EQ(p.color, dc.GetPixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST(GdiObjects, PointFontsAndRegions)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
    LOGFONT logFont;
    ASSERT_EQ((int)sizeof(logFont), font.GetLogFont(&logFont));
    CClientDC screen(nullptr);
    EXPECT_EQ(-MulDiv(9, screen.GetDeviceCaps(LOGPIXELSY), 72), logFont.lfHeight);
    EXPECT_STREQ("Tahoma", logFont.lfFaceName);

    CRgn left, right, both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgn(20, 0, 30, 10));
    EXPECT_EQ(ERROR, both.CombineRgn(&left, &right, RGN_OR));    // no region to hold the result
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&left, &right, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(25, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    EXPECT_EQ(ERROR, both.CombineRgn(&left, nullptr, RGN_OR));
    EXPECT_EQ(SIMPLEREGION, both.CopyRgn(&left));
    EXPECT_FALSE(both.PtInRegion(25, 5));

    HGDIOBJ hFont = font.m_hObject;
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_EQ(0u, (UINT)GetObjectType(hFont));
    EXPECT_FALSE(font.DeleteObject());
}

// Paints its client area blue through CPaintDC.
class BluePainter : public CWnd
{
protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, kBlue);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BluePainter, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(GdiObjects, WindowPaintsThroughCPaintDC)
{
    test::HostWindow host;
    BluePainter painter;
    ASSERT_TRUE(painter.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), CWnd::FromHandle(host), 1));
    painter.UpdateWindow();
    EXPECT_EQ(kBlue, test::ScreenPixel(painter, 25, 25));
    EXPECT_NE(kBlue, test::ScreenPixel(host, 5, 5));
}

}  // namespace
