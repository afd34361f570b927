// Focus and tab order in a modal form, and what disabled and hidden controls refuse: the
// focus and the click.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

// Made in tab order; of these only first, check, ok and last can take the focus.
class Fields : public CountingForm {
 public:
  Fields()
      : CountingForm("TContractFields"),
        disabledFirst(*this, At(10, 10, 100, 23), "off"),
        first(*this, At(120, 10, 100, 23), "first"),
        label(*this, At(10, 40, 100, 13), "label"),
        check(*this, At(10, 60, 150, 17), "check"),
        hidden(*this, At(200, 60, 80, 25), "hidden"),
        disabled(*this, At(290, 60, 80, 25), "disabled"),
        panel(*this, At(10, 100, 380, 60)),
        inPanel(*this, At(10, 10, 100, 23), "in panel", &panel),
        ok(*this, At(10, 200, 80, 25), "OK", ui::Button::Role::Default),
        last(*this, At(120, 200, 100, 23), "last") {
    disabledFirst.SetEnabled(false);
    hidden.SetVisible(false);
    disabled.SetEnabled(false);
    panel.SetVisible(false);
    hidden.OnClick = [this] { ++hiddenClicks; };
    disabled.OnClick = [this] { ++disabledClicks; };
    check.OnClick = [this] { ++checkClicks; };
  }
  ui::Edit disabledFirst, first;
  ui::Label label;
  ui::CheckBox check;
  ui::Button hidden, disabled;
  ui::Panel panel;
  ui::Edit inPanel;
  ui::Button ok;
  ui::Edit last;
  int hiddenClicks = 0, disabledClicks = 0, checkClicks = 0;
};

TEST_F(Contract, AModalFormOpensWithTheFirstControlThatCanTakeTheFocus) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form&) { EXPECT_TRUE(d.first.Focused()); });
}

TEST_F(Contract, TabFollowsTheOrderTheControlsWereMadeInAndGoesRound) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form& f) {
    for (ui::Control* expected :
         std::initializer_list<ui::Control*>{&d.check, &d.ok, &d.last, &d.first}) {
      Press(f, Key::Tab);
      EXPECT_TRUE(expected->Focused()) << "Tab to \"" << expected->Text() << '"';
    }
    for (ui::Control* expected : std::initializer_list<ui::Control*>{&d.last, &d.ok, &d.check}) {
      Press(f, Key::ShiftTab);
      EXPECT_TRUE(expected->Focused()) << "Shift+Tab to \"" << expected->Text() << '"';
    }
  });
}

TEST_F(Contract, TabReachesAControlOnceItIsShownAndEnabled) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form& f) {
    d.panel.SetVisible(true);
    d.disabled.SetEnabled(true);
    Press(f, Key::Tab);
    EXPECT_TRUE(d.check.Focused());
    Press(f, Key::Tab);
    EXPECT_TRUE(d.disabled.Focused());
    Press(f, Key::Tab);
    EXPECT_TRUE(d.inPanel.Focused());
  });
}

TEST_F(Contract, DisabledAndHiddenControlsCannotTakeTheFocus) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form&) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&d.disabledFirst, &d.hidden,
                                                              &d.disabled, &d.inPanel}) {
      c->SetFocus();
      EXPECT_FALSE(c->Focused()) << c->Text();
      EXPECT_TRUE(d.first.Focused()) << c->Text();
    }
  });
}

TEST_F(Contract, DisabledAndHiddenButtonsDoNotClick) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form&) {
    Click(d.disabled);
    Click(d.hidden);
    EXPECT_EQ(d.disabledClicks, 0);
    EXPECT_EQ(d.hiddenClicks, 0);
    EXPECT_TRUE(d.first.Focused());
    d.disabled.SetEnabled(true);
    d.hidden.SetVisible(true);
    Click(d.disabled);
    Click(d.hidden);
    EXPECT_EQ(d.disabledClicks, 1);
    EXPECT_EQ(d.hiddenClicks, 1);
    EXPECT_TRUE(d.hidden.Focused());
  });
}

TEST_F(Contract, AClickTicksACheckBoxAndGivesItTheFocus) {
  Fields d;
  d.Create();
  RunModal(d, [&](ui::Form&) {
    Click(d.check);
    EXPECT_TRUE(d.check.Checked());
    EXPECT_TRUE(d.check.Focused());
    EXPECT_EQ(d.checkClicks, 1);
    d.check.SetEnabled(false);
    Click(d.check);
    EXPECT_TRUE(d.check.Checked());
    EXPECT_EQ(d.checkClicks, 1);
  });
}

}  // namespace
}  // namespace contract
