// The main form's minimised start, and the answers of message boxes.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

TEST_F(Contract, AMainFormMinimisedBeforeTheLoopStartsAsAnIcon) {
  CountingForm main("TContractMain");
  main.Create();
  main.SetState(ui::WindowState::Minimised);
  bool ran = false;
  RunLoop(main, [&] {
    ran = true;
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.State(), ui::WindowState::Minimised);
    main.SetState(ui::WindowState::Normal);
    EXPECT_EQ(main.State(), ui::WindowState::Normal);
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(main.closes, 1);
}

TEST_F(Contract, AMainFormStartsNormalUnlessMinimised) {
  CountingForm main("TContractMain");
  main.Create();
  RunLoop(main, [&] {
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.State(), ui::WindowState::Normal);
  });
}

constexpr unsigned kInformation = ui::BoxOk | ui::BoxIconInformation;

TEST_F(Contract, ABoxWithOnlyOkAnswersOkToEnterAndShowsItsTexts) {
  CountingForm d("TContractBoxOwner");
  d.Create();
  RunModal(d, [&](ui::Form& f) {
    const BoxSeen seen =
        ShowBox(&f, "El valor ha de ser més gran que 0", "PELVORO", kInformation, Key::Enter);
    EXPECT_EQ(seen.answer, ui::ResultOk);
    EXPECT_EQ(seen.text, "El valor ha de ser més gran que 0");
    EXPECT_EQ(seen.caption, "PELVORO");
    EXPECT_TRUE(f.Modal()) << "the box's answer closed its owner";
  });
}

TEST_F(Contract, ABoxWithOnlyOkAnswersOkToEscToo) {
  CountingForm d("TContractBoxOwner");
  d.Create();
  RunModal(d, [&](ui::Form& f) {
    EXPECT_EQ(ShowBox(&f, "Error", "PELVORO", ui::BoxOk | ui::BoxIconError, Key::Escape).answer,
              ui::ResultOk);
    EXPECT_TRUE(f.Modal());
  });
}

}  // namespace
}  // namespace contract
