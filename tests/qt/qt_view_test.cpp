#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTemporaryFile>
#include <QTest>
#include <map>

#include "app/form_registry.h"
#include "ui/controls.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/font_map.h"
#include "ui/qt/form_window.h"
#include "ui/qt/jpeg.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/widgets.h"
#include "ui/testing.h"
#include "ui/window_manager.h"

namespace zunobi::ui::qt {
namespace {

// A window with one of everything the view renders.
class Sample final : public Form {
 public:
  explicit Sample(Services& s)
      : Form(
            s, "frmSample",
            {
                label("lblOut", "一行目\r\n二行目", {150, 150, 3000, 600}).colour(colours::DarkRed),
                textBox("txtAnswer", {150, 900, 1500, 450}).input(InputKind::Digits),
                frame("fraDie", "", {150, 1500, 1455, 1575}).look(Look::Picture),
                option("optMe", 0, "", {120, 240, 255, 255}).in("fraDie").look(Look::Pip),
                option("optMe", 1, "", {600, 240, 255, 255}).in("fraDie").look(Look::Pip),
                label("lblKanji", "山", {600, 720, 600, 600})
                    .in("fraDie")
                    .bold(20)
                    .colour(colours::DarkBlue),
                button("cmdGo", "別のじゃんけんをする", {3000, 150, 1455, 735}),
            }) {
    setCaption("試験");
    setClientSize(6000, 4500);
    setHub(true);
    onKeyPress("txtAnswer", [this](int key) {
      keys.push_back(key);
      typedAtEnter = control("txtAnswer").text();
    });
    onClick("cmdGo", [this] { control("lblOut").setCaption("押された"); });
  }
  std::vector<int> keys;
  std::string typedAtEnter;
};

struct QtApp {
  QtApp() {
    registry.add("frmSample", [](Services& s) { return std::make_shared<Sample>(s); });
    manager.setHost(&host);
  }
  FormWindow* window(std::string_view name) { return host.windowFor(*manager.find(name)); }
  template <class W>
  W* widget(std::string_view form, std::string_view control, int index = -1) {
    return dynamic_cast<W*>(window(form)->widgetFor({std::string(control), index}));
  }
  FormRegistry registry;
  testing::FakeClock clock;
  testing::ScriptedRandom random{0.5};
  testing::RecordingMessageBox box;
  WindowManager manager{registry, clock, random, box};
  QtHost host{manager};
};

TEST(QtViewTest, ClickOnTheRealButtonReachesTheHandler) {
  QtApp app;
  app.registry = app::formRegistry();
  app.manager.show("frm1Main");
  auto* button = app.widget<QPushButton>("frm1Main", "cmdKeisan");
  ASSERT_NE(button, nullptr);
  button->click();
  QApplication::processEvents();
  EXPECT_EQ(app.manager.loadedNames(), std::vector<std::string>{"frm2Keisan"});
  ASSERT_NE(app.window("frm2Keisan"), nullptr);
  // The title follows the first paint.
  QElapsedTimer waited;
  waited.start();
  while (app.window("frm2Keisan")->windowTitle().isEmpty() && waited.elapsed() < 2000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(app.window("frm2Keisan")->windowTitle(), QStringLiteral("計算問題"));
  EXPECT_TRUE(app.window("frm2Keisan")->isVisible());
}

TEST(QtViewTest, PreparationsRunOnceWhileTheFirstWindowWaits) {
  QtApp app;
  int prepared = 0;
  app.registry.add(
      "frmPrepared", [](Services& s) { return std::make_shared<Sample>(s); }, [&] { ++prepared; });
  app.manager.show("frmSample");
  QApplication::processEvents();
  EXPECT_EQ(prepared, 0);  // not before the window is on screen
  QTest::qWait(700);
  EXPECT_EQ(prepared, 1);
  // Later windows find the work done.
  app.manager.show("frmPrepared");
  app.manager.unload(*app.manager.find("frmSample"));
  QTest::qWait(700);
  EXPECT_EQ(prepared, 1);
}

TEST(QtViewTest, TheMenuPictureIsTheProjectsJpeg) {
  QtApp app;
  app.registry = app::formRegistry();
  app.manager.show("frm1Main");
  auto* picture = app.widget<PictureWidget>("frm1Main", "Image1");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->image().size(), QSize(134, 76));
  EXPECT_EQ(picture->size(), QSize(126, 52));  // stretched to its 1890 x 780 twips
}

TEST(QtViewTest, JpegDecodingSurvivesBadData) {
  QFile file(QStringLiteral(":/zunobi/harumo.jpg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray jpeg = file.readAll();
  const QImage whole = decodeJpeg(jpeg);
  EXPECT_EQ(whole.size(), QSize(134, 76));
  // Compared with Qt's own reader, pixel for pixel within rounding.
  const QImage qt = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(qt.size(), whole.size());
  int worst = 0;
  for (int y = 0; y < qt.height(); ++y)
    for (int x = 0; x < qt.width(); ++x) {
      const QRgb a = whole.pixel(x, y), b = qt.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  EXPECT_LE(worst, 2);
  for (const QByteArray& bad :
       {QByteArray(), QByteArray("not a picture at all"), jpeg.left(20), QByteArray(300, '\xff')})
    EXPECT_TRUE(decodeJpeg(bad).isNull()) << bad.size();
  // Cut short in the middle of the pixels: whatever comes out, nothing breaks.
  const QImage half = decodeJpeg(jpeg.left(jpeg.size() / 2));
  EXPECT_TRUE(half.isNull() || half.size() == QSize(134, 76));
}

TEST(QtViewTest, CaptionChangesReachTheRealLabel) {
  QtApp app;
  app.manager.show("frmSample");
  auto* label = app.widget<LabelWidget>("frmSample", "lblOut");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->caption(), QStringLiteral("一行目\n二行目"));  // CR LF is a line break
  EXPECT_EQ(label->layout().lineCount(), 2);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
  app.widget<QPushButton>("frmSample", "cmdGo")->click();
  EXPECT_EQ(label->caption(), QStringLiteral("押された"));
  app.manager.find("frmSample")->control("lblOut").hide();
  EXPECT_FALSE(label->isVisible());
}

// The frame's style sheet repolishes what it holds; the text keeps its colour.
TEST(QtViewTest, ALabelInAFrameIsDrawnInItsColour) {
  QtApp app;
  app.manager.show("frmSample");
  QApplication::processEvents();
  auto* label = app.widget<LabelWidget>("frmSample", "lblKanji");
  ASSERT_NE(label, nullptr);
  const QImage image = label->grab().toImage();
  int blue = 0, grey = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() - c.red() > 40) ++blue;
      if (c.red() < 100 && c.blue() - c.red() < 10) ++grey;
    }
  EXPECT_GT(blue, 20);
  EXPECT_EQ(grey, 0);
}

TEST(QtViewTest, EnterReachesTheHandlerAsThirteen) {
  QtApp app;
  app.manager.show("frmSample");
  auto* box = app.widget<QLineEdit>("frmSample", "txtAnswer");
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled));
  box->setFocus();
  for (QChar ch : QStringLiteral("12")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_1 + (ch.unicode() - '1'), Qt::NoModifier, ch);
    QApplication::sendEvent(box, &press);
  }
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(box, &enter);
  auto& form = dynamic_cast<Sample&>(*app.manager.find("frmSample"));
  ASSERT_FALSE(form.keys.empty());
  EXPECT_EQ(form.keys.back(), 13);
  EXPECT_EQ(form.typedAtEnter, "12");
  EXPECT_EQ(box->text(), QStringLiteral("12"));  // Enter types nothing
  form.control("txtAnswer").setText("");
  EXPECT_TRUE(box->text().isEmpty());
}

