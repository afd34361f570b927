#include <functional>

#include "tests/unit/Programa.h"
#include "ui/messages.h"

namespace {

namespace hl = ui::headless;

class ParametresTest : public ProgramaTest {
 protected:
  TFormParametres& D() { return Dialeg(); }

  // Opens the dialog from the menu command and runs what the user does while it is up.
  void Obrir(std::function<void(TFormParametres&)> usuari) {
    hl::OnModal([usuari](ui::Form& f) { usuari(static_cast<TFormParametres&>(f)); });
    Principal().MenuParametresClick();
  }

  // Types into one box and presses "D'acord"; true when the dialog closed.
  bool Confirmar(ui::Edit TFormParametres::*caixa, const std::string& text) {
    bool tancat = false;
    Obrir([&](TFormParametres& d) {
      EXPECT_TRUE(hl::Type(d.*caixa, text));
      hl::Click(d.BitBtnDAcord);
      tancat = !d.Modal();
    });
    return tancat;
  }
};

const std::array<std::string, NombreCaixes> TextosBons{"10", "10", "10", "10", "150", "10"};

TEST(ValidarCaixes, EachBoxTakesItsRangeBoundsIncluded) {
  struct Esperat {
    std::int32_t minim, maxim;
  };
  const std::array<Esperat, NombreCaixes> esperats{
      {{1, 100}, {1, 100}, {0, 100}, {0, 100}, {50, 1000}, {1, 22}}};
  for (std::size_t i = 0; i < NombreCaixes; ++i) {
    const Esperat& e = esperats[i];
    SCOPED_TRACE(i);
    auto textos = TextosBons;
    for (const std::int32_t bo : {e.minim, e.maxim}) {
      textos[i] = std::to_string(bo);
      const auto v = ValidarCaixes(textos);
      EXPECT_FALSE(v.errada);
      EXPECT_EQ(v.valors[i], bo);
    }
    for (const std::int32_t dolent : {e.minim - 1, e.maxim + 1}) {
      textos[i] = std::to_string(dolent);
      EXPECT_EQ(ValidarCaixes(textos).errada, static_cast<Caixa>(i));
    }
  }
}

TEST_F(ParametresTest, EachBadBoxShowsTheMessageOfItsRangeAndGetsItsInitialValueBack) {
  struct Esperat {
    ui::Edit TFormParametres::*caixa;
    const char* dolent;
    const char* missatge;
    const char* perDefecte;
  };
  const Esperat esperats[] = {
      {&TFormParametres::EditSegonsPerEngegar, "0",
       "El valor ha de ser més gran que 0 i més petit o igual que 100", "10"},
      {&TFormParametres::EditDecimesClicAutomatic, "101",
       "El valor ha de ser més gran que 0 i més petit o igual que 100", "10"},
      {&TFormParametres::EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella, "-1",
       "El valor ha de ser més gran o igual que 0 i més petit o igual que 100", "10"},
      {&TFormParametres::EditPixelsMouseParat, "101",
       "El valor ha de ser més gran o igual que 0 i més petit o igual que 100", "10"},
      {&TFormParametres::EditAmpladaQuadreSeguiment, "1001",
       "El valor ha de ser més gran o igual que 50 i més petit o igual que 1000", "150"},
      {&TFormParametres::EditGruixudariaQuadreSeguiment, "23",
       "El valor ha de ser més gran o igual que 1 i més petit o igual que 22", "10"},
  };
  CrearFinestres();
  // Every box enabled, so each one is checked.
  Parametres().BoolCheckBoxHiHaComptaEnreraPerEngegar = true;
  for (const Esperat& e : esperats) {
    SCOPED_TRACE(e.missatge);
    const std::size_t abans = hl::MessageBoxes().size();
    Obrir([&](TFormParametres& d) {
      hl::Type(d.*e.caixa, e.dolent);
      hl::Click(d.BitBtnDAcord);
      ASSERT_EQ(hl::MessageBoxes().size(), abans + 1);
      EXPECT_EQ(hl::MessageBoxes()[abans].text, e.missatge);
      EXPECT_EQ((d.*e.caixa).Text(), e.perDefecte);
      hl::Click(d.BitBtncancelar);
    });
  }
}

TEST(CantonadaCentrada, CentresOnTheScreenButKeepsTheCaptionOnIt) {
  EXPECT_EQ(CantonadaCentrada(699, 618, 1366, 768), (ui::Point{333, 75}));
  EXPECT_EQ(CantonadaCentrada(699, 618, 640, 480), (ui::Point{0, 0}));
}

TEST_F(ParametresTest, ABoxReadsNumbersAsTheSettingsFileDoes) {
  CrearFinestres();
  EXPECT_TRUE(Confirmar(&TFormParametres::EditDecimesClicAutomatic, "  7"));
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, 7);
  EXPECT_TRUE(Confirmar(&TFormParametres::EditDecimesClicAutomatic, "$0A"));
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, 10);
  for (const std::string dolent : {"7 ", "7a", "", "-"}) {
    SCOPED_TRACE(dolent);
    EXPECT_FALSE(Confirmar(&TFormParametres::EditDecimesClicAutomatic, dolent));
    EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, 10);
  }
  EXPECT_EQ(hl::MessageBoxes().size(), 4u);
}

