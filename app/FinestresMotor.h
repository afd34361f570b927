// The engine's view of the program: the main window's label, check marks, buttons and timers,
// the overlay, the click-type panel, and the platform's hooks and input.
#pragma once

#include "engine/InterficieMotor.h"

class TFormPrincipal;
class TPrograma;

class TFinestresMotor final : public InterficieMotor {
 public:
  TFinestresMotor(TFormPrincipal& principal, TPrograma& programa)
      : principal_(principal), programa_(programa) {}

  std::int32_t ValorEtiqueta() const override;
  void EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) override;
  void ColorEtiqueta(ui::Colour color) override;
  void PosarTitol(const char* titol) override;
  void ActualitzarTitolAplicacio() override;
  bool ModeMarcat(ModeClic mode) const override;
  void MarcarMode(ModeClic mode, bool marcat) override;
  bool QuadreMarcat() const override;
  void MarcarQuadre(bool marcat) override;
  void ColorBoto(int boto, ui::Colour color) override;
  bool TimerActiu(TimerMotor timer) const override;
  void ActivarTimer(TimerMotor timer, bool actiu) override;
  void MostrarOverlay() override;
  void AmagarOverlay() override;
  void CentrarOverlay(ui::Point c) override;
  void RepintarOverlay() override;
  void SetHookMouse() override;
  void UnHookMouse() override;
  void SetHookMouseMove() override;
  void UnHookMouseMove() override;
  ui::Point CursorPos() const override;
  void SetCursorPos(ui::Point q) override;
  void MouseEvent(unsigned entrada) override;
  void RodaRatoli(unsigned entrada, std::int32_t quantitat) override;
  void MessageBeep(unsigned so) override;
  std::int32_t AmpladaPantalla() const override;
  bool PotClicarA(ui::Point c) const override;
  int DpiA(ui::Point c) const override;
  std::optional<TAccioClic> ClicParatPanell(ui::Point c) override;
  TAccioClic AcabarArrossegamentPanell(ui::Point c) override;
  void ActualitzarPanell() override;
  int MostrarBruixola(ui::Point c) override;
  void AmagarBruixola() override;
  void DesplacamentAcabat() override;
  void DesarTempsRepos(std::int32_t decimes) override;
  bool PerfilSenseClics() const override;
  bool SobrePanell(ui::Point c) const override;
  bool PausaPanell() const override;
  bool SobreFinestraPrincipal(ui::Point c) const override;
  void EscriureEtiquetaPausa() override;
  bool EtiquetaEnPausa() const override;
  void DesarOpcio(const char* opcio) override;

 private:
  ui::MenuItem& Item(ModeClic mode) const;
  ui::Timer& Timer(TimerMotor timer) const;
  // Kept for the watch over the hooks.
  void Demanat(bool botons, bool installat);

  TFormPrincipal& principal_;
  TPrograma& programa_;
};
