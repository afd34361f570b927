#include "engine/Rellotge.h"
#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

using ui::headless::Advance;
namespace hk = ui::headless::hook;

class ModeTest : public ProgramaTest {
 protected:
  void Inici(const std::string& parametres = "") {
    ProgramaTest::Inici(parametres);
    hk::ClearCalls();
  }
  TFormPrincipal& F() { return Principal(); }
  std::string Opcio() { return LlegirClau(SeccioMenu, ClauOpcio, "-"); }
  // The pointer moves to (x, y) and the frame, 150 pixels wide by default, shows around it.
  void QuadreSegueix(int x, int y) {
    ui::headless::SetCursor({x, y});
    ASSERT_TRUE(hk::Report(::hook::EventMouseMove));
    Advance(1);
    EXPECT_TRUE(Transparent().Visible());
    EXPECT_EQ(Transparent().BoundsRect().left, x - 75);
  }
};

TEST_F(ModeTest, ArmingAModeAtOnceChecksItColoursItsButtonAndStoresIt) {
  Inici();
  F().SpeedButton2.Clicked();
  EXPECT_TRUE(F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked());
  EXPECT_EQ(F().SpeedButton2.GetFont().colour, ui::clRed);
  EXPECT_EQ(F().LabelCompteEnrera.GetFont().colour, ui::clGreen);
  EXPECT_EQ(F().Caption(), "10");
  EXPECT_EQ(Opcio(), "2");
  EXPECT_TRUE(hk::ButtonHookInstalled());
  // Another mode's button stops the first and starts its own.
  F().SpeedButton3.Clicked();
  EXPECT_FALSE(F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked());
  EXPECT_TRUE(F().MenuTabletPCClicAlPremerLaPantalla.Checked());
  EXPECT_EQ(F().SpeedButton2.GetFont().colour, ui::clBlack);
  EXPECT_EQ(F().Caption(), "Pelvoro");
  EXPECT_EQ(Opcio(), "3");
}

TEST_F(ModeTest, TheRunningModesButtonStopsItAndStoresZero) {
  Inici();
  F().SpeedButton1.Clicked();
  F().SpeedButton1.Clicked();
  EXPECT_FALSE(F().MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_FALSE(F().TimerComptaEnreraClicAutomatic.Enabled());
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "10");
  EXPECT_EQ(F().LabelCompteEnrera.GetFont().colour, ui::clBlue);
  EXPECT_EQ(Opcio(), "0");
}

TEST_F(ModeTest, ChoosingTheRunningModeFromTheMenuRestartsIt) {
  Inici("BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\nSegonsIniciActivitat=3\r\n");
  F().SpeedButton1.Clicked();
  Advance(2000);
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "1");
  ui::headless::ChooseMenuItem(F().MenuOpcions, F().MenuClicAutomaticAlEstarParat);
  EXPECT_TRUE(F().MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_TRUE(F().TimerEngegar.Enabled());
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "3");
  EXPECT_EQ(Opcio(), "1");
}

TEST_F(ModeTest, TheStartCountdownCountsInTheLabelAndArmsOnTheTickThatReachesZero) {
  Inici("BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\nSegonsIniciActivitat=3\r\n");
  F().SpeedButton3.Clicked();
  std::vector<std::string> labels{F().LabelCompteEnrera.Text()};
  for (int s = 0; s < 3; ++s) {
    EXPECT_FALSE(hk::ButtonHookInstalled());
    Advance(1000);
    labels.push_back(F().LabelCompteEnrera.Text());
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"3", "2", "1", "0"}));
  EXPECT_TRUE(hk::ButtonHookInstalled());
  EXPECT_FALSE(F().TimerEngegar.Enabled());
  EXPECT_EQ(F().LabelCompteEnrera.GetFont().colour, ui::clBlue);
  EXPECT_EQ(F().Caption(), "Pelvoro");
}

TEST_F(ModeTest, OpeningTheMenuStopsTheModeAndModeZeroComesBack200msAfterItCloses) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\n");
  F().SpeedButton1.Clicked();
  ui::headless::OpenMenu(F().MenuOpcions);
  EXPECT_FALSE(F().MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_FALSE(Transparent().Visible());
  EXPECT_FALSE(hk::MoveHookInstalled());
  Advance(199);
  EXPECT_FALSE(hk::MoveHookInstalled());
  Advance(1);
  EXPECT_TRUE(hk::MoveHookInstalled());
  ASSERT_NO_FATAL_FAILURE(QuadreSegueix(400, 300));
}

