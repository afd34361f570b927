// The program at 150 % and 200 % display scale: every size given at 96 dpi is shown at the
// window's dpi, positions stay physical, and the settings keep their 96-dpi values.
#include <algorithm>

#include "overlay/Geometria.h"
#include "tests/unit/Programa.h"

namespace {

namespace hl = ui::headless;

TEST(ScaleForDpi, IsExactAt96AndRoundsHalvesAwayFromZeroAsMulDivDoes) {
  for (int v : {-1000, -31, -1, 0, 1, 11, 118, 150, 699, 1000})
    EXPECT_EQ(ui::ScaleForDpi(v, 96), v) << v;
  EXPECT_EQ(ui::ScaleForDpi(118, 144), 177);
  EXPECT_EQ(ui::ScaleForDpi(31, 144), 47);     // 46.5
  EXPECT_EQ(ui::ScaleForDpi(699, 144), 1049);  // 1048.5
  EXPECT_EQ(ui::ScaleForDpi(-31, 144), -47);
  EXPECT_EQ(ui::ScaleForDpi(1, 120), 1);  // 1.25
  EXPECT_EQ(ui::ScaleForDpi(3, 120), 4);  // 3.75
  EXPECT_EQ(ui::ScaleForDpi(150, 192), 300);
  // Origin and size each on their own: the four buttons stay one size.
  EXPECT_EQ(ui::ScaleForDpi(ui::Rect{30, 4, 54, 28}, 144), (ui::Rect{45, 6, 81, 42}));
  EXPECT_EQ(ui::ScaleForDpi(ui::Rect{57, 4, 81, 28}, 120), (ui::Rect{71, 5, 101, 35}));
}

TEST(FittingDpi, KeepsTheMonitorsScaleWhereTheWindowFitsAndLowersItJustEnoughWhereNot) {
  const ui::Design dialeg{{699, 618}, true}, client{{303, 383}, false};
  const ui::Size marc96{6, 29}, marc144{9, 44}, marc192{12, 58};
  // Where it fits nothing changes: 96 dpi exact, and 144 dpi on a large screen.
  EXPECT_EQ(ui::FittingDpi(dialeg, marc96, 96, {1024, 768}), 96);
  EXPECT_EQ(ui::LaidOutSize(dialeg, marc96, 96, 96), (ui::Size{699, 618}));
  EXPECT_EQ(ui::FittingDpi(dialeg, marc144, 144, {1920, 1080}), 144);
  EXPECT_EQ(ui::LaidOutSize(dialeg, marc144, 144, 144), (ui::Size{1049, 927}));
  // 1049 × 927 on 1366 × 768: at 118 dpi the scaled part takes 760, the frame drawn at 144 dpi
  // 44 instead of 36, together 768; at 119 dpi it would take 774.
  EXPECT_EQ(ui::FittingDpi(dialeg, marc144, 144, {1366, 768}), 118);
  EXPECT_EQ(ui::LaidOutSize(dialeg, marc144, 118, 144), (ui::Size{861, 768}));
  EXPECT_EQ(ui::LaidOutSize(dialeg, marc144, 119, 144).height, 774);
  // A client-area design keeps the whole frame besides: 383 at 178 dpi is 710, with 58, 768.
  EXPECT_EQ(ui::FittingDpi(client, marc192, 192, {1024, 768}), 178);
  EXPECT_EQ(ui::LaidOutSize(client, marc192, 178, 192), (ui::Size{562 + 12, 768}));
  // Never smaller than text can be read at.
  EXPECT_EQ(ui::FittingDpi({{10000, 10000}, true}, marc96, 96, {1024, 768}), ui::kMinimumLayoutDpi);
}

struct Escala {
  int dpi;
  int amplada, alcada;  // the main window's outer size
  int panell, boto, primerBoto, xifres, lletra;
};

class MainWindowScaleTest : public ProgramaTest, public ::testing::WithParamInterface<Escala> {};

TEST_P(MainWindowScaleTest, SizesAndFontsFollowTheDpiAndTheWindowStaysAtTheTopRight) {
  const Escala e = GetParam();
  hl::SetScreenSize(1920, 1080);
  hl::SetDpi(e.dpi);
  CrearFinestres();
  TFormPrincipal& p = Principal();
  EXPECT_EQ(p.BoundsRect(), (ui::Rect{1920 - e.amplada, 0, 1920, e.alcada}));
  // The screen's width in physical pixels: mode 4 splits the screen at its half.
  EXPECT_EQ(p.AmpladaPantalla, 1920);
  EXPECT_EQ(p.Panel1.ClientBounds().Height(), e.panell);
  const ui::Rect b1 = p.SpeedButton1.ClientBounds();
  EXPECT_EQ(b1, (ui::Rect{e.primerBoto, b1.top, e.primerBoto + e.boto, b1.top + e.boto}));
  for (const ui::ToolButton* b : {&p.SpeedButton0, &p.SpeedButton2, &p.SpeedButton3})
    EXPECT_EQ(b->ClientBounds().Width(), e.boto);
  EXPECT_EQ(hl::NativeFont(p.LabelCompteEnrera).height, e.xifres);
  EXPECT_EQ(hl::NativeFont(p.LabelCompteEnrera).name, "Arial");
  EXPECT_EQ(hl::NativeFont(p.SpeedButton0).height, e.lletra);
}

INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowScaleTest,
                         ::testing::Values(Escala{96, 118, 150, 31, 24, 30, 48, 11},
                                           Escala{144, 177, 225, 47, 36, 45, 72, 17},
                                           Escala{192, 236, 300, 62, 48, 60, 96, 22}),
                         [](const auto& info) { return "Dpi" + std::to_string(info.param.dpi); });

