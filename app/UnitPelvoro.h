// The main window: the countdown label, the four mode buttons, the menu and the engine's timers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "about/TextosAbout.h"
#include "app/Acoblament.h"
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
  // English: when checked, neither Català nor Español is.
  ui::MenuItem MenuAngles;

  ui::Timer TimerEngegar;
  ui::Timer TimerComptaEnreraClicAutomatic;
  ui::Timer TimerClicALEstarElMouseDownEnUnaCasella;
  ui::Timer TimerOnEsElMouse;
  ui::Timer TimerActivarElHookMouse;
  ui::Timer TimerActivarElHookMouseMove;
  ui::Timer TimerTornarAClicar;
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
  void TimerTornarAClicarTimer() { Motor.TimerTornarAClicarTimer(); }
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
  // The pause chosen on the click-type panel, shown on the label and the caption in place of
  // a count; any count written ends it.
  static constexpr const char* TextPausa = "II";
  void EscriureEtiquetaPausa();
  bool EtiquetaEnPausa() const;

  // The click-type panel: switched in the window's own menu, shown while mode 1 is checked,
  // and made only once it is first wanted.
  void MenuPanellTipusClicClick();
  void RestaurarPanellTipusClic();
  void ActualitzarPanellTipusClic();
  void AcabarArrossegamentTipusClic() { Motor.AcabarArrossegamentTipusClic(); }
  // At close: no button left down, and the panel's settings written.
  void TancarTipusClic();
  // The switch as the settings file holds it, before the panel is restored.
  static bool PerfilDesat();

  // A message box of the program's; with the dwell-only profile on, a rest on its button
  // closes it.
  int MostrarMissatge(ui::Form* propietari, const std::string& text, const std::string& titol,
                      unsigned opcions);
  // With the profile on, a bad colour met at the creation waits for mode 1 to run.
  void MostrarColorDolentPendent();

  // Dialogs and language.
  void MenuParametresClick();
  void MenuCatalaClick();
  void MenuCastellaClick();
  // Switches English on, or off back to the interface as built.
  void MenuAnglesClick();
  void MenuParlantDeClick();
  // One language's texts on the menus, the dialog, the about box and the panel.
  struct Llengua {
    const TTextos& textos;
    const TTextosTipusClic& tipusClic;
    const TTextosAbout& about;
  };
  void PosarTextos(const Llengua& llengua);
  // The language in force, read from the check marks.
  Llengua LlenguaActual() const;

 protected:
  void FormCreate() override;
  void FormClose() override;
  void QueryEndSession() override;
  void EndSession(bool ending) override;
  void UserMessage(std::uintptr_t wParam, std::intptr_t lParam) override;
  void ExitMenuLoop() override;
  void AppBarMoved() override { Acoblament.Recolocar(); }

 private:
  TPrograma& programa_;
  TParametres& parametres_;
  // The engine's view of this window and the others; made before the engine that holds it.
  TFinestresMotor finestres_;

 public:
  TMotor Motor;
  // With the dwell-only profile, this window and the panel make a column at a screen edge.
  TAcoblament Acoblament{*this, programa_};

 private:
  // Windows ends a session without closing the window; the settings are written then, once.
  void DesarUnCop();
  bool parametresDesats_ = false;
  std::optional<std::string> colorDolentPendent_;
};
