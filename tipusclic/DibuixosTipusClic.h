// The faces of the click-type panel's buttons, drawn in code at the size of the button.
#pragma once

#include <string>

#include "tipusclic/TipusClic.h"
#include "ui/ui.h"

// Normal: raised; Premut: the type in force, sunken and lit; Arrossegant: the drag button
// while its press is held, in a colour of its own.
enum class AspecteBoto { Normal, Premut, Arrossegant };

void DibuixarBotoTipusClic(ui::Canvas& c, int w, int h, TipusClic tipus, AspecteBoto aspecte,
                           const std::string& text);
// The "-" and "+" of the dwell time: a raised face with its sign.
void DibuixarBotoTemps(ui::Canvas& c, int w, int h, const std::string& text);
// The dwell time between them, in the rectangle given in the canvas's pixels.
void DibuixarValorTemps(ui::Canvas& c, ui::Rect lloc, const std::string& text);
// The grip strip along the panel's top, by which it is moved.
void DibuixarFonsPanell(ui::Canvas& c, int w, int h);
