#include "tests/unit/Programa.h"
#include "ui/messages.h"

namespace {

class MainWindowTest : public ProgramaTest {};

TEST_F(MainWindowTest, SitsAtTheTopRightAt118By150AlwaysOnTop) {
  ui::headless::SetScreenSize(1366, 768);
  CrearFinestres();
  EXPECT_EQ(Principal().BoundsRect(), (ui::Rect{1366 - 118, 0, 1366, 150}));
  EXPECT_EQ(Principal().AmpladaPantalla, 1366);
  EXPECT_TRUE(Principal().Style().topMost);
  EXPECT_EQ(Principal().Caption(), "Pelvoro");
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "10");
  EXPECT_EQ(Principal().LabelCompteEnrera.GetFont().colour, ui::clBlue);
  EXPECT_FALSE(Principal().Visible());
}

TEST_F(MainWindowTest, TheMenuShowsItsItemsAndKeepsTheHiddenOnesWithTheirMarks) {
  // With the click-type panel switched on: its switch is never in this menu.
  Fitxer("[TipusClic]\r\nMostrarPanell=true\r\n");
  CrearFinestres();
  std::vector<std::string> shown;
  for (const ui::MenuItem* item : Principal().MenuOpcions.Items())
    if (item->Visible())
      shown.push_back(item->GetKind() == ui::MenuItem::Kind::Separator ? "-" : item->Caption());
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "0-Mostrar quadre de seguiment del mouse",
                       "1-Clic automàtic a l'estar parat el mouse en una posició",
                       "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona",
                       "3-Tablet PC. Clic al prèmer la pantalla", "-", "Paràmetres...",
                       "Llenguatge", "-", "P&arlant de...", "-", "&Sortir"}));
  EXPECT_FALSE(Principal().MenuEnviarClicksReals.Visible());
  EXPECT_TRUE(Principal().MenuEnviarClicksReals.Checked());
  EXPECT_FALSE(Principal().MenuTabletPCClicEsquerraClicDret.Visible());
  EXPECT_FALSE(Principal().N1.Visible());
  EXPECT_TRUE(Principal().MenuCatala.Checked());
  EXPECT_FALSE(Principal().MenuCastella.Checked());
  for (auto* mode : {&Principal().MenuMostrarQuadreDeSeguimentDelMouse,
                     &Principal().MenuClicAutomaticAlEstarParat,
                     &Principal().MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
                     &Principal().MenuTabletPCClicAlPremerLaPantalla,
                     &Principal().MenuTabletPCClicEsquerraClicDret})
    EXPECT_FALSE(mode->Checked()) << mode->Name();
}

TEST_F(MainWindowTest, WithThePanelOffOnlyTheProgramsFourWindowsEverExist) {
  const std::vector<std::string> quatre{"TFormPrincipal", "TAboutBox", "TFormParametres",
                                        "TFormTransparent"};
  Fitxer("[Parametres]\r\nDecimesTimerClickAutomatic=3\r\n[TipusClic]\r\nMostrarPanell=false\r\n");
  CrearFinestres();
  EXPECT_EQ(ui::headless::FormClasses(), quatre);
  // Mode 1 running and clicking, and the window menu opened and closed: still four.
  Principal().MenuClicAutomaticAlEstarParatClick();
  ui::headless::OpenSystemMenu(Principal());
  ui::headless::Advance(1000);
  ASSERT_FALSE(ui::headless::InjectedInput().empty());
  Principal().Close();
  EXPECT_EQ(ui::headless::FormClasses(), quatre);
  EXPECT_NE(TextFitxer().find("[TipusClic]\r\nMostrarPanell=false\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, SortirClosesAsTheCloseBoxDoes) {
  CrearFinestres();
  Principal().MenuSortirClick();
  const std::string bySortir = TextFitxer();
  DestruirFinestres();
  std::filesystem::remove(ui::headless::ProfilePath(FitxerParametres));
  CrearFinestres();
  ui::PostMessageTo(Principal().Handle(), ui::msg::Close, 0, 0);
  ui::headless::Advance(1);
  const std::string byCloseBox = TextFitxer();
  // Only the window handle may differ between the two runs.
  const auto withoutHandle = [](std::string t) { return t.substr(t.find("[Llenguatge]")); };
  EXPECT_EQ(withoutHandle(bySortir), withoutHandle(byCloseBox));
  EXPECT_NE(bySortir.find("[Parametres]"), std::string::npos);
}

// Windows ends the session without closing the window: the two messages it sends instead.

TEST_F(MainWindowTest, SignOutKeepsTheOptionsChangedThatDayWrittenOnce) {
  CrearFinestres();
  ui::headless::OnModal([](ui::Form& f) {
    auto& d = static_cast<TFormParametres&>(f);
    EXPECT_TRUE(ui::headless::Type(d.EditPixelsMouseParat, "25"));
    ui::headless::Click(d.BitBtnDAcord);
  });
  Principal().MenuParametresClick();
  ASSERT_EQ(Parametres().PixelsDeSeparacioPerqueEsConsideriParat, 25);
  // What closing the window would write, kept aside.
  const std::string perTancar = [&] {
    const auto abans = TextFitxer();
    Principal().DesarParametres();
    const auto escrit = TextFitxer();
    std::ofstream(ui::headless::ProfilePath(FitxerParametres), std::ios::binary) << abans;
    return escrit;
  }();
  ASSERT_NE(perTancar.find("PixelsDeSeparacioPerqueEsConsideriParat=25"), std::string::npos);

  ui::PostMessageTo(Principal().Handle(), ui::msg::QueryEndSession, 0, 0);
  ui::PostMessageTo(Principal().Handle(), ui::msg::EndSession, 1, 0);
  ui::headless::Advance(1);
  EXPECT_EQ(TextFitxer(), perTancar);
  // Written once: nothing after it writes again, not even a close that may follow.
  Fitxer("[Parametres]\r\n");
  ui::PostMessageTo(Principal().Handle(), ui::msg::EndSession, 1, 0);
  ui::headless::Advance(1);
  Principal().Close();
  EXPECT_EQ(TextFitxer(), "[Parametres]\r\n");
}

TEST_F(MainWindowTest, ASignOutCancelledByAnotherProgramLetsTheCloseWriteAgain) {
  CrearFinestres();
  ui::PostMessageTo(Principal().Handle(), ui::msg::QueryEndSession, 0, 0);
  ui::PostMessageTo(Principal().Handle(), ui::msg::EndSession, 0, 0);
  ui::headless::Advance(1);
  Fitxer("");
  Principal().Close();
  EXPECT_NE(TextFitxer().find("[Parametres]"), std::string::npos);
}

}  // namespace