class ScaleTest : public ProgramaTest {
 protected:
  void Inici(int dpi, const std::string& parametres = "") {
    hl::SetScreenSize(2560, 1440);
    hl::SetDpi(dpi);
    Fitxer("[Parametres]\r\n" + parametres);
    CrearFinestres();
  }
  TFormTransparent& T() { return Transparent(); }
};

TEST_F(ScaleTest, TheFrameIsScaledButCentredOnThePointerAndTheFileKeeps96DpiValues) {
  Inici(144, "AmpladaQuadreDeSeguiment=121\r\nGruixudariaQuadreDeSeguiment=8\r\n");
  EXPECT_EQ(T().Width(), 182);  // 181.5
  EXPECT_EQ(T().Height(), 182);
  T().CentrarEnPosicio(500, 400);
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{409, 309, 591, 491}));
  Principal().Close();
  EXPECT_NE(TextFitxer().find("AmpladaQuadreDeSeguiment=121\r\n"), std::string::npos)
      << TextFitxer();
  EXPECT_NE(TextFitxer().find("GruixudariaQuadreDeSeguiment=8\r\n"), std::string::npos);
}

TEST_F(ScaleTest, TheDialogOpensScaledAndItsNewWidthTakesTheOverlayToTheScaledSize) {
  Inici(144);
  TFormParametres& d = Dialeg();
  ui::Rect obert;
  hl::OnModal([&](ui::Form&) {
    obert = d.BoundsRect();
    EXPECT_EQ(d.EditAmpladaQuadreSeguiment.ClientBounds(),
              (ui::Rect{863, 495, 863 + 75, 495 + 35}));
    EXPECT_EQ(hl::NativeFont(d.EditAmpladaQuadreSeguiment).height, 20);
    EXPECT_EQ(d.BitBtnDAcord.ClientBounds(), (ui::Rect{264, 828, 264 + 125, 828 + 38}));
    hl::Type(d.EditAmpladaQuadreSeguiment, "300");
    hl::Click(d.BitBtnDAcord);
  });
  Principal().MenuParametresClick();
  EXPECT_EQ(obert, (ui::Rect{(2560 - 1049) / 2, (1440 - 927) / 2, (2560 - 1049) / 2 + 1049,
                             (1440 - 927) / 2 + 927}));
  EXPECT_EQ(Parametres().AmpladaQuadreDeSeguiment, 300);
  EXPECT_EQ(T().Width(), 450);
  EXPECT_EQ(T().Height(), 450);
}

