#include "hook/Comunicacio.h"

#include <limits>

namespace hook {

std::optional<std::int64_t> LlegirHandle(std::string_view text) {
  bool negatiu = false;
  if (!text.empty() && text.front() == '-') {
    negatiu = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulated as a negative number so that the most negative value fits too.
  std::int64_t valor = 0;
  constexpr std::int64_t minim = std::numeric_limits<std::int64_t>::min();
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    if (valor < (minim + digit) / 10) return std::nullopt;
    valor = valor * 10 - digit;
  }
  if (!negatiu) {
    if (valor == minim) return std::nullopt;
    valor = -valor;
  }
  return valor;
}

}  // namespace hook
