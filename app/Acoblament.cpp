#include "app/Acoblament.h"

#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "tipusclic/UnitFormTipusClic.h"

void TAcoblament::Acoblar() {
  TFormTipusClic* panell = programa_.FormTipusClic();
  if (actiu_ || !panell) return;
  actiu_ = true;
  panell->OnDeixat = [this] { PanellDeixat(); };
  DecidirVora();
  Recolocar();
}

void TAcoblament::Desacoblar() {
  if (!actiu_) return;
  Alliberar();
  principal_.SetPosition(principal_.AmpladaPantalla - principal_.Width(), 0);
}

void TAcoblament::Alliberar() {
  if (TFormTipusClic* panell = programa_.FormTipusClic(); panell && actiu_)
    panell->OnDeixat = nullptr;
  actiu_ = false;
  vora_.reset();
  ui::RemoveAppBar(principal_);
}

void TAcoblament::PanellDeixat() {
  if (!actiu_) return;
  DecidirVora();
  Recolocar();
}

// Judged with the program's own strip given back, on the work area the others leave.
void TAcoblament::DecidirVora() {
  ui::RemoveAppBar(principal_);
  const ui::Rect r = programa_.FormTipusClic()->BoundsRect();
  vora_ = VoraTocada(ui::MonitorNear(r), r, principal_.Dpi());
  // Where the system keeps no strip, the windows still go to the column: on the left, or on
  // the right under the caption buttons' band.
  if (vora_) ui::RegisterAppBar(principal_);
}

void TAcoblament::Recolocar() {
  TFormTipusClic* panell = programa_.FormTipusClic();
  if (!actiu_ || !panell) return;
  const ui::Rect r = panell->BoundsRect();
  const ui::Size mida{principal_.Width(), principal_.Height()};
  const ui::MonitorAreas m = ui::MonitorNear(r);
  const int dpi = principal_.Dpi();
  ui::Rect columna = m.monitor;
  if (vora_) {
    // As wide as the two windows together with the panel at the monitor's edge; the system
    // moves the strip off the task bar and the bars before it, the width is kept.
    const TLlocsColumna prova =
        LlocsColumna(r, mida, m.work, vora_, RectColumna(m.monitor, *vora_, r.Width()), dpi);
    const int amplada = AmpladaLlocs(prova, mida, {r.Width(), r.Height()});
    columna = RectColumna(m.monitor, *vora_, amplada);
    if (ui::AppBarRegistered(principal_)) {
      columna = RectColumna(ui::QueryAppBarPos(principal_, *vora_, columna), *vora_, amplada);
      columna = ui::SetAppBarPos(principal_, *vora_, columna);
    }
  }
  const TLlocsColumna llocs = LlocsColumna(r, mida, m.work, vora_, columna, dpi);
  principal_.SetPosition(llocs.principal.x, llocs.principal.y);
  panell->SetPosition(llocs.panell.x, llocs.panell.y);
}