TEST_F(ParametresTest, AFailedConfirmReportsTheFirstBadBoxResetsAndFocusesItAndStoresNothing) {
  CrearFinestres();
  Parametres().BoolCheckBoxHiHaComptaEnreraPerEngegar = true;
  const TParametres abans = Parametres();
  Obrir([&](TFormParametres& d) {
    hl::Click(d.CheckBoxTemporitzador);
    hl::Type(d.EditSegonsPerEngegar, "0");
    hl::Type(d.EditAmpladaQuadreSeguiment, "49");
    hl::Click(d.BitBtnDAcord);
    ASSERT_EQ(hl::MessageBoxes().size(), 1u);
    EXPECT_EQ(hl::MessageBoxes()[0].text,
              "El valor ha de ser més gran que 0 i més petit o igual que 100");
    EXPECT_EQ(hl::MessageBoxes()[0].caption, "PELVORO");
    EXPECT_EQ(hl::MessageBoxes()[0].flags, 0x40u);
    EXPECT_EQ(d.EditSegonsPerEngegar.Text(), "10");
    EXPECT_EQ(d.EditAmpladaQuadreSeguiment.Text(), "49");
    EXPECT_EQ(hl::Focused(), &d.EditSegonsPerEngegar);
    EXPECT_TRUE(d.Modal());
    EXPECT_EQ(Parametres(), abans);

    // The next confirm gets as far as the width.
    hl::Click(d.BitBtnDAcord);
    ASSERT_EQ(hl::MessageBoxes().size(), 2u);
    EXPECT_EQ(hl::MessageBoxes()[1].text,
              "El valor ha de ser més gran o igual que 50 i més petit o igual que 1000");
    EXPECT_EQ(d.EditAmpladaQuadreSeguiment.Text(), "150");
    EXPECT_EQ(hl::Focused(), &d.EditAmpladaQuadreSeguiment);
    EXPECT_EQ(Parametres(), abans);
  });
}

TEST_F(ParametresTest, BadTextLeftInTheDisabledSecondsBoxSendsTheFocusToItsCheckBox) {
  CrearFinestres();
  Obrir([&](TFormParametres& d) {
    EXPECT_FALSE(hl::Type(d.EditSegonsPerEngegar, "5"));  // disabled while unticked
    hl::Click(d.CheckBoxHiHaComptaEnrdarreraPerEngegar);
    EXPECT_TRUE(hl::Type(d.EditSegonsPerEngegar, "abc"));
    hl::Click(d.CheckBoxHiHaComptaEnrdarreraPerEngegar);
    EXPECT_FALSE(d.EditSegonsPerEngegar.Enabled());
    hl::Click(d.BitBtnDAcord);
    ASSERT_EQ(hl::MessageBoxes().size(), 1u);
    EXPECT_EQ(d.EditSegonsPerEngegar.Text(), "10");
    EXPECT_EQ(hl::Focused(), &d.CheckBoxHiHaComptaEnrdarreraPerEngegar);
    EXPECT_TRUE(d.Modal());
  });
}

