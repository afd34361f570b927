#include "about/TextosAbout.h"
#include "hook/LlibreriaPelvoro.h"
#include "tests/unit/Programa.h"

namespace {

namespace hl = ui::headless;
using hl::Advance;

class AboutTest : public ProgramaTest {
 protected:
  TAboutBox& A() { return About(); }

  // Opens the box from the menu; the script acts while it is open and ends it with Enter.
  void Obrir(const std::function<void(TAboutBox&)>& mentre = {}) {
    hl::OnModal([&](ui::Form& f) {
      if (mentre) mentre(static_cast<TAboutBox&>(f));
      hl::PressEnter(f);
    });
    Principal().MenuParlantDeClick();
  }

  std::vector<Imatge> Visibles() {
    std::vector<Imatge> v;
    const auto imatges = A().ImatgesCicle();
    for (std::size_t i = 0; i < NombreImatges; ++i)
      if (imatges[i]->Visible()) v.push_back(static_cast<Imatge>(i));
    return v;
  }
  using V = std::vector<Imatge>;
};

TEST_F(AboutTest, LeftOpenThePicturesTakeTurnsEveryThreeAndAHalfSeconds) {
  Inici();
  Obrir([&](TAboutBox&) {
    EXPECT_EQ(Visibles(), V{Imatge::Projecte});
    Advance(3499);
    EXPECT_EQ(Visibles(), V{Imatge::Projecte});
    Advance(1);
    EXPECT_EQ(Visibles(), V{Imatge::Marca});
    Advance(3500);
    EXPECT_EQ(Visibles(), V{Imatge::Inteligencia});
    Advance(3500);
    EXPECT_EQ(Visibles(), V{Imatge::Dedicatoria});
    Advance(3500);
    EXPECT_EQ(Visibles(), V{Imatge::Projecte});
  });
}

TEST_F(AboutTest, AClickedPictureGivesWayAtOnceAndTheTimerKeepsItsPeriod) {
  Inici();
  Obrir([&](TAboutBox& a) {
    Advance(3500 + 1000);
    ASSERT_EQ(Visibles(), V{Imatge::Marca});
    EXPECT_TRUE(hl::Click(a.ImageMarca));
    EXPECT_EQ(Visibles(), V{Imatge::Inteligencia});
    Advance(2499);
    EXPECT_EQ(Visibles(), V{Imatge::Inteligencia});
    Advance(1);  // the tick due 7 s after the showing
    EXPECT_EQ(Visibles(), V{Imatge::Dedicatoria});
    // The last picture of the cycle gives way to the first.
    EXPECT_TRUE(hl::Click(a.ImageDedicatoria));
    EXPECT_EQ(Visibles(), V{Imatge::Projecte});
  });
}

TEST_F(AboutTest, WithNoPictureVisibleTheTickShowsNone) {
  Inici();
  Obrir([&](TAboutBox& a) {
    a.ImageProjecte.SetVisible(false);
    Advance(3500 * 2);
    EXPECT_TRUE(Visibles().empty());
  });
}

TEST_F(AboutTest, TheBackgroundAndTheBareLowerPanelShowAndHideTheText) {
  Inici();
  EXPECT_TRUE(A().Memo1.ReadOnly());
  Obrir([&](TAboutBox& a) {
    EXPECT_FALSE(a.Memo1.Visible());
    hl::ClickForm(a);
    EXPECT_TRUE(a.Memo1.Showing());
    hl::ClickForm(a);
    EXPECT_FALSE(a.Memo1.Visible());
    EXPECT_TRUE(hl::Click(a.Panel2));
    EXPECT_TRUE(a.Memo1.Showing());
    hl::ClickForm(a);
    EXPECT_FALSE(a.Memo1.Visible());
  });
}

TEST_F(AboutTest, VersionAndTheBareUpperPanelShowTheLargePictureWhichBringsThePanelsBack) {
  Inici();
  Obrir([&](TAboutBox& a) {
    for (ui::Control* c :
         {static_cast<ui::Control*>(&a.Version), static_cast<ui::Control*>(&a.Panel1)}) {
      EXPECT_TRUE(hl::Click(*c));
      EXPECT_TRUE(a.ImageSorpresa.Showing());
      EXPECT_FALSE(a.Panel1.Visible());
      EXPECT_FALSE(a.Panel2.Visible());
      // What the panels hold goes with them.
      EXPECT_FALSE(hl::Click(a.ImageProjecte));
      EXPECT_FALSE(hl::Click(a.ProductName));
      EXPECT_TRUE(hl::Click(a.ImageSorpresa));
      EXPECT_FALSE(a.ImageSorpresa.Visible());
      EXPECT_TRUE(a.ImageProjecte.Showing());
      EXPECT_TRUE(a.Version.Showing());
    }
  });
}

TEST_F(AboutTest, TheBoxOpensAgainAsTheUserLeftItAndItsTimerRunsOnlyWhileItIsOpen) {
  Inici();
  EXPECT_FALSE(A().Timer1.Enabled());
  Obrir([&](TAboutBox& a) {
    EXPECT_TRUE(a.Timer1.Enabled());
    EXPECT_EQ(hl::Focused(), &a.OKButton);
    Advance(3500);
    hl::ClickForm(a);
    hl::Click(a.Version);
  });
  EXPECT_FALSE(A().Visible());
  EXPECT_FALSE(A().Timer1.Enabled());
  // Closed: the pictures stand still.
  Advance(3500 * 3);
  EXPECT_EQ(Visibles(), V{Imatge::Marca});
  Obrir([&](TAboutBox& a) {
    EXPECT_TRUE(a.ImageSorpresa.Showing());
    EXPECT_FALSE(a.Panel1.Visible());
    EXPECT_TRUE(a.Memo1.Visible());
    EXPECT_EQ(Visibles(), V{Imatge::Marca});
    EXPECT_TRUE(a.Timer1.Enabled());
    hl::PressEscape(a);  // the close box and Esc close it as well
  });
  EXPECT_FALSE(A().Timer1.Enabled());
}

TEST_F(AboutTest, EnterEndsTheBoxWithOk) {
  Inici();
  hl::OnModal([](ui::Form& f) { hl::PressEnter(f); });
  EXPECT_EQ(A().ShowModal(), ui::ResultOk);
}

TEST_F(AboutTest, TheAcknowledgementGivesWayToTheCreditLineForTheRestOfTheRun) {
  Inici();
  const ui::Rect r = A().Comments.Bounds();
  EXPECT_EQ(r, (ui::Rect{8, 99, 8 + 249, 94 + 52}));
  EXPECT_EQ(A().Comments.Alignment(), ui::Label::Align::Centre);
  EXPECT_EQ(A().Comments.Text(), textos_about::Agraiment);
  Obrir([&](TAboutBox& a) { EXPECT_TRUE(hl::Click(a.Comments)); });
  EXPECT_EQ(A().Comments.Text(), textos_about::Credits);
  EXPECT_EQ(A().Comments.Alignment(), ui::Label::Align::Left);
  Obrir([&](TAboutBox& a) {
    hl::Click(a.Comments);
    EXPECT_EQ(a.Comments.Text(), textos_about::Credits);
  });
}

TEST_F(AboutTest, TheNamesOpenTheCatalanGuideBesideTheProgram) {
  const std::string carpeta = "C:\\Programes\\Eines d'accés\\Pelvoro";
  hl::SetProgramFolder(carpeta);
  Inici();
  const std::string guia = carpeta + "\\guia-ca.html";
  EXPECT_NE(A().ProductName.Hint().find(guia), std::string::npos);
  Obrir([&](TAboutBox& a) {
    hl::Click(a.ProductName);
    hl::Click(a.MakerName);
    hl::Click(a.Version);  // not a link
  });
  EXPECT_EQ(hl::ShellOpened(), (std::vector<std::string>{guia, guia}));
}

class AboutMenuTest : public AboutTest {
 protected:
  struct Mentre {
    bool permet = true, modal = false, mode1 = true, ganxos = true, ganxoDesprésDelTic = true;
  };
  Mentre ObrirDesDelMenu() {
    Mentre m;
    hl::OnModal([&](ui::Form& f) {
      m.permet = EstatMotor().PermetHookMouseMove;
      m.modal = f.Modal() && &f == &About();
      m.mode1 = Principal().MenuClicAutomaticAlEstarParat.Checked();
      m.ganxos = hl::hook::ButtonHookInstalled() || hl::hook::MoveHookInstalled();
      // The end of the menu loop asked for the frame's hook: its tick falls while the box is up.
      Advance(300);
      m.ganxoDesprésDelTic = hl::hook::MoveHookInstalled();
      hl::PressEnter(f);
    });
    hl::ChooseMenuItem(Principal().MenuOpcions, Principal().MenuParlantDe);
    return m;
  }
};

TEST_F(AboutMenuTest, StopsEveryModeAndHoldsTheFramesHookBackUntilTheBoxCloses) {
  Inici("BoolMostrarQuadreDeSeguiment=true\r\nBool1ClicAutomaticNoPermetAltresClics=true\r\n");
  Principal().MenuClicAutomaticAlEstarParatClick();
  ASSERT_TRUE(hl::hook::ButtonHookInstalled());
  const Mentre m = ObrirDesDelMenu();
  EXPECT_FALSE(m.permet);
  EXPECT_TRUE(m.modal);
  EXPECT_FALSE(m.mode1);
  EXPECT_FALSE(m.ganxos);
  EXPECT_FALSE(m.ganxoDesprésDelTic);
  EXPECT_TRUE(EstatMotor().PermetHookMouseMove);
  EXPECT_TRUE(Principal().TimerActivarElHookMouse.Enabled());
  Advance(200);
  EXPECT_TRUE(hl::hook::MoveHookInstalled());
  EXPECT_FALSE(hl::hook::ButtonHookInstalled());
}

TEST_F(AboutMenuTest, WithoutTheFrameNoHookComesBack) {
  Inici();
  Principal().MenuClicAutomaticAlEstarParatClick();
  const Mentre m = ObrirDesDelMenu();
  EXPECT_FALSE(m.permet);
  EXPECT_FALSE(m.mode1);
  EXPECT_TRUE(EstatMotor().PermetHookMouseMove);
  EXPECT_FALSE(Principal().TimerActivarElHookMouse.Enabled());
  Advance(1000);
  EXPECT_FALSE(hl::hook::MoveHookInstalled());
  EXPECT_FALSE(hl::hook::ButtonHookInstalled());
}

// Every picture stays inside its control: what falls outside would be cut off on screen.
TEST_F(AboutTest, EveryPictureDrawsInsideItsControl) {
  Inici();
  for (ui::Picture* p : {&A().ImageOrella, &A().Bevel1, &A().ImageProjecte, &A().ImageMarca,
                         &A().ImageInteligencia, &A().ImageDedicatoria, &A().ImageSorpresa}) {
    const int w = p->Bounds().Width(), h = p->Bounds().Height();
    const auto ops = hl::PaintPicture(*p);
    EXPECT_GT(ops.size(), 2u);
    const auto dins = [&](int x, int y) { return x >= 0 && y >= 0 && x <= w && y <= h; };
    for (const hl::DrawOp& op : ops) {
      using K = hl::DrawOp::Kind;
      switch (op.kind) {
        case K::MoveTo:
        case K::LineTo:
          EXPECT_TRUE(dins(op.at[0], op.at[1])) << p->id << " " << op.at[0] << "," << op.at[1];
          break;
        case K::Ellipse:
        case K::Rectangle:
        case K::Arc:
        case K::Text:
          EXPECT_TRUE(dins(op.at[0], op.at[1]) && dins(op.at[2], op.at[3]))
              << p->id << " " << op.at[0] << "," << op.at[1] << " " << op.at[2] << "," << op.at[3];
          break;
        case K::Polygon:
          for (const ui::Point& q : op.points)
            EXPECT_TRUE(dins(q.x, q.y)) << p->id << " " << q.x << "," << q.y;
          break;
        default: break;
      }
    }
  }
}

}  // namespace
