// Choosing and arming the click modes. The running mode is the check mark of its menu item and
// every count is the text of the label: there are no variables of their own for them.
#include "engine/Motor.h"

namespace {

constexpr ModeClic TotsElsModes[] = {ModeClic::ClicParat, ModeClic::MouseDownCasella,
                                     ModeClic::PremerPantalla, ModeClic::EsquerraDreta};
// What the settings file keeps of each mode, and "0" for none.
constexpr const char* OpcioDe[] = {"1", "2", "3", "4"};
constexpr const char* CapOpcio = "0";
// Modes 1 to 3 have a button of the same digit; mode 4 has none.
constexpr int BotoDe[] = {1, 2, 3, -1};
constexpr int BotoQuadre = 0;
constexpr const char* Titol = "Pelvoro";

std::size_t Index(ModeClic mode) { return static_cast<std::size_t>(mode); }

}  // namespace

void TMotor::AturarTot() {
  if (desplacament_.actiu) AcabarDesplacament(f_.CursorPos(), false);
  for (int b : {1, 2, 3}) f_.ColorBoto(b, ui::clBlack);
  f_.UnHookMouse();
  f_.UnHookMouseMove();
  hookMovimentDelCompte_ = false;
  AcabarArrossegamentTipusClic();
  e_.Anell = EstatAnell::Normal;
  if (p_.BoolCheckBoxTemporitzador || p_.BoolMostrarQuadreDeSeguiment) {
    e_.AngleTemporitzador = 0;
    f_.AmagarOverlay();
  }
  f_.ActivarTimer(TimerMotor::ComptaEnreraClicAutomatic, false);
  f_.ActivarTimer(TimerMotor::OnEsElMouse, false);
  e_.SeguintMoviment = false;
  for (ModeClic m : TotsElsModes) f_.MarcarMode(m, false);
  f_.ActivarTimer(TimerMotor::ClicALEstarElMouseDownEnUnaCasella, false);
  f_.ActivarTimer(TimerMotor::Engegar, false);
  f_.ColorEtiqueta(ui::clBlue);
  f_.EscriureEtiqueta(p_.SegonsIniciActivitat, false);
  f_.PosarTitol(Titol);
  f_.ActualitzarTitolAplicacio();
  f_.ActualitzarPanell();
}

void TMotor::ArmarClicParat() {
  e_.PosicioMouse = f_.CursorPos();
  e_.ClicFet = false;
  e_.ColorTemporitzador = ui::clRed;
  f_.ColorEtiqueta(e_.ColorTemporitzador);
  f_.EscriureEtiqueta(p_.DecimesTimerClickAutomatic, true);
  f_.ActivarTimer(TimerMotor::ComptaEnreraClicAutomatic, true);
  if (p_.Bool1ClicAutomaticNoPermetAltresClics) f_.SetHookMouse();
  if (p_.BoolCheckBoxTemporitzador || p_.BoolMostrarQuadreDeSeguiment) {
    if (!p_.Bool1ClicAutomaticNoPermetAltresClics) f_.SetHookMouseMove();
    f_.MostrarOverlay();
    f_.CentrarOverlay(e_.PosicioMouse);
  }
}

void TMotor::EngegarOpcio() {
  e_.AngleTemporitzador = 0;
  if (f_.ModeMarcat(ModeClic::ClicParat)) {
    ArmarClicParat();
  } else if (f_.ModeMarcat(ModeClic::MouseDownCasella)) {
    e_.ColorTemporitzador = ui::clGreen;
    f_.ColorEtiqueta(e_.ColorTemporitzador);
    f_.EscriureEtiqueta(p_.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, true);
    e_.PosicioMouse = f_.CursorPos();
    f_.SetHookMouse();
  } else if (f_.ModeMarcat(ModeClic::PremerPantalla)) {
    e_.PosicioMouseAnterior = f_.CursorPos();
    e_.PosicioMouse = f_.CursorPos();
    f_.SetHookMouse();
    e_.SeguintMoviment = true;
  } else if (f_.ModeMarcat(ModeClic::EsquerraDreta)) {
    e_.PosicioMouseAnterior = f_.CursorPos();
    e_.PosicioMouse = f_.CursorPos();
    f_.SetHookMouse();
    f_.ActivarTimer(TimerMotor::OnEsElMouse, true);
  }
  f_.ActualitzarTitolAplicacio();
}

void TMotor::CommandaMode(ModeClic mode) {
  if (!f_.ModeMarcat(mode)) {
    AturarTot();
    f_.MarcarMode(mode, true);
    f_.ActualitzarPanell();
    if (p_.BoolCheckBoxHiHaComptaEnreraPerEngegar)
      f_.ActivarTimer(TimerMotor::Engegar, true);
    else
      EngegarOpcio();
    if (BotoDe[Index(mode)] >= 0) f_.ColorBoto(BotoDe[Index(mode)], ui::clRed);
    f_.DesarOpcio(OpcioDe[Index(mode)]);
    return;
  }
  AturarTot();
  if (mode == ModeClic::ClicParat && p_.BoolMostrarQuadreDeSeguiment)
    f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
  f_.DesarOpcio(CapOpcio);
  DemanarTornada();
}

