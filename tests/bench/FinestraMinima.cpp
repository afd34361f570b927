// The least a window program does: one class, one window, the default paint and a message
// loop. The floor that the program's start-up time and memory are compared with.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND finestra, UINT missatge, WPARAM w, LPARAM l) {
  if (missatge == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(finestra, missatge, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
  WNDCLASSW classe{};
  classe.lpfnWndProc = Proc;
  classe.hInstance = instancia;
  classe.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = L"FinestraMinima";
  RegisterClassW(&classe);
  const HWND finestra =
      CreateWindowExW(WS_EX_TOPMOST, L"FinestraMinima", L"FinestraMinima", WS_OVERLAPPEDWINDOW, 600,
                      0, 200, 150, nullptr, nullptr, instancia, nullptr);
  ShowWindow(finestra, SW_SHOWNORMAL);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
