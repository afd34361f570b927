// Windows sized from a design at 96 dpi: no bigger than the screen, whatever the design.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

// Its button sits in the far corner of the client area.
class Wide : public CountingForm {
 public:
  explicit Wide(ui::Size client)
      : CountingForm("TContractWide"),
        corner(*this, At(client.width - 90, client.height - 40, 80, 30), "corner") {
    corner.OnClick = [this] { ++clicks; };
  }
  ui::Button corner;
  int clicks = 0;
};

TEST_F(Contract, ADesignTooBigForTheScreenIsLaidOutSmallerAndItsFarCornerCanBeClicked) {
  // Half as big again as the screen at the monitor's scale.
  const int dpi = ui::Form(DialogStyle("TContractProbe")).Dpi();
  const ui::Size client{ui::ScreenWidth() * 3 / 2 * ui::kDefaultDpi / dpi,
                        ui::ScreenHeight() * 3 / 2 * ui::kDefaultDpi / dpi};
  Wide f(client);
  f.Create();
  f.SetDesignClientSize(client.width, client.height);
  f.KeepInWorkArea();
  EXPECT_LT(f.Dpi(), dpi);
  const ui::Rect r = f.BoundsRect();
  EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= ui::ScreenWidth() &&
              r.bottom <= ui::ScreenHeight())
      << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom;
  RunModal(f, [&](ui::Form&) { Click(f.corner); });
  EXPECT_EQ(f.clicks, 1);
  // A design that fits is shown at the monitor's scale again.
  f.SetDesignClientSize(200, 100);
  EXPECT_EQ(f.Dpi(), dpi);
}

}  // namespace
}  // namespace contract
