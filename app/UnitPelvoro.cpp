#include "app/UnitPelvoro.h"

#include "hook/LlibreriaPelvoro.h"
#include "settings/Parametres.h"
#include "tipusclic/TextosTipusClic.h"

TFormPrincipal* FormPrincipal = nullptr;

namespace {

using ui::MenuItem;
using Kind = ui::MenuItem::Kind;

constexpr int kBoto = 24;
constexpr int kSeparacioBotons = 26;
constexpr int kMargeBotons = 4;

ui::FormStyle EstilPrincipal() {
  ui::FormStyle s;
  s.className = hook::ClasseFinestraPrincipal;
  s.caption = "Pelvoro";
  s.bounds = {0, 0, 264, 205};  // design size, replaced at creation
  s.frame = ui::FormStyle::Frame::Sizeable;
  s.topMost = true;
  s.font = ui::Font{"MS Sans Serif", 11, false, ui::clWindowText};
  return s;
}

ui::Rect RectBoto(int i) {
  const int left = kMargeBotons + i * kSeparacioBotons;
  return {left, kMargeBotons, left + kBoto, kMargeBotons + kBoto};
}

}  // namespace

TFormPrincipal::TFormPrincipal()
    : ui::Form(EstilPrincipal()),
      Panel1(*this, {0, 0, 264, AlcadaPanel}),
      SpeedButton0(*this, RectBoto(0), "0", &Panel1),
      SpeedButton1(*this, RectBoto(1), "1", &Panel1),
      SpeedButton2(*this, RectBoto(2), "2", &Panel1),
      SpeedButton3(*this, RectBoto(3), "3", &Panel1),
      LabelCompteEnrera(*this, {0, AlcadaPanel, 264, 205}, "10", ui::Label::Align::Centre),
      MainMenu("MainMenu", Kind::Submenu),
      MenuOpcions("MenuOpcions", Kind::Submenu, "&Pelvoro"),
      MenuMostrarQuadreDeSeguimentDelMouse("MenuMostrarQuadreDeSeguimentDelMouse", Kind::Command,
                                           "0-Mostrar quadre de seguiment del mouse"),
      MenuClicAutomaticAlEstarParat("MenuClicAutomaticAlEstarParat", Kind::Command,
                                    "1-Clic automàtic a l'estar parat el mouse en una posició"),
      MenuClicTabletPCALEstarElMouseDownEnUnaCasella(
          "MenuClicTabletPCALEstarElMouseDownEnUnaCasella", Kind::Command,
          "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona"),
      MenuTabletPCClicAlPremerLaPantalla("MenuTabletPCClicAlPremerLaPantalla", Kind::Command,
                                         "3-Tablet PC. Clic al prèmer la pantalla"),
      MenuTabletPCClicEsquerraClicDret(
          "MenuTabletPCClicEsquerraClicDret", Kind::Command,
          "4-Tablet PC. Clic esquerra pantalla esquerra. Clic dret pantalla dreta"),
      N4("N4", Kind::Separator),
      MenuEnviarClicksReals("MenuEnviarClicksReals", Kind::Command, "Enviar Clics reals"),
      MenuParametres("MenuParametres", Kind::Command, "Paràmetres..."),
      N1("N1", Kind::Separator),
      MenuLlenguatge("MenuLlenguatge", Kind::Submenu, "Llenguatge"),
      MenuCatala("MenuCatala", Kind::Command, "Català"),
      MenuCastella("MenuCastella", Kind::Command, "Español"),
      N3("N3", Kind::Separator),
      MenuParlantDe("MenuParlantDe", Kind::Command, "P&arlant de..."),
      N2("N2", Kind::Separator),
      MenuSortir("MenuSortir", Kind::Command, "&Sortir"),
      MenuPanellTipusClic("MenuPanellTipusClic", Kind::Command, TextosTipusClicCatala.menu),
      TimerEngegar(*this, 1000),
      TimerComptaEnreraClicAutomatic(*this, 100),
      TimerClicALEstarElMouseDownEnUnaCasella(*this, 100),
      TimerOnEsElMouse(*this, 100),
      TimerActivarElHookMouse(*this, 200),
      TimerActivarElHookMouseMove(*this, 200) {
  Panel1.SetDock(ui::Control::Dock::Top);
  LabelCompteEnrera.SetDock(ui::Control::Dock::Fill);
  LabelCompteEnrera.SetBackground(ui::clWhite);
  LabelCompteEnrera.SetFont(ui::Font{"Arial", 48, true, ui::clBlue});

  SpeedButton0.OnClick = [this] { MenuMostrarQuadreDeSeguimentDelMouseClick(); };
  SpeedButton1.OnClick = [this] { MenuClicAutomaticAlEstarParatClick(); };
  SpeedButton2.OnClick = [this] { MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick(); };
  SpeedButton3.OnClick = [this] { MenuTabletPCClicAlPremerLaPantallaClick(); };
  LabelCompteEnrera.OnClick = [this] { LabelCompteEnreraClick(); };

  MainMenu.Add(MenuOpcions);
  for (MenuItem* item :
       {&MenuMostrarQuadreDeSeguimentDelMouse, &MenuClicAutomaticAlEstarParat,
        &MenuClicTabletPCALEstarElMouseDownEnUnaCasella, &MenuTabletPCClicAlPremerLaPantalla,
        &MenuTabletPCClicEsquerraClicDret, &N4, &MenuEnviarClicksReals, &MenuParametres, &N1,
        &MenuLlenguatge, &N3, &MenuParlantDe, &N2, &MenuSortir})
    MenuOpcions.Add(*item);
  MenuLlenguatge.Add(MenuCatala);
  MenuLlenguatge.Add(MenuCastella);
  MenuCatala.SetChecked(true);

  MenuOpcions.OnPopup = [this] { MenuOpcionsClick(); };
  MenuMostrarQuadreDeSeguimentDelMouse.OnClick = [this] {
    MenuMostrarQuadreDeSeguimentDelMouseClick();
  };
  MenuClicAutomaticAlEstarParat.OnClick = [this] { MenuClicAutomaticAlEstarParatClick(); };
  MenuClicTabletPCALEstarElMouseDownEnUnaCasella.OnClick = [this] {
    MenuClicTabletPCALEstarElMouseDownEnUnaCasellaClick();
  };
  MenuTabletPCClicAlPremerLaPantalla.OnClick = [this] {
    MenuTabletPCClicAlPremerLaPantallaClick();
  };
  MenuTabletPCClicEsquerraClicDret.OnClick = [this] { MenuTabletPCClicEsquerraClicDretClick(); };
  MenuPanellTipusClic.OnClick = [this] { MenuPanellTipusClicClick(); };
  MenuEnviarClicksReals.OnClick = [this] { MenuEnviarClicksRealsClick(); };
  MenuParametres.OnClick = [this] { MenuParametresClick(); };
  MenuCatala.OnClick = [this] { MenuCatalaClick(); };
  MenuCastella.OnClick = [this] { MenuCastellaClick(); };
  MenuParlantDe.OnClick = [this] { MenuParlantDeClick(); };
  MenuSortir.OnClick = [this] { MenuSortirClick(); };
  SetMenu(MainMenu);
  // Switches of options beyond the program as built live in the window's own menu, so the
  // main menu stays as it always was.
  AddSystemMenuItem(MenuPanellTipusClic);

  TimerEngegar.OnTimer = [this] { TimerEngegarTimer(); };
  TimerComptaEnreraClicAutomatic.OnTimer = [this] { TimerComptaEnreraClicAutomaticTimer(); };
  TimerClicALEstarElMouseDownEnUnaCasella.OnTimer = [this] {
    TimerClicALEstarElMouseDownEnUnaCasellaTimer();
  };
  TimerOnEsElMouse.OnTimer = [this] { TimerOnEsElMouseTimer(); };
  TimerActivarElHookMouse.OnTimer = [this] { TimerActivarElHookMouseTimer(); };
  TimerActivarElHookMouseMove.OnTimer = [this] { TimerActivarElHookMouseMoveTimer(); };
}

