// The credits window: name, version and maker above, four pictures taking turns below.
#pragma once

#include <array>

#include "about/CicleImatges.h"
#include "about/TextosAbout.h"
#include "ui/ui.h"

class TAboutBox : public ui::Form {
 public:
  TAboutBox();

  static constexpr int Timer1Interval = 3500;
  static constexpr int AmpladaClient = 303;
  static constexpr int AlcadaClient = 383;

  // Panels first, as they hold the rest; then the controls that take the keyboard, in tab
  // order; then the pictures, the memo above the pictures it covers.
  ui::Panel Panel1, Panel2;
  ui::Button OKButton;
  ui::Memo Memo1;
  ui::Picture ImageOrella, Bevel1;
  ui::Picture ImageProjecte, ImageMarca, ImageInteligencia, ImageDedicatoria;
  ui::Picture ImageSorpresa;
  ui::Label ProductName, Version, MakerName, Comments;
  ui::Timer Timer1;

  // The pictures of the cycle, indexed by Imatge.
  std::array<ui::Picture*, NombreImatges> ImatgesCicle();
  // Where the user guide opened by the name labels lives: the guide of the box's language.
  std::string PaginaGuia() const;
  // Every text of one language; what the user has clicked open stays open.
  void PosarTextos(const TTextosAbout& textos);

  void Timer1Timer();
  void ImatgeCicleClick(Imatge imatge);
  void Panel1Click();
  void Panel2Click();
  void VersionClick();
  void ImageSorpresaClick();
  void ProductNameClick();
  void MakerNameClick();
  void CommentsClick();
  void OKButtonClick();

 protected:
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
  void FormClick() override;

 private:
  void MostrarSeguent(Imatge visible);
  void PosarComentaris();

  const TTextosAbout* textos_ = &TextosAboutCatala;
  // After a click on the acknowledgement, the credit line stays for the rest of the run.
  bool creditsMostrats_ = false;
};
