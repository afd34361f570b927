// A message box under a dwell click: the program's timers go on in the box's own loop, and a
// left press and release injected on its button close it.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

constexpr unsigned kTickMs = 100;

TEST_F(Contract, AClickInjectedFromATimerOnABoxsButtonClosesItWithOk) {
  CountingForm owner("TContractBoxOwner");
  owner.Create();
  ui::Timer dwell(owner, kTickMs);
  int ticks = 0;
  bool clicked = false;
  dwell.OnTimer = [&] {
    ++ticks;
    const std::optional<ui::Rect> button = OpenBoxButton();
    if (clicked || !button) return;
    // As the dwell click makes it: the pointer on the spot, then a press and a release there.
    ui::SetCursorPos({(button->left + button->right) / 2, (button->top + button->bottom) / 2});
    ui::MouseEvent(ui::MouseLeftDown);
    ui::MouseEvent(ui::MouseLeftUp);
    clicked = true;
  };
  dwell.SetEnabled(true);
  const BoxSeen seen = ShowBoxLeftAlone(&owner, "'zz' is not a valid integer value.", "Pelvoro",
                                        ui::BoxOk | ui::BoxIconError, kLimitMs);
  dwell.SetEnabled(false);
  EXPECT_TRUE(clicked) << "the timer never found the box up: " << ticks << " ticks";
  EXPECT_TRUE(seen.closedByItself) << "the click on its button left the box up";
  EXPECT_EQ(seen.answer, ui::ResultOk);
  EXPECT_FALSE(OpenBoxButton());
}

TEST_F(Contract, AClickBesideABoxsButtonLeavesItUp) {
  CountingForm owner("TContractBoxOwner");
  owner.Create();
  ui::Timer dwell(owner, kTickMs);
  bool clicked = false;
  dwell.OnTimer = [&] {
    const std::optional<ui::Rect> button = OpenBoxButton();
    if (clicked || !button) return;
    // In the box, just above its button.
    ui::SetCursorPos({(button->left + button->right) / 2, button->top - 6});
    ui::MouseEvent(ui::MouseLeftDown);
    ui::MouseEvent(ui::MouseLeftUp);
    clicked = true;
  };
  dwell.SetEnabled(true);
  const BoxSeen seen =
      ShowBoxLeftAlone(&owner, "Error", "Pelvoro", ui::BoxOk | ui::BoxIconError, 1000);
  dwell.SetEnabled(false);
  EXPECT_TRUE(clicked);
  EXPECT_FALSE(seen.closedByItself);
  EXPECT_EQ(seen.answer, ui::ResultOk);
}

}  // namespace
}  // namespace contract
