// Whether Windows lets the program's injected input reach a window: it drops, without a word,
// input sent to a process of higher integrity level, unless the sender has uiAccess.
#pragma once

#include <cstdint>
#include <optional>

// An unknown level (no levels on the system, the process could not be asked) is let through,
// as the program always did.
bool EsPotClicar(std::uint32_t propi, std::optional<std::uint32_t> desti, bool uiAccess);
