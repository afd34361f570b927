// The texts of the click-type panel and of its menu item, in each interface language. Kept
// apart from the main table: the panel is an option of its own.
#pragma once

#include <array>

#include "tipusclic/TipusClic.h"

struct TTextosTipusClic {
  const char* menu;
  // The panel's window name, which screen readers say; the panel shows no title bar.
  const char* titol;
  // In the panel's order: Esquerre, Doble, Dret, Arrossegar, Pausa.
  std::array<const char*, NombreTipusClic> botons;
};

extern const TTextosTipusClic TextosTipusClicCatala;
extern const TTextosTipusClic TextosTipusClicCastella;
extern const TTextosTipusClic TextosTipusClicAngles;
