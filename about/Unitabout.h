// The credits window.
#pragma once

#include "ui/ui.h"

class TAboutBox : public ui::Form {
 public:
  TAboutBox();

  static constexpr int Timer1Interval = 3500;

  ui::Button OKButton;
  ui::Timer Timer1;

 protected:
  void FormShow() override;
  void FormClose() override;
};

extern TAboutBox* AboutBox;
