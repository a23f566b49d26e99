// One page of the gallery: a child window over the page area that shows the controls of one
// subsystem and writes what its host hears to the gallery's log pane.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>

class GalleryPage
{
public:
    using LogFunction = std::function<void(const std::string&)>;

    GalleryPage() = default;
    virtual ~GalleryPage();
    GalleryPage(const GalleryPage&) = delete;
    GalleryPage& operator=(const GalleryPage&) = delete;

    // The name in the page list, also the screenshot's file name.
    virtual const char* Name() const = 0;

    // Creates the page window, hidden, as a child of parent over rect, then the page's controls.
    // Every line passed to Log() goes to log.
    bool Create(HWND parent, const RECT& rect, LogFunction log);
    HWND GetHwnd() const { return m_hwnd; }

    // The font of the gallery's controls: the system's message font.
    static HFONT DialogFont();

protected:
    // Creates the page's controls as children of GetHwnd().
    virtual void OnCreate() = 0;
    // Every message of the page window, notifications of its controls included. The default
    // handling is DefWindowProc's.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Log(const std::string& line) const;
    // A child window of the page, in the gallery's dialog font.
    HWND AddChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                  int id = 0);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    LogFunction m_log;
};

using GalleryPageFactory = std::unique_ptr<GalleryPage> (*)();

// The pages in the order the gallery lists them (GalleryPages.cpp).
const GalleryPageFactory* GalleryPageFactories(size_t* count);
