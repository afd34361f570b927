#include "tipusclic/UnitFormTipusClic.h"

#include <utility>
#include <vector>

#include "settings/Parametres.h"

namespace {

using namespace disseny_panell;

ui::FormStyle EstilTipusClic() {
  ui::FormStyle s;
  s.className = "TFormTipusClic";
  s.caption = TextosTipusClicCatala.titol;
  s.bounds = {0, 0, Amplada, Alcada};
  s.frame = ui::FormStyle::Frame::Popup;
  s.topMost = true;
  s.noActivate = true;
  s.background = ui::clSilver;
  return s;
}

std::string Boolea(bool b) { return b ? "true" : "false"; }

}  // namespace

TFormTipusClic::TFormTipusClic()
    : ui::Form(EstilTipusClic()),
      BotoEsquerre(*this, RectBotoTipusClic(TipusClic::Esquerre), TextosTipusClicCatala.botons[0]),
      BotoDoble(*this, RectBotoTipusClic(TipusClic::Doble), TextosTipusClicCatala.botons[1]),
      BotoDret(*this, RectBotoTipusClic(TipusClic::Dret), TextosTipusClicCatala.botons[2]),
      BotoArrossegar(*this, RectBotoTipusClic(TipusClic::Arrossegar),
                     TextosTipusClicCatala.botons[3]),
      BotoPausa(*this, RectBotoTipusClic(TipusClic::Pausa), TextosTipusClicCatala.botons[4]),
      BotoDesplacar(*this, RectBotoTipusClic(TipusClic::Desplacar),
                    TextosTipusClicCatala.desplacar),
      BotoMenys(*this, RectBotoTemps(-1), TextosTipusClicCatala.menys),
      BotoMes(*this, RectBotoTemps(1), TextosTipusClicCatala.mes),
      TimerSeguirPunter(*this, IntervalSeguirPunter) {
  TimerSeguirPunter.OnTimer = [this] { TimerSeguirPunterTimer(); };
  for (TipusClic t : TotsElsTipusClic) {
    ui::PictureButton& b = Boto(t);
    b.OnClick = [this, t] { BotoClick(t); };
    b.OnPaint = [this, t, &b](ui::Canvas& c, int w, int h) {
      DibuixarBotoTipusClic(c, w, h, t, Aspecte(t), b.Text());
    };
  }
  for (auto [b, pas] : {std::pair{&BotoMenys, -1}, std::pair{&BotoMes, 1}}) {
    b->OnClick = [this, pas] {
      if (OnPasTemps) OnPasTemps(pas);
    };
    b->OnPaint = [b](ui::Canvas& c, int w, int h) { DibuixarBotoTemps(c, w, h, b->Text()); };
  }
}

ui::PictureButton& TFormTipusClic::Boto(TipusClic tipus) {
  std::array<ui::PictureButton*, NombreTipusClic> botons{
      &BotoEsquerre, &BotoDoble, &BotoDret, &BotoArrossegar, &BotoPausa, &BotoDesplacar};
  return *botons[static_cast<std::size_t>(tipus)];
}

AspecteBoto TFormTipusClic::Aspecte(TipusClic tipus) const {
  if (tipus == TipusClic::Arrossegar && Estat.Arrossegant()) return AspecteBoto::Arrossegant;
  return tipus == Estat.Triat() ? AspecteBoto::Premut : AspecteBoto::Normal;
}

void TFormTipusClic::FormCreate() {
  SetDesignSize(Amplada, Alcada);
  LlegirTipusClic();
}

void TFormTipusClic::LlegirTipusClic() {
  const std::string mostrar = LlegirClau(SeccioTipusClic, ClauMostrarPanell, "");
  desar_ = !mostrar.empty();
  ui::Point lloc = LlocInicial(Height(), ui::ScreenHeight());
  const auto esquerra = LlegirEnter(LlegirClau(SeccioTipusClic, ClauEsquerraPanell, ""));
  const auto dalt = LlegirEnter(LlegirClau(SeccioTipusClic, ClauDaltPanell, ""));
  if (esquerra && dalt) lloc = {*esquerra, *dalt};
  PosarA(lloc);
  if (LlegirClau(SeccioTipusClic, ClauPausaPanell, "") == Boolea(true))
    Estat.Triar(TipusClic::Pausa);
}

