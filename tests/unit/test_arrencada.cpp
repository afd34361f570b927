#include <fstream>

#include "tests/unit/Programa.h"

namespace {

TEST(LiniaOrdres, SplitsOnBlanksAndControlCharactersOutsideQuotes) {
  EXPECT_EQ(DividirArguments("Pelvoro.exe NOABOUT"),
            (std::vector<std::string>{"Pelvoro.exe", "NOABOUT"}));
  EXPECT_EQ(DividirArguments("  a\t\tb \r\n c  "), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(DividirArguments("\"C:\\Program Files\\Pelvoro.exe\" \"NO ABOUT\" x\"y z\"w"),
            (std::vector<std::string>{"C:\\Program Files\\Pelvoro.exe", "NO ABOUT", "xy zw"}));
  EXPECT_EQ(DividirArguments("p \"\" q"), (std::vector<std::string>{"p", "", "q"}));
  EXPECT_TRUE(DividirArguments("   ").empty());
}

TEST(LiniaOrdres, JoinsArgumentsAfterTheProgramNameWithoutSeparators) {
  EXPECT_EQ(UnirArguments("Pelvoro.exe"), "");
  EXPECT_EQ(UnirArguments("Pelvoro.exe NOABOUT"), "NOABOUT");
  EXPECT_EQ(UnirArguments("Pelvoro.exe NO ABOUT"), "NOABOUT");
  EXPECT_EQ(UnirArguments("\"c:\\a b\\Pelvoro.exe\" \"NO\" \"ABOUT\""), "NOABOUT");
  EXPECT_EQ(UnirArguments("Pelvoro.exe \"NO ABOUT\""), "NO ABOUT");
  EXPECT_EQ(UnirArguments("Pelvoro.exe NOABOUT x"), "NOABOUTx");
}

class EsperaTest : public ProgramaTest {};

TEST_F(EsperaTest, LastsItsLengthAcrossAWrapOfTheTickCounter) {
  ui::headless::Reset(carpeta_, 0xFFFFFFFFu - 500);
  const auto inici = ui::headless::Now();
  EsperaMilisegons(3000);
  EXPECT_EQ(ui::headless::Now() - inici, 3000u);
}

TEST_F(EsperaTest, ZeroProcessesPendingMessagesOnceAndSleepsOneMillisecond) {
  CrearFinestres();
  int ticks = 0;
  Principal().TimerEngegar.OnTimer = [&] { ++ticks; };
  Principal().TimerEngegar.SetEnabled(true);
  ui::headless::Advance(999);
  ui::Sleep(1);  // the tick is now due but not handled
  const auto inici = ui::headless::Now();
  EsperaMilisegons(0);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(ui::headless::Now() - inici, 1u);
}

TEST_F(EsperaTest, KeepsTimersRunningDuringTheWait) {
  CrearFinestres();
  std::vector<std::uint64_t> ticks;
  Principal().TimerComptaEnreraClicAutomatic.OnTimer = [&] {
    ticks.push_back(ui::headless::Now());
  };
  Principal().TimerComptaEnreraClicAutomatic.SetEnabled(true);
  EsperaMilisegons(1000);
  // The tick due as the wait ends is left to the message loop that follows.
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{100, 200, 300, 400, 500, 600, 700, 800, 900}));
}

class ProgramEntryTest : public ProgramaTest {};

TEST_F(ProgramEntryTest, CreatesTheFourWindowsHiddenShowsTheMainOneAndExitsWithZero) {
  ui::headless::SetCommandLine("Pelvoro.exe NO ABOUT");
  bool visibleInLoop = false, othersHidden = false;
  ui::headless::SetLoopDriver([&] {
    visibleInLoop = Principal().Visible();
    othersHidden = !About().Visible() && !Dialeg().Visible() && !Transparent().Visible();
    ui::headless::Advance(1000);
    Principal().MenuSortirClick();
  });
  EXPECT_EQ(Pelvoro(), 0);
  EXPECT_EQ(Programa().LiniaOrdres, "NOABOUT");
  EXPECT_TRUE(visibleInLoop);
  EXPECT_TRUE(othersHidden);
  EXPECT_NE(TextFitxer().find("BoolCheckBoxExecutarMinimitzat=false"), std::string::npos);
}

TEST_F(ProgramEntryTest, StartsMinimisedWhenTheSettingsSaySo) {
  Fitxer("[Parametres]\r\nBoolCheckBoxExecutarMinimitzat=true\r\n");
  ui::WindowState state = ui::WindowState::Normal;
  ui::headless::SetLoopDriver([&] {
    state = Principal().State();
    Principal().Close();
  });
  EXPECT_EQ(Pelvoro(), 0);
  EXPECT_EQ(state, ui::WindowState::Minimised);
}

TEST_F(ProgramEntryTest, ASecondCopyBringsTheRunningOneForwardAndLeavesWithoutTouchingTheSettings) {
  // Started from the Start menu while the copy started at sign-in runs.
  Fitxer("[LlibreriaPelvoro]\r\nHANDLE FINESTRA=4242\r\n");
  ui::headless::SetOtherInstance(true);
  bool looped = false;
  ui::headless::SetLoopDriver([&] { looped = true; });
  EXPECT_EQ(Pelvoro(), 0);
  EXPECT_FALSE(looped);
  EXPECT_FALSE(Programa().HiHaFinestres());
  EXPECT_EQ(TextFitxer(), "[LlibreriaPelvoro]\r\nHANDLE FINESTRA=4242\r\n");
  EXPECT_EQ(ui::headless::PlatformCalls(),
            (std::vector<std::string>{"ActivateOtherInstance TFormPrincipal Pelvoro.exe"}));
}

// The second start brings forward only a window whose process runs the program's file: the
// image's path is the system's, in any letter case, with a drive or a device for a folder.
TEST(IsFileNamed, OnlyTheProgramsOwnFileNameInAnyCase) {
  for (const char* path : {"C:\\Users\\ana\\AppData\\Local\\Programs\\Pelvoro\\Pelvoro.exe",
                           "\\Device\\HarddiskVolume2\\Eines\\PELVORO.EXE", "pelvoro.exe",
                           "Z:/home/ana/build/Pelvoro.exe"})
    EXPECT_TRUE(ui::IsFileNamed(path, FitxerPrograma)) << path;
  for (const char* path : {"C:\\Programs\\Delphi\\Project1.exe", "C:\\x\\NoPelvoro.exe",
                           "C:\\Pelvoro.exe\\Altre.exe", "C:\\x\\Pelvoro.exe.bak", ""})
    EXPECT_FALSE(ui::IsFileNamed(path, FitxerPrograma)) << path;
}

}  // namespace
