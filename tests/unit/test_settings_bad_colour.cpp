// A bad colour in the settings file costs the user nothing but the colour.
#include "tests/unit/Programa.h"

namespace {

class BadColourTest : public ProgramaTest {};

TEST_F(BadColourTest, ABadColourShowsItsBoxStartsMinimisedAsAskedAndTheCloseKeepsEveryOption) {
  Inici(
      "SegonsIniciActivitat=25\r\n"
      "ColorQuadreSeguiment=vermell\r\n"
      "BoolCheckBoxExecutarMinimitzat=true\r\n");
  ASSERT_EQ(ui::headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(ui::headless::MessageBoxes()[0].text, "'vermell' is not a valid integer value.");
  EXPECT_EQ(ui::headless::MessageBoxes()[0].flags & 0xF0u, ui::BoxIconError);
  EXPECT_EQ(Principal().LabelCompteEnrera.Text(), "25");
  // The option after the colour is the user's: the program starts minimised.
  EXPECT_EQ(Principal().State(), ui::WindowState::Minimised);
  EXPECT_EQ(Parametres().ColorQuadreSeguiment, ui::clRed);
  EXPECT_TRUE(Programa().TeFormTransparent());  // start-up went on
  Principal().Close();
  // The close puts the default colour in place of the bad text and keeps every other option.
  const std::string fitxer = TextFitxer();
  EXPECT_NE(fitxer.find("ColorQuadreSeguiment=255\r\n"), std::string::npos) << fitxer;
  EXPECT_NE(fitxer.find("BoolCheckBoxExecutarMinimitzat=true\r\n"), std::string::npos) << fitxer;
  EXPECT_NE(fitxer.find("SegonsIniciActivitat=25\r\n"), std::string::npos) << fitxer;
}

}  // namespace
