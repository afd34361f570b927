#include "overlay/UnitFormBruixola.h"

#include <utility>

#include "engine/Desplacament.h"

namespace {

// Sizes at 96 dpi. The window holds the outer ring with a margin for its pen.
constexpr int Marge = 4;
constexpr int CostatDisseny = 2 * (mides_bruixola::RadiAnell + Marge);
constexpr int GruixAnell = 3;
constexpr int PuntaFletxa = 16;
constexpr int AlaFletxa = 12;
constexpr ui::Colour Transparent = ui::clWhite;
constexpr ui::Colour ColorAnell = 0x804020;   // a dark blue
constexpr ui::Colour ColorFletxa = 0x202020;  // the panel's ink
constexpr ui::Colour ColorCentre = 0x40C0FF;  // the panel's amber

ui::FormStyle EstilBruixola() {
  ui::FormStyle s;
  s.className = "TFormBruixola";
  s.caption = "FormBruixola";
  s.bounds = {0, 0, CostatDisseny, CostatDisseny};
  s.frame = ui::FormStyle::Frame::Popup;
  s.overlay = true;
  s.topMost = true;
  s.background = Transparent;
  return s;
}

// An arrowhead at distance d from the centre (cx, cy), pointing out along (dx, dy).
void Fletxa(ui::Canvas& c, int cx, int cy, int d, int dx, int dy, int punta, int ala) {
  const int px = cx + dx * d, py = cy + dy * d;
  const int bx = px - dx * punta, by = py - dy * punta;
  c.Polygon({{px, py}, {bx + dy * ala, by + dx * ala}, {bx - dy * ala, by - dx * ala}});
}

}  // namespace

TFormBruixola::TFormBruixola() : ui::Form(EstilBruixola()) {}

int TFormBruixola::Costat() const { return Scale(CostatDisseny); }

void TFormBruixola::FormCreate() {
  SetColourKey(Transparent);
  SetSize(Costat(), Costat());
}

void TFormBruixola::CentrarEnPosicio(ui::Point c) {
  SetPositionTopMost(c.x - Width() / 2, c.y - Height() / 2);
  // On a monitor of another scale the window took that scale on the way: size it afresh.
  if (Width() != Costat()) SetBounds(c.x - Costat() / 2, c.y - Costat() / 2, Costat(), Costat());
  Show();
}

void TFormBruixola::FormDpiChanged(ui::Rect) {
  const ui::Rect r = BoundsRect();
  const int migX = r.left + r.Width() / 2, migY = r.top + r.Height() / 2;
  SetBounds(migX - Costat() / 2, migY - Costat() / 2, Costat(), Costat());
}

void TFormBruixola::FormPaint(ui::Canvas& canvas) {
  using namespace mides_bruixola;
  const int cx = Width() / 2, cy = Height() / 2;
  const int anell = Scale(RadiAnell), centre = Scale(RadiCentre);
  canvas.SetBrush(ui::clNone);
  canvas.SetPen(ColorAnell, Scale(GruixAnell));
  canvas.Ellipse(cx - anell, cy - anell, cx + anell, cy + anell);
  canvas.SetPen(ColorAnell, Scale(2));
  canvas.SetBrush(ColorCentre);
  canvas.Ellipse(cx - centre, cy - centre, cx + centre, cy + centre);
  // The arrows halfway between the centre and the ring, where scrolling has begun to speed up.
  const int d = (anell + centre) / 2 + Scale(PuntaFletxa) / 2;
  canvas.SetPen(ColorFletxa, 1);
  canvas.SetBrush(ColorFletxa);
  for (auto [dx, dy] : {std::pair{0, -1}, std::pair{0, 1}, std::pair{-1, 0}, std::pair{1, 0}})
    Fletxa(canvas, cx, cy, d, dx, dy, Scale(PuntaFletxa), Scale(AlaFletxa));
}
