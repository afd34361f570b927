// Start-up: what the user had last time, and the greeting.
#include "about/Unitabout.h"
#include "app/Pelvoro.h"
#include "app/UnitPelvoro.h"
#include "engine/EstatMotor.h"
#include "hook/LlibreriaPelvoro.h"
#include "language/Llenguatge.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"

namespace {

void MostrarAvis(TAboutBox& box) {
  box.OKButton.SetVisible(false);
  const int alcada = box.Height();
  box.SetSize(box.Width(), alcada - box.Scale(AlcadaFilaBoto));
  box.Show();
  // Showing starts the picture cycle; the notice keeps one picture.
  box.Timer1.SetEnabled(false);
  EsperaMilisegons(DuradaAvis);
  box.Hide();
  box.SetSize(box.Width(), alcada);
  box.OKButton.SetVisible(true);
}

}  // namespace

void AvisIRestauracio() {
  TFormPrincipal& principal = *FormPrincipal;
  RestaurarLlenguatge(principal);

  if (LiniaOrdres != SenseAvis) MostrarAvis(*AboutBox);

  if (Parametres.BoolMostrarQuadreDeSeguiment) {
    EstatMotor.AngleTemporitzador = 0;
    SetHookMouseMove();
    FormTransparent->Show();
    principal.SpeedButton0.SetFontColour(ui::clRed);
  }

  if (Parametres.BoolCheckBoxArrancarAmbOpcioMenu) {
    const std::string opcio = LlegirClau(SeccioMenu, ClauOpcio, "0");
    if (opcio == "1")
      principal.MenuClicAutomaticAlEstarParatClick();
    else if (opcio == "2")
      principal.MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick();
    else if (opcio == "3")
      principal.MenuTabletPCClicAlPremerLaPantallaClick();
    else if (opcio == "4")
      principal.MenuTabletPCClicEsquerraClicDretClick();
  }
}
