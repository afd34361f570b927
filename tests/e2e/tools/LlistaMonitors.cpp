// Writes the monitors Windows reports, as one JSON line on standard output:
// {"monitors":[{"rect":[L,T,R,B],"work":[L,T,R,B],"primary":true},...],
//  "virtual":[x,y,cx,cy],"count":N,"primary":[cx,cy]}
// "monitors" in EnumDisplayMonitors order, "virtual" from SM_XVIRTUALSCREEN..SM_CYVIRTUALSCREEN,
// "count" SM_CMONITORS, "primary" SM_CXSCREEN and SM_CYSCREEN.
#include <windows.h>

#include <cstdio>

namespace {

void Rectangle(const char* nom, const RECT& r) {
  std::printf("\"%s\":[%ld,%ld,%ld,%ld]", nom, r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK UnMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM dades) {
  int& escrits = *reinterpret_cast<int*>(dades);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  std::printf("%s{", escrits++ == 0 ? "" : ",");
  Rectangle("rect", info.rcMonitor);
  std::printf(",");
  Rectangle("work", info.rcWork);
  std::printf(",\"primary\":%s}", (info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? "true" : "false");
  return TRUE;
}

}  // namespace

int main() {
  int escrits = 0;
  std::printf("{\"monitors\":[");
  EnumDisplayMonitors(nullptr, nullptr, UnMonitor, reinterpret_cast<LPARAM>(&escrits));
  std::printf("],\"virtual\":[%d,%d,%d,%d],\"count\":%d,\"primary\":[%d,%d]}\n",
              GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
              GetSystemMetrics(SM_CMONITORS), GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
  std::fflush(stdout);
  return 0;
}
