#include "settings/UnitFormParametres.h"

#include "app/UnitPelvoro.h"

TFormParametres* FormParametres = nullptr;

namespace {
ui::FormStyle EstilParametres() {
  ui::FormStyle s;
  s.className = "TFormParametres";
  s.caption = "Paràmetres";
  s.bounds = {0, 0, 699, 618};
  s.frame = ui::FormStyle::Frame::Sizeable;
  s.font = ui::Font{"MS Sans Serif", ui::PuntsAPixels(8), false, ui::clWindowText};
  return s;
}
}  // namespace

TFormParametres::TFormParametres() : ui::Form(EstilParametres()) {}

void TFormPrincipal::MenuParametresClick() {}
