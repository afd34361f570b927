// The least a program does to keep a frame on the pointer, with the same visible result as the
// program's tracking frame: a see-through, top-most, never-activated window with a red square
// drawn once, a low-level mouse hook on the window's own thread that posts each move with its
// point, and one SetWindowPos that moves and raises the window. With FIL the hook runs on a
// thread of its own, as the program's hook library does (so a busy window never holds up the
// system's mouse): the floor for that design. Usage: SeguidorMinim [SIDE [FIL]]
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT Moure = WM_APP;
constexpr int GruixQuadre = 10;
constexpr COLORREF ColorQuadre = RGB(255, 0, 0);
constexpr COLORREF Transparent = RGB(255, 255, 255);

HWND finestra = nullptr;
int costat = 150;

LRESULT CALLBACK Ganxo(int codi, WPARAM missatge, LPARAM dades) {
  if (codi == HC_ACTION && missatge == WM_MOUSEMOVE) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(dades);
    PostMessageW(finestra, Moure, static_cast<WPARAM>(info->pt.x), static_cast<LPARAM>(info->pt.y));
  }
  return CallNextHookEx(nullptr, codi, missatge, dades);
}

LRESULT CALLBACK Proc(HWND w, UINT missatge, WPARAM wp, LPARAM lp) {
  switch (missatge) {
    case Moure:
      SetWindowPos(w, HWND_TOPMOST, static_cast<int>(wp) - costat / 2,
                   static_cast<int>(lp) - costat / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(w, &ps);
      const HPEN llapis = CreatePen(PS_SOLID, GruixQuadre, ColorQuadre);
      const HGDIOBJ abans = SelectObject(dc, llapis);
      const HGDIOBJ pinzell = SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, GruixQuadre / 2, GruixQuadre / 2, costat - GruixQuadre / 2,
                costat - GruixQuadre / 2);
      SelectObject(dc, pinzell);
      SelectObject(dc, abans);
      DeleteObject(llapis);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(w, missatge, wp, lp);
}

DWORD WINAPI FilGanxo(LPVOID instancia) {
  const HHOOK ganxo = SetWindowsHookExW(WH_MOUSE_LL, Ganxo, static_cast<HINSTANCE>(instancia), 0);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  if (ganxo) UnhookWindowsHookEx(ganxo);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR linia, int) {
  wchar_t* resta = linia;
  if (linia && *linia) costat = static_cast<int>(std::wcstol(linia, &resta, 10));
  const bool filPropi = resta && std::wcsstr(resta, L"FIL") != nullptr;
  WNDCLASSW classe{};
  classe.lpfnWndProc = Proc;
  classe.hInstance = instancia;
  classe.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  classe.lpszClassName = L"SeguidorMinim";
  RegisterClassW(&classe);
  finestra = CreateWindowExW(
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | WS_EX_LAYERED,
      L"SeguidorMinim", L"SeguidorMinim", WS_POPUP, 0, 0, costat, costat, nullptr, nullptr,
      instancia, nullptr);
  SetLayeredWindowAttributes(finestra, Transparent, 255, LWA_COLORKEY);
  ShowWindow(finestra, SW_SHOWNOACTIVATE);
  HHOOK ganxo = nullptr;
  if (filPropi)
    CreateThread(nullptr, 0, FilGanxo, instancia, 0, nullptr);
  else
    ganxo = SetWindowsHookExW(WH_MOUSE_LL, Ganxo, instancia, 0);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  if (ganxo) UnhookWindowsHookEx(ganxo);
  return 0;
}
