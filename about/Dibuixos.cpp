// Simple vector drawings: a few shapes each, scaled to the control so a change of size in
// the window's layout needs no change here; pens and margins scale with the canvas's dpi.
#include "about/Dibuixos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using ui::Canvas;
using ui::Colour;
using ui::Point;

constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

constexpr Colour Vermell = Rgb(0xE0, 0x20, 0x20);
constexpr Colour Negre = Rgb(0x10, 0x10, 0x10);
constexpr Colour Blanc = ui::clWhite;
constexpr Colour Blau = Rgb(0x10, 0x30, 0xA0);
constexpr Colour Groc = Rgb(0xFF, 0xD8, 0x30);
constexpr Colour Taronja = Rgb(0xF0, 0x90, 0x20);
constexpr Colour Gris = Rgb(0x70, 0x70, 0x70);
constexpr Colour GrisClar = Rgb(0xE8, 0xE8, 0xE8);
constexpr Colour Verd = Rgb(0x20, 0x90, 0x40);

constexpr const char* Lletra = "Comic Sans MS";

// The pointer arrow on a 12 x 21 grid, tip at the origin.
constexpr std::array<std::array<double, 2>, 7> Fletxa{
    {{0, 0}, {0, 17}, {4, 13}, {7, 20}, {9, 19}, {6, 12}, {11, 12}}};
constexpr double AmpladaFletxa = 11, AlcadaFletxa = 20;

// Maps grid points to the control: an origin and a scale.
struct Escala {
  double x0, y0, s;
  Point operator()(double x, double y) const {
    return {static_cast<int>(std::lround(x0 + x * s)), static_cast<int>(std::lround(y0 + y * s))};
  }
  int L(double d) const { return static_cast<int>(std::lround(d * s)); }
};

std::vector<Point> PuntsFletxa(const Escala& e) {
  std::vector<Point> punts;
  for (const auto& p : Fletxa) punts.push_back(e(p[0], p[1]));
  return punts;
}

void Cercle(Canvas& c, Point centre, int radi) {
  c.Ellipse(centre.x - radi, centre.y - radi, centre.x + radi + 1, centre.y + radi + 1);
}

void Linia(Canvas& c, Point a, Point b) {
  c.MoveTo(a.x, a.y);
  c.LineTo(b.x, b.y);
}

void Text(Canvas& c, int left, int top, int right, int bottom, const std::string& text, int alcada,
          bool negreta, Colour color) {
  c.Text({left, top, right, bottom}, text, ui::Font{Lletra, alcada, negreta, color});
}

}  // namespace

void DibuixarOrella(Canvas& c, int w, int h) {
  // The program's icon: a red tracking frame around a black pointer.
  const int costat = std::min(w, h), gruix = std::max(c.Scale(2), costat / 10);
  c.SetPen(ui::clNone, 0);
  c.SetBrush(Vermell);
  c.Rectangle(0, 0, costat, costat);
  c.SetBrush(Blanc);
  c.Rectangle(gruix, gruix, costat - gruix, costat - gruix);
  const double s = (costat - 4.0 * gruix) / AlcadaFletxa;
  c.SetPen(Negre, c.Scale(1));
  c.SetBrush(Negre);
  c.Polygon(PuntsFletxa({costat / 2.0 - AmpladaFletxa * s / 2, 2.0 * gruix, s}));
}

void DibuixarBisell(Canvas& c, int w, int h) {
  // Light from the top left: white above and left, grey below and right; one pixel wide at
  // 96 dpi, a line more for each further step of scale.
  for (int i = 0; i < c.Scale(1); ++i) {
    c.SetPen(Blanc, 1);
    Linia(c, {i, h - 1 - i}, {i, i});
    Linia(c, {i, i}, {w - 1 - i, i});
    c.SetPen(Gris, 1);
    Linia(c, {w - 1 - i, i}, {w - 1 - i, h - 1 - i});
    Linia(c, {w - 1 - i, h - 1 - i}, {i, h - 1 - i});
  }
}

