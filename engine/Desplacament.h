// Scrolling by dwell: a rest with "Desplaçar" chosen on the panel sets a compass at that point;
// holding the pointer off its centre sends wheel notches to the window under it, faster further
// out. Plain decisions here; the engine keeps the state and injects.
#pragma once

#include <cstdint>

#include "ui/ui.h"

// Where the pointer lies around the compass's centre.
enum class ZonaBruixola { Centre, Amunt, Avall, Esquerra, Dreta, Fora };

namespace mides_bruixola {
// Radii at 96 dpi: the dead centre, and the outer ring beyond which scrolling ends.
constexpr int RadiCentre = 24;
constexpr int RadiAnell = 120;
// Time between notches: at the centre's edge, and at the ring.
constexpr std::int32_t MsLent = 200;
constexpr std::int32_t MsRapid = 100;
}  // namespace mides_bruixola

// The zone of a pointer at offset d from the compass's centre, on a monitor of this dpi. The
// axis the pointer is further along wins; a tie goes to up or down, the usual scroll.
ZonaBruixola ZonaDesplacament(ui::Point d, int dpi);
// Milliseconds between notches at offset d: MsLent at the centre's edge falling evenly to
// MsRapid at the ring.
std::int32_t IntervalOsca(ui::Point d, int dpi);

// One notch for a zone: the mouse_event flag and its signed amount (up and right positive, as
// the wheel messages count them). No notch for the centre or outside the ring.
struct TOsca {
  unsigned entrada = 0;
  std::int32_t quantitat = 0;
};
TOsca OscaDeZona(ZonaBruixola zona);

// The state between ticks of the dwell timer while the compass is up.
struct TDesplacament {
  bool actiu = false;
  ui::Point centre;
  int dpi = ui::kDefaultDpi;
  // Milliseconds gathered towards the next notch; below the interval after each notch.
  std::int32_t acumulat = 0;
  // Where the pointer's present rest began and how many ticks it has lasted; none count
  // until the pointer has moved once since the compass was set.
  ui::Point iniciRepos;
  std::int32_t ticsRepos = 0;
  bool mogut = false;
};

// What a tick does: the notch to send (entrada 0 for none), whether scrolling ends, and
// whether it ends by a rest in the centre rather than by leaving the ring.
struct TPasDesplacament {
  TOsca osca;
  bool acaba = false;
  bool repos = false;
};

// One tick of tic milliseconds with the pointer at c. A rest in the centre ends it after
// decimes ticks within tolerancia pixels of where the rest began, as a dwell click would come.
TPasDesplacament PasDesplacament(TDesplacament& d, ui::Point c, std::int32_t tic,
                                 std::int32_t decimes, std::int32_t tolerancia);
