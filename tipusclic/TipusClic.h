// The click types of the dwell click: what the next rest injects, chosen on the click-type
// panel. Plain logic, no platform call: the dwell tick asks, then injects what it is told.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "ui/ui.h"

// In the panel's order, top to bottom.
enum class TipusClic { Esquerre, Doble, Dret, Arrossegar, Pausa };
constexpr int NombreTipusClic = 5;
constexpr std::array<TipusClic, NombreTipusClic> TotsElsTipusClic{
    TipusClic::Esquerre, TipusClic::Doble, TipusClic::Dret, TipusClic::Arrossegar,
    TipusClic::Pausa};

// Where a rest falls: away from the panel, on one of its buttons, or on the rest of it (the
// grip strip and the gaps, by which the panel is moved).
struct ZonaPanell {
  enum class Tipus { Fora, Boto, Fons } tipus = Tipus::Fora;
  TipusClic boto = TipusClic::Esquerre;  // for Boto
};

// What one dwell click does.
struct TAccioClic {
  // Injected input, mouse_event flags in order; empty: nothing is injected.
  std::vector<unsigned> entrades;
  // Where the pointer is put before the input; it stays there.
  std::optional<ui::Point> abans;
  // A rest on the panel counts as a click there: it sounds, though nothing is injected.
  bool so = false;
};

// The dwell click without the panel: a left press and release where the pointer rests.
TAccioClic ClicEsquerre();

class TEstatTipusClic {
 public:
  TipusClic Triat() const { return triat_; }
  bool Arrossegant() const { return arrossegant_; }
  // The drag began on the panel's background: the pointer carries the panel, and no button
  // is down.
  bool ArrossegantPanell() const { return arrossegantPanell_; }
  ui::Point IniciArrossegament() const { return inici_; }

  // A button of the panel chosen, by dwell or by hand. Pausa chosen again ends the pause.
  void Triar(TipusClic tipus);

  // The dwell click at c, the rest falling on zona. Updates the choice and the drag.
  TAccioClic Clic(ui::Point c, ZonaPanell zona);

  // The mode stops or the program ends during a drag: the button goes up where the drag
  // started. Nothing when no drag runs.
  TAccioClic AcabarArrossegament(ui::Point c);

 private:
  TAccioClic AlliberarArrossegament(ui::Point c, bool sobrePanell);

  TipusClic triat_ = TipusClic::Esquerre;
  bool arrossegant_ = false;
  bool arrossegantPanell_ = false;
  ui::Point inici_;
};

// The panel's layout in client coordinates, from the top: a grip strip, then the five
// buttons one under the other.
namespace disseny_panell {
constexpr int Marge = 4;
constexpr int AlcadaFranja = 18;
constexpr int AmpladaBoto = 100;
constexpr int AlcadaBoto = 70;
constexpr int Separacio = 4;
constexpr int Amplada = Marge + AmpladaBoto + Marge;
constexpr int Alcada =
    AlcadaFranja + NombreTipusClic * (AlcadaBoto + Separacio) - Separacio + Marge;
}  // namespace disseny_panell

ui::Rect RectBotoTipusClic(TipusClic tipus);
// The zone of a screen point, for a panel whose outer rectangle is panell, shown at dpi; Fora
// when the panel is not shown.
ZonaPanell ZonaDelPunt(const ui::Rect& panell, bool visible, ui::Point p,
                       int dpi = ui::kDefaultDpi);

// Where the panel goes: the place asked for, kept wholly on the screen; a panel larger than
// the screen keeps its top left corner on it.
ui::Point LimitarALaPantalla(ui::Point lloc, int amplada, int alcada, int ampladaPantalla,
                             int alcadaPantalla);
// Where the panel goes on a desktop of these monitors, the primary first: the place asked for,
// kept wholly on the monitor it would lie on most; a place on no monitor (one that is gone)
// comes back on the primary.
ui::Point LimitarAlsMonitors(ui::Point lloc, int amplada, int alcada,
                             const std::vector<ui::Rect>& monitors);
// The first place: at the left edge, vertically centred.
ui::Point LlocInicial(int alcada, int alcadaPantalla);
