// The program and the hook library's agreement: how the handle is read, which window the
// reports go to, and that the headless stand-in of the library follows the same rule.
#include <gtest/gtest.h>

#include "hook/Comunicacio.h"
#include "hook/Desti.h"
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

// The windows a test's platform has, in its order: handle, this process or not, class.
struct FinestraProva {
  std::intptr_t handle;
  bool delProces;
  std::string classe;
};

std::intptr_t Triar(const std::string& text, const std::vector<FinestraProva>& finestres) {
  hook::Finestres plataforma;
  plataforma.dades = const_cast<std::vector<FinestraProva>*>(&finestres);
  plataforma.Fets = [](void* dades, std::intptr_t handle, hook::FetsFinestra& fets) {
    for (const auto& f : *static_cast<std::vector<FinestraProva>*>(dades)) {
      if (f.handle != handle) continue;
      fets.existeix = true;
      fets.delProces = f.delProces;
      f.classe.copy(fets.classe, sizeof fets.classe - 1);
    }
  };
  plataforma.Recorrer = [](void* dades, bool (*visitar)(void*, std::intptr_t), void* context) {
    for (const auto& f : *static_cast<std::vector<FinestraProva>*>(dades))
      if (!visitar(context, f.handle)) return;
  };
  return hook::TriarDesti(text, plataforma);
}

// Another program's main window comes first, then this program's overlay, its main window,
// and a second main window of its own.
const std::vector<FinestraProva> kFinestres = {{0x100, false, hook::ClasseFinestraPrincipal},
                                               {0x200, true, "TFormTransparent"},
                                               {0x300, true, hook::ClasseFinestraPrincipal},
                                               {0x400, true, hook::ClasseFinestraPrincipal}};

TEST(TriarDesti, TheNamedMainWindowOfThisProcessGetsTheReports) {
  EXPECT_EQ(Triar("1024", kFinestres), 0x400);
  EXPECT_EQ(Triar("768", kFinestres), 0x300);
}

// Any other window falls back to the first main window of this process: the overlay, the
// panel or the about box would swallow every press with no click and no way out.
TEST(TriarDesti, AnyOtherNamedWindowFallsBackToTheFirstMainWindowOfThisProcess) {
  for (const char* text : {"512", "256", "4096", "0", "", "abc", "768 ", "99999999999999999999"})
    EXPECT_EQ(Triar(text, kFinestres), 0x300) << '"' << text << '"';
  EXPECT_EQ(Triar("512", {kFinestres[0], kFinestres[1]}), 0);
  EXPECT_EQ(Triar("512", {}), 0);
}

// A window that keeps the reports it is sent.
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
    segona.Create();
    altre.Create();
  }
  void TearDown() override {
    UnHookMouse();
    ProgramaTest::TearDown();
  }
  // The library reads the file when a hook is installed.
  void InstallarAmb(const std::string& text) {
    ui::ProfileWrite(hook::FitxerHandle, hook::SeccioHandle, hook::ClauHandle, text);
    SetHookMouse();
  }
  // Where one report lands.
  void Informar() {
    ASSERT_TRUE(hl::hook::Report(hook::EventMouseDown));
    hl::Advance(0);
  }
  // Made after the backend's reset, the main one first.
  Receptor principal{hook::ClasseFinestraPrincipal};
  Receptor segona{hook::ClasseFinestraPrincipal};
  Receptor altre{"TAltre"};
};

TEST_F(StandInTest, ReportsGoWhereTheLibrarysRuleChoseAtInstall) {
  InstallarAmb(hook::EscriureHandle(segona.Handle()));
  // A later handle counts only from the next install, as in the library.
  ui::ProfileWrite(hook::FitxerHandle, hook::SeccioHandle, hook::ClauHandle, "12345");
  Informar();
  EXPECT_EQ(segona.informes, std::vector<std::intptr_t>{hook::EventMouseDown});
  InstallarAmb(hook::EscriureHandle(altre.Handle()));
  Informar();
  EXPECT_EQ(principal.informes, std::vector<std::intptr_t>{hook::EventMouseDown});
  EXPECT_TRUE(altre.informes.empty());
}

}  // namespace
