// Does what other software and Windows itself do to the program, one thing per run:
//   ImitaSistema move X Y          moves the pointer with injected input, as head-trackers,
//                                  eye-gaze and joystick programs do
//   ImitaSistema click X Y         an injected left click there, as another clicking tool makes
//   ImitaSistema endsession CLASS  the messages Windows sends at sign-out to every top-level
//                                  window of the process that owns the window of that class
// Writes what it did on one line: "at X Y" (where the cursor went), "query N of M end" (the
// yes-answers to WM_QUERYENDSESSION of M windows), or "error ...".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr UINT EsperaMissatge = 10000;  // ms; a window that hangs longer is not waited for

// Absolute input is in 1/65536 of the screen: the smallest value that lands on pixel p.
LONG Normalitzar(int p, int mida) {
  return static_cast<LONG>((static_cast<LONGLONG>(p) * 65536 + mida - 1) / mida);
}

INPUT Moure(int x, int y) {
  INPUT entrada{};
  entrada.type = INPUT_MOUSE;
  entrada.mi.dx = Normalitzar(x, GetSystemMetrics(SM_CXSCREEN));
  entrada.mi.dy = Normalitzar(y, GetSystemMetrics(SM_CYSCREEN));
  entrada.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return entrada;
}

INPUT Boto(DWORD flag) {
  INPUT entrada{};
  entrada.type = INPUT_MOUSE;
  entrada.mi.dwFlags = flag;
  return entrada;
}

int Enviar(std::vector<INPUT> entrades) {
  if (SendInput(static_cast<UINT>(entrades.size()), entrades.data(), sizeof(INPUT)) !=
      entrades.size()) {
    std::printf("error SendInput %lu\n", GetLastError());
    return 1;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  std::printf("at %ld %ld\n", cursor.x, cursor.y);
  return 0;
}

struct Cerca {
  const char* classe;
  DWORD proces = 0;
  std::vector<HWND> finestres;
};

BOOL CALLBACK BuscarClasse(HWND finestra, LPARAM dades) {
  auto* cerca = reinterpret_cast<Cerca*>(dades);
  char classe[256] = {};
  GetClassNameA(finestra, classe, sizeof classe);
  if (std::strcmp(classe, cerca->classe) != 0) return TRUE;
  GetWindowThreadProcessId(finestra, &cerca->proces);
  return FALSE;
}

BOOL CALLBACK BuscarDelProces(HWND finestra, LPARAM dades) {
  auto* cerca = reinterpret_cast<Cerca*>(dades);
  DWORD proces = 0;
  GetWindowThreadProcessId(finestra, &proces);
  if (proces == cerca->proces) cerca->finestres.push_back(finestra);
  return TRUE;
}

// As at sign-out: every window is asked, then every window is told the session ends.
int AcabarSessio(const char* classe) {
  Cerca cerca{classe, 0, {}};
  EnumWindows(BuscarClasse, reinterpret_cast<LPARAM>(&cerca));
  if (cerca.proces == 0) {
    std::printf("error no window of class %s\n", classe);
    return 1;
  }
  EnumWindows(BuscarDelProces, reinterpret_cast<LPARAM>(&cerca));
  int sis = 0;
  for (HWND finestra : cerca.finestres) {
    DWORD_PTR resposta = 0;
    if (SendMessageTimeoutA(finestra, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                            EsperaMissatge, &resposta) &&
        resposta)
      ++sis;
  }
  for (HWND finestra : cerca.finestres) {
    DWORD_PTR resposta = 0;
    SendMessageTimeoutA(finestra, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                        EsperaMissatge, &resposta);
  }
  std::printf("query %d of %zu end\n", sis, cerca.finestres.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int codi = 2;
  if (argc == 4 && std::strcmp(argv[1], "move") == 0) {
    codi = Enviar({Moure(std::atoi(argv[2]), std::atoi(argv[3]))});
  } else if (argc == 4 && std::strcmp(argv[1], "click") == 0) {
    codi = Enviar({Moure(std::atoi(argv[2]), std::atoi(argv[3])), Boto(MOUSEEVENTF_LEFTDOWN),
                   Boto(MOUSEEVENTF_LEFTUP)});
  } else if (argc == 3 && std::strcmp(argv[1], "endsession") == 0) {
    codi = AcabarSessio(argv[2]);
  } else {
    std::printf("usage: ImitaSistema move X Y | click X Y | endsession CLASS\n");
  }
  std::fflush(stdout);
  return codi;
}
