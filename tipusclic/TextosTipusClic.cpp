#include "tipusclic/TextosTipusClic.h"

#include "app/UnitPelvoro.h"
#include "tipusclic/UnitFormTipusClic.h"

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

void PosarTextosTipusClic(TFormPrincipal& principal, const TTextosTipusClic& textos) {
  principal.MenuPanellTipusClic.SetCaption(textos.menu);
  if (FormTipusClic) FormTipusClic->PosarTextos(textos);
}
