// Prints the menu bar and the window menu of another program's window, as LectorMenus.dll
// reads them inside that program. Usage: LlegirMenus HWND
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: LlegirMenus HWND\n");
    return 2;
  }
  const HWND finestra =
      reinterpret_cast<HWND>(static_cast<std::intptr_t>(std::strtoll(argv[1], nullptr, 10)));
  const HMODULE lector = LoadLibraryW(L"LectorMenus.dll");
  const auto proc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void (*)()>(GetProcAddress(lector, "ProcLector")));
  if (!lector || !proc) {
    std::fprintf(stderr, "LectorMenus.dll not found\n");
    return 1;
  }
  wchar_t cami[MAX_PATH] = {};
  GetModuleFileNameW(lector, cami, MAX_PATH);
  const std::wstring sortida = std::wstring(cami) + L".txt";
  DeleteFileW(sortida.c_str());
  const DWORD fil = GetWindowThreadProcessId(finestra, nullptr);
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, proc, lector, fil);
  DWORD_PTR resultat = 0;
  // Sent: by the time it returns, the hook has run in the window's thread.
  const bool respost = SendMessageTimeoutW(finestra, RegisterWindowMessageW(L"LectorMenus"), 0, 0,
                                           SMTO_ABORTIFHUNG, 10000, &resultat) != 0;
  UnhookWindowsHookEx(hook);
  FILE* f = respost ? _wfopen(sortida.c_str(), L"rb") : nullptr;
  if (!f) {
    std::fprintf(stderr, "no answer from the window\n");
    return 1;
  }
  char linia[1024];
  while (std::fgets(linia, sizeof linia, f)) std::fputs(linia, stdout);
  std::fclose(f);
  DeleteFileW(sortida.c_str());
  return 0;
}
