// The four operations run on a thread of the library's own: a low-level hook is called on
// the thread that installed it, and that thread must keep pumping messages. Pelvoro's UI
// thread only hands a request over and waits until it is done, so the system's mouse never
// waits for the program's interface.
#include "hook/LlibreriaPelvoro.h"

#include <windows.h>

#include <cstdint>

#include "hook/Desti.h"
#include "hook/ProcHook.h"

namespace {

using hook::TipusHook;

using hook::PeticioSetHookMouse;
using hook::PeticioSetHookMouseMove;
using hook::PeticioUnHookMouse;
using hook::PeticioUnHookMouseMove;

class Hook {
 public:
  Hook() = default;
  Hook(const Hook&) = delete;
  Hook& operator=(const Hook&) = delete;
  ~Hook() { Treure(); }

  // Installed again, a new hook takes the old one's place: Windows removes a hook whose
  // procedure once took too long without a word, and no call tells whether it has. The old
  // one goes after the new one is in, so no event passes unhooked between them.
  void Installar(HOOKPROC proc, HINSTANCE modul) {
    const HHOOK nou = SetWindowsHookExW(WH_MOUSE_LL, proc, modul, 0);
    if (nou == nullptr) return;
    if (handle_ != nullptr) UnhookWindowsHookEx(handle_);
    handle_ = nou;
  }
  void Treure() {
    if (handle_ != nullptr) UnhookWindowsHookEx(handle_);
    handle_ = nullptr;
  }
  bool Installat() const { return handle_ != nullptr; }

