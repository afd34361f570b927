// Desktop toolbars: a strip at a monitor's edge held for a form's window, the later bars beside
// the earlier ones, and given back.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

TEST_F(Contract, DesktopToolbarsTakeStripsAtTheEdgeOneBesideTheOtherAndGiveThemBack) {
  CountingForm first("TContractBarOne"), second("TContractBarTwo");
  first.Create();
  second.Create();
  const ui::Rect monitor = ui::MonitorNear(first.BoundsRect()).monitor;
  const auto strip = [&](int left, int width) {
    return ui::Rect{left, monitor.top, left + width, monitor.bottom};
  };
  EXPECT_FALSE(ui::AppBarRegistered(first));
  ASSERT_TRUE(ui::RegisterAppBar(first));
  ASSERT_TRUE(ui::RegisterAppBar(second));
  EXPECT_TRUE(ui::AppBarRegistered(first) && ui::AppBarRegistered(second));

  const ui::Rect held = ui::SetAppBarPos(first, ui::ScreenEdge::Left, strip(monitor.left, 100));
  EXPECT_EQ(held.left, monitor.left);
  EXPECT_EQ(held.Width(), 100);
  // The second is moved off the first's strip, whatever else the system moves.
  const ui::Rect beside = ui::QueryAppBarPos(second, ui::ScreenEdge::Left, strip(monitor.left, 60));
  EXPECT_GE(beside.left, held.right);

  // The first given back, the edge is free for the second.
  ui::RemoveAppBar(first);
  EXPECT_FALSE(ui::AppBarRegistered(first));
  const ui::Rect freed = ui::SetAppBarPos(second, ui::ScreenEdge::Left, strip(monitor.left, 60));
  EXPECT_EQ(freed.left, monitor.left);
  ui::RemoveAppBar(second);
  EXPECT_FALSE(ui::AppBarRegistered(second));
}

}  // namespace
}  // namespace contract
