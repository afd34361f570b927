// Stands in for Pelvoro.exe towards the hook library: imports it at load time, leaves its
// window handle in Pelvoro.ini as the program does, runs the library's operations on
// command from stdin and writes every report it gets to a log, one flushed line each.
// Usage: ProvaHook LOG [CLASS [self|none]]; the class is the main window's unless given, as
// the library reports to no other.
// Commands: set, unset, setmove, unsetmove, click X Y [left|right], mark TEXT, quit;
// watch: from now on, note which thread the library reads the settings file and searches
// windows on; lookups: writes "lookups caller N other M", the calls on this window's thread
// (the one that calls the operations) and on any other.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hook/Comunicacio.h"
#include "hook/LlibreriaPelvoro.h"

namespace {

constexpr UINT MissatgeOrdre = WM_APP + 1;
FILE* registre = nullptr;
HWND finestra = nullptr;

void Escriure(const std::string& linia) {
  std::fprintf(registre, "%s\n", linia.c_str());
  std::fflush(registre);
}

// A click as the program makes one: at the pointer, through mouse_event.
void Clicar(int x, int y, bool dret) {
  SetCursorPos(x, y);
  mouse_event(dret ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(dret ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

// The library's own calls to these functions, through its import table.
DWORD filFinestra = 0;
std::atomic<int> alFil{0}, aUnAltre{0};

void Anotar() { (GetCurrentThreadId() == filFinestra ? alFil : aUnAltre)++; }

DWORD WINAPI VigilatGetPrivateProfileStringA(LPCSTR s, LPCSTR k, LPCSTR d, LPSTR t, DWORD n,
                                             LPCSTR f) {
  Anotar();
  return GetPrivateProfileStringA(s, k, d, t, n, f);
}
HWND WINAPI VigilatFindWindowA(LPCSTR c, LPCSTR t) {
  Anotar();
  return FindWindowA(c, t);
}
BOOL WINAPI VigilatEnumWindows(WNDENUMPROC p, LPARAM l) {
  Anotar();
  return EnumWindows(p, l);
}

struct Vigilat {
  const char* nom;
  void* substitut;
};

// Returns how many import entries now lead to the watchers.
int Vigilar() {
  const Vigilat vigilats[] = {
      {"GetPrivateProfileStringA", reinterpret_cast<void*>(&VigilatGetPrivateProfileStringA)},
      {"FindWindowA", reinterpret_cast<void*>(&VigilatFindWindowA)},
      {"EnumWindows", reinterpret_cast<void*>(&VigilatEnumWindows)}};
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA("LlibreriaPelvoro.dll"));
  if (base == nullptr) return 0;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto& directori = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  int vigilades = 0;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directori.VirtualAddress);
       imp->Name; ++imp) {
    auto* nom = reinterpret_cast<IMAGE_THUNK_DATA*>(
        base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
    auto* adreca = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; nom->u1.AddressOfData; ++nom, ++adreca) {
      if (IMAGE_SNAP_BY_ORDINAL(nom->u1.Ordinal)) continue;
      const char* funcio = reinterpret_cast<const char*>(
          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + nom->u1.AddressOfData)->Name);
      for (const Vigilat& v : vigilats) {
        if (std::strcmp(funcio, v.nom) != 0) continue;
        DWORD abans = 0;
        VirtualProtect(&adreca->u1.Function, sizeof adreca->u1.Function, PAGE_READWRITE, &abans);
        adreca->u1.Function = reinterpret_cast<ULONG_PTR>(v.substitut);
        VirtualProtect(&adreca->u1.Function, sizeof adreca->u1.Function, abans, &abans);
        ++vigilades;
      }
    }
  }
  return vigilades;
}