 private:
  HHOOK handle_ = nullptr;
};

// Requests are handed over one at a time; the lock also guards the thread's start.
SRWLOCK bloqueig = SRWLOCK_INIT;
HANDLE fil = nullptr;
DWORD idFil = 0;
HANDLE fet = nullptr;  // auto-reset: the hook thread is ready, or one request is done
HINSTANCE modul = nullptr;

void FetsDe(void*, std::intptr_t handle, hook::FetsFinestra& fets) {
  const HWND finestra = reinterpret_cast<HWND>(handle);
  fets.existeix = IsWindow(finestra) != FALSE;
  if (!fets.existeix) return;
  DWORD proces = 0;
  GetWindowThreadProcessId(finestra, &proces);
  fets.delProces = proces == GetCurrentProcessId();
  GetClassNameA(finestra, fets.classe, sizeof fets.classe);
}

struct Visita {
  bool (*visitar)(void*, std::intptr_t);
  void* context;
};

BOOL CALLBACK VisitarFinestra(HWND finestra, LPARAM dades) {
  const auto* visita = reinterpret_cast<const Visita*>(dades);
  return visita->visitar(visita->context, reinterpret_cast<std::intptr_t>(finestra)) ? TRUE : FALSE;
}

void RecorrerFinestres(void*, bool (*visitar)(void*, std::intptr_t), void* context) {
  Visita visita{visitar, context};
  EnumWindows(VisitarFinestra, reinterpret_cast<LPARAM>(&visita));
}

// The window the reports go to (hook/Desti.h): a second copy of the program, a stale handle
// now naming another program's window, or one of this program's other windows never gets
// them. Runs on the caller's thread: the hook thread must not read files or search windows
// while the mouse waits.
HWND TrobarDesti() {
  char text[hook::MidaHandle] = {};
  GetPrivateProfileStringA(hook::SeccioHandle, hook::ClauHandle, "", text, hook::MidaHandle,
                           hook::FitxerHandle);
  hook::Finestres finestres;
  finestres.Fets = FetsDe;
  finestres.Recorrer = RecorrerFinestres;
  return reinterpret_cast<HWND>(hook::TriarDesti(text, finestres));
}

void Installar(Hook& ganxo, HOOKPROC proc, TipusHook tipus, HWND desti) {
  hook::FixarDesti(desti);
  ganxo.Installar(proc, modul);
  if (ganxo.Installat()) hook::EstatHooks().Installat(tipus);
}

void Treure(Hook& ganxo, TipusHook tipus) {
  if (hook::EstatHooks().EstaInstallat(tipus)) hook::BuidarMoviment();
  hook::EstatHooks().Tret(tipus);
  // The button hook stays, silent, while the release of a press it swallowed is awaited.
  if (tipus == TipusHook::Botons && hook::EstatHooks().Pendent()) return;
  ganxo.Treure();
}

void Atendre(UINT peticio, HWND desti, Hook& botons, Hook& moviment) {
  switch (peticio) {
    case PeticioSetHookMouse:
      Installar(botons, hook::ProcHookBotons, TipusHook::Botons, desti);
      break;
    case PeticioUnHookMouse: Treure(botons, TipusHook::Botons); break;
    case PeticioSetHookMouseMove:
      Installar(moviment, hook::ProcHookMoviment, TipusHook::Moviment, desti);
      break;
    case PeticioUnHookMouseMove: Treure(moviment, TipusHook::Moviment); break;
  }
}

DWORD WINAPI FilHooks(LPVOID) {
  // Every mouse event of the system waits for the hook procedures on this thread.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  MSG missatge;
  PeekMessageW(&missatge, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
  SetEvent(fet);

  Hook botons;
  Hook moviment;
  while (GetMessageW(&missatge, nullptr, 0, 0) > 0) {
    if (missatge.hwnd == nullptr && missatge.message >= PeticioSetHookMouse &&
        missatge.message <= PeticioUnHookMouseMove) {
      Atendre(missatge.message, reinterpret_cast<HWND>(missatge.wParam), botons, moviment);
      SetEvent(fet);
      continue;
    }
    if (hook::EsFiEspera(missatge)) {
      // The awaited release has come: the button hook goes unless it is wanted again.
      if (!hook::EstatHooks().EstaInstallat(TipusHook::Botons) && !hook::EstatHooks().Pendent())
        botons.Treure();
      continue;
    }
    if (hook::EsComprovacioMoviment(missatge)) {
      hook::ComprovarMoviment();
      continue;
    }
    TranslateMessage(&missatge);
    DispatchMessageW(&missatge);
  }
  return 0;
}

// Called with the lock held. Not from DllMain: creating and waiting for a thread there
// would deadlock on the loader lock.
bool Engegar() {
  if (fil != nullptr) return true;
  // The thread runs until the process ends, so the library must stay loaded as long.
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                          reinterpret_cast<LPCWSTR>(&FilHooks), &modul))
    return false;
  if (fet == nullptr) fet = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (fet == nullptr) return false;
  fil = CreateThread(nullptr, 0, FilHooks, nullptr, 0, &idFil);
  if (fil == nullptr) return false;
  const HANDLE espera[] = {fet, fil};
  if (WaitForMultipleObjects(2, espera, FALSE, INFINITE) != WAIT_OBJECT_0) {
    CloseHandle(fil);
    fil = nullptr;
    return false;
  }
  return true;
}

void Demanar(UINT peticio) {
  const bool instal = peticio == PeticioSetHookMouse || peticio == PeticioSetHookMouseMove;
  const HWND desti = instal ? TrobarDesti() : nullptr;
  AcquireSRWLockExclusive(&bloqueig);
  if (Engegar() && PostThreadMessageW(idFil, peticio, reinterpret_cast<WPARAM>(desti), 0)) {
    // Also returns if the thread has gone, rather than waiting for ever.
    const HANDLE espera[] = {fet, fil};
    WaitForMultipleObjects(2, espera, FALSE, INFINITE);
  }
  ReleaseSRWLockExclusive(&bloqueig);
}

}  // namespace

void SetHookMouse() { Demanar(PeticioSetHookMouse); }
void UnHookMouse() { Demanar(PeticioUnHookMouse); }
void SetHookMouseMove() { Demanar(PeticioSetHookMouseMove); }
void UnHookMouseMove() { Demanar(PeticioUnHookMouseMove); }
