// Another program with a window of a class that Pelvoro's main window also has: a top-most
// window, minimised, as another small always-on-top tool would leave it. Writes "ready HWND",
// flushed, once the window exists, and runs until the window is closed.
// Usage: FinestraAliena CLASS
#include <windows.h>

#include <cstdio>

namespace {

LRESULT CALLBACK Proc(HWND finestra, UINT missatge, WPARAM w, LPARAM l) {
  if (missatge == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(finestra, missatge, w, l);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: FinestraAliena CLASS\n");
    return 2;
  }
  WNDCLASSA classe{};
  classe.lpfnWndProc = Proc;
  classe.hInstance = GetModuleHandleA(nullptr);
  classe.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  classe.lpszClassName = argv[1];
  if (!RegisterClassA(&classe)) return 1;
  HWND finestra = CreateWindowExA(WS_EX_TOPMOST, argv[1], "Una altra eina", WS_OVERLAPPEDWINDOW,
                                  100, 100, 300, 200, nullptr, nullptr, classe.hInstance, nullptr);
  if (!finestra) return 1;
  ShowWindow(finestra, SW_SHOWMINIMIZED);
  std::printf("ready %lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(finestra)));
  std::fflush(stdout);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}