TEST_F(ScaleTest, At144DpiOnASmallScreenTheDialogShowsEveryOptionAndBothButtonsOnTheScreen) {
  hl::SetScreenSize(1366, 768);
  hl::SetDpi(144);
  Fitxer("[Parametres]\r\n");
  CrearFinestres();
  TFormParametres& d = Dialeg();
  ui::Rect obert;
  std::vector<std::pair<std::string, ui::Rect>> fora;
  int lletra = 0;
  hl::OnModal([&](ui::Form&) {
    obert = d.BoundsRect();
    // The headless frame at 144 dpi: 9 wide, 44 high with the caption.
    const int ampladaClient = obert.Width() - 9, alcadaClient = obert.Height() - 44;
    for (const ui::Control* c : d.Controls()) {
      const ui::Rect r = c->ClientBounds();
      if (r.left < 0 || r.top < 0 || r.right > ampladaClient || r.bottom > alcadaClient)
        fora.emplace_back(c->Text(), r);
    }
    lletra = hl::NativeFont(d.CheckBoxExecutarMinimitzat).height;
    hl::Click(d.BitBtnDAcord);
  });
  Principal().MenuParametresClick();
  EXPECT_TRUE(obert.left >= 0 && obert.top >= 0 && obert.right <= 1366 && obert.bottom <= 768)
      << obert.left << ' ' << obert.top << ' ' << obert.right << ' ' << obert.bottom;
  EXPECT_TRUE(fora.empty()) << fora.size() << " controls outside, the first \""
                            << fora.front().first << '"';
  // Smaller than at 144 dpi, larger than at 96.
  EXPECT_LT(lletra, ui::ScaleForDpi(11, 144));
  EXPECT_GT(lletra, 11);
}

TEST_F(ScaleTest, TheAboutBoxAndItsNoticeScale) {
  Inici(192);
  TAboutBox& a = About();
  // The headless frame is 6 × 29 at 96 dpi and scales with the window.
  EXPECT_EQ(a.Width(), 606 + 12);
  EXPECT_EQ(a.Height(), 766 + 58);
  EXPECT_EQ(a.OKButton.ClientBounds(), (ui::Rect{222, 704, 222 + 154, 704 + 54}));
  EXPECT_EQ(hl::NativeFont(a.ProductName).height, 64);
  // The notice takes the button row away at the box's scale.
  const int alcada = a.Height();
  std::vector<int> alcades;
  ui::Timer sonda(a, 500);
  sonda.OnTimer = [&] { alcades.push_back(a.Height()); };
  sonda.SetEnabled(true);
  AvisIRestauracio();
  ASSERT_FALSE(alcades.empty());
  for (int h : alcades) EXPECT_EQ(h, alcada - 56);
  EXPECT_EQ(a.Height(), alcada);
}

TEST(OverlayScale, TheFrameAndTheRingAreDrawnAtTheWindowsDpi) {
  TDibuixTransparent d;
  d.Costat = 300;  // 150 at 192 dpi
  d.Gruix = 10;
  d.MostrarQuadre = true;
  d.Angle = 90;
  d.Dpi = 192;
  const auto quadre = TracesTransparent(d);
  ASSERT_EQ(quadre.size(), 5u);
  EXPECT_EQ(quadre[0].gruix, 20);
  EXPECT_EQ((std::array{quadre[0].x1, quadre[0].y1, quadre[0].x2, quadre[0].y2}),
            (std::array{10, 10, 10, 289}));
  // Radius 48 and pen 40: the ring covers radii 28 to 68 and leaves the pointer's spot free.
  const TTraca& arc = quadre[4];
  EXPECT_EQ(arc.tipus, TTraca::Tipus::Arc);
  EXPECT_EQ(arc.gruix, 40);
  EXPECT_EQ((std::array{arc.x1, arc.y1, arc.x2, arc.y2, arc.x3, arc.y3, arc.x4, arc.y4}),
            (std::array{102, 102, 198, 198, 198, 150, 150, 130}));

  d.Rodo = true;
  const auto radis = TracesTransparent(d);
  ASSERT_EQ(radis.size(), 1u + 46u);  // the circle, then a spoke every 2 degrees from 0 to 90
  EXPECT_EQ(radis[0].tipus, TTraca::Tipus::Ellipse);
  EXPECT_EQ((std::array{radis[0].x1, radis[0].x2}), (std::array{10, 289}));
  // Centre 149, inner end 150 - 20 + 4, outer end 150 - 8.
  EXPECT_EQ(radis[1].gruix, 6);
  EXPECT_EQ((std::array{radis[1].x1, radis[1].y1, radis[1].x2, radis[1].y2}),
            (std::array{149, 15, 149, 7}));
  EXPECT_EQ((std::array{radis[46].x1, radis[46].y1, radis[46].x2, radis[46].y2}),
            (std::array{283, 149, 291, 149}));
}

