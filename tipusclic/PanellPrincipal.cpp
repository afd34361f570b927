// The main window's side of the click-type panel: its menu item, when it shows, and the
// input a dwell click of another type injects.
#include "app/UnitPelvoro.h"
#include "tipusclic/UnitFormTipusClic.h"

void TFormPrincipal::MenuPanellTipusClicClick() {
  MenuPanellTipusClic.SetChecked(!MenuPanellTipusClic.Checked());
  ActualitzarPanellTipusClic();
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
