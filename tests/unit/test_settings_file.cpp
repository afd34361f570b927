#include <chrono>

#include "hook/Comunicacio.h"
#include "tests/unit/Programa.h"

namespace {

class SettingsFileTest : public ProgramaTest {
 protected:
  void Llegir(const std::string& parametres) {
    Fitxer("[Parametres]\r\n" + parametres);
    CrearFinestres();
  }
};

TEST_F(SettingsFileTest, NoFileGivesTheInitialValuesAndTheFirstStartWritesOnlyTheHandle) {
  CrearFinestres();
  EXPECT_TRUE(Parametres() == TParametres{});
  EXPECT_EQ(TextFitxer(), "[LlibreriaPelvoro]\r\nHANDLE FINESTRA=" +
                              std::to_string(Principal().Handle()) + "\r\n");
}

TEST_F(SettingsFileTest, TheFirstCloseWritesLanguageEveryKeyAndTheMode) {
  CrearFinestres();
  Principal().Close();
  EXPECT_EQ(TextFitxer(),
            "[LlibreriaPelvoro]\r\n"
            "HANDLE FINESTRA=" +
                std::to_string(Principal().Handle()) +
                "\r\n"
                "[Llenguatge]\r\n"
                "Llenguatge=catala\r\n"
                "[Parametres]\r\n"
                "BoolCheckBoxHiHaComptaEnreraPerEngegar=false\r\n"
                "SegonsIniciActivitat=10\r\n"
                "DecimesTimerClickAutomatic=10\r\n"
                "Bool1ClicAutomaticNoPermetAltresClics=false\r\n"
                "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=10\r\n"
                "PixelsDeSeparacioPerqueEsConsideriParat=10\r\n"
                "BoolCheckBoxTemporitzador=false\r\n"
                "BoolMostrarQuadreDeSeguiment=false\r\n"
                "BoolQuadreSeguimentRodo=false\r\n"
                "AmpladaQuadreDeSeguiment=150\r\n"
                "GruixudariaQuadreDeSeguiment=10\r\n"
                "BoolCheckBoxArrancarAmbOpcioMenu=false\r\n"
                "ColorQuadreSeguiment=255\r\n"
                "BoolCheckBoxExecutarMinimitzat=false\r\n"
                "[Menu]\r\n"
                "Opcio=0\r\n");
}

TEST_F(SettingsFileTest, BooleansAreTakenOnlyWhenExactlyTrue) {
  Llegir(
      "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\r\nBool1ClicAutomaticNoPermetAltresClics="
      "TRUE\r\n"
      "BoolCheckBoxTemporitzador=True\r\nBoolQuadreSeguimentRodo="
      "yes\r\nBoolCheckBoxArrancarAmbOpcioMenu=true\r\n");
  EXPECT_TRUE(Parametres().BoolCheckBoxHiHaComptaEnreraPerEngegar);
  EXPECT_FALSE(Parametres().Bool1ClicAutomaticNoPermetAltresClics);
  EXPECT_FALSE(Parametres().BoolCheckBoxTemporitzador);
  EXPECT_FALSE(Parametres().BoolQuadreSeguimentRodo);
  EXPECT_TRUE(Parametres().BoolCheckBoxArrancarAmbOpcioMenu);
}

struct IntegerKey {
  const char* key;
  std::int32_t TParametres::*field;
  std::int32_t below, low, high, above;
};

TEST_F(SettingsFileTest, EachIntegerKeyTakesItsRangeAndKeepsItsValueOutsideIt) {
  const IntegerKey keys[] = {
      {"SegonsIniciActivitat", &TParametres::SegonsIniciActivitat, 0, 1, 100, 101},
      {"DecimesTimerClickAutomatic", &TParametres::DecimesTimerClickAutomatic, 0, 1, 100, 101},
      {"DecimesDeSegonClicALEstarElMouseDownEnUnaCasella",
       &TParametres::DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, -1, 0, 100, 101},
      {"PixelsDeSeparacioPerqueEsConsideriParat",
       &TParametres::PixelsDeSeparacioPerqueEsConsideriParat, -1, 0, 100, 101},
      {"AmpladaQuadreDeSeguiment", &TParametres::AmpladaQuadreDeSeguiment, 49, 50, 1000, 1001},
      {"GruixudariaQuadreDeSeguiment", &TParametres::GruixudariaQuadreDeSeguiment, 0, 1, 22, 23},
  };
  const TParametres inicials;
  for (const auto& k : keys) {
    for (const std::int32_t value : {k.below, k.low, k.high, k.above}) {
      SCOPED_TRACE(std::string(k.key) + "=" + std::to_string(value));
      DestruirFinestres();
      Parametres() = TParametres{};
      Llegir(std::string(k.key) + "=" + std::to_string(value) + "\r\n");
      const bool inRange = value == k.low || value == k.high;
      EXPECT_EQ(Parametres().*k.field, inRange ? value : inicials.*k.field);
    }
  }
}

TEST_F(SettingsFileTest, TheSecondsShowInTheLabelAndTheWidthSetsTheHeight) {
  Llegir("SegonsIniciActivitat=1\r\nAmpladaQuadreDeSeguiment=1000\r\n");
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "1");
  EXPECT_EQ(Parametres().AlcadaQuadreDeSeguiment, 1000);
  DestruirFinestres();
  Parametres() = TParametres{};
  Llegir("SegonsIniciActivitat=101\r\nAmpladaQuadreDeSeguiment=49\r\n");
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "10");
  EXPECT_EQ(Parametres().AlcadaQuadreDeSeguiment, 150);
}

