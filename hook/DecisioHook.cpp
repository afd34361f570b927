#include "hook/DecisioHook.h"

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
    case MissatgeLButtonDown: esquerraEmpassat_ = false; return {};
    case MissatgeRButtonDown: dretEmpassat_ = false; return {};
    default: return {};
  }
}

Decisio DecisioHook::DecidirBotons(unsigned missatge) {
  switch (missatge) {
    case MissatgeLButtonDown: esquerraEmpassat_ = true; return {EventMouseDown, true};
    case MissatgeLButtonUp: {
      // A release whose press reached an application passes on unreported: the program did
      // not see the press, and a click of its own on top of the user's would be a double one.
      if (!esquerraEmpassat_) return {};
      esquerraEmpassat_ = false;
      return {EventMouseUp, true};
    }
    case MissatgeRButtonDown: dretEmpassat_ = true; return {EventSortir, true};
    case MissatgeRButtonUp: {
      const bool empassar = dretEmpassat_;
      dretEmpassat_ = false;
      return {std::nullopt, empassar};
    }
    default: return {};
  }
}

}  // namespace hook
