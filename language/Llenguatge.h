// The interface languages: the texts each one sets, and the start-up choice between them.
// The language in force is the check mark of its menu item; there is no variable for it.
#pragma once

#include <array>

class TFormPrincipal;

struct TTextos {
  // In menu order: the five modes, "Enviar Clics reals", parameters, language, about, exit.
  std::array<const char*, 10> menu;
  const char* titolParametres;
  // In the dialog's order, top to bottom (see TFormParametres::ControlsAmbText).
  std::array<const char*, 12> parametres;
  // One per range the dialog checks: 1-100, 0-100, 50-1000, 1-22.
  std::array<const char*, 4> missatgesError;
};

extern const TTextos TextosCatala;
extern const TTextos TextosCastella;

// Start-up: the language stored at the last close. Only the exact text "castella" switches to
// Spanish; anything else leaves the interface in Catalan, as built.
void RestaurarLlenguatge(TFormPrincipal& principal);
