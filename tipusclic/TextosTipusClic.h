// The texts of the click-type panel and of its menu item, in each interface language. Kept
// apart from the main table: the panel is an option of its own.
#pragma once

#include <array>
#include <cstddef>

#include "tipusclic/TipusClic.h"

struct TTextosTipusClic {
  const char* menu;
  // The panel's window name, which screen readers say; the panel shows no title bar.
  const char* titol;
  // In the panel's order: Esquerre, Doble, Dret, Arrossegar, Pausa. The buttons added after
  // these have fields of their own below, so a language's table only ever grows at its end.
  static constexpr std::size_t NombreBotons = 5;
  std::array<const char*, NombreBotons> botons;
  const char* desplacar;
  // The dwell time's buttons, and the mark between the seconds and the tenths it shows.
  const char* menys;
  const char* mes;
  char comaDecimal;
};

// The text on the button of a type.
const char* TextBoto(const TTextosTipusClic& textos, TipusClic tipus);

extern const TTextosTipusClic TextosTipusClicCatala;
extern const TTextosTipusClic TextosTipusClicCastella;
extern const TTextosTipusClic TextosTipusClicAngles;
