#include "hook/ProcHook.h"

#include "hook/LlibreriaPelvoro.h"

namespace hook {

static_assert(MissatgeMouseMove == WM_MOUSEMOVE && MissatgeLButtonDown == WM_LBUTTONDOWN &&
              MissatgeLButtonUp == WM_LBUTTONUP && MissatgeRButtonDown == WM_RBUTTONDOWN &&
              MissatgeRButtonUp == WM_RBUTTONUP);
static_assert(MissatgeHook == WM_USER);

namespace {

HWND desti = nullptr;
DecisioHook estat;
DecisioMoviment moviment;
UINT_PTR temporitzador = 0;  // thread timer of the move checks, 0 when none runs

void Informar(long codi) {
  if (desti != nullptr) PostMessageW(desti, MissatgeHook, 0, static_cast<LPARAM>(codi));
}

// The system waits for this on every mouse event: post, never send, and return.
LRESULT Proc(TipusHook tipus, int codi, WPARAM missatge, LPARAM dades) {
  if (codi == HC_ACTION) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(dades);
    const bool injectat = (info->flags & LLMHF_INJECTED) != 0;
    const Decisio decisio = estat.Decidir(tipus, static_cast<unsigned>(missatge), injectat);
    if (decisio.informe && *decisio.informe == EventMouseMove) {
      // While a move is held its check is already on the way: one post per move either way.
      if (moviment.Nou({info->pt.x, info->pt.y}))
        Informar(EventMouseMove);
      else
        PostThreadMessageW(GetCurrentThreadId(), PeticioComprovarMoviment, 0, 0);
    } else if (decisio.informe) {
      if (moviment.Buidar()) Informar(EventMouseMove);
      Informar(*decisio.informe);
    }
    if (tipus == TipusHook::Botons && !estat.EstaInstallat(TipusHook::Botons) && !estat.Pendent())
      PostThreadMessageW(GetCurrentThreadId(), PeticioFiEspera, 0, 0);
    if (decisio.empassar) return 1;
  }
  return CallNextHookEx(nullptr, codi, missatge, dades);
}

// The hook's points are physical pixels; GetCursorPos is scaled for a program that is not
// DPI-aware, so above 100 % it would never match. Loaded by name: Windows XP lacks it. Looked
// up as the library loads (user32, which it imports, is loaded before it) rather than in a
// function-local static, whose thread-safe start would pull the C++ runtime into the library.
using TipusPosicioFisica = BOOL(WINAPI*)(LPPOINT);

const TipusPosicioFisica PosicioFisica =
    reinterpret_cast<TipusPosicioFisica>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetPhysicalCursorPos")));

}  // namespace

LRESULT CALLBACK ProcHookBotons(int codi, WPARAM missatge, LPARAM dades) {
  return Proc(TipusHook::Botons, codi, missatge, dades);
}

LRESULT CALLBACK ProcHookMoviment(int codi, WPARAM missatge, LPARAM dades) {
  return Proc(TipusHook::Moviment, codi, missatge, dades);
}

void FixarDesti(HWND finestra) { desti = finestra; }

void ComprovarMoviment() {
  POINT cursor{};
  if (PosicioFisica == nullptr || !PosicioFisica(&cursor)) GetCursorPos(&cursor);
  if (moviment.Comprovar({cursor.x, cursor.y})) Informar(EventMouseMove);
  if (moviment.Retingut() && temporitzador == 0) {
    temporitzador = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
  } else if (!moviment.Retingut() && temporitzador != 0) {
    KillTimer(nullptr, temporitzador);
    temporitzador = 0;
  }
}

bool EsComprovacioMoviment(const MSG& missatge) {
  return missatge.hwnd == nullptr &&
         (missatge.message == PeticioComprovarMoviment ||
          (missatge.message == WM_TIMER && temporitzador != 0 && missatge.wParam == temporitzador));
}

bool EsFiEspera(const MSG& missatge) {
  return missatge.hwnd == nullptr && missatge.message == PeticioFiEspera;
}

void BuidarMoviment() {
  if (moviment.Buidar()) Informar(EventMouseMove);
}

DecisioHook& EstatHooks() { return estat; }

}  // namespace hook
