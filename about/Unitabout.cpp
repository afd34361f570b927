#include "about/Unitabout.h"

#include "about/Dibuixos.h"
#include "about/TextosAbout.h"
#include "settings/UnitFormParametres.h"

namespace {

using Cursor = ui::Control::Cursor;
using ui::Rect;
namespace t = textos_about;

constexpr const char* Lletra = "Comic Sans MS";
constexpr int BaixarComentaris = 5;  // the acknowledgement sits a little lower, in less height

ui::FormStyle EstilAbout() {
  ui::FormStyle s;
  s.className = "TAboutBox";
  s.caption = t::Titol;
  s.bounds = {0, 0, 309, 412};
  s.frame = ui::FormStyle::Frame::Dialog;
  s.background = ui::clSilver;
  s.font = ui::Font{"System", ui::PuntsAPixels(10), false, ui::clWindowText};
  s.cursor = Cursor::Hand;
  return s;
}

Rect Lloc(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

ui::Font ComicSans(int punts, bool negreta, ui::Colour color) {
  return ui::Font{Lletra, ui::PuntsAPixels(punts), negreta, color};
}

}  // namespace

TAboutBox::TAboutBox()
    : ui::Form(EstilAbout()),
      Panel1(*this, Lloc(16, 16, 273, 150), nullptr, ui::Panel::Bevel::Sunken),
      Panel2(*this, Lloc(16, 180, 273, 161), nullptr, ui::Panel::Bevel::Sunken),
      OKButton(*this, Lloc(111, 352, 77, 27), t::Boto, ui::Button::Role::Default),
      Memo1(*this, Lloc(0, 0, 273, 161), t::Recull, &Panel2),
      ImageOrella(*this, Lloc(12, 20, 33, 33), &Panel1),
      Bevel1(*this, Lloc(8, 16, 40, 41), &Panel1),
      ImageProjecte(*this, Lloc(24, 16, 220, 112), &Panel2),
      ImageMarca(*this, Lloc(24, 16, 226, 131), &Panel2),
      ImageInteligencia(*this, Lloc(0, 0, 273, 161), &Panel2),
      ImageDedicatoria(*this, Lloc(24, 16, 226, 131), &Panel2),
      ImageSorpresa(*this, Lloc(70, 2, 172, 338)),
      ProductName(*this, Lloc(112, 2, 153, 48), t::NomProducte, ui::Label::Align::Centre, &Panel1),
      Version(*this, Lloc(105, 58, 160, 16), t::Versio, ui::Label::Align::Left, &Panel1),
      MakerName(*this, Lloc(36, 75, 230, 18), "", ui::Label::Align::Left, &Panel1),
      Comments(*this, Lloc(8, 94, 249, 52), "", ui::Label::Align::Left, &Panel1),
      Timer1(*this, Timer1Interval) {
  ProductName.SetFont(ComicSans(24, true, ui::clBlue));
  ProductName.SetVerticalCentre(true);
  Version.SetFont(ComicSans(8, true, ui::clBlack));
  MakerName.SetFont(ComicSans(9, false, ui::clBlack));
  MakerName.SetText(std::string(t::Autor) + " - " + t::FitxerGuia);
  Comments.SetFont(ComicSans(8, true, ui::clGray));
  Memo1.SetFont(ComicSans(10, true, ui::clBlack));
  ui::Font negreta = Style().font;
  negreta.bold = true;
  OKButton.SetFont(negreta);

  ImageMarca.SetVisible(false);
  ImageInteligencia.SetVisible(false);
  ImageDedicatoria.SetVisible(false);
  Memo1.SetVisible(false);
  ImageSorpresa.SetVisible(false);
  ImageSorpresa.SetHint(t::PistaSorpresa);

  // The hand says "click me" where a click does something the eye would not guess.
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &Panel1, &ProductName, &MakerName, &Comments, &ImageProjecte, &ImageMarca, &OKButton})
    c->SetCursor(Cursor::Hand);
  // A read-only text: the arrow, not the text cursor.
  Memo1.SetCursor(Cursor::Arrow);

  ImageOrella.OnPaint = DibuixarOrella;
  Bevel1.OnPaint = DibuixarBisell;
  ImageProjecte.OnPaint = DibuixarProjecte;
  ImageMarca.OnPaint = DibuixarMarca;
  ImageInteligencia.OnPaint = DibuixarInteligencia;
  ImageDedicatoria.OnPaint = DibuixarDedicatoria;
  ImageSorpresa.OnPaint = DibuixarSorpresa;

  Timer1.OnTimer = [this] { Timer1Timer(); };
  for (std::size_t i = 0; i < NombreImatges; ++i)
    ImatgesCicle()[i]->OnClick = [this, i] { ImatgeCicleClick(static_cast<Imatge>(i)); };
  Panel1.OnClick = [this] { Panel1Click(); };
  Panel2.OnClick = [this] { Panel2Click(); };
  Version.OnClick = [this] { VersionClick(); };
  ImageSorpresa.OnClick = [this] { ImageSorpresaClick(); };
  ProductName.OnClick = [this] { ProductNameClick(); };
  MakerName.OnClick = [this] { MakerNameClick(); };
  Comments.OnClick = [this] { CommentsClick(); };
  OKButton.OnClick = [this] { OKButtonClick(); };
}