TEST_F(ModeTest, AReactivationDecidesFromTheStateWhenItFires) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\n");
  F().SpeedButton3.Clicked();
  F().TimerActivarElHookMouse.SetEnabled(true);
  F().AturarTot();
  F().MenuTabletPCClicAlPremerLaPantallaClick();
  Advance(200);
  EXPECT_TRUE(hk::ButtonHookInstalled());
  // After a stop it installs at most the frame's move hook, and only when allowed.
  F().AturarTot();
  F().TimerActivarElHookMouse.SetEnabled(true);
  EstatMotor().PermetHookMouseMove = false;
  Advance(200);
  EXPECT_FALSE(hk::ButtonHookInstalled());
  EXPECT_FALSE(hk::MoveHookInstalled());
}

// The start countdown is there for normal mouse use, also when the mode is chosen from the
// menu with the frame on: the re-activation after the menu must not arm the mode early.
TEST_F(ModeTest, DuringTheStartCountdownTheMouseWorksNormallyAndTheFrameFollowsIt) {
  Inici(
      "BoolMostrarQuadreDeSeguiment=true\r\nBoolCheckBoxTemporitzador=true\r\n"
      "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\nSegonsIniciActivitat=5\r\n");
  for (ui::MenuItem* mode : {&F().MenuTabletPCClicAlPremerLaPantalla,
                             &F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella}) {
    SCOPED_TRACE(mode->Name());
    ui::headless::ChooseMenuItem(F().MenuOpcions, *mode);
    Advance(200);
    EXPECT_FALSE(hk::ButtonHookInstalled());
    EXPECT_TRUE(hk::MoveHookInstalled());
    ASSERT_NO_FATAL_FAILURE(QuadreSegueix(300, 200));
    // Reports of presses that reach the program anyway (say, queued before the menu opened)
    // neither click, nor count in the label, nor draw the ring.
    F().MissatgeHookMouse(::hook::EventMouseDown);
    Advance(300);
    F().MissatgeHookMouse(::hook::EventMouseUp);
    EXPECT_TRUE(ui::headless::InjectedInput().empty());
    EXPECT_EQ(F().LabelCompteEnrera.Text(), "5");
    EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);
    // The mode is armed when the countdown runs out, and only then.
    Advance(4498);
    EXPECT_FALSE(hk::ButtonHookInstalled());
    Advance(1);
    EXPECT_TRUE(hk::ButtonHookInstalled());
  }
}