void DibuixarProjecte(Canvas& c, int w, int h) {
  // A pointer inside the countdown ring, then the name.
  const int radi = std::min(h / 2 - c.Scale(4), w / 6);
  const Point centre{radi + c.Scale(6), h / 2};
  c.SetPen(GrisClar, std::max(c.Scale(3), radi / 6));
  c.SetBrush(ui::clNone);
  Cercle(c, centre, radi);
  c.SetPen(Vermell, std::max(c.Scale(3), radi / 6));
  // Three quarters of the ring run, counter-clockwise from the top.
  c.Arc(centre.x - radi, centre.y - radi, centre.x + radi + 1, centre.y + radi + 1, centre.x,
        centre.y - radi, centre.x + radi, centre.y);
  const double s = radi * 1.3 / AlcadaFletxa;
  c.SetPen(Negre, c.Scale(2));
  c.SetBrush(Blanc);
  c.Polygon(PuntsFletxa({centre.x - AmpladaFletxa * s / 3, centre.y - AlcadaFletxa * s / 2, s}));
  const int esquerra = centre.x + radi + c.Scale(4);
  Text(c, esquerra, 0, w, h * 2 / 3, "Pelvoro", h * 2 / 7, true, Blau);
  Text(c, esquerra, h / 2, w, h - c.Scale(4), "clics per a tothom", h / 8, false, Negre);
}

void DibuixarMarca(Canvas& c, int w, int h) {
  // A badge with cut corners, a star on it and the label's name.
  const int tall = std::min(w, h) / 6, m = c.Scale(6);
  c.SetPen(Blau, c.Scale(2));
  c.SetBrush(Blau);
  c.Polygon({{m + tall, m},
             {w - m - tall, m},
             {w - m, m + tall},
             {w - m, h - m - tall},
             {w - m - tall, h - m},
             {m + tall, h - m},
             {m, h - m - tall},
             {m, m + tall}});
  c.SetPen(Blanc, c.Scale(1));
  c.SetBrush(ui::clNone);
  c.Rectangle(m + tall / 2, m + tall / 2, w - m - tall / 2, h - m - tall / 2);
  // A five-pointed star above the name.
  const Point centre{w / 2, m + tall + h / 8};
  const double radi = h / 9.0;
  std::vector<Point> estrella;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 ? radi * 0.45 : radi;
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    estrella.push_back({centre.x + static_cast<int>(std::lround(r * std::cos(a))),
                        centre.y + static_cast<int>(std::lround(r * std::sin(a)))});
  }
  c.SetPen(Groc, c.Scale(1));
  c.SetBrush(Groc);
  c.Polygon(estrella);
  Text(c, m, h / 2 - h / 12, w - m, h / 2 + h / 12, "EQUIP", h / 8, true, Blanc);
  Text(c, m, h / 2 + h / 14, w - m, h - m - tall / 2, "PELVORO", h / 5, true, Groc);
}

void DibuixarInteligencia(Canvas& c, int w, int h) {
  // A lit bulb with its rays, over a line of text.
  const int radi = h * 2 / 9;
  const Point centre{w / 2, h * 2 / 5};
  c.SetPen(Taronja, c.Scale(3));
  for (int i = 0; i < 8; ++i) {
    const double a = -std::numbers::pi + i * std::numbers::pi / 7;  // the upper half, left to right
    const auto punt = [&](double r) {
      return Point{centre.x + static_cast<int>(std::lround(r * std::cos(a))),
                   centre.y + static_cast<int>(std::lround(r * std::sin(a)))};
    };
    Linia(c, punt(radi * 1.3), punt(radi * 1.7));
  }
  c.SetPen(Negre, c.Scale(2));
  c.SetBrush(Groc);
  Cercle(c, centre, radi);
  c.SetBrush(Gris);
  const int base = centre.y + radi - c.Scale(2), ample = radi * 2 / 3;
  c.Rectangle(centre.x - ample / 2, base, centre.x + ample / 2, base + radi / 3);
  c.Rectangle(centre.x - ample / 3, base + radi / 3, centre.x + ample / 3, base + radi / 2);
  c.SetPen(Taronja, c.Scale(2));
  Linia(c, {centre.x - radi / 4, base}, {centre.x, centre.y});
  Linia(c, {centre.x, centre.y}, {centre.x + radi / 4, base});
  Text(c, 0, h - h / 5, w, h - c.Scale(2), "Enginy al servei de tothom", h / 12, true, Verd);
}

