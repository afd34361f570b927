#include "engine/DretsEntrada.h"

bool EsPotClicar(std::uint32_t propi, std::optional<std::uint32_t> desti, bool uiAccess) {
  return uiAccess || !desti || *desti <= propi;
}
