// Another program with a window of a class that Pelvoro's main window also has: a top-most
// window, minimised, as another small always-on-top tool would leave it. Writes "ready HWND",
// flushed, once the window exists, and runs until the window is closed.
// Usage: FinestraAliena CLASS
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/FinestraProva.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: FinestraAliena CLASS\n");
    return 2;
  }
  std::wstring nom(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0)),
                   L'\0');
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nom.data(), static_cast<int>(nom.size()));
  if (!finestra_prova::Registrar(nom.c_str(), finestra_prova::ProcTancar,
                                 reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
    return 1;
  HWND finestra =
      CreateWindowExW(WS_EX_TOPMOST, nom.c_str(), L"Una altra eina", WS_OVERLAPPEDWINDOW, 100, 100,
                      300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!finestra) return 1;
  ShowWindow(finestra, SW_SHOWMINIMIZED);
  std::printf("ready %lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(finestra)));
  std::fflush(stdout);
  return finestra_prova::Bucle();
}
