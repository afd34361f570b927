// The click engine: choosing and arming the modes, the start countdown, the hooks' return, the
// dwell click, the touch-screen modes and the click-type panel's input. It keeps no mode and no
// count of its own: the running mode is a check mark and every count the label's text, both
// reached through InterficieMotor.
#pragma once

#include <cstdint>

#include "engine/Desplacament.h"
#include "engine/EstatMotor.h"
#include "engine/InterficieMotor.h"
#include "settings/Parametres.h"

// The button of an injected click.
enum class Boto { Esquerre, Dret };

class TMotor {
 public:
  TMotor(InterficieMotor& finestres, TParametres& parametres, TEstatMotor& estat)
      : f_(finestres), p_(parametres), e_(estat) {}

  void AturarTot();
  void EngegarOpcio();
  // Modes 1 to 4 share one command: switch on when unchecked, off when checked.
  void CommandaMode(ModeClic mode);
  void CommandaQuadre();
  void MenuOpcionsClick();
  void ExitMenuLoop();
  void LabelCompteEnreraClick();
  // Around a dialog opened from the menu: no mode runs and the frame's move hook waits.
  void AbansDeDialeg();
  void DespresDeDialeg();

  // The dwell-only profile keeps mode 1 on whenever no mode runs: armed at once, without the
  // start countdown, which would leave a user who cannot click without clicks for its length.
  // True when it armed it. The stored "Opcio" is left as it is: nobody chose the mode.
  bool EngegarPerfil();
  // After a menu, a dialog or a stop: mode 1 back TornadaMs later, unless a mode is on by then.
  void DemanarTornada();
  void TimerTornarAClicarTimer();
  // Around a message box: with the profile on, the dwell runs during it, so that a rest on its
  // button closes it; a mode armed only for the box stops again after it.
  bool AbansDeMissatge() { return EngegarPerfil(); }
  void DespresDeMissatge(bool engegatPerAlMissatge);

  void TimerEngegarTimer();
  void TimerActivarElHookMouseTimer();
  void TimerActivarElHookMouseMoveTimer();
  void TimerOnEsElMouseTimer();
  void TimerComptaEnreraClicAutomaticTimer();
  void TimerClicALEstarElMouseDownEnUnaCasellaTimer();
  // Runs while a hook is asked for: installs again those Windows has dropped.
  void TimerVigilarHooksTimer();
  // The frame's move hook, shown at start before any mode.
  void InstallarHookQuadre() { f_.SetHookMouseMove(); }
  void MissatgeHookMouse(std::intptr_t codi);

  // One click at q with the button hook out of the way; it comes back 200 ms later.
  void FerClicReal(ui::Point q, Boto boto);
  void InjectarAccioClic(const TAccioClic& accio);
  void AcabarArrossegamentTipusClic();

  // Scrolling by dwell, set going by a rest with "Desplaçar" chosen.
  bool Desplacant() const { return desplacament_.actiu; }
  // "-" or "+" on the panel, by dwell or by hand: one tenth less or more, within its range.
  void PasTempsRepos(int pas);

 private:
  // The reports of modes 2, 3 and 4, with the cursor c read when the report was handled.
  void MissatgeMode2(std::intptr_t codi, ui::Point c);
  void MissatgeMode3(std::intptr_t codi, ui::Point c);
  void MissatgeMode4(std::intptr_t codi, ui::Point c);
  void ArmarClicParat();
  void ClicParatFet(ui::Point& c);
  // The dwell-only profile: what the ring says of c, and the pause shown on the label.
  void MarcarAnell(ui::Point c);
  void MostrarPausa();
  bool NoEsPotClicarA(ui::Point c);
  void TreureNoEsPotClicar();
  bool ArmatAmbMoviment() const;
  void ComencarDesplacament(ui::Point c);
  void TicDesplacament();
  void AcabarDesplacament(ui::Point c, bool repos);

  InterficieMotor& f_;
  TParametres& p_;
  TEstatMotor& e_;
  // The re-activation installed the frame's move hook during the start countdown; arming a
  // mode that goes without it takes it away again.
  bool hookMovimentDelCompte_ = false;
  TDesplacament desplacament_;
};