TEST_F(ScaleTest,
       MovedToAMonitorOfAnotherScaleTheFrameKeepsItsCentreAndTheMainWindowTakesTheSuggestion) {
  Inici(96, "AmpladaQuadreDeSeguiment=151\r\n");
  T().CentrarEnPosicio(500, 400);
  hl::MoveToDpi(T(), 144);
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{500 - 113, 400 - 113, 500 - 113 + 227, 400 - 113 + 227}));
  // In proportion from 227 the system would suggest 303; the settings give 302.
  hl::MoveToDpi(T(), 192);
  EXPECT_EQ(T().BoundsRect(), (ui::Rect{349, 249, 651, 551}));

  TFormPrincipal& p = Principal();
  const ui::Rect abans = p.BoundsRect();
  hl::MoveToDpi(p, 192);
  EXPECT_EQ(p.BoundsRect(), (ui::Rect{abans.left, 0, abans.left + 236, 300}));
  EXPECT_EQ(p.Panel1.ClientBounds().Height(), 62);
  EXPECT_EQ(hl::NativeFont(p.LabelCompteEnrera).height, 96);
}

// What each picture draws, painted on a fresh program at dpi.
std::vector<std::vector<hl::DrawOp>> Pintar(TAboutBox& a) {
  std::vector<std::vector<hl::DrawOp>> totes;
  for (ui::Picture* p : {&a.ImageOrella, &a.Bevel1, &a.ImageProjecte, &a.ImageMarca,
                         &a.ImageInteligencia, &a.ImageDedicatoria, &a.ImageSorpresa})
    totes.push_back(hl::PaintPicture(*p));
  return totes;
}

TEST_F(ScaleTest, ThePicturesOfTheAboutBoxDrawTwiceAsLargeAt192Dpi) {
  Inici(96);
  const auto a96 = Pintar(About());
  DestruirFinestres();
  SetUp();
  Inici(192);
  const auto a192 = Pintar(About());
  ASSERT_EQ(a96.size(), a192.size());
  // The bevel is one line wide per step of scale: twice the lines.
  EXPECT_EQ(a192[1].size(), 2 * a96[1].size());
  // Shapes drawn in proportion to the control gather a pixel of rounding per step.
  const auto aprop = [](int at192, int at96) {
    return std::abs(at192 - 2 * at96) <= 2 + std::abs(at96) / 25;
  };
  for (std::size_t i = 0; i < a96.size(); ++i) {
    if (i == 1) continue;
    ASSERT_EQ(a96[i].size(), a192[i].size()) << "picture " << i;
    for (std::size_t j = 0; j < a96[i].size(); ++j) {
      const hl::DrawOp &o96 = a96[i][j], &o192 = a192[i][j];
      ASSERT_EQ(o96.kind, o192.kind) << i << "/" << j;
      if (o96.kind == hl::DrawOp::Kind::Pen && o96.width > 0) {
        EXPECT_LE(std::abs(o192.width - 2 * o96.width), 1) << i << "/" << j << " pen " << o96.width;
      }
      for (std::size_t k = 0; k < o96.at.size(); ++k)
        EXPECT_TRUE(aprop(o192.at[k], o96.at[k]))
            << i << "/" << j << " " << o192.at[k] << " vs " << o96.at[k];
      ASSERT_EQ(o96.points.size(), o192.points.size());
      for (std::size_t k = 0; k < o96.points.size(); ++k)
        EXPECT_TRUE(aprop(o192.points[k].x, o96.points[k].x) &&
                    aprop(o192.points[k].y, o96.points[k].y))
            << i << "/" << j << " point " << k;
    }
  }
}

}  // namespace
