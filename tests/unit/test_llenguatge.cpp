#include "language/Llenguatge.h"
#include "tests/unit/Programa.h"

namespace {

namespace hl = ui::headless;

class LlenguatgeTest : public ProgramaTest {
 protected:
  // The 27 texts a switch sets, read from where they show, in the table's order.
  std::vector<std::string> TextsVisibles() {
    TFormPrincipal& f = Principal();
    TFormParametres& d = Dialeg();
    std::vector<std::string> t;
    for (const ui::MenuItem* m :
         {&f.MenuMostrarQuadreDeSeguimentDelMouse, &f.MenuClicAutomaticAlEstarParat,
          &f.MenuClicTabletPCALEstarElMouseDownEnUnaCasella, &f.MenuTabletPCClicAlPremerLaPantalla,
          &f.MenuTabletPCClicEsquerraClicDret, &f.MenuEnviarClicksReals, &f.MenuParametres,
          &f.MenuLlenguatge, &f.MenuParlantDe, &f.MenuSortir})
      t.push_back(m->Caption());
    t.push_back(d.Caption());
    const std::array<const ui::Control*, 12> dialeg{&d.CheckBoxHiHaComptaEnrdarreraPerEngegar,
                                                    &d.Label1,
                                                    &d.Label2,
                                                    &d.CheckBox1ClicAutomaticNoPermetAltresClics,
                                                    &d.Label3,
                                                    &d.Label4,
                                                    &d.CheckBoxTemporitzador,
                                                    &d.CheckBoxQuadreSeguimentCercle,
                                                    &d.Label5,
                                                    &d.Label6,
                                                    &d.CheckBoxArrancarAmbOpcioMenu,
                                                    &d.CheckBoxExecutarMinimitzat};
    for (const ui::Control* c : dialeg) t.push_back(c->Text());
    for (const std::string& m : d.MissatgesError) t.push_back(m);
    return t;
  }

  // The same texts from the table, by name, in the order TextsVisibles reads them.
  static std::vector<std::string> Columna(const TTextos& textos) {
    const TTextosMenu& m = textos.menu;
    const TTextosParametres& p = textos.parametres;
    std::vector<std::string> t{m.MenuMostrarQuadreDeSeguimentDelMouse,
                               m.MenuClicAutomaticAlEstarParat,
                               m.MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
                               m.MenuTabletPCClicAlPremerLaPantalla,
                               m.MenuTabletPCClicEsquerraClicDret,
                               m.MenuEnviarClicksReals,
                               m.MenuParametres,
                               m.MenuLlenguatge,
                               m.MenuParlantDe,
                               m.MenuSortir,
                               textos.titolParametres,
                               p.CheckBoxHiHaComptaEnrdarreraPerEngegar,
                               p.Label1,
                               p.Label2,
                               p.CheckBox1ClicAutomaticNoPermetAltresClics,
                               p.Label3,
                               p.Label4,
                               p.CheckBoxTemporitzador,
                               p.CheckBoxQuadreSeguimentCercle,
                               p.Label5,
                               p.Label6,
                               p.CheckBoxArrancarAmbOpcioMenu,
                               p.CheckBoxExecutarMinimitzat};
    t.insert(t.end(), textos.missatgesError.begin(), textos.missatgesError.end());
    return t;
  }

  // The message of a bad first box, as the dialog reports it now.
  std::string MissatgeSegons() {
    Parametres().BoolCheckBoxHiHaComptaEnreraPerEngegar = true;
    hl::OnModal([](ui::Form& f) {
      auto& d = static_cast<TFormParametres&>(f);
      hl::Type(d.EditSegonsPerEngegar, "0");
      hl::Click(d.BitBtnDAcord);
    });
    Principal().MenuParametresClick();
    return hl::MessageBoxes().empty() ? "" : hl::MessageBoxes().back().text;
  }

