#include <windows.h>

#include <cstdlib>

#include "app/Pelvoro.h"
#include "app/Programa.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TPrograma programa;
  return Pelvoro(programa);
}

// The runtime's default terminate handler prints the uncaught exception's demangled type to a
// console a windowed program does not have; replacing it leaves its demangler out of the link.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
