// Reads another program's menus from inside it: a menu handle means nothing in another process,
// so this library, hooked onto the window's thread, reads them there when asked with a message
// of its own, and writes them to a file beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HMODULE modul = nullptr;

std::string Utf8(const wchar_t* text) {
  const int mida = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string sortida(static_cast<size_t>(mida > 0 ? mida - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, sortida.data(), mida, nullptr, nullptr);
  return sortida;
}

// One line per item: "-" for a separator, "[x] " before a checked caption, two blanks of
// indent per level.
void Escriure(FILE* f, HMENU menu, const std::string& sagnat) {
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      std::fprintf(f, "%s-\n", sagnat.c_str());
      continue;
    }
    std::fprintf(f, "%s%s%s\n", sagnat.c_str(), (info.fState & MFS_CHECKED) ? "[x] " : "",
                 Utf8(text).c_str());
    if (info.hSubMenu) Escriure(f, info.hSubMenu, sagnat + "  ");
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProcLector(int codi, WPARAM wp, LPARAM lp) {
  const auto* crida = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (codi == HC_ACTION && crida->message == RegisterWindowMessageW(L"LectorMenus")) {
    wchar_t cami[MAX_PATH] = {};
    GetModuleFileNameW(modul, cami, MAX_PATH);
    if (FILE* f = _wfopen((std::wstring(cami) + L".txt").c_str(), L"wb")) {
      std::fprintf(f, "[menu]\n");
      if (HMENU barra = GetMenu(crida->hwnd)) Escriure(f, barra, "");
      std::fprintf(f, "[system]\n");
      if (HMENU sistema = GetSystemMenu(crida->hwnd, FALSE)) Escriure(f, sistema, "");
      std::fclose(f);
    }
  }
  return CallNextHookEx(nullptr, codi, wp, lp);
}

BOOL WINAPI DllMain(HINSTANCE instancia, DWORD motiu, LPVOID) {
  if (motiu == DLL_PROCESS_ATTACH) modul = instancia;
  return TRUE;
}
