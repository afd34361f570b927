// The main window's side of the click-type panel: its switch, when it shows, and its settings
// at the close.
#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "settings/Parametres.h"
#include "tipusclic/UnitFormTipusClic.h"

void TFormPrincipal::MenuPanellTipusClicClick() {
  MenuPanellTipusClic.SetChecked(!MenuPanellTipusClic.Checked());
  if (MenuPanellTipusClic.Checked()) programa_.CrearTipusClic();
  ActualitzarPanellTipusClic();
  if (MenuPanellTipusClic.Checked())
    Acoblament.Acoblar();
  else
    Acoblament.Desacoblar();
}

void TFormPrincipal::RestaurarPanellTipusClic() {
  if (LlegirClau(SeccioTipusClic, ClauMostrarPanell, "") != "true") return;
  MenuPanellTipusClic.SetChecked(true);
  programa_.CrearTipusClic();
  Acoblament.Acoblar();
}

void TFormPrincipal::ActualitzarPanellTipusClic() {
  if (TFormTipusClic* panell = programa_.FormTipusClic())
    panell->Mostrar(MenuPanellTipusClic.Checked() && MenuClicAutomaticAlEstarParat.Checked());
}

void TFormPrincipal::TancarTipusClic() {
  TFormTipusClic* panell = programa_.FormTipusClic();
  if (!panell) return;
  AcabarArrossegamentTipusClic();
  panell->DesarTipusClic(MenuPanellTipusClic.Checked());
}
