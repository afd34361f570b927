// Scrolling by dwell and the dwell time's "-" and "+" on the click-type panel: the compass's
// zones and rate, then the whole program on the headless backend over its virtual clock.
#include <algorithm>

#include "engine/Desplacament.h"
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"
#include "overlay/UnitFormBruixola.h"

namespace prova_desplacament {

namespace hl = ui::headless;

TEST(Bruixola, ZonesAndIntervalsFollowTheOffsetAtTheMonitorsScale) {
  struct Cas {
    ui::Point d;
    int dpi;
    ZonaBruixola zona;
  };
  using Z = ZonaBruixola;
  const Cas casos[] = {
      {{0, 0}, 96, Z::Centre},       {{0, -24}, 96, Z::Centre},    {{0, -25}, 96, Z::Amunt},
      {{3, 40}, 96, Z::Avall},       {{-40, 39}, 96, Z::Esquerra}, {{50, -10}, 96, Z::Dreta},
      {{30, -30}, 96, Z::Amunt},     {{0, 120}, 96, Z::Avall},     {{0, 121}, 96, Z::Fora},
      {{85, -85}, 96, Z::Fora},      {{0, -36}, 144, Z::Centre},   {{0, -37}, 144, Z::Amunt},
      {{-180, 0}, 144, Z::Esquerra}, {{-181, 0}, 144, Z::Fora},
  };
  for (const Cas& c : casos) {
    SCOPED_TRACE(std::to_string(c.d.x) + "," + std::to_string(c.d.y) + "@" + std::to_string(c.dpi));
    EXPECT_EQ(ZonaDesplacament(c.d, c.dpi), c.zona);
  }
  // Slowest at the centre's edge, fastest at the ring, never slower than 200 ms between notches.
  EXPECT_EQ(IntervalOsca({0, -24}, 96), 200);
  EXPECT_EQ(IntervalOsca({0, -72}, 96), 150);
  EXPECT_EQ(IntervalOsca({-120, 0}, 96), 100);
  EXPECT_EQ(IntervalOsca({0, 108}, 144), 150);
  std::int32_t abans = IntervalOsca({0, 0}, 96);
  for (int r = 1; r <= 130; ++r) {
    const std::int32_t ara = IntervalOsca({r, 0}, 96);
    EXPECT_LE(ara, abans) << r;
    EXPECT_TRUE(ara >= 100 && ara <= 200) << r;
    abans = ara;
  }
  // Up and right positive, as the wheel messages count them.
  EXPECT_EQ(OscaDeZona(Z::Amunt).entrada, ui::MouseWheel);
  EXPECT_EQ(OscaDeZona(Z::Amunt).quantitat, 120);
  EXPECT_EQ(OscaDeZona(Z::Avall).quantitat, -120);
  EXPECT_EQ(OscaDeZona(Z::Esquerra).entrada, ui::MouseHWheel);
  EXPECT_EQ(OscaDeZona(Z::Esquerra).quantitat, -120);
  EXPECT_EQ(OscaDeZona(Z::Dreta).quantitat, 120);
  EXPECT_EQ(OscaDeZona(Z::Centre).entrada, 0u);
  EXPECT_EQ(OscaDeZona(Z::Fora).entrada, 0u);
}

// Ten seconds of 100 ms ticks at one offset: the notches sent and the longest gap between two.
std::pair<int, int> DeuSegons(ui::Point d) {
  TDesplacament s;
  s.actiu = true;
  s.centre = s.iniciRepos = {500, 500};
  int osques = 0, darrera = 0, buit = 0;
  for (int t = 100; t <= 10000; t += 100) {
    const TPasDesplacament pas = PasDesplacament(s, {500 + d.x, 500 + d.y}, 100, 10, 10);
    EXPECT_FALSE(pas.acaba);
    if (pas.osca.entrada == 0) continue;
    ++osques;
    buit = std::max(buit, t - darrera);
    darrera = t;
  }
  return {osques, buit};
}

TEST(Bruixola, TheRateRisesFromFiveToTenASecondAndNoGapExceeds200Ms) {
  EXPECT_EQ(DeuSegons({0, -25}), (std::pair{50, 200}));
  EXPECT_EQ(DeuSegons({0, 120}), (std::pair{100, 100}));
  const auto [mig, buit] = DeuSegons({-72, 0});
  EXPECT_EQ(mig, 66);
  EXPECT_EQ(buit, 200);
}

TEST(Bruixola, OnlyARestBegunAfterAMoveInTheCentreEndsItAndLeavingTheRingEndsItAtOnce) {
  TDesplacament s;
  s.actiu = true;
  s.centre = s.iniciRepos = {500, 500};
  // The rest that set the compass goes on: it never ends it, nor does a tremor within 10 px.
  for (int i = 0; i < 50; ++i)
    ASSERT_FALSE(PasDesplacament(s, {500 + i % 2 * 8, 500}, 100, 5, 10).acaba);
  // Moved within the centre, the rest there ends it on its fifth tick.
  EXPECT_FALSE(PasDesplacament(s, {512, 510}, 100, 5, 10).acaba);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(PasDesplacament(s, {512, 510}, 100, 5, 10).acaba) << i;
  const TPasDesplacament fi = PasDesplacament(s, {512, 510}, 100, 5, 10);
  EXPECT_TRUE(fi.acaba && fi.repos && !s.actiu);
  EXPECT_EQ(fi.osca.entrada, 0u);

  TDesplacament t;
  t.actiu = true;
  t.centre = t.iniciRepos = {500, 500};
  for (int i = 0; i < 5; ++i) PasDesplacament(t, {500, 400}, 100, 5, 10);
  const TPasDesplacament fora = PasDesplacament(t, {500, 379}, 100, 5, 10);
  EXPECT_TRUE(fora.acaba && !fora.repos && !t.actiu);
  EXPECT_EQ(fora.osca.entrada, 0u);
}

constexpr int Decimes = 3;
constexpr ui::Point P{700, 400};

class DesplacamentTest : public ProgramaTest {
 protected:
  void Inici(int decimes = Decimes) {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=" + std::to_string(decimes) +
           "\r\n[TipusClic]\r\nMostrarPanell=true\r\n");
    CrearFinestres();
    hl::SetCursor({1, 1});
    Principal().MenuClicAutomaticAlEstarParatClick();
  }
  TFormTipusClic& Panell() { return *Programa().FormTipusClic(); }
  // The pointer moves to p and stays there for ms.
  void Estar(ui::Point p, unsigned ms) {
    hl::SetCursor(p);
    hl::Advance(ms);
  }
  void Reposar(ui::Point p) { Estar(p, 100 * (Parametres().DecimesTimerClickAutomatic + 4)); }
  // The injected input from index des: wheel notches as "wheel +120", anything else by flags.
  std::vector<std::string> Entrada(std::size_t des) {
    std::vector<std::string> v;
    for (std::size_t i = des; i < hl::InjectedInput().size(); ++i) {
      const hl::InjectedEvent& e = hl::InjectedInput()[i];
      const std::string signe = e.data > 0 ? "+" : "";
      v.push_back(e.flags == ui::MouseWheel    ? "wheel " + signe + std::to_string(e.data)
                  : e.flags == ui::MouseHWheel ? "hwheel " + signe + std::to_string(e.data)
                                               : "flags " + std::to_string(e.flags));
    }
    return v;
  }
  bool BruixolaVisible() {
    return Programa().FormBruixola() && Programa().FormBruixola()->Visible();
  }
};

