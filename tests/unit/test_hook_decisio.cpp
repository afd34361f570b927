// What the hook procedures do with each mouse event.
#include <gtest/gtest.h>

#include "hook/DecisioHook.h"
#include "hook/DecisioMoviment.h"
#include "hook/LlibreriaPelvoro.h"

namespace {

using hook::Decisio;
using hook::DecisioHook;
using hook::TipusHook;

constexpr unsigned MissatgeRoda = 0x020A;         // wheel
constexpr unsigned MissatgeMButtonDown = 0x0207;  // middle press

Decisio Informa(long codi, bool empassar) { return {codi, empassar}; }
Decisio Passa() { return {}; }

class HookBotons : public ::testing::Test {
 protected:
  void SetUp() override { estat.Installat(TipusHook::Botons); }
  Decisio Botons(unsigned missatge, bool injectat = false) {
    return estat.Decidir(TipusHook::Botons, missatge, injectat);
  }
  DecisioHook estat;
};

TEST_F(HookBotons, LeftPressAndReleaseAreReportedAndSwallowed) {
  EXPECT_EQ(Botons(hook::MissatgeLButtonDown), Informa(hook::EventMouseDown, true));
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Informa(hook::EventMouseUp, true));
}

TEST_F(HookBotons, RightPressAsksToLeaveAndItsReleaseIsSwallowedSilently) {
  EXPECT_EQ(Botons(hook::MissatgeRButtonDown), Informa(hook::EventSortir, true));
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp), (Decisio{std::nullopt, true}));
}

TEST_F(HookBotons, MovesAreReportedAndPassOn) {
  EXPECT_EQ(Botons(hook::MissatgeMouseMove), Informa(hook::EventMouseMove, false));
}

TEST_F(HookBotons, OtherButtonsAndTheWheelPassUnreported) {
  EXPECT_EQ(Botons(MissatgeRoda), Passa());
  EXPECT_EQ(Botons(MissatgeMButtonDown), Passa());
}

TEST_F(HookBotons, InjectedButtonsAreNeitherReportedNorSwallowed) {
  // Another tool's clicks must reach their target; the program's own are made unhooked.
  for (unsigned missatge : {hook::MissatgeLButtonDown, hook::MissatgeLButtonUp,
                            hook::MissatgeRButtonDown, hook::MissatgeRButtonUp})
    EXPECT_EQ(Botons(missatge, true), Passa()) << missatge;
}

TEST_F(HookBotons, PointerMovedByOtherSoftwareIsReportedLikeTheUsersOwnMoves) {
  // Head-trackers, eye-gaze and joystick programs steer the pointer with injected moves.
  EXPECT_EQ(Botons(hook::MissatgeMouseMove, true), Informa(hook::EventMouseMove, false));
}

TEST_F(HookBotons, InjectedPressDoesNotMakeTheUsersReleaseSwallowed) {
  Botons(hook::MissatgeLButtonDown, true);
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Passa());
}

TEST_F(HookBotons, ReleaseOfAPressMadeBeforeTheHookCamePassesOn) {
  // The application got that press; it must get the release or its button sticks. The program
  // saw no press, so a report would make it click on top of the user's own click.
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Passa());
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp), Passa());
  // The next press and release are the hook's again.
  EXPECT_EQ(Botons(hook::MissatgeLButtonDown), Informa(hook::EventMouseDown, true));
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Informa(hook::EventMouseUp, true));
}

// Mode 2 holding past its click: the program removes the hook to click and installs it again.
TEST_F(HookBotons, HeldPressOutlastingAReinstallationGivesNoSecondRelease) {
  Botons(hook::MissatgeLButtonDown);
  estat.Tret(TipusHook::Botons);
  EXPECT_TRUE(estat.Pendent());
  estat.Installat(TipusHook::Botons);
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Informa(hook::EventMouseUp, true));
  EXPECT_FALSE(estat.Pendent());
}

// Leaving mode 3 or 4 with the right button: every hook is removed before the release comes.
TEST_F(HookBotons, RightPressThatLeftTheModeHasItsReleaseSwallowedWithNoHookWanted) {
  Botons(hook::MissatgeRButtonDown);
  estat.Tret(TipusHook::Botons);
  EXPECT_TRUE(estat.Pendent());
  // The button hook stays only for this: it reports nothing and lets the rest pass.
  EXPECT_EQ(Botons(hook::MissatgeMouseMove), Passa());
  EXPECT_EQ(Botons(hook::MissatgeLButtonDown), Passa());
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Passa());
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp, true), Passa());
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp), (Decisio{std::nullopt, true}));
  EXPECT_FALSE(estat.Pendent());
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp), Passa());
}

