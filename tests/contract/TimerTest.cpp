// Window timers: enabling an enabled timer keeps its period, disabling and enabling starts a
// fresh one, and a timer that disables itself fires once. Told apart by the order of ticks,
// with a fifth of a second or more between the orders each outcome would give.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

class Timed : public CountingForm {
 public:
  Timed() : CountingForm("TContractTimers"), slow(*this, 1000), fast(*this, 600) {
    slow.OnTimer = [this] { ticks += 'S'; };
    fast.OnTimer = [this] {
      ticks += 'F';
      if (ticks == "F" && atFirstFastTick) atFirstFastTick();
    };
  }
  ui::Timer slow, fast;
  std::string ticks;
  std::function<void()> atFirstFastTick;
};

// Both start together; at 600 ms the slow one is touched. Kept, it ticks at 1000 ms, before
// the fast one's second tick at 1200; restarted, it ticks at 1600, after it.
std::string TicksAfterTouchingTheSlowTimer(const std::function<void(ui::Timer&)>& touch) {
  Timed f;
  f.Create();
  f.atFirstFastTick = [&] { touch(f.slow); };
  f.slow.SetEnabled(true);
  f.fast.SetEnabled(true);
  EXPECT_TRUE(Until([&] { return f.ticks.size() >= 3; }, kLimitMs));
  return f.ticks.substr(0, 3);
}

TEST_F(Contract, EnablingAnEnabledTimerKeepsItsPeriod) {
  EXPECT_EQ(TicksAfterTouchingTheSlowTimer([](ui::Timer& t) { t.SetEnabled(true); }), "FSF");
}

TEST_F(Contract, DisablingAndEnablingATimerStartsAFreshPeriod) {
  EXPECT_EQ(TicksAfterTouchingTheSlowTimer([](ui::Timer& t) {
              t.SetEnabled(false);
              t.SetEnabled(true);
            }),
            "FFS");
}

TEST_F(Contract, ATimerThatDisablesItselfFiresOnce) {
  CountingForm f("TContractOneShot");
  ui::Timer once(f, 100), counter(f, 150);
  int onceTicks = 0, counterTicks = 0;
  once.OnTimer = [&] {
    once.SetEnabled(false);
    ++onceTicks;
  };
  counter.OnTimer = [&] { ++counterTicks; };
  f.Create();
  once.SetEnabled(true);
  counter.SetEnabled(true);
  EXPECT_TRUE(Until([&] { return counterTicks >= 4; }, kLimitMs));
  EXPECT_EQ(onceTicks, 1);
  EXPECT_FALSE(once.Enabled());
  // Once more, from the start.
  once.SetEnabled(true);
  EXPECT_TRUE(Until([&] { return onceTicks == 2; }, kLimitMs));
  EXPECT_TRUE(Until([&] { return counterTicks >= 8; }, kLimitMs));
  EXPECT_EQ(onceTicks, 2);
}

}  // namespace
}  // namespace contract
