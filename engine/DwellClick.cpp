// Mode 1: a left click where the pointer rests, then none until it moves.

#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "engine/Rellotge.h"
#include "hook/LlibreriaPelvoro.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"
#include "tipusclic/UnitFormTipusClic.h"

void TFormPrincipal::TimerComptaEnreraClicAutomaticTimer() {
  TEstatMotor& e = EstatMotor;
  const TParametres& p = Parametres;
  const std::int32_t N = p.DecimesTimerClickAutomatic;
  ui::Point c = ui::CursorPos();

  if (HaMogut(e.PosicioMouse, c, p.PixelsDeSeparacioPerqueEsConsideriParat)) {
    EscriureEtiqueta(N, true);
    if (p.BoolCheckBoxTemporitzador) {
      e.AngleTemporitzador = 0;
      FormTransparent->Repaint();
    }
    e.ClicFet = false;
  } else if (!e.ClicFet) {
    const std::int32_t n = ValorEtiqueta() - 1;
    EscriureEtiqueta(n, true);
    if (p.BoolCheckBoxTemporitzador) {
      e.AngleTemporitzador = AngleAnell(N, n);
      FormTransparent->Repaint();
    }
    if (n == 0) {
      // A left click, or with the click-type panel on what the type chosen there makes.
      const TAccioClic accio = FormTipusClic && MenuPanellTipusClic.Checked()
                                   ? FormTipusClic->ClicParat(c)
                                   : ClicEsquerre();
      const bool injecta = !accio.entrades.empty();
      if (injecta) {
        if (p.Bool1ClicAutomaticNoPermetAltresClics)
          UnHookMouse();
        else if (p.BoolCheckBoxTemporitzador)
          UnHookMouseMove();
        InjectarAccioClic(accio);
        // A drag let go where it began leaves the pointer there, at rest.
        if (accio.abans) c = *accio.abans;
      }
      e.ClicFet = true;
      if (accio.so) ui::MessageBeep(0);
      if (injecta && p.Bool1ClicAutomaticNoPermetAltresClics)
        TimerActivarElHookMouse.SetEnabled(true);
      else if (injecta && p.BoolCheckBoxTemporitzador)
        TimerActivarElHookMouseMove.SetEnabled(true);
      if (p.BoolCheckBoxTemporitzador) {
        e.AngleTemporitzador = 0;
        FormTransparent->Repaint();
      }
    }
  }
  e.PosicioMouse = c;
  ui::SetApplicationTitle(Caption());
}
