// Choosing and arming the click modes. The running mode is the check mark of its menu item and
// every count is the text of the label: there are no variables of their own for them.
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"

namespace {

void EscriureOpcio(const char* opcio) { EscriureClau(SeccioMenu, ClauOpcio, opcio); }

}  // namespace

std::int32_t TFormPrincipal::ValorEtiqueta() const {
  // Only the engine and the settings write the label, always a decimal integer.
  return LlegirEnter(LabelCompteEnrera.Text()).value_or(0);
}

void TFormPrincipal::EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) {
  LabelCompteEnrera.SetText(std::to_string(valor));
  if (copiarAlTitol) SetCaption(LabelCompteEnrera.Text());
}

void TFormPrincipal::AturarTot() {
  for (ui::ToolButton* b : {&SpeedButton1, &SpeedButton2, &SpeedButton3})
    b->SetFontColour(ui::clBlack);
  UnHookMouse();
  UnHookMouseMove();
  hookMovimentDelCompte_ = false;
  AcabarArrossegamentTipusClic();
  if (Parametres.BoolCheckBoxTemporitzador || Parametres.BoolMostrarQuadreDeSeguiment) {
    EstatMotor.AngleTemporitzador = 0;
    FormTransparent->Hide();
  }
  TimerComptaEnreraClicAutomatic.SetEnabled(false);
  TimerOnEsElMouse.SetEnabled(false);
  EstatMotor.SeguintMoviment = false;
  for (ui::MenuItem* m :
       {&MenuClicAutomaticAlEstarParat, &MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
        &MenuTabletPCClicAlPremerLaPantalla, &MenuTabletPCClicEsquerraClicDret})
    m->SetChecked(false);
  TimerClicALEstarElMouseDownEnUnaCasella.SetEnabled(false);
  TimerEngegar.SetEnabled(false);
  LabelCompteEnrera.SetFontColour(ui::clBlue);
  EscriureEtiqueta(Parametres.SegonsIniciActivitat, false);
  SetCaption("Pelvoro");
  ui::SetApplicationTitle(Caption());
  ActualitzarPanellTipusClic();
}

void TFormPrincipal::EngegarOpcio() {
  TEstatMotor& e = EstatMotor;
  const TParametres& p = Parametres;
  e.AngleTemporitzador = 0;
  if (MenuClicAutomaticAlEstarParat.Checked()) {
    e.PosicioMouse = ui::CursorPos();
    e.ClicFet = false;
    e.ColorTemporitzador = ui::clRed;
    LabelCompteEnrera.SetFontColour(e.ColorTemporitzador);
    EscriureEtiqueta(p.DecimesTimerClickAutomatic, true);
    TimerComptaEnreraClicAutomatic.SetEnabled(true);
    if (p.Bool1ClicAutomaticNoPermetAltresClics) SetHookMouse();
    if (p.BoolCheckBoxTemporitzador || p.BoolMostrarQuadreDeSeguiment) {
      if (!p.Bool1ClicAutomaticNoPermetAltresClics) SetHookMouseMove();
      FormTransparent->Show();
      FormTransparent->CentrarEnPosicio(e.PosicioMouse.x, e.PosicioMouse.y);
    }
  } else if (MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked()) {
    e.ColorTemporitzador = ui::clGreen;
    LabelCompteEnrera.SetFontColour(e.ColorTemporitzador);
    EscriureEtiqueta(p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, true);
    e.PosicioMouse = ui::CursorPos();
    SetHookMouse();
  } else if (MenuTabletPCClicAlPremerLaPantalla.Checked()) {
    e.PosicioMouseAnterior = ui::CursorPos();
    e.PosicioMouse = ui::CursorPos();
    SetHookMouse();
    e.SeguintMoviment = true;
  } else if (MenuTabletPCClicEsquerraClicDret.Checked()) {
    e.PosicioMouseAnterior = ui::CursorPos();
    e.PosicioMouse = ui::CursorPos();
    SetHookMouse();
    TimerOnEsElMouse.SetEnabled(true);
  }
  ui::SetApplicationTitle(Caption());
}

void TFormPrincipal::CommandaMode(ui::MenuItem& item, ui::ToolButton* boto, const char* opcio) {
  if (!item.Checked()) {
    AturarTot();
    item.SetChecked(true);
    ActualitzarPanellTipusClic();
    if (Parametres.BoolCheckBoxHiHaComptaEnreraPerEngegar)
      TimerEngegar.SetEnabled(true);
    else
      EngegarOpcio();
    if (boto) boto->SetFontColour(ui::clRed);
    EscriureOpcio(opcio);
    return;
  }
  AturarTot();
  if (&item == &MenuClicAutomaticAlEstarParat && Parametres.BoolMostrarQuadreDeSeguiment)
    TimerActivarElHookMouse.SetEnabled(true);
  EscriureOpcio("0");
}

