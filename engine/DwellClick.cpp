// Mode 1: a left click where the pointer rests, then none until it moves.
#include "engine/Motor.h"
#include "engine/Rellotge.h"

void TMotor::TimerComptaEnreraClicAutomaticTimer() {
  if (desplacament_.actiu) return TicDesplacament();
  const std::int32_t N = p_.DecimesTimerClickAutomatic;
  ui::Point c = f_.CursorPos();

  if (HaMogut(e_.PosicioMouse, c, p_.PixelsDeSeparacioPerqueEsConsideriParat)) {
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
    if (n == 0) ClicParatFet(c);
  }
  e_.PosicioMouse = c;
  f_.ActualitzarTitolAplicacio();
}

void TMotor::ClicParatFet(ui::Point& c) {
  // A left click, or with the click-type panel on what the type chosen there makes.
  const TAccioClic accio = f_.ClicParatPanell(c).value_or(ClicEsquerre());
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

void TMotor::InjectarAccioClic(const TAccioClic& accio) {
  if (accio.abans) f_.SetCursorPos(*accio.abans);
  for (const unsigned entrada : accio.entrades) f_.MouseEvent(entrada);
}

void TMotor::AcabarArrossegamentTipusClic() {
  InjectarAccioClic(f_.AcabarArrossegamentPanell(f_.CursorPos()));
}
