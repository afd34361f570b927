#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

using ui::headless::Advance;
using ui::headless::SetCursor;
namespace hk = ui::headless::hook;
using Calls = std::vector<std::string>;

class TouchTest : public ProgramaTest {
 protected:
  // Arms mode 2, 3 or 4 at once with the cursor at (500, 400).
  void Armar(int mode, const std::string& parametres = "") {
    Fitxer("[Parametres]\r\n" + parametres);
    CrearFinestres();
    SetCursor({500, 400});
    if (mode == 2) F().MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick();
    if (mode == 3) F().MenuTabletPCClicAlPremerLaPantallaClick();
    if (mode == 4) F().MenuTabletPCClicEsquerraClicDretClick();
    ui::headless::ClearPlatformCalls();
  }
  TFormPrincipal& F() { return Principal(); }
  // A report as the library sends it: only while the button hook is in place.
  bool Informe(long codi) {
    const bool enviat = hk::Report(codi);
    ui::ProcessMessages();
    return enviat;
  }
  void Mou(int x, int y) {
    SetCursor({x, y});
    EXPECT_TRUE(Informe(::hook::EventMouseMove));
  }
  void Toc() {
    EXPECT_TRUE(Informe(::hook::EventMouseDown));
    EXPECT_TRUE(Informe(::hook::EventMouseUp));
  }
  // Each injected press as "L x y" or "R x y".
  static Calls Clics() {
    Calls clics;
    for (const auto& e : ui::headless::InjectedInput()) {
      if (e.flags == ui::MouseLeftDown)
        clics.push_back("L " + std::to_string(e.at.x) + " " + std::to_string(e.at.y));
      if (e.flags == ui::MouseRightDown)
        clics.push_back("R " + std::to_string(e.at.x) + " " + std::to_string(e.at.y));
    }
    return clics;
  }
  std::string Etiqueta() { return F().LabelCompteEnrera.Text(); }
  // What the overlay draws for a given sweep, as the reference for a paint made by the engine.
  std::vector<ui::headless::DrawOp> DibuixAmb(int angle) {
    const int abans = EstatMotor().AngleTemporitzador;
    const bool visible = Transparent().Visible();
    EstatMotor().AngleTemporitzador = angle;
    Transparent().Show();
    Transparent().Repaint();
    auto ops = ui::headless::LastPaint(Transparent());
    EstatMotor().AngleTemporitzador = abans;
    if (!visible) Transparent().Hide();
    return ops;
  }
};

TEST_F(TouchTest, ModeTwoMeasuresStillnessBetweenSuccessiveMoveReports) {
  Armar(2);
  Informe(::hook::EventMouseDown);
  Advance(300);
  Mou(510, 410);  // 10 on both axes from the arming position: still
  EXPECT_EQ(Etiqueta(), "7");
  Mou(521, 410);  // 11 in x
  EXPECT_EQ(Etiqueta(), "10");
  EXPECT_EQ(ui::ApplicationTitle(), "10");
  Advance(200);
  Mou(521, 421);  // 11 in y
  EXPECT_EQ(Etiqueta(), "10");
  Advance(500);
  Mou(531, 431);  // 20 from the press point but 10 from the last report
  EXPECT_EQ(Etiqueta(), "5");
  Advance(500);
  EXPECT_EQ(Clics(), (Calls{"L 531 431"}));
  EXPECT_FALSE(Transparent().Visible());  // neither ring nor frame: only the label counts
}

TEST_F(TouchTest, ModeTwoWithZeroToleranceRestartsOnAnyPixel) {
  Armar(2, "PixelsDeSeparacioPerqueEsConsideriParat=0\r\n");
  Informe(::hook::EventMouseDown);
  Advance(500);
  Mou(500, 400);  // a report without movement
  EXPECT_EQ(Etiqueta(), "5");
  Mou(500, 401);
  EXPECT_EQ(Etiqueta(), "10");
}

TEST_F(TouchTest, ModeTwoReleaseBeforeTheRunOutMakesNoClick) {
  Armar(2);
  Informe(::hook::EventMouseDown);
  Advance(900);
  EXPECT_EQ(Etiqueta(), "1");
  Informe(::hook::EventMouseUp);
  EXPECT_EQ(Etiqueta(), "10");
  EXPECT_EQ(F().Caption(), "10");
  Advance(2000);
  EXPECT_TRUE(Clics().empty());
  EXPECT_TRUE(ui::headless::Beeps().empty());
}

