#include "tipusclic/TextosTipusClic.h"

const TTextosTipusClic TextosTipusClicCatala{
    "Panell de tipus de clic",
    "Tipus de clic",
    {"Esquerre", "Doble", "Dret", "Arrossegar", "Pausa"},
};

const TTextosTipusClic TextosTipusClicCastella{
    "Panel de tipo de clic",
    "Tipo de clic",
    {"Izquierdo", "Doble", "Derecho", "Arrastrar", "Pausa"},
};
