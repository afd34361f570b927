// The dwell-only profile's column: the main window joins the click-type panel, and where the
// panel stands against an edge of its monitor the two are held there as a desktop toolbar while
// the profile is on. Off, the main window goes back to the top right corner and nothing is held.
#pragma once

#include <optional>

#include "app/Columna.h"

class TFormPrincipal;
class TPrograma;

class TAcoblament {
 public:
  TAcoblament(TFormPrincipal& principal, TPrograma& programa)
      : principal_(principal), programa_(programa) {}
  ~TAcoblament() { Alliberar(); }
  TAcoblament(const TAcoblament&) = delete;
  TAcoblament& operator=(const TAcoblament&) = delete;

  // The profile switched on, or found on at start.
  void Acoblar();
  // The profile switched off: the strip given back, the main window at the top right again.
  void Desacoblar();
  // The program ends: the strip given back, the windows left where they are.
  void Alliberar();
  // The system asked the bars to take their places again: the column is laid out afresh.
  void Recolocar();
  // The panel let go after it was carried: the edge is decided again from where it stands.
  void PanellDeixat();

  bool Actiu() const { return actiu_; }
  std::optional<ui::ScreenEdge> Vora() const { return vora_; }

 private:
  void DecidirVora();

  TFormPrincipal& principal_;
  TPrograma& programa_;
  bool actiu_ = false;
  std::optional<ui::ScreenEdge> vora_;  // none: the panel stands away from the edges
};
