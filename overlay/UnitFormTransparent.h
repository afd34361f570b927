// The see-through window centred on the pointer that draws the tracking frame and the ring.
#pragma once

#include "ui/ui.h"

class TFormTransparent : public ui::Form {
 public:
  TFormTransparent();

  // Centres the window on a screen point and shows it above the other top-most windows.
  void CentrarEnPosicio(int x, int y);

 protected:
  void FormCreate() override;
  // Reads the settings and the engine state afresh: the window keeps nothing of its own.
  void FormPaint(ui::Canvas& canvas) override;
};

extern TFormTransparent* FormTransparent;
