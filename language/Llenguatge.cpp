// Switching the interface between Catalan and Spanish.
#include "language/Llenguatge.h"

#include "app/UnitPelvoro.h"
#include "settings/Parametres.h"
#include "settings/UnitFormParametres.h"
#include "tipusclic/TextosTipusClic.h"

namespace {

constexpr const char* LlenguatgeCastella = "castella";

// Nothing else changes: no mode, no setting, no window shown or hidden.
void PosarTextos(TFormPrincipal& f, const TTextos& t) {
  f.MenuMostrarQuadreDeSeguimentDelMouse.SetCaption(t.menu.MenuMostrarQuadreDeSeguimentDelMouse);
  f.MenuClicAutomaticAlEstarParat.SetCaption(t.menu.MenuClicAutomaticAlEstarParat);
  f.MenuClicTabletPCALEstarElMouseDownEnUnaCasella.SetCaption(
      t.menu.MenuClicTabletPCALEstarElMouseDownEnUnaCasella);
  f.MenuTabletPCClicAlPremerLaPantalla.SetCaption(t.menu.MenuTabletPCClicAlPremerLaPantalla);
  f.MenuTabletPCClicEsquerraClicDret.SetCaption(t.menu.MenuTabletPCClicEsquerraClicDret);
  f.MenuEnviarClicksReals.SetCaption(t.menu.MenuEnviarClicksReals);
  f.MenuParametres.SetCaption(t.menu.MenuParametres);
  f.MenuLlenguatge.SetCaption(t.menu.MenuLlenguatge);
  f.MenuParlantDe.SetCaption(t.menu.MenuParlantDe);
  f.MenuSortir.SetCaption(t.menu.MenuSortir);
  if (FormParametres) FormParametres->PosarTextos(t);
}

}  // namespace

void TFormPrincipal::MenuCatalaClick() {
  MenuCatala.SetChecked(true);
  MenuCastella.SetChecked(false);
  PosarTextos(*this, TextosCatala);
  PosarTextosTipusClic(*this, TextosTipusClicCatala);
}

void TFormPrincipal::MenuCastellaClick() {
  MenuCatala.SetChecked(false);
  MenuCastella.SetChecked(true);
  PosarTextos(*this, TextosCastella);
  PosarTextosTipusClic(*this, TextosTipusClicCastella);
}

void RestaurarLlenguatge(TFormPrincipal& principal) {
  if (LlegirClau(SeccioLlenguatge, ClauLlenguatge, "catala") == LlenguatgeCastella)
    principal.MenuCastellaClick();
}