  // What the program shows after a close and a fresh start that applies the stored language.
  void Reiniciar() {
    Principal().MenuSortirClick();
    DestruirFinestres();
    CrearFinestres();
    RestaurarLlenguatge(Principal());
  }
};

TEST_F(LlenguatgeTest, TheCatalanColumnIsTheInterfaceAsBuiltAndSwitchingBackRestoresIt) {
  CrearFinestres();
  const auto inici = TextsVisibles();
  EXPECT_EQ(inici, Columna(TextosCatala));
  Principal().MenuCastellaClick();
  Principal().MenuCatalaClick();
  Principal().MenuCatalaClick();  // the language already in force: the same texts again
  EXPECT_EQ(TextsVisibles(), inici);
  EXPECT_TRUE(Principal().MenuCatala.Checked());
  EXPECT_FALSE(Principal().MenuCastella.Checked());
}

TEST_F(LlenguatgeTest, SpanishReachesEveryTargetHiddenMenuItemsIncluded) {
  CrearFinestres();
  Principal().MenuCastellaClick();
  const auto textos = TextsVisibles();
  EXPECT_EQ(textos, Columna(TextosCastella));
  const auto catala = Columna(TextosCatala);
  for (std::size_t i = 0; i < textos.size(); ++i)
    EXPECT_NE(textos[i], catala[i]) << "row " << i + 1;
  EXPECT_FALSE(Principal().MenuCatala.Checked());
  EXPECT_TRUE(Principal().MenuCastella.Checked());
  // The hidden items take their texts too, and what no switch touches stays.
  EXPECT_FALSE(Principal().MenuEnviarClicksReals.Visible());
  EXPECT_EQ(Principal().MenuEnviarClicksReals.Caption(), "Enviar Clics reales");
  EXPECT_EQ(Principal().MenuOpcions.Caption(), "&Pelvoro");
  EXPECT_EQ(Principal().MenuCastella.Caption(), "Español");
  EXPECT_EQ(Dialeg().BitBtncancelar.Text(), "Cancel.lar");
  EXPECT_EQ(About().Caption(), "Parlant de...");
}

TEST_F(LlenguatgeTest, MessagesFollowTheLastSwitch) {
  CrearFinestres();
  EXPECT_EQ(MissatgeSegons(), "El valor ha de ser més gran que 0 i més petit o igual que 100");
  Principal().MenuCastellaClick();
  EXPECT_EQ(MissatgeSegons(), "El valor ha de ser mayor que 0 y menor o igual que 100");
  Principal().MenuCatalaClick();
  EXPECT_EQ(MissatgeSegons(), "El valor ha de ser més gran que 0 i més petit o igual que 100");
}

TEST_F(LlenguatgeTest, TheLanguageAtCloseComesBackAtTheNextStart) {
  CrearFinestres();
  Principal().MenuCastellaClick();
  Reiniciar();
  EXPECT_EQ(LlegirClau(SeccioLlenguatge, ClauLlenguatge, ""), "castella");
  EXPECT_TRUE(Principal().MenuCastella.Checked());
  EXPECT_EQ(TextsVisibles(), Columna(TextosCastella));

  Principal().MenuCatalaClick();
  Reiniciar();
  EXPECT_EQ(LlegirClau(SeccioLlenguatge, ClauLlenguatge, ""), "catala");
  EXPECT_TRUE(Principal().MenuCatala.Checked());
  EXPECT_EQ(TextsVisibles(), Columna(TextosCatala));
}

TEST_F(LlenguatgeTest, OnlyExactlyCastellaGivesSpanishAtStart) {
  for (const std::string fitxer :
       {"[Llenguatge]\nLlenguatge=Castella\n", "[Llenguatge]\nLlenguatge=\n", ""}) {
    SCOPED_TRACE(fitxer);
    Fitxer(fitxer);
    CrearFinestres();
    RestaurarLlenguatge(Principal());
    EXPECT_TRUE(Principal().MenuCatala.Checked());
    EXPECT_EQ(Principal().MenuSortir.Caption(), "&Sortir");
    DestruirFinestres();
  }
  Fitxer("[Llenguatge]\nLlenguatge=castella\n");
  CrearFinestres();
  RestaurarLlenguatge(Principal());
  EXPECT_EQ(Principal().MenuSortir.Caption(), "&Salir");
}

}  // namespace
