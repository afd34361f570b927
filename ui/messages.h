// The window messages that come to the program's windows from outside the ui layer (another
// thread or process, the system, the hook library), with Win32's numbers. For what cannot
// include <windows.h>: the headless backend and the tests post and dispatch these, and the
// Win32 backend checks them against the system's.
#pragma once

namespace ui::msg {

constexpr unsigned Close = 0x0010;            // WM_CLOSE
constexpr unsigned QueryEndSession = 0x0011;  // WM_QUERYENDSESSION
constexpr unsigned EndSession = 0x0016;       // WM_ENDSESSION, WParam non-zero: it ends
constexpr unsigned User = 0x0400;             // WM_USER: the hook library's reports
// What the system sends a desktop toolbar, WParam saying what happened: WM_APP + 1, the
// number the program gives the system at registration.
constexpr unsigned AppBar = 0x8001;
constexpr unsigned AppBarPosChanged = 0x0001;  // ABN_POSCHANGED

}  // namespace ui::msg
