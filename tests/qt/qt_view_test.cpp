// The view's own work on a window of one of everything, and on the menu:
// input reaching the form, the form's changes reaching the widgets and a
// screen reader, the menu bar, enlargement, pictures and fonts.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "program_view.h"
#include "ui/controls.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/jpeg.h"
#include "ui/qt/widgets.h"
#include "ui/qt/wrapped_text.h"

namespace zunobi::ui::qt {
namespace {

class Sample final : public Form {
 public:
  Sample(Services& s, std::string name, int height)
      : Form(
            s, std::move(name),
            {
                label("lblOut", "一行目\r\n二行目", {150, 150, 3000, 600}).colour(colours::DarkRed),
                textBox("txtAnswer", {150, 900, 1500, 450})
                    .input(InputKind::Digits)
                    .labelledBy("lblOut"),
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
    setClientSize(6000, height);
    setHub(true);
    onKeyPress("txtAnswer", [this](int key) {
      keys.push_back(key);
      typedAtEnter = control("txtAnswer").text();
    });
    onClick("cmdGo", [this] { control("lblOut").setCaption("押された"); });
    onTick([this] { ++ticks; });
  }
  std::vector<int> keys;
  std::string typedAtEnter;
  int ticks = 0;
};

// The program's windows and a sample window of the given height in twips.
struct SampleView : ProgramView {
  explicit SampleView(int height = 4500) {
    registry.add("frmSample",
                 [=](Services& s) { return std::make_shared<Sample>(s, "frmSample", height); });
  }
  Sample& sample() { return dynamic_cast<Sample&>(*manager.find("frmSample")); }
};

class SampleWindow : public ::testing::Test {
 protected:
  template <class W = QWidget>
  W* widget(std::string_view control, int index = -1) {
    return app.widget<W>("frmSample", control, index);
  }
  SampleView app;
  FormWindow* window = app.show("frmSample");
  Sample& form = app.sample();
};

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

TEST(QtViewTest, PreparationsRunOnceWhileTheFirstWindowWaits) {
  SampleView app;
  int prepared = 0;
  app.registry.add(
      "frmPrepared", [](Services& s) { return std::make_shared<Sample>(s, "frmPrepared", 4500); },
      [&] { ++prepared; });
  app.show("frmSample");
  EXPECT_EQ(prepared, 0);  // not before the window is on screen
  QTest::qWait(700);
  EXPECT_EQ(prepared, 1);
  // Later windows find the work done.
  app.manager.show("frmPrepared");
  app.manager.unload(*app.manager.find("frmSample"));
  QTest::qWait(700);
  EXPECT_EQ(prepared, 1);
}

TEST(QtViewTest, JpegDecodingSurvivesBadData) {
  QFile file(QStringLiteral(":/zunobi/harumo.jpg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray jpeg = file.readAll();
  const QImage whole = decodeJpeg(jpeg);
  // Compared with Qt's own reader, pixel for pixel within rounding.
  const QImage qt = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(whole.size(), QSize(134, 76));
  ASSERT_EQ(qt.size(), whole.size());
  int worst = 0;
  for (int y = 0; y < qt.height(); ++y)
    for (int i = 0; i < qt.width() * 3; ++i)
      worst = std::max(worst, std::abs(qt.constScanLine(y)[i] - whole.constScanLine(y)[i]));
  EXPECT_LE(worst, 2);
  for (const QByteArray& bad :
       {QByteArray(), QByteArray("not a picture at all"), jpeg.left(20), QByteArray(300, '\xff')})
    EXPECT_TRUE(decodeJpeg(bad).isNull()) << bad.size();
  // Cut short in the middle of the pixels: whatever comes out, nothing breaks.
  const QImage half = decodeJpeg(jpeg.left(jpeg.size() / 2));
  EXPECT_TRUE(half.isNull() || half.size() == QSize(134, 76));
}

// Places in pixels at fifteen twips each; the form's changes reach the
// widgets and what a screen reader reads, an answer box read as its label.
TEST_F(SampleWindow, TheFormsChangesReachTheWidgetsAndTheScreenReader) {
  EXPECT_EQ(widget("cmdGo")->geometry(), QRect(200, 10, 97, 49));
  EXPECT_EQ(widget("optMe", 1)->pos(), QPoint(40, 16));
  EXPECT_EQ(window->client()->size(), QSize(400, 300));
  auto* label = widget<LabelWidget>("lblOut");
  EXPECT_EQ(label->caption(), QStringLiteral("一行目\n二行目"));  // CR LF is a line break
  EXPECT_EQ(label->layout().lineCount(), 2);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
  const auto name = [&](std::string_view control, int index = -1) {
    return accessible(widget(control, index))->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name("txtAnswer"), "一行目\n二行目");
  form.setCaption("新しい題");
  EXPECT_EQ(accessible(window)->text(QAccessible::Name), QStringLiteral("新しい題"));
  for (const char* control : {"lblOut", "cmdGo", "fraDie"}) {
    form.control(control).setCaption(std::string("読み上げ") + control);
    EXPECT_EQ(name(control), std::string("読み上げ") + control);
  }
  EXPECT_EQ(name("txtAnswer"), "読み上げlblOut");
  // A name the window sets for a screen reader stands in for the caption.
  form.control("lblOut").setAccessibleName("名前");
  form.control("optMe", 1).setAccessibleName("名前");
  EXPECT_TRUE(name("txtAnswer") == "名前" && name("optMe", 1) == "名前");
  form.control("lblOut").hide();
  EXPECT_FALSE(label->isVisible());
}

// The frame's style sheet repolishes what it holds; the text keeps its colour.
TEST_F(SampleWindow, ALabelInAFrameIsDrawnInItsColour) {
  const QImage image = widget<LabelWidget>("lblKanji")->grab().toImage();
  int blue = 0, grey = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      blue += c.blue() - c.red() > 40;
      grey += c.red() < 100 && c.blue() - c.red() < 10;
    }
  EXPECT_GT(blue, 20);
  EXPECT_EQ(grey, 0);
}

// Enter reaches the form from an answer box as 13, and presses a button.
TEST_F(SampleWindow, EnterReachesTheHandlerAsThirteenOrPressesTheButton) {
  auto* box = widget<QLineEdit>("txtAnswer");
  EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled));
  QTest::keyClicks(box, QStringLiteral("12"));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(box, &enter);
  EXPECT_EQ(form.keys, (std::vector<int>{'1', '2', 13}));
  EXPECT_EQ(form.typedAtEnter, "12");
  EXPECT_EQ(box->text(), QStringLiteral("12"));  // Enter types nothing
  form.control("txtAnswer").setText("");
  EXPECT_TRUE(box->text().isEmpty());
  auto* go = widget<QPushButton>("cmdGo");
  QSignalSpy pressed(go, &QPushButton::clicked);
  QTest::keyClick(go, Qt::Key_Return);
  QTest::keyClick(go, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(pressed.count(), 2);
  EXPECT_EQ(widget<LabelWidget>("lblOut")->caption(), QStringLiteral("押された"));
}

// A click, or a screen reader's press or toggle on an option it can see,
// chooses it in the form.
TEST_F(SampleWindow, OptionButtonsSitInTheirFrameAndMirrorTheModel) {
  auto* pip0 = widget<QRadioButton>("optMe", 0);
  auto* pip1 = widget<QRadioButton>("optMe", 1);
  EXPECT_EQ(pip0->parentWidget(), widget<QGroupBox>("fraDie"));
  Control& option = form.control("optMe", 1);
  const auto act = [&](const QString& action) {
    accessible(pip1)->actionInterface()->doAction(action);
    QApplication::processEvents();
  };
  option.hide();
  act(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(option.selected());
  option.show();
  act(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(option.selected());
  pip0->click();
  EXPECT_TRUE(form.control("optMe", 0).selected() && !option.selected());
  EXPECT_TRUE(pip0->isChecked() && !pip1->isChecked());
}

TEST_F(SampleWindow, ANewTimerIntervalTakesEffectAtOnceAndTheCloseBoxUnloads) {
  form.timer().setInterval(20);
  QTRY_VERIFY_WITH_TIMEOUT(form.ticks > 0, 2000);
  form.timer().setInterval(60000);
  const int ticks = form.ticks;
  QTest::qWait(200);
  EXPECT_EQ(form.ticks, ticks);
  const std::shared_ptr<Form> kept = app.manager.shared("frmSample");
  window->close();
  QApplication::processEvents();
  EXPECT_TRUE(app.manager.ended());
  EXPECT_EQ(kept->view(), nullptr);
}

TEST(QtViewTest, DesignFacesMapToInstalledFaces) {
  for (const auto& [face, family] : {std::pair{faces::PGothic, "IPAPGothic"},
                                     {faces::Gothic, "IPAGothic"},
                                     {faces::PMincho, "IPAPMincho"},
                                     {faces::Pop, "MotoyaLMaru"}})
    EXPECT_EQ(QFontInfo(qtFont(Font{.face = std::string(face)})).family().toStdString(), family);
}

// A caption too wide for its box shrinks as far as it must, and no further.
TEST(QtViewTest, ACaptionShrinksJustEnoughToFit) {
  const QFont font = qtFont(Font{.size = 15});
  const QString text = QStringLiteral("別のじゃんけんをする");
  const int width = static_cast<int>(singleLineWidth(text, font) * 0.6);
  const QFont shrunk = shrunkToWidth(text, font, width, 1);
  EXPECT_LE(singleLineWidth(text, shrunk), width);
  EXPECT_GE(shrunk.pixelSize(), font.pixelSize() / 2);
}

// The program's menu, active.
class MenuWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
  }
  void TearDown() override { choosePercent(kDesignPercent); }
  ProgramView view;
  FormWindow* menu = view.show("frm1Main");
  Form& form = *menu->form();
};

TEST_F(MenuWindow, ClickOnTheRealButtonReachesTheHandler) {
  qobject_cast<QPushButton*>(menu->widgetFor({"cmdKeisan"}))->click();
  QApplication::processEvents();
  EXPECT_EQ(view.manager.loadedNames(), std::vector<std::string>{"frm2Keisan"});
  // The new window is on screen once the handler is over.
  EXPECT_NE(view.manager.find("frm2Keisan")->view(), nullptr);
  FormWindow* window = view.window("frm2Keisan");
  EXPECT_TRUE(window->isVisible());
  // The title follows the first paint.
  QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("計算問題"), 2000);
}

TEST_F(MenuWindow, ThePictureIsTheProjectsJpeg) {
  auto* picture = dynamic_cast<PictureWidget*>(menu->widgetFor({"Image1"}));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->image().size(), QSize(134, 76));
  EXPECT_EQ(picture->size(), QSize(126, 52));  // stretched to its 1890 x 780 twips
}

// Qt's own menu bar: menu items on the bar, each holding its menu; the form
// shows and renames them.
TEST_F(MenuWindow, TheMenuBarReadsAsAMenuBarWithItsMenusAndItems) {
  QAccessibleInterface* bar = accessible(menu->menuWidget());
  ASSERT_TRUE(bar && bar->childCount() == 2 && bar->child(0)->childCount() == 1 &&
              bar->child(0)->child(0)->childCount() == 1);
  QAccessibleInterface* info = bar->child(0);
  QAccessibleInterface* kankyo = bar->child(1);
  QAccessibleInterface* popup = info->child(0);
  QAccessibleInterface* harumo = popup->child(0);
  for (const auto& [a, role, name, hidden] :
       {std::tuple{bar, QAccessible::MenuBar, "", false},
        {info, QAccessible::MenuItem, "【情　　報】", false},
        {kankyo, QAccessible::MenuItem, "環境作成", true},  // at every load
        {popup, QAccessible::PopupMenu, "", true},          // until it is opened
        {harumo, QAccessible::MenuItem, "ハルモ", true}}) {
    EXPECT_EQ(a->role(), role) << name;
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), name);
    EXPECT_EQ(bool(a->state().invisible), hidden) << name;
  }
  form.control("mnuKankyo").show();
  form.control("mnuKankyo").setCaption("環境");
  EXPECT_FALSE(kankyo->state().invisible);
  EXPECT_EQ(kankyo->text(QAccessible::Name), QStringLiteral("環境"));
  harumo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QApplication::processEvents();
  EXPECT_NE(view.manager.find("frm8Info"), nullptr);
}

