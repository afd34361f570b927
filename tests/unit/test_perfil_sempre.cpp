// The dwell-only profile keeps clicking on: from every start, back within a second of every
// stop a carer makes, through the program's own message boxes, and a pause kept across a
// restart.
#include "tests/unit/Programa.h"
#include "tipusclic/UnitFormTipusClic.h"

// Named, so that its short names stay apart when the test files are compiled together.
namespace prova_perfil_sempre {

namespace hl = ui::headless;

constexpr int Decimes = 3;
constexpr unsigned UnSegon = 1000;
constexpr unsigned Pas = 10;
const std::string Prem = "mouse_event 2";
const std::string Perfil = "[TipusClic]\r\nMostrarPanell=true\r\n";

class PerfilSempreTest : public ProgramaTest {
 protected:
  // The settings file as a carer left it, then the program's start, notice included.
  void Arrencar(const std::string& parametres, const std::string& seccions) {
    Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=" + std::to_string(Decimes) + "\r\n" +
           parametres + seccions);
    CrearFinestres();
    hl::SetCursor(lloc_);
    AvisIRestauracio();
  }
  // Mode 1 armed: checked, its countdown running, no start countdown before it.
  bool Armat() {
    TFormPrincipal& p = Principal();
    return p.MenuClicAutomaticAlEstarParat.Checked() &&
           p.TimerComptaEnreraClicAutomatic.Enabled() && !p.TimerEngegar.Enabled();
  }
  // Milliseconds of virtual time until mode 1 is armed; more than limit when it never is.
  unsigned FinsArmat(unsigned limit = 2 * UnSegon) {
    unsigned t = 0;
    while (!Armat() && t <= limit) {
      hl::Advance(Pas);
      t += Pas;
    }
    return t;
  }
  // The pointer moves to a fresh spot and rests there: the left presses injected meanwhile.
  int PremsEnReposar() { return PremsEnReposarA({lloc_.x += 37, lloc_.y}); }
  int PremsEnReposarA(ui::Point p) {
    hl::ClearPlatformCalls();
    hl::SetCursor(p);
    hl::Advance(100 * (Decimes + 2));
    const auto& calls = hl::PlatformCalls();
    return static_cast<int>(std::count(calls.begin(), calls.end(), Prem));
  }
  // A box that is up: the pointer rests on its button until it closes, or limit passes.
  void ReposarSobreElBoto(unsigned limit = 3 * UnSegon) {
    const hl::ShownMessageBox* caixa = hl::OpenMessageBox();
    ASSERT_NE(caixa, nullptr);
    hl::SetCursor({(caixa->button.left + caixa->button.right) / 2,
                   (caixa->button.top + caixa->button.bottom) / 2});
    for (unsigned t = 0; hl::OpenMessageBox() && t < limit; t += Pas) hl::Advance(Pas);
  }

  ui::Point lloc_{500, 400};
};

TEST_F(PerfilSempreTest, ModeOneRunsFromEveryStartAndComesBackWithinASecondOfEachStop) {
  // A start countdown, and another mode stored to start with: neither holds the profile back.
  Arrencar(
      "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\nSegonsIniciActivitat=5\r\n"
      "BoolCheckBoxArrancarAmbOpcioMenu=true\r\n",
      "[Menu]\r\nOpcio=3\r\n" + Perfil);
  EXPECT_TRUE(Armat()) << "mode 1 is not armed once the notice is over";
  EXPECT_FALSE(Principal().MenuTabletPCClicAlPremerLaPantalla.Checked());
  EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, ""), "3") << "the stored mode was rewritten";
  EXPECT_EQ(PremsEnReposar(), 1);

  TFormPrincipal& p = Principal();
  struct Aturada {
    const char* nom;
    std::function<void()> fer;
  };
  const auto dialeg = [&](ui::MenuItem& item) {
    hl::OnModal([&](ui::Form&) {
      // Open for two seconds: nothing comes back meanwhile, though the menu closed before.
      hl::Advance(2 * UnSegon);
      EXPECT_FALSE(p.MenuClicAutomaticAlEstarParat.Checked());
    });
    hl::ChooseMenuItem(p.MenuOpcions, item);
    hl::OnModal(nullptr);
  };
  const Aturada aturades[] = {
      {"menu opened and closed", [&] { hl::OpenMenu(p.MenuOpcions); }},
      {"parameters dialog", [&] { dialeg(p.MenuParametres); }},
      {"about box", [&] { dialeg(p.MenuParlantDe); }},
      {"a click on the label", [&] { hl::Click(p.LabelCompteEnrera); }},
      {"mode 1's button", [&] { hl::Click(p.SpeedButton1); }},
  };
  for (const Aturada& a : aturades) {
    SCOPED_TRACE(a.nom);
    a.fer();
    EXPECT_FALSE(Armat());
    EXPECT_LE(FinsArmat(), UnSegon);
    EXPECT_EQ(PremsEnReposar(), 1);
  }
  EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, ""), "0") << "mode 1's button stores its stop";

  // A carer's choice of another mode from the menu stands, start countdown and all.
  hl::ChooseMenuItem(p.MenuOpcions, p.MenuClicTabletPCALEstarElMouseDownEnUnaCasella);
  hl::Advance(2 * UnSegon);
  EXPECT_TRUE(p.MenuClicTabletPCALEstarElMouseDownEnUnaCasella.Checked());
  EXPECT_FALSE(p.MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_TRUE(p.TimerEngegar.Enabled());
}