void TFormPrincipal::MenuClicAutomaticAlEstarParatClick() {
  CommandaMode(MenuClicAutomaticAlEstarParat, &SpeedButton1, "1");
}

void TFormPrincipal::MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick() {
  CommandaMode(MenuClicTabletPCALEstarElMouseDownEnUnaCasella, &SpeedButton2, "2");
}

void TFormPrincipal::MenuTabletPCClicAlPremerLaPantallaClick() {
  CommandaMode(MenuTabletPCClicAlPremerLaPantalla, &SpeedButton3, "3");
}

void TFormPrincipal::MenuTabletPCClicEsquerraClicDretClick() {
  CommandaMode(MenuTabletPCClicEsquerraClicDret, nullptr, "4");
}

void TFormPrincipal::MenuMostrarQuadreDeSeguimentDelMouseClick() {
  MenuMostrarQuadreDeSeguimentDelMouse.SetChecked(!MenuMostrarQuadreDeSeguimentDelMouse.Checked());
  Parametres.BoolMostrarQuadreDeSeguiment = MenuMostrarQuadreDeSeguimentDelMouse.Checked();
  if (Parametres.BoolMostrarQuadreDeSeguiment) {
    SpeedButton0.SetFontColour(ui::clRed);
    TimerActivarElHookMouse.SetEnabled(true);
    return;
  }
  EstatMotor.AngleTemporitzador = 0;
  AturarTot();
  SpeedButton0.SetFontColour(ui::clBlack);
  FormTransparent->Hide();
}

void TFormPrincipal::MenuOpcionsClick() { AturarTot(); }

void TFormPrincipal::ExitMenuLoop() {
  if (Parametres.BoolMostrarQuadreDeSeguiment) TimerActivarElHookMouse.SetEnabled(true);
}

void TFormPrincipal::LabelCompteEnreraClick() {
  AturarTot();
  if (Parametres.BoolMostrarQuadreDeSeguiment) MenuMostrarQuadreDeSeguimentDelMouseClick();
}

void TFormPrincipal::TimerEngegarTimer() {
  const std::int32_t n = ValorEtiqueta() - 1;
  EscriureEtiqueta(n, false);
  if (n <= 0) {
    TimerEngegar.SetEnabled(false);
    EngegarOpcio();
    // Armed, the mode holds the hooks it holds when armed at once: a move hook left from the
    // countdown would feed mode 3's history in the 200 ms after each click.
    const TParametres& p = Parametres;
    const bool usaMoviment = MenuClicAutomaticAlEstarParat.Checked() &&
                             !p.Bool1ClicAutomaticNoPermetAltresClics &&
                             (p.BoolCheckBoxTemporitzador || p.BoolMostrarQuadreDeSeguiment);
    if (hookMovimentDelCompte_ && !usaMoviment) UnHookMouseMove();
    hookMovimentDelCompte_ = false;
  }
  ui::SetApplicationTitle(Caption());
}

void TFormPrincipal::TimerActivarElHookMouseTimer() {
  TimerActivarElHookMouse.SetEnabled(false);
  // Decided from the state when the timer fires, not when it was enabled. During the start
  // countdown the mouse is the user's: the checked mode is not armed yet, only the frame runs.
  if (!TimerEngegar.Enabled() && ((MenuClicAutomaticAlEstarParat.Checked() &&
                                   Parametres.Bool1ClicAutomaticNoPermetAltresClics) ||
                                  MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked() ||
                                  MenuTabletPCClicAlPremerLaPantalla.Checked() ||
                                  MenuTabletPCClicEsquerraClicDret.Checked())) {
    SetHookMouse();
    return;
  }
  if (Parametres.BoolMostrarQuadreDeSeguiment && EstatMotor.PermetHookMouseMove) {
    SetHookMouseMove();
    if (TimerEngegar.Enabled()) hookMovimentDelCompte_ = true;
  }
}

void TFormPrincipal::TimerActivarElHookMouseMoveTimer() {
  TimerActivarElHookMouseMove.SetEnabled(false);
  SetHookMouseMove();
}

void TFormPrincipal::TimerOnEsElMouseTimer() {
  const ui::Point c = ui::CursorPos();
  if (c == EstatMotor.PosicioMouse) return;
  EstatMotor.PosicioMouseAnterior = EstatMotor.PosicioMouse;
  EstatMotor.PosicioMouse = c;
}
