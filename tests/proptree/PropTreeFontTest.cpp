// The shared fonts of the property tree: their face rule, their weights, and a lifetime that
// follows the number of live trees.
#include <gtest/gtest.h>
#include "PropTreeTestSupport.h"
#include "CMarlowApp.h"

#include <memory>

namespace {

LOGFONT FontOf(CFont* pFont)
{
    LOGFONT lf = {};
    EXPECT_TRUE(pFont && pFont->GetLogFont(&lf));
    return lf;
}

LOGFONT SystemMenuFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = offsetof(NONCLIENTMETRICS, iPaddedBorderWidth);
    EXPECT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0));
    return ncm.lfMenuFont;
}

// Whether the font mapper gives this face when asked for it: an independent view of the families.
bool MapperHasFace(const char* face)
{
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    CWindowDC screen(nullptr);
    CFont* pOld = screen.SelectObject(&font);
    CString mapped;
    screen.GetTextFace(mapped);
    screen.SelectObject(pOld);
    return mapped.CompareNoCase(face) == 0;
}

TEST(PropTreeFonts, LiveExactlyAsLongAsTheLastTree)
{
    ASSERT_EQ(0u, CPropTree::s_nInstanceCount);
    EXPECT_EQ(nullptr, CPropTree::GetNormalFont());
    EXPECT_EQ(nullptr, CPropTree::GetBoldFont());
    EXPECT_EQ(nullptr, CPropTree::GetThinFont());

    std::unique_ptr<CPropTree> first(new CPropTree);
    EXPECT_EQ(1u, CPropTree::s_nInstanceCount);
    CFont* normal = CPropTree::GetNormalFont();
    CFont* bold = CPropTree::GetBoldFont();
    CFont* thin = CPropTree::GetThinFont();
    ASSERT_TRUE(normal && bold && thin);
    EXPECT_TRUE(normal->GetSafeHandle() && bold->GetSafeHandle() && thin->GetSafeHandle());
    EXPECT_EQ(normal, CPropTree::GetFont());
    EXPECT_EQ(normal, CPropTree::s_pNormalFont);

    {
        CPropTree second;    // shares them
        EXPECT_EQ(2u, CPropTree::s_nInstanceCount);
        EXPECT_EQ(normal, CPropTree::GetNormalFont());
        EXPECT_EQ(bold, CPropTree::GetBoldFont());
        EXPECT_EQ(thin, CPropTree::GetThinFont());
    }
    EXPECT_EQ(1u, CPropTree::s_nInstanceCount);
    EXPECT_EQ(normal, CPropTree::GetNormalFont());
    EXPECT_EQ(OBJ_FONT, ::GetObjectType(normal->GetSafeHandle()));

    first.reset();
    EXPECT_EQ(0u, CPropTree::s_nInstanceCount);
    EXPECT_EQ(nullptr, CPropTree::GetNormalFont());
    EXPECT_EQ(nullptr, CPropTree::GetBoldFont());
    EXPECT_EQ(nullptr, CPropTree::GetThinFont());

    CPropTree again;    // the next first tree builds them anew
    EXPECT_TRUE(CPropTree::GetNormalFont() && CPropTree::GetBoldFont() && CPropTree::GetThinFont());
}

TEST(PropTreeFonts, TakeTheMenuFontsSizeWithTheirOwnFaceAndWeights)
{
    CPropTree tree;
    const LOGFONT menu = SystemMenuFont();
    CWindowDC screen(nullptr);
    const BYTE screenCharset = (BYTE)::GetTextCharsetInfo(screen.GetSafeHdc(), nullptr, 0);
    const CString face = CPropTree::GetGlobalFontFace();

    struct Expected { const char* name; CFont* font; LONG weight; };
    const Expected fonts[] = {
        {"normal", CPropTree::GetNormalFont(), menu.lfWeight},
        {"bold", CPropTree::GetBoldFont(), FW_BOLD},
        {"thin", CPropTree::GetThinFont(), 50},
    };
    for (const Expected& e : fonts) {
        SCOPED_TRACE(e.name);
        const LOGFONT lf = FontOf(e.font);
        EXPECT_STREQ(face, lf.lfFaceName);
        EXPECT_EQ(e.weight, lf.lfWeight);
        EXPECT_EQ(menu.lfHeight, lf.lfHeight);
        EXPECT_EQ(menu.lfItalic, lf.lfItalic);
        EXPECT_EQ(screenCharset, lf.lfCharSet);
        EXPECT_EQ(0, lf.lfWidth);
        EXPECT_EQ(0, lf.lfUnderline);
    }
}

TEST(PropTreeFonts, FaceRule)
{
    // Western character sets: Tahoma when the screen has it, else MS Sans Serif; the module holds
    // both names.
    const bool hasTahoma = MapperHasFace("Tahoma");
    EXPECT_EQ(hasTahoma, !!CPropTree::HasFontFamily("Tahoma"));
    EXPECT_EQ(hasTahoma, !!CPropTree::HasFontFamily("tAHOMA"));
    EXPECT_FALSE(CPropTree::HasFontFamily("No Such Family 4711"));
    EXPECT_FALSE(CPropTree::HasFontFamily(""));
    EXPECT_FALSE(CPropTree::HasFontFamily(nullptr));
    EXPECT_STREQ("Tahoma", CMarlowApp::s_strTahoma);
    EXPECT_STREQ("MS Sans Serif", CMarlowApp::s_strMSSansSerif);
    const char* western = hasTahoma ? "Tahoma" : "MS Sans Serif";

    struct Case { BYTE charset; const char* menuFace; const char* expected; };
    const Case cases[] = {
        {ANSI_CHARSET, "Segoe UI", western},
        {DEFAULT_CHARSET, "Arial", western},
        {SYMBOL_CHARSET, "Symbol", western},
        {GB2312_CHARSET, "SimSun", "SimSun"},
        {SHIFTJIS_CHARSET, "MS UI Gothic", "MS UI Gothic"},
        {RUSSIAN_CHARSET, "Arial Cyr", "Arial Cyr"},
        {EASTEUROPE_CHARSET, "", ""},
    };
    for (const Case& c : cases) {
        LOGFONT lf = {};
        lf.lfCharSet = c.charset;
        lstrcpyn(lf.lfFaceName, c.menuFace, LF_FACESIZE);
        EXPECT_STREQ(c.expected, CPropTree::GetGlobalFontFace(lf)) << "charset " << (int)c.charset;
    }
    EXPECT_STREQ(CPropTree::GetGlobalFontFace(SystemMenuFont()), CPropTree::GetGlobalFontFace());
}

}  // namespace
