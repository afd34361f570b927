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

// The system waits for this on every mouse event: post, never send, and return.
LRESULT Proc(TipusHook tipus, int codi, WPARAM missatge, LPARAM dades) {
  if (codi == HC_ACTION) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(dades);
    const bool injectat = (info->flags & LLMHF_INJECTED) != 0;
    const Decisio decisio = estat.Decidir(tipus, static_cast<unsigned>(missatge), injectat);
    if (decisio.informe && desti != nullptr)
      PostMessageW(desti, MissatgeHook, 0, static_cast<LPARAM>(*decisio.informe));
    if (decisio.empassar) return 1;
  }
  return CallNextHookEx(nullptr, codi, missatge, dades);
}

}  // namespace

LRESULT CALLBACK ProcHookBotons(int codi, WPARAM missatge, LPARAM dades) {
  return Proc(TipusHook::Botons, codi, missatge, dades);
}

LRESULT CALLBACK ProcHookMoviment(int codi, WPARAM missatge, LPARAM dades) {
  return Proc(TipusHook::Moviment, codi, missatge, dades);
}

void FixarDesti(HWND finestra) { desti = finestra; }

DecisioHook& EstatHooks() { return estat; }

}  // namespace hook
