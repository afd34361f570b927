// The see-through window centred on the pointer that draws the tracking frame and the ring.
#pragma once

#include "ui/ui.h"

class TFormTransparent : public ui::Form {
 public:
  TFormTransparent();
};

extern TFormTransparent* FormTransparent;
