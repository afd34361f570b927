// The hooks come back when Windows drops them: the stand-in drops them as Windows does, without a
// call, and every mode that lives on them works again within about a second of the next move.
#include "hook/Comunicacio.h"
#include "tests/unit/Programa.h"

namespace prova_vigilancia {

namespace hl = ui::headless;
namespace hk = ui::headless::hook;
using Calls = std::vector<std::string>;

struct Mode {
  const char* nom;
  std::string parametres;
  void (TFormPrincipal::*ordre)();
  bool botons;  // the hook it runs on: the button hook, else the move hook
};

void PrintTo(const Mode& m, std::ostream* os) { *os << m.nom; }

const Mode Modes[] = {
    {"0", "", &TFormPrincipal::MenuMostrarQuadreDeSeguimentDelMouseClick, false},
    // A long rest, so that no dwell click, which moves the hook aside and back, comes first.
    {"1 ring", "DecimesTimerClickAutomatic=30\r\nBoolCheckBoxTemporitzador=true\r\n",
     &TFormPrincipal::MenuClicAutomaticAlEstarParatClick, false},
    {"1 alone", "DecimesTimerClickAutomatic=30\r\nBool1ClicAutomaticNoPermetAltresClics=true\r\n",
     &TFormPrincipal::MenuClicAutomaticAlEstarParatClick, true},
    {"2", "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=3\r\n",
     &TFormPrincipal::MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick, true},
    {"3", "", &TFormPrincipal::MenuTabletPCClicAlPremerLaPantallaClick, true},
    {"4", "", &TFormPrincipal::MenuTabletPCClicEsquerraClicDretClick, true},
};

class VigilanciaTest : public ProgramaTest, public ::testing::WithParamInterface<Mode> {
 protected:
  void Armar() {
    Fitxer("[Parametres]\r\n" + GetParam().parametres);
    CrearFinestres();
    hl::SetCursor({500, 400});
    (Principal().*GetParam().ordre)();
    hl::Advance(300);  // mode 0's hook comes 200 ms after its command
    ASSERT_TRUE(GetParam().botons ? hk::ButtonHookInstalled() : hk::MoveHookInstalled());
    hk::ClearCalls();
  }
  // The pointer moves to p; the hook reports it if it is there. True if it did.
  bool Moure(ui::Point p) {
    hl::SetCursor(p);
    const bool informat = hk::Report(::hook::EventMouseMove);
    hl::Advance(0);
    return informat;
  }
  // What the mode does with the reports: the overlay follows a move; the button hook takes
  // the user's press and release, and a mode of the touch screen clicks for them.
  bool Funciona() {
    const std::size_t clics = hl::InjectedInput().size();
    if (!Moure({620, 330})) return false;
    if (!GetParam().botons) {
      const ui::Rect r = Transparent().BoundsRect();
      return Transparent().Visible() && r.left + r.Width() / 2 == 620 &&
             r.top + r.Height() / 2 == 330;
    }
    if (!hk::Report(::hook::EventMouseDown)) return false;
    hl::Advance(600);
    if (!hk::Report(::hook::EventMouseUp)) return false;
    hl::Advance(300);
    return GetParam().parametres.find("NoPermet") != std::string::npos ||
           hl::InjectedInput().size() > clics;
  }
};

TEST_P(VigilanciaTest, ADroppedHookIsInstalledAgainWithinASecondOfTheNextMove) {
  Armar();
  hk::Drop();
  // At rest nothing is owed: no report missing, no call.
  hl::Advance(2000);
  EXPECT_TRUE(hk::Calls().empty());
  EXPECT_FALSE(Moure({540, 420}));
  hl::Advance(950);
  EXPECT_TRUE(hk::Calls().empty());
  hl::Advance(300);
  const Calls esperat{GetParam().botons ? "SetHookMouse" : "SetHookMouseMove"};
  EXPECT_EQ(hk::Calls(), esperat);
  EXPECT_TRUE(Funciona());
}

TEST_P(VigilanciaTest, WorkingHooksAreNeverInstalledAgain) {
  Armar();
  // Ten seconds of moves, each reported, with rests between, and the program's own clicks.
  for (int i = 0; i < 100; ++i) {
    if (i % 20 < 10) {
      ASSERT_TRUE(Moure({500 + (i * 37) % 300, 400 - (i * 23) % 200}));
    }
    hl::Advance(100);
  }
  // The program's own clicks move a hook aside and back; nothing else installs one.
  const Calls& calls = hk::Calls();
  const auto n = [&](const char* call) { return std::count(calls.begin(), calls.end(), call); };
  EXPECT_EQ(n("SetHookMouse"), n("UnHookMouse"));
  EXPECT_EQ(n("SetHookMouseMove"), n("UnHookMouseMove"));
  EXPECT_TRUE(Funciona());
}

INSTANTIATE_TEST_SUITE_P(Modes, VigilanciaTest, ::testing::ValuesIn(Modes), [](const auto& info) {
  std::string nom = info.param.nom;
  std::replace(nom.begin(), nom.end(), ' ', '_');
  return "Mode" + nom;
});

}  // namespace prova_vigilancia
