// The two low-level mouse hook procedures and the little they need: the window the reports
// go to and the hooks' state. Everything here runs on the library's hook thread.
#pragma once

#include <windows.h>

#include "hook/DecisioHook.h"

namespace hook {

LRESULT CALLBACK ProcHookBotons(int codi, WPARAM missatge, LPARAM dades);
LRESULT CALLBACK ProcHookMoviment(int codi, WPARAM missatge, LPARAM dades);

// Where the reports are posted; null means nowhere.
void FixarDesti(HWND finestra);
DecisioHook& EstatHooks();

}  // namespace hook
