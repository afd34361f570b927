#include "tipusclic/TextosTipusClic.h"

// U+2212, the minus sign: wider than a hyphen, as wide as the plus.
constexpr const char* Menys = "\xE2\x88\x92";

const TTextosTipusClic TextosTipusClicCatala{
    "Ús sense clics: panell de tipus de clic",
    "Tipus de clic",
    {"Esquerre", "Doble", "Dret", "Arrossegar", "Pausa"},
    "Desplaçar",
    Menys,
    "+",
    ',',
};

const TTextosTipusClic TextosTipusClicCastella{
    "Uso sin clics: panel de tipo de clic",
    "Tipo de clic",
    {"Izquierdo", "Doble", "Derecho", "Arrastrar", "Pausa"},
    "Desplazar",
    Menys,
    "+",
    ',',
};

const TTextosTipusClic TextosTipusClicAngles{
    "Use without clicks: click-type panel",
    "Click type",
    {"Left", "Double", "Right", "Drag", "Pause"},
    "Scroll",
    Menys,
    "+",
    '.',
};

const char* TextBoto(const TTextosTipusClic& textos, TipusClic tipus) {
  const auto i = static_cast<std::size_t>(tipus);
  if (i < TTextosTipusClic::NombreBotons) return textos.botons[i];
  return textos.desplacar;
}
