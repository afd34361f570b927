#include "language/Llenguatge.h"
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"

// Named, so that its short names stay apart when the test files are compiled together.
namespace prova_tipus_clic {

namespace hl = ui::headless;
namespace hk = ui::headless::hook;
using Calls = std::vector<std::string>;

constexpr int Decimes = 3;
constexpr ui::Point Diana{700, 400};
constexpr ui::Point Diana2{900, 500};

class TipusClicTest : public ProgramaTest {
 protected:
  // The panel's first top on a 768-high screen, the main window's 150 pixels kept above it.
  static int PrimerDalt() { return std::max((768 - disseny_panell::Alcada) / 2, 150); }
  // Mode 1 armed with a short rest; the panel on unless the file says otherwise.
  void Inici(const std::string& parametres = "",
             const std::string& tipusClic = "MostrarPanell=true\r\n") {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=" + std::to_string(Decimes) + "\r\n" +
           parametres + "[TipusClic]\r\n" + tipusClic);
    CrearFinestres();
    hl::SetCursor({1, 1});
    Principal().MenuClicAutomaticAlEstarParatClick();
  }
  TFormTipusClic& P() { return *Programa().FormTipusClic(); }

  // The pointer moves to p and rests there until its dwell click has been made; what the
  // program did meanwhile, in order.
  Calls Reposar(ui::Point p) {
    hl::ClearPlatformCalls();
    hl::SetCursor(p);
    // The count, and the 200 ms after it in which a hook comes back.
    hl::Advance(100 * (Decimes + 4));
    return hl::PlatformCalls();
  }
  Calls Triar(TipusClic t) { return Reposar(CentreBotoPanell(t)); }
};

const std::string Prem = "mouse_event 2", Deixa = "mouse_event 4", Beep = "MessageBeep 0";

TEST_F(TipusClicTest, EachTypeInjectsItsInputAtTheNextRestAndThenFallsBackToLeft) {
  struct Cas {
    TipusClic tipus;
    Calls esperat;
  };
  const Cas casos[] = {
      {TipusClic::Esquerre, {Prem, Deixa, Beep}},
      {TipusClic::Doble, {Prem, Deixa, Prem, Deixa, Beep}},
      {TipusClic::Dret, {"mouse_event 8", "mouse_event 16", Beep}},
  };
  Inici();
  for (const Cas& cas : casos) {
    SCOPED_TRACE(static_cast<int>(cas.tipus));
    // Resting on the button chooses it: it sounds, injects nothing, and shows pressed.
    EXPECT_EQ(Triar(cas.tipus), Calls{Beep});
    EXPECT_EQ(P().Triat(), cas.tipus);
    EXPECT_EQ(P().Aspecte(cas.tipus), AspecteBoto::Premut);
    const std::size_t abans = hl::InjectedInput().size();
    EXPECT_EQ(Reposar(Diana), cas.esperat);
    for (std::size_t i = abans; i < hl::InjectedInput().size(); ++i)
      EXPECT_EQ(hl::InjectedInput()[i].at, Diana);
    EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
    EXPECT_EQ(Reposar(Diana2), (Calls{Prem, Deixa, Beep}));
  }
}

TEST_F(TipusClicTest, ADragPressesAtOneRestAndReleasesAtTheNext) {
  Inici();
  Triar(TipusClic::Arrossegar);
  EXPECT_EQ(Reposar(Diana), (Calls{Prem, Beep}));
  EXPECT_TRUE(P().Arrossegant());
  EXPECT_EQ(P().Aspecte(TipusClic::Arrossegar), AspecteBoto::Arrossegant);
  // Resting on after the press gives nothing more; the next rest elsewhere releases there.
  hl::Advance(1000);
  EXPECT_EQ(hl::InjectedInput().size(), 1u);
  EXPECT_EQ(Reposar(Diana2), (Calls{Deixa, Beep}));
  EXPECT_EQ(hl::InjectedInput().back().at, Diana2);
  EXPECT_FALSE(P().Arrossegant());
  EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
  EXPECT_EQ(P().Aspecte(TipusClic::Esquerre), AspecteBoto::Premut);
}

