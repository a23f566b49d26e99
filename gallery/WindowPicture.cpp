#include "WindowPicture.h"

#include <wincodec.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// How long a page gets to finish painting and reach the screen: the platform copies what a window
// painted to the screen shortly after, while the thread waits for messages.
const DWORD s_settleMs = 300;

// A COM interface pointer released with the object.
template <class T>
class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    T** operator&() { return &m_p; }

private:
    T* m_p = nullptr;
};

// The screen's pixels in rect, top row first, four bytes (blue, green, red, unused) per pixel.
std::vector<BYTE> CopyScreen(const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    std::vector<BYTE> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT)) {
            GdiFlush();
            const BYTE* first = static_cast<const BYTE*>(bits);
            pixels.assign(first, first + static_cast<size_t>(width) * height * 4);
        }
        SelectObject(memory, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// True when every pixel is the same: the screen showed none of the window.
bool IsOneColour(const std::vector<BYTE>& pixels)
{
    const DWORD* first = reinterpret_cast<const DWORD*>(pixels.data());
    const DWORD* last = first + pixels.size() / 4;
    return std::all_of(first, last, [first](DWORD pixel) { return (pixel & 0xFFFFFF) == (*first & 0xFFFFFF); });
}

// Encodes 32-bit pixels as PNG. GDI leaves the fourth byte 0, so the pixels are handed over as
// BGR without alpha: as BGRA the picture would be wholly transparent.
bool WritePng(LPCSTR path, UINT width, UINT height, std::vector<BYTE>& pixels)
{
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IWICBitmap> source;
    std::wstring widePath(MAX_PATH, L'\0');
    widePath.resize(MultiByteToWideChar(CP_ACP, 0, path, -1, &widePath[0], MAX_PATH));
    const UINT stride = width * 4;
    return !widePath.empty()
        && SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))
        && SUCCEEDED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGR, stride,
                                                     stride * height, pixels.data(), &source))
        && SUCCEEDED(factory->CreateStream(&stream))
        && SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE))
        && SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder))
        && SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache))
        && SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr))
        && SUCCEEDED(frame->Initialize(nullptr))
        && SUCCEEDED(frame->SetSize(width, height))
        && SUCCEEDED(frame->WriteSource(source.get(), nullptr))
        && SUCCEEDED(frame->Commit())
        && SUCCEEDED(encoder->Commit());
}

}  // namespace

void SettleWindow(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < s_settleMs; elapsed = GetTickCount() - start) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, s_settleMs - elapsed, QS_ALLINPUT);
    }
}

bool SaveWindowPicture(HWND hwnd, LPCSTR path)
{
    // The client area only: without a window manager nobody draws the frame.
    RECT rect;
    if (!GetClientRect(hwnd, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    std::vector<BYTE> pixels = CopyScreen(rect);
    return !pixels.empty() && !IsOneColour(pixels)
        && WritePng(path, rect.right - rect.left, rect.bottom - rect.top, pixels);
}
