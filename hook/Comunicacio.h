// What the program and the hook library agree on, in one place: where the program leaves its
// window handle and how it is written, the main window's class that the library falls back
// to, and the reports the library posts. The program, the library, the headless stand-in and
// the tests all use these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hook {

// Reports are posted as WM_USER to the main window; the code travels in LParam.
constexpr unsigned MissatgeHook = 0x0400;  // WM_USER

constexpr long EventMouseDown = 0;
constexpr long EventMouseUp = 1;
constexpr long EventSortir = 2;
constexpr long EventMouseMove = 3;

// Where the library learns the window to post to. The service treats "Pelvoro.ini" and the
// settings' "pelvoro.ini" as one file.
constexpr const char* FitxerHandle = "Pelvoro.ini";
constexpr const char* SeccioHandle = "LlibreriaPelvoro";
constexpr const char* ClauHandle = "HANDLE FINESTRA";
// The window the reports go to when the file names none that exists.
constexpr const char* ClasseFinestraPrincipal = "TFormPrincipal";
// The longest text the library reads for the handle.
constexpr unsigned MidaHandle = 32;

// The window handle as the program writes it: signed decimal, nothing else.
inline std::string EscriureHandle(std::intptr_t handle) {
  return std::to_string(static_cast<long long>(handle));
}

// The handle as the library reads it. Returns nothing for text that is empty, has other
// characters (blanks too) or does not fit the 64-bit range.
std::optional<std::int64_t> LlegirHandle(std::string_view text);

}  // namespace hook
