// The ring on a point that is no dwell target: grey, and crossed by a stroke that leaves the
// pointer's spot clear.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "overlay/Geometria.h"

namespace {

using Tipus = TTraca::Tipus;

TDibuixTransparent Dibuix(EstatAnell anell, int angle, int dpi = ui::kDefaultDpi) {
  TDibuixTransparent d;
  d.Costat = ui::ScaleForDpi(150, dpi), d.Dpi = dpi, d.Angle = angle, d.Anell = anell;
  d.ColorTemporitzador = ui::clRed;
  return d;
}

TTraca Linia(ui::Colour c, int g, int x1, int y1, int x2, int y2) {
  TTraca t;
  t.tipus = Tipus::Linia, t.color = c, t.gruix = g;
  t.x1 = x1, t.y1 = y1, t.x2 = x2, t.y2 = y2;
  return t;
}

// Nearest distance from (cx, cy) to the segment of a line stroke.
double Distancia(const TTraca& t, double cx, double cy) {
  const double dx = t.x2 - t.x1, dy = t.y2 - t.y1;
  double u = ((cx - t.x1) * dx + (cy - t.y1) * dy) / (dx * dx + dy * dy);
  u = std::fmax(0.0, std::fmin(1.0, u));
  return std::hypot(t.x1 + u * dx - cx, t.y1 + u * dy - cy);
}

TEST(OverlayNoObjectiu, TheRingTurnsGreyAndAStrokeCrossesItWithTheMiddleLeftClear) {
  // At 150 pixels: the same arc in grey, then the two pieces of the stroke on the diagonal.
  const std::vector<TTraca> normal = TracesTransparent(Dibuix(EstatAnell::Normal, 180));
  const std::vector<TTraca> no = TracesTransparent(Dibuix(EstatAnell::NoEsObjectiu, 180));
  ASSERT_EQ(normal.size(), 1u);
  ASSERT_EQ(no.size(), 3u);
  TTraca gris = normal[0];
  gris.color = ui::clGray;
  EXPECT_EQ(no[0], gris);
  EXPECT_EQ(no[1], Linia(ui::clBlack, 4, 51, 51, 62, 62));
  EXPECT_EQ(no[2], Linia(ui::clBlack, 4, 88, 88, 99, 99));

  // The stroke shows with no sweep too; a point that is a target has none.
  EXPECT_EQ(TracesTransparent(Dibuix(EstatAnell::NoEsObjectiu, 0)),
            (std::vector<TTraca>{no[1], no[2]}));
  EXPECT_TRUE(TracesTransparent(Dibuix(EstatAnell::Normal, 0)).empty());

  // Spokes on a round frame turn grey as well.
  TDibuixTransparent rodo = Dibuix(EstatAnell::NoEsObjectiu, 4);
  rodo.MostrarQuadre = rodo.Rodo = true;
  for (const TTraca& t : TracesTransparent(rodo)) {
    if (t.tipus == Tipus::Linia && t.color != ui::clBlack) {
      EXPECT_EQ(t.color, ui::clGray);
    }
  }

  // At every scale the stroke, pen included, stays off the white middle through which the
  // click goes, and reaches the ring's outer edge.
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const TDibuixTransparent d = Dibuix(EstatAnell::NoEsObjectiu, 0, dpi);
    const double c = d.Costat / 2;
    const double blanc = ui::ScaleForDpi(RadiArc - GruixArc / 2, dpi);
    const double exterior = ui::ScaleForDpi(RadiArc + GruixArc / 2, dpi);
    for (const TTraca& t : TracesTransparent(d)) {
      EXPECT_GT(Distancia(t, c, c) - t.gruix / 2.0, blanc);
      const double lluny =
          std::fmax(std::hypot(t.x1 - c, t.y1 - c), std::hypot(t.x2 - c, t.y2 - c));
      EXPECT_NEAR(lluny, exterior, 1.5);
    }
  }
}

}  // namespace