void TMotor::CommandaQuadre() {
  f_.MarcarQuadre(!f_.QuadreMarcat());
  p_.BoolMostrarQuadreDeSeguiment = f_.QuadreMarcat();
  if (p_.BoolMostrarQuadreDeSeguiment) {
    f_.ColorBoto(BotoQuadre, ui::clRed);
    f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
    return;
  }
  e_.AngleTemporitzador = 0;
  AturarTot();
  f_.ColorBoto(BotoQuadre, ui::clBlack);
  f_.AmagarOverlay();
  DemanarTornada();
}

void TMotor::MenuOpcionsClick() {
  // Nothing comes back while the menu is open, though it may have closed just before.
  f_.ActivarTimer(TimerMotor::TornarAClicar, false);
  AturarTot();
}

void TMotor::ExitMenuLoop() {
  if (p_.BoolMostrarQuadreDeSeguiment) f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
  // A command chosen from the menu comes after this: the return waits, and a mode chosen
  // there stands.
  DemanarTornada();
}

void TMotor::LabelCompteEnreraClick() {
  AturarTot();
  if (p_.BoolMostrarQuadreDeSeguiment) CommandaQuadre();
  DemanarTornada();
}

void TMotor::AbansDeDialeg() {
  f_.ActivarTimer(TimerMotor::TornarAClicar, false);
  e_.PermetHookMouseMove = false;
  AturarTot();
}

void TMotor::DespresDeDialeg() {
  e_.PermetHookMouseMove = true;
  if (p_.BoolMostrarQuadreDeSeguiment) f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
  DemanarTornada();
}

bool TMotor::EngegarPerfil() {
  if (!f_.PerfilSenseClics()) return false;
  for (ModeClic m : TotsElsModes)
    if (f_.ModeMarcat(m)) return false;
  AturarTot();
  f_.MarcarMode(ModeClic::ClicParat, true);
  f_.ActualitzarPanell();
  EngegarOpcio();
  f_.ColorBoto(BotoDe[Index(ModeClic::ClicParat)], ui::clRed);
  return true;
}

void TMotor::DemanarTornada() {
  if (f_.PerfilSenseClics()) f_.ActivarTimer(TimerMotor::TornarAClicar, true);
}

void TMotor::TimerTornarAClicarTimer() {
  f_.ActivarTimer(TimerMotor::TornarAClicar, false);
  EngegarPerfil();
}

void TMotor::DespresDeMissatge(bool engegatPerAlMissatge) {
  // Back as the box found it: a dialog under it keeps every mode stopped until it closes.
  if (engegatPerAlMissatge) AturarTot();
}

bool TMotor::ArmatAmbMoviment() const {
  return f_.ModeMarcat(ModeClic::ClicParat) && !p_.Bool1ClicAutomaticNoPermetAltresClics &&
         (p_.BoolCheckBoxTemporitzador || p_.BoolMostrarQuadreDeSeguiment);
}

void TMotor::TimerEngegarTimer() {
  const std::int32_t n = f_.ValorEtiqueta() - 1;
  f_.EscriureEtiqueta(n, false);
  if (n <= 0) {
    f_.ActivarTimer(TimerMotor::Engegar, false);
    EngegarOpcio();
    // Armed, the mode holds the hooks it holds when armed at once: a move hook left from the
    // countdown would feed mode 3's history in the 200 ms after each click.
    if (hookMovimentDelCompte_ && !ArmatAmbMoviment()) f_.UnHookMouseMove();
    hookMovimentDelCompte_ = false;
  }
  f_.ActualitzarTitolAplicacio();
}

void TMotor::TimerActivarElHookMouseTimer() {
  f_.ActivarTimer(TimerMotor::ActivarElHookMouse, false);
  // Decided from the state when the timer fires, not when it was enabled. During the start
  // countdown the mouse is the user's: the checked mode is not armed yet, only the frame runs.
  const bool compte = f_.TimerActiu(TimerMotor::Engegar);
  if (!compte &&
      ((f_.ModeMarcat(ModeClic::ClicParat) && p_.Bool1ClicAutomaticNoPermetAltresClics) ||
       f_.ModeMarcat(ModeClic::MouseDownCasella) || f_.ModeMarcat(ModeClic::PremerPantalla) ||
       f_.ModeMarcat(ModeClic::EsquerraDreta))) {
    f_.SetHookMouse();
    return;
  }
  if (p_.BoolMostrarQuadreDeSeguiment && e_.PermetHookMouseMove) {
    f_.SetHookMouseMove();
    if (compte) hookMovimentDelCompte_ = true;
  }
}

void TMotor::TimerActivarElHookMouseMoveTimer() {
  f_.ActivarTimer(TimerMotor::ActivarElHookMouseMove, false);
  f_.SetHookMouseMove();
}

void TMotor::TimerVigilarHooksTimer() {
  if (!e_.Hooks.Comprovar(f_.CursorPos())) return;
  // A second install replaces the hook: one that Windows dropped comes back, silently too.
  if (e_.Hooks.Botons()) f_.SetHookMouse();
  if (e_.Hooks.Moviment()) f_.SetHookMouseMove();
}

void TMotor::TimerOnEsElMouseTimer() {
  const ui::Point c = f_.CursorPos();
  if (c == e_.PosicioMouse) return;
  e_.PosicioMouseAnterior = e_.PosicioMouse;
  e_.PosicioMouse = c;
}
