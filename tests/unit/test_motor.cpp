// The engine on its own, over a small record of the windows instead of the program.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/Motor.h"

namespace {

// The windows as plain state: check marks, label, timers and hooks, and the input injected.
class FinestresDoble final : public InterficieMotor {
 public:
  std::string etiqueta = "10", titol = "Pelvoro", opcioDesada;
  bool perfil = false;
  int dpi = ui::kDefaultDpi;
  std::map<ModeClic, bool> modes;
  std::map<TimerMotor, bool> timers;
  std::map<int, ui::Colour> botons;
  ui::Colour colorEtiqueta = ui::clBlue;
  bool quadre = false, hookBotons = false, hookMoviment = false, overlay = false;
  ui::Point cursor{500, 400};
  std::vector<std::string> entrada;  // injected input, in order
  int sons = 0;

  std::int32_t ValorEtiqueta() const override { return std::stoi(etiqueta); }
  void EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) override {
    etiqueta = std::to_string(valor);
    if (copiarAlTitol) titol = etiqueta;
  }
  void ColorEtiqueta(ui::Colour color) override { colorEtiqueta = color; }
  void PosarTitol(const char* t) override { titol = t; }
  void ActualitzarTitolAplicacio() override {}
  bool ModeMarcat(ModeClic mode) const override { return modes.count(mode) && modes.at(mode); }
  void MarcarMode(ModeClic mode, bool marcat) override { modes[mode] = marcat; }
  bool QuadreMarcat() const override { return quadre; }
  void MarcarQuadre(bool marcat) override { quadre = marcat; }
  void ColorBoto(int boto, ui::Colour color) override { botons[boto] = color; }
  bool TimerActiu(TimerMotor t) const override { return timers.count(t) && timers.at(t); }
  void ActivarTimer(TimerMotor t, bool actiu) override { timers[t] = actiu; }
  void MostrarOverlay() override { overlay = true; }
  void AmagarOverlay() override { overlay = false; }
  void CentrarOverlay(ui::Point) override { overlay = true; }
  void RepintarOverlay() override {}
  void SetHookMouse() override { hookBotons = true; }
  void UnHookMouse() override { hookBotons = false; }
  void SetHookMouseMove() override { hookMoviment = true; }
  void UnHookMouseMove() override { hookMoviment = false; }
  ui::Point CursorPos() const override { return cursor; }
  void SetCursorPos(ui::Point q) override {
    cursor = q;
    entrada.push_back("at " + std::to_string(q.x) + "," + std::to_string(q.y));
  }
  void MouseEvent(unsigned e) override {
    entrada.push_back(e == ui::MouseLeftDown ? "left down"
                      : e == ui::MouseLeftUp ? "left up"
                                             : "?");
  }
  void RodaRatoli(unsigned, std::int32_t) override { entrada.push_back("wheel"); }
  void MessageBeep(unsigned) override { ++sons; }
  std::int32_t AmpladaPantalla() const override { return 1000; }
  bool PotClicarA(ui::Point) const override { return true; }
  int DpiA(ui::Point) const override { return dpi; }
  std::optional<TAccioClic> ClicParatPanell(ui::Point) override { return std::nullopt; }
  TAccioClic AcabarArrossegamentPanell(ui::Point) override { return {}; }
  void ActualitzarPanell() override {}
  int MostrarBruixola(ui::Point) override { return ui::kDefaultDpi; }
  void AmagarBruixola() override {}
  void DesplacamentAcabat() override {}
  void DesarTempsRepos(std::int32_t) override {}
  bool PerfilSenseClics() const override { return perfil; }
  bool SobrePanell(ui::Point) const override { return false; }
  bool PausaPanell() const override { return false; }
  bool SobreFinestraPrincipal(ui::Point) const override { return false; }
  void EscriureEtiquetaPausa() override { etiqueta = "II"; }
  bool EtiquetaEnPausa() const override { return etiqueta == "II"; }
  void DesarOpcio(const char* opcio) override { opcioDesada = opcio; }
};

class MotorTest : public ::testing::Test {
 protected:
  FinestresDoble f;
  TParametres p;
  TEstatMotor e;
  TMotor motor{f, p, e};
};

TEST_F(MotorTest, DwellClickAfterTheStartCountdownClicksOncePerRestAndStopsClean) {
  p.BoolCheckBoxHiHaComptaEnreraPerEngegar = true;
  p.SegonsIniciActivitat = 2;
  p.DecimesTimerClickAutomatic = 3;
  p.PixelsDeSeparacioPerqueEsConsideriParat = 5;
  motor.CommandaMode(ModeClic::ClicParat);
  EXPECT_TRUE(f.ModeMarcat(ModeClic::ClicParat));
  EXPECT_TRUE(f.TimerActiu(TimerMotor::Engegar));
  EXPECT_EQ(f.botons[1], ui::clRed);
  EXPECT_EQ(f.opcioDesada, "1");
  EXPECT_EQ(f.etiqueta, "2");

  // The countdown's last second arms the mode: the label counts tenths, in red.
  motor.TimerEngegarTimer();
  EXPECT_FALSE(f.TimerActiu(TimerMotor::ComptaEnreraClicAutomatic));
  motor.TimerEngegarTimer();
  EXPECT_FALSE(f.TimerActiu(TimerMotor::Engegar));
  EXPECT_TRUE(f.TimerActiu(TimerMotor::ComptaEnreraClicAutomatic));
  EXPECT_EQ(f.etiqueta, "3");
  EXPECT_EQ(f.colorEtiqueta, ui::clRed);

  // At rest (within the tolerance) the third tick clicks where the pointer is, once.
  f.cursor = {503, 395};
  for (int i = 0; i < 6; ++i) motor.TimerComptaEnreraClicAutomaticTimer();
  EXPECT_EQ(f.entrada, (std::vector<std::string>{"left down", "left up"}));
  EXPECT_EQ(f.titol, "0");

  // A move starts the count again; the next rest clicks again.
  f.cursor = {520, 395};
  motor.TimerComptaEnreraClicAutomaticTimer();
  EXPECT_EQ(f.etiqueta, "3");
  for (int i = 0; i < 3; ++i) motor.TimerComptaEnreraClicAutomaticTimer();
  EXPECT_EQ(f.entrada.size(), 4u);

  // Its command again stops it: the label shows the start seconds, and no mode is kept.
  motor.CommandaMode(ModeClic::ClicParat);
  EXPECT_EQ(f.etiqueta + " " + f.titol + " " + f.opcioDesada, "2 Pelvoro 0");
  EXPECT_EQ(f.botons[1], ui::clBlack);
  EXPECT_FALSE(f.ModeMarcat(ModeClic::ClicParat) ||
               f.TimerActiu(TimerMotor::ComptaEnreraClicAutomatic));
}

}  // namespace