std::array<ui::Picture*, NombreImatges> TAboutBox::ImatgesCicle() {
  return {&ImageProjecte, &ImageMarca, &ImageInteligencia, &ImageDedicatoria};
}

std::string TAboutBox::PaginaGuia() const {
  return ui::ProgramFolder() + "\\" + textos_->fitxerGuia;
}

void TAboutBox::PosarTextos(const TTextosAbout& textos) {
  textos_ = &textos;
  SetCaption(textos.titol);
  Version.SetText(textos.versio);
  OKButton.SetText(textos.boto);
  MakerName.SetText(std::string(t::Autor) + " - " + textos.fitxerGuia);
  Memo1.SetText(textos.recull);
  ImageSorpresa.SetHint(textos.pistaSorpresa);
  const std::string pista = textos.prefixPista + PaginaGuia();
  ProductName.SetHint(pista);
  MakerName.SetHint(pista);
  PosarComentaris();
}

void TAboutBox::PosarComentaris() {
  Comments.SetText(creditsMostrats_ ? textos_->credits : textos_->agraiment);
}

void TAboutBox::FormCreate() {
  SetDesignClientSize(AmpladaClient, AlcadaClient);
  const ui::Point p = CantonadaCentrada(Width(), Height(), ui::ScreenWidth(), ui::ScreenHeight());
  SetPosition(p.x, p.y);
  KeepInWorkArea();

  Memo1.SetReadOnly(true);
  Comments.SetAlignment(ui::Label::Align::Centre);
  Rect r = Comments.Bounds();
  r.top += BaixarComentaris;
  Comments.SetBounds(r);
  PosarTextos(*textos_);
}

// Every showing, modal or the start-up notice: the pictures start taking turns.
void TAboutBox::FormShow() { Timer1.SetEnabled(true); }
void TAboutBox::FormClose() { Timer1.SetEnabled(false); }

void TAboutBox::MostrarSeguent(Imatge visible) {
  const auto imatges = ImatgesCicle();
  imatges[static_cast<std::size_t>(visible)]->SetVisible(false);
  imatges[static_cast<std::size_t>(Seguent(visible))]->SetVisible(true);
}

void TAboutBox::Timer1Timer() {
  VisiblesCicle visibles{};
  const auto imatges = ImatgesCicle();
  for (std::size_t i = 0; i < NombreImatges; ++i) visibles[i] = imatges[i]->Visible();
  if (const auto visible = ImatgeQueCanvia(visibles)) MostrarSeguent(*visible);
}

// The timer keeps its period: the next tick may come soon after a click.
void TAboutBox::ImatgeCicleClick(Imatge imatge) { MostrarSeguent(imatge); }

void TAboutBox::FormClick() { Memo1.SetVisible(!Memo1.Visible()); }
void TAboutBox::Panel2Click() { Memo1.SetVisible(!Memo1.Visible()); }

void TAboutBox::Panel1Click() {
  Panel1.SetVisible(false);
  Panel2.SetVisible(false);
  ImageSorpresa.SetVisible(true);
}

void TAboutBox::VersionClick() { Panel1Click(); }

void TAboutBox::ImageSorpresaClick() {
  ImageSorpresa.SetVisible(false);
  Panel1.SetVisible(true);
  Panel2.SetVisible(true);
}

// A guide that is missing or has no program to show it leaves the box as it is.
void TAboutBox::ProductNameClick() { ui::ShellOpen(PaginaGuia()); }
void TAboutBox::MakerNameClick() { ui::ShellOpen(PaginaGuia()); }

void TAboutBox::CommentsClick() {
  Comments.SetAlignment(ui::Label::Align::Left);
  creditsMostrats_ = true;
  PosarComentaris();
}

void TAboutBox::OKButtonClick() { EndModal(ui::ResultOk); }
