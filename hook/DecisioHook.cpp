#include "hook/DecisioHook.h"

#include <limits>

#include "hook/LlibreriaPelvoro.h"

namespace hook {

void DecisioHook::Installat(TipusHook tipus) {
  (tipus == TipusHook::Botons ? botons_ : moviment_) = true;
}

void DecisioHook::Tret(TipusHook tipus) {
  (tipus == TipusHook::Botons ? botons_ : moviment_) = false;
}

bool DecisioHook::EstaInstallat(TipusHook tipus) const {
  return tipus == TipusHook::Botons ? botons_ : moviment_;
}

Decisio DecisioHook::Decidir(TipusHook tipus, unsigned missatge, bool injectat) {
  if (missatge == MissatgeMouseMove) {
    // One report per move: the button hook reports them while it is installed.
    const bool informa = tipus == TipusHook::Botons ? botons_ : !botons_;
    return informa ? Decisio{EventMouseMove, false} : Decisio{};
  }
  if (injectat) return {};
  if (tipus == TipusHook::Botons && botons_) return DecidirBotons(missatge);
  // The button hook answers for the releases itself while it is installed.
  if (botons_) return {};
  return DecidirPendent(missatge);
}

Decisio DecisioHook::DecidirPendent(unsigned missatge) {
  switch (missatge) {
    case MissatgeLButtonUp:
      if (!esquerraEmpassat_) return {};
      esquerraEmpassat_ = false;
      return {std::nullopt, true};
    case MissatgeRButtonUp:
      if (!dretEmpassat_) return {};
      dretEmpassat_ = false;
      return {std::nullopt, true};
    // A new press means the awaited release was lost: this press and its release pass as a pair.
    case MissatgeLButtonDown:
      esquerraEmpassat_ = false;
      return {};
    case MissatgeRButtonDown:
      dretEmpassat_ = false;
      return {};
    default:
      return {};
  }
}

Decisio DecisioHook::DecidirBotons(unsigned missatge) {
  switch (missatge) {
    case MissatgeLButtonDown:
      esquerraEmpassat_ = true;
      return {EventMouseDown, true};
    case MissatgeLButtonUp: {
      // A release whose press reached an application passes on unreported: the program did
      // not see the press, and a click of its own on top of the user's would be a double one.
      if (!esquerraEmpassat_) return {};
      esquerraEmpassat_ = false;
      return {EventMouseUp, true};
    }
    case MissatgeRButtonDown:
      dretEmpassat_ = true;
      return {EventSortir, true};
    case MissatgeRButtonUp: {
      const bool empassar = dretEmpassat_;
      dretEmpassat_ = false;
      return {std::nullopt, empassar};
    }
    default:
      return {};
  }
}

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
