#include <algorithm>

#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

using Op = ui::headless::DrawOp;
using Kind = Op::Kind;

Op Pen(ui::Colour c, int w) { return {Kind::Pen, c, w, {}, {}, {}}; }
Op At(Kind k, std::array<int, 8> a) { return {k, 0, 0, a, {}, {}}; }

class OverlayTest : public ProgramaTest {
 protected:
  TFormTransparent& T() { return Transparent(); }
  const std::vector<Op>& Pintat() { return ui::headless::LastPaint(T()); }
  long Comptar(Kind k) {
    return std::count_if(Pintat().begin(), Pintat().end(),
                         [&](const Op& o) { return o.kind == k; });
  }
};

TEST_F(OverlayTest, CreatedHiddenAtTheStoredSizeColourKeyedAndBelowTheMainWindow) {
  Inici("AmpladaQuadreDeSeguiment=301\r\n");
  EXPECT_FALSE(T().Visible());
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{571, 234, 571 + 301, 234 + 301}));
  EXPECT_EQ(ui::headless::ColourKey(T()), ui::clWhite);
  const auto& alcats = ui::headless::TopMostRaises();
  ASSERT_GE(alcats.size(), 2u);
  EXPECT_EQ(alcats[alcats.size() - 2], T().Handle());
  EXPECT_EQ(alcats.back(), Principal().Handle());
}

TEST_F(OverlayTest, CentresWithIntegerHalvesAndReachesPastTheScreensEdge) {
  Inici("AmpladaQuadreDeSeguiment=151\r\n");
  T().CentrarEnPosicio(100, 200);
  EXPECT_TRUE(T().Visible());
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{25, 125, 176, 276}));
  EXPECT_EQ(ui::headless::TopMostRaises().back(), T().Handle());
  T().CentrarEnPosicio(-3, 5);
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{-78, -70, 73, 81}));
  T().SetState(ui::WindowState::Minimised);
  T().CentrarEnPosicio(1365, 767);
  EXPECT_EQ(T().State(), ui::WindowState::Normal);
  EXPECT_EQ(T().BoundsRect().left, 1365 - 75);
}

TEST_F(OverlayTest, EachReportedMoveIsOneWindowMoveThatAlsoRaisesTheFrame) {
  Inici();
  Principal().MenuMostrarQuadreDeSeguimentDelMouseClick();  // the frame follows the pointer
  ui::headless::Advance(1000);
  ASSERT_TRUE(ui::headless::hook::MoveHookInstalled());
  const int movesPrincipal = ui::headless::WindowMoves(Principal());
  for (int x : {300, 310, 320}) {
    const int moves = ui::headless::WindowMoves(T());
    const std::size_t alcats = ui::headless::TopMostRaises().size();
    ui::headless::SetCursor({x, 200});
    ASSERT_TRUE(ui::headless::hook::Report(hook::EventMouseMove));
    ui::ProcessMessages();
    EXPECT_TRUE(T().Visible());
    EXPECT_EQ(T().BoundsRect(), (ui::Rect{x - 75, 125, x + 75, 275}));
    EXPECT_EQ(ui::headless::WindowMoves(T()), moves + 1);
    ASSERT_EQ(ui::headless::TopMostRaises().size(), alcats + 1);
    EXPECT_EQ(ui::headless::TopMostRaises().back(), T().Handle());
  }
  EXPECT_EQ(ui::headless::WindowMoves(Principal()), movesPrincipal);
}

TEST_F(OverlayTest, PaintsTheSquareFrameAsOneMoveAndFourLines) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\nColorQuadreSeguiment=16711680\r\n");
  T().CentrarEnPosicio(400, 300);
  const std::vector<Op> esperat{Pen(ui::clBlue, 10),        At(Kind::MoveTo, {5, 5}),
                                At(Kind::LineTo, {5, 144}), At(Kind::LineTo, {144, 144}),
                                At(Kind::LineTo, {144, 5}), At(Kind::LineTo, {5, 5})};
  EXPECT_EQ(Pintat(), esperat);
  // Each paint reads the settings afresh, and a resized window paints at its new size.
  Parametres().GruixudariaQuadreDeSeguiment = 4;
  T().SetSize(300, 300);
  T().Repaint();
  EXPECT_EQ(Pintat()[0], Pen(ui::clBlue, 4));
  EXPECT_EQ(Pintat()[3], At(Kind::LineTo, {297, 297}));
}

TEST_F(OverlayTest, PaintsTheRingFromTheEngineStateEachTime) {
  Inici();
  T().CentrarEnPosicio(400, 300);
  EXPECT_TRUE(Pintat().empty());  // mode 0 off and no countdown: nothing but white
  EstatMotor().AngleTemporitzador = 90;
  EstatMotor().ColorTemporitzador = ui::clGreen;
  T().Repaint();
  const std::vector<Op> esperat{Pen(ui::clGreen, 20),
                                At(Kind::Arc, {51, 51, 99, 99, 99, 75, 75, 65})};
  EXPECT_EQ(Pintat(), esperat);
  EstatMotor().AngleTemporitzador = 0;
  T().Repaint();
  EXPECT_TRUE(Pintat().empty());
}

TEST_F(OverlayTest, PaintsSpokesOnTheRoundFrame) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\nBoolQuadreSeguimentRodo=true\r\n");
  EstatMotor().AngleTemporitzador = 36;
  T().CentrarEnPosicio(400, 300);
  ASSERT_GE(Pintat().size(), 5u);
  const std::vector<Op> inici{Pen(ui::clRed, 10), At(Kind::Ellipse, {5, 5, 144, 144}),
                              Pen(ui::clGreen, 3), At(Kind::MoveTo, {74, 7}),
                              At(Kind::LineTo, {74, 3})};
  EXPECT_EQ(std::vector<Op>(Pintat().begin(), Pintat().begin() + 5), inici);
  // Every spoke is a move and a line, all with the one pen: 0, 2, ..., 36.
  EXPECT_EQ(Comptar(Kind::MoveTo), 19);
  EXPECT_EQ(Pintat().size(), 3u + 2 * 19);
}

}  // namespace
