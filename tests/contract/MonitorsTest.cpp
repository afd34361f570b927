// The desktop's monitors as the forms see them: the primary first, at the origin and of the
// screen's size, and the dpi of the one under a point.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST_F(Contract, ThePrimaryMonitorComesFirstAndEachGivesItsDpiToThePointsOnIt) {
  const std::vector<ui::Monitor> monitors = ui::Monitors();
  ASSERT_FALSE(monitors.empty());
  const ui::Monitor& primary = monitors.front();
  EXPECT_EQ(primary.bounds, (ui::Rect{0, 0, ui::ScreenWidth(), ui::ScreenHeight()}));
  for (const ui::Monitor& m : monitors) {
    EXPECT_TRUE(Inside(m.workArea, m.bounds) && m.workArea.Width() > 0);
    EXPECT_GE(m.dpi, ui::kDefaultDpi / 2);
    EXPECT_EQ(ui::DpiAt({m.bounds.left + m.bounds.Width() / 2, m.bounds.top}), m.dpi);
  }
  // Off every monitor, the nearest one's.
  EXPECT_EQ(ui::DpiAt({primary.bounds.right + 100000, primary.bounds.top + 1}),
            ui::DpiAt({primary.bounds.right - 1, primary.bounds.top + 1}));
  // A window opened on the primary is laid out at the dpi of the monitor it is on.
  ui::Form f(DialogStyle("TContractMonitor"));
  f.Create();
  const ui::Rect r = f.BoundsRect();
  EXPECT_EQ(f.Dpi(), ui::DpiAt({r.left + r.Width() / 2, r.top + r.Height() / 2}));
}

}  // namespace
}  // namespace contract
