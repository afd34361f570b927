// Menu check marks, and hidden items that keep their texts and marks while out of the menu.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

using Kind = ui::MenuItem::Kind;

class WithMenu : public CountingForm {
 public:
  WithMenu() : CountingForm("TContractMenu") {
    bar.Add(file);
    for (ui::MenuItem* item : {&one, &two, &separator, &language}) file.Add(*item);
    language.Add(catalan);
    language.Add(spanish);
    catalan.SetChecked(true);
    SetMenu(bar);
  }
  ui::MenuItem bar{"bar", Kind::Submenu};
  ui::MenuItem file{"file", Kind::Submenu, "&File"};
  ui::MenuItem one{"one", Kind::Command, "One"};
  ui::MenuItem two{"two", Kind::Command, "Two"};
  ui::MenuItem separator{"separator", Kind::Separator};
  ui::MenuItem language{"language", Kind::Submenu, "Language"};
  ui::MenuItem catalan{"catalan", Kind::Command, "Català"};
  ui::MenuItem spanish{"spanish", Kind::Command, "Español"};
};

// The menu's window, made once the backend is fresh.
class MenuContract : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    f.Create();
  }
  WithMenu f;
};

TEST_F(MenuContract, TheMenuShowsItsItemsAndTheMarksSetBeforeTheWindowWasMade) {
  EXPECT_EQ(MenuShown(f), (Lines{"&File", "  One", "  Two", "  -", "  Language", "    [x] Català",
                                 "    Español"}));
}

TEST_F(MenuContract, CheckMarksShowAtOnce) {
  f.catalan.SetChecked(false);
  f.spanish.SetChecked(true);
  f.one.SetChecked(true);
  EXPECT_EQ(MenuShown(f), (Lines{"&File", "  [x] One", "  Two", "  -", "  Language", "    Català",
                                 "    [x] Español"}));
  EXPECT_TRUE(f.spanish.Checked());
  EXPECT_FALSE(f.catalan.Checked());
}

TEST_F(MenuContract, AHiddenItemKeepsItsTextAndMarkAndTakesNewOnes) {
  f.one.SetChecked(true);
  f.one.SetVisible(false);
  f.two.SetVisible(false);
  f.two.SetCaption("Dos");
  f.two.SetChecked(true);
  f.spanish.SetCaption("Castellano");
  EXPECT_EQ(MenuShown(f),
            (Lines{"&File", "  -", "  Language", "    [x] Català", "    Castellano"}));
  EXPECT_TRUE(f.one.Checked());
  EXPECT_TRUE(f.two.Checked());
  f.two.SetVisible(true);
  f.one.SetVisible(true);
  EXPECT_EQ(MenuShown(f), (Lines{"&File", "  [x] One", "  [x] Dos", "  -", "  Language",
                                 "    [x] Català", "    Castellano"}));
}

TEST_F(MenuContract, AHiddenSubmenuHidesWhatItHoldsAndBringsItBack) {
  f.language.SetVisible(false);
  f.spanish.SetChecked(true);
  EXPECT_EQ(MenuShown(f), (Lines{"&File", "  One", "  Two", "  -"}));
  f.language.SetVisible(true);
  EXPECT_EQ(MenuShown(f), (Lines{"&File", "  One", "  Two", "  -", "  Language", "    [x] Català",
                                 "    [x] Español"}));
}

}  // namespace
}  // namespace contract
