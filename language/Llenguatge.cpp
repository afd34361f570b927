// Switching the interface between Catalan and Spanish.
#include "app/UnitPelvoro.h"

void TFormPrincipal::MenuCatalaClick() {}
void TFormPrincipal::MenuCastellaClick() {}
