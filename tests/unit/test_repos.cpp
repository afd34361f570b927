// A rest measured from where it began, with the dwell-only profile on: a slow glide is no rest,
// a tremor around one point is one.
#include "engine/Rellotge.h"
#include "tests/unit/Programa.h"

namespace prova_repos {

namespace hl = ui::headless;

// Ticks of a count of n tenths passed with the pointer at each sample in turn, as the dwell
// measures them: how many times the count ran out.
int Clics(const std::vector<ui::Point>& mostres, std::int32_t tol, bool desDeLInici, int n) {
  int clics = 0, quiet = 0;
  ui::Point origen = mostres.front();
  for (const ui::Point& p : mostres) {
    const TMesuraRepos m = MesurarRepos(origen, p, tol, desDeLInici);
    quiet = m.mogut ? 0 : quiet + 1;
    if (quiet == n) ++clics;
    origen = m.origen;
  }
  return clics;
}

TEST(Repos, FromWhereItBeganAGlideNeverRestsWhileTickByTickItDoes) {
  constexpr int Ticks = 60;  // six seconds of 100 ms ticks
  for (const int velocitat : {30, 60, 90}) {
    SCOPED_TRACE(velocitat);
    std::vector<ui::Point> lliscar, diagonal;
    for (int t = 0; t < Ticks; ++t) {
      lliscar.push_back({100 + velocitat * t / 10, 300});
      diagonal.push_back({100 + velocitat * t / 14, 300 - velocitat * t / 14});
    }
    EXPECT_EQ(Clics(lliscar, 10, true, 10), 0);
    EXPECT_EQ(Clics(diagonal, 10, true, 10), 0);
    EXPECT_GT(Clics(lliscar, 10, false, 10), 0);  // what the profile mends
  }
  // A tremor of half the tolerance either way, on both axes, rests from its first sample on.
  std::vector<ui::Point> tremolor;
  const ui::Point desp[] = {{5, 5}, {-5, -5}, {5, -5}, {-5, 5}, {0, 3}, {-4, -5}};
  for (int t = 0; t < Ticks; ++t) tremolor.push_back({400 + desp[t % 6].x, 300 + desp[t % 6].y});
  EXPECT_EQ(Clics(tremolor, 10, true, 10), 1);
  // One pixel beyond the tolerance from where it began is a new rest there.
  const TMesuraRepos fora = MesurarRepos({400, 300}, {389, 305}, 10, true);
  EXPECT_TRUE(fora.mogut);
  EXPECT_EQ(fora.origen, (ui::Point{389, 305}));
  EXPECT_EQ(MesurarRepos({400, 300}, {390, 310}, 10, true).origen, (ui::Point{400, 300}));
  // The setting is for 96 dpi.
  EXPECT_EQ(ToleranciaRepos(10, 96), 10);
  EXPECT_EQ(ToleranciaRepos(10, 144), 15);
  EXPECT_EQ(ToleranciaRepos(10, 192), 20);
}

class ReposTest : public ProgramaTest {
 protected:
  // Mode 1 with the default rest (a second, 10 pixels) and the profile on or off.
  void Inici(bool perfil) {
    Fitxer(std::string("[Parametres]\r\n") +
           (perfil ? "[TipusClic]\r\nMostrarPanell=true\r\n" : ""));
    CrearFinestres();
    hl::SetCursor({400, 300});
    Principal().MenuClicAutomaticAlEstarParatClick();
  }
  // The pointer at where(t) every 10 ms for ms milliseconds of virtual time.
  template <typename F>
  void Moure(unsigned ms, F where) {
    for (unsigned t = 0; t < ms; t += 10) {
      hl::SetCursor(where(t));
      hl::Advance(10);
    }
  }
  static int Premudes() {
    int n = 0;
    for (const auto& e : hl::InjectedInput()) n += e.flags == ui::MouseLeftDown;
    return n;
  }
  // A glide of 60 pixels a second over 360 pixels from (400, 300), then a rest at its end:
  // the clicks during the glide and those of the rest.
  std::pair<int, int> LliscarIReposar() {
    Moure(6000, [](unsigned t) { return ui::Point{400 + static_cast<int>(t) * 60 / 1000, 300}; });
    const int lliscant = Premudes();
    hl::Advance(1500);
    return {lliscant, Premudes() - lliscant};
  }
};

TEST_F(ReposTest, WithTheProfileAGlideMakesNoClickAndTheRestAfterItOne) {
  Inici(true);
  EXPECT_EQ(LliscarIReposar(), std::make_pair(0, 1));
  // A tremor of half the tolerance around one point for three seconds clicks once.
  const ui::Point desp[] = {{5, 5}, {-5, -5}, {5, -5}, {-5, 5}, {0, 3}, {-4, -5}};
  Moure(3000, [&](unsigned t) {
    const ui::Point d = desp[(t / 30) % 6];
    return ui::Point{600 + d.x, 500 + d.y};
  });
  EXPECT_EQ(Premudes(), 2);
}

TEST_F(ReposTest, WithoutTheProfileTheGlideClicksShortOfItsEndAsBefore) {
  Inici(false);
  EXPECT_EQ(LliscarIReposar(), std::make_pair(1, 0));
}

TEST_F(ReposTest, TheToleranceFollowsTheDpiOfTheMonitorUnderThePointer) {
  hl::SetMonitors({{{0, 0, 1366, 768}, {0, 0, 1366, 728}, 96},
                   {{-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}, 192}});
  Inici(true);
  // 16 pixels apart: a tremor at 192 dpi, a move at 96.
  const auto tremolor = [](ui::Point c) {
    return [c](unsigned t) { return ui::Point{c.x + ((t / 30) % 2 ? 8 : -8), c.y}; };
  };
  Moure(3000, tremolor({-900, 500}));
  EXPECT_EQ(Premudes(), 1);
  Moure(3000, tremolor({700, 500}));
  EXPECT_EQ(Premudes(), 1);
}

}  // namespace prova_repos
