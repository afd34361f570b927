// The scroll compass: a see-through window around the point where scrolling by dwell began,
// showing its dead centre, its outer ring and the four ways. The pointer never hits it: the
// wheel goes to the window beneath.
#pragma once

#include "ui/ui.h"

class TFormBruixola : public ui::Form {
 public:
  TFormBruixola();

  // Centred on a screen point at the size for that point's monitor, and shown on top.
  void CentrarEnPosicio(ui::Point c);

 protected:
  void FormCreate() override;
  void FormPaint(ui::Canvas& canvas) override;
  void FormDpiChanged(ui::Rect suggested) override;

 private:
  int Costat() const;
};