// Mode 3 chosen from the menu with the frame on: the start countdown only delays it. Once
// armed it holds the same hooks and its taps land where they do without a countdown, also
// for moves made in the 200 ms after a click, when no hook is in place.
TEST_F(ModeTest, AfterAStartCountdownTapsLandWhereTheyLandWithoutOne) {
  const auto tocs = [this](bool compte) {
    TornarAComencar();
    Inici(std::string("BoolMostrarQuadreDeSeguiment=true\r\nSegonsIniciActivitat=2\r\n") +
          (compte ? "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\n" : ""));
    ui::headless::SetCursor({500, 400});
    ui::headless::ChooseMenuItem(F().MenuOpcions, F().MenuTabletPCClicAlPremerLaPantalla);
    Advance(compte ? 2000 : 200);
    EXPECT_TRUE(hk::ButtonHookInstalled());
    EXPECT_FALSE(hk::MoveHookInstalled()) << (compte ? "after" : "without") << " a countdown";
    std::vector<std::string> fins = hk::Calls();
    hk::ClearCalls();
    const auto mou = [](int x, int y) {
      ui::headless::SetCursor({x, y});
      hk::Report(::hook::EventMouseMove);
      ui::ProcessMessages();
    };
    const auto toc = [] {
      for (long codi : {::hook::EventMouseDown, ::hook::EventMouseUp}) {
        hk::Report(codi);
        ui::ProcessMessages();
      }
    };
    mou(510, 410);
    mou(520, 420);
    toc();  // clicks 510 410
    Advance(50);
    mou(700, 600);  // within the 200 ms after the click
    Advance(200);
    mou(530, 430);
    toc();
    std::vector<std::string> clics;
    for (const auto& e : ui::headless::InjectedInput())
      if (e.flags == ui::MouseLeftDown)
        clics.push_back(std::to_string(e.at.x) + " " + std::to_string(e.at.y));
    return std::make_tuple(fins, hk::Calls(), clics);
  };
  using Calls = std::vector<std::string>;
  const auto [armatSenseCompte, despresSenseCompte, clicsSenseCompte] = tocs(false);
  const auto [armatAmbCompte, despresAmbCompte, clicsAmbCompte] = tocs(true);
  EXPECT_EQ(armatSenseCompte, (Calls{"UnHookMouse", "UnHookMouseMove", "UnHookMouse",
                                     "UnHookMouseMove", "SetHookMouse", "SetHookMouse"}));
  // During the countdown the re-activation gives the frame its move hook; arming takes it
  // away again, as mode 3 does not use it.
  EXPECT_EQ(armatAmbCompte,
            (Calls{"UnHookMouse", "UnHookMouseMove", "UnHookMouse", "UnHookMouseMove",
                   "SetHookMouseMove", "SetHookMouse", "UnHookMouseMove"}));
  EXPECT_EQ(despresAmbCompte, despresSenseCompte);
  EXPECT_EQ(despresSenseCompte, (Calls{"UnHookMouse", "SetHookMouse", "UnHookMouse"}));
  EXPECT_EQ(clicsSenseCompte, (Calls{"510 410", "520 420"}));
  EXPECT_EQ(clicsAmbCompte, clicsSenseCompte);
}

TEST_F(ModeTest, ClickingTheLabelStopsEverythingModeZeroIncluded) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\n");
  F().SpeedButton2.Clicked();
  F().LabelCompteEnrera.Clicked();
  EXPECT_FALSE(F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked());
  EXPECT_FALSE(F().MenuMostrarQuadreDeSeguimentDelMouse.Checked());
  EXPECT_FALSE(Parametres().BoolMostrarQuadreDeSeguiment);
  EXPECT_EQ(F().SpeedButton0.GetFont().colour, ui::clBlack);
  EXPECT_EQ(Opcio(), "2");  // only a mode's own command rewrites it
}

TEST_F(ModeTest, ModeFourClicksWhereTheLastSampleBeforeThePressFoundThePointer) {
  Inici();
  ui::headless::SetCursor({10, 10});
  F().MenuTabletPCClicEsquerraClicDretClick();
  ui::headless::SetCursor({20, 10});
  Advance(100);
  Advance(100);  // unchanged: the sample stays
  ASSERT_TRUE(hk::Report(::hook::EventMouseDown));
  ui::ProcessMessages();
  // The finger's landing moves the pointer before the release; no sample is taken meanwhile.
  ui::headless::SetCursor({30, 12});
  Advance(300);
  ASSERT_TRUE(hk::Report(::hook::EventMouseUp));
  ui::ProcessMessages();
  const auto& entrades = ui::headless::InjectedInput();
  ASSERT_FALSE(entrades.empty());
  EXPECT_EQ(entrades.front().flags, ui::MouseLeftDown);
  EXPECT_EQ(entrades.front().at, (ui::Point{20, 10}));
}

class DwellTest : public ModeTest {
 protected:
  void Armar(const std::string& parametres) {
    Inici(parametres);
    ui::headless::SetCursor({500, 400});
    F().SpeedButton1.Clicked();
  }
  std::size_t Clics() const { return ui::headless::InjectedInput().size() / 2; }
};

TEST_F(DwellTest, ClicksOnTheNthTickOfRestAndNotAgainWhileResting) {
  for (const int N : {1, 10, 16}) {
    SCOPED_TRACE(N);
    TornarAComencar();
    Armar("DecimesTimerClickAutomatic=" + std::to_string(N) + "\r\n");
    Advance(100 * (N - 1));
    EXPECT_EQ(Clics(), 0u);
    EXPECT_EQ(F().Caption(), "1");
    Advance(100);
    ASSERT_EQ(Clics(), 1u);
    const auto& in = ui::headless::InjectedInput();
    EXPECT_EQ(in[0].flags, ui::MouseLeftDown);
    EXPECT_EQ(in[1].flags, ui::MouseLeftUp);
    EXPECT_EQ(in[0].at, (ui::Point{500, 400}));
    EXPECT_EQ(ui::headless::Beeps(), (std::vector<unsigned>{0}));
    Advance(3000);
    EXPECT_EQ(Clics(), 1u);
    EXPECT_EQ(F().LabelCompteEnrera.Text(), "0");
  }
}

