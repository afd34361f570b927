// Modes 2 to 4 and the handling of every hook report.
#include "app/UnitPelvoro.h"

void TFormPrincipal::MissatgeHookMouse(std::intptr_t) {}
void TFormPrincipal::TimerClicALEstarElMouseDownEnUnaCasellaTimer() {}
