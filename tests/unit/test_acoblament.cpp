// The dwell-only profile's column: the main window joins the panel, and against an edge the two
// are held as a desktop toolbar while the profile is on.
#include "app/Columna.h"
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"

namespace prova_acoblament {

namespace hl = ui::headless;
using Calls = std::vector<std::string>;
using ui::ScreenEdge;

constexpr ui::Size Principal96{118, 150};
constexpr ui::Rect Monitor{0, 0, 1366, 768};
constexpr ui::Rect Treball{0, 0, 1366, 728};  // a task bar 40 high at the bottom

TEST(ColumnaTest, TheMainWindowGoesAboveBelowOrBesideThePanelAndTheRightEdgeLeavesTheCorner) {
  // Against an edge: within 8 pixels at 96 dpi, 12 at 144, of the monitor or its work area.
  const ui::MonitorAreas m{Monitor, {60, 0, 1366, 728}};
  EXPECT_EQ(VoraTocada(m, {0, 190, 108, 578}, 96), ScreenEdge::Left);
  EXPECT_EQ(VoraTocada(m, {68, 190, 176, 578}, 96), ScreenEdge::Left);
  EXPECT_EQ(VoraTocada(m, {9, 190, 117, 578}, 96), std::nullopt);
  EXPECT_EQ(VoraTocada(m, {9, 190, 117, 578}, 144), ScreenEdge::Left);
  EXPECT_EQ(VoraTocada(m, {1250, 190, 1358, 578}, 96), ScreenEdge::Right);
  EXPECT_EQ(VoraTocada(m, {400, 0, 508, 388}, 96), std::nullopt);
  EXPECT_EQ(RectColumna(Monitor, ScreenEdge::Left, 118), (ui::Rect{0, 0, 118, 768}));
  EXPECT_EQ(RectColumna({0, 0, 1300, 700}, ScreenEdge::Right, 118), (ui::Rect{1182, 0, 1300, 700}));

  struct Cas {
    const char* nom;
    ui::Rect panell;
    std::optional<ScreenEdge> vora;
    ui::Rect columna;
    ui::Point principal, panellDesprés;
    int amplada;
  };
  const Cas casos[] = {
      {"left, room above",
       {0, 190, 108, 578},
       ScreenEdge::Left,
       {0, 0, 118, 768},
       {0, 40},
       {0, 190},
       118},
      {"left, at the top: below",
       {0, 0, 108, 388},
       ScreenEdge::Left,
       {0, 0, 118, 768},
       {0, 388},
       {0, 0},
       118},
      {"left, beyond the work area: raised",
       {0, 500, 108, 888},
       ScreenEdge::Left,
       {0, 0, 118, 768},
       {0, 190},
       {0, 340},
       118},
      {"left, beside a task bar on the left",
       {5, 190, 113, 578},
       ScreenEdge::Left,
       {60, 0, 178, 768},
       {60, 40},
       {60, 190},
       118},
      // At the right edge the panel comes down under the caption buttons' band, the main window
      // below it, against the edge.
      {"right, at the top",
       {1258, 0, 1366, 388},
       ScreenEdge::Right,
       {1248, 0, 1366, 768},
       {1248, 428},
       {1258, 40},
       118},
      {"right, room above the panel",
       {1258, 300, 1366, 688},
       ScreenEdge::Right,
       {1248, 0, 1366, 768},
       {1248, 150},
       {1258, 300},
       118},
      {"left, too tall for both: beside",
       {0, 64, 108, 704},
       ScreenEdge::Left,
       {0, 0, 226, 768},
       {108, 64},
       {0, 64},
       226},
      {"left, no room above or below but the edge's height: the panel moves down",
       {0, 100, 108, 600},
       ScreenEdge::Left,
       {0, 0, 118, 768},
       {0, 0},
       {0, 150},
       118},
      {"right, too tall for both: beside",
       {1258, 79, 1366, 689},
       ScreenEdge::Right,
       {1140, 0, 1366, 768},
       {1140, 79},
       {1258, 79},
       226},
      {"away from the edges: joined, not moved",
       {300, 200, 408, 588},
       std::nullopt,
       Monitor,
       {300, 50},
       {300, 200},
       118},
  };
  for (const Cas& cas : casos) {
    SCOPED_TRACE(cas.nom);
    const TLlocsColumna llocs =
        LlocsColumna(cas.panell, Principal96, Treball, cas.vora, cas.columna, 96);
    EXPECT_EQ(llocs.principal, cas.principal);
    EXPECT_EQ(llocs.panell, cas.panellDesprés);
    EXPECT_EQ(AmpladaLlocs(llocs, Principal96, {108, cas.panell.Height()}), cas.amplada);
  }
  // At 144 dpi the band is 60 pixels.
  const TLlocsColumna gran = LlocsColumna({1204, 0, 1366, 582}, {177, 225}, Treball,
                                          ScreenEdge::Right, {1189, 0, 1366, 768}, 144);
  EXPECT_EQ(gran.panell, (ui::Point{1204, 60}));
}

class AcoblamentTest : public ProgramaTest {
 protected:
  void Inici(const std::string& tipusClic) {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n[TipusClic]\r\n" + tipusClic);
    CrearFinestres();
  }
  TFormTipusClic& P() { return *Programa().FormTipusClic(); }
  void Perfil() { hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic); }
  ui::Point Lloc(const ui::Form& f) { return {f.BoundsRect().left, f.BoundsRect().top}; }
  Calls Treure() {
    Calls c = hl::AppBarCalls();
    hl::ClearAppBarCalls();
    return c;
  }
  const ui::Point DaltADreta{1366 - 118, 0};
};

