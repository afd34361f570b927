// A large window that writes every mouse button message it gets, with the screen position,
// one flushed line each: "down L 100 200", "up R 5 6". Usage:
//   DianaClics LOG [L T R B [WORDS]]   the rectangle (default: the primary monitor)
//   DianaClics LOG MONITOR N [WORDS]   the whole of monitor N: 0 the primary, then the others in
//                                      EnumDisplayMonitors order
// Its first line is "ready HWND L T R B". Among the WORDS, MOVES writes moves too, DOBLES makes the
// window take double clicks, whose second press is written "dbl L 100 200", and EDIT adds an edit
// box at the top left of the window whose text is written whole at each change, "text abc".
// Wheel notches are written with their sign, "wheel +120 100 200" (away from the user) and
// "hwheel -120 100 200" (to the left), at the position the message gives (Wine 8 gives the
// horizontal one in client coordinates); Windows sends them to the window with the keyboard focus.
// Losing the keyboard focus writes "focus lost". The background is a pale blue, so that
// see-through parts of other windows above it can be told from their white.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/FinestraProva.h"

namespace {

FILE* registre = nullptr;
bool ambMoviments = false;
bool ambDobles = false;
bool ambEdicio = false;
constexpr COLORREF ColorFons = RGB(200, 220, 240);
constexpr int IdEdicio = 100;
constexpr RECT LlocEdicio{20, 20, 320, 48};
constexpr int MidaText = 256;

void Escriure(const char* que, const char* boto, LPARAM dades, HWND finestra) {
  POINT p{static_cast<short>(LOWORD(dades)), static_cast<short>(HIWORD(dades))};
  ClientToScreen(finestra, &p);
  std::fprintf(registre, "%s %s %ld %ld\n", que, boto, p.x, p.y);
  std::fflush(registre);
}

// The wheel's lParam is already in screen coordinates.
void EscriureRoda(const char* que, WPARAM w, LPARAM l) {
  std::fprintf(registre, "%s %+d %d %d\n", que, static_cast<int>(GET_WHEEL_DELTA_WPARAM(w)),
               static_cast<int>(static_cast<short>(LOWORD(l))),
               static_cast<int>(static_cast<short>(HIWORD(l))));
  std::fflush(registre);
}

void EscriureText(HWND edicio) {
  wchar_t text[MidaText];
  GetWindowTextW(edicio, text, MidaText);
  char utf8[MidaText * 3];
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::fprintf(registre, "text %s\n", utf8);
  std::fflush(registre);
}

struct Cerca {
  int queda;  // how many non-primary monitors to pass before the one wanted
  bool primari;
  RECT trobat;
  bool fet;
};

BOOL CALLBACK UnMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM dades) {
  Cerca& cerca = *reinterpret_cast<Cerca*>(dades);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const bool esPrimari = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  if (esPrimari != cerca.primari || (!esPrimari && cerca.queda-- > 0)) return TRUE;
  cerca.trobat = info.rcMonitor;
  cerca.fet = true;
  return FALSE;
}

bool RectangleMonitor(int index, RECT& r) {
  Cerca cerca{index - 1, index == 0, {}, false};
  EnumDisplayMonitors(nullptr, nullptr, UnMonitor, reinterpret_cast<LPARAM>(&cerca));
  r = cerca.trobat;
  return cerca.fet;
}

LRESULT CALLBACK Proc(HWND finestra, UINT missatge, WPARAM w, LPARAM l) {
  switch (missatge) {
    case WM_LBUTTONDOWN: Escriure("down", "L", l, finestra); return 0;
    case WM_LBUTTONUP: Escriure("up", "L", l, finestra); return 0;
    case WM_LBUTTONDBLCLK: Escriure("dbl", "L", l, finestra); return 0;
    case WM_RBUTTONDOWN: Escriure("down", "R", l, finestra); return 0;
    case WM_RBUTTONUP: Escriure("up", "R", l, finestra); return 0;
    case WM_RBUTTONDBLCLK: Escriure("dbl", "R", l, finestra); return 0;
    case WM_MOUSEWHEEL: EscriureRoda("wheel", w, l); return 0;
    case WM_MOUSEHWHEEL: EscriureRoda("hwheel", w, l); return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == IdEdicio && HIWORD(w) == EN_CHANGE) EscriureText(reinterpret_cast<HWND>(l));
      return 0;
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
  const bool perMonitor = argc >= 4 && std::strcmp(argv[2], "MONITOR") == 0;
  if (argc != 2 && argc < 6 && !perMonitor) {
    std::fprintf(
        stderr,
        "usage: DianaClics LOG [LEFT TOP RIGHT BOTTOM | MONITOR N] [MOVES] [DOBLES] [EDIT]\n");
    return 2;
  }
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  int paraules = argc;
  if (perMonitor) {
    if (!RectangleMonitor(std::atoi(argv[3]), r)) {
      std::fprintf(stderr, "DianaClics: no monitor %s\n", argv[3]);
      return 2;
    }
    paraules = 4;
  } else if (argc >= 6) {
    r = {std::atol(argv[2]), std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5])};
    paraules = 6;
  }
  for (int i = paraules; i < argc; ++i) {
    ambMoviments = ambMoviments || std::strcmp(argv[i], "MOVES") == 0;
    ambDobles = ambDobles || std::strcmp(argv[i], "DOBLES") == 0;
    ambEdicio = ambEdicio || std::strcmp(argv[i], "EDIT") == 0;
  }
  registre = std::fopen(argv[1], "w");
  if (registre == nullptr) return 1;

  finestra_prova::Registrar(L"TDianaClics", Proc, CreateSolidBrush(ColorFons),
                            ambDobles ? CS_DBLCLKS : 0);
  const HINSTANCE instancia = GetModuleHandleW(nullptr);
  HWND finestra =
      CreateWindowExW(0, L"TDianaClics", L"Diana", WS_POPUP, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, nullptr, nullptr, instancia, nullptr);
  if (ambEdicio)
    CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                    LlocEdicio.left, LlocEdicio.top, LlocEdicio.right - LlocEdicio.left,
                    LlocEdicio.bottom - LlocEdicio.top, finestra,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdEdicio)), instancia, nullptr);
  ShowWindow(finestra, SW_SHOWNORMAL);
  UpdateWindow(finestra);
  std::fprintf(registre, "ready %lld %ld %ld %ld %ld\n",
               static_cast<long long>(reinterpret_cast<INT_PTR>(finestra)), r.left, r.top, r.right,
               r.bottom);
  std::fflush(registre);

  return finestra_prova::Bucle();
}
