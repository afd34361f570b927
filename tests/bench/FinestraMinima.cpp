// The least a window program does: one class, one window, the default paint and a message
// loop. The floor that the program's start-up time and memory are compared with.
#include <windows.h>

#include "tests/FinestraProva.h"

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
  finestra_prova::Registrar(L"FinestraMinima", finestra_prova::ProcTancar,
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  const HWND finestra =
      CreateWindowExW(WS_EX_TOPMOST, L"FinestraMinima", L"FinestraMinima", WS_OVERLAPPEDWINDOW, 600,
                      0, 200, 150, nullptr, nullptr, instancia, nullptr);
  ShowWindow(finestra, SW_SHOWNORMAL);
  return finestra_prova::Bucle();
}
