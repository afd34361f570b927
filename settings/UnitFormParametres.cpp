#include "settings/UnitFormParametres.h"

#include <algorithm>
#include <utility>

#include "language/Llenguatge.h"

namespace {

using ui::Button;
using ui::Rect;
using Bevel = ui::Panel::Bevel;

constexpr const char* TitolMissatges = "PELVORO";  // the same in both languages
constexpr int AmpladaPanell = 673;
constexpr int AlcadaEtiqueta = 13;
// Labels reach to the panel's right edge and run under the boxes beside them, so a longer
// translation is not cut short.
constexpr int MargeEtiqueta = 4;
constexpr int AmpladaCaixa = 50;
constexpr int AlcadaCaixa = 23;

ui::FormStyle EstilParametres() {
  ui::FormStyle s;
  s.className = "TFormParametres";
  s.caption = TextosCatala.titolParametres;
  s.bounds = {0, 0, TFormParametres::Amplada, TFormParametres::Alcada};
  s.frame = ui::FormStyle::Frame::Sizeable;
  s.font = ui::Font{"MS Sans Serif", ui::PuntsAPixels(8), false, ui::clWindowText};
  return s;
}

Rect Lloc(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
Rect Etiqueta(int left, int top) {
  return {left, top, AmpladaPanell - MargeEtiqueta, top + AlcadaEtiqueta};
}
Rect CaixaNumero(int left, int top) { return Lloc(left, top, AmpladaCaixa, AlcadaCaixa); }

}  // namespace

ValidacioCaixes ValidarCaixes(const std::array<std::string, NombreCaixes>& textos) {
  ValidacioCaixes v;
  for (std::size_t i = 0; i < NombreCaixes; ++i) {
    const auto valor = LlegirEnter(textos[i]);
    if (!valor || !RangDe(ReglesCaixes[i].camp).Conte(*valor)) {
      v.errada = static_cast<Caixa>(i);
      return v;
    }
    v.valors[i] = *valor;
  }
  return v;
}

std::string TextPerDefecte(Caixa caixa) {
  return std::to_string(TParametres{}.*ReglesCaixes[caixa].camp);
}

ui::Point CantonadaCentrada(int amplada, int alcada, int ampladaPantalla, int alcadaPantalla) {
  return {std::max(0, (ampladaPantalla - amplada) / 2), std::max(0, (alcadaPantalla - alcada) / 2)};
}

TFormParametres::TFormParametres(TParametres& parametres, CanviMida canviMida)
    : ui::Form(EstilParametres()),
      BitBtnDAcord(*this, Lloc(176, 552, 83, 25), TextosCatala.parametres.BitBtnDAcord,
                   Button::Role::Default, Button::Glyph::CheckMark),
      BitBtncancelar(*this, Lloc(392, 552, 81, 25), TextosCatala.parametres.BitBtncancelar,
                     Button::Role::Cancel, Button::Glyph::Cross),
      Panel1(*this, Lloc(8, 8, AmpladaPanell, 81), nullptr, Bevel::Sunken),
      CheckBoxHiHaComptaEnrdarreraPerEngegar(*this, Lloc(8, 16, 657, 17), "", &Panel1),
      Label1(*this, Etiqueta(29, 54), "", ui::Label::Align::Left, &Panel1),
      EditSegonsPerEngegar(*this, CaixaNumero(567, 48), "10", &Panel1),
      Panel2(*this, Lloc(8, 104, AmpladaPanell, 201), nullptr, Bevel::Sunken),
      Label2(*this, Etiqueta(29, 20), "", ui::Label::Align::Left, &Panel2),
      EditDecimesClicAutomatic(*this, CaixaNumero(567, 10), "10", &Panel2),
      CheckBox1ClicAutomaticNoPermetAltresClics(*this, Lloc(8, 56, 433, 17), "", &Panel2),
      Label3(*this, Etiqueta(29, 92), "", ui::Label::Align::Left, &Panel2),
      EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella(*this, CaixaNumero(567, 82), "10",
                                                           &Panel2),
      Label4(*this, Etiqueta(29, 128), "", ui::Label::Align::Left, &Panel2),
      EditPixelsMouseParat(*this, CaixaNumero(567, 118), "10", &Panel2),
      CheckBoxTemporitzador(*this, Lloc(8, 164, 601, 17), "", &Panel2),
      Panel3(*this, Lloc(8, 320, AmpladaPanell, 97), nullptr, Bevel::Sunken),
      CheckBoxQuadreSeguimentCercle(*this, Lloc(8, 16, 329, 17), "", &Panel3),
      ButtonColor(*this, Lloc(6, 56, 75, 25), TextosCatala.parametres.ButtonColor,
                  Button::Role::Normal, Button::Glyph::None, &Panel3),
      Label5(*this, Etiqueta(344, 20), "", ui::Label::Align::Left, &Panel3),
      EditAmpladaQuadreSeguiment(*this, CaixaNumero(567, 10), "150", &Panel3),
      Label6(*this, Etiqueta(344, 56), "", ui::Label::Align::Left, &Panel3),
      EditGruixudariaQuadreSeguiment(*this, CaixaNumero(568, 46), "10", &Panel3),
      Panel4(*this, Lloc(8, 432, AmpladaPanell, 97), nullptr, Bevel::Sunken),
      CheckBoxArrancarAmbOpcioMenu(*this, Lloc(8, 24, 457, 17), "", &Panel4),
      CheckBoxExecutarMinimitzat(*this, Lloc(8, 60, 361, 17), "", &Panel4),
      parametres_(parametres),
      canviMida_(std::move(canviMida)) {
  // Texts about every mode are blue, about mode 1 red, about mode 2 green.
  CheckBoxHiHaComptaEnrdarreraPerEngegar.SetFontColour(ui::clBlue);
  Label1.SetFontColour(ui::clBlue);
  Label2.SetFontColour(ui::clRed);
  CheckBox1ClicAutomaticNoPermetAltresClics.SetFontColour(ui::clRed);
  Label3.SetFontColour(ui::clGreen);

  const ui::Font lletraCaixes{"MS Sans Serif", ui::PuntsAPixels(10), false, ui::clWindowText};
  for (ui::Edit* caixa : Caixes()) caixa->SetFont(lletraCaixes);

  PosarTextosControls(TextosCatala);

  BitBtnDAcord.OnClick = [this] { BitBtnDAcordClick(); };
  CheckBoxHiHaComptaEnrdarreraPerEngegar.OnClick = [this] {
    CheckBoxHiHaComptaEnrdarreraPerEngegarClick();
  };
  ButtonColor.OnClick = [this] { ButtonColorClick(); };
}

std::array<ui::Edit*, NombreCaixes> TFormParametres::Caixes() {
  return {&EditSegonsPerEngegar,
          &EditDecimesClicAutomatic,
          &EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella,
          &EditPixelsMouseParat,
          &EditAmpladaQuadreSeguiment,
          &EditGruixudariaQuadreSeguiment};
}

void TFormParametres::PosarTextos(const TTextos& textos) {
  SetCaption(textos.titolParametres);
  PosarTextosControls(textos);
}

void TFormParametres::PosarTextosControls(const TTextos& textos) {
  CheckBoxHiHaComptaEnrdarreraPerEngegar.SetText(
      textos.parametres.CheckBoxHiHaComptaEnrdarreraPerEngegar);
  Label1.SetText(textos.parametres.Label1);
  Label2.SetText(textos.parametres.Label2);
  CheckBox1ClicAutomaticNoPermetAltresClics.SetText(
      textos.parametres.CheckBox1ClicAutomaticNoPermetAltresClics);
  Label3.SetText(textos.parametres.Label3);
  Label4.SetText(textos.parametres.Label4);
  CheckBoxTemporitzador.SetText(textos.parametres.CheckBoxTemporitzador);
  CheckBoxQuadreSeguimentCercle.SetText(textos.parametres.CheckBoxQuadreSeguimentCercle);
  Label5.SetText(textos.parametres.Label5);
  Label6.SetText(textos.parametres.Label6);
  CheckBoxArrancarAmbOpcioMenu.SetText(textos.parametres.CheckBoxArrancarAmbOpcioMenu);
  CheckBoxExecutarMinimitzat.SetText(textos.parametres.CheckBoxExecutarMinimitzat);
  BitBtnDAcord.SetText(textos.parametres.BitBtnDAcord);
  BitBtncancelar.SetText(textos.parametres.BitBtncancelar);
  ButtonColor.SetText(textos.parametres.ButtonColor);
  for (std::size_t i = 0; i < MissatgesError.size(); ++i)
    MissatgesError[i] = textos.missatgesError[i];
}

void TFormParametres::FormShow() {
  // Too big for the screen at its scale, the dialog is laid out smaller: every option and
  // both buttons stay on it.
  SetDesignSize(Amplada, Alcada);
  const ui::Point p0 = CantonadaCentrada(Width(), Height(), ui::ScreenWidth(), ui::ScreenHeight());
  SetPosition(p0.x, p0.y);
  KeepInWorkArea();

  // Whatever was typed before a cancel is gone: the controls start from the settings.
  const TParametres& p = parametres_;
  CheckBoxHiHaComptaEnrdarreraPerEngegar.SetChecked(p.BoolCheckBoxHiHaComptaEnreraPerEngegar);
  EditSegonsPerEngegar.SetEnabled(CheckBoxHiHaComptaEnrdarreraPerEngegar.Checked());
  EditSegonsPerEngegar.SetText(std::to_string(p.SegonsIniciActivitat));
  EditDecimesClicAutomatic.SetText(std::to_string(p.DecimesTimerClickAutomatic));
  CheckBox1ClicAutomaticNoPermetAltresClics.SetChecked(p.Bool1ClicAutomaticNoPermetAltresClics);
  EditPixelsMouseParat.SetText(std::to_string(p.PixelsDeSeparacioPerqueEsConsideriParat));
  EditDecimesDeSegonClicALEstarElMouseDownEnUnaCasella.SetText(
      std::to_string(p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella));
  CheckBoxTemporitzador.SetChecked(p.BoolCheckBoxTemporitzador);
  CheckBoxQuadreSeguimentCercle.SetChecked(p.BoolQuadreSeguimentRodo);
  EditAmpladaQuadreSeguiment.SetText(std::to_string(p.AmpladaQuadreDeSeguiment));
  EditGruixudariaQuadreSeguiment.SetText(std::to_string(p.GruixudariaQuadreDeSeguiment));
  CheckBoxArrancarAmbOpcioMenu.SetChecked(p.BoolCheckBoxArrancarAmbOpcioMenu);
  ColorTriat = p.ColorQuadreSeguiment;
  CheckBoxExecutarMinimitzat.SetChecked(p.BoolCheckBoxExecutarMinimitzat);
}

void TFormParametres::CheckBoxHiHaComptaEnrdarreraPerEngegarClick() {
  EditSegonsPerEngegar.SetEnabled(CheckBoxHiHaComptaEnrdarreraPerEngegar.Checked());
}

void TFormParametres::ButtonColorClick() {
  ui::Colour triat = ColorTriat;
  if (ui::ChooseColour(*this, triat)) ColorTriat = triat;
}

void TFormParametres::BitBtnDAcordClick() {
  const auto caixes = Caixes();
  std::array<std::string, NombreCaixes> textos;
  for (std::size_t i = 0; i < NombreCaixes; ++i) textos[i] = caixes[i]->Text();
  const ValidacioCaixes v = ValidarCaixes(textos);

  if (v.errada) {
    ui::Edit& caixa = *caixes[*v.errada];
    MostrarMissatge(this, MissatgesError[ReglesCaixes[*v.errada].missatge], TitolMissatges,
                    ui::BoxOk | ui::BoxIconInformation);
    caixa.SetText(TextPerDefecte(*v.errada));
    // The seconds box is disabled while its check box is unticked, and a disabled box
    // cannot take the focus: the check box that enables it gets it.
    if (caixa.Enabled())
      caixa.SetFocus();
    else
      CheckBoxHiHaComptaEnrdarreraPerEngegar.SetFocus();
    return;
  }

  TParametres& p = parametres_;
  p.BoolCheckBoxHiHaComptaEnreraPerEngegar = CheckBoxHiHaComptaEnrdarreraPerEngegar.Checked();
  p.SegonsIniciActivitat = v.valors[CaixaSegons];
  p.DecimesTimerClickAutomatic = v.valors[CaixaDecimesClic];
  p.Bool1ClicAutomaticNoPermetAltresClics = CheckBox1ClicAutomaticNoPermetAltresClics.Checked();
  p.DecimesDeSegonClicALEstarElMouseDownEnUnaCasella = v.valors[CaixaDecimesMouseDown];
  p.PixelsDeSeparacioPerqueEsConsideriParat = v.valors[CaixaPixels];
  p.BoolCheckBoxTemporitzador = CheckBoxTemporitzador.Checked();
  p.BoolQuadreSeguimentRodo = CheckBoxQuadreSeguimentCercle.Checked();
  p.BoolCheckBoxArrancarAmbOpcioMenu = CheckBoxArrancarAmbOpcioMenu.Checked();
  p.BoolCheckBoxExecutarMinimitzat = CheckBoxExecutarMinimitzat.Checked();
  p.AmpladaQuadreDeSeguiment = v.valors[CaixaAmplada];
  p.AlcadaQuadreDeSeguiment = p.AmpladaQuadreDeSeguiment;
  p.GruixudariaQuadreDeSeguiment = v.valors[CaixaGruixudaria];
  // The overlay takes the new size at once, showing or not.
  if (canviMida_) canviMida_(p.AmpladaQuadreDeSeguiment, p.AlcadaQuadreDeSeguiment);
  p.ColorQuadreSeguiment = ColorTriat;
  EndModal(ui::ResultOk);
}
