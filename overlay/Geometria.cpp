#include "overlay/Geometria.h"

#include <cmath>
#include <numbers>

int ArrodonirAParell(double valor) {
  const double avall = std::floor(valor);
  const double resta = valor - avall;
  double r = avall;
  if (resta > 0.5 || (resta == 0.5 && std::fmod(avall, 2.0) != 0.0)) r = avall + 1.0;
  return static_cast<int>(r);
}

namespace {

// Sine of a whole number of degrees, exact where the value is 0, a half or 1: the library sine
// of 30 degrees lands just below 0.5, which would round an odd radius's half down instead of
// to the even neighbour.
double SinusGraus(std::int64_t graus) {
  std::int64_t g = (graus % 360 + 360) % 360;
  double signe = 1.0;
  if (g >= 180) g -= 180, signe = -1.0;
  if (g > 90) g = 180 - g;
  if (g == 0) return 0.0;
  if (g == 30) return signe * 0.5;
  if (g == 90) return signe;
  return signe * std::sin(g * std::numbers::pi / 180.0);
}

double CosinusGraus(std::int64_t graus) { return SinusGraus(graus + 90); }

TTraca Traca(TTraca::Tipus tipus, ui::Colour color, int gruix, int x1, int y1, int x2, int y2) {
  TTraca t;
  t.tipus = tipus;
  t.color = color;
  t.gruix = gruix;
  t.x1 = x1, t.y1 = y1, t.x2 = x2, t.y2 = y2;
  return t;
}

int Escalat(const TDibuixTransparent& d, int pixels) { return ui::ScaleForDpi(pixels, d.Dpi); }

void Quadre(const TDibuixTransparent& d, std::vector<TTraca>& traces) {
  const int gruix = Escalat(d, d.Gruix);
  const int h = gruix / 2;
  const int lluny = d.Costat - 1 - h;
  if (d.Rodo) {
    traces.push_back(Traca(TTraca::Tipus::Ellipse, d.ColorQuadre, gruix, h, h, lluny, lluny));
    return;
  }
  const auto costat = [&](int x1, int y1, int x2, int y2) {
    traces.push_back(Traca(TTraca::Tipus::Linia, d.ColorQuadre, gruix, x1, y1, x2, y2));
  };
  costat(h, h, h, lluny);
  costat(h, lluny, lluny, lluny);
  costat(lluny, lluny, lluny, h);
  costat(lluny, h, h, h);
}

// From twelve o'clock clockwise, one spoke every 2 degrees up to and including the sweep.
void Radis(const TDibuixTransparent& d, std::vector<TTraca>& traces) {
  const int c = d.Costat / 2 - 1;
  const int r1 = d.Costat / 2 - Escalat(d, d.Gruix) + Escalat(d, 2);
  const int r2 = d.Costat / 2 - Escalat(d, 4);
  const int gruix = Escalat(d, GruixRadis);
  const ui::Colour color = d.Anell == EstatAnell::NoEsObjectiu ? ColorAnellNoObjectiu : ColorRadis;
  // A wide counter, so that no sweep can overflow it.
  for (std::int64_t i = 0; i <= d.Angle; i += GrausEntreRadis) {
    const double s = SinusGraus(i);
    const double co = CosinusGraus(i);
    traces.push_back(Traca(TTraca::Tipus::Linia, color, gruix, c + ArrodonirAParell(r1 * s),
                           c - ArrodonirAParell(r1 * co), c + ArrodonirAParell(r2 * s),
                           c - ArrodonirAParell(r2 * co)));
  }
}

void Arc(const TDibuixTransparent& d, std::vector<TTraca>& traces) {
  const int c = d.Costat / 2;
  const int radi = Escalat(d, RadiArc);
  const ui::Colour color =
      d.Anell == EstatAnell::NoEsObjectiu ? ColorAnellNoObjectiu : d.ColorTemporitzador;
  TTraca t = Traca(TTraca::Tipus::Arc, color, Escalat(d, GruixArc), c - radi, c - radi, c + radi,
                   c + radi);
  t.x3 = c + ArrodonirAParell(radi * SinusGraus(d.Angle));
  t.y3 = c - ArrodonirAParell(radi * CosinusGraus(d.Angle));
  t.x4 = c;
  t.y4 = c - Escalat(d, AlcadaFinalArc);
  traces.push_back(t);
}

// Two pieces on the diagonal, each from just outside the white middle to the band's outer edge.
void Ratlla(const TDibuixTransparent& d, std::vector<TTraca>& traces) {
  const int c = d.Costat / 2;
  const int gruix = Escalat(d, GruixRatlla);
  const int interior = Escalat(d, RadiArc - GruixArc / 2) + gruix;
  const int exterior = Escalat(d, RadiArc + GruixArc / 2);
  const double diagonal = SinusGraus(45);
  const int a = ArrodonirAParell(interior * diagonal), b = ArrodonirAParell(exterior * diagonal);
  traces.push_back(
      Traca(TTraca::Tipus::Linia, ColorRatllaNoObjectiu, gruix, c - b, c - b, c - a, c - a));
  traces.push_back(
      Traca(TTraca::Tipus::Linia, ColorRatllaNoObjectiu, gruix, c + a, c + a, c + b, c + b));
}

}  // namespace

std::vector<TTraca> TracesTransparent(const TDibuixTransparent& d) {
  std::vector<TTraca> traces;
  if (d.MostrarQuadre) Quadre(d, traces);
  if (d.Angle >= 1) {
    if (d.MostrarQuadre && d.Rodo)
      Radis(d, traces);
    else
      Arc(d, traces);
  }
  if (d.Anell == EstatAnell::NoEsObjectiu) Ratlla(d, traces);
  return traces;
}

std::vector<TTraca> TracesNoEsPotClicar(int costat, int dpi) {
  const int c = costat / 2;
  const int r = ui::ScaleForDpi(RadiNoEsPotClicar, dpi);
  const int gruix = ui::ScaleForDpi(GruixNoEsPotClicar, dpi);
  // The bar runs from the upper left to the lower right at 45 degrees, in two halves.
  const int dins = ArrodonirAParell(ui::ScaleForDpi(ForatNoEsPotClicar, dpi) * SinusGraus(45));
  const int fora = ArrodonirAParell(r * SinusGraus(45));
  return {Traca(TTraca::Tipus::Ellipse, ColorNoEsPotClicar, gruix, c - r, c - r, c + r, c + r),
          Traca(TTraca::Tipus::Linia, ColorNoEsPotClicar, gruix, c - fora, c - fora, c - dins,
                c - dins),
          Traca(TTraca::Tipus::Linia, ColorNoEsPotClicar, gruix, c + dins, c + dins, c + fora,
                c + fora)};
}
