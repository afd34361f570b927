// Windows drops input sent to a window of a program with higher rights: with the dwell-only
// profile nothing is injected there, and the ring says so.
#include "engine/DretsEntrada.h"
#include "overlay/Geometria.h"
#include "tests/unit/Programa.h"

namespace prova_pot_clicar {

namespace hl = ui::headless;

TEST(DretsEntradaTest, InputReachesOnlyLevelsUpToOwnUnlessUiAccess) {
  struct Cas {
    std::uint32_t propi;
    std::optional<std::uint32_t> desti;
    bool uiAccess, esperat;
  };
  const Cas casos[] = {
      {ui::IntegrityMedium, ui::IntegrityMedium, false, true},
      {ui::IntegrityMedium, ui::IntegrityLow, false, true},
      {ui::IntegrityMedium, ui::IntegrityHigh, false, false},
      {ui::IntegrityMedium, ui::IntegritySystem, false, false},
      {ui::IntegrityHigh, ui::IntegrityHigh, false, true},
      {ui::IntegrityHigh, ui::IntegritySystem, false, false},
      {ui::IntegrityMedium, ui::IntegrityHigh, true, true},
      {ui::IntegrityLow, ui::IntegrityMedium, false, false},
      // Unknown: as the program always did.
      {ui::IntegrityMedium, std::nullopt, false, true},
  };
  for (const Cas& c : casos)
    EXPECT_EQ(EsPotClicar(c.propi, c.desti, c.uiAccess), c.esperat)
        << c.propi << " " << c.desti.value_or(0) << " " << c.uiAccess;
}

TEST(DretsEntradaTest, TheCannotClickSignLeavesThePointersSpotClearAndScales) {
  for (int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    const int costat = ui::ScaleForDpi(150, dpi), c = costat / 2;
    const std::vector<TTraca> traces = TracesNoEsPotClicar(costat, dpi);
    ASSERT_EQ(traces.size(), 3u);
    const int r = ui::ScaleForDpi(RadiNoEsPotClicar, dpi);
    EXPECT_EQ(traces[0].tipus, TTraca::Tipus::Ellipse);
    EXPECT_EQ(traces[0].x1, c - r);
    EXPECT_EQ(traces[0].x2, c + r);
    for (const TTraca& t : traces) {
      EXPECT_EQ(t.color, ColorNoEsPotClicar);
      EXPECT_EQ(t.gruix, ui::ScaleForDpi(GruixNoEsPotClicar, dpi));
    }
    // The bar's halves end the hole's radius away from the centre, as far as a stroke this
    // thick may come.
    for (const TTraca& t : {traces[1], traces[2]}) {
      const int prop = std::min(std::abs(t.x1 - c), std::abs(t.x2 - c));
      EXPECT_GE(prop * 1.4142 - t.gruix / 2.0, ui::ScaleForDpi(ForatNoEsPotClicar, dpi) / 2.0);
    }
  }
}

class PotClicarTest : public ProgramaTest {
 protected:
  // Mode 1 with the ring, the profile as asked.
  void Inici(bool perfil) {
    Fitxer(std::string("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n"
                       "BoolCheckBoxTemporitzador=true\r\n[TipusClic]\r\nMostrarPanell=") +
           (perfil ? "true" : "false") + "\r\n");
    CrearFinestres();
    hl::SetCursor({1000, 700});
    Principal().MenuClicAutomaticAlEstarParatClick();
    hl::Advance(500);
  }
  // The pointer rests at p until its click; the injected input meanwhile.
  std::size_t Reposar(ui::Point p) {
    const std::size_t abans = hl::InjectedInput().size();
    hl::SetCursor(p);
    hl::Advance(700);
    return hl::InjectedInput().size() - abans;
  }
  bool SenyalDibuixat() {
    for (const hl::DrawOp& op : hl::LastPaint(Transparent()))
      if (op.kind == hl::DrawOp::Kind::Pen && op.colour == ColorNoEsPotClicar) return true;
    return false;
  }
  static constexpr ui::Point Elevada{700, 400}, Normal{1100, 400}, Desconeguda{1100, 100};
};

TEST_F(PotClicarTest, NoClickOverAWindowOfHigherRightsTheRingShowsItAndAMoveClearsIt) {
  hl::AddForeignWindow({600, 300, 900, 600}, ui::IntegrityHigh);
  hl::AddForeignWindow({1000, 300, 1300, 600}, ui::IntegrityMedium);
  hl::AddForeignWindow({1000, 0, 1300, 200}, std::nullopt);
  Inici(true);
  const std::size_t sons = hl::Beeps().size();
  EXPECT_EQ(Reposar(Elevada), 0u);
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::NoEsPotClicar);
  EXPECT_TRUE(SenyalDibuixat());
  EXPECT_TRUE(Transparent().Visible());
  EXPECT_EQ(hl::Beeps().size(), sons);
  // Still resting there: nothing more. Moved to a window of the same level: a click, and the
  // sign gone; one whose level cannot be known is clicked as always.
  EXPECT_EQ(Reposar(Elevada), 0u);
  EXPECT_EQ(Reposar(Normal), 2u);
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::Normal);
  EXPECT_FALSE(SenyalDibuixat());
  EXPECT_EQ(Reposar(Desconeguda), 2u);
  // With uiAccess Windows lets the input through.
  hl::SetOwnInputRights({ui::IntegrityMedium, true});
  EXPECT_EQ(Reposar(Elevada), 2u);
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::Normal);
}

TEST_F(PotClicarTest, WithTheProfileOffTheClickIsInjectedAsAlways) {
  hl::AddForeignWindow({600, 300, 900, 600}, ui::IntegrityHigh);
  Inici(false);
  EXPECT_EQ(Reposar(Elevada), 2u);
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::Normal);
}

}  // namespace prova_pot_clicar
