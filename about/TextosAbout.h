// What the about box says. It speaks Catalan in Catalan and Spanish alike, and English when the
// interface does.
#pragma once

namespace textos_about {

inline constexpr const char* Titol = "Parlant de...";
inline constexpr const char* NomProducte = "Pelvoro";
inline constexpr const char* Versio = "Versió 38 - 17/01/2017";
inline constexpr const char* Autor = "Equip Pelvoro";
inline constexpr const char* Boto = "D'acord";

// The user guide that stands for the maker's web page, beside the program.
inline constexpr const char* FitxerGuia = "guia-ca.html";
inline constexpr const char* PrefixPista = "Guia d'ús: ";

inline constexpr const char* Agraiment =
    "Amb el suport de l'administració pública per a la promoció de l'accessibilitat i l'autonomia "
    "personal";
inline constexpr const char* Credits =
    "Una creació d'Equip Pelvoro, en col·laboració amb una escola d'educació especial";

inline constexpr const char* PistaSorpresa =
    "Hola! Sóc en Clic, la fletxa que fa els clics per tu.";

inline constexpr const char* Recull =
    "Dites per al camí\n"
    "\n"
    "«De mica en mica s'omple la pica.»\n"
    "«A poc a poc i bona lletra.»\n"
    "«Qui sembra, cull.»\n"
    "«La unió fa la força.»\n"
    "«Val més encendre un llum que maleir la foscor.»\n"
    "«Qui té un amic té un tresor.»\n"
    "\n"
    "El projecte\n"
    "\n"
    "Pelvoro és una de les eines d'un projecte més ampli d'aplicacions senzilles i lliures perquè "
    "tothom pugui fer servir l'ordinador: fer clic sense prémer el botó, veure on és el punter i "
    "treballar amb pantalles tàctils. Les eines es pensen i es proven amb persones amb dificultats "
    "motrius, amb les seves famílies i amb els seus educadors.";

}  // namespace textos_about

// One language's about box.
struct TTextosAbout {
  const char* titol;
  const char* versio;
  const char* boto;
  const char* fitxerGuia;
  const char* prefixPista;
  const char* agraiment;
  const char* credits;
  const char* pistaSorpresa;
  const char* recull;
};

inline constexpr TTextosAbout TextosAboutCatala{
    textos_about::Titol,      textos_about::Versio,        textos_about::Boto,
    textos_about::FitxerGuia, textos_about::PrefixPista,   textos_about::Agraiment,
    textos_about::Credits,    textos_about::PistaSorpresa, textos_about::Recull};

inline constexpr TTextosAbout TextosAboutAngles{
    "About...",
    "Version 38 - 17/01/2017",
    "OK",
    "guia-en.html",
    "User guide: ",
    "With the support of the public administration for the promotion of accessibility and "
    "personal autonomy",
    "Made by Equip Pelvoro, together with a special education school",
    "Hello! I'm Clic, the arrow that clicks for you.",
    "Sayings for the road\n"
    "\n"
    "\"Little by little, the basin fills.\"\n"
    "\"Slow and steady wins the race.\"\n"
    "\"As you sow, so shall you reap.\"\n"
    "\"Unity is strength.\"\n"
    "\"Better to light a candle than to curse the darkness.\"\n"
    "\"A friend is a treasure.\"\n"
    "\n"
    "The project\n"
    "\n"
    "Pelvoro is one of the tools of a wider project of simple, free programs so that everyone "
    "can use the computer: clicking without pressing the button, seeing where the pointer is and "
    "working with touch screens. The tools are designed and tried with people with motor "
    "difficulties, with their families and with their teachers."};
