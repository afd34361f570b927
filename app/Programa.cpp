#include "app/Programa.h"

#include "about/Unitabout.h"
#include "app/UnitPelvoro.h"
#include "overlay/UnitFormBruixola.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/UnitFormParametres.h"
#include "tipusclic/UnitFormTipusClic.h"

TPrograma::TPrograma() = default;

TPrograma::~TPrograma() { DestruirFinestres(); }

void TPrograma::CrearFinestres() {
  principal_ = std::make_unique<TFormPrincipal>(*this);
  principal_->Create();
  about_ = std::make_unique<TAboutBox>();
  about_->Create();
  // The overlay takes a new size from the dialog at once, showing or not.
  parametres_ = std::make_unique<TFormParametres>(Parametres, [this](int amplada, int alcada) {
    if (transparent_) transparent_->PosarMida(amplada, alcada);
  });
  parametres_->Create();
  parametres_->MostrarMissatge = [this](ui::Form* propietari, const std::string& text,
                                        const std::string& titol, unsigned opcions) {
    return principal_->MostrarMissatge(propietari, text, titol, opcions);
  };
  transparent_ = std::make_unique<TFormTransparent>(Parametres, EstatMotor, *principal_);
  transparent_->Create();
  principal_->RestaurarPanellTipusClic();
}

void TPrograma::DestruirFinestres() {
  bruixola_.reset();
  tipusClic_.reset();
  transparent_.reset();
  parametres_.reset();
  about_.reset();
  principal_.reset();
}

// Made the first time it is wanted: a user who never switches the panel on has the program's
// four windows and no other.
TFormTipusClic& TPrograma::CrearTipusClic() {
  if (tipusClic_) return *tipusClic_;
  tipusClic_ = std::make_unique<TFormTipusClic>();
  tipusClic_->Create();
  tipusClic_->PosarTextos(principal_->LlenguaActual().tipusClic);
  tipusClic_->MostrarTemps(Parametres.DecimesTimerClickAutomatic);
  tipusClic_->OnPasTemps = [this](int pas) { principal_->Motor.PasTempsRepos(pas); };
  return *tipusClic_;
}

TFormBruixola& TPrograma::CrearBruixola() {
  if (bruixola_) return *bruixola_;
  bruixola_ = std::make_unique<TFormBruixola>();
  bruixola_->Create();
  return *bruixola_;
}
