// A drag on a form's bare client area: the points the form is given are where the button went
// down and up, however late the program handles them.
#include <vector>

#include "tests/contract/Contract.h"

namespace contract {
namespace {

class Dragged : public CountingForm {
 public:
  Dragged() : CountingForm("TContractDragged") {}
  std::vector<ui::Point> downs, ups;

 protected:
  void FormMouseDown(ui::Point p) override { downs.push_back(p); }
  void FormMouseUp(ui::Point p) override { ups.push_back(p); }
};

TEST_F(Contract, ADragGivesThePointsWhereTheButtonWentDownAndUpNotWhereThePointerIsLater) {
  Dragged f;
  f.Create();
  const ui::Rect r = f.BoundsRect();
  const ui::Point from{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  const ui::Point to{from.x + 60, from.y + 40};
  RunModal(f, [&](ui::Form&) { Drag(f, from, to); });
  ASSERT_EQ(f.downs.size(), 1u);
  ASSERT_EQ(f.ups.size(), 1u);
  EXPECT_EQ(f.downs[0], from);
  EXPECT_EQ(f.ups[0], to);
}

}  // namespace
}  // namespace contract
