#include "app/FinestresMotor.h"

#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormBruixola.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"
#include "tipusclic/UnitFormTipusClic.h"

ui::MenuItem& TFinestresMotor::Item(ModeClic mode) const {
  TFormPrincipal& f = principal_;
  switch (mode) {
    case ModeClic::ClicParat: return f.MenuClicAutomaticAlEstarParat;
    case ModeClic::MouseDownCasella: return f.MenuClicTabletPCALEstarElMouseDownEnUnaCasella;
    case ModeClic::PremerPantalla: return f.MenuTabletPCClicAlPremerLaPantalla;
    case ModeClic::EsquerraDreta: break;
  }
  return f.MenuTabletPCClicEsquerraClicDret;
}

ui::Timer& TFinestresMotor::Timer(TimerMotor timer) const {
  TFormPrincipal& f = principal_;
  switch (timer) {
    case TimerMotor::Engegar: return f.TimerEngegar;
    case TimerMotor::ComptaEnreraClicAutomatic: return f.TimerComptaEnreraClicAutomatic;
    case TimerMotor::ClicALEstarElMouseDownEnUnaCasella:
      return f.TimerClicALEstarElMouseDownEnUnaCasella;
    case TimerMotor::OnEsElMouse: return f.TimerOnEsElMouse;
    case TimerMotor::ActivarElHookMouse: return f.TimerActivarElHookMouse;
    case TimerMotor::ActivarElHookMouseMove: break;
  }
  return f.TimerActivarElHookMouseMove;
}

std::int32_t TFinestresMotor::ValorEtiqueta() const { return principal_.ValorEtiqueta(); }
void TFinestresMotor::EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) {
  principal_.EscriureEtiqueta(valor, copiarAlTitol);
}
void TFinestresMotor::ColorEtiqueta(ui::Colour color) {
  principal_.LabelCompteEnrera.SetFontColour(color);
}
void TFinestresMotor::PosarTitol(const char* titol) { principal_.SetCaption(titol); }
void TFinestresMotor::ActualitzarTitolAplicacio() { ui::SetApplicationTitle(principal_.Caption()); }

bool TFinestresMotor::ModeMarcat(ModeClic mode) const { return Item(mode).Checked(); }
void TFinestresMotor::MarcarMode(ModeClic mode, bool marcat) { Item(mode).SetChecked(marcat); }
bool TFinestresMotor::QuadreMarcat() const {
  return principal_.MenuMostrarQuadreDeSeguimentDelMouse.Checked();
}
void TFinestresMotor::MarcarQuadre(bool marcat) {
  principal_.MenuMostrarQuadreDeSeguimentDelMouse.SetChecked(marcat);
}
void TFinestresMotor::ColorBoto(int boto, ui::Colour color) {
  ui::ToolButton* botons[] = {&principal_.SpeedButton0, &principal_.SpeedButton1,
                              &principal_.SpeedButton2, &principal_.SpeedButton3};
  botons[boto]->SetFontColour(color);
}

bool TFinestresMotor::TimerActiu(TimerMotor timer) const { return Timer(timer).Enabled(); }
void TFinestresMotor::ActivarTimer(TimerMotor timer, bool actiu) { Timer(timer).SetEnabled(actiu); }

void TFinestresMotor::MostrarOverlay() { programa_.FormTransparent().Show(); }
void TFinestresMotor::AmagarOverlay() { programa_.FormTransparent().Hide(); }
void TFinestresMotor::CentrarOverlay(ui::Point c) {
  programa_.FormTransparent().CentrarEnPosicio(c.x, c.y);
}
void TFinestresMotor::RepintarOverlay() { programa_.FormTransparent().Repaint(); }

void TFinestresMotor::SetHookMouse() { ::SetHookMouse(); }
void TFinestresMotor::UnHookMouse() { ::UnHookMouse(); }
void TFinestresMotor::SetHookMouseMove() { ::SetHookMouseMove(); }
void TFinestresMotor::UnHookMouseMove() { ::UnHookMouseMove(); }

ui::Point TFinestresMotor::CursorPos() const { return ui::CursorPos(); }
void TFinestresMotor::SetCursorPos(ui::Point q) { ui::SetCursorPos(q); }
void TFinestresMotor::MouseEvent(unsigned entrada) { ui::MouseEvent(entrada); }
void TFinestresMotor::RodaRatoli(unsigned entrada, std::int32_t quantitat) {
  ui::MouseEvent(entrada, quantitat);
}
void TFinestresMotor::MessageBeep(unsigned so) { ui::MessageBeep(so); }
std::int32_t TFinestresMotor::AmpladaPantalla() const { return principal_.AmpladaPantalla; }

std::optional<TAccioClic> TFinestresMotor::ClicParatPanell(ui::Point c) {
  TFormTipusClic* panell = programa_.FormTipusClic();
  if (!panell || !principal_.MenuPanellTipusClic.Checked()) return std::nullopt;
  return panell->ClicParat(c);
}

TAccioClic TFinestresMotor::AcabarArrossegamentPanell(ui::Point c) {
  TFormTipusClic* panell = programa_.FormTipusClic();
  return panell ? panell->AcabarArrossegament(c) : TAccioClic{};
}

void TFinestresMotor::ActualitzarPanell() { principal_.ActualitzarPanellTipusClic(); }

int TFinestresMotor::MostrarBruixola(ui::Point c) {
  TFormBruixola& bruixola = programa_.CrearBruixola();
  bruixola.CentrarEnPosicio(c);
  return bruixola.Dpi();
}

void TFinestresMotor::AmagarBruixola() {
  if (TFormBruixola* bruixola = programa_.FormBruixola()) bruixola->Hide();
}

void TFinestresMotor::DesplacamentAcabat() {
  if (TFormTipusClic* panell = programa_.FormTipusClic()) panell->DesplacamentAcabat();
}

void TFinestresMotor::DesarTempsRepos(std::int32_t decimes) {
  // The dialog's key and text; written at once too, as a dwell-only user may never close the
  // program but by ending the session.
  for (const ClauParametre& c : ClausParametres)
    if (c.enter == &TParametres::DecimesTimerClickAutomatic)
      EscriureClau(SeccioParametres, c.clau, std::to_string(decimes));
  if (TFormTipusClic* panell = programa_.FormTipusClic()) panell->MostrarTemps(decimes);
}
bool TFinestresMotor::PerfilSenseClics() const { return principal_.MenuPanellTipusClic.Checked(); }

void TFinestresMotor::DesarOpcio(const char* opcio) { EscriureClau(SeccioMenu, ClauOpcio, opcio); }
