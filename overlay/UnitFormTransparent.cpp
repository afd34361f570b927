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