TEST_F(TipusClicTest, RestingOnThePanelDuringADragReleasesWhereItStartedAndChoosesNothing) {
  Inici();
  Triar(TipusClic::Arrossegar);
  Reposar(Diana);
  EXPECT_EQ(Reposar(CentreBotoPanell(TipusClic::Dret)),
            (Calls{"SetCursorPos 700 400", Deixa, Beep}));
  EXPECT_EQ(hl::InjectedInput().back().at, Diana);
  EXPECT_EQ(ui::CursorPos(), Diana);
  EXPECT_FALSE(P().Arrossegant());
  EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
  // The pointer left at the start of the drag is at rest there: no click follows.
  hl::Advance(1000);
  EXPECT_EQ(hl::PlatformCalls().size(), 3u);
}

TEST_F(TipusClicTest, TheHooksAreOutOfTheWayForThePressAndForTheRelease) {
  Inici("Bool1ClicAutomaticNoPermetAltresClics=true\r\n");
  Triar(TipusClic::Arrossegar);
  // Choosing on the panel injects nothing, so no hook is touched.
  EXPECT_TRUE(hk::ButtonHookInstalled());
  for (const ui::Point p : {Diana, Diana2}) {
    const Calls calls = Reposar(p);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "UnHookMouse");
    EXPECT_EQ(calls[1], p == Diana ? Prem : Deixa);
    EXPECT_EQ(calls.back(), "SetHookMouse");  // 200 ms later
    EXPECT_TRUE(hk::ButtonHookInstalled());
  }
}

TEST_F(TipusClicTest, PauseClicksNowhereButOnThePanelUntilItIsChosenAgain) {
  Inici();
  Triar(TipusClic::Pausa);
  EXPECT_EQ(P().Aspecte(TipusClic::Pausa), AspecteBoto::Premut);
  EXPECT_EQ(Reposar(Diana), Calls{});
  EXPECT_EQ(Reposar(Diana2), Calls{});
  EXPECT_TRUE(hl::InjectedInput().empty());
  EXPECT_EQ(Triar(TipusClic::Pausa), Calls{Beep});
  EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
  EXPECT_EQ(Reposar(Diana), (Calls{Prem, Deixa, Beep}));
}

TEST_F(TipusClicTest, StoppingTheModeOrClosingDuringADragLeavesNoButtonDown) {
  Inici();
  Triar(TipusClic::Arrossegar);
  Reposar(Diana);
  hl::SetCursor(Diana2);
  hl::ClearPlatformCalls();
  hl::OpenMenu(Principal().MenuOpcions);
  const Calls calls = hl::PlatformCalls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetCursorPos 700 400"), calls.end());
  EXPECT_EQ(hl::InjectedInput().back().flags, ui::MouseLeftUp);
  EXPECT_EQ(hl::InjectedInput().back().at, Diana);
  EXPECT_FALSE(P().Visible());

  Principal().MenuClicAutomaticAlEstarParatClick();
  Triar(TipusClic::Arrossegar);
  Reposar(Diana2);
  Principal().MenuSortirClick();
  EXPECT_EQ(hl::InjectedInput().back().flags, ui::MouseLeftUp);
  EXPECT_EQ(hl::InjectedInput().back().at, Diana2);
}

TEST_F(TipusClicTest, ADragBegunOnTheGripCarriesThePanelToTheNextRestWithNoButtonDown) {
  Inici();
  Triar(TipusClic::Arrossegar);
  const ui::Rect r = P().BoundsRect();
  const ui::Point franja{r.left + 40, r.top + 6};
  EXPECT_EQ(Reposar(franja), Calls{Beep});
  EXPECT_TRUE(P().ArrossegantPanell());
  EXPECT_EQ(P().Aspecte(TipusClic::Arrossegar), AspecteBoto::Arrossegant);
  const ui::Point desti{franja.x + 300, franja.y + 50};
  EXPECT_EQ(Reposar(desti), Calls{Beep});
  EXPECT_EQ(P().BoundsRect().left, r.left + 300);
  EXPECT_EQ(P().BoundsRect().top, r.top + 50);
  EXPECT_FALSE(P().Arrossegant());
  EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
  // Put down, it stays where it is.
  Reposar({desti.x + 100, desti.y});
  EXPECT_EQ(P().BoundsRect().left, r.left + 300);
  EXPECT_TRUE(hl::InjectedInput().size() == 2u);  // the left click just made, nothing else
}

