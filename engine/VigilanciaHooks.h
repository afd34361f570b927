// Windows removes a low-level hook whose procedure once took too long, without a word to the
// program that installed it; the modes that live on the hooks' reports then just stop. This
// keeps what the hooks were asked for and whether they still report: when the pointer has
// moved and no report has come for a second while a hook should be installed, what was asked
// for is installed again. Plain logic: the engine's watch timer feeds it the cursor.
#pragma once

#include "ui/ui.h"

class TVigilanciaHooks {
 public:
  // The watch timer's period, and its ticks of silence after a move before the hooks are
  // taken for gone: a second at least.
  static constexpr unsigned Interval = 250;
  static constexpr int TicsSenseInforme = 5;

  // The program asked the library to install (installat) or remove the button hook (botons)
  // or the move hook, with the pointer at c: an installed hook owes reports from there.
  void Demanat(bool botons, bool installat, ui::Point c);
  // A report of the hooks came with the pointer at c; or the program put the pointer at c
  // itself, which no hook reports.
  void Informe(ui::Point c);
  // One tick of the watch timer with the pointer at c. True when the hooks asked for are to be
  // installed again; their reports are then awaited from c.
  bool Comprovar(ui::Point c);

  bool Botons() const { return botons_; }
  bool Moviment() const { return moviment_; }
  bool Algun() const { return botons_ || moviment_; }

 private:
  bool botons_ = false;
  bool moviment_ = false;
  ui::Point informat_;  // where the pointer was at the last report
  int silenci_ = 0;     // ticks since then with the pointer elsewhere
};
