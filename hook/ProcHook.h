// The two low-level mouse hook procedures and the little they need: the window the reports
// go to and the hooks' state. Everything here runs on the library's hook thread.
#pragma once

#include <windows.h>

#include "hook/DecisioHook.h"
#include "hook/DecisioMoviment.h"
#include "hook/Peticions.h"

namespace hook {

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