TEST_F(DwellTest, AMoveOfExactlyPIsRestAndPPlusOneResets) {
  Armar("PixelsDeSeparacioPerqueEsConsideriParat=5\r\n");
  Advance(500);
  ui::headless::SetCursor({505, 395});
  Advance(100);
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "4");
  ui::headless::SetCursor({511, 395});
  Advance(100);
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "10");
  // A slow drift within P per tick still clicks, where the pointer then is.
  for (int i = 1; i <= 10; ++i) {
    ui::headless::SetCursor({511 + 5 * i, 395});
    Advance(100);
  }
  ASSERT_EQ(Clics(), 1u);
  EXPECT_EQ(ui::headless::InjectedInput()[0].at, (ui::Point{561, 395}));
  // The next click needs a move first.
  ui::headless::SetCursor({700, 100});
  Advance(1100);
  EXPECT_EQ(Clics(), 2u);
}

TEST_F(DwellTest, ZeroToleranceTakesAnyPixelAsMovement) {
  Armar("PixelsDeSeparacioPerqueEsConsideriParat=0\r\n");
  Advance(900);
  ui::headless::SetCursor({501, 400});
  Advance(100);
  EXPECT_EQ(Clics(), 0u);
  EXPECT_EQ(F().LabelCompteEnrera.Text(), "10");
}

TEST_F(DwellTest, TheRingSweepsAndTheHooksAroundTheClick) {
  Armar("BoolCheckBoxTemporitzador=true\r\n");
  EXPECT_TRUE(hk::MoveHookInstalled());
  std::vector<int> sweeps;
  for (int i = 0; i < 9; ++i) {
    Advance(100);
    sweeps.push_back(EstatMotor().AngleTemporitzador);
  }
  EXPECT_EQ(sweeps, (std::vector<int>{72, 108, 144, 180, 216, 252, 288, 324, 360}));
  hk::ClearCalls();
  Advance(100);
  EXPECT_EQ(hk::Calls(), (std::vector<std::string>{"UnHookMouseMove"}));
  EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);
  Advance(200);
  EXPECT_EQ(hk::Calls(), (std::vector<std::string>{"UnHookMouseMove", "SetHookMouseMove"}));
}

TEST_F(DwellTest, NoOtherClicksRemovesTheButtonHookAroundTheClick) {
  Armar("Bool1ClicAutomaticNoPermetAltresClics=true\r\nDecimesTimerClickAutomatic=1\r\n");
  EXPECT_TRUE(hk::ButtonHookInstalled());
  EXPECT_FALSE(hk::MoveHookInstalled());
  Advance(100);
  EXPECT_FALSE(hk::ButtonHookInstalled());
  Advance(199);
  EXPECT_FALSE(hk::ButtonHookInstalled());
  Advance(1);
  EXPECT_TRUE(hk::ButtonHookInstalled());
}

TEST_F(DwellTest, WithNeitherRingNorFrameNoHookIsTouched) {
  Armar("");
  Advance(1000);
  EXPECT_EQ(Clics(), 1u);
  EXPECT_EQ(hk::Calls(), (std::vector<std::string>{"UnHookMouse",
                                                   "UnHookMouseMove"}));  // the stop before arming
}

TEST(AngleAnell, RoundsHalvesToEvenAndNeverDividesByZero) {
  EXPECT_EQ(AngleAnell(16, 15), 45);
  EXPECT_EQ(AngleAnell(16, 14), 68);   // 67.5
  EXPECT_EQ(AngleAnell(16, 12), 112);  // 112.5
  EXPECT_EQ(AngleAnell(10, 0), 396);
  EXPECT_EQ(AngleAnell(1, 0), 720);
  EXPECT_EQ(AngleAnell(0, -1), 360);
}

}  // namespace
