// The see-through window centred on the pointer that draws the tracking frame and the ring.
#pragma once

#include "engine/EstatMotor.h"
#include "settings/Parametres.h"
#include "ui/ui.h"

class TFormTransparent : public ui::Form {
 public:
  // It draws from the settings and the engine state, and raises the main window above itself.
  TFormTransparent(const TParametres& parametres, const TEstatMotor& estat, ui::Form& principal);

  // Centres the window on a screen point and shows it above the other top-most windows.
  void CentrarEnPosicio(int x, int y);
  // The size from the settings, which keep it at 96 dpi; the window takes it at its own dpi.
  void PosarMida(int amplada, int alcada);

 protected:
  void FormCreate() override;
  // Reads the settings and the engine state afresh: the window keeps nothing of its own.
  void FormPaint(ui::Canvas& canvas) override;
  void FormDpiChanged(ui::Rect suggested) override;

 private:
  const TParametres& parametres_;
  const TEstatMotor& estat_;
  ui::Form& principal_;
};
