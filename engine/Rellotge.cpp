#include "engine/Rellotge.h"

#include <cmath>
#include <cstdlib>

bool HaMogut(ui::Point abans, ui::Point ara, std::int32_t tolerancia) {
  return std::abs(abans.x - ara.x) > tolerancia || std::abs(abans.y - ara.y) > tolerancia;
}

std::int32_t ToleranciaRepos(std::int32_t pixels, int dpi) { return ui::ScaleForDpi(pixels, dpi); }

TMesuraRepos MesurarRepos(ui::Point origen, ui::Point ara, std::int32_t tolerancia,
                          bool desDeLInici) {
  const bool mogut = HaMogut(origen, ara, tolerancia);
  return {mogut, mogut || !desDeLInici ? ara : origen};
}

std::int32_t AngleAnell(std::int32_t N, std::int32_t n) {
  constexpr std::int32_t kVoltaSencera = 360;
  if (N == 0) return kVoltaSencera;  // the formula would divide by zero
  // nearbyint rounds halves to even under the default rounding mode.
  return static_cast<std::int32_t>(
      std::nearbyint(static_cast<double>((N - n + 1) * kVoltaSencera) / N));
}