void TFormTipusClic::DesarTipusClic(bool mostrar) {
  if (!desar_ && !mostrar) return;
  const ui::Rect r = BoundsRect();
  EscriureClau(SeccioTipusClic, ClauMostrarPanell, Boolea(mostrar));
  EscriureClau(SeccioTipusClic, ClauEsquerraPanell, std::to_string(r.left));
  EscriureClau(SeccioTipusClic, ClauDaltPanell, std::to_string(r.top));
  EscriureClau(SeccioTipusClic, ClauPausaPanell, Boolea(Estat.Triat() == TipusClic::Pausa));
}

void TFormTipusClic::PosarA(ui::Point lloc) {
  // Anywhere on the desktop: the user may keep it on any monitor, and carry it across.
  std::vector<ui::Rect> monitors;
  for (const ui::Monitor& m : ui::Monitors()) monitors.push_back(m.bounds);
  const ui::Point p = LimitarAlsMonitors(lloc, Width(), Height(), monitors);
  SetPosition(p.x, p.y);
}

void TFormTipusClic::Mostrar(bool mostrar) {
  if (mostrar == Visible()) return;
  if (mostrar) {
    desar_ = true;
    Show();
  } else {
    Hide();
  }
}

void TFormTipusClic::PosarTextos(const TTextosTipusClic& textos) {
  SetCaption(textos.titol);
  for (TipusClic t : TotsElsTipusClic) Boto(t).SetText(TextBoto(textos, t));
  BotoMenys.SetText(textos.menys);
  BotoMes.SetText(textos.mes);
  comaDecimal_ = textos.comaDecimal;
  Repaint();
}

void TFormTipusClic::MostrarTemps(std::int32_t decimes) {
  if (decimes == decimes_) return;
  decimes_ = decimes;
  Repaint();
}

void TFormTipusClic::DesplacamentAcabat() {
  Estat.DesplacamentAcabat();
  Canviat();
}

void TFormTipusClic::Canviat() { Repaint(); }

void TFormTipusClic::BotoClick(TipusClic tipus) {
  Estat.Triar(tipus);
  Canviat();
}

TAccioClic TFormTipusClic::ClicParat(ui::Point c) {
  const TAccioClic accio = Estat.Clic(c, ZonaDelPunt(BoundsRect(), Visible(), c, Dpi()));
  Agafar(c);
  Canviat();
  return accio;
}

void TFormTipusClic::Agafar(ui::Point c) {
  if (Estat.ArrossegantPanell() && !TimerSeguirPunter.Enabled()) {
    const ui::Rect r = BoundsRect();
    agafat_ = {c.x - r.left, c.y - r.top};
  }
  const bool portat = TimerSeguirPunter.Enabled();
  TimerSeguirPunter.SetEnabled(Estat.ArrossegantPanell());
  if (portat && !Estat.ArrossegantPanell()) Deixat();
}

void TFormTipusClic::Deixat() {
  if (OnDeixat) OnDeixat();
}

void TFormTipusClic::TimerSeguirPunterTimer() {
  const ui::Point c = ui::CursorPos();
  PosarA({c.x - agafat_.x, c.y - agafat_.y});
}

TAccioClic TFormTipusClic::AcabarArrossegament(ui::Point c) {
  if (!Estat.Arrossegant()) return {};
  const TAccioClic accio = Estat.AcabarArrossegament(c);
  TimerSeguirPunter.SetEnabled(false);
  Canviat();
  return accio;
}

void TFormTipusClic::FormPaint(ui::Canvas& canvas) {
  DibuixarFonsPanell(canvas, Width(), Height());
  DibuixarValorTemps(canvas, ui::ScaleForDpi(RectValorTemps(), Dpi()),
                     TextTempsRepos(decimes_, comaDecimal_));
}

void TFormTipusClic::FormMouseDown(ui::Point c) {
  const ui::Rect r = BoundsRect();
  agafat_ = {c.x - r.left, c.y - r.top};
  movent_ = true;
}

void TFormTipusClic::FormMouseMove(ui::Point c) {
  if (!movent_) return;
  PosarA({c.x - agafat_.x, c.y - agafat_.y});
}

void TFormTipusClic::FormMouseUp(ui::Point c) {
  FormMouseMove(c);
  movent_ = false;
  Deixat();
}