void DibuixarDedicatoria(Canvas& c, int w, int h) {
  // A heart and two lines of dedication.
  const int r = h / 7;
  const Point cor{w / 2, h / 8 + r};
  c.SetPen(Vermell, c.Scale(1));
  c.SetBrush(Vermell);
  Cercle(c, {cor.x - r + 1, cor.y}, r);
  Cercle(c, {cor.x + r - 1, cor.y}, r);
  c.Polygon({{cor.x - 2 * r + 1, cor.y + r / 3},
             {cor.x + 2 * r - 1, cor.y + r / 3},
             {cor.x, cor.y + 2 * r + r / 2}});
  const int linia = h / 6;
  const int dalt = cor.y + 2 * r + r / 2 + c.Scale(4);
  Text(c, 0, dalt, w, dalt + linia, "Per a totes les persones", h / 9, true, Blau);
  Text(c, 0, dalt + linia, w, dalt + 2 * linia, "que fan clic a la seva manera", h / 11, false,
       Negre);
}

void DibuixarSorpresa(Canvas& c, int w, int h) {
  // The pointer as a little figure: face, arms, legs and a greeting.
  const double s = std::min(w * 0.62 / AmpladaFletxa, h * 0.66 / AlcadaFletxa);
  const Escala e{w / 2.0 - AmpladaFletxa * s * 0.45, h * 0.12, s};
  c.SetPen(Negre, c.Scale(3));
  // Legs and shoes first, so the body stands on them.
  Linia(c, e(7.2, 19.5), e(6.3, 23.5));
  Linia(c, e(8.6, 19), e(9.8, 23.3));
  c.SetBrush(Vermell);
  c.Ellipse(e(4.8, 23).x, e(4.8, 23).y, e(7, 24.4).x, e(7, 24.4).y);
  c.Ellipse(e(9.2, 22.8).x, e(9.2, 22.8).y, e(11.4, 24.2).x, e(11.4, 24.2).y);
  // One arm waves, the other rests.
  Linia(c, e(0, 10), e(-1.8, 6.5));
  Linia(c, e(8, 12), e(10.3, 15.5));
  c.SetBrush(Blanc);
  Cercle(c, e(-1.8, 6.1), e.L(0.8));
  Cercle(c, e(10.5, 15.9), e.L(0.8));
  c.SetBrush(Blanc);
  c.Polygon(PuntsFletxa(e));
  // The face, in the wide part of the arrow.
  c.SetBrush(Negre);
  Cercle(c, e(2.0, 8.6), e.L(0.45));
  Cercle(c, e(4.3, 8.6), e.L(0.45));
  c.SetPen(Vermell, c.Scale(3));
  c.SetBrush(ui::clNone);
  const Point a = e(1.5, 8.8), b = e(4.8, 11.4);
  // Counter-clockwise from the left end to the right one: the lower half, a smile.
  c.Arc(a.x, a.y, b.x, b.y, a.x, (a.y + b.y) / 2, b.x, (a.y + b.y) / 2);
  // A speech bubble at the top right.
  c.SetPen(Blau, c.Scale(2));
  c.SetBrush(Blanc);
  const int vora = c.Scale(4);
  const int bx = w / 2 + vora, by = vora, bw = w / 2 - c.Scale(10), bh = h / 9;
  c.Ellipse(bx, by, bx + bw, by + bh);
  c.Polygon({{bx + bw / 4, by + bh - vora},
             {bx + bw / 2, by + bh - vora},
             {bx + bw / 5, by + bh + bh / 3}});
  Text(c, bx, by, bx + bw, by + bh, "Hola!", bh / 2, true, Blau);
}