TEST_F(TouchTest, ModeTwoClicksWithTheBeepOnTheDthTickOnlyOncePerPress) {
  Armar(2);
  Informe(::hook::EventMouseDown);
  Advance(999);
  EXPECT_TRUE(Clics().empty());
  Advance(1);
  EXPECT_EQ(ui::headless::PlatformCalls(),
            (Calls{"UnHookMouse", "SetCursorPos 500 400", "mouse_event 2", "mouse_event 4",
                   "MessageBeep 0"}));
  EXPECT_EQ(Etiqueta(), "10");
  EXPECT_EQ(ui::ApplicationTitle(), "10");
  EXPECT_FALSE(F().TimerClicALEstarElMouseDownEnUnaCasella.Enabled());
  Advance(3000);  // still held
  EXPECT_EQ(Clics().size(), 1u);
  Informe(::hook::EventMouseUp);
  Informe(::hook::EventMouseDown);
  Advance(1000);
  EXPECT_EQ(Clics().size(), 2u);
}

TEST_F(TouchTest, ModeTwoWithZeroTenthsClicksOnTheFirstTick) {
  Armar(2, "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=0\r\n");
  Informe(::hook::EventMouseDown);
  Advance(99);
  EXPECT_TRUE(Clics().empty());
  Advance(1);
  EXPECT_EQ(Clics(), (Calls{"L 500 400"}));
  EXPECT_EQ(Etiqueta(), "0");
  Advance(1000);
  EXPECT_EQ(Clics().size(), 1u);
}

TEST_F(TouchTest, ModeTwoWithZeroTenthsAndTheRingPaintsOneFullTurnThenClicks) {
  Armar(2,
        "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=0\r\nBoolCheckBoxTemporitzador=true\r\n");
  const auto voltaSencera = DibuixAmb(360);
  Informe(::hook::EventMouseDown);
  EXPECT_TRUE(Transparent().Visible());
  const int pintades = ui::headless::PaintCount(Transparent());
  Advance(100);
  EXPECT_EQ(ui::headless::PaintCount(Transparent()), pintades + 1);
  EXPECT_EQ(ui::headless::LastPaint(Transparent()), voltaSencera);
  EXPECT_FALSE(Transparent().Visible());
  EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);
  EXPECT_EQ(Clics(), (Calls{"L 500 400"}));
}

TEST_F(TouchTest, ModeTwoReleaseHidesTheRingButKeepsTheFrame) {
  for (const char* opcio :
       {"BoolCheckBoxTemporitzador=true\r\n", "BoolMostrarQuadreDeSeguiment=true\r\n"}) {
    SCOPED_TRACE(opcio);
    TornarAComencar();
    Armar(2, opcio);
    SetCursor({300, 200});
    Informe(::hook::EventMouseDown);
    EXPECT_TRUE(Transparent().Visible());
    EXPECT_EQ(Transparent().BoundsRect().left, 300 - 75);
    Informe(::hook::EventMouseUp);
    EXPECT_EQ(Transparent().Visible(), Parametres().BoolMostrarQuadreDeSeguiment);
  }
}

TEST_F(TouchTest, ModeThreeClicksTheSecondToLastReportBeforeThePress) {
  Armar(3);
  Mou(100, 100);
  Mou(200, 220);
  Mou(300, 330);
  Informe(::hook::EventMouseDown);
  Mou(600, 600);  // while pressed: the point stays
  Mou(700, 650);
  Informe(::hook::EventMouseUp);
  EXPECT_EQ(ui::headless::PlatformCalls(),
            (Calls{"UnHookMouse", "SetCursorPos 200 220", "mouse_event 2", "mouse_event 4"}));
}

TEST_F(TouchTest, ModeThreeTapsWithoutEnoughReportsFallBackOnOlderPositions) {
  Armar(3);
  Toc();  // nothing since arming: the arming position
  Advance(200);
  Mou(100, 100);
  Mou(200, 200);
  Toc();
  Advance(200);
  Mou(300, 300);  // the only report between two taps
  Toc();
  EXPECT_EQ(Clics(), (Calls{"L 500 400", "L 100 100", "L 200 200"}));
  EXPECT_TRUE(ui::headless::Beeps().empty());
}

TEST_F(TouchTest, ModeFourChoosesTheButtonByTheHalfOfTheReleaseAndClicksTheLastSample) {
  ui::headless::SetScreenSize(1366, 768);
  Armar(4);
  for (const int x : {682, 683}) {
    SetCursor({x, 300});
    Advance(100);
    Toc();
    Advance(200);
  }
  EXPECT_EQ(Clics(), (Calls{"L 682 300", "R 683 300"}));
  EXPECT_EQ(ui::headless::InjectedInput().back().flags, ui::MouseRightUp);
  // Only the button follows the release; the point is the last sample before the press.
  SetCursor({200, 250});
  Advance(100);
  Informe(::hook::EventMouseDown);
  SetCursor({1000, 500});
  Advance(300);
  Informe(::hook::EventMouseUp);
  EXPECT_EQ(Clics().back(), "R 200 250");
  EXPECT_TRUE(F().TimerOnEsElMouse.Enabled());
}