TEST_F(TipusClicTest, ThePanelShowsOnlyWhileModeOneIsCheckedAndTheItemIsOn) {
  Inici("BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\n");
  EXPECT_TRUE(P().Visible());  // during the start countdown too
  EXPECT_TRUE(Principal().MenuPanellTipusClic.Checked());
  Principal().SpeedButton2.Clicked();
  EXPECT_FALSE(P().Visible());
  hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic);
  EXPECT_FALSE(Principal().MenuPanellTipusClic.Checked());
  Principal().SpeedButton1.Clicked();
  EXPECT_FALSE(P().Visible());
  // The window menu stops no mode: switched on with mode 1 checked, the panel shows at once.
  hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic);
  EXPECT_TRUE(P().Visible());
  Principal().SpeedButton1.Clicked();
  EXPECT_FALSE(P().Visible());
}

TEST_F(TipusClicTest, TheSwitchIsInTheWindowMenuAndThePanelIsMadeTheFirstTimeItIsOn) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\n", "");
  EXPECT_EQ(Programa().FormTipusClic(), nullptr);
  // The panel's switch first, then the English one.
  EXPECT_EQ(
      Principal().SystemMenuItems(),
      (std::vector<ui::MenuItem*>{&Principal().MenuPanellTipusClic, &Principal().MenuAngles}));
  EXPECT_FALSE(Principal().MenuPanellTipusClic.Checked());
  Principal().MenuCastellaClick();
  EXPECT_EQ(Principal().MenuPanellTipusClic.Caption(), "Uso sin clics: panel de tipo de clic");

  // Opened and closed with nothing chosen, the window menu is a menu loop like the main menu's
  // end: the mode goes on, and the frame's hook comes back 200 ms later.
  hk::ClearCalls();
  hl::OpenSystemMenu(Principal());
  EXPECT_TRUE(Principal().MenuClicAutomaticAlEstarParat.Checked());
  hl::Advance(200);
  EXPECT_EQ(hk::Calls(), Calls{"SetHookMouseMove"});

  hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic);
  ASSERT_NE(Programa().FormTipusClic(), nullptr);
  EXPECT_EQ(hl::FormClasses().back(), "TFormTipusClic");
  EXPECT_TRUE(Principal().MenuPanellTipusClic.Checked());
  EXPECT_TRUE(P().Visible());
  EXPECT_EQ(P().Caption(), "Tipo de clic");  // made in the language in force
  EXPECT_EQ(P().BotoEsquerre.Text(), "Izquierdo");
  hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic);
  EXPECT_FALSE(P().Visible());
  Principal().Close();
  EXPECT_NE(TextFitxer().find("[TipusClic]\r\nMostrarPanell=false\r\n"), std::string::npos);
}

TEST_F(TipusClicTest, PauseChosenByHandDuringADragOutlastsTheDrag) {
  Inici();
  Triar(TipusClic::Arrossegar);
  EXPECT_EQ(Reposar(Diana), (Calls{Prem, Beep}));
  EXPECT_TRUE(hl::Click(P().BotoPausa));
  // The next rest lets the button go, as it would have; the pause stays.
  EXPECT_EQ(Reposar(Diana2), (Calls{Deixa, Beep}));
  EXPECT_EQ(P().Triat(), TipusClic::Pausa);
  EXPECT_EQ(Reposar(Diana), Calls{});
  EXPECT_EQ(hl::InjectedInput().size(), 2u);
}

TEST_F(TipusClicTest, SwitchedOffByDefaultTheDwellClickAndTheFileAreAsBefore) {
  Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n");
  CrearFinestres();
  hl::SetCursor(Diana);
  Principal().MenuClicAutomaticAlEstarParatClick();
  EXPECT_FALSE(Principal().MenuPanellTipusClic.Checked());
  EXPECT_EQ(Programa().FormTipusClic(), nullptr);
  // Resting where the panel would be is a left click like anywhere else.
  hl::ClearPlatformCalls();
  hl::SetCursor({20, 384});
  hl::Advance(500);
  EXPECT_EQ(hl::PlatformCalls(), (Calls{Prem, Deixa, Beep}));
  Principal().Close();
  EXPECT_EQ(TextFitxer().find("[TipusClic]"), std::string::npos) << TextFitxer();
}