bool Executar(const std::string& ordre) {
  if (ordre == "set")
    SetHookMouse();
  else if (ordre == "unset")
    UnHookMouse();
  else if (ordre == "setmove")
    SetHookMouseMove();
  else if (ordre == "unsetmove")
    UnHookMouseMove();
  else if (ordre.rfind("click ", 0) == 0) {
    int x = 0, y = 0;
    char boto[16] = "left";
    if (std::sscanf(ordre.c_str() + 6, "%d %d %15s", &x, &y, boto) < 2) {
      Escriure("error " + ordre);
      return true;
    }
    Clicar(x, y, std::strcmp(boto, "right") == 0);
  } else if (ordre == "watch") {
    filFinestra = GetCurrentThreadId();
    Escriure("watching " + std::to_string(Vigilar()));
  } else if (ordre == "lookups") {
    Escriure("lookups caller " + std::to_string(alFil.load()) + " other " +
             std::to_string(aUnAltre.load()));
  } else if (ordre.rfind("mark ", 0) == 0) {
  } else if (ordre == "quit") {
    Escriure("ok quit");
    return false;
  } else {
    Escriure("error " + ordre);
    return true;
  }
  Escriure("ok " + ordre);
  return true;
}

LRESULT CALLBACK Proc(HWND f, UINT missatge, WPARAM w, LPARAM l) {
  if (missatge == hook::MissatgeHook) {
    // With the cursor as the program reads it when it handles the report.
    POINT cursor{};
    GetCursorPos(&cursor);
    Escriure("report " + std::to_string(static_cast<long>(l)) + " " + std::to_string(cursor.x) +
             " " + std::to_string(cursor.y));
    return 0;
  }
  if (missatge == MissatgeOrdre) {
    std::string* ordre = reinterpret_cast<std::string*>(l);
    const bool seguir = Executar(*ordre);
    delete ordre;
    if (!seguir) DestroyWindow(f);
    return 0;
  }
  if (missatge == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(f, missatge, w, l);
}

// Commands run on the window's thread, like the program's calls from its UI thread.
DWORD WINAPI LlegirOrdres(LPVOID) {
  char linia[512];
  while (std::fgets(linia, sizeof linia, stdin) != nullptr) {
    std::string ordre(linia);
    while (!ordre.empty() && (ordre.back() == '\n' || ordre.back() == '\r')) ordre.pop_back();
    PostMessageW(finestra, MissatgeOrdre, 0, reinterpret_cast<LPARAM>(new std::string(ordre)));
  }
  PostMessageW(finestra, MissatgeOrdre, 0, reinterpret_cast<LPARAM>(new std::string("quit")));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: ProvaHook LOG [CLASS [self|none]]\n");
    return 2;
  }
  registre = std::fopen(argv[1], "w");
  if (registre == nullptr) return 1;
  const char* nomClasse = argc >= 3 ? argv[2] : hook::ClasseFinestraPrincipal;
  const bool escriureHandle = argc < 4 || std::strcmp(argv[3], "none") != 0;

  WNDCLASSA classe{};
  classe.lpfnWndProc = Proc;
  classe.hInstance = GetModuleHandleA(nullptr);
  classe.lpszClassName = nomClasse;
  RegisterClassA(&classe);
  // Hidden, so it covers nothing; the library finds hidden windows as well.
  finestra = CreateWindowExA(0, nomClasse, "ProvaHook", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, classe.hInstance, nullptr);
  if (escriureHandle) {
    const std::string text = hook::EscriureHandle(reinterpret_cast<INT_PTR>(finestra));
    WritePrivateProfileStringA(hook::SeccioHandle, hook::ClauHandle, text.c_str(),
                               hook::FitxerHandle);
  }
  Escriure("ready " + std::to_string(reinterpret_cast<INT_PTR>(finestra)));
  CloseHandle(CreateThread(nullptr, 0, LlegirOrdres, nullptr, 0, nullptr));

  MSG missatge;
  while (GetMessageW(&missatge, nullptr, 0, 0) > 0) {
    TranslateMessage(&missatge);
    DispatchMessageW(&missatge);
  }
  return 0;
}
