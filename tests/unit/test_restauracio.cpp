#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

namespace hl = ui::headless;
namespace hk = ui::headless::hook;

class RestauracioTest : public ProgramaTest {
 protected:
  void Inici(const std::string& fitxer, const std::string& arguments = "") {
    if (!fitxer.empty()) Fitxer(fitxer);
    Programa().LiniaOrdres = UnirArguments("Pelvoro.exe " + arguments);
    CrearFinestres();
    hk::ClearCalls();
  }
  TFormPrincipal& F() { return Principal(); }
};

// What the about box looked like, sampled on a probe timer while the notice ran.
struct Mostra {
  std::uint64_t t;
  bool visible, botoVisible, timerActiu, principalVisible;
  int alcada;
};

TEST_F(RestauracioTest, TheNoticeShowsTheBoxWithoutItsButtonForThreeSecondsAndPutsItBack) {
  Inici("");
  const int alcada = About().Height();
  std::vector<Mostra> mostres;
  ui::Timer sonda(About(), 500);
  sonda.OnTimer = [&] {
    mostres.push_back({hl::Now(), About().Visible(), About().OKButton.Visible(),
                       About().Timer1.Enabled(), Principal().Visible(), About().Height()});
  };
  sonda.SetEnabled(true);

  AvisIRestauracio();

  ASSERT_EQ(mostres.size(), 5u);  // 500 ms to 2500 ms: the tick due at 3000 falls after the wait
  for (const Mostra& m : mostres) {
    EXPECT_TRUE(m.visible) << m.t;
    EXPECT_FALSE(m.botoVisible) << m.t;
    EXPECT_FALSE(m.timerActiu) << m.t;  // the pictures stand still
    EXPECT_FALSE(m.principalVisible) << m.t;
    EXPECT_EQ(m.alcada, alcada - AlcadaFilaBoto) << m.t;
  }
  EXPECT_GE(hl::Now(), DuradaAvis);
  EXPECT_FALSE(About().Visible());
  EXPECT_TRUE(About().OKButton.Visible());
  EXPECT_EQ(About().Height(), alcada);
  EXPECT_FALSE(About().Timer1.Enabled());  // until the box is next shown from the menu
}

TEST_F(RestauracioTest, OnlyTheExactJoinedTextNoaboutSkipsTheNotice) {
  struct Cas {
    const char* arguments;
    bool avis;
  };
  for (const Cas& cas :
       {Cas{"NOABOUT", false}, Cas{"NO ABOUT", false}, Cas{"\"NO\" \"ABOUT\"", false},
        Cas{"noabout", true}, Cas{"NOABOUT x", true}, Cas{"\"NO ABOUT\"", true}, Cas{"", true}}) {
    SCOPED_TRACE(cas.arguments);
    TornarAComencar();
    Inici("", cas.arguments);
    bool mostrada = false;
    ui::Timer sonda(About(), 100);
    sonda.OnTimer = [&] { mostrada = mostrada || About().Visible(); };
    sonda.SetEnabled(true);
    AvisIRestauracio();
    EXPECT_EQ(mostrada, cas.avis);
    EXPECT_EQ(hl::Now() >= DuradaAvis, cas.avis);
  }
}

TEST_F(RestauracioTest, OnlyTheExactStoredCastellaGivesSpanish) {
  for (const char* llenguatge : {"castella", "Castella", "castellano", ""}) {
    SCOPED_TRACE(llenguatge);
    TornarAComencar();
    Inici(std::string("[Llenguatge]\r\nLlenguatge=") + llenguatge + "\r\n", "NOABOUT");
    AvisIRestauracio();
    const bool castella = std::string(llenguatge) == "castella";
    EXPECT_EQ(F().MenuCastella.Checked(), castella);
    EXPECT_EQ(F().MenuCatala.Checked(), !castella);
    EXPECT_EQ(F().MenuSortir.Caption(), castella ? "&Salir" : "&Sortir");
  }
}

TEST_F(RestauracioTest, TheStoredFrameComesBackBeforeTheLastModeStopsItAgain) {
  Inici(
      "[Parametres]\r\nBoolMostrarQuadreDeSeguiment=true\r\nBoolCheckBoxArrancarAmbOpcioMenu="
      "true\r\n"
      "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\n[Menu]\r\nOpcio=1\r\n",
      "NOABOUT");
  EstatMotor().AngleTemporitzador = 90;
  AvisIRestauracio();
  // The frame's move hook first; then the mode command stops everything, and mode 1 waits for
  // the start countdown.
  EXPECT_EQ(hk::Calls(),
            (std::vector<std::string>{"SetHookMouseMove", "UnHookMouse", "UnHookMouseMove"}));
  EXPECT_EQ(EstatMotor().AngleTemporitzador, 0);
  EXPECT_FALSE(Transparent().Visible());
  EXPECT_EQ(F().SpeedButton0.GetFont().colour, ui::clRed);
  EXPECT_TRUE(F().MenuClicAutomaticAlEstarParat.Checked());
  EXPECT_TRUE(F().TimerEngegar.Enabled());
  EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, "-"), "1");
  hl::Advance(10000);
  EXPECT_TRUE(F().TimerComptaEnreraClicAutomatic.Enabled());
  EXPECT_TRUE(Transparent().Visible());  // the dwell click shows the frame again
  EXPECT_TRUE(hk::MoveHookInstalled());
}

