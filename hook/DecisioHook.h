// What the hook procedures do with one mouse event, kept free of Win32 calls so it can be
// tested on its own: which report (if any) goes to the main window, and whether the event
// stops here or passes on to the applications.
#pragma once

#include <cstdint>
#include <optional>

namespace hook {

// The low-level mouse messages the decision looks at (same values as the Windows ones).
constexpr unsigned MissatgeMouseMove = 0x0200;
constexpr unsigned MissatgeLButtonDown = 0x0201;
constexpr unsigned MissatgeLButtonUp = 0x0202;
constexpr unsigned MissatgeRButtonDown = 0x0204;
constexpr unsigned MissatgeRButtonUp = 0x0205;

enum class TipusHook { Botons, Moviment };

struct Decisio {
  std::optional<long> informe;  // code for LParam of the report, or no report
  bool empassar = false;        // true: the event does not reach the applications
  friend bool operator==(const Decisio&, const Decisio&) = default;
};

// State of the two hooks as the library's hook thread sees it. Only that thread touches it.
class DecisioHook {
 public:
  void Installat(TipusHook tipus);
  void Tret(TipusHook tipus);
  bool EstaInstallat(TipusHook tipus) const;
  // A press was swallowed and its release has not come yet.
  bool Pendent() const { return esquerraEmpassat_ || dretEmpassat_; }

  // One event seen by the hook of the given kind. Injected moves are reported like the
  // user's (other software steers the pointer for many users); injected buttons are neither
  // reported nor swallowed, so another tool's clicks and the program's own reach their target.
  // The button hook may be seen here while removed: it stays in place, silent, only until
  // the release of a press it swallowed has come.
  Decisio Decidir(TipusHook tipus, unsigned missatge, bool injectat);

 private:
  Decisio DecidirBotons(unsigned missatge);
  // With the button hook removed: the awaited release stops here, unreported.
  Decisio DecidirPendent(unsigned missatge);

  bool botons_ = false;
  bool moviment_ = false;
  // A release is swallowed only when its press was: a press that reached an application
  // before the hook came must be followed there by its release, or the button sticks. And
  // a release whose press was swallowed never passes alone, even after the hook was removed
  // and installed again meanwhile, or the window beneath gets a bare release.
  bool esquerraEmpassat_ = false;
  bool dretEmpassat_ = false;
};

}  // namespace hook
