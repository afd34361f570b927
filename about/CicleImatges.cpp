#include "about/CicleImatges.h"

Imatge Seguent(Imatge imatge) {
  return static_cast<Imatge>((static_cast<std::size_t>(imatge) + 1) % NombreImatges);
}

std::optional<Imatge> ImatgeQueCanvia(const VisiblesCicle& visibles) {
  for (const Imatge i :
       {Imatge::Marca, Imatge::Inteligencia, Imatge::Dedicatoria, Imatge::Projecte})
    if (visibles[static_cast<std::size_t>(i)]) return i;
  return std::nullopt;
}
