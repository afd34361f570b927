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

TAboutBox::TAboutBox()
    : ui::Form(EstilAbout()),
      OKButton(*this, {111, 352, 111 + 77, 352 + 27}, "D'acord", ui::Button::Role::Default),
      Timer1(*this, Timer1Interval) {
  OKButton.OnClick = [this] { EndModal(ui::ResultOk); };
}

void TAboutBox::FormShow() { Timer1.SetEnabled(true); }
void TAboutBox::FormClose() { Timer1.SetEnabled(false); }

void TFormPrincipal::MenuParlantDeClick() {}