TEST_F(TipusClicTest, TheSettingsAreReadAtStartAndWrittenAtCloseBesideTheOthers) {
  Inici();
  // First time: at the left edge, vertically centred, or lower where the main window, which
  // joins it in a column, needs the room above it.
  EXPECT_EQ(P().BoundsRect().left, 0);
  EXPECT_EQ(P().BoundsRect().top, PrimerDalt());
  const ui::Rect r = P().BoundsRect();
  hl::DragForm(P(), {r.left + 10, r.top + 5}, {r.left + 210, r.top + 105});
  Principal().Close();
  const std::string amb = TextFitxer();
  EXPECT_NE(amb.find("[TipusClic]\r\nMostrarPanell=true\r\nEsquerra=200\r\nDalt=" +
                     std::to_string(r.top + 100) + "\r\n"),
            std::string::npos)
      << amb;

  // The section "Parametres" reads as it does with the panel never used.
  DestruirFinestres();
  std::filesystem::remove(hl::ProfilePath(FitxerParametres));
  Parametres() = TParametres{};
  Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n");
  CrearFinestres();
  Principal().Close();
  const auto seccio = [](const std::string& t) {
    const auto i = t.find("[Parametres]");
    return t.substr(i, t.find("[", i + 1) - i);
  };
  EXPECT_EQ(seccio(amb), seccio(TextFitxer()));

  // Switched off again, it is stored off.
  DestruirFinestres();
  Fitxer("[TipusClic]\r\nMostrarPanell=true\r\nEsquerra=12\r\nDalt=34\r\n");
  CrearFinestres();
  EXPECT_EQ(P().BoundsRect().left, 12);
  EXPECT_EQ(P().BoundsRect().top, 34);
  EXPECT_TRUE(Principal().MenuPanellTipusClic.Checked());
  hl::ChooseSystemMenuItem(Principal(), Principal().MenuPanellTipusClic);
  Principal().Close();
  EXPECT_NE(TextFitxer().find("MostrarPanell=false\r\n"), std::string::npos);
}

TEST_F(TipusClicTest, AtOneAndAHalfTimesTheScaleThePanelAndItsButtonsGrowAndStillChoose) {
  hl::SetDpi(144);
  Inici();
  EXPECT_EQ(P().BoundsRect().Width(), ui::ScaleForDpi(disseny_panell::Amplada, 144));
  EXPECT_EQ(P().BoundsRect().Height(), ui::ScaleForDpi(disseny_panell::Alcada, 144));
  EXPECT_EQ(P().BoundsRect().top, (768 - P().BoundsRect().Height()) / 2);
  // The lower part of the "Pausa" button, which at 96 dpi would lie below the panel's end.
  const ui::Rect f = P().BoundsRect(),
                 b = ui::ScaleForDpi(RectBotoTipusClic(TipusClic::Pausa), 144);
  EXPECT_GT(f.top + b.bottom - 3, f.top + disseny_panell::Alcada);
  EXPECT_EQ(Reposar({f.left + b.left + 5, f.top + b.bottom - 3}), Calls{Beep});
  EXPECT_EQ(P().Triat(), TipusClic::Pausa);
}

// The first shape drawn in ink on a button's face, the mouse or the pause's first bar, and the
// caption's letter height.
std::pair<ui::Rect, int> MidesDibuix(const std::vector<hl::DrawOp>& ops) {
  constexpr ui::Colour Tinta = 0x202020;
  std::pair<ui::Rect, int> mides;
  bool tinta = false;
  for (const hl::DrawOp& op : ops) {
    if (op.kind == hl::DrawOp::Kind::Rectangle && tinta && mides.first.Width() == 0)
      mides.first = {op.at[0], op.at[1], op.at[2], op.at[3]};
    tinta = tinta || op.colour == Tinta;
    if (op.kind == hl::DrawOp::Kind::Text) mides.second = op.width;
  }
  return mides;
}

TEST_F(TipusClicTest, AtOneAndAHalfTimesTheScaleThePicturesGrowWithTheButtons) {
  std::vector<std::pair<ui::Rect, int>> a96;
  Inici();
  for (TipusClic t : TotsElsTipusClic) a96.push_back(MidesDibuix(hl::PaintPicture(P().Boto(t))));
  TornarAComencar();
  hl::SetDpi(144);
  Inici();
  for (TipusClic t : TotsElsTipusClic) {
    SCOPED_TRACE(P().Boto(t).Text());
    const auto [dibuix, lletra] = MidesDibuix(hl::PaintPicture(P().Boto(t)));
    const auto& [dibuix96, lletra96] = a96[static_cast<std::size_t>(t)];
    ASSERT_GT(dibuix96.Width(), 0);
    EXPECT_NEAR(dibuix.Width(), dibuix96.Width() * 3 / 2, 1) << dibuix96.Width();
    EXPECT_NEAR(dibuix.Height(), dibuix96.Height() * 3 / 2, 1) << dibuix96.Height();
    EXPECT_EQ(lletra, ui::ScaleForDpi(lletra96, 144));
  }
}

