#include "about/Unitabout.h"

#include "app/UnitPelvoro.h"

TAboutBox* AboutBox = nullptr;

namespace {
ui::FormStyle EstilAbout() {
  ui::FormStyle s;
  s.className = "TAboutBox";
  s.caption = "Parlant de...";
  s.bounds = {0, 0, 309, 412};
  s.frame = ui::FormStyle::Frame::Dialog;
  s.font = ui::Font{"System", ui::PuntsAPixels(10), false, ui::clWindowText};
  return s;
}
}  // namespace

TAboutBox::TAboutBox() : ui::Form(EstilAbout()) {}

void TFormPrincipal::MenuParlantDeClick() {}
