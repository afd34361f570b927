#include "engine/VigilanciaHooks.h"

void TVigilanciaHooks::Demanat(bool botons, bool installat, ui::Point c) {
  (botons ? botons_ : moviment_) = installat;
  if (installat) Informe(c);
}

void TVigilanciaHooks::Informe(ui::Point c) {
  informat_ = c;
  silenci_ = 0;
}

bool TVigilanciaHooks::Comprovar(ui::Point c) {
  // A pointer at rest owes no report, however long it rests.
  if (!Algun() || c == informat_) {
    silenci_ = 0;
    return false;
  }
  if (++silenci_ < TicsSenseInforme) return false;
  Informe(c);
  return true;
}
