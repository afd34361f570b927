// The main window: the countdown label, the four mode buttons, the menu and the engine's timers.
#pragma once

#include <cstdint>

#include "app/FinestresMotor.h"
#include "language/Llenguatge.h"
#include "tipusclic/TextosTipusClic.h"
#include "engine/Motor.h"
#include "hook/Comunicacio.h"
#include "ui/ui.h"

class TPrograma;

class TFormPrincipal : public ui::Form {
 public:
  explicit TFormPrincipal(TPrograma& programa);

  static constexpr const char* NomClasse = hook::ClasseFinestraPrincipal;

  // Outer size set at creation; the design size is only a starting point.
  static constexpr int AmpladaFinestra = 118;
  static constexpr int AlcadaFinestra = 150;
  static constexpr int AlcadaPanel = 31;

  ui::Panel Panel1;
  ui::ToolButton SpeedButton0, SpeedButton1, SpeedButton2, SpeedButton3;
  ui::Label LabelCompteEnrera;

  ui::MenuItem MainMenu;
  ui::MenuItem MenuOpcions;
  ui::MenuItem MenuMostrarQuadreDeSeguimentDelMouse;
  ui::MenuItem MenuClicAutomaticAlEstarParat;
  ui::MenuItem MenuClicTabletPCALEstarElMouseDownEnUnaCasella;
  ui::MenuItem MenuTabletPCClicAlPremerLaPantalla;
  ui::MenuItem MenuTabletPCClicEsquerraClicDret;
  ui::MenuItem N4;
  ui::MenuItem MenuEnviarClicksReals;
  ui::MenuItem MenuParametres;
  ui::MenuItem N1;
  ui::MenuItem MenuLlenguatge;
  ui::MenuItem MenuCatala;
  ui::MenuItem MenuCastella;
  ui::MenuItem N3;
  ui::MenuItem MenuParlantDe;
  ui::MenuItem N2;
  ui::MenuItem MenuSortir;
  // In the window's own menu (Alt+Space), not in MainMenu.
  ui::MenuItem MenuPanellTipusClic;

  ui::Timer TimerEngegar;
  ui::Timer TimerComptaEnreraClicAutomatic;
  ui::Timer TimerClicALEstarElMouseDownEnUnaCasella;
  ui::Timer TimerOnEsElMouse;
  ui::Timer TimerActivarElHookMouse;
  ui::Timer TimerActivarElHookMouseMove;
  ui::Timer TimerVigilarHooks;

  // The primary screen's width, taken once at creation.
  std::int32_t AmpladaPantalla = 0;

  void MenuSortirClick();
  void MenuEnviarClicksRealsClick();

  // Settings file.
  void LlegirParametres();
  void DesarParametres();

  // The engine does the work of the mode commands, the timers and the hook reports; the
  // handlers hand it on.
  void AturarTot() { Motor.AturarTot(); }
  void EngegarOpcio() { Motor.EngegarOpcio(); }
  void MenuMostrarQuadreDeSeguimentDelMouseClick() { Motor.CommandaQuadre(); }
  void MenuClicAutomaticAlEstarParatClick() { Motor.CommandaMode(ModeClic::ClicParat); }
  void MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick() {
    Motor.CommandaMode(ModeClic::MouseDownCasella);
  }
  void MenuTabletPCClicAlPremerLaPantallaClick() { Motor.CommandaMode(ModeClic::PremerPantalla); }
  void MenuTabletPCClicEsquerraClicDretClick() { Motor.CommandaMode(ModeClic::EsquerraDreta); }
  void MenuOpcionsClick() { Motor.MenuOpcionsClick(); }
  void LabelCompteEnreraClick() { Motor.LabelCompteEnreraClick(); }
  void TimerEngegarTimer() { Motor.TimerEngegarTimer(); }
  void TimerActivarElHookMouseTimer() { Motor.TimerActivarElHookMouseTimer(); }
  void TimerActivarElHookMouseMoveTimer() { Motor.TimerActivarElHookMouseMoveTimer(); }
  void TimerOnEsElMouseTimer() { Motor.TimerOnEsElMouseTimer(); }
  void TimerVigilarHooksTimer() { Motor.TimerVigilarHooksTimer(); }
  void TimerComptaEnreraClicAutomaticTimer() { Motor.TimerComptaEnreraClicAutomaticTimer(); }
  void TimerClicALEstarElMouseDownEnUnaCasellaTimer() {
    Motor.TimerClicALEstarElMouseDownEnUnaCasellaTimer();
  }
  void MissatgeHookMouse(std::intptr_t codi) { Motor.MissatgeHookMouse(codi); }
  void FerClicReal(ui::Point q, Boto boto) { Motor.FerClicReal(q, boto); }

  // The label is the counter: read back, decreased and rewritten on each tick.
  std::int32_t ValorEtiqueta() const;
  void EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol);

  // The click-type panel: switched in the window's own menu, shown while mode 1 is checked,
  // and made only once it is first wanted.
  void MenuPanellTipusClicClick();
  void RestaurarPanellTipusClic();
  void ActualitzarPanellTipusClic();
  void AcabarArrossegamentTipusClic() { Motor.AcabarArrossegamentTipusClic(); }
  // At close: no button left down, and the panel's settings written.
  void TancarTipusClic();

  // Dialogs and language.
  void MenuParametresClick();
  void MenuCatalaClick();
  void MenuCastellaClick();
  void MenuParlantDeClick();
  // The texts of one language on the menus, the dialog and the panel.
  void PosarTextos(const TTextos& textos, const TTextosTipusClic& textosTipusClic);

 protected:
  void FormCreate() override;
  void FormClose() override;
  void QueryEndSession() override;
  void EndSession(bool ending) override;
  void UserMessage(std::uintptr_t wParam, std::intptr_t lParam) override;
  void ExitMenuLoop() override;

 private:
  TPrograma& programa_;
  TParametres& parametres_;
  // The engine's view of this window and the others; made before the engine that holds it.
  TFinestresMotor finestres_;

 public:
  TMotor Motor;

 private:
  // Windows ends a session without closing the window; the settings are written then, once.
  void DesarUnCop();
  bool parametresDesats_ = false;
};