TEST_F(DesplacamentTest, HeldOffTheCentreTheWheelTurnsEachWayUntilThePointerLeavesTheRing) {
  // A second's rest, so that a short stay in the centre does not end scrolling.
  Inici(10);
  Reposar(CentreBotoPanell(TipusClic::Desplacar));
  EXPECT_EQ(Panell().Triat(), TipusClic::Desplacar);
  // Made only now, when first wanted.
  EXPECT_EQ(Programa().FormBruixola(), nullptr);
  const std::size_t inici = hl::InjectedInput().size();
  Reposar(P);
  ASSERT_TRUE(BruixolaVisible());
  const ui::Rect b = Programa().FormBruixola()->BoundsRect();
  EXPECT_EQ((b.left + b.right) / 2, P.x);
  EXPECT_EQ((b.top + b.bottom) / 2, P.y);
  // The rest that set the compass goes on for seconds: nothing is sent, and it stays.
  Estar(P, 3000);
  EXPECT_TRUE(Entrada(inici).empty());
  EXPECT_TRUE(BruixolaVisible());

  struct Cap {
    ui::Point d;
    const char* osca;
  };
  for (const Cap& cap : {Cap{{0, -40}, "wheel +120"}, Cap{{5, 100}, "wheel -120"},
                         Cap{{-60, 0}, "hwheel -120"}, Cap{{110, 20}, "hwheel +120"}}) {
    SCOPED_TRACE(cap.osca);
    const std::size_t abans = hl::InjectedInput().size();
    Estar({P.x + cap.d.x, P.y + cap.d.y}, 1000);
    const auto e = Entrada(abans);
    EXPECT_GE(e.size(), 5u);
    EXPECT_TRUE(std::all_of(e.begin(), e.end(), [&](const std::string& s) {
      return s == cap.osca;
    })) << testing::PrintToString(e);
    // Back in the centre, it stops.
    const std::size_t centre = hl::InjectedInput().size();
    Estar({P.x + 10, P.y - 5}, 500);
    EXPECT_TRUE(Entrada(centre).empty());
  }
  // Further out is faster.
  std::size_t abans = hl::InjectedInput().size();
  Estar({P.x, P.y - 30}, 2000);
  const std::size_t aprop = hl::InjectedInput().size() - abans;
  abans = hl::InjectedInput().size();
  Estar({P.x, P.y - 115}, 2000);
  EXPECT_GT(hl::InjectedInput().size() - abans, aprop + 5);

  // Out of the ring it ends: no more notches, the compass gone, the panel back on a left click.
  abans = hl::InjectedInput().size();
  Estar({P.x, P.y - 200}, 50);
  Estar({P.x, P.y - 200}, 100);
  EXPECT_FALSE(BruixolaVisible());
  EXPECT_EQ(Panell().Triat(), TipusClic::Esquerre);
  Reposar({P.x, P.y - 200});
  EXPECT_EQ(Entrada(abans), (std::vector<std::string>{"flags 2", "flags 4"}));
}

