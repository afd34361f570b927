// When a move is reported. A low-level hook runs before the system puts the cursor at the new
// point, and the program reads the cursor when it handles the report: a report posted at once
// can be handled while the cursor is still at the old point, and a frame following the pointer
// would stay one move behind when the pointer stops. So a move is held until the cursor is
// there, or until the next mouse event (which the system sees only after the move is done).
#pragma once

namespace hook {

struct Punt {
  long x = 0, y = 0;
  friend bool operator==(const Punt&, const Punt&) = default;
};

class DecisioMoviment {
 public:
  // Checks of the cursor before a held move is reported anyway.
  static constexpr int MaximComprovacions = 5;

  // A move the hook has just seen, now held. True when the move held before it must be
  // reported first.
  bool Nou(Punt on);
  // Any other event, or a hook removed: true when a held move must be reported first.
  bool Buidar();
  // After the hook has returned: true when the held move is to be reported now, because the
  // cursor is there or it has been checked often enough.
  bool Comprovar(Punt cursor);
  bool Retingut() const { return retingut_; }

 private:
  bool retingut_ = false;
  Punt on_;
  int comprovacions_ = 0;
};

}  // namespace hook