TEST_F(SettingsFileTest, IntegerTextsInEveryForm) {
  Llegir(
      "SegonsIniciActivitat=$1E\r\nDecimesTimerClickAutomatic="
      "5a\r\nPixelsDeSeparacioPerqueEsConsideriParat=-\r\n"
      "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=\r\nAmpladaQuadreDeSeguiment=+$64\r\n");
  EXPECT_EQ(Parametres().SegonsIniciActivitat, 30);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "30");
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic, 10);
  EXPECT_EQ(Parametres().PixelsDeSeparacioPerqueEsConsideriParat, 10);
  EXPECT_EQ(Parametres().DecimesDeSegonClicALEstarElMouseDownEnUnaCasella, 10);
  EXPECT_EQ(Parametres().AmpladaQuadreDeSeguiment, 150);
}

TEST_F(SettingsFileTest, OnlyTheFirst49CharactersOfAValueAreSeen) {
  Llegir("SegonsIniciActivitat=" + std::string(48, '0') + "12\r\n");
  EXPECT_EQ(Parametres().SegonsIniciActivitat, 1);
}

TEST_F(SettingsFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
  Fitxer(
      "[parametres]\r\nsegonsiniciactivitat=42\r\n[PARAMETRES]\r\nDecimesTimerClickAutomatic="
      "7\r\n");
  CrearFinestres();
  EXPECT_EQ(Parametres().SegonsIniciActivitat, 42);
  EXPECT_EQ(Parametres().DecimesTimerClickAutomatic,
            10);  // only the first section of a name counts
}

TEST_F(SettingsFileTest, AnyIntegerColourIsTakenOver) {
  Llegir("ColorQuadreSeguiment=16711680\r\n");
  EXPECT_EQ(Parametres().ColorQuadreSeguiment, ui::clBlue);
  DestruirFinestres();
  Llegir("ColorQuadreSeguiment=-5\r\n");
  EXPECT_EQ(static_cast<std::int32_t>(Parametres().ColorQuadreSeguiment), -5);
  Principal().Close();
  EXPECT_NE(TextFitxer().find("ColorQuadreSeguiment=-5\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, TheFrameSettingChecksItsMenuItem) {
  Llegir("BoolMostrarQuadreDeSeguiment=true\r\n");
  EXPECT_TRUE(Principal().MenuMostrarQuadreDeSeguimentDelMouse.Checked());
}

TEST_F(SettingsFileTest, AMissingThicknessKeepsTheValueHeld) {
  Parametres().GruixudariaQuadreDeSeguiment = 7;  // as if held already
  Llegir("AmpladaQuadreDeSeguiment=300\r\n");
  EXPECT_EQ(Parametres().GruixudariaQuadreDeSeguiment, 7);
}

TEST_F(SettingsFileTest, CloseWritesTheModeOnlyWhenTheLastModeIsNotRestored) {
  Fitxer("[Parametres]\r\nBoolCheckBoxArrancarAmbOpcioMenu=true\r\n[Menu]\r\nOpcio=3\r\n");
  CrearFinestres();
  Principal().Close();
  EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, "?"), "3");
  DestruirFinestres();
  Parametres() = TParametres{};
  Fitxer("[Menu]\r\nOpcio=3\r\n");
  CrearFinestres();
  Principal().Close();
  EXPECT_EQ(LlegirClau(SeccioMenu, ClauOpcio, "?"), "0");
}

TEST_F(SettingsFileTest, CloseStoresTheCheckedLanguage) {
  CrearFinestres();
  Principal().MenuCatala.SetChecked(false);
  Principal().MenuCastella.SetChecked(true);
  Principal().Close();
  EXPECT_EQ(LlegirClau(SeccioLlenguatge, ClauLlenguatge, "?"), "castella");
}

TEST_F(SettingsFileTest, BothSpellingsOfTheFileNameReachOneFile) {
  CrearFinestres();
  EXPECT_EQ(LlegirClau(hook::SeccioHandle, hook::ClauHandle, ""),
            std::to_string(Principal().Handle()));
  EXPECT_EQ(ui::headless::ProfilePath("Pelvoro.ini"), ui::headless::ProfilePath(FitxerParametres));
}

// Nothing to write, nothing written: a start that finds its own handle leaves the file alone.
TEST_F(SettingsFileTest, AStartFindingItsOwnHandleLeavesTheFileUntouched) {
  const std::string text = "[LlibreriaPelvoro]\r\nHANDLE FINESTRA=65552\r\n[Menu]\r\nOpcio=3\r\n";
  Fitxer(text);
  const auto abans = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
  std::filesystem::last_write_time(ui::headless::ProfilePath(FitxerParametres), abans);
  CrearFinestres();
  ASSERT_EQ(Principal().Handle(), 65552);
  EXPECT_EQ(std::filesystem::last_write_time(ui::headless::ProfilePath(FitxerParametres)), abans);
  EXPECT_EQ(TextFitxer(), text);
}

}  // namespace