void TFormPrincipal::FormCreate() {
  SetDesignSize(AmpladaFinestra, AlcadaFinestra);
  AmpladaPantalla = ui::ScreenWidth();
  SetPosition(AmpladaPantalla - Width(), 0);
  // The hook library learns from the file where to post its reports; this comes before
  // any hook is installed. A file that names this window already is left as it is.
  const std::string handle = hook::EscriureHandle(Handle());
  if (ui::ProfileRead(hook::FitxerHandle, hook::SeccioHandle, hook::ClauHandle, "",
                      hook::MidaHandle) != handle)
    ui::ProfileWrite(hook::FitxerHandle, hook::SeccioHandle, hook::ClauHandle, handle);
  MenuEnviarClicksRealsClick();
  MenuEnviarClicksReals.SetVisible(false);
  MenuTabletPCClicEsquerraClicDret.SetVisible(false);
  N1.SetVisible(false);
  LlegirParametres();
}

void TFormPrincipal::FormClose() { DesarUnCop(); }

void TFormPrincipal::QueryEndSession() { DesarUnCop(); }

void TFormPrincipal::EndSession(bool ending) {
  if (ending)
    DesarUnCop();
  else
    parametresDesats_ = false;  // the session goes on: later changes are written at the close
}

void TFormPrincipal::DesarUnCop() {
  if (parametresDesats_) return;
  {
    EscripturaConjunta conjunta;
    DesarParametres();
    TancarTipusClic();
  }
  parametresDesats_ = true;
}

void TFormPrincipal::MenuSortirClick() { Close(); }

void TFormPrincipal::MenuEnviarClicksRealsClick() {
  MenuEnviarClicksReals.SetChecked(!MenuEnviarClicksReals.Checked());
}

void TFormPrincipal::UserMessage(std::uintptr_t, std::intptr_t lParam) {
  MissatgeHookMouse(lParam);
}
