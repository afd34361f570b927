// The see-through window centred on the pointer that draws the tracking frame and the ring.
#pragma once

#include "ui/ui.h"

class TFormTransparent : public ui::Form {
 public:
  TFormTransparent();

  // Centres the window on a screen point and shows it above the other top-most windows.
  void CentrarEnPosicio(int x, int y);
};

extern TFormTransparent* FormTransparent;
