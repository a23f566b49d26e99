// Pictures of a window as it is on the screen, saved as PNG files.
#pragma once
#include <windows.h>

// Repaints the window and its children and serves its messages for a moment, so that what the
// screen shows is the finished page.
void SettleWindow(HWND hwnd);

// Copies the window's client area from the screen and writes it to path as a PNG file. Fails when
// the screen shows nothing of the window (one colour throughout).
bool SaveWindowPicture(HWND hwnd, LPCSTR path);