TEST_F(TipusClicTest, ThePanelNeverGoesOffTheScreen) {
  struct Cas {
    std::string guardat;
    ui::Point esperat;
  };
  const int maxX = 1366 - disseny_panell::Amplada, maxY = 768 - disseny_panell::Alcada;
  const Cas casos[] = {
      {"Esquerra=-50\r\nDalt=-9\r\n", {0, 0}},
      {"Esquerra=5000\r\nDalt=5000\r\n", {maxX, maxY}},
      {"Esquerra=100\r\nDalt=abc\r\n", {0, PrimerDalt()}},
      {"Esquerra=$10\r\nDalt=20\r\n", {16, 20}},
  };
  for (const Cas& cas : casos) {
    SCOPED_TRACE(cas.guardat);
    DestruirFinestres();
    Fitxer("[TipusClic]\r\nMostrarPanell=true\r\n" + cas.guardat);
    CrearFinestres();
    EXPECT_EQ(P().BoundsRect().left, cas.esperat.x);
    EXPECT_EQ(P().BoundsRect().top, cas.esperat.y);
  }
  Principal().MenuClicAutomaticAlEstarParatClick();
  const ui::Rect r = P().BoundsRect();
  hl::DragForm(P(), {r.left + 10, r.top + 5}, {r.left - 400, r.top + 2000});
  EXPECT_EQ(P().BoundsRect().left, 0);
  EXPECT_EQ(P().BoundsRect().top, maxY);
  EXPECT_EQ(P().BoundsRect().Width(), disseny_panell::Amplada);
}

TEST_F(TipusClicTest, TheLanguageSwitchSetsTheItemAndTheButtons) {
  Inici();
  const auto textos = [&] {
    std::vector<std::string> t{Principal().MenuPanellTipusClic.Caption(), P().Caption()};
    for (TipusClic c : TotsElsTipusClic) t.push_back(P().Boto(c).Text());
    return t;
  };
  const std::vector<std::string> catala{"Ús sense clics: panell de tipus de clic",
                                        "Tipus de clic",
                                        "Esquerre",
                                        "Doble",
                                        "Dret",
                                        "Arrossegar",
                                        "Pausa",
                                        "Desplaçar"};
  EXPECT_EQ(textos(), catala);
  Principal().MenuCastellaClick();
  EXPECT_EQ(textos(), (std::vector<std::string>{"Uso sin clics: panel de tipo de clic",
                                                "Tipo de clic", "Izquierdo", "Doble", "Derecho",
                                                "Arrastrar", "Pausa", "Desplazar"}));
  // The faces draw the text they carry.
  const auto ops = hl::PaintPicture(P().BotoDret);
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                          [](const hl::DrawOp& op) { return op.text == "Derecho"; }));
  // The choice and the mode are left as they were.
  EXPECT_TRUE(P().Visible());
  EXPECT_EQ(P().Triat(), TipusClic::Esquerre);
  Principal().MenuCatalaClick();
  EXPECT_EQ(textos(), catala);
}

TEST_F(TipusClicTest, TheChosenFaceDiffersFromTheOthersAndTheHeldDragFromBoth) {
  Inici();
  const auto normal = hl::PaintPicture(P().BotoArrossegar);
  P().BotoClick(TipusClic::Arrossegar);  // as a hand on the mouse would
  const auto premut = hl::PaintPicture(P().BotoArrossegar);
  Reposar(Diana);
  const auto arrossegant = hl::PaintPicture(P().BotoArrossegar);
  EXPECT_NE(normal, premut);
  EXPECT_NE(premut, arrossegant);
  EXPECT_NE(normal, arrossegant);
  EXPECT_TRUE(hl::Click(P().BotoPausa));
  EXPECT_EQ(P().Triat(), TipusClic::Pausa);
}

}  // namespace prova_tipus_clic
