// The click-type panel lives on any monitor: carried across by hand or by a dwell drag, kept
// there at the next start, and back on the primary when its monitor is gone.
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"

namespace prova_panell_monitors {

namespace hl = ui::headless;
using namespace disseny_panell;

const ui::Rect Primari{0, 0, 1366, 768}, Segon{-1280, 0, 0, 1024};

TEST(PanellMonitors, ThePlaceStaysWhollyOnTheMonitorItLiesOnMostOrComesToThePrimary) {
  const std::vector<ui::Rect> dos{Primari, Segon};
  const auto lloc = [&](int x, int y) { return LimitarAlsMonitors({x, y}, Amplada, Alcada, dos); };
  EXPECT_EQ(lloc(-700, 300), (ui::Point{-700, 300}));
  EXPECT_EQ(lloc(-700, 900), (ui::Point{-700, 1024 - Alcada}));  // lower than the primary
  // Across the edge it goes on the side it lies on most.
  EXPECT_EQ(lloc(-50, 100), (ui::Point{0, 100}));
  EXPECT_EQ(lloc(-60, 100), (ui::Point{-Amplada, 100}));
  // Below the primary, beside the taller one, or far off: on no monitor, so on the primary.
  EXPECT_EQ(lloc(200, 900), (ui::Point{200, 768 - Alcada}));
  EXPECT_EQ(lloc(5000, -5000), (ui::Point{1366 - Amplada, 0}));
  // With one monitor, as on the screen alone.
  EXPECT_EQ(LimitarAlsMonitors({-700, 200}, Amplada, Alcada, {Primari}), (ui::Point{0, 200}));
}

class PanellMonitorsTest : public ProgramaTest {
 protected:
  void Inici(const std::string& tipusClic) {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n[TipusClic]\r\nMostrarPanell=true\r\n" +
           tipusClic);
    CrearFinestres();
    hl::SetCursor({700, 400});
    Principal().MenuClicAutomaticAlEstarParatClick();
  }
  TFormTipusClic& P() { return *Programa().FormTipusClic(); }
  void Reposar(ui::Point p) {
    hl::SetCursor(p);
    hl::Advance(700);
  }
  ui::Point Lloc() { return {P().BoundsRect().left, P().BoundsRect().top}; }
  std::string Desat() {
    Principal().Close();
    const std::string t = TextFitxer();
    const auto i = t.find("Esquerra=");
    return t.substr(i, t.find("[", i) - i);
  }
  static void DosMonitors() { hl::SetMonitors({{Primari, Primari, 96}, {Segon, Segon, 96}}); }
};

TEST_F(PanellMonitorsTest, CarriedToTheSecondMonitorItStaysThereAfterARestart) {
  DosMonitors();
  Inici("");
  const ui::Point inici = Lloc();
  // A dwell drag from its grip carries it across.
  const ui::Rect b = RectBotoTipusClic(TipusClic::Arrossegar);
  Reposar({inici.x + (b.left + b.right) / 2, inici.y + (b.top + b.bottom) / 2});
  Reposar({inici.x + 40, inici.y + 6});
  ASSERT_TRUE(P().ArrossegantPanell());
  Reposar({-600 + 40, 500 + 6});
  EXPECT_EQ(Lloc(), (ui::Point{-600, 500}));
  EXPECT_EQ(Desat(), "Esquerra=-600\r\nDalt=500\r\nPausa=false\r\n");

  DestruirFinestres();
  CrearFinestres();
  EXPECT_EQ(Lloc(), (ui::Point{-600, 500}));
  Principal().MenuClicAutomaticAlEstarParatClick();
  // By hand, across to the far edge of the second one and back over the primary.
  hl::DragForm(P(), {-590, 510}, {-1280, 1023});
  EXPECT_EQ(Lloc(), (ui::Point{-1280, 1024 - P().Height()}));
  hl::DragForm(P(), {-1270, 1024 - P().Height() + 10}, {1000, 110});
  EXPECT_EQ(Lloc(), (ui::Point{1000 - 10, 100}));
}

TEST_F(PanellMonitorsTest, WhenItsMonitorIsGoneAtStartItComesBackOnThePrimary) {
  Inici("Esquerra=-600\r\nDalt=900\r\n");
  EXPECT_EQ(Lloc(), (ui::Point{0, 768 - P().Height()}));
  EXPECT_TRUE(P().Visible());
}

}  // namespace prova_panell_monitors
