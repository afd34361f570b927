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
  const std::array<ui::MenuItem*, 10> items{&f.MenuMostrarQuadreDeSeguimentDelMouse,
                                            &f.MenuClicAutomaticAlEstarParat,
                                            &f.MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
                                            &f.MenuTabletPCClicAlPremerLaPantalla,
                                            &f.MenuTabletPCClicEsquerraClicDret,
                                            &f.MenuEnviarClicksReals,
                                            &f.MenuParametres,
                                            &f.MenuLlenguatge,
                                            &f.MenuParlantDe,
                                            &f.MenuSortir};
  for (std::size_t i = 0; i < items.size(); ++i) items[i]->SetCaption(t.menu[i]);
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
  if (LlegirClau(SeccioLlenguatge, ClauLlenguatge, "catala") == LlenguatgeCastella) principal.MenuCastellaClick();
}
