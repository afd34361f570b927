// The click-type panel: a small tool window beside the dwell click, never activated, whose
// buttons choose what the next dwell click does, and two more change the dwell time. Shown while
// mode 1 is checked and the panel is switched on in the main window's own menu.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "tipusclic/DibuixosTipusClic.h"
#include "tipusclic/TextosTipusClic.h"
#include "tipusclic/TipusClic.h"
#include "ui/ui.h"

class TFormTipusClic : public ui::Form {
 public:
  TFormTipusClic();

  ui::PictureButton BotoEsquerre, BotoDoble, BotoDret, BotoArrossegar, BotoPausa, BotoDesplacar;
  // The dwell time, one tenth of a second less or more; the time shows between them.
  ui::PictureButton BotoMenys, BotoMes;
  // A press of "-" or "+" by hand: the program changes the time, then shows it here.
  std::function<void(int pas)> OnPasTemps;
  void MostrarTemps(std::int32_t decimes);
  std::int32_t TempsMostrat() const { return decimes_; }
  // While a dwell drag carries the panel, it follows the pointer.
  ui::Timer TimerSeguirPunter;
  static constexpr unsigned IntervalSeguirPunter = 50;
  void TimerSeguirPunterTimer();

  ui::PictureButton& Boto(TipusClic tipus);
  TipusClic Triat() const { return Estat.Triat(); }
  bool Arrossegant() const { return Estat.Arrossegant(); }
  bool ArrossegantPanell() const { return Estat.ArrossegantPanell(); }
  AspecteBoto Aspecte(TipusClic tipus) const;

  // A button pressed by hand or by automation.
  void BotoClick(TipusClic tipus);
  // The dwell click at c: what it injects, the choice and the drag updated.
  TAccioClic ClicParat(ui::Point c);
  // Scrolling has ended: back to a left click.
  void DesplacamentAcabat();
  // What ends a drag in progress when the mode stops or the program closes.
  TAccioClic AcabarArrossegament(ui::Point c);

  // The panel let go after it was carried, by hand or by a rest.
  std::function<void()> OnDeixat;

  // Shown or hidden as the switch and the mode say.
  void Mostrar(bool mostrar);
  void PosarTextos(const TTextosTipusClic& textos);

  // Section "TipusClic" of the settings file. Nothing is written there until the panel has
  // been switched on once, so a user who never does finds the file as before.
  void LlegirTipusClic();
  void DesarTipusClic(bool mostrar);

 protected:
  void FormCreate() override;
  void FormPaint(ui::Canvas& canvas) override;
  void FormMouseDown(ui::Point c) override;
  void FormMouseMove(ui::Point c) override;
  void FormMouseUp(ui::Point c) override;

 private:
  void Canviat();
  void Agafar(ui::Point c);
  void Deixat();
  void PosarA(ui::Point lloc);

  TEstatTipusClic Estat;
  bool desar_ = false;
  bool movent_ = false;
  ui::Point agafat_;  // where the pointer holds the panel, from its top left corner
  std::int32_t decimes_ = 0;
  char comaDecimal_ = ',';
};

// The settings of the panel.
constexpr const char* SeccioTipusClic = "TipusClic";
constexpr const char* ClauMostrarPanell = "MostrarPanell";
constexpr const char* ClauEsquerraPanell = "Esquerra";
constexpr const char* ClauDaltPanell = "Dalt";
// A pause chosen on the panel outlasts the run: a paused user finds it paused at the next start.
constexpr const char* ClauPausaPanell = "Pausa";
