// The parameters dialog.
#pragma once

#include "ui/ui.h"

class TFormParametres : public ui::Form {
 public:
  TFormParametres();
};

extern TFormParametres* FormParametres;
