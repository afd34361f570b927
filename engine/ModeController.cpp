// Choosing and arming the click modes.
#include "app/UnitPelvoro.h"

void TFormPrincipal::AturarTot() {}
void TFormPrincipal::EngegarOpcio() {}
void TFormPrincipal::MenuMostrarQuadreDeSeguimentDelMouseClick() {}
void TFormPrincipal::MenuClicAutomaticAlEstarParatClick() {}
void TFormPrincipal::MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick() {}
void TFormPrincipal::MenuTabletPCClicAlPremerLaPantallaClick() {}
void TFormPrincipal::MenuTabletPCClicEsquerraClicDretClick() {}
void TFormPrincipal::MenuOpcionsClick() {}
void TFormPrincipal::LabelCompteEnreraClick() {}
void TFormPrincipal::ExitMenuLoop() {}
void TFormPrincipal::TimerEngegarTimer() {}
void TFormPrincipal::TimerActivarElHookMouseTimer() {}
void TFormPrincipal::TimerActivarElHookMouseMoveTimer() {}
void TFormPrincipal::TimerOnEsElMouseTimer() {}
