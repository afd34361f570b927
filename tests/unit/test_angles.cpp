// English, chosen in the window's own menu: every text of the program follows it, it is stored
// as its own value, and either item of the Llenguatge submenu leaves it.
#include "about/TextosAbout.h"
#include "language/Llenguatge.h"
#include "tests/unit/Programa.h"
#include "tipusclic/TextosTipusClic.h"
#include "tipusclic/UnitFormTipusClic.h"

namespace {

namespace hl = ui::headless;
using Textos = std::vector<std::string>;

class AnglesTest : public ProgramaTest {
 protected:
  // Every text a language sets, read from where it shows: the main menu, the window menu, the
  // parameters dialog and its messages, the about box and the click-type panel.
  Textos TextsVisibles() {
    TFormPrincipal& f = Principal();
    TFormParametres& d = Dialeg();
    TAboutBox& a = About();
    Textos t;
    for (const ui::MenuItem* m :
         {&f.MenuMostrarQuadreDeSeguimentDelMouse, &f.MenuClicAutomaticAlEstarParat,
          &f.MenuClicTabletPCALEstarElMouseDownEnUnaCasella, &f.MenuTabletPCClicAlPremerLaPantalla,
          &f.MenuTabletPCClicEsquerraClicDret, &f.MenuEnviarClicksReals, &f.MenuParametres,
          &f.MenuLlenguatge, &f.MenuParlantDe, &f.MenuSortir, &f.MenuPanellTipusClic})
      t.push_back(m->Caption());
    t.push_back(d.Caption());
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &d.CheckBoxHiHaComptaEnrdarreraPerEngegar, &d.Label1, &d.Label2,
             &d.CheckBox1ClicAutomaticNoPermetAltresClics, &d.Label3, &d.Label4,
             &d.CheckBoxTemporitzador, &d.CheckBoxQuadreSeguimentCercle, &d.Label5, &d.Label6,
             &d.CheckBoxArrancarAmbOpcioMenu, &d.CheckBoxExecutarMinimitzat, &d.BitBtnDAcord,
             &d.BitBtncancelar, &d.ButtonColor})
      t.push_back(c->Text());
    t.insert(t.end(), d.MissatgesError.begin(), d.MissatgesError.end());
    t.insert(t.end(),
             {a.Caption(), a.Version.Text(), a.OKButton.Text(), a.MakerName.Text(),
              a.Comments.Text(), a.Memo1.Text(), a.ImageSorpresa.Hint(), a.ProductName.Hint()});
    TFormTipusClic& p = Programa().CrearTipusClic();
    t.push_back(p.Caption());
    for (TipusClic c : TotsElsTipusClic) t.push_back(p.Boto(c).Text());
    return t;
  }

  // What a language's tables hold, in the order TextsVisibles reads them.
  Textos Columna(const TTextos& x, const TTextosTipusClic& tc, const TTextosAbout& ab) {
    const TTextosMenu& m = x.menu;
    const TTextosParametres& p = x.parametres;
    Textos t{m.MenuMostrarQuadreDeSeguimentDelMouse,
             m.MenuClicAutomaticAlEstarParat,
             m.MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
             m.MenuTabletPCClicAlPremerLaPantalla,
             m.MenuTabletPCClicEsquerraClicDret,
             m.MenuEnviarClicksReals,
             m.MenuParametres,
             m.MenuLlenguatge,
             m.MenuParlantDe,
             m.MenuSortir,
             tc.menu,
             x.titolParametres,
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
             p.CheckBoxExecutarMinimitzat,
             p.BitBtnDAcord,
             p.BitBtncancelar,
             p.ButtonColor};
    t.insert(t.end(), x.missatgesError.begin(), x.missatgesError.end());
    const std::string guia = ui::ProgramFolder() + "\\" + ab.fitxerGuia;
    t.insert(t.end(),
             {ab.titol, ab.versio, ab.boto, std::string("Equip Pelvoro - ") + ab.fitxerGuia,
              ab.agraiment, ab.recull, ab.pistaSorpresa, ab.prefixPista + guia});
    t.push_back(tc.titol);
    t.insert(t.end(), tc.botons.begin(), tc.botons.end());
    t.push_back(tc.desplacar);
    return t;
  }

  Textos Catala() { return Columna(TextosCatala, TextosTipusClicCatala, TextosAboutCatala); }
  Textos Angles() { return Columna(TextosAngles, TextosTipusClicAngles, TextosAboutAngles); }

  std::string Marques() {
    std::string m;
    for (const ui::MenuItem* i :
         {&Principal().MenuCatala, &Principal().MenuCastella, &Principal().MenuAngles})
      m += i->Checked() ? "x" : "-";
    return m;
  }

  void TriarAngles() { hl::ChooseSystemMenuItem(Principal(), Principal().MenuAngles); }

  // Closed and started again as the program does, the stored language applied.
  void Reiniciar() {
    Principal().MenuSortirClick();
    DestruirFinestres();
    CrearFinestres();
    RestaurarLlenguatge(Principal());
  }

  std::string Desat() { return LlegirClau(SeccioLlenguatge, ClauLlenguatge, "?"); }
};

