#include "overlay/UnitFormTransparent.h"

TFormTransparent* FormTransparent = nullptr;

namespace {
ui::FormStyle EstilTransparent() {
  ui::FormStyle s;
  s.className = "TFormTransparent";
  s.caption = "FormTransparent";
  s.bounds = {571, 234, 571 + 150, 234 + 150};
  s.frame = ui::FormStyle::Frame::Popup;
  s.overlay = true;
  s.topMost = true;
  s.background = ui::clWhite;
  return s;
}
}  // namespace

TFormTransparent::TFormTransparent() : ui::Form(EstilTransparent()) {}

void TFormTransparent::CentrarEnPosicio(int x, int y) {
  if (State() == ui::WindowState::Minimised) SetState(ui::WindowState::Normal);
  SetPosition(x - Width() / 2, y - Height() / 2);
  Show();
  BringToFrontTopMost();
}
