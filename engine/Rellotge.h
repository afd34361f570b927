// The engine's pure decisions: rest between two samples and the ring's sweep.
#pragma once

#include <cstdint>

#include "ui/ui.h"

// Moved when either axis differs by more than the tolerance; exactly the tolerance is rest.
bool HaMogut(ui::Point abans, ui::Point ara, std::int32_t tolerancia);

// The ring's sweep in degrees with the count at n of N: (N - n + 1) * 360 / N, rounded to the
// nearest integer with halves to even. N = 0 (allowed for mode 2) gives a full turn.
std::int32_t AngleAnell(std::int32_t N, std::int32_t n);
