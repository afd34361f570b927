// The dwell-only profile: the program's own main window is never a dwell target, and a pause
// chosen on the panel shows as a pause, with no count and no ring away from the panel.
#include "hook/Comunicacio.h"
#include "language/Llenguatge.h"
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"

// Named, so that its short names stay apart when the test files are compiled together.
namespace prova_perfil_objectiu {

namespace hl = ui::headless;
using Calls = std::vector<std::string>;

constexpr int Decimes = 3;
constexpr ui::Point Diana{700, 400};
const std::string Prem = "mouse_event 2", Deixa = "mouse_event 4", Beep = "MessageBeep 0";

class PerfilObjectiuTest : public ProgramaTest {
 protected:
  // Mode 1 armed with a short rest and the ring; the profile on unless said otherwise.
  void Inici(const std::string& parametres = "", bool perfil = true) {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=" + std::to_string(Decimes) +
           "\r\nPixelsDeSeparacioPerqueEsConsideriParat=5\r\nBoolCheckBoxTemporitzador=true\r\n" +
           parametres + "[TipusClic]\r\nMostrarPanell=" + (perfil ? "true" : "false") + "\r\n");
    CrearFinestres();
    Principal().Show();
    hl::SetCursor({1, 1});
    Principal().MenuClicAutomaticAlEstarParatClick();
  }
  TFormTipusClic& P() { return *Programa().FormTipusClic(); }
  // The pointer moved by hand: the hook reports it, as it does every real move.
  void Moure(ui::Point p) {
    hl::SetCursor(p);
    hl::hook::Report(::hook::EventMouseMove);
  }
  // The pointer rests at p long enough for its dwell click and the hook's return after it.
  Calls Reposar(ui::Point p) {
    hl::ClearPlatformCalls();
    Moure(p);
    hl::Advance(100 * (Decimes + 4));
    return hl::PlatformCalls();
  }
};

TEST_F(PerfilObjectiuTest, RestsAnywhereOnTheMainWindowClickNothingAndTheChosenTypeWaits) {
  Inici("Bool1ClicAutomaticNoPermetAltresClics=true\r\n");
  const ui::Rect r = Principal().BoundsRect();
  ASSERT_GT(r.left, Diana.x - 1000);
  const ui::Point llocs[] = {
      {(r.left + r.right) / 2, (r.top + r.bottom) / 2},  // the label
      {r.left + 20, r.top + 45},                         // the menu bar and the buttons below it
      {r.right - 8, r.top + 8},                          // the close box
      {r.left, r.bottom - 1},                            // the frame's corner
  };
  // A double click chosen on the panel is kept for the next rest on a target.
  Reposar(CentreBotoPanell(TipusClic::Doble));
  ASSERT_EQ(P().Triat(), TipusClic::Doble);
  for (const ui::Point p : llocs) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    // Nothing injected, no sound, and the button hook is left alone throughout.
    EXPECT_EQ(Reposar(p), Calls{});
    EXPECT_EQ(EstatMotor().Anell, EstatAnell::NoEsObjectiu);
    EXPECT_TRUE(Principal().MenuClicAutomaticAlEstarParat.Checked());
    EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "0");
  }
  // A rest that begins beside the window and creeps onto it, within the tolerance each tick.
  hl::ClearPlatformCalls();
  for (int x = r.right + 3; x > r.right - 8; x -= 2) {
    Moure({x, r.top + 60});
    hl::Advance(100);
  }
  hl::Advance(100 * Decimes);
  EXPECT_EQ(hl::PlatformCalls(), Calls{});
  EXPECT_TRUE(hl::InjectedInput().empty());

  // One pixel past the outer edge is a target again: the type kept is made there.
  const ui::Point fora{r.right, r.top + 60};
  EXPECT_EQ(Reposar(fora), (Calls{"UnHookMouse", Prem, Deixa, Prem, Deixa, Beep, "SetHookMouse"}));
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::Normal);
  EXPECT_EQ(hl::InjectedInput().back().at, fora);
}

TEST_F(PerfilObjectiuTest, WithTheProfileOffARestOnTheMainWindowClicksThereAsAlways) {
  Inici("", false);
  const ui::Rect r = Principal().BoundsRect();
  EXPECT_EQ(Reposar({(r.left + r.right) / 2, (r.top + r.bottom) / 2}),
            (Calls{"UnHookMouseMove", Prem, Deixa, Beep, "SetHookMouseMove"}));
  EXPECT_EQ(EstatMotor().Anell, EstatAnell::Normal);
}

TEST_F(PerfilObjectiuTest, PausedNothingCountsAwayFromThePanelAndTheCountRestartsWhole) {
  Inici();
  Reposar(CentreBotoPanell(TipusClic::Pausa));
  ASSERT_EQ(P().Triat(), TipusClic::Pausa);
  // Away from the panel, tick after tick: the pause on the label and caption, in grey, no
  // sweep, nothing injected; Pausa stays pressed.
  hl::ClearPlatformCalls();
  Moure(Diana);
  for (int i = 0; i < 3 * Decimes; ++i) {
    hl::Advance(100);
    EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "II");
    EXPECT_EQ(Principal().Caption(), "II");
    EXPECT_EQ(Principal().LabelCompteEnrera.GetFont().colour, ui::clGray);
    EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);
  }
  EXPECT_EQ(hl::PlatformCalls(), Calls{});
  EXPECT_EQ(P().Aspecte(TipusClic::Pausa), AspecteBoto::Premut);
  EXPECT_TRUE(Principal().MenuClicAutomaticAlEstarParat.Checked());

  // On the panel the count runs, from the whole rest, in red, so a rest on Pausa ends it.
  Moure(CentreBotoPanell(TipusClic::Pausa));
  hl::Advance(100);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), std::to_string(Decimes));
  EXPECT_EQ(Principal().LabelCompteEnrera.GetFont().colour, ui::clRed);
  hl::Advance(100);
  EXPECT_GT(EstatMotor().AngleTemporitzador, 0);
  // Left before its end, the pause shows again.
  Moure(Diana);
  hl::Advance(100);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "II");
  EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);

  // Ended by hand while the pointer stays at rest: the count starts from the whole rest, and
  // the click comes that long after, not at once.
  hl::Advance(1000);
  P().BotoClick(TipusClic::Pausa);
  hl::ClearPlatformCalls();
  hl::Advance(100);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), std::to_string(Decimes));
  EXPECT_EQ(Principal().Caption(), std::to_string(Decimes));
  EXPECT_EQ(Principal().LabelCompteEnrera.GetFont().colour, ui::clRed);
  hl::Advance(100 * (Decimes - 1));
  EXPECT_EQ(hl::PlatformCalls(), Calls{});
  hl::Advance(100);
  EXPECT_EQ(hl::PlatformCalls(), (Calls{"UnHookMouseMove", Prem, Deixa, Beep}));
}

}  // namespace prova_perfil_objectiu
