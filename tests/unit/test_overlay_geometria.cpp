#include <gtest/gtest.h>

#include <vector>

#include "overlay/Geometria.h"

namespace {

using Tipus = TTraca::Tipus;

std::vector<TTraca> Traces(int costat, int gruix, bool quadre, bool rodo, int angle) {
  TDibuixTransparent d;
  d.Costat = costat, d.Gruix = gruix, d.MostrarQuadre = quadre, d.Rodo = rodo, d.Angle = angle;
  d.ColorQuadre = ui::clBlue;
  d.ColorTemporitzador = ui::clRed;
  return TracesTransparent(d);
}

TTraca T(Tipus tipus, ui::Colour c, int g, std::vector<int> p) {
  p.resize(8);
  TTraca t;
  t.tipus = tipus, t.color = c, t.gruix = g;
  t.x1 = p[0], t.y1 = p[1], t.x2 = p[2], t.y2 = p[3], t.x3 = p[4], t.y3 = p[5], t.x4 = p[6],
  t.y4 = p[7];
  return t;
}
TTraca Radi(std::vector<int> p) { return T(Tipus::Linia, ui::clGreen, 3, std::move(p)); }

TEST(OverlayGeometria, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(ArrodonirAParell(67.5), 68);
  EXPECT_EQ(ArrodonirAParell(112.5), 112);
  EXPECT_EQ(ArrodonirAParell(-0.5), 0);
  EXPECT_EQ(ArrodonirAParell(-1.5), -2);
  EXPECT_EQ(ArrodonirAParell(2.5001), 3);
}

TEST(OverlayGeometria, FrameLiesHalfAPenInsideTheEdges) {
  const std::vector<TTraca> quadre{T(Tipus::Linia, ui::clBlue, 10, {5, 5, 5, 144}),
                                   T(Tipus::Linia, ui::clBlue, 10, {5, 144, 144, 144}),
                                   T(Tipus::Linia, ui::clBlue, 10, {144, 144, 144, 5}),
                                   T(Tipus::Linia, ui::clBlue, 10, {144, 5, 5, 5})};
  EXPECT_EQ(Traces(150, 10, true, false, 0), quadre);
  // h = G div 2 for an odd pen; a 1-pixel pen runs on the window's last pixels.
  EXPECT_EQ(Traces(151, 7, true, false, 0)[1], T(Tipus::Linia, ui::clBlue, 7, {3, 147, 147, 147}));
  EXPECT_EQ(Traces(50, 1, true, false, 0)[2], T(Tipus::Linia, ui::clBlue, 1, {49, 49, 49, 0}));
  EXPECT_EQ(Traces(150, 10, true, true, 0),
            (std::vector<TTraca>{T(Tipus::Ellipse, ui::clBlue, 10, {5, 5, 144, 144})}));
}

TEST(OverlayGeometria, NoRingBelowOneDegreeAndNoFrameWithModeZeroOff) {
  EXPECT_EQ(Traces(150, 10, true, true, -5).size(), 1u);
  EXPECT_TRUE(Traces(150, 10, false, true, 0).empty());
  // With the frame off a round frame setting still gives the arc, not spokes.
  const auto anell = Traces(150, 10, false, true, 90);
  ASSERT_EQ(anell.size(), 1u);
  EXPECT_EQ(anell[0].tipus, Tipus::Arc);
}

TEST(OverlayGeometria, SpokesRunClockwiseFromTwelveEveryTwoDegreesUpToTheSweep) {
  // S = 150, G = 10: centre 74, radii 67 and 71; green whatever the ring's colour.
  const auto t = Traces(150, 10, true, true, 91);
  ASSERT_EQ(t.size(), 1u + 46u);  // the circle, then i = 0, 2, ..., 90
  EXPECT_EQ(t[1], Radi({74, 7, 74, 3}));
  EXPECT_EQ(t[2], Radi({76, 7, 76, 3}));
  EXPECT_EQ(t[46], Radi({141, 74, 145, 74}));
  // 30 degrees: 67 / 2 and 71 / 2 are halves, rounded to 34 and 36.
  EXPECT_EQ(t[16], Radi({108, 16, 110, 13}));
  EXPECT_EQ(Traces(150, 10, true, true, 2).size(), 3u);
  const auto volta = Traces(150, 10, true, true, 396);
  ASSERT_EQ(volta.size(), 1u + 199u);
  EXPECT_EQ(volta[181], volta[1]);  // 360 degrees is twelve o'clock again
}

TEST(OverlayGeometria, SpokeHalvesGoToEvenOnBothSidesAndBothAxes) {
  // S = 278, G = 6: centre 138, both radii 135, so 30 and 210 degrees give +-67.5 on x.
  const auto a = Traces(278, 6, true, true, 210);
  EXPECT_EQ(a[1 + 15].x1, 138 + 68);
  EXPECT_EQ(a[1 + 105].x1, 138 - 68);
  // S = 458, G = 6: both radii 225; 112.5 goes down to 112 on y at 60 degrees.
  EXPECT_EQ(Traces(458, 6, true, true, 60)[1 + 30].y2, 228 - 112);
}

TEST(OverlayGeometria, ArcRunsFromTheSweepsRadialBackToTwelveOClock) {
  EXPECT_EQ(Traces(150, 10, false, false, 90),
            (std::vector<TTraca>{T(Tipus::Arc, ui::clRed, 20, {51, 51, 99, 99, 99, 75, 75, 65})}));
  // 36 degrees starts at (75 + round(14.1), 75 - round(19.4)); 396 shows only the 36 past the turn.
  const auto a36 = Traces(150, 10, false, false, 36)[0];
  EXPECT_EQ((std::vector<int>{a36.x3, a36.y3}), (std::vector<int>{89, 56}));
  EXPECT_EQ(Traces(150, 10, false, false, 396)[0], a36);
  // A whole turn puts the start on the end's radial, which GDI draws as the complete circle.
  for (int angle : {360, 720}) {
    const auto v = Traces(150, 10, false, false, angle)[0];
    EXPECT_EQ((std::vector<int>{v.x3, v.y3, v.x4}), (std::vector<int>{75, 51, 75})) << angle;
  }
  // Behind a square frame, centred on S div 2 of an odd side.
  const auto ambQuadre = Traces(151, 10, true, false, 90);
  ASSERT_EQ(ambQuadre.size(), 5u);
  EXPECT_EQ(ambQuadre[4].x1, 75 - 24);
}

}  // namespace
