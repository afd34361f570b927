#include "tipusclic/DibuixosTipusClic.h"

#include <algorithm>
#include <optional>

namespace {

constexpr ui::Colour Cara = 0xE8E8E8;
constexpr ui::Colour CaraPremuda = 0xF0D8B0;      // a light blue: the type in force
constexpr ui::Colour CaraArrossegant = 0x40C0FF;  // amber: a press is being held
constexpr ui::Colour Llum = ui::clWhite;
constexpr ui::Colour Ombra = 0x606060;
constexpr ui::Colour Tinta = 0x202020;
constexpr ui::Colour BotoDestacat = 0xD07020;  // the mouse button that is pressed, in blue
constexpr ui::Colour Vora = ui::clRed;
constexpr int AlcadaText = 20;
constexpr int Bisell = 2;

// A raised face has its light edges on the top and left; a sunken one the other way round.
void DibuixarBisell(ui::Canvas& c, int w, int h, bool enfonsat) {
  const ui::Colour dalt = enfonsat ? Ombra : Llum;
  const ui::Colour baix = enfonsat ? Llum : Ombra;
  for (int i = 0; i < Bisell; ++i) {
    c.SetPen(dalt, 1);
    c.MoveTo(i, h - 1 - i);
    c.LineTo(i, i);
    c.LineTo(w - 1 - i, i);
    c.SetPen(baix, 1);
    c.LineTo(w - 1 - i, h - 1 - i);
    c.LineTo(i, h - 1 - i);
  }
}

// A mouse seen from above, its left or right button or neither filled, in the box.
void DibuixarRatoli(ui::Canvas& c, ui::Rect r, std::optional<bool> esquerre) {
  const int mig = (r.left + r.right) / 2;
  const int botons = r.top + r.Height() * 2 / 5;
  c.SetPen(Tinta, 2);
  c.SetBrush(ui::clWhite);
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  if (esquerre) {
    c.SetPen(ui::clNone, 1);
    c.SetBrush(BotoDestacat);
    if (*esquerre)
      c.Rectangle(r.left + 1, r.top + 1, mig + 1, botons + 1);
    else
      c.Rectangle(mig, r.top + 1, r.right, botons + 1);
  }
  c.SetPen(Tinta, 2);
  c.MoveTo(r.left, botons);
  c.LineTo(r.right, botons);
  c.MoveTo(mig, r.top);
  c.LineTo(mig, botons);
}

void DibuixarFletxa(ui::Canvas& c, int x1, int x2, int y) {
  c.SetPen(Tinta, 3);
  c.MoveTo(x1, y);
  c.LineTo(x2 - 6, y);
  c.SetPen(Tinta, 1);
  c.SetBrush(Tinta);
  c.Polygon({{x2 - 8, y - 6}, {x2, y}, {x2 - 8, y + 6}});
}

void DibuixarDibuix(ui::Canvas& c, ui::Rect zona, TipusClic tipus) {
  const int cx = (zona.left + zona.right) / 2;
  const int ratoliW = 22, ratoliH = std::min(34, zona.Height() - 4);
  const int top = zona.top + (zona.Height() - ratoliH) / 2;
  const ui::Rect centrat{cx - ratoliW / 2, top, cx + ratoliW / 2, top + ratoliH};
  const ui::Rect aLaDreta{cx - ratoliW - 2, top, cx - 2, top + ratoliH};
  switch (tipus) {
    case TipusClic::Esquerre: DibuixarRatoli(c, centrat, true); break;
    case TipusClic::Dret: DibuixarRatoli(c, centrat, false); break;
    case TipusClic::Doble:
      DibuixarRatoli(c, aLaDreta, true);
      c.Text({cx, top, cx + 30, top + ratoliH}, "x2", ui::Font{"Arial", 18, true, BotoDestacat});
      break;
    case TipusClic::Arrossegar:
      DibuixarRatoli(c, aLaDreta, true);
      DibuixarFletxa(c, cx + 2, cx + 30, top + ratoliH / 2);
      break;
    case TipusClic::Pausa: {
      const int barra = 8, entre = 8;
      c.SetPen(ui::clNone, 1);
      c.SetBrush(Tinta);
      c.Rectangle(cx - entre / 2 - barra, top + 2, cx - entre / 2, top + ratoliH - 2);
      c.Rectangle(cx + entre / 2, top + 2, cx + entre / 2 + barra, top + ratoliH - 2);
      break;
    }
  }
}

}  // namespace

void DibuixarBotoTipusClic(ui::Canvas& c, int w, int h, TipusClic tipus, AspecteBoto aspecte,
                           const std::string& text) {
  const bool enfonsat = aspecte != AspecteBoto::Normal;
  c.SetPen(ui::clNone, 1);
  c.SetBrush(aspecte == AspecteBoto::Normal   ? Cara
             : aspecte == AspecteBoto::Premut ? CaraPremuda
                                              : CaraArrossegant);
  c.Rectangle(0, 0, w + 1, h + 1);
  DibuixarBisell(c, w, h, enfonsat);
  if (aspecte == AspecteBoto::Arrossegant) {
    c.SetPen(Vora, 3);
    c.SetBrush(ui::clNone);
    c.Rectangle(Bisell + 1, Bisell + 1, w - Bisell - 1, h - Bisell - 1);
  }
  // Pressed in, the face moves a pixel down and to the right, as a real button does.
  const int d = enfonsat ? 1 : 0;
  DibuixarDibuix(c, {Bisell + d, Bisell + 2 + d, w - Bisell + d, h - AlcadaText + d}, tipus);
  c.Text({d, h - AlcadaText - 2 + d, w + d, h - 2 + d}, text, ui::Font{"Arial", 14, true, Tinta});
}

void DibuixarFonsPanell(ui::Canvas& c, int w, int h) {
  c.SetPen(Ombra, 1);
  c.SetBrush(ui::clNone);
  c.Rectangle(0, 0, w, h);
  // Ridges across the strip say "hold here to move".
  for (int y = 5; y < disseny_panell::AlcadaFranja - 3; y += 4) {
    c.SetPen(Llum, 1);
    c.MoveTo(8, y);
    c.LineTo(w - 8, y);
    c.SetPen(Ombra, 1);
    c.MoveTo(8, y + 1);
    c.LineTo(w - 8, y + 1);
  }
}
