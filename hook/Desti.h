// Which window the hook library reports to. One rule for the library and for its headless
// stand-in; the platform only answers questions about windows.
#pragma once

#include <cstdint>
#include <string_view>

namespace hook {

// What the choice needs to know of one window.
struct FetsFinestra {
  bool existeix = false;   // the handle names a window
  bool delProces = false;  // it belongs to the process that installs the hooks
  char classe[64] = {};    // its class name, cut to fit
};

// What the platform answers; dades is handed back to both functions.
struct Finestres {
  void* dades = nullptr;
  // Fills fets for the window finestra.
  void (*Fets)(void* dades, std::intptr_t finestra, FetsFinestra& fets) = nullptr;
  // Calls visitar(context, finestra) for each top-level window in the platform's order,
  // until it returns false.
  void (*Recorrer)(void* dades, bool (*visitar)(void* context, std::intptr_t finestra),
                   void* context) = nullptr;
};

// A window the reports may go to: the main window's class, in the installing process. Any
// other window of the process (the overlay, a dialog) would swallow presses with no way out.
bool PotSerDesti(const FetsFinestra& fets);

// The destination: the window whose handle the settings file holds (textHandle), when it may
// be one; else the first window in the platform's order that may; 0 when none may.
std::intptr_t TriarDesti(std::string_view textHandle, const Finestres& finestres);

}  // namespace hook
