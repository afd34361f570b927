// Enter and Esc in modal forms: the default button, the cancel button, the focused button,
// and a form with only an OK button.
#include "about/Unitabout.h"
#include "tests/contract/Contract.h"

namespace contract {
namespace {

using Role = ui::Button::Role;

class Dialog : public CountingForm {
 public:
  Dialog()
      : CountingForm("TContractDialog"),
        edit(*this, At(10, 10, 200, 23), "text"),
        ok(*this, At(10, 200, 80, 25), "OK", Role::Default),
        cancel(*this, At(100, 200, 80, 25), "Cancel", Role::Cancel),
        other(*this, At(190, 200, 80, 25), "Other") {
    ok.OnClick = [this] {
      ++okClicks;
      EndModal(ui::ResultOk);
    };
    cancel.OnClick = [this] { ++cancelClicks; };
    other.OnClick = [this] { ++otherClicks; };
  }
  ui::Edit edit;
  ui::Button ok, cancel, other;
  int okClicks = 0, cancelClicks = 0, otherClicks = 0;
};

// Only an OK button, as the about box has.
class OkOnly : public CountingForm {
 public:
  OkOnly() : CountingForm("TContractOkOnly"), ok(*this, At(10, 200, 80, 25), "OK", Role::Default) {
    ok.OnClick = [this] { EndModal(ui::ResultOk); };
  }
  ui::Button ok;
};

// Runs the form modally and presses the key; the result of a form the key closed.
int ClosedBy(ui::Form& form, Key key) {
  const int result = RunModal(form, [key](ui::Form& f) {
    Press(f, key);
    EXPECT_FALSE(f.Modal()) << "the key left the form open";
  });
  EXPECT_FALSE(form.Visible());
  return result;
}

// The dialog, made once the backend is fresh.
class DialogKeys : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    d.Create();
  }
  // Runs the dialog with the script inside; the result of a dialog the script closed once.
  int Closed(const std::function<void(ui::Form&)>& script) {
    const int result = RunModal(d, [&](ui::Form& f) {
      script(f);
      EXPECT_FALSE(f.Modal()) << "still open";
    });
    EXPECT_EQ(d.closes, 1);
    EXPECT_FALSE(d.Visible());
    return result;
  }
  Dialog d;
};

TEST_F(DialogKeys, EnterPressesTheDefaultButton) {
  EXPECT_EQ(ClosedBy(d, Key::Enter), ui::ResultOk);
  EXPECT_EQ(d.okClicks, 1);
  EXPECT_EQ(d.closes, 1);
}

TEST_F(DialogKeys, EnterPressesTheFocusedButtonInsteadOfTheDefaultOne) {
  const int result = Closed([&](ui::Form& f) {
    d.other.SetFocus();
    Press(f, Key::Enter);
    EXPECT_EQ(d.otherClicks, 1);
    EXPECT_EQ(d.okClicks, 0);
    EXPECT_TRUE(d.Modal());
    Press(f, Key::Escape);
  });
  EXPECT_EQ(result, ui::ResultCancel);
}

TEST_F(DialogKeys, EscCancelsWithoutRunningTheCancelButtonsClick) {
  EXPECT_EQ(ClosedBy(d, Key::Escape), ui::ResultCancel);
  EXPECT_EQ(d.cancelClicks, 0);
  EXPECT_EQ(d.closes, 1);
}

TEST_F(DialogKeys, TheCancelButtonClosesAsEscDoes) {
  EXPECT_EQ(Closed([&](ui::Form&) { Click(d.cancel); }), ui::ResultCancel);
  EXPECT_EQ(d.cancelClicks, 0);
}

TEST_F(DialogKeys, EnterLeavesADisabledDefaultButtonAlone) {
  RunModal(d, [&](ui::Form& f) {
    d.ok.SetEnabled(false);
    d.edit.SetFocus();
    Press(f, Key::Enter);
    EXPECT_TRUE(f.Modal());
    EXPECT_EQ(d.okClicks, 0);
  });
}

TEST_F(Contract, EscClosesAFormWithOnlyAnOkButton) {
  OkOnly d;
  d.Create();
  EXPECT_EQ(ClosedBy(d, Key::Escape), ui::ResultCancel);
  EXPECT_EQ(d.closes, 1);
}

TEST_F(Contract, EnterWithNoButtonToPressDoesNothing) {
  CountingForm d("TContractNoDefault");
  ui::Edit edit(d, At(10, 10, 200, 23), "text");
  ui::Button plain(d, At(10, 200, 80, 25), "Plain");
  int clicks = 0;
  plain.OnClick = [&] { ++clicks; };
  d.Create();
  RunModal(d, [&](ui::Form& f) {
    ASSERT_TRUE(edit.Focused());
    Press(f, Key::Enter);
    EXPECT_TRUE(f.Modal());
    EXPECT_EQ(clicks, 0);
  });
  EXPECT_EQ(d.closes, 1);
}

TEST_F(Contract, TheAboutBoxClosesWithEsc) {
  TAboutBox box;
  box.Create();
  EXPECT_EQ(ClosedBy(box, Key::Escape), ui::ResultCancel);
}

TEST_F(Contract, TheAboutBoxClosesWithEnter) {
  TAboutBox box;
  box.Create();
  EXPECT_EQ(ClosedBy(box, Key::Enter), ui::ResultOk);
}

}  // namespace
}  // namespace contract
