// The handling of every hook report, and modes 2 to 4. In these modes the button hook swallows
// the user's presses and releases; the program reads them as reports and makes the clicks.
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "engine/Rellotge.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"

namespace {

constexpr unsigned SoPerDefecte = 0;  // MessageBeep's type for the default system sound

}  // namespace

void TFormPrincipal::MissatgeHookMouse(std::intptr_t codi) {
  const ui::Point c = ui::CursorPos();
  const bool mode0 = Parametres.BoolMostrarQuadreDeSeguiment;
  // Until the start countdown has armed the checked mode, reports are taken as with no mode:
  // the countdown's label and the ring are not the mode's yet.
  const bool armat = !TimerEngegar.Enabled();
  if (armat &&
      (MenuTabletPCClicAlPremerLaPantalla.Checked() ||
       MenuTabletPCClicEsquerraClicDret.Checked()) &&
      codi == hook::EventSortir) {
    AturarTot();
    if (mode0) MenuMostrarQuadreDeSeguimentDelMouseClick();
    return;
  }
  if (armat && MenuClicAutomaticAlEstarParat.Checked()) {
    // The dwell click takes no input: presses swallowed by the hook end here.
    if (codi == hook::EventMouseMove && (Parametres.BoolCheckBoxTemporitzador || mode0))
      FormTransparent->CentrarEnPosicio(c.x, c.y);
    return;
  }
  if (armat && MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked()) {
    MissatgeMode2(codi, c);
  } else if (armat && MenuTabletPCClicAlPremerLaPantalla.Checked()) {
    MissatgeMode3(codi, c);
  } else if (armat && MenuTabletPCClicEsquerraClicDret.Checked()) {
    MissatgeMode4(codi, c);
  } else if (mode0) {
    if (codi == hook::EventMouseMove) FormTransparent->CentrarEnPosicio(c.x, c.y);
    return;
  }
  ui::SetApplicationTitle(Caption());
}

void TFormPrincipal::MissatgeMode2(std::intptr_t codi, ui::Point c) {
  TEstatMotor& e = EstatMotor;
  const TParametres& p = Parametres;
  const bool anell = p.BoolCheckBoxTemporitzador;
  const bool overlay = anell || p.BoolMostrarQuadreDeSeguiment;
  const std::int32_t D = p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella;
  switch (codi) {
    case hook::EventMouseDown:
      e.ClicFet = true;
      TimerClicALEstarElMouseDownEnUnaCasella.SetEnabled(true);
      if (overlay) {
        e.AngleTemporitzador = 0;
        FormTransparent->Show();
        FormTransparent->CentrarEnPosicio(c.x, c.y);
      }
      break;
    case hook::EventMouseUp:
      e.ClicFet = false;
      TimerClicALEstarElMouseDownEnUnaCasella.SetEnabled(false);
      EscriureEtiqueta(D, true);
      if (anell) {
        // With the frame alone the overlay stays: it is the tracking frame then.
        e.AngleTemporitzador = 0;
        FormTransparent->Hide();
      }
      break;
    case hook::EventMouseMove:
      if (overlay) FormTransparent->CentrarEnPosicio(c.x, c.y);
      if (!e.ClicFet) break;
      // Measured from the previous report, not from the press: a slow drift still clicks.
      if (HaMogut(e.PosicioMouse, c, p.PixelsDeSeparacioPerqueEsConsideriParat)) {
        EscriureEtiqueta(D, true);
        if (anell) {
          e.AngleTemporitzador = 0;
          FormTransparent->Repaint();
        }
      }
      e.PosicioMouse = c;
      break;
    default:  // the leave request means nothing here
      break;
  }
}

void TFormPrincipal::TimerClicALEstarElMouseDownEnUnaCasellaTimer() {
  TEstatMotor& e = EstatMotor;
  const TParametres& p = Parametres;
  const std::int32_t D = p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella;
  const ui::Point c = ui::CursorPos();
  const std::int32_t n = ValorEtiqueta() - 1;
  EscriureEtiqueta(n, true);
  if (p.BoolCheckBoxTemporitzador) {
    // With D = 0 the first tick clicks, and the ring shows a full turn for it.
    e.AngleTemporitzador = AngleAnell(D, n);
    FormTransparent->Repaint();
  }
  if (n <= 0) {
    if (p.BoolCheckBoxTemporitzador) {
      e.AngleTemporitzador = 0;
      FormTransparent->Hide();
    }
    FerClicReal(c, Boto::Esquerre);
    // One press, one click: holding on waits for the next press.
    e.ClicFet = false;
    TimerClicALEstarElMouseDownEnUnaCasella.SetEnabled(false);
    EscriureEtiqueta(D, true);
  }
  ui::SetApplicationTitle(Caption());
}

void TFormPrincipal::MissatgeMode3(std::intptr_t codi, ui::Point c) {
  TEstatMotor& e = EstatMotor;
  switch (codi) {
    case hook::EventMouseDown:
      // A finger's landing moves the pointer first: the click goes where it was before that.
      e.SeguintMoviment = false;
      break;
    case hook::EventMouseMove:
      if (Parametres.BoolMostrarQuadreDeSeguiment) FormTransparent->CentrarEnPosicio(c.x, c.y);
      if (e.SeguintMoviment) {
        e.PosicioMouse = e.PosicioMouseAnterior;
        e.PosicioMouseAnterior = c;
      }
      break;
    case hook::EventMouseUp:
      FerClicReal(e.PosicioMouse, Boto::Esquerre);
      e.SeguintMoviment = true;
      break;
    default: break;
  }
}

void TFormPrincipal::MissatgeMode4(std::intptr_t codi, ui::Point c) {
  switch (codi) {
    case hook::EventMouseDown:
      // Freezes the last sample taken before the press: that is where the click goes.
      TimerOnEsElMouse.SetEnabled(false);
      break;
    case hook::EventMouseUp: {
      const Boto boto = c.x < AmpladaPantalla / 2 ? Boto::Esquerre : Boto::Dret;
      FerClicReal(EstatMotor.PosicioMouse, boto);
      TimerOnEsElMouse.SetEnabled(true);
      break;
    }
    case hook::EventMouseMove:
      if (Parametres.BoolMostrarQuadreDeSeguiment) FormTransparent->CentrarEnPosicio(c.x, c.y);
      break;
    default: break;
  }
}

void TFormPrincipal::FerClicReal(ui::Point q, Boto boto) {
  // The button hook must neither swallow nor report the program's own click.
  UnHookMouse();
  ui::SetCursorPos(q);
  const bool esquerre = boto == Boto::Esquerre;
  ui::MouseEvent(esquerre ? ui::MouseLeftDown : ui::MouseRightDown);
  ui::MouseEvent(esquerre ? ui::MouseLeftUp : ui::MouseRightUp);
  // Only the held-press mode sounds; a tap already tells the user it was taken.
  if (MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked()) ui::MessageBeep(SoPerDefecte);
  TimerActivarElHookMouse.SetEnabled(true);
}
