// The program: the one owner of its windows, its settings record and its engine state. The
// entry makes one; each test makes its own.
#pragma once

#include <memory>
#include <string>

#include "engine/EstatMotor.h"
#include "settings/Parametres.h"

class TFormPrincipal;
class TAboutBox;
class TFormParametres;
class TFormTransparent;
class TFormTipusClic;
class TFormBruixola;

class TPrograma {
 public:
  TPrograma();
  ~TPrograma();
  TPrograma(const TPrograma&) = delete;
  TPrograma& operator=(const TPrograma&) = delete;

  TParametres Parametres;
  TEstatMotor EstatMotor;
  // All arguments after the program's name, joined without separators.
  std::string LiniaOrdres;

  // The four windows, created hidden in this order; the main one first, as it reads the
  // settings that the overlay, created last, takes its size from. Destroyed in reverse, the
  // click-type panel first.
  void CrearFinestres();
  void DestruirFinestres();
  bool HiHaFinestres() const { return principal_ != nullptr; }

  TFormPrincipal& Principal() { return *principal_; }
  TAboutBox& AboutBox() { return *about_; }
  bool TeAboutBox() const { return about_ != nullptr; }
  TFormParametres& FormParametres() { return *parametres_; }
  bool TeFormParametres() const { return parametres_ != nullptr; }
  bool TeFormTransparent() const { return transparent_ != nullptr; }
  TFormTransparent& FormTransparent() { return *transparent_; }
  // The click-type panel, made only once it is first wanted; null until then.
  TFormTipusClic* FormTipusClic() { return tipusClic_.get(); }
  TFormTipusClic& CrearTipusClic();
  // The scroll compass, likewise made the first time scrolling by dwell begins.
  TFormBruixola* FormBruixola() { return bruixola_.get(); }
  TFormBruixola& CrearBruixola();

 private:
  std::unique_ptr<TFormPrincipal> principal_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TFormParametres> parametres_;
  std::unique_ptr<TFormTransparent> transparent_;
  std::unique_ptr<TFormTipusClic> tipusClic_;
  std::unique_ptr<TFormBruixola> bruixola_;
};
