#include "tipusclic/TextosTipusClic.h"

const TTextosTipusClic TextosTipusClicCatala{
    "Ús sense clics: panell de tipus de clic",
    "Tipus de clic",
    {"Esquerre", "Doble", "Dret", "Arrossegar", "Pausa"},
};

const TTextosTipusClic TextosTipusClicCastella{
    "Uso sin clics: panel de tipo de clic",
    "Tipo de clic",
    {"Izquierdo", "Doble", "Derecho", "Arrastrar", "Pausa"},
};

const TTextosTipusClic TextosTipusClicAngles{
    "Use without clicks: click-type panel",
    "Click type",
    {"Left", "Double", "Right", "Drag", "Pause"},
};