TEST_F(AnglesTest, EveryTextReadsInEnglishAndTheTableLeavesNoneOut) {
  CrearFinestres();
  const Textos catala = TextsVisibles();
  ASSERT_EQ(catala, Catala());
  EXPECT_EQ(
      Principal().SystemMenuItems(),
      (std::vector<ui::MenuItem*>{&Principal().MenuPanellTipusClic, &Principal().MenuAngles}));
  EXPECT_EQ(Principal().MenuAngles.Caption(), "English");
  EXPECT_EQ(Marques(), "x--");

  TriarAngles();
  EXPECT_EQ(Marques(), "--x");
  const Textos angles = TextsVisibles();
  EXPECT_EQ(angles, Angles());
  // Each text is there and translated, even where Spanish keeps the Catalan word.
  ASSERT_EQ(angles.size(), catala.size());
  for (std::size_t i = 0; i < angles.size(); ++i) {
    EXPECT_FALSE(angles[i].empty()) << "text " << i;
    EXPECT_NE(angles[i], catala[i]) << "text " << i;
  }
  EXPECT_EQ(Dialeg().Caption(), "Parameters");
  EXPECT_EQ(Principal().MenuAngles.Caption(), "English");
  EXPECT_EQ(Principal().MenuCatala.Caption(), "Català");
  EXPECT_EQ(Principal().MenuOpcions.Caption(), "&Pelvoro");
  EXPECT_EQ(About().PaginaGuia(), ui::ProgramFolder() + "\\guia-en.html");
  // The same word in Spanish too, for the one who cannot read the others.
  Principal().MenuCastellaClick();
  EXPECT_EQ(Principal().MenuAngles.Caption(), "English");
}

TEST_F(AnglesTest, TheDialogReportsABadNumberInEnglish) {
  CrearFinestres();
  TriarAngles();
  Parametres().BoolCheckBoxHiHaComptaEnreraPerEngegar = true;
  hl::OnModal([](ui::Form& f) {
    auto& d = static_cast<TFormParametres&>(f);
    hl::Type(d.EditSegonsPerEngegar, "0");
    hl::Click(d.BitBtnDAcord);
  });
  Principal().MenuParametresClick();
  ASSERT_FALSE(hl::MessageBoxes().empty());
  EXPECT_EQ(hl::MessageBoxes().back().text, "The value must be from 1 to 100");
  EXPECT_EQ(hl::MessageBoxes().back().caption, "PELVORO");
}

TEST_F(AnglesTest, StoredAsAnglesAndLeftByEitherItemOfTheSubmenu) {
  CrearFinestres();
  TriarAngles();
  Reiniciar();
  EXPECT_EQ(Desat(), "angles");
  EXPECT_EQ(Marques(), "--x");
  EXPECT_EQ(TextsVisibles(), Angles());

  Principal().MenuCastellaClick();
  EXPECT_EQ(Marques(), "-x-");
  EXPECT_EQ(Principal().MenuSortir.Caption(), "&Salir");
  EXPECT_EQ(About().Caption(), "Parlant de...");
  Reiniciar();
  EXPECT_EQ(Desat(), "castella");
  EXPECT_EQ(Marques(), "-x-");

  TriarAngles();
  Principal().MenuCatalaClick();
  EXPECT_EQ(Marques(), "x--");
  EXPECT_EQ(TextsVisibles(), Catala());
  Reiniciar();
  EXPECT_EQ(Desat(), "catala");

  // Unticked in the window menu, English gives back the interface as built.
  TriarAngles();
  TriarAngles();
  EXPECT_EQ(Marques(), "x--");
  EXPECT_EQ(TextsVisibles(), Catala());
}

TEST_F(AnglesTest, ARunThatLeftEnglishWritesWhatARunWithoutItWrites) {
  const auto senseHandle = [](const std::string& t) { return t.substr(t.find("[Llenguatge]")); };
  CrearFinestres();
  Principal().Close();
  const std::string sense = senseHandle(TextFitxer());
  DestruirFinestres();
  std::filesystem::remove(ui::headless::ProfilePath(FitxerParametres));
  CrearFinestres();
  TriarAngles();
  Principal().MenuCatalaClick();
  Principal().Close();
  EXPECT_EQ(senseHandle(TextFitxer()), sense);
}

TEST_F(AnglesTest, TheAboutBoxKeepsWhatWasClickedOpenAcrossASwitch) {
  CrearFinestres();
  About().CommentsClick();
  TriarAngles();
  EXPECT_EQ(About().Comments.Text(), TextosAboutAngles.credits);
  Principal().MenuCatalaClick();
  EXPECT_EQ(About().Comments.Text(), TextosAboutCatala.credits);
}

}  // namespace
