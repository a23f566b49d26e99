// gallery: shows every page of the library's controls in one window.
// gallery --screenshots DIR: writes a picture of the window for each page to DIR/<page>.png and
// exits, 0 when every picture was written.
#include "GalleryWindow.h"
#include "Marlow17.h"
#include "WindowPicture.h"

#include <commctrl.h>
#include <objbase.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

namespace {

// The picture's file name: the page name with anything but letters and digits as '_'.
std::string PictureFileName(const char* pageName)
{
    std::string name = pageName;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name + ".png";
}

int SaveScreenshots(GalleryWindow& window, const std::string& directory)
{
    if (!CreateDirectoryA(directory.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        fprintf(stderr, "gallery: cannot create %s\n", directory.c_str());
        return 1;
    }
    int failures = 0;
    for (int i = 0; i < window.GetPageCount(); ++i) {
        window.ShowPage(i);
        SettleWindow(window.GetHwnd());
        const std::string path = directory + "\\" + PictureFileName(window.GetPageName(i));
        if (SaveWindowPicture(window.GetHwnd(), path.c_str())) {
            printf("gallery: %s\n", path.c_str());
        } else {
            fprintf(stderr, "gallery: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    fflush(stdout);
    return failures ? 1 : 0;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The controls' PreTranslateMessage filters first (the title tip forwards input this way).
        if (AfxPreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    const bool screenshots = __argc == 3 && strcmp(__argv[1], "--screenshots") == 0;
    if (__argc > 1 && !screenshots) {
        fprintf(stderr, "usage: gallery [--screenshots DIR]\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    if (FAILED(CoInitialize(nullptr)))
        return 1;

    int result = 1;
    {
        GalleryWindow window;
        if (window.Create(screenshots ? SW_SHOWNORMAL : nCmdShow))
            result = screenshots ? SaveScreenshots(window, __argv[2]) : RunMessageLoop();
        else
            fprintf(stderr, "gallery: cannot create the main window\n");
    }
    CoUninitialize();
    return result;
}
