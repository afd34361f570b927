// What the about box says. It speaks Catalan in both interface languages.
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
