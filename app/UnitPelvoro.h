// The main window: the countdown label, the four mode buttons, the menu and the engine's timers.
#pragma once

#include <cstdint>

#include "hook/Comunicacio.h"
#include "ui/ui.h"

struct TAccioClic;

// The button of an injected click.
enum class Boto { Esquerre, Dret };

class TFormPrincipal : public ui::Form {
 public:
  TFormPrincipal();

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

  // The primary screen's width, taken once at creation.
  std::int32_t AmpladaPantalla = 0;

  void MenuSortirClick();
  void MenuEnviarClicksRealsClick();

  // Settings file.
  void LlegirParametres();
  void DesarParametres();

  // Mode controller.
  void AturarTot();
  void EngegarOpcio();
  void MenuMostrarQuadreDeSeguimentDelMouseClick();
  void MenuClicAutomaticAlEstarParatClick();
  void MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick();
  void MenuTabletPCClicAlPremerLaPantallaClick();
  void MenuTabletPCClicEsquerraClicDretClick();
  void MenuOpcionsClick();
  void LabelCompteEnreraClick();
  void TimerEngegarTimer();
  void TimerActivarElHookMouseTimer();
  void TimerActivarElHookMouseMoveTimer();
  void TimerOnEsElMouseTimer();

  // The label is the counter: read back, decreased and rewritten on each tick.
  std::int32_t ValorEtiqueta() const;
  void EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol);
  // Modes 1 to 4 share one command: switch on when unchecked, off when checked.
  void CommandaMode(ui::MenuItem& item, ui::ToolButton* boto, const char* opcio);

  // Dwell click and touch-screen modes.
  void TimerComptaEnreraClicAutomaticTimer();
  void TimerClicALEstarElMouseDownEnUnaCasellaTimer();
  void MissatgeHookMouse(std::intptr_t codi);
  // One click at q with the button hook out of the way; it comes back 200 ms later.
  void FerClicReal(ui::Point q, Boto boto);
  // The reports of modes 2, 3 and 4, with the cursor c read when the report was handled.
  void MissatgeMode2(std::intptr_t codi, ui::Point c);
  void MissatgeMode3(std::intptr_t codi, ui::Point c);
  void MissatgeMode4(std::intptr_t codi, ui::Point c);

  // The click-type panel: switched in the window's own menu, shown while mode 1 is checked,
  // and made only once it is first wanted.
  void MenuPanellTipusClicClick();
  void RestaurarPanellTipusClic();
  void ActualitzarPanellTipusClic();
  void AcabarArrossegamentTipusClic();
  void InjectarAccioClic(const TAccioClic& accio);
  // At close: no button left down, and the panel's settings written.
  void TancarTipusClic();

  // Dialogs and language.
  void MenuParametresClick();
  void MenuCatalaClick();
  void MenuCastellaClick();
  void MenuParlantDeClick();

 protected:
  void FormCreate() override;
  void FormClose() override;
  void QueryEndSession() override;
  void EndSession(bool ending) override;
  void UserMessage(std::uintptr_t wParam, std::intptr_t lParam) override;
  void ExitMenuLoop() override;

 private:
  // Windows ends a session without closing the window; the settings are written then, once.
  void DesarUnCop();
  bool parametresDesats_ = false;
  // The re-activation installed the frame's move hook during the start countdown; arming a
  // mode that goes without it takes it away again.
  bool hookMovimentDelCompte_ = false;
};

extern TFormPrincipal* FormPrincipal;
