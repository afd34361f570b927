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
}

void TFormPrincipal::RestaurarPanellTipusClic() {
  if (LlegirClau(SeccioTipusClic, ClauMostrarPanell, "") != "true") return;
  MenuPanellTipusClic.SetChecked(true);
  programa_.CrearTipusClic();
}

void TFormPrincipal::ActualitzarPanellTipusClic() {
  if (TFormTipusClic* panell = programa_.FormTipusClic()) {
    // The dialog may have changed the dwell time since the panel last showed it.
    panell->MostrarTemps(parametres_.DecimesTimerClickAutomatic);
    panell->Mostrar(MenuPanellTipusClic.Checked() && MenuClicAutomaticAlEstarParat.Checked());
  }
}

void TFormPrincipal::TancarTipusClic() {
  TFormTipusClic* panell = programa_.FormTipusClic();
  if (!panell) return;
  AcabarArrossegamentTipusClic();
  panell->DesarTipusClic(MenuPanellTipusClic.Checked());
}
