#include "tipusclic/DibuixosTipusClic.h"

#include <algorithm>
#include <optional>

// Every size below is for a 96-dpi screen; the canvas scales it to the button's dpi.
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
constexpr int AlcadaLletra = 14;
constexpr int AlcadaLletraDoble = 18;
constexpr int AlcadaLletraTemps = 26;
constexpr int AlcadaLletraValor = 13;
constexpr int AmpladaRatoli = 22;
constexpr int AlcadaRatoli = 34;

// A raised face has its light edges on the top and left; a sunken one the other way round.
void DibuixarBisell(ui::Canvas& c, int w, int h, bool enfonsat) {
  const ui::Colour dalt = enfonsat ? Ombra : Llum;
  const ui::Colour baix = enfonsat ? Llum : Ombra;
  for (int i = 0; i < c.Scale(Bisell); ++i) {
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
  const int u = c.Scale(1);
  c.SetPen(Tinta, c.Scale(2));
  c.SetBrush(ui::clWhite);
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  if (esquerre) {
    c.SetPen(ui::clNone, 1);
    c.SetBrush(BotoDestacat);
    if (*esquerre)
      c.Rectangle(r.left + u, r.top + u, mig + u, botons + u);
    else
      c.Rectangle(mig, r.top + u, r.right, botons + u);
  }
  c.SetPen(Tinta, c.Scale(2));
  c.MoveTo(r.left, botons);
  c.LineTo(r.right, botons);
  c.MoveTo(mig, r.top);
  c.LineTo(mig, botons);
}

void DibuixarFletxa(ui::Canvas& c, int x1, int x2, int y) {
  c.SetPen(Tinta, c.Scale(3));
  c.MoveTo(x1, y);
  c.LineTo(x2 - c.Scale(6), y);
  c.SetPen(Tinta, c.Scale(1));
  c.SetBrush(Tinta);
  const int punta = c.Scale(8), ala = c.Scale(6);
  c.Polygon({{x2 - punta, y - ala}, {x2, y}, {x2 - punta, y + ala}});
}

// Four arrowheads around a dot: the compass a rest sets, and the wheel's four ways.
void DibuixarBruixola(ui::Canvas& c, int cx, int cy, int radi) {
  const int punta = c.Scale(7), ala = c.Scale(6), punt = c.Scale(3);
  c.SetPen(Tinta, c.Scale(1));
  c.SetBrush(Tinta);
  c.Polygon({{cx, cy - radi}, {cx - ala, cy - radi + punta}, {cx + ala, cy - radi + punta}});
  c.Polygon({{cx, cy + radi}, {cx - ala, cy + radi - punta}, {cx + ala, cy + radi - punta}});
  c.Polygon({{cx - radi, cy}, {cx - radi + punta, cy - ala}, {cx - radi + punta, cy + ala}});
  c.Polygon({{cx + radi, cy}, {cx + radi - punta, cy - ala}, {cx + radi - punta, cy + ala}});
  c.Rectangle(cx - punt, cy - punt, cx + punt, cy + punt);
}

void DibuixarDibuix(ui::Canvas& c, ui::Rect zona, TipusClic tipus) {
  const int cx = (zona.left + zona.right) / 2;
  const int ratoliW = c.Scale(AmpladaRatoli);
  const int ratoliH = std::min(c.Scale(AlcadaRatoli), zona.Height() - c.Scale(4));
  const int top = zona.top + (zona.Height() - ratoliH) / 2;
  const int entre = c.Scale(2), lluny = c.Scale(30);
  const ui::Rect centrat{cx - ratoliW / 2, top, cx + ratoliW / 2, top + ratoliH};
  const ui::Rect aLaDreta{cx - ratoliW - entre, top, cx - entre, top + ratoliH};
  switch (tipus) {
    case TipusClic::Esquerre: DibuixarRatoli(c, centrat, true); break;
    case TipusClic::Dret: DibuixarRatoli(c, centrat, false); break;
    case TipusClic::Doble:
      DibuixarRatoli(c, aLaDreta, true);
      c.Text({cx, top, cx + lluny, top + ratoliH}, "x2",
             ui::Font{"Arial", c.Scale(AlcadaLletraDoble), true, BotoDestacat});
      break;
    case TipusClic::Arrossegar:
      DibuixarRatoli(c, aLaDreta, true);
      DibuixarFletxa(c, cx + entre, cx + lluny, top + ratoliH / 2);
      break;
    case TipusClic::Desplacar: DibuixarBruixola(c, cx, top + ratoliH / 2, ratoliH / 2); break;
    case TipusClic::Pausa: {
      const int barra = c.Scale(8), buit = c.Scale(8);
      c.SetPen(ui::clNone, 1);
      c.SetBrush(Tinta);
      c.Rectangle(cx - buit / 2 - barra, top + entre, cx - buit / 2, top + ratoliH - entre);
      c.Rectangle(cx + buit / 2, top + entre, cx + buit / 2 + barra, top + ratoliH - entre);
      break;
    }
  }
}

}  // namespace

