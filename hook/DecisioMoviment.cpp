#include "hook/DecisioMoviment.h"

namespace hook {

bool DecisioMoviment::Nou(Punt on) {
  const bool anterior = retingut_;
  retingut_ = true;
  on_ = on;
  comprovacions_ = 0;
  return anterior;
}

bool DecisioMoviment::Buidar() {
  const bool anterior = retingut_;
  retingut_ = false;
  return anterior;
}

bool DecisioMoviment::Comprovar(Punt cursor) {
  if (!retingut_) return false;
  if (cursor == on_ || ++comprovacions_ >= MaximComprovacions) {
    retingut_ = false;
    return true;
  }
  return false;
}

}  // namespace hook
