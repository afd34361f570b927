// What the library's hook thread is asked to do: thread messages posted to it by the four
// operations and by the hook procedures themselves. One list, so that no two share a number.
#pragma once

#include <windows.h>

namespace hook {

enum Peticio : UINT {
  PeticioSetHookMouse = WM_APP,
  PeticioUnHookMouse,
  PeticioSetHookMouseMove,
  PeticioUnHookMouseMove,
  // Posted by the hook to its own thread: look whether the held move can be reported.
  PeticioComprovarMoviment,
  // Posted by the removed button hook once the release it stayed for has come.
  PeticioFiEspera,
};

}  // namespace hook
