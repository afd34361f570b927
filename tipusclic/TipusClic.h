// The click types of the dwell click: what the next rest injects, chosen on the click-type
// panel. Plain logic, no platform call: the dwell tick asks, then injects what it is told.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <optional>
#include <vector>

#include "ui/ui.h"

// In the panel's order, top to bottom.
enum class TipusClic { Esquerre, Doble, Dret, Arrossegar, Pausa, Desplacar };
constexpr int NombreTipusClic = 6;
constexpr std::array<TipusClic, NombreTipusClic> TotsElsTipusClic{
    TipusClic::Esquerre,   TipusClic::Doble, TipusClic::Dret,
    TipusClic::Arrossegar, TipusClic::Pausa, TipusClic::Desplacar};

// Where a rest falls: away from the panel, on one of its buttons, on the rest of it (the grip
// strip and the gaps, by which the panel is moved), or on "-" or "+" of the dwell time.
struct ZonaPanell {
  enum class Tipus { Fora, Boto, Fons, Temps } tipus = Tipus::Fora;
  TipusClic boto = TipusClic::Esquerre;  // for Boto
  int pas = 0;                           // for Temps: -1 or +1
};

// What one dwell click does.
struct TAccioClic {
  // Injected input, mouse_event flags in order; empty: nothing is injected.
  std::vector<unsigned> entrades;
  // Where the pointer is put before the input; it stays there.
  std::optional<ui::Point> abans;
  // A rest on the panel counts as a click there: it sounds, though nothing is injected.
  bool so = false;
  // The rest sets the scroll compass where it lies.
  bool desplacar = false;
  // Tenths of a second to add to the dwell time: -1, +1, or 0 to leave it.
  int pasTemps = 0;
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

  // Scrolling has ended: the next rest clicks left.
  void DesplacamentAcabat();

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

// The panel's layout in client coordinates, from the top: a grip strip, the six buttons one
// under the other, then a row with "-", the dwell time and "+". At 96 dpi it stands 506 pixels
// high, a column that fits a 768-pixel screen with its taskbar.
namespace disseny_panell {
constexpr int Marge = 4;
constexpr int AlcadaFranja = 18;
constexpr int AmpladaBoto = 100;
constexpr int AlcadaBoto = 70;
constexpr int Separacio = 4;
constexpr int Amplada = Marge + AmpladaBoto + Marge;
constexpr int AmpladaBotoTemps = 28;
constexpr int AlcadaFilaTemps = 40;
constexpr int DaltFilaTemps = AlcadaFranja + NombreTipusClic * (AlcadaBoto + Separacio);
constexpr int Alcada = DaltFilaTemps + AlcadaFilaTemps + Marge;
}  // namespace disseny_panell

ui::Rect RectBotoTipusClic(TipusClic tipus);
// The "-" (pas -1) and "+" (pas +1) buttons, and the place between them where the time shows.
ui::Rect RectBotoTemps(int pas);
ui::Rect RectValorTemps();
// The dwell time after one step of pas tenths, kept within [minim, maxim].
std::int32_t PasTempsRepos(std::int32_t decimes, int pas, std::int32_t minim, std::int32_t maxim);
// The dwell time as the panel shows it, in seconds with one decimal: "1,5 s".
std::string TextTempsRepos(std::int32_t decimes, char comaDecimal);
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
