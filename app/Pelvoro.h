// The program's entry and end, and the wait that keeps the interface responsive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// All arguments after the program's name, joined without separators.
extern std::string LiniaOrdres;

// A command line split the platform's way: blanks and control characters separate arguments
// outside double quotes, and the quotes themselves are dropped. The program's name comes first.
std::vector<std::string> DividirArguments(const std::string& liniaOrdres);
std::string UnirArguments(const std::string& liniaOrdres);

// The four windows, created hidden in this order; the main one first, as it reads the settings
// that the overlay, created last, takes its size from.
void CrearFinestres();
void DestruirFinestres();

// After the windows exist and before the loop: the stored language, the three-second notice
// (unless the joined command line is exactly "NOABOUT"), the tracking frame, the last mode.
void AvisIRestauracio();
constexpr const char* SenseAvis = "NOABOUT";
constexpr std::uint32_t DuradaAvis = 3000;
constexpr int AlcadaFilaBoto = 28;

// One copy per sign-in session: a second start brings the first forward and leaves.
constexpr const char* NomInstanciaUnica = "Local\\Pelvoro";
// The program's file: only a window of a process running it is brought forward.
constexpr const char* FitxerPrograma = "Pelvoro.exe";

// From the command line to the end of the message loop; the exit code.
int Pelvoro();

// Waits N milliseconds while the message loop keeps running; the tick counter may wrap.
void EsperaMilisegons(std::uint32_t N);
