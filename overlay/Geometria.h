// What the overlay draws, as plain strokes in window coordinates: the tracking frame and the
// countdown ring. Kept apart from the window so that every pixel position can be checked.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/EstatMotor.h"
#include "ui/ui.h"

// Everything a paint depends on, read afresh from the settings and the engine state each time.
struct TDibuixTransparent {
  int Costat = 150;  // side of the square window
  int Gruix = 10;    // frame thickness
  bool MostrarQuadre = false;
  bool Rodo = false;
  std::int32_t Angle = 0;  // ring sweep in degrees
  ui::Colour ColorQuadre = ui::clRed;
  ui::Colour ColorTemporitzador = ui::clRed;
  // On a point that is no target the ring turns grey and a stroke crosses it.
  EstatAnell Anell = EstatAnell::Normal;
  // The side is the window's, in its own pixels; the thickness and the ring's measures are
  // given at 96 dpi and drawn at this one.
  int Dpi = ui::kDefaultDpi;
};

struct TTraca {
  enum class Tipus { Linia, Ellipse, Arc };
  Tipus tipus = Tipus::Linia;
  ui::Colour color = ui::clBlack;
  int gruix = 1;
  // Linia: from (x1, y1) to (x2, y2). Ellipse: the box. Arc: the box, then a point on the start
  // radial (x3, y3) and one on the end radial (x4, y4), drawn counter-clockwise between them.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
  friend bool operator==(const TTraca&, const TTraca&) = default;
};

// Spokes on a round frame, whatever the ring's own colour.
constexpr ui::Colour ColorRadis = ui::clGreen;
constexpr int GruixRadis = 3;
constexpr int GrausEntreRadis = 2;
// The ring in the middle of the window: radius 24 and pen 20 cover radii 14 to 34, which
// leaves the pointer's spot white and so the injected click goes through.
constexpr int RadiArc = 24;
constexpr int GruixArc = 20;
constexpr int AlcadaFinalArc = 10;  // the end radial is given by a point this far above the centre
// No target: the ring and the spokes in grey, and across the ring's band, from top left to
// bottom right, a black stroke broken in the middle, so that the pointer's spot stays white.
constexpr ui::Colour ColorAnellNoObjectiu = ui::clGray;
constexpr ui::Colour ColorRatllaNoObjectiu = ui::clBlack;
constexpr int GruixRatlla = 4;

// Nearest integer, halves to the even neighbour, whatever the floating-point rounding mode.
int ArrodonirAParell(double valor);

// The strokes of one paint, in drawing order: the frame, then the ring (spokes on a round
// frame, otherwise an arc), then the stroke of a point that is no target, drawn whatever the
// sweep. A sweep below 1 draws no ring. At a whole turn the arc's two radials
// coincide, which GDI draws as the complete circle; above a turn only the part past it shows.
std::vector<TTraca> TracesTransparent(const TDibuixTransparent& d);

// The ring's "cannot click here" state: a rest where Windows would drop the click. A dark ring
// crossed by a bar, the pointer's spot left clear, around the window's centre; its measures are
// given at 96 dpi.
constexpr ui::Colour ColorNoEsPotClicar = 0x404040;
constexpr int GruixNoEsPotClicar = 6;
constexpr int RadiNoEsPotClicar = 24;
constexpr int ForatNoEsPotClicar = 8;  // no stroke this near the centre
std::vector<TTraca> TracesNoEsPotClicar(int costat, int dpi);
