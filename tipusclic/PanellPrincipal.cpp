// The main window's side of the click-type panel: its switch, when it shows, and the input a
// dwell click of another type injects.
#include "app/UnitPelvoro.h"
#include "settings/Parametres.h"
#include "tipusclic/UnitFormTipusClic.h"

namespace {

// Made the first time it is wanted: a user who never switches the panel on has the program's
// four windows and no other.
void CrearTipusClic(const TFormPrincipal& principal) {
  if (FormTipusClic) return;
  FormTipusClic = new TFormTipusClic;
  FormTipusClic->Create();
  FormTipusClic->PosarTextos(principal.MenuCastella.Checked() ? TextosTipusClicCastella
                                                              : TextosTipusClicCatala);
}

}  // namespace

void TFormPrincipal::MenuPanellTipusClicClick() {
  MenuPanellTipusClic.SetChecked(!MenuPanellTipusClic.Checked());
  if (MenuPanellTipusClic.Checked()) CrearTipusClic(*this);
  ActualitzarPanellTipusClic();
}

void TFormPrincipal::RestaurarPanellTipusClic() {
  if (LlegirClau(SeccioTipusClic, ClauMostrarPanell, "") != "true") return;
  MenuPanellTipusClic.SetChecked(true);
  CrearTipusClic(*this);
}

void TFormPrincipal::ActualitzarPanellTipusClic() {
  if (FormTipusClic)
    FormTipusClic->Mostrar(MenuPanellTipusClic.Checked() &&
                           MenuClicAutomaticAlEstarParat.Checked());
}

void TFormPrincipal::InjectarAccioClic(const TAccioClic& accio) {
  if (accio.abans) ui::SetCursorPos(*accio.abans);
  for (const unsigned entrada : accio.entrades) ui::MouseEvent(entrada);
}

void TFormPrincipal::AcabarArrossegamentTipusClic() {
  if (FormTipusClic) InjectarAccioClic(FormTipusClic->AcabarArrossegament(ui::CursorPos()));
}

void TFormPrincipal::TancarTipusClic() {
  if (!FormTipusClic) return;
  AcabarArrossegamentTipusClic();
  FormTipusClic->DesarTipusClic();
}
