// The program and the hook library's agreement: how the handle is read, and where the
// headless stand-in of the library posts its reports.
#include <gtest/gtest.h>

#include "hook/Comunicacio.h"
#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

namespace hl = ui::headless;

TEST(LlegirHandle, ReadsSignedDecimal) {
  EXPECT_EQ(hook::LlegirHandle("65552"), 65552);
  EXPECT_EQ(hook::LlegirHandle("-2147483648"), -2147483648LL);
  EXPECT_EQ(hook::LlegirHandle("0"), 0);
  EXPECT_EQ(hook::LlegirHandle("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(hook::LlegirHandle("-9223372036854775808"), INT64_MIN);
}

TEST(LlegirHandle, RejectsAnythingElse) {
  for (const char* text : {"", "-", "+5", " 5", "5 ", "12a", "0x10", "$1E", "9223372036854775808",
                           "-9223372036854775809", "99999999999999999999"})
    EXPECT_FALSE(hook::LlegirHandle(text).has_value()) << '"' << text << '"';
}

TEST(EscriureHandle, IsReadBackAsTheSameHandle) {
  for (const std::intptr_t h : {std::intptr_t{0x10010}, std::intptr_t{-2}, INTPTR_MAX, INTPTR_MIN})
    EXPECT_EQ(hook::LlegirHandle(hook::EscriureHandle(h)), h);
}

// A window that keeps the reports it is sent.
ui::FormStyle Estil(const std::string& classe) {
  ui::FormStyle s;
  s.className = classe;
  return s;
}

class Receptor : public ui::Form {
 public:
  explicit Receptor(const std::string& classe) : ui::Form(Estil(classe)) {}
  std::vector<std::intptr_t> informes;

 protected:
  void UserMessage(std::uintptr_t, std::intptr_t codi) override { informes.push_back(codi); }
};

class StandInTest : public ProgramaTest {
 protected:
  void SetUp() override {
    ProgramaTest::SetUp();
    principal.Create();
    altre.Create();
    SetHookMouse();
  }
  void TearDown() override {
    UnHookMouse();
    ProgramaTest::TearDown();
  }
  void Handle(const std::string& text) {
    ui::ProfileWrite(hook::FitxerHandle, hook::SeccioHandle, hook::ClauHandle, text);
  }
  // Where one report lands.
  void Informar() {
    ASSERT_TRUE(hl::hook::Report(hook::EventMouseDown));
    hl::Advance(0);
  }
  // Made after the backend's reset, the main one first.
  Receptor principal{hook::ClasseFinestraPrincipal};
  Receptor altre{"TAltre"};
};

TEST_F(StandInTest, ReportsGoToTheWindowNamedInTheFile) {
  Handle(hook::EscriureHandle(altre.Handle()));
  Informar();
  EXPECT_EQ(altre.informes, std::vector<std::intptr_t>{hook::EventMouseDown});
  EXPECT_TRUE(principal.informes.empty());
}

// The library reads the handle strictly; text that only starts with a window's number names
// no window, and the main window gets the report.
TEST_F(StandInTest, AHandleWithMoreThanDigitsNamesNoWindow) {
  for (const std::string& text :
       {hook::EscriureHandle(altre.Handle()) + "abc", "+" + hook::EscriureHandle(altre.Handle())}) {
    Handle(text);
    Informar();
    EXPECT_TRUE(altre.informes.empty()) << text;
  }
  EXPECT_EQ(principal.informes.size(), 2u);
}

TEST_F(StandInTest, AHandleOfNoWindowFallsBackToTheMainWindowsClass) {
  Handle("12345");
  Informar();
  EXPECT_EQ(principal.informes, std::vector<std::intptr_t>{hook::EventMouseDown});
}

}  // namespace
