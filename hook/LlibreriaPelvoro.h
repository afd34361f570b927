// The mouse-hook library's four operations.
// Pelvoro.exe imports the library at load time; the headless backend links a stand-in
// with the same four functions.
#pragma once

// The handle file, the main window's class and the report codes.
#include "hook/Comunicacio.h"

#if defined(_WIN32)
#if defined(LLIBRERIA_PELVORO_BUILD)
#define LLIBRERIA_PELVORO_API extern "C" __declspec(dllexport)
#else
#define LLIBRERIA_PELVORO_API extern "C" __declspec(dllimport)
#endif
#else
#define LLIBRERIA_PELVORO_API extern "C"
#endif

// Installs the button hook: the user's left press and release are reported and swallowed,
// a right press asks to leave; moves are reported, also those other software injects.
// Injected buttons pass unreported. Installing twice leaves one hook, a new one: installing
// again brings back a hook that Windows has removed.
LLIBRERIA_PELVORO_API void SetHookMouse();
// Removes the button hook; harmless when it is not installed. A release whose press it
// swallowed is still swallowed, unreported, when it comes later: it never arrives alone.
LLIBRERIA_PELVORO_API void UnHookMouse();
// Installs the move hook: every move is reported, all input passes on.
LLIBRERIA_PELVORO_API void SetHookMouseMove();
// Removes the move hook; harmless when it is not installed.
LLIBRERIA_PELVORO_API void UnHookMouseMove();