TEST_F(AcoblamentTest, TheProfileHoldsTheColumnAsADesktopToolbarAndGivesItBack) {
  // Off: nothing asked of the system, the main window at the top right.
  Inici("");
  EXPECT_EQ(Lloc(Principal()), DaltADreta);
  EXPECT_EQ(Treure(), Calls{});
  EXPECT_EQ(ui::MonitorNear(Monitor).work, Monitor);

  // On: the panel first stands at the left edge; the main window joins it, and the strip is
  // held, so the work area (where windows maximise) starts beside it.
  Perfil();
  // The panel, centred, leaves no room above or below it: it moves down for the main window.
  ASSERT_LT((768 - P().Height()) / 2, 150);
  const int dalt = 150;
  EXPECT_EQ(Treure(),
            (Calls{"ABM_NEW", "ABM_QUERYPOS left 0 0 118 768", "ABM_SETPOS left 0 0 118 768"}));
  EXPECT_EQ(Lloc(P()), (ui::Point{0, dalt}));
  EXPECT_EQ(Lloc(Principal()), (ui::Point{0, dalt - 150}));
  EXPECT_EQ(ui::MonitorNear(Monitor).work, (ui::Rect{118, 0, 1366, 768}));

  // The system asks the bars to take their places again: asked and held again.
  hl::NotifyAppBars();
  hl::Advance(10);
  EXPECT_EQ(Treure(), (Calls{"ABM_QUERYPOS left 0 0 118 768", "ABM_SETPOS left 0 0 118 768"}));

  // Off again: given back, the main window at the top right, the whole screen to work on.
  Perfil();
  EXPECT_EQ(Treure(), Calls{"ABM_REMOVE"});
  EXPECT_EQ(Lloc(Principal()), DaltADreta);
  EXPECT_EQ(ui::MonitorNear(Monitor).work, Monitor);
  Perfil();
  EXPECT_EQ(Treure().size(), 3u);

  // The carer drags the panel to the right edge: the column goes there, under the band, and
  // stays there at the next start; at the close the strip is given back.
  const ui::Rect r = P().BoundsRect();
  Principal().MenuClicAutomaticAlEstarParatClick();
  hl::DragForm(P(), {r.left + 10, r.top + 5}, {r.left + 2000, r.top + 5});
  EXPECT_EQ(Treure(), (Calls{"ABM_REMOVE", "ABM_NEW", "ABM_QUERYPOS right 1248 0 1366 768",
                             "ABM_SETPOS right 1248 0 1366 768"}));
  EXPECT_EQ(Lloc(P()), (ui::Point{1366 - 108, dalt + 40}));
  EXPECT_EQ(Lloc(Principal()), (ui::Point{1248, 40}));
  EXPECT_EQ(ui::MonitorNear(Monitor).work, (ui::Rect{0, 0, 1248, 768}));
  Principal().Close();
  EXPECT_EQ(Treure(), Calls{"ABM_REMOVE"});
  DestruirFinestres();
  CrearFinestres();
  EXPECT_EQ(Treure(), (Calls{"ABM_NEW", "ABM_QUERYPOS right 1248 0 1366 768",
                             "ABM_SETPOS right 1248 0 1366 768"}));
  EXPECT_EQ(Lloc(P()), (ui::Point{1366 - 108, dalt + 40}));

  // Carried by a rest to the middle of the screen, it stands away from the edges: nothing is
  // held, and the main window still keeps to it.
  DestruirFinestres();
  EXPECT_EQ(Treure(), Calls{"ABM_REMOVE"});  // the program ends without its close too
  Inici("MostrarPanell=true\r\nEsquerra=500\r\nDalt=200\r\n");
  EXPECT_EQ(Treure(), Calls{});
  EXPECT_EQ(Lloc(P()), (ui::Point{500, 200}));
  EXPECT_EQ(Lloc(Principal()), (ui::Point{500, 50}));
}

}  // namespace prova_acoblament
