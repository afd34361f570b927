// Start-up: what the user had last time, and the greeting.
#include "about/Unitabout.h"
#include "app/Pelvoro.h"
#include "app/Programa.h"
#include "app/UnitPelvoro.h"
#include "overlay/UnitFormTransparent.h"
#include "settings/Parametres.h"

namespace {

constexpr const char* LlenguatgeCastella = "castella";

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

void RestaurarLlenguatge(TFormPrincipal& principal) {
  const std::string llenguatge = LlegirClau(SeccioLlenguatge, ClauLlenguatge, "catala");
  if (llenguatge == LlenguatgeCastella)
    principal.MenuCastellaClick();
  else if (llenguatge == LlenguatgeAngles)
    principal.MenuAnglesClick();
}

void AvisIRestauracio(TPrograma& programa) {
  TFormPrincipal& principal = programa.Principal();
  RestaurarLlenguatge(principal);

  if (programa.LiniaOrdres != SenseAvis) MostrarAvis(programa.AboutBox());

  if (programa.Parametres.BoolMostrarQuadreDeSeguiment) {
    programa.EstatMotor.AngleTemporitzador = 0;
    principal.Motor.InstallarHookQuadre();
    programa.FormTransparent().Show();
    principal.SpeedButton0.SetFontColour(ui::clRed);
  }

  // The dwell-only profile clicks from every start, whatever mode was stored.
  const bool perfil = principal.Motor.EngegarPerfil();
  principal.MostrarColorDolentPendent();
  if (perfil) return;

  if (programa.Parametres.BoolCheckBoxArrancarAmbOpcioMenu) {
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