TEST_F(TouchTest, TheButtonHookIsAwayFor200msAfterEachClickAndBackForTheCheckedMode) {
  for (const int mode : {2, 3, 4}) {
    SCOPED_TRACE(mode);
    TornarAComencar();
    Armar(mode, "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=1\r\n");
    Toc();
    if (mode == 2) {
      Informe(::hook::EventMouseDown);
      Advance(100);
    }
    ASSERT_EQ(Clics().size(), 1u);
    Advance(199);
    EXPECT_FALSE(Informe(::hook::EventMouseDown));  // reaches the application, unreported
    Advance(1);
    EXPECT_TRUE(hk::ButtonHookInstalled());
    EXPECT_FALSE(hk::MoveHookInstalled());
  }
}

TEST_F(TouchTest, TheLeaveRequestStopsModesThreeAndFourWithTheFrame) {
  for (const int mode : {3, 4}) {
    SCOPED_TRACE(mode);
    TornarAComencar();
    Armar(mode, "BoolMostrarQuadreDeSeguiment=true\r\n");
    Mou(300, 300);
    EXPECT_TRUE(Transparent().Visible());
    Informe(::hook::EventSortir);
    EXPECT_FALSE(F().MenuTabletPCClicAlPremerLaPantalla.Checked());
    EXPECT_FALSE(F().MenuTabletPCClicEsquerraClicDret.Checked());
    EXPECT_FALSE(F().MenuMostrarQuadreDeSeguimentDelMouse.Checked());
    EXPECT_FALSE(Transparent().Visible());
    EXPECT_FALSE(hk::ButtonHookInstalled() || hk::MoveHookInstalled());
    EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, "-"), std::to_string(mode));
    Advance(1000);
    EXPECT_FALSE(hk::ButtonHookInstalled() || hk::MoveHookInstalled());
    EXPECT_TRUE(Clics().empty());
  }
}

TEST_F(TouchTest, TheLeaveRequestChangesNothingInModesOneAndTwoOrWithNoMode) {
  Armar(0, "BoolMostrarQuadreDeSeguiment=true\r\nBool1ClicAutomaticNoPermetAltresClics=true\r\n");
  F().MissatgeHookMouse(::hook::EventSortir);
  EXPECT_TRUE(F().MenuMostrarQuadreDeSeguimentDelMouse.Checked());
  F().SpeedButton2.Clicked();
  Informe(::hook::EventSortir);
  EXPECT_TRUE(F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked());
  EXPECT_TRUE(hk::ButtonHookInstalled());
  F().SpeedButton1.Clicked();
  Advance(300);
  // Mode 1 drops the swallowed presses and the leave request; its own count goes on.
  for (const long codi : {::hook::EventSortir, ::hook::EventMouseDown, ::hook::EventMouseUp})
    EXPECT_TRUE(Informe(codi));
  EXPECT_TRUE(F().MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_TRUE(F().MenuMostrarQuadreDeSeguimentDelMouse.Checked());
  EXPECT_EQ(Etiqueta(), "7");
  EXPECT_TRUE(Clics().empty());
}

// The library reports only to the main window, whatever other window of the program the file
// names: the modes that swallow presses still click, and the right press still leaves them.
TEST_F(TouchTest, AFileNamingTheOverlayStillClicksInModes3And4AndLetsTheUserLeave) {
  for (const int mode : {3, 4}) {
    TornarAComencar();
    CrearFinestres();
    ui::ProfileWrite(::hook::FitxerHandle, ::hook::SeccioHandle, ::hook::ClauHandle,
                     ::hook::EscriureHandle(Transparent().Handle()));
    SetCursor({300, 400});
    if (mode == 3) F().MenuTabletPCClicAlPremerLaPantallaClick();
    if (mode == 4) F().MenuTabletPCClicEsquerraClicDretClick();
    Toc();
    EXPECT_EQ(Clics(), Calls{"L 300 400"}) << "mode " << mode;
    Advance(200);  // the button hook is back after the click
    EXPECT_TRUE(Informe(::hook::EventSortir));
    EXPECT_FALSE(hk::ButtonHookInstalled()) << "mode " << mode;
  }
}

}  // namespace
