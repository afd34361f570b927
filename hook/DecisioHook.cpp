#include "hook/DecisioHook.h"

#include "hook/LlibreriaPelvoro.h"

namespace hook {

void DecisioHook::Installat(TipusHook tipus) {
  if (tipus == TipusHook::Botons) {
    if (!botons_) esquerraEmpassat_ = dretEmpassat_ = false;
    botons_ = true;
  } else {
    moviment_ = true;
  }
}

void DecisioHook::Tret(TipusHook tipus) {
  (tipus == TipusHook::Botons ? botons_ : moviment_) = false;
}

bool DecisioHook::EstaInstallat(TipusHook tipus) const {
  return tipus == TipusHook::Botons ? botons_ : moviment_;
}

Decisio DecisioHook::Decidir(TipusHook tipus, unsigned missatge, bool injectat) {
  if (injectat) return {};
  if (tipus == TipusHook::Botons) return DecidirBotons(missatge);
  // With both hooks in place the button hook already reports each move once.
  if (missatge == MissatgeMouseMove && !botons_) return {EventMouseMove, false};
  return {};
}

Decisio DecisioHook::DecidirBotons(unsigned missatge) {
  switch (missatge) {
    case MissatgeMouseMove:
      return {EventMouseMove, false};
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

}  // namespace hook
