// Mode 1: a left click where the pointer rests, then none until it moves.
#include "engine/Motor.h"
#include "engine/Rellotge.h"

namespace {

// The label's colour while the pause shows.
constexpr ui::Colour ColorPausa = ui::clGray;

}  // namespace

void TMotor::TimerComptaEnreraClicAutomaticTimer() {
  if (desplacament_.actiu) return TicDesplacament();
  const std::int32_t N = p_.DecimesTimerClickAutomatic;
  ui::Point c = f_.CursorPos();
  // The dwell-only profile measures a rest from where it began, at its monitor's scale: a head
  // tracker's slow glide towards a target is no rest.
  const bool perfil = f_.PerfilSenseClics();
  const std::int32_t P = p_.PixelsDeSeparacioPerqueEsConsideriParat;
  TMesuraRepos repos =
      MesurarRepos(e_.PosicioMouse, c, perfil ? ToleranciaRepos(P, f_.DpiA(c)) : P, perfil);

  MarcarAnell(c);
  // Paused, nothing counts but on the panel, where a rest on Pausa ends the pause; back from
  // it, the count starts afresh.
  bool tornaDePausa = false;
  if (perfil) {
    if (f_.PausaPanell() && !f_.SobrePanell(c)) {
      MostrarPausa();
      e_.PosicioMouse = c;
      f_.ActualitzarTitolAplicacio();
      return;
    }
    tornaDePausa = f_.EtiquetaEnPausa();
  }

  if (tornaDePausa || repos.mogut) {
    if (tornaDePausa) f_.ColorEtiqueta(e_.ColorTemporitzador);
    TreureNoEsPotClicar();
    f_.EscriureEtiqueta(N, true);
    if (p_.BoolCheckBoxTemporitzador) {
      e_.AngleTemporitzador = 0;
      f_.RepintarOverlay();
    }
    e_.ClicFet = false;
  } else if (!e_.ClicFet) {
    const std::int32_t n = f_.ValorEtiqueta() - 1;
    f_.EscriureEtiqueta(n, true);
    if (p_.BoolCheckBoxTemporitzador) {
      e_.AngleTemporitzador = AngleAnell(N, n);
      f_.RepintarOverlay();
    }
    if (n == 0) {
      ClicParatFet(c);
      repos.origen = c;  // none again until it moves from where it clicked
    }
  }
  e_.PosicioMouse = repos.origen;
  f_.ActualitzarTitolAplicacio();
}

void TMotor::MarcarAnell(ui::Point c) {
  // The program's own window is no target for a rest; the panel, which may lie over it, is.
  const bool propia = f_.PerfilSenseClics() && f_.SobreFinestraPrincipal(c) && !f_.SobrePanell(c);
  // The cannot-click sign stays until the pointer moves on.
  if (!propia && e_.Anell == EstatAnell::NoEsPotClicar) return;
  const EstatAnell anell = propia ? EstatAnell::NoEsObjectiu : EstatAnell::Normal;
  if (anell == e_.Anell) return;
  e_.Anell = anell;
  if (p_.BoolCheckBoxTemporitzador || p_.BoolMostrarQuadreDeSeguiment) f_.RepintarOverlay();
}

void TMotor::MostrarPausa() {
  if (!f_.EtiquetaEnPausa()) {
    f_.ColorEtiqueta(ColorPausa);
    f_.EscriureEtiquetaPausa();
  }
  e_.ClicFet = false;
  if (p_.BoolCheckBoxTemporitzador && e_.AngleTemporitzador != 0) {
    e_.AngleTemporitzador = 0;
    f_.RepintarOverlay();
  }
}

void TMotor::ClicParatFet(ui::Point& c) {
  if (NoEsPotClicarA(c)) return;
  // A left click, or with the click-type panel on what the type chosen there makes; on the
  // program's own window nothing, and the type chosen waits for the next rest.
  const TAccioClic accio = e_.Anell == EstatAnell::NoEsObjectiu
                               ? TAccioClic{}
                               : f_.ClicParatPanell(c).value_or(ClicEsquerre());
  if (accio.desplacar) ComencarDesplacament(c);
  if (accio.pasTemps != 0) PasTempsRepos(accio.pasTemps);
  const bool injecta = !accio.entrades.empty();
  if (injecta) {
    if (p_.Bool1ClicAutomaticNoPermetAltresClics)
      f_.UnHookMouse();
    else if (p_.BoolCheckBoxTemporitzador)
      f_.UnHookMouseMove();
    InjectarAccioClic(accio);
    // A drag let go where it began leaves the pointer there, at rest.
    if (accio.abans) c = *accio.abans;
  }
  e_.ClicFet = true;
  if (accio.so) f_.MessageBeep(0);
  if (injecta && p_.Bool1ClicAutomaticNoPermetAltresClics)
    f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
  else if (injecta && p_.BoolCheckBoxTemporitzador)
    f_.ActivarTimer(TimerMotor::ActivarElHookMouseMove, true);
  if (p_.BoolCheckBoxTemporitzador) {
    e_.AngleTemporitzador = 0;
    f_.RepintarOverlay();
  }
}

// Windows would drop the click without a word: with the dwell-only profile nothing is injected,
// and the ring says so where the pointer rests until it moves.
bool TMotor::NoEsPotClicarA(ui::Point c) {
  if (!f_.PerfilSenseClics() || f_.PotClicarA(c)) return false;
  e_.ClicFet = true;
  e_.AngleTemporitzador = 0;
  e_.Anell = EstatAnell::NoEsPotClicar;
  f_.CentrarOverlay(c);
  f_.RepintarOverlay();
  return true;
}

void TMotor::TreureNoEsPotClicar() {
  if (e_.Anell != EstatAnell::NoEsPotClicar) return;
  e_.Anell = EstatAnell::Normal;
  f_.RepintarOverlay();
}

void TMotor::InjectarAccioClic(const TAccioClic& accio) {
  if (accio.abans) f_.SetCursorPos(*accio.abans);
  for (const unsigned entrada : accio.entrades) f_.MouseEvent(entrada);
}

void TMotor::AcabarArrossegamentTipusClic() {
  InjectarAccioClic(f_.AcabarArrossegamentPanell(f_.CursorPos()));
}
