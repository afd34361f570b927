// A large window that writes every mouse button message it gets, with the screen position,
// one flushed line each: "down L 100 200", "up R 5 6". Usage: DianaClics LOG [L T R B [WORDS]]
// (default: the whole screen). After the rectangle, MOVES writes moves too, and DOBLES makes the
// window take double clicks, whose second press is written "dbl L 100 200". Losing the
// keyboard focus writes "focus lost". The background is a pale blue, so that see-through parts of
// other windows above it can be told from their white.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FILE* registre = nullptr;
bool ambMoviments = false;
bool ambDobles = false;
constexpr COLORREF ColorFons = RGB(200, 220, 240);

void Escriure(const char* que, const char* boto, LPARAM dades, HWND finestra) {
  POINT p{static_cast<short>(LOWORD(dades)), static_cast<short>(HIWORD(dades))};
  ClientToScreen(finestra, &p);
  std::fprintf(registre, "%s %s %ld %ld\n", que, boto, p.x, p.y);
  std::fflush(registre);
}

LRESULT CALLBACK Proc(HWND finestra, UINT missatge, WPARAM w, LPARAM l) {
  switch (missatge) {
    case WM_LBUTTONDOWN: Escriure("down", "L", l, finestra); return 0;
    case WM_LBUTTONUP: Escriure("up", "L", l, finestra); return 0;
    case WM_LBUTTONDBLCLK: Escriure("dbl", "L", l, finestra); return 0;
    case WM_RBUTTONDOWN: Escriure("down", "R", l, finestra); return 0;
    case WM_RBUTTONUP: Escriure("up", "R", l, finestra); return 0;
    case WM_MBUTTONDOWN: Escriure("down", "M", l, finestra); return 0;
    case WM_MBUTTONUP: Escriure("up", "M", l, finestra); return 0;
    case WM_MOUSEMOVE:
      if (ambMoviments) Escriure("move", "-", l, finestra);
      return 0;
    case WM_KILLFOCUS:
      std::fprintf(registre, "focus lost\n");
      std::fflush(registre);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(finestra, missatge, w, l);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc < 6) {
    std::fprintf(stderr, "usage: DianaClics LOG [LEFT TOP RIGHT BOTTOM [MOVES] [DOBLES]]\n");
    return 2;
  }
  registre = std::fopen(argv[1], "w");
  if (registre == nullptr) return 1;
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (argc >= 6)
    r = {std::atol(argv[2]), std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5])};
  for (int i = 6; i < argc; ++i) {
    ambMoviments = ambMoviments || std::strcmp(argv[i], "MOVES") == 0;
    ambDobles = ambDobles || std::strcmp(argv[i], "DOBLES") == 0;
  }

  WNDCLASSW classe{};
  classe.lpfnWndProc = Proc;
  classe.hInstance = GetModuleHandleW(nullptr);
  classe.hCursor = LoadCursor(nullptr, IDC_ARROW);
  classe.hbrBackground = CreateSolidBrush(ColorFons);
  classe.lpszClassName = L"TDianaClics";
  if (ambDobles) classe.style = CS_DBLCLKS;
  RegisterClassW(&classe);
  HWND finestra =
      CreateWindowExW(0, classe.lpszClassName, L"Diana", WS_POPUP, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, nullptr, nullptr, classe.hInstance, nullptr);
  ShowWindow(finestra, SW_SHOWNORMAL);
  UpdateWindow(finestra);
  std::fprintf(registre, "ready %lld\n",
               static_cast<long long>(reinterpret_cast<INT_PTR>(finestra)));
  std::fflush(registre);

  MSG missatge;
  while (GetMessageW(&missatge, nullptr, 0, 0) > 0) {
    TranslateMessage(&missatge);
    DispatchMessageW(&missatge);
  }
  return 0;
}
