// Build settings shared by every Marlow17 header: the export macro and the platform headers.
#pragma once

#ifndef WINVER
#define WINVER 0x0600
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <tchar.h>

// Classes and functions of the library are exported when the DLL is built and imported by hosts.
#ifdef MARLOW17_BUILD
#define MARLOW17_API __declspec(dllexport)
#else
#define MARLOW17_API __declspec(dllimport)
#endif
#define AFX_EXT_CLASS MARLOW17_API
#define AFX_EXT_API MARLOW17_API

// Each module carries its own static copy of the DWARF unwinder. The library registers the host's
// unwind tables with its copy when it loads; the host's copy sizes its register table lazily, on
// its first own throw, and a library exception caught before that would abort in the host. One
// throw at start-up in every module that includes this header settles it.
#if defined(__GNUC__) && defined(__MINGW32__) && !defined(__SEH__) && !defined(__USING_SJLJ_EXCEPTIONS__)
namespace Marlow17Detail {
inline int PrimeUnwinder() { try { throw 0; } catch (int) {} return 0; }
inline const int s_unwinderPrimed = PrimeUnwinder();
}
#endif
