#include "PropListFixture.h"

namespace proplist {

Picture Capture(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreen(hwnd, client);
}

Picture CaptureScreen(HWND hwnd, const RECT& area)
{
    // Let every pending paint happen, as the host's message loop would.
    test::PumpMessages();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    picture.pixels.resize(picture.width * picture.height);

    HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT frame;
    GetWindowRect(root, &frame);
    HDC screen = GetDCEx(root, nullptr, DCX_WINDOW | DCX_CACHE);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, picture.width, picture.height, screen, area.left - frame.left, area.top - frame.top, SRCCOPY);
    GdiFlush();
    const DWORD* src = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i)    // BGRX to COLORREF
        picture.pixels[i] = RGB(GetBValue(src[i]), GetGValue(src[i]), GetRValue(src[i]));
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(root, screen);
    return picture;
}

PropListTest::PropListTest()
{
    for (int code = -1113; code <= -1101; ++code)
        host.SetRecordSize(code, sizeof(PropTreeNotify));
    tree.Create(WS_CHILD | WS_VISIBLE | PTREES_NOTIFY, CRect(0, 0, kTreeWidth, kTreeHeight),
                CWnd::FromHandle(host.hwnd()), kTreeID);
}

PropListTest::~PropListTest()
{
    tree.DestroyWindow();
}

int PropListTest::ListWidth()
{
    CRect rc;
    List().GetClientRect(rc);
    return rc.Width();
}

RecordingItem* PropListTest::AddCategory(const char* label, bool expanded)
{
    RecordingItem* item = new RecordingItem(label);
    tree.InsertItem(item);
    item->Expand(expanded);
    return item;
}

RecordingItem* PropListTest::AddItem(CPropTreeItem* parent, const char* label, const char* value)
{
    RecordingItem* item = new RecordingItem(label, value);
    tree.InsertItem(item, parent);
    return item;
}

void PropListTest::Paint()
{
    List().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::vector<Heard> PropListTest::Notifications() const
{
    std::vector<Heard> heard;
    for (const test::Notification& record : host.Records())
        if (record.message == WM_NOTIFY && record.code <= -1101 && record.code >= -1113)
            heard.emplace_back(record.code, record.As<PropTreeNotify>().pItem);
    return heard;
}

}  // namespace proplist