TEST_F(DesplacamentTest, ARestInTheCentreEndsScrollingAndClicksNothingThere) {
  Inici();
  Reposar(CentreBotoPanell(TipusClic::Desplacar));
  Reposar(P);
  Estar({P.x, P.y + 60}, 1000);
  const std::size_t abans = hl::InjectedInput().size();
  ASSERT_TRUE(BruixolaVisible());
  Estar({P.x - 15, P.y + 5}, 100 * (Decimes + 1));
  EXPECT_FALSE(BruixolaVisible());
  EXPECT_EQ(Panell().Triat(), TipusClic::Esquerre);
  Estar({P.x - 15, P.y + 5}, 3000);
  EXPECT_TRUE(Entrada(abans).empty());
  // Stopping the mode while scrolling takes the compass away too.
  Reposar(CentreBotoPanell(TipusClic::Desplacar));
  Reposar(P);
  ASSERT_TRUE(BruixolaVisible());
  Principal().MenuClicAutomaticAlEstarParatClick();
  EXPECT_FALSE(BruixolaVisible());
  // And so does switching the profile off: no notch follows, only the plain dwell click.
  Principal().MenuClicAutomaticAlEstarParatClick();
  Reposar(CentreBotoPanell(TipusClic::Desplacar));
  Reposar(P);
  ASSERT_TRUE(BruixolaVisible());
  Principal().MenuPanellTipusClicClick();
  const std::size_t fora = hl::InjectedInput().size();
  Estar({P.x, P.y - 80}, 1000);
  EXPECT_FALSE(BruixolaVisible());
  EXPECT_EQ(Entrada(fora), (std::vector<std::string>{"flags 2", "flags 4"}));
}

TEST_F(DesplacamentTest, MinusAndPlusChangeTheStoredDwellTimeWithinItsRangeAndTheNextRestUsesIt) {
  Inici();
  EXPECT_EQ(Panell().TempsMostrat(), Decimes);
  Reposar(CentrePanell(RectBotoTemps(1)));
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, Decimes + 1);
  EXPECT_EQ(Panell().TempsMostrat(), Decimes + 1);
  EXPECT_NE(TextFitxer().find("DecimesTimerClickAutomatic=4\r\n"), std::string::npos);
  // Shown once the panel paints again.
  Panell().Repaint();
  const auto ops = hl::LastPaint(Panell());
  EXPECT_TRUE(
      std::any_of(ops.begin(), ops.end(), [](const hl::DrawOp& op) { return op.text == "0,4 s"; }));
  // The next rest takes four tenths, not three: the tick that sees the move, then four.
  const std::size_t abans = hl::InjectedInput().size();
  Estar(P, 400);
  EXPECT_EQ(hl::InjectedInput().size(), abans);
  Estar(P, 100);
  EXPECT_EQ(hl::InjectedInput().size(), abans + 2);
  // One rest, one step; by hand too.
  Reposar(CentrePanell(RectBotoTemps(-1)));
  Estar(CentrePanell(RectBotoTemps(-1)), 2000);
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, Decimes);
  EXPECT_TRUE(hl::Click(Panell().BotoMenys));
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, Decimes - 1);
  // Written with the others at close, under the same key.
  Principal().Close();
  EXPECT_NE(TextFitxer().find("DecimesTimerClickAutomatic=2\r\n"), std::string::npos);
}

TEST_F(DesplacamentTest, TheDwellTimeStopsAtTheEndsOfItsRange) {
  for (auto [inici, pas, esperat] : {std::tuple{1, -1, 1}, std::tuple{100, 1, 100}}) {
    SCOPED_TRACE(inici);
    TornarAComencar();
    Inici(inici);
    ASSERT_TRUE(hl::Click(pas < 0 ? Panell().BotoMenys : Panell().BotoMes));
    EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, esperat);
    EXPECT_EQ(Panell().TempsMostrat(), esperat);
  }
}

}  // namespace prova_desplacament
