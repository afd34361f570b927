// The two low-level mouse hook procedures and the little they need: the window the reports
// go to and the hooks' state. Everything here runs on the library's hook thread.
#pragma once

#include <windows.h>

#include "hook/DecisioHook.h"
#include "hook/DecisioMoviment.h"

namespace hook {

// Posted by the hook to its own thread: look whether the held move can be reported.
constexpr UINT PeticioComprovarMoviment = WM_APP + 4;
// Posted by the removed button hook once the release it stayed for has come.
constexpr UINT PeticioFiEspera = WM_APP + 5;

LRESULT CALLBACK ProcHookBotons(int codi, WPARAM missatge, LPARAM dades);
LRESULT CALLBACK ProcHookMoviment(int codi, WPARAM missatge, LPARAM dades);

// Where the reports are posted; null means nowhere.
void FixarDesti(HWND finestra);
DecisioHook& EstatHooks();
// Reports the held move when the cursor has reached it, checking again on a timer until it has.
void ComprovarMoviment();
bool EsComprovacioMoviment(const MSG& missatge);
bool EsFiEspera(const MSG& missatge);
// A hook is going: what it saw is reported before it goes.
void BuidarMoviment();

}  // namespace hook
