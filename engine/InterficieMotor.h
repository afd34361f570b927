// What the click engine needs of the windows around it: the main window's label, check marks,
// buttons and timers, the overlay, the hooks, injected input, the beep and the click-type panel.
// The program implements it over its windows; tests may implement it over plain records.
#pragma once

#include <cstdint>
#include <optional>

#include "tipusclic/TipusClic.h"
#include "ui/ui.h"

// The four click modes, each a check mark in the main menu; at most one is checked.
enum class ModeClic { ClicParat, MouseDownCasella, PremerPantalla, EsquerraDreta };
// The engine's timers on the main window.
enum class TimerMotor {
  Engegar,
  ComptaEnreraClicAutomatic,
  ClicALEstarElMouseDownEnUnaCasella,
  OnEsElMouse,
  ActivarElHookMouse,
  ActivarElHookMouseMove,
  // The dwell-only profile's: mode 1 back after a menu, a dialog or a stop has ended.
  TornarAClicar,
};
// Within a second of the end of a menu or a dialog, and after the command chosen there.
constexpr unsigned TornadaMs = 200;

class InterficieMotor {
 public:
  virtual ~InterficieMotor() = default;

  // The label is the counter: read back, decreased and rewritten on each tick.
  virtual std::int32_t ValorEtiqueta() const = 0;
  virtual void EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) = 0;
  virtual void ColorEtiqueta(ui::Colour color) = 0;
  virtual void PosarTitol(const char* titol) = 0;
  // The application's title (the taskbar's) follows the main window's caption.
  virtual void ActualitzarTitolAplicacio() = 0;

  // The check marks: the running mode and the tracking frame.
  virtual bool ModeMarcat(ModeClic mode) const = 0;
  virtual void MarcarMode(ModeClic mode, bool marcat) = 0;
  virtual bool QuadreMarcat() const = 0;
  virtual void MarcarQuadre(bool marcat) = 0;
  // The digit buttons 0 to 3.
  virtual void ColorBoto(int boto, ui::Colour color) = 0;

  virtual bool TimerActiu(TimerMotor timer) const = 0;
  virtual void ActivarTimer(TimerMotor timer, bool actiu) = 0;

  virtual void MostrarOverlay() = 0;
  virtual void AmagarOverlay() = 0;
  virtual void CentrarOverlay(ui::Point c) = 0;
  virtual void RepintarOverlay() = 0;

  virtual void SetHookMouse() = 0;
  virtual void UnHookMouse() = 0;
  virtual void SetHookMouseMove() = 0;
  virtual void UnHookMouseMove() = 0;

  virtual ui::Point CursorPos() const = 0;
  virtual void SetCursorPos(ui::Point q) = 0;
  virtual void MouseEvent(unsigned entrada) = 0;
  // A wheel notch (ui::MouseWheel or ui::MouseHWheel) of quantitat, sent where the pointer is.
  virtual void RodaRatoli(unsigned entrada, std::int32_t quantitat) = 0;
  virtual void MessageBeep(unsigned so) = 0;
  virtual std::int32_t AmpladaPantalla() const = 0;
  // Whether input injected with the pointer at c reaches the window there: not that of a
  // program with higher rights than this one.
  virtual bool PotClicarA(ui::Point c) const = 0;
  // The dpi of the monitor under c.
  virtual int DpiA(ui::Point c) const = 0;

  // The click-type panel, when it exists and is switched on: what a dwell click at c makes.
  virtual std::optional<TAccioClic> ClicParatPanell(ui::Point c) = 0;
  // What ends a drag the panel has in progress; nothing without one.
  virtual TAccioClic AcabarArrossegamentPanell(ui::Point c) = 0;
  // Shown or hidden as its switch and mode 1's check mark say.
  virtual void ActualitzarPanell() = 0;
  // The scroll compass, drawn around c by a window the pointer never hits; made the first time
  // it is wanted. Shown, it answers the dpi of the monitor it lies on.
  virtual int MostrarBruixola(ui::Point c) = 0;
  virtual void AmagarBruixola() = 0;
  // Scrolling has ended: the panel goes back to a left click.
  virtual void DesplacamentAcabat() = 0;
  // The dwell time changed on the panel: stored under the dialog's key, and shown there.
  virtual void DesarTempsRepos(std::int32_t decimes) = 0;
  // The dwell-only profile: the panel's switch in the window menu. Off, the engine works as
  // it always has.
  virtual bool PerfilSenseClics() const = 0;
  // Whether the panel shows and c is on it.
  virtual bool SobrePanell(ui::Point c) const = 0;
  // The pause chosen on the panel, which is switched on.
  virtual bool PausaPanell() const = 0;
  // Whether c is anywhere on the program's main window, frame, caption and menu bar included.
  virtual bool SobreFinestraPrincipal(ui::Point c) const = 0;
  // The label shows the pause instead of a count, in grey; a count written over it ends that.
  virtual void EscriureEtiquetaPausa() = 0;
  virtual bool EtiquetaEnPausa() const = 0;

  // The last mode switched on, kept for the next start.
  virtual void DesarOpcio(const char* opcio) = 0;
};