TEST_F(RestauracioTest, TheFrameAloneShowsTheOverlayAndReportsMoves) {
  Inici("[Parametres]\r\nBoolMostrarQuadreDeSeguiment=true\r\n", "NOABOUT");
  AvisIRestauracio();
  EXPECT_TRUE(Transparent().Visible());
  EXPECT_TRUE(hk::MoveHookInstalled());
  hl::SetCursor({400, 300});
  ASSERT_TRUE(hk::Report(hook::EventMouseMove));
  hl::Advance(0);
  const ui::Rect r = Transparent().BoundsRect();
  EXPECT_EQ((r.left + r.right) / 2, 400);
  EXPECT_EQ((r.top + r.bottom) / 2, 300);
}

TEST_F(RestauracioTest, TheLastModeComesBackOnlyWhenAskedAndOnlyForOneToFour) {
  struct Cas {
    bool demanat;
    const char* opcio;
    ui::MenuItem TFormPrincipal::*item;  // null: no mode
  };
  const Cas casos[] = {
      {true, "4", &TFormPrincipal::MenuTabletPCClicEsquerraClicDret},  // hidden, yet restored
      {true, "3", &TFormPrincipal::MenuTabletPCClicAlPremerLaPantalla},
      {true, "2", &TFormPrincipal::MenuClicTabletPCALEstarElMouseDownEnUnaCasella},
      {true, "0", nullptr},
      {true, "5", nullptr},
      {true, " 1", nullptr},
      {false, "1", nullptr},
  };
  for (const Cas& cas : casos) {
    SCOPED_TRACE(std::string(cas.opcio) + (cas.demanat ? " asked" : " not asked"));
    TornarAComencar();
    // Quoted, so the reader keeps a leading blank.
    Inici(std::string("[Parametres]\r\nBoolCheckBoxArrancarAmbOpcioMenu=") +
              (cas.demanat ? "true" : "false") + "\r\n[Menu]\r\nOpcio=\"" + cas.opcio + "\"\r\n",
          "NOABOUT");
    AvisIRestauracio();
    for (ui::MenuItem* m :
         {&F().MenuClicAutomaticAlEstarParat, &F().MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
          &F().MenuTabletPCClicAlPremerLaPantalla, &F().MenuTabletPCClicEsquerraClicDret})
      EXPECT_EQ(m->Checked(), cas.item && m == &(F().*cas.item)) << m->Caption();
    EXPECT_EQ(hk::ButtonHookInstalled(), cas.item != nullptr);
    // Only a mode command writes the last mode, unquoted; a start that restores none leaves it.
    const std::string escrit =
        std::string("Opcio=") + (cas.item ? "" : "\"") + cas.opcio + (cas.item ? "" : "\"");
    EXPECT_NE(TextFitxer().find(escrit + "\r\n"), std::string::npos) << TextFitxer();
  }
}

TEST_F(RestauracioTest, TheRestoredModeWaitsForTheStartCountdown) {
  Inici(
      "[Parametres]\r\nBoolCheckBoxArrancarAmbOpcioMenu="
      "true\r\nBoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\n"
      "SegonsIniciActivitat=2\r\n[Menu]\r\nOpcio=3\r\n",
      "NOABOUT");
  AvisIRestauracio();
  EXPECT_TRUE(F().TimerEngegar.Enabled());
  EXPECT_FALSE(hk::ButtonHookInstalled());
  hl::Advance(2000);
  EXPECT_TRUE(hk::ButtonHookInstalled());
}

TEST_F(RestauracioTest, TheMainWindowShowsOnlyAfterTheNotice) {
  hl::SetCommandLine("Pelvoro.exe");
  std::uint64_t inici = 0;
  bool principal = false, about = true;
  hl::SetLoopDriver([&] {
    inici = hl::Now();
    principal = Principal().Visible();
    about = About().Visible();
    Principal().Close();
  });
  EXPECT_EQ(Pelvoro(), 0);
  EXPECT_GE(inici, DuradaAvis);
  EXPECT_TRUE(principal);
  EXPECT_FALSE(about);
}

}  // namespace