TEST_F(ParametresTest, EachOpeningStartsFromTheSettingsCentredAndCancelDropsTypingAndColour) {
  CrearFinestres();
  TParametres& p = Parametres();
  p.BoolCheckBoxHiHaComptaEnreraPerEngegar = p.Bool1ClicAutomaticNoPermetAltresClics = true;
  p.BoolQuadreSeguimentRodo = p.BoolCheckBoxExecutarMinimitzat = true;
  p.SegonsIniciActivitat = 3, p.DecimesTimerClickAutomatic = 4,
  p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella = 5;
  p.PixelsDeSeparacioPerqueEsConsideriParat = 6, p.GruixudariaQuadreDeSeguiment = 8;
  p.AmpladaQuadreDeSeguiment = p.AlcadaQuadreDeSeguiment = 70;
  p.ColorQuadreSeguiment = ui::clGreen;
  const TParametres desat = p;
  hl::OnChooseColour([](ui::Colour& c) {
    EXPECT_EQ(c, ui::clGreen);  // preset to the working colour
    c = ui::clBlue;
    return true;
  });
  Obrir([](TFormParametres& d) {
    EXPECT_TRUE(d.EditSegonsPerEngegar.Enabled());
    EXPECT_EQ(d.EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella.Text(), "5");
    EXPECT_EQ(d.EditPixelsMouseParat.Text(), "6");
    hl::Type(d.EditPixelsMouseParat, "99");
    hl::Click(d.CheckBoxHiHaComptaEnrdarreraPerEngegar);
    EXPECT_FALSE(d.EditSegonsPerEngegar.Enabled());
    hl::Click(d.ButtonColor);
    EXPECT_EQ(d.ColorTriat, ui::clBlue);
    d.SetBounds(0, 0, 300, 200);
    hl::Click(d.BitBtncancelar);
  });
  EXPECT_EQ(p, desat);
  // Opened again: nothing typed before is left, and confirming as shown changes nothing.
  hl::OnChooseColour(nullptr);
  Obrir([](TFormParametres& d) {
    EXPECT_EQ(d.BoundsRect(), (ui::Rect{333, 75, 333 + 699, 75 + 618}));
    EXPECT_TRUE(d.EditSegonsPerEngegar.Enabled());
    EXPECT_EQ(d.ColorTriat, ui::clGreen);
    hl::Click(d.ButtonColor);  // the chooser cancelled
    hl::Click(d.BitBtnDAcord);
  });
  EXPECT_EQ(p, desat);
}

TEST_F(ParametresTest, ASuccessfulConfirmStoresEveryControlResizesTheOverlayAndShowsTheSeconds) {
  CrearFinestres();
  Parametres().BoolMostrarQuadreDeSeguiment = true;  // not in the dialog: left alone
  hl::OnChooseColour([](ui::Colour& c) { return c = ui::clBlue, true; });
  Obrir([&](TFormParametres& d) {
    hl::Click(d.CheckBoxHiHaComptaEnrdarreraPerEngegar);
    hl::Type(d.EditSegonsPerEngegar, "25");
    hl::Click(d.CheckBoxHiHaComptaEnrdarreraPerEngegar);  // unticked, the seconds still count
    hl::Type(d.EditDecimesClicAutomatic, "100");
    hl::Click(d.CheckBox1ClicAutomaticNoPermetAltresClics);
    hl::Type(d.EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella, "0");
    hl::Type(d.EditPixelsMouseParat, "0");
    hl::Click(d.CheckBoxTemporitzador);
    hl::Click(d.CheckBoxQuadreSeguimentCercle);
    hl::Type(d.EditAmpladaQuadreSeguiment, "300");
    hl::Type(d.EditGruixudariaQuadreSeguiment, "22");
    hl::Click(d.CheckBoxArrancarAmbOpcioMenu);
    hl::Click(d.CheckBoxExecutarMinimitzat);
    hl::Click(d.ButtonColor);
    hl::Click(d.BitBtnDAcord);
    EXPECT_FALSE(d.Modal());
  });
  TParametres esperat;
  esperat.SegonsIniciActivitat = 25, esperat.DecimesTimerClickAutomatic = 100;
  esperat.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella =
      esperat.PixelsDeSeparacioPerqueEsConsideriParat = 0;
  esperat.AmpladaQuadreDeSeguiment = esperat.AlcadaQuadreDeSeguiment = 300,
  esperat.GruixudariaQuadreDeSeguiment = 22;
  esperat.Bool1ClicAutomaticNoPermetAltresClics = esperat.BoolCheckBoxTemporitzador = true;
  esperat.BoolMostrarQuadreDeSeguiment = esperat.BoolQuadreSeguimentRodo = true;
  esperat.BoolCheckBoxArrancarAmbOpcioMenu = esperat.BoolCheckBoxExecutarMinimitzat = true;
  esperat.ColorQuadreSeguiment = ui::clBlue;
  EXPECT_EQ(Parametres(), esperat);
  EXPECT_EQ(Transparent().Width(), 300);
  EXPECT_EQ(Transparent().Height(), 300);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "25");
  EXPECT_TRUE(hl::MessageBoxes().empty());
}

