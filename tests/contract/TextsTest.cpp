// Label, control and caption texts read back as they were set, before and after the window
// is made, shown or hidden; accents and "&" kept as written, lines of a memo too.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

class Texts : public CountingForm {
 public:
  Texts() : CountingForm("TContractTexts") {}
  ui::Label label{*this, At(10, 10, 300, 13), "Paràmetres"};
  ui::CheckBox check{*this, At(10, 30, 300, 17), "A l'arrencar es minimitza"};
  ui::Button button{*this, At(10, 60, 80, 25), "D'acord"};
  ui::Memo memo{*this, At(10, 100, 300, 80), "first line\nsecond line\n"};
};

TEST_F(Contract, TextsSetBeforeTheWindowIsMadeAreTheOnesItShows) {
  Texts f;
  f.label.SetText("P&arlant de...");
  f.Create();
  EXPECT_EQ(f.label.Text(), "P&arlant de...");
  EXPECT_EQ(f.check.Text(), "A l'arrencar es minimitza");
  EXPECT_EQ(f.button.Text(), "D'acord");
  EXPECT_EQ(f.memo.Text(), "first line\nsecond line\n");
  EXPECT_EQ(f.Caption(), "TContractTexts");
}

TEST_F(Contract, TextsAndTheCaptionReadBackAsSet) {
  Texts f;
  f.Create();
  f.Show();
  f.SetCaption("Paràmetres — Pelvoro");
  f.label.SetText("Gruixudària «ç» 10");
  f.button.SetText("Cancel.lar");
  f.memo.SetText("ú\nñ");
  EXPECT_EQ(f.Caption(), "Paràmetres — Pelvoro");
  EXPECT_EQ(f.label.Text(), "Gruixudària «ç» 10");
  EXPECT_EQ(f.button.Text(), "Cancel.lar");
  EXPECT_EQ(f.memo.Text(), "ú\nñ");
}

TEST_F(Contract, AHiddenLabelTakesANewTextAndShowsItWhenShown) {
  Texts f;
  f.Create();
  f.Show();
  f.label.SetVisible(false);
  f.label.SetText("9");
  EXPECT_EQ(f.label.Text(), "9");
  f.label.SetVisible(true);
  EXPECT_TRUE(f.label.Visible());
  EXPECT_EQ(f.label.Text(), "9");
}

}  // namespace
}  // namespace contract