TEST(QtViewTest, OptionButtonsSitInTheirFrameAndMirrorTheModel) {
  QtApp app;
  app.manager.show("frmSample");
  auto* pip0 = app.widget<QRadioButton>("frmSample", "optMe", 0);
  auto* pip1 = app.widget<QRadioButton>("frmSample", "optMe", 1);
  ASSERT_TRUE(pip0 && pip1);
  EXPECT_EQ(pip0->parentWidget(), app.widget<QGroupBox>("frmSample", "fraDie"));
  EXPECT_FALSE(pip0->isChecked());
  pip0->click();
  pip1->click();
  auto& form = *app.manager.find("frmSample");
  EXPECT_FALSE(form.control("optMe", 0).selected());
  EXPECT_TRUE(form.control("optMe", 1).selected());
  EXPECT_FALSE(pip0->isChecked());
  EXPECT_TRUE(pip1->isChecked());
}

TEST(QtViewTest, TwipsBecomePixelsAtFifteenEach) {
  QtApp app;
  app.manager.show("frmSample");
  auto* button = app.widget<QPushButton>("frmSample", "cmdGo");
  EXPECT_EQ(button->geometry(), QRect(200, 10, 97, 49));
  EXPECT_EQ(app.window("frmSample")->client()->size(), QSize(400, 300));
  EXPECT_EQ(app.widget<QRadioButton>("frmSample", "optMe", 1)->pos(), QPoint(40, 16));
}

TEST(QtViewTest, CloseBoxUnloadsTheForm) {
  QtApp app;
  app.manager.show("frmSample");
  app.window("frmSample")->close();
  QApplication::processEvents();
  EXPECT_TRUE(app.manager.ended());
}

