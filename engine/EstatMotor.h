// What the click engine keeps between timer ticks and hook reports.
#pragma once

#include <cstdint>

#include "engine/VigilanciaHooks.h"
#include "ui/ui.h"

// What the ring says of the point it is drawn around: a rest there clicks, or it lands on one of
// the program's own windows and clicks nothing, or Windows would drop a click there.
enum class EstatAnell { Normal, NoEsObjectiu, NoEsPotClicar };

struct TEstatMotor {
  // Sweep of the countdown ring in degrees; below 1 no ring is drawn.
  std::int32_t AngleTemporitzador = 0;
  // Colour of the ring and of the label digits while mode 1 or 2 is armed.
  ui::Colour ColorTemporitzador = ui::clRed;
  // Only the dwell-only profile ever sets it off Normal.
  EstatAnell Anell = EstatAnell::Normal;
  ui::Point PosicioMouse;
  ui::Point PosicioMouseAnterior;
  bool ClicFet = false;
  bool SeguintMoviment = false;
  // False while a dialog opened from the menu is up: the frame's move hook waits for it.
  bool PermetHookMouseMove = true;
  // What the hooks were asked for, and whether they still report.
  TVigilanciaHooks Hooks;
};
