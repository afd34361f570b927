// The engine's pure decisions: rest between two samples, where a rest is measured from, and the
// ring's sweep.
#pragma once

#include <cstdint>

#include "ui/ui.h"

// Moved when either axis differs by more than the tolerance; exactly the tolerance is rest.
bool HaMogut(ui::Point abans, ui::Point ara, std::int32_t tolerancia);

// The tolerance of a rest in the pixels of a monitor of dpi: the setting is for 96 dpi, and a
// hand or head trembles as far on a sharper screen.
std::int32_t ToleranciaRepos(std::int32_t pixels, int dpi);

// One sample of a rest measured from origen. Tick by tick, each sample becomes the next one's
// origin, so a slow glide counts as resting. From where the rest began (desDeLInici), the origin
// stays while the pointer is within the tolerance of it, as HaMogut measures; a sample beyond it
// has moved and begins a new rest there.
struct TMesuraRepos {
  bool mogut = false;
  ui::Point origen;  // the next sample's
};
TMesuraRepos MesurarRepos(ui::Point origen, ui::Point ara, std::int32_t tolerancia,
                          bool desDeLInici);

// The ring's sweep in degrees with the count at n of N: (N - n + 1) * 360 / N, rounded to the
// nearest integer with halves to even. N = 0 (allowed for mode 2) gives a full turn.
std::int32_t AngleAnell(std::int32_t N, std::int32_t n);
