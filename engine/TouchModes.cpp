// The handling of every hook report, and modes 2 to 4. In these modes the button hook swallows
// the user's presses and releases; the program reads them as reports and makes the clicks.
#include "engine/Motor.h"
#include "engine/Rellotge.h"
#include "hook/Comunicacio.h"

namespace {

constexpr unsigned SoPerDefecte = 0;  // MessageBeep's type for the default system sound

}  // namespace

void TMotor::MissatgeHookMouse(std::intptr_t codi) {
  const ui::Point c = f_.CursorPos();
  e_.Hooks.Informe(c);
  const bool mode0 = p_.BoolMostrarQuadreDeSeguiment;
  // Until the start countdown has armed the checked mode, reports are taken as with no mode:
  // the countdown's label and the ring are not the mode's yet.
  const bool armat = !f_.TimerActiu(TimerMotor::Engegar);
  if (armat &&
      (f_.ModeMarcat(ModeClic::PremerPantalla) || f_.ModeMarcat(ModeClic::EsquerraDreta)) &&
      codi == hook::EventSortir) {
    AturarTot();
    if (mode0) CommandaQuadre();
    DemanarTornada();
    return;
  }
  if (armat && f_.ModeMarcat(ModeClic::ClicParat)) {
    // The dwell click takes no input: presses swallowed by the hook end here.
    if (codi == hook::EventMouseMove && (p_.BoolCheckBoxTemporitzador || mode0))
      f_.CentrarOverlay(c);
    return;
  }
  if (armat && f_.ModeMarcat(ModeClic::MouseDownCasella)) {
    MissatgeMode2(codi, c);
  } else if (armat && f_.ModeMarcat(ModeClic::PremerPantalla)) {
    MissatgeMode3(codi, c);
  } else if (armat && f_.ModeMarcat(ModeClic::EsquerraDreta)) {
    MissatgeMode4(codi, c);
  } else if (mode0) {
    if (codi == hook::EventMouseMove) f_.CentrarOverlay(c);
    return;
  }
  f_.ActualitzarTitolAplicacio();
}

void TMotor::MissatgeMode2(std::intptr_t codi, ui::Point c) {
  const bool anell = p_.BoolCheckBoxTemporitzador;
  const bool overlay = anell || p_.BoolMostrarQuadreDeSeguiment;
  const std::int32_t D = p_.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella;
  switch (codi) {
    case hook::EventMouseDown:
      e_.ClicFet = true;
      f_.ActivarTimer(TimerMotor::ClicALEstarElMouseDownEnUnaCasella, true);
      if (overlay) {
        e_.AngleTemporitzador = 0;
        f_.MostrarOverlay();
        f_.CentrarOverlay(c);
      }
      break;
    case hook::EventMouseUp:
      e_.ClicFet = false;
      f_.ActivarTimer(TimerMotor::ClicALEstarElMouseDownEnUnaCasella, false);
      f_.EscriureEtiqueta(D, true);
      if (anell) {
        // With the frame alone the overlay stays: it is the tracking frame then.
        e_.AngleTemporitzador = 0;
        f_.AmagarOverlay();
      }
      break;
    case hook::EventMouseMove:
      if (overlay) f_.CentrarOverlay(c);
      if (!e_.ClicFet) break;
      // Measured from the previous report, not from the press: a slow drift still clicks.
      if (HaMogut(e_.PosicioMouse, c, p_.PixelsDeSeparacioPerqueEsConsideriParat)) {
        f_.EscriureEtiqueta(D, true);
        if (anell) {
          e_.AngleTemporitzador = 0;
          f_.RepintarOverlay();
        }
      }
      e_.PosicioMouse = c;
      break;
    default:  // the leave request means nothing here
      break;
  }
}

void TMotor::TimerClicALEstarElMouseDownEnUnaCasellaTimer() {
  const std::int32_t D = p_.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella;
  const ui::Point c = f_.CursorPos();
  const std::int32_t n = f_.ValorEtiqueta() - 1;
  f_.EscriureEtiqueta(n, true);
  if (p_.BoolCheckBoxTemporitzador) {
    // With D = 0 the first tick clicks, and the ring shows a full turn for it.
    e_.AngleTemporitzador = AngleAnell(D, n);
    f_.RepintarOverlay();
  }
  if (n <= 0) {
    if (p_.BoolCheckBoxTemporitzador) {
      e_.AngleTemporitzador = 0;
      f_.AmagarOverlay();
    }
    FerClicReal(c, Boto::Esquerre);
    // One press, one click: holding on waits for the next press.
    e_.ClicFet = false;
    f_.ActivarTimer(TimerMotor::ClicALEstarElMouseDownEnUnaCasella, false);
    f_.EscriureEtiqueta(D, true);
  }
  f_.ActualitzarTitolAplicacio();
}

void TMotor::MissatgeMode3(std::intptr_t codi, ui::Point c) {
  switch (codi) {
    case hook::EventMouseDown:
      // A finger's landing moves the pointer first: the click goes where it was before that.
      e_.SeguintMoviment = false;
      break;
    case hook::EventMouseMove:
      if (p_.BoolMostrarQuadreDeSeguiment) f_.CentrarOverlay(c);
      if (e_.SeguintMoviment) {
        e_.PosicioMouse = e_.PosicioMouseAnterior;
        e_.PosicioMouseAnterior = c;
      }
      break;
    case hook::EventMouseUp:
      FerClicReal(e_.PosicioMouse, Boto::Esquerre);
      e_.SeguintMoviment = true;
      break;
    default: break;
  }
}

void TMotor::MissatgeMode4(std::intptr_t codi, ui::Point c) {
  switch (codi) {
    case hook::EventMouseDown:
      // Freezes the last sample taken before the press: that is where the click goes.
      f_.ActivarTimer(TimerMotor::OnEsElMouse, false);
      break;
    case hook::EventMouseUp: {
      const Boto boto = c.x < f_.AmpladaPantalla() / 2 ? Boto::Esquerre : Boto::Dret;
      FerClicReal(e_.PosicioMouse, boto);
      f_.ActivarTimer(TimerMotor::OnEsElMouse, true);
      break;
    }
    case hook::EventMouseMove:
      if (p_.BoolMostrarQuadreDeSeguiment) f_.CentrarOverlay(c);
      break;
    default: break;
  }
}

void TMotor::FerClicReal(ui::Point q, Boto boto) {
  // The button hook must neither swallow nor report the program's own click.
  f_.UnHookMouse();
  f_.SetCursorPos(q);
  const bool esquerre = boto == Boto::Esquerre;
  f_.MouseEvent(esquerre ? ui::MouseLeftDown : ui::MouseRightDown);
  f_.MouseEvent(esquerre ? ui::MouseLeftUp : ui::MouseRightUp);
  // Only the held-press mode sounds; a tap already tells the user it was taken.
  if (f_.ModeMarcat(ModeClic::MouseDownCasella)) f_.MessageBeep(SoPerDefecte);
  f_.ActivarTimer(TimerMotor::ActivarElHookMouse, true);
}
