// Mode 1: a left click where the pointer rests.
#include "app/UnitPelvoro.h"

void TFormPrincipal::TimerComptaEnreraClicAutomaticTimer() {}
