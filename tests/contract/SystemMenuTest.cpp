// The window's own menu (Alt+Space): the commands a form adds after the standard items.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

using Kind = ui::MenuItem::Kind;

class WithSystemMenu : public CountingForm {
 public:
  WithSystemMenu() : CountingForm("TContractSystemMenu") {
    first.SetChecked(true);
    AddSystemMenuItem(first);
    AddSystemMenuItem(second);
    first.OnClick = [this] {
      events.push_back("first");
      first.SetChecked(!first.Checked());
    };
    second.OnClick = [this] { events.push_back("second"); };
  }
  ui::MenuItem first{"first", Kind::Command, "First switch"};
  ui::MenuItem second{"second", Kind::Command, "Second switch"};
  Lines events;

 protected:
  void ExitMenuLoop() override { events.push_back("end of menu loop"); }
};

class SystemMenuContract : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    f.Create();
  }
  WithSystemMenu f;
};

TEST_F(SystemMenuContract, TheFormsItemsFollowTheStandardOnesWithTheirMarksAndTexts) {
  EXPECT_EQ(SystemMenuShown(f), (Lines{"(standard)", "-", "[x] First switch", "Second switch"}));
  f.first.SetChecked(false);
  f.second.SetCaption("Segon");
  f.second.SetChecked(true);
  EXPECT_EQ(SystemMenuShown(f), (Lines{"(standard)", "-", "First switch", "[x] Segon"}));
  f.first.SetVisible(false);
  EXPECT_EQ(SystemMenuShown(f), (Lines{"(standard)", "-", "[x] Segon"}));
  EXPECT_TRUE(f.second.Checked());
}

TEST_F(SystemMenuContract, ChoosingAnItemRunsItOnceTheMenuLoopHasEnded) {
  RunLoop(f, [&] {
    ChooseFromSystemMenu(f, f.first);
    EXPECT_EQ(f.events, (Lines{"end of menu loop", "first"}));
    EXPECT_EQ(SystemMenuShown(f), (Lines{"(standard)", "-", "First switch", "Second switch"}));
    ChooseFromSystemMenu(f, f.second);
    EXPECT_EQ(f.events, (Lines{"end of menu loop", "first", "end of menu loop", "second"}));
    EXPECT_TRUE(f.Visible());
  });
  EXPECT_EQ(f.closes, 1);
}

}  // namespace
}  // namespace contract
