// The handling of every hook report, and modes 2 to 4.
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"

void TFormPrincipal::MissatgeHookMouse(std::intptr_t codi) {
  const ui::Point c = ui::CursorPos();
  const bool mode0 = Parametres.BoolMostrarQuadreDeSeguiment;
  if ((MenuTabletPCClicAlPremerLaPantalla.Checked() || MenuTabletPCClicEsquerraClicDret.Checked()) &&
      codi == hook::EventSortir) {
    AturarTot();
    if (mode0) MenuMostrarQuadreDeSeguimentDelMouseClick();
    return;
  }
  if (MenuClicAutomaticAlEstarParat.Checked()) {
    if (codi == hook::EventMouseMove && (Parametres.BoolCheckBoxTemporitzador || mode0))
      FormTransparent->CentrarEnPosicio(c.x, c.y);
    return;
  }
  const bool modeTactil = MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked() ||
                          MenuTabletPCClicAlPremerLaPantalla.Checked() || MenuTabletPCClicEsquerraClicDret.Checked();
  if (!modeTactil && mode0) {
    if (codi == hook::EventMouseMove) FormTransparent->CentrarEnPosicio(c.x, c.y);
    return;
  }
  ui::SetApplicationTitle(Caption());
}

void TFormPrincipal::TimerClicALEstarElMouseDownEnUnaCasellaTimer() {}
