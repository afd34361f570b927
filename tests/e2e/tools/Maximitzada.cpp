// Writes what a program is told of the primary monitor's work area, as one JSON line:
// {"spi":[L,T,R,B],"work":[L,T,R,B],"monitor":[L,T,R,B]} from SPI_GETWORKAREA and
// GetMonitorInfo. With MAXIMISE it then opens a window of its own maximised and adds, on a
// second line, {"rect":[L,T,R,B],"close":[X,Y],"owner":"CLASS","self":true|false,"spi":...}:
// the window's rectangle, the middle of its close box, the class of the top-level window
// WindowFromPoint finds there and whether it is this one. It stays open until closed.
// With APPBAR first, a strip 100 pixels wide at the left edge is asked for as a desktop toolbar
// before anything else, and a line {"new":N,"query":[...],"set":[...]} says what the shell
// answered.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr wchar_t Classe[] = L"ProvaMaximitzada";

void Rectangle(const char* nom, const RECT& r) {
  std::printf("\"%s\":[%ld,%ld,%ld,%ld]", nom, r.left, r.top, r.right, r.bottom);
}

void Arees() {
  RECT spi{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &spi, 0);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  Rectangle("spi", spi);
  std::printf(",");
  Rectangle("work", info.rcWork);
  std::printf(",");
  Rectangle("monitor", info.rcMonitor);
}

LRESULT CALLBACK Procediment(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(w, msg, wp, lp);
}

// The middle of the close box: the rightmost caption button, inside the frame.
POINT CaixaTancar(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  const int marc = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  const int boto = GetSystemMetrics(SM_CXSIZE), titol = GetSystemMetrics(SM_CYCAPTION);
  const int dalt = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  return POINT{r.right - marc - boto / 2, r.top + dalt + titol / 2};
}

void Maximitzar() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Procediment;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = Classe;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, Classe, L"Maximitzada", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                           nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(w, SW_MAXIMIZE);
  UpdateWindow(w);
  RECT r{};
  GetWindowRect(w, &r);
  const POINT tancar = CaixaTancar(w);
  // The system may show the window a little later: what lies at the close box once it is there.
  HWND alla = nullptr;
  for (DWORD inici = GetTickCount(); GetTickCount() - inici < 3000;) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    alla = GetAncestor(WindowFromPoint(tancar), GA_ROOT);
    if (alla == w) break;
    Sleep(20);
  }
  wchar_t classe[128] = L"";
  if (alla) GetClassNameW(alla, classe, 128);
  std::printf("{");
  Rectangle("rect", r);
  std::printf(",\"close\":[%ld,%ld],\"owner\":\"%ls\",\"self\":%s,\"visible\":%d,", tancar.x,
              tancar.y, classe, alla == w ? "true" : "false", IsWindowVisible(w) ? 1 : 0);
  Arees();
  std::printf("}\n");
  std::fflush(stdout);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
}

HWND barra = nullptr;

void Barra() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ProvaBarra";
  RegisterClassW(&wc);
  barra = CreateWindowExW(WS_EX_TOOLWINDOW, L"ProvaBarra", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                          nullptr, wc.hInstance, nullptr);
  APPBARDATA dades{};
  dades.cbSize = sizeof dades;
  dades.hWnd = barra;
  dades.uCallbackMessage = WM_APP + 1;
  const UINT_PTR nova = SHAppBarMessage(ABM_NEW, &dades);
  dades.uEdge = ABE_LEFT;
  dades.rc = RECT{0, 0, 100, GetSystemMetrics(SM_CYSCREEN)};
  SHAppBarMessage(ABM_QUERYPOS, &dades);
  std::printf("{\"new\":%u,", static_cast<unsigned>(nova));
  Rectangle("query", dades.rc);
  dades.rc.right = dades.rc.left + 100;
  SHAppBarMessage(ABM_SETPOS, &dades);
  std::printf(",");
  Rectangle("set", dades.rc);
  std::printf("}\n");
  std::fflush(stdout);
  ShowWindow(barra, SW_SHOWNOACTIVATE);
}

}  // namespace

int main(int argc, char** argv) {
  int a = 1;
  if (a < argc && std::strcmp(argv[a], "APPBAR") == 0) Barra(), ++a;
  std::printf("{");
  Arees();
  std::printf("}\n");
  std::fflush(stdout);
  if (a < argc && std::strcmp(argv[a], "MAXIMISE") == 0) Maximitzar();
  // Given back: the shell may keep a strip of a window that is gone.
  if (barra) {
    APPBARDATA dades{};
    dades.cbSize = sizeof dades;
    dades.hWnd = barra;
    SHAppBarMessage(ABM_REMOVE, &dades);
  }
  return 0;
}
