#include "app/FinestresMotor.h"

#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "engine/DretsEntrada.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormBruixola.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"
#include "tipusclic/UnitFormTipusClic.h"

namespace {

// Right and bottom edges outside, as the system takes a window's rectangle.
bool DinsDelRectangle(const ui::Rect& r, ui::Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

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
    case TimerMotor::ActivarElHookMouseMove: return f.TimerActivarElHookMouseMove;
    case TimerMotor::TornarAClicar: break;
  }
  return f.TimerTornarAClicar;
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

void TFinestresMotor::SetHookMouse() {
  ::SetHookMouse();
  Demanat(true, true);
}
void TFinestresMotor::UnHookMouse() {
  ::UnHookMouse();
  Demanat(true, false);
}
void TFinestresMotor::SetHookMouseMove() {
  ::SetHookMouseMove();
  Demanat(false, true);
}
void TFinestresMotor::UnHookMouseMove() {
  ::UnHookMouseMove();
  Demanat(false, false);
}
// The watch runs only while a hook is asked for.
void TFinestresMotor::Demanat(bool botons, bool installat) {
  TVigilanciaHooks& hooks = programa_.EstatMotor.Hooks;
  hooks.Demanat(botons, installat, ui::CursorPos());
  principal_.TimerVigilarHooks.SetEnabled(hooks.Algun());
}

ui::Point TFinestresMotor::CursorPos() const { return ui::CursorPos(); }
void TFinestresMotor::SetCursorPos(ui::Point q) {
  ui::SetCursorPos(q);
  programa_.EstatMotor.Hooks.Informe(q);  // no hook reports the program's own move
}
void TFinestresMotor::MouseEvent(unsigned entrada) { ui::MouseEvent(entrada); }
void TFinestresMotor::RodaRatoli(unsigned entrada, std::int32_t quantitat) {
  ui::MouseEvent(entrada, quantitat);
}
void TFinestresMotor::MessageBeep(unsigned so) { ui::MessageBeep(so); }
std::int32_t TFinestresMotor::AmpladaPantalla() const { return principal_.AmpladaPantalla; }
bool TFinestresMotor::PotClicarA(ui::Point c) const {
  const ui::InputRights propis = ui::OwnInputRights();
  return EsPotClicar(propis.integrity, ui::IntegrityAt(c), propis.uiAccess);
}
int TFinestresMotor::DpiA(ui::Point c) const { return ui::DpiAt(c); }

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

bool TFinestresMotor::SobrePanell(ui::Point c) const {
  const TFormTipusClic* panell = programa_.FormTipusClic();
  return panell && ZonaDelPunt(panell->BoundsRect(), panell->Visible(), c, panell->Dpi()).tipus !=
                       ZonaPanell::Tipus::Fora;
}

bool TFinestresMotor::PausaPanell() const {
  // A drag under way is let go first: the pause begins once its release is made.
  const TFormTipusClic* panell = programa_.FormTipusClic();
  return panell && PerfilSenseClics() && panell->Triat() == TipusClic::Pausa &&
         !panell->Arrossegant();
}

bool TFinestresMotor::SobreFinestraPrincipal(ui::Point c) const {
  const TFormPrincipal& f = principal_;
  return f.Visible() && f.State() != ui::WindowState::Minimised &&
         DinsDelRectangle(f.BoundsRect(), c);
}

void TFinestresMotor::EscriureEtiquetaPausa() { principal_.EscriureEtiquetaPausa(); }
bool TFinestresMotor::EtiquetaEnPausa() const { return principal_.EtiquetaEnPausa(); }

void TFinestresMotor::DesarOpcio(const char* opcio) { EscriureClau(SeccioMenu, ClauOpcio, opcio); }