// F10, or Alt pressed and let go alone, opens the first menu with its first
// item ready for Enter; Alt in a combination opens nothing.
TEST_F(MenuWindow, TheMenuOpensFromTheKeyboard) {
  const auto opened = [] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QString item = popup && popup->activeAction() ? popup->activeAction()->text() : "";
    if (popup) popup->close();
    QApplication::processEvents();
    return item;
  };
  QTest::keyClick(menu, Qt::Key_F10);
  EXPECT_EQ(opened(), QStringLiteral("ハルモ"));
  QWidget* focused = menu->focusWidget();  // "終了": the key passes it by
  QTest::keyPress(focused, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(focused, Qt::Key_Alt, Qt::NoModifier);
  EXPECT_EQ(opened(), QStringLiteral("ハルモ"));
  QTest::keyPress(focused, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyClick(focused, Qt::Key_X, Qt::AltModifier);
  QTest::keyRelease(focused, Qt::Key_Alt, Qt::NoModifier);
  EXPECT_EQ(opened(), QString());
}

// The keys choose the size, by quarters up to twice the design, for the
// window and for every window opened after; the forms keep their twips.
TEST_F(MenuWindow, EnlargementKeysStepByQuarterForTheWholeRun) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  for (const auto& [key, modifiers, percent] :
       {std::tuple{Qt::Key_Plus, ctrl | Qt::ShiftModifier, 125},
        {Qt::Key_Semicolon, ctrl, 150},
        {Qt::Key_Equal, ctrl, 175},
        {Qt::Key_Plus, ctrl | Qt::KeypadModifier, 200},
        {Qt::Key_Plus, ctrl, 200},  // the largest step
        {Qt::Key_Minus, ctrl, 175},
        {Qt::Key_0, ctrl, 100},
        {Qt::Key_Minus, ctrl, 100},  // never below the design
        {Qt::Key_Plus, ctrl, 125}}) {
    QTest::keyClick(menu->focusWidget(), key, modifiers);
    EXPECT_EQ(menu->percent(), percent) << "key " << key;
    EXPECT_EQ(chosenPercent(), percent);
  }
  const Control& keisan = form.control("cmdKeisan");
  EXPECT_EQ(menu->widgetFor(keisan.id())->width(), toPixels(keisan.place().width, 125));
  EXPECT_EQ(form.clientWidth(), 15510);
  form.click("cmdKeisan");
  QApplication::processEvents();
  FormWindow* drill = view.window("frm2Keisan");
  EXPECT_EQ(drill->percent(), 125);
  EXPECT_EQ(drill->client()->width(), toPixels(9945, 125));
}

// A window too big for the screen at the chosen size is drawn at the largest
// step at which it fits, and grows no further.
TEST(QtViewTest, AWindowTooBigForTheScreenIsDrawnAtTheLargestSizeThatFits) {
  choosePercent(kLargestPercent);
  SampleView app(15000);  // 1000 pixels high at the design size
  FormWindow* window = app.show("frmSample");
  EXPECT_EQ(window->percent(), 150);
  EXPECT_EQ(app.widget<QPushButton>("frmSample", "cmdGo")->x(), toPixels(3000, 150));
  window->enlarge(1);
  EXPECT_EQ(window->percent(), 150);
  EXPECT_EQ(chosenPercent(), kLargestPercent);
  choosePercent(kDesignPercent);
}

}  // namespace
}  // namespace zunobi::ui::qt

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(resources);
  // A screen on which every window fits at the largest enlargement.
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZUNOBI_LARGE_SCREEN);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
