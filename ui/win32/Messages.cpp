// The numbers that the headless backend and the tests use are the system's.
#include <windows.h>

#include <shellapi.h>

#include "ui/messages.h"

static_assert(ui::msg::Close == WM_CLOSE && ui::msg::QueryEndSession == WM_QUERYENDSESSION &&
              ui::msg::EndSession == WM_ENDSESSION && ui::msg::User == WM_USER &&
              ui::msg::AppBar == WM_APP + 1 && ui::msg::AppBarPosChanged == ABN_POSCHANGED);
