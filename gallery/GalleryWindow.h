// The gallery's main window: the page list on the left, the selected page beside it and the log
// pane, where the pages write what the host hears, along the bottom.
#pragma once
#include "GalleryPage.h"
#include <vector>

class GalleryWindow
{
public:
    GalleryWindow() = default;
    ~GalleryWindow();
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    // Creates and shows the window with every page of the page table.
    bool Create(int nCmdShow);
    HWND GetHwnd() const { return m_hwnd; }

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    const char* GetPageName(int index) const { return m_pages[index]->Name(); }
    void ShowPage(int index);
    void AppendLog(const std::string& line);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void Layout();
    RECT PageRect() const;

    HWND m_hwnd = nullptr;
    HWND m_pageList = nullptr;
    HWND m_log = nullptr;
    std::vector<std::unique_ptr<GalleryPage>> m_pages;
    int m_current = -1;
};