void DibuixarBotoTipusClic(ui::Canvas& c, int w, int h, TipusClic tipus, AspecteBoto aspecte,
                           const std::string& text) {
  const bool enfonsat = aspecte != AspecteBoto::Normal;
  const int bisell = c.Scale(Bisell), alcadaText = c.Scale(AlcadaText);
  c.SetPen(ui::clNone, 1);
  c.SetBrush(aspecte == AspecteBoto::Normal   ? Cara
             : aspecte == AspecteBoto::Premut ? CaraPremuda
                                              : CaraArrossegant);
  c.Rectangle(0, 0, w + 1, h + 1);
  DibuixarBisell(c, w, h, enfonsat);
  if (aspecte == AspecteBoto::Arrossegant) {
    const int u = c.Scale(1);
    c.SetPen(Vora, c.Scale(3));
    c.SetBrush(ui::clNone);
    c.Rectangle(bisell + u, bisell + u, w - bisell - u, h - bisell - u);
  }
  // Pressed in, the face moves a pixel down and to the right, as a real button does.
  const int d = enfonsat ? c.Scale(1) : 0;
  DibuixarDibuix(c, {bisell + d, bisell + c.Scale(2) + d, w - bisell + d, h - alcadaText + d},
                 tipus);
  c.Text({d, h - alcadaText - c.Scale(2) + d, w + d, h - c.Scale(2) + d}, text,
         ui::Font{"Arial", c.Scale(AlcadaLletra), true, Tinta});
}

void DibuixarBotoTemps(ui::Canvas& c, int w, int h, const std::string& text) {
  c.SetPen(ui::clNone, 1);
  c.SetBrush(Cara);
  c.Rectangle(0, 0, w + 1, h + 1);
  DibuixarBisell(c, w, h, false);
  c.Text({0, 0, w, h}, text, ui::Font{"Arial", c.Scale(AlcadaLletraTemps), true, Tinta});
}

void DibuixarValorTemps(ui::Canvas& c, ui::Rect lloc, const std::string& text) {
  c.Text(lloc, text, ui::Font{"Arial", c.Scale(AlcadaLletraValor), true, Tinta});
}

void DibuixarFonsPanell(ui::Canvas& c, int w, int h) {
  c.SetPen(Ombra, 1);
  c.SetBrush(ui::clNone);
  c.Rectangle(0, 0, w, h);
  // Ridges across the strip say "hold here to move".
  const int vora = c.Scale(8);
  for (int y = c.Scale(5); y < c.Scale(disseny_panell::AlcadaFranja - 3); y += c.Scale(4)) {
    c.SetPen(Llum, 1);
    c.MoveTo(vora, y);
    c.LineTo(w - vora, y);
    c.SetPen(Ombra, 1);
    c.MoveTo(vora, y + 1);
    c.LineTo(w - vora, y + 1);
  }
}
