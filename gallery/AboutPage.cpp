// The About page: the library's name and version, the file it was loaded from, and the font face
// the property tree draws with.
#include "GalleryPage.h"
#include "Marlow17Version.h"
#include "CPropTree.h"

namespace {

HFONT CreateFaceFont(LPCSTR face, int height, int weight)
{
    LOGFONTA font = {};
    GetObjectA(GalleryPage::DialogFont(), sizeof(font), &font);
    if (face)
        lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    font.lfHeight = height ? height : font.lfHeight;
    font.lfWeight = weight;
    return CreateFontIndirectA(&font);
}

class AboutPage : public GalleryPage
{
public:
    ~AboutPage() override
    {
        DestroyWindow(GetHwnd());
        DeleteObject(m_titleFont);
        DeleteObject(m_sampleFont);
    }
    const char* Name() const override { return "About"; }

protected:
    void OnCreate() override
    {
        char libraryPath[MAX_PATH] = "";
        GetModuleFileNameA(GetModuleHandleA(MARLOW17_NAME ".dll"), libraryPath, sizeof(libraryPath));
        const CString face = CPropTree::GetGlobalFontFace();

        m_titleFont = CreateFaceFont(nullptr, -28, FW_BOLD);
        m_sampleFont = CreateFaceFont(face, 0, FW_NORMAL);

        HWND title = AddChild("STATIC", MARLOW17_NAME, SS_LEFT, 20, 20, 400, 36);
        SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont), FALSE);
        AddChild("STATIC", "User-interface controls for 32-bit Windows hosts", SS_LEFT, 20, 60, 500, 18);

        CString line;
        line.Format("Version %s", MARLOW17_VERSION_STRING);
        AddChild("STATIC", line, SS_LEFT, 20, 96, 500, 18);
        line.Format("Library file: %s", libraryPath);
        AddChild("STATIC", line, SS_LEFT | SS_PATHELLIPSIS, 20, 118, 560, 18);
        line.Format("Property tree font: %s", static_cast<LPCSTR>(face));
        AddChild("STATIC", line, SS_LEFT, 20, 140, 500, 18);
        HWND sample = AddChild("STATIC", "Name   Value   0123456789   The quick brown fox jumps over the lazy dog",
                               SS_LEFT | WS_BORDER, 20, 166, 560, 22);
        SendMessageA(sample, WM_SETFONT, reinterpret_cast<WPARAM>(m_sampleFont), FALSE);

        line.Format("%s %s from %s; property tree font %s", MARLOW17_NAME, MARLOW17_VERSION_STRING, libraryPath,
                    static_cast<LPCSTR>(face));
        Log(static_cast<LPCSTR>(line));
    }

private:
    HFONT m_titleFont = nullptr;
    HFONT m_sampleFont = nullptr;
};

}  // namespace

std::unique_ptr<GalleryPage> CreateAboutPage()
{
    return std::make_unique<AboutPage>();
}
