// The main window's part in the settings file: it reads the keys at its creation and shows
// what they say (the seconds in the label, the frame's check mark, a minimised start, a bad
// colour's box), and writes them with the language when it closes.
#include "app/UnitPelvoro.h"
#include "settings/Parametres.h"
#include "ui/ui.h"

namespace {
std::string TextColorDolent(const std::string& color) {
  return "'" + color + "' is not a valid integer value.";
}
}  // namespace

void TFormPrincipal::LlegirParametres() {
  TParametres& p = parametres_;
  const LecturaParametres lectura =
      LlegirClausParametres(p, [](const char* clau, const std::string& perDefecte) {
        return LlegirClau(SeccioParametres, clau, perDefecte);
      });
  if (lectura.Presa(&TParametres::SegonsIniciActivitat))
    LabelCompteEnrera.SetText(std::to_string(p.SegonsIniciActivitat));
  if (p.BoolMostrarQuadreDeSeguiment) MenuMostrarQuadreDeSeguimentDelMouse.SetChecked(true);
  // Reported as it is met, before the keys after it act; start-up goes on. With the dwell-only
  // profile it waits until mode 1 runs, so that a rest can close it.
  if (lectura.colorDolent) {
    if (PerfilDesat())
      colorDolentPendent_ = lectura.colorDolent;
    else
      ui::ShowMessageBox(this, TextColorDolent(*lectura.colorDolent), "Pelvoro",
                         ui::BoxOk | ui::BoxIconError);
  }
  if (p.BoolCheckBoxExecutarMinimitzat) SetState(ui::WindowState::Minimised);
}

void TFormPrincipal::MostrarColorDolentPendent() {
  if (!colorDolentPendent_) return;
  const std::string color = *colorDolentPendent_;
  colorDolentPendent_.reset();
  MostrarMissatge(this, TextColorDolent(color), "Pelvoro", ui::BoxOk | ui::BoxIconError);
}

void TFormPrincipal::DesarParametres() {
  if (MenuAngles.Checked())
    EscriureClau(SeccioLlenguatge, ClauLlenguatge, LlenguatgeAngles);
  else if (MenuCatala.Checked())
    EscriureClau(SeccioLlenguatge, ClauLlenguatge, "catala");
  else if (MenuCastella.Checked())
    EscriureClau(SeccioLlenguatge, ClauLlenguatge, "castella");
  DesarClausParametres(parametres_, EscriureClau);
}
