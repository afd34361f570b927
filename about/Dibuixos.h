// The pictures of the about box, drawn in code at the size of their control.
#pragma once

#include "ui/ui.h"

void DibuixarOrella(ui::Canvas& c, int w, int h);        // the small program icon
void DibuixarBisell(ui::Canvas& c, int w, int h);        // a raised frame
void DibuixarProjecte(ui::Canvas& c, int w, int h);      // the project logo
void DibuixarMarca(ui::Canvas& c, int w, int h);         // the maker's label
void DibuixarInteligencia(ui::Canvas& c, int w, int h);  // a bright idea
void DibuixarDedicatoria(ui::Canvas& c, int w, int h);   // the dedication
void DibuixarSorpresa(ui::Canvas& c, int w, int h);      // the friendly pointer, large