TEST_F(PerfilSempreTest, WithTheProfileOffTheStoredModeStartsAndAStopStays) {
  Arrencar("BoolCheckBoxArrancarAmbOpcioMenu=true\r\n", "[Menu]\r\nOpcio=3\r\n");
  EXPECT_TRUE(Principal().MenuTabletPCClicAlPremerLaPantalla.Checked());
  for (auto aturar : {+[](TFormPrincipal& p) { hl::OpenMenu(p.MenuOpcions); },
                      +[](TFormPrincipal& p) { hl::Click(p.LabelCompteEnrera); }}) {
    Principal().MenuClicAutomaticAlEstarParatClick();
    aturar(Principal());
    EXPECT_GT(FinsArmat(), 2 * UnSegon);
    EXPECT_FALSE(Principal().TimerTornarAClicar.Enabled());
  }
}

TEST_F(PerfilSempreTest, APauseChosenOnThePanelOutlastsARestart) {
  Arrencar("", Perfil);
  ASSERT_TRUE(Armat());
  PremsEnReposarA(CentreBotoPanell(TipusClic::Pausa));
  ASSERT_EQ(Programa().FormTipusClic()->Triat(), TipusClic::Pausa);
  EXPECT_EQ(PremsEnReposar(), 0);
  Principal().Close();
  EXPECT_NE(TextFitxer().find("Pausa=true\r\n"), std::string::npos) << TextFitxer();

  DestruirFinestres();
  Parametres() = TParametres{};
  hl::SetCursor(lloc_);
  CrearFinestres();
  AvisIRestauracio();
  TFormTipusClic& panell = *Programa().FormTipusClic();
  EXPECT_TRUE(Armat());
  EXPECT_TRUE(panell.Visible());
  EXPECT_EQ(panell.Triat(), TipusClic::Pausa);
  EXPECT_EQ(panell.Aspecte(TipusClic::Pausa), AspecteBoto::Premut);
  EXPECT_EQ(PremsEnReposar(), 0) << "the pause was lost in the restart";
  // Chosen again, the pause ends, and that is kept too.
  PremsEnReposarA(CentreBotoPanell(TipusClic::Pausa));
  EXPECT_EQ(PremsEnReposar(), 1);
  Principal().Close();
  EXPECT_NE(TextFitxer().find("Pausa=false\r\n"), std::string::npos) << TextFitxer();
}

TEST_F(PerfilSempreTest, ARestOnTheButtonOfTheProgramsBoxesClosesThem) {
  // The bad colour at start: shown once mode 1 runs, after the notice, and closed by a rest.
  bool armatAmbLaCaixa = false;
  hl::OnMessageBox([&](const hl::ShownMessageBox&) {
    armatAmbLaCaixa = Armat();
    ReposarSobreElBoto();
  });
  Arrencar("ColorQuadreSeguiment=zz\r\n", Perfil);
  ASSERT_EQ(hl::MessageBoxes().size(), 1u);
  const hl::ShownMessageBox caixa = hl::MessageBoxes().back();
  EXPECT_EQ(caixa.text, "'zz' is not a valid integer value.");
  EXPECT_GE(caixa.time, DuradaAvis);
  EXPECT_TRUE(armatAmbLaCaixa);
  ASSERT_TRUE(caixa.closedByClick) << "a rest on its button left the box up";
  EXPECT_LE(*caixa.closedByClick - caixa.time, (Decimes + 1) * 100u);
  EXPECT_TRUE(Armat());
  EXPECT_EQ(PremsEnReposar(), 1);

  // A bad number in the parameters dialog: mode 1 runs for the box alone, the dialog stays
  // without it, and it comes back once the dialog has closed.
  TFormPrincipal& p = Principal();
  hl::OnModal([&](ui::Form&) {
    TFormParametres& d = Dialeg();
    armatAmbLaCaixa = false;
    hl::Type(d.EditPixelsMouseParat, "101");
    hl::Click(d.BitBtnDAcord);
    EXPECT_TRUE(armatAmbLaCaixa);
    EXPECT_TRUE(hl::MessageBoxes().back().closedByClick);
    EXPECT_TRUE(d.Modal());
    EXPECT_FALSE(p.MenuClicAutomaticAlEstarParat.Checked());
    EXPECT_FALSE(Programa().FormTipusClic()->Visible());
    hl::Click(d.BitBtncancelar);
  });
  hl::ChooseMenuItem(p.MenuOpcions, p.MenuParametres);
  hl::OnModal(nullptr);
  hl::OnMessageBox(nullptr);
  EXPECT_EQ(hl::MessageBoxes().size(), 2u);
  EXPECT_LE(FinsArmat(), UnSegon);
}

}  // namespace prova_perfil_sempre