TEST_F(HookBotons, MoveHookSwallowsTheReleaseOfAPressTheButtonHookSwallowed) {
  estat.Installat(TipusHook::Moviment);
  Botons(hook::MissatgeLButtonDown);
  // While the button hook is there it answers for the release, with its report.
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeLButtonUp, false), Passa());
  estat.Tret(TipusHook::Botons);
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeLButtonUp, false),
            (Decisio{std::nullopt, true}));
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeLButtonUp, false), Passa());
}

TEST_F(HookBotons, ANewPressMeansTheAwaitedReleaseWasLost) {
  // Its release went elsewhere (another desktop, say): the next press and release pass as a pair.
  Botons(hook::MissatgeRButtonDown);
  estat.Tret(TipusHook::Botons);
  EXPECT_EQ(Botons(hook::MissatgeRButtonDown), Passa());
  EXPECT_FALSE(estat.Pendent());
  EXPECT_EQ(Botons(hook::MissatgeRButtonUp), Passa());
}

TEST_F(HookBotons, InstallingAgainKeepsAPendingPress) {
  Botons(hook::MissatgeLButtonDown);
  estat.Installat(TipusHook::Botons);
  EXPECT_EQ(Botons(hook::MissatgeLButtonUp), Informa(hook::EventMouseUp, true));
}

TEST(HookMoviment, ReportsEveryMoveAndPassesEverything) {
  DecisioHook estat;
  estat.Installat(TipusHook::Moviment);
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeMouseMove, false),
            Informa(hook::EventMouseMove, false));
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeMouseMove, true),
            Informa(hook::EventMouseMove, false));
  for (unsigned missatge : {hook::MissatgeLButtonDown, hook::MissatgeLButtonUp,
                            hook::MissatgeRButtonDown, hook::MissatgeRButtonUp})
    EXPECT_EQ(estat.Decidir(TipusHook::Moviment, missatge, false), Passa()) << missatge;
}

TEST(HookMoviment, StaysQuietWhileTheButtonHookReportsMoves) {
  DecisioHook estat;
  estat.Installat(TipusHook::Moviment);
  estat.Installat(TipusHook::Botons);
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeMouseMove, false), Passa());
  estat.Tret(TipusHook::Botons);
  EXPECT_EQ(estat.Decidir(TipusHook::Moviment, hook::MissatgeMouseMove, false),
            Informa(hook::EventMouseMove, false));
}

TEST(HookMovimentRetingut, ReportsWhenTheCursorIsThereOrTheNextEventComes) {
  hook::DecisioMoviment m;
  EXPECT_FALSE(m.Comprovar({0, 0}));  // nothing held
  EXPECT_FALSE(m.Nou({10, 20}));
  EXPECT_FALSE(m.Comprovar({9, 20}));  // the cursor still at the old point
  EXPECT_TRUE(m.Comprovar({10, 20}));
  EXPECT_FALSE(m.Retingut());
  EXPECT_FALSE(m.Comprovar({10, 20}));  // reported once only

  // A second move, or any other event, comes after the system has finished with the first.
  EXPECT_FALSE(m.Nou({30, 40}));
  EXPECT_TRUE(m.Nou({31, 40}));
  EXPECT_TRUE(m.Buidar());
  EXPECT_FALSE(m.Buidar());
}

TEST(HookMovimentRetingut, GivesUpWaitingForACursorThatGoesElsewhere) {
  hook::DecisioMoviment m;
  m.Nou({5, 5});
  for (int i = 1; i < hook::DecisioMoviment::MaximComprovacions; ++i)
    EXPECT_FALSE(m.Comprovar({6, 6})) << i;
  EXPECT_TRUE(m.Comprovar({6, 6}));
  // A new move starts its own count.
  m.Nou({7, 7});
  for (int i = 1; i < hook::DecisioMoviment::MaximComprovacions; ++i)
    EXPECT_FALSE(m.Comprovar({6, 6})) << i;
  EXPECT_TRUE(m.Comprovar({6, 6}));
}

}  // namespace
