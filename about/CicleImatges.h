// The four pictures of the lower panel take turns in a fixed cycle.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

enum class Imatge { Projecte, Marca, Inteligencia, Dedicatoria };

constexpr std::size_t NombreImatges = 4;
using VisiblesCicle = std::array<bool, NombreImatges>;  // indexed by Imatge

// Projecte, Marca, Inteligencia, Dedicatoria, and Projecte again.
Imatge Seguent(Imatge imatge);

// The picture a tick of the timer moves on from: the first visible one in the order Marca,
// Inteligencia, Dedicatoria, Projecte. None when no picture of the cycle is visible.
std::optional<Imatge> ImatgeQueCanvia(const VisiblesCicle& visibles);
