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
  // Switched on, the profile has mode 1 run from now.
  Motor.DemanarTornada();
}

bool TFormPrincipal::PerfilDesat() {
  return LlegirClau(SeccioTipusClic, ClauMostrarPanell, "") == "true";
}

void TFormPrincipal::RestaurarPanellTipusClic() {
  if (!PerfilDesat()) return;
  MenuPanellTipusClic.SetChecked(true);
  programa_.CrearTipusClic();
  Acoblament.Acoblar();
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

int TFormPrincipal::MostrarMissatge(ui::Form* propietari, const std::string& text,
                                    const std::string& titol, unsigned opcions) {
  // The box's own loop runs the main window's timers: the dwell click goes on under it.
  const bool engegat = Motor.AbansDeMissatge();
  const int resposta = ui::ShowMessageBox(propietari, text, titol, opcions);
  Motor.DespresDeMissatge(engegat);
  return resposta;
}
