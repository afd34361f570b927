#include "app/UnitPelvoro.h"

#include <utility>

#include "about/Unitabout.h"
#include "app/Programa.h"
#include "hook/LlibreriaPelvoro.h"
#include "settings/Parametres.h"
#include "settings/UnitFormParametres.h"
#include "tipusclic/UnitFormTipusClic.h"

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

// The same in every language: the program's name and each language's own name.
constexpr const char* TitolMenuOpcions = "&Pelvoro";
constexpr const char* TitolMenuCatala = "Català";
constexpr const char* TitolMenuCastella = "Español";

}  // namespace

TFormPrincipal::TFormPrincipal(TPrograma& programa)
    : ui::Form(EstilPrincipal()),
      Panel1(*this, {0, 0, 264, AlcadaPanel}),
      SpeedButton0(*this, RectBoto(0), "0", &Panel1),
      SpeedButton1(*this, RectBoto(1), "1", &Panel1),
      SpeedButton2(*this, RectBoto(2), "2", &Panel1),
      SpeedButton3(*this, RectBoto(3), "3", &Panel1),
      LabelCompteEnrera(*this, {0, AlcadaPanel, 264, 205}, "10", ui::Label::Align::Centre),
      MainMenu("MainMenu", Kind::Submenu),
      MenuOpcions("MenuOpcions", Kind::Submenu, TitolMenuOpcions),
      MenuMostrarQuadreDeSeguimentDelMouse("MenuMostrarQuadreDeSeguimentDelMouse", Kind::Command,
                                           TextosCatala.menu.MenuMostrarQuadreDeSeguimentDelMouse),
      MenuClicAutomaticAlEstarParat("MenuClicAutomaticAlEstarParat", Kind::Command,
                                    TextosCatala.menu.MenuClicAutomaticAlEstarParat),
      MenuClicTabletPCALEstarElMouseDownEnUnaCasella(
          "MenuClicTabletPCALEstarElMouseDownEnUnaCasella", Kind::Command,
          TextosCatala.menu.MenuClicTabletPCALEstarElMouseDownEnUnaCasella),
      MenuTabletPCClicAlPremerLaPantalla("MenuTabletPCClicAlPremerLaPantalla", Kind::Command,
                                         TextosCatala.menu.MenuTabletPCClicAlPremerLaPantalla),
      MenuTabletPCClicEsquerraClicDret("MenuTabletPCClicEsquerraClicDret", Kind::Command,
                                       TextosCatala.menu.MenuTabletPCClicEsquerraClicDret),
      N4("N4", Kind::Separator),
      MenuEnviarClicksReals("MenuEnviarClicksReals", Kind::Command,
                            TextosCatala.menu.MenuEnviarClicksReals),
      MenuParametres("MenuParametres", Kind::Command, TextosCatala.menu.MenuParametres),
      N1("N1", Kind::Separator),
      MenuLlenguatge("MenuLlenguatge", Kind::Submenu, TextosCatala.menu.MenuLlenguatge),
      MenuCatala("MenuCatala", Kind::Command, TitolMenuCatala),
      MenuCastella("MenuCastella", Kind::Command, TitolMenuCastella),
      N3("N3", Kind::Separator),
      MenuParlantDe("MenuParlantDe", Kind::Command, TextosCatala.menu.MenuParlantDe),
      N2("N2", Kind::Separator),
      MenuSortir("MenuSortir", Kind::Command, TextosCatala.menu.MenuSortir),
      MenuPanellTipusClic("MenuPanellTipusClic", Kind::Command, TextosTipusClicCatala.menu),
      MenuAngles("MenuAngles", Kind::Command, TitolMenuAngles),
      TimerEngegar(*this, 1000),
      TimerComptaEnreraClicAutomatic(*this, 100),
      TimerClicALEstarElMouseDownEnUnaCasella(*this, 100),
      TimerOnEsElMouse(*this, 100),
      TimerActivarElHookMouse(*this, 200),
      TimerActivarElHookMouseMove(*this, 200),
      TimerTornarAClicar(*this, TornadaMs),
      TimerVigilarHooks(*this, TVigilanciaHooks::Interval),
      programa_(programa),
      parametres_(programa.Parametres),
      finestres_(*this, programa),
      Motor(finestres_, programa.Parametres, programa.EstatMotor) {
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
  MenuAngles.OnClick = [this] { MenuAnglesClick(); };
  MenuParlantDe.OnClick = [this] { MenuParlantDeClick(); };
  MenuSortir.OnClick = [this] { MenuSortirClick(); };
  SetMenu(MainMenu);
  // Switches of options beyond the program as built live in the window's own menu, so the
  // main menu stays as it always was.
  AddSystemMenuItem(MenuPanellTipusClic);
  AddSystemMenuItem(MenuAngles);

  TimerEngegar.OnTimer = [this] { TimerEngegarTimer(); };
  TimerComptaEnreraClicAutomatic.OnTimer = [this] { TimerComptaEnreraClicAutomaticTimer(); };
  TimerClicALEstarElMouseDownEnUnaCasella.OnTimer = [this] {
    TimerClicALEstarElMouseDownEnUnaCasellaTimer();
  };
  TimerOnEsElMouse.OnTimer = [this] { TimerOnEsElMouseTimer(); };
  TimerActivarElHookMouse.OnTimer = [this] { TimerActivarElHookMouseTimer(); };
  TimerActivarElHookMouseMove.OnTimer = [this] { TimerActivarElHookMouseMoveTimer(); };
  TimerTornarAClicar.OnTimer = [this] { TimerTornarAClicarTimer(); };
  TimerVigilarHooks.OnTimer = [this] { TimerVigilarHooksTimer(); };
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

void TFormPrincipal::FormClose() {
  DesarUnCop();
  Acoblament.Alliberar();
}

void TFormPrincipal::QueryEndSession() { DesarUnCop(); }

void TFormPrincipal::EndSession(bool ending) {
  if (ending) {
    DesarUnCop();
    Acoblament.Alliberar();
  } else {
    parametresDesats_ = false;  // the session goes on: later changes are written at the close
  }
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

void TFormPrincipal::ExitMenuLoop() { Motor.ExitMenuLoop(); }

std::int32_t TFormPrincipal::ValorEtiqueta() const {
  // Only the engine and the settings write the label, always a decimal integer but for the
  // pause, which the engine never reads back as a count.
  return LlegirEnter(LabelCompteEnrera.Text()).value_or(0);
}

void TFormPrincipal::EscriureEtiqueta(std::int32_t valor, bool copiarAlTitol) {
  LabelCompteEnrera.SetText(std::to_string(valor));
  if (copiarAlTitol) SetCaption(LabelCompteEnrera.Text());
}

void TFormPrincipal::EscriureEtiquetaPausa() {
  LabelCompteEnrera.SetText(TextPausa);
  SetCaption(TextPausa);
}

bool TFormPrincipal::EtiquetaEnPausa() const { return LabelCompteEnrera.Text() == TextPausa; }

void TFormPrincipal::MenuParametresClick() {
  Motor.AbansDeDialeg();
  programa_.FormParametres().ShowModal();
  LabelCompteEnrera.SetText(std::to_string(parametres_.SegonsIniciActivitat));
  Motor.DespresDeDialeg();
}

void TFormPrincipal::MenuParlantDeClick() {
  Motor.AbansDeDialeg();
  programa_.AboutBox().ShowModal();
  Motor.DespresDeDialeg();
}

// Nothing else changes on a language switch: no mode, no setting, no window shown or hidden.
void TFormPrincipal::PosarTextos(const Llengua& llengua) {
  const TTextos& t = llengua.textos;
  const TTextosMenu& m = t.menu;
  const std::pair<ui::MenuItem*, const char*> titols[] = {
      {&MenuMostrarQuadreDeSeguimentDelMouse, m.MenuMostrarQuadreDeSeguimentDelMouse},
      {&MenuClicAutomaticAlEstarParat, m.MenuClicAutomaticAlEstarParat},
      {&MenuClicTabletPCALEstarElMouseDownEnUnaCasella,
       m.MenuClicTabletPCALEstarElMouseDownEnUnaCasella},
      {&MenuTabletPCClicAlPremerLaPantalla, m.MenuTabletPCClicAlPremerLaPantalla},
      {&MenuTabletPCClicEsquerraClicDret, m.MenuTabletPCClicEsquerraClicDret},
      {&MenuEnviarClicksReals, m.MenuEnviarClicksReals},
      {&MenuParametres, m.MenuParametres},
      {&MenuLlenguatge, m.MenuLlenguatge},
      {&MenuParlantDe, m.MenuParlantDe},
      {&MenuSortir, m.MenuSortir},
      {&MenuPanellTipusClic, llengua.tipusClic.menu}};
  for (const auto& [item, titol] : titols) item->SetCaption(titol);
  if (programa_.TeFormParametres()) programa_.FormParametres().PosarTextos(t);
  if (programa_.TeAboutBox()) programa_.AboutBox().PosarTextos(llengua.about);
  if (TFormTipusClic* panell = programa_.FormTipusClic()) panell->PosarTextos(llengua.tipusClic);
}

TFormPrincipal::Llengua TFormPrincipal::LlenguaActual() const {
  if (MenuAngles.Checked()) return {TextosAngles, TextosTipusClicAngles, TextosAboutAngles};
  if (MenuCastella.Checked()) return {TextosCastella, TextosTipusClicCastella, TextosAboutCatala};
  return {TextosCatala, TextosTipusClicCatala, TextosAboutCatala};
}

// Either item of the Llenguatge submenu leaves English.
void TFormPrincipal::MenuCatalaClick() {
  MenuCatala.SetChecked(true);
  MenuCastella.SetChecked(false);
  MenuAngles.SetChecked(false);
  PosarTextos(LlenguaActual());
}

void TFormPrincipal::MenuCastellaClick() {
  MenuCatala.SetChecked(false);
  MenuCastella.SetChecked(true);
  MenuAngles.SetChecked(false);
  PosarTextos(LlenguaActual());
}

void TFormPrincipal::MenuAnglesClick() {
  if (MenuAngles.Checked()) {
    MenuCatalaClick();
    return;
  }
  MenuCatala.SetChecked(false);
  MenuCastella.SetChecked(false);
  MenuAngles.SetChecked(true);
  PosarTextos(LlenguaActual());
}