TEST_F(ParametresTest, TheKeyboardRunsThroughButtonsThenPanelsAndEnterAndEscAreTheButtons) {
  CrearFinestres();
  TFormParametres& d = D();
  std::vector<ui::Control*> ordre;
  for (ui::Control* c : d.Controls())
    if (c->TakesFocus()) ordre.push_back(c);
  EXPECT_EQ(ordre,
            (std::vector<ui::Control*>{
                &d.BitBtnDAcord, &d.BitBtncancelar, &d.CheckBoxHiHaComptaEnrdarreraPerEngegar,
                &d.EditSegonsPerEngegar, &d.EditDecimesClicAutomatic,
                &d.CheckBox1ClicAutomaticNoPermetAltresClics,
                &d.EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella, &d.EditPixelsMouseParat,
                &d.CheckBoxTemporitzador, &d.CheckBoxQuadreSeguimentCercle, &d.ButtonColor,
                &d.EditAmpladaQuadreSeguiment, &d.EditGruixudariaQuadreSeguiment,
                &d.CheckBoxArrancarAmbOpcioMenu, &d.CheckBoxExecutarMinimitzat}));

  Obrir([](TFormParametres& d) {
    EXPECT_EQ(hl::Focused(), &d.BitBtnDAcord);
    hl::Type(d.EditPixelsMouseParat, "33");
    hl::PressEnter(d);  // from an edit box: the default button
    EXPECT_FALSE(d.Modal());
  });
  EXPECT_EQ(Parametres().PixelsDeSeparacioPerqueEsConsideriParat, 33);

  const auto cancelaAmb = [&](std::function<void(TFormParametres&)> tecla) {
    Obrir([&](TFormParametres& d) {
      hl::Type(d.EditPixelsMouseParat, "44");
      tecla(d);
      EXPECT_FALSE(d.Modal());
    });
    EXPECT_EQ(Parametres().PixelsDeSeparacioPerqueEsConsideriParat, 33);
  };
  cancelaAmb([](TFormParametres& d) { hl::PressEscape(d); });
  cancelaAmb([](TFormParametres& d) {
    d.BitBtncancelar.SetFocus();
    hl::PressEnter(d);  // Enter presses the focused button
  });
  cancelaAmb([](TFormParametres& d) {
    ui::PostMessageTo(d.Handle(), ui::msg::Close, 0, 0);
    hl::Advance(1);
  });
}

TEST_F(ParametresTest, WhileOpenNoModeRunsAndTheFramesMoveHookComesBack200msAfterItCloses) {
  CrearFinestres();
  Principal().MenuMostrarQuadreDeSeguimentDelMouseClick();
  hl::Advance(200);
  ASSERT_TRUE(hl::hook::MoveHookInstalled());
  Principal().MenuClicAutomaticAlEstarParatClick();

  hl::OnModal([this](ui::Form&) {
    EXPECT_FALSE(EstatMotor().PermetHookMouseMove);
    EXPECT_FALSE(Principal().MenuClicAutomaticAlEstarParat.Checked());
    hl::Advance(400);  // the menu's re-activation falls while the dialog is up
    EXPECT_FALSE(hl::hook::MoveHookInstalled());
  });
  hl::ChooseMenuItem(Principal().MenuOpcions, Principal().MenuParametres);
  EXPECT_TRUE(EstatMotor().PermetHookMouseMove);
  EXPECT_FALSE(hl::hook::MoveHookInstalled());
  hl::Advance(199);
  EXPECT_FALSE(hl::hook::MoveHookInstalled());
  hl::Advance(1);
  EXPECT_TRUE(hl::hook::MoveHookInstalled());
}

TEST_F(ParametresTest, WithoutTheFrameClosingTheDialogInstallsNoHook) {
  CrearFinestres();
  Principal().MenuParametresClick();
  EXPECT_FALSE(Principal().TimerActivarElHookMouse.Enabled());
  hl::Advance(1000);
  EXPECT_FALSE(hl::hook::MoveHookInstalled());
  EXPECT_FALSE(hl::hook::ButtonHookInstalled());
}

}  // namespace
