// The program's entry and end, and the wait that keeps the interface responsive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TPrograma;
class TFormPrincipal;

// A command line split the platform's way: blanks and control characters separate arguments
// outside double quotes, and the quotes themselves are dropped. The program's name comes first.
std::vector<std::string> DividirArguments(const std::string& liniaOrdres);
std::string UnirArguments(const std::string& liniaOrdres);

// After the windows exist and before the loop: the stored language, the three-second notice
// (unless the joined command line is exactly "NOABOUT"), the tracking frame, the last mode.
void AvisIRestauracio(TPrograma& programa);
// Start-up: the language stored at the last close. Only the exact text "castella" switches to
// Spanish and "angles" to English; anything else leaves the interface in Catalan, as built.
void RestaurarLlenguatge(TFormPrincipal& principal);
constexpr const char* SenseAvis = "NOABOUT";
constexpr std::uint32_t DuradaAvis = 3000;
constexpr int AlcadaFilaBoto = 28;

// One copy per sign-in session: a second start brings the first forward and leaves.
constexpr const char* NomInstanciaUnica = "Local\\Pelvoro";
// The program's file: only a window of a process running it is brought forward.
constexpr const char* FitxerPrograma = "Pelvoro.exe";

// From the command line to the end of the message loop; the exit code. The program given is
// fresh, and left without windows.
int Pelvoro(TPrograma& programa);

// Waits N milliseconds while the message loop keeps running; the tick counter may wrap.
void EsperaMilisegons(std::uint32_t N);