TEST(QtViewTest, DesignFacesMapToInstalledFaces) {
  struct Case {
    std::string_view face;
    const char* family;
  };
  for (const Case& c : {Case{faces::PGothic, "IPAPGothic"}, Case{faces::Gothic, "IPAGothic"},
                        Case{faces::PMincho, "IPAPMincho"}, Case{faces::Pop, "MotoyaLMaru"}}) {
    QFontInfo info(qtFont(Font{.face = std::string(c.face)}));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.face;
  }
}

// The checks that follow hold at the design size and enlarged.
class AtEverySize : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { choosePercent(GetParam()); }
  void TearDown() override { choosePercent(kDesignPercent); }
};

// Every caption of every window, as loaded, has its glyphs in its own face.
TEST_P(AtEverySize, EveryCaptionRendersWithItsFontsGlyphs) {
  testing::TestServices t;
  for (const std::string& name : app::formRegistry().names()) {
    auto form = app::formRegistry().create(name, t.services);
    form->load();
    std::vector<std::pair<std::string, Font>> texts{{form->caption(), Font{}}};
    for (const auto& c : form->controls()) texts.emplace_back(c->caption(), c->font());
    for (const auto& [text, font] : texts) {
      if (text.rfind(":/", 0) == 0) continue;  // a picture resource
      const QRawFont raw = QRawFont::fromFont(qtFont(font, GetParam()));
      for (uint ch : qtText(text).toUcs4()) {
        if (ch == '\n' || ch == ' ') continue;
        EXPECT_TRUE(raw.supportsCharacter(ch)) << name << ": U+" << std::hex << ch << " missing in "
                                               << font.face << " (" << text << ")";
      }
    }
  }
}

// What each window shows at load fits its boxes: no caption runs past the
// bottom of its label or button, and frame captions fit their frame.
TEST_P(AtEverySize, NoCaptionIsClippedAtLoad) {
  QtApp app;
  app.registry = app::formRegistry();
  for (const std::string& name : app::formRegistry().names()) {
    app.manager.show(name);
    FormWindow* window = app.window(name);
    ASSERT_NE(window, nullptr) << name;
    EXPECT_EQ(window->percent(), GetParam()) << name;
    for (const auto& c : window->form()->controls()) {
      QWidget* w = window->widgetFor(c->id());
      const std::string where = name + "." + c->id().text() + " \"" + c->caption() + "\" at " +
                                std::to_string(GetParam()) + " %";
      if (auto* l = dynamic_cast<LabelWidget*>(w)) {
        EXPECT_LE(l->layout().height(), l->contentsRect().height()) << where;
      } else if (auto* b = dynamic_cast<CaptionButton*>(w)) {
        EXPECT_LE(b->layout().height(), b->height() - 4) << where;
        // A short caption is never broken in two.
        if (c->caption().size() <= 8 * 3) {
          EXPECT_EQ(b->layout().lineCount(), 1) << where;
        }
      } else if (auto* f = dynamic_cast<FrameWidget*>(w)) {
        EXPECT_LE(f->captionWidth(), f->width() - 8) << where;
      }
    }
  }
}

// Lines of each label and button caption of a window as loaded.
std::map<ControlId, int> linesAt(int percent, const std::string& name) {
  choosePercent(percent);
  QtApp app;
  app.registry = app::formRegistry();
  app.manager.show(name);
  std::map<ControlId, int> lines;
  FormWindow* window = app.window(name);
  for (const auto& c : window->form()->controls()) {
    QWidget* w = window->widgetFor(c->id());
    if (auto* l = dynamic_cast<LabelWidget*>(w)) lines[c->id()] = l->layout().lineCount();
    if (auto* b = dynamic_cast<CaptionButton*>(w)) lines[c->id()] = b->layout().lineCount();
  }
  return lines;
}

// Enlarged, no caption breaks where it did not at the design size.
TEST_P(AtEverySize, NoCaptionWrapsThatFitsAtTheDesignSize) {
  for (const std::string& name : app::formRegistry().names()) {
    const auto design = linesAt(kDesignPercent, name);
    for (const auto& [id, lines] : linesAt(GetParam(), name))
      EXPECT_EQ(lines, design.at(id)) << name << "." << id.text() << " at " << GetParam() << " %";
  }
}

INSTANTIATE_TEST_SUITE_P(Percent, AtEverySize, ::testing::Values(100, 150, 200));

}  // namespace
}  // namespace zunobi::ui::qt

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  // A screen on which every window fits at the largest enlargement.
  QTemporaryFile screens;
  if (screens.open()) {
    screens.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 2560,
                      "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
  }
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
