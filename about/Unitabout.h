// The credits window.
#pragma once

#include "ui/ui.h"

class TAboutBox : public ui::Form {
 public:
  TAboutBox();
};

extern TAboutBox* AboutBox;
