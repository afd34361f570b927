// Reads another program's menus from inside it: a menu handle means nothing in another process,
// so this library, hooked onto the window's thread, reads them there when asked with a message
// of its own, and writes them to a file beside itself.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/LiniesMenu.h"

namespace {

HMODULE modul = nullptr;

// One line per item, as the tests read menus.
void Escriure(FILE* f, HMENU menu) {
  std::vector<std::string> linies;
  linies_menu::Linies(menu, "", linies);
  for (const std::string& linia : linies) std::fprintf(f, "%s\n", linia.c_str());
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProcLector(int codi, WPARAM wp, LPARAM lp) {
  const auto* crida = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (codi == HC_ACTION && crida->message == RegisterWindowMessageW(L"LectorMenus")) {
    wchar_t cami[MAX_PATH] = {};
    GetModuleFileNameW(modul, cami, MAX_PATH);
    if (FILE* f = _wfopen((std::wstring(cami) + L".txt").c_str(), L"wb")) {
      std::fprintf(f, "[menu]\n");
      if (HMENU barra = GetMenu(crida->hwnd)) Escriure(f, barra);
      std::fprintf(f, "[system]\n");
      if (HMENU sistema = GetSystemMenu(crida->hwnd, FALSE)) Escriure(f, sistema);
      std::fclose(f);
    }
  }
  return CallNextHookEx(nullptr, codi, wp, lp);
}

BOOL WINAPI DllMain(HINSTANCE instancia, DWORD motiu, LPVOID) {
  if (motiu == DLL_PROCESS_ATTACH) modul = instancia;
  return TRUE;
}
