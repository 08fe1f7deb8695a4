// The one view: on a sample window of one of everything, on the program's
// menu, and on every window of the program. Input reaches the form; the
// form's changes reach the widgets and a screen reader; windows are read by
// assistive technology as the form declares them, and drawn enlarged.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTest>
#include <map>

#include "program_view.h"
#include "support/sample_form.h"
#include "ui/controls.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/jpeg.h"
#include "ui/qt/widgets.h"
#include "ui/qt/wrapped_text.h"

namespace zunobi::ui::qt {
namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

using testing::SampleForm;

class SampleWindow : public ::testing::Test {
 protected:
  template <class W = QWidget>
  W* widget(std::string_view control, int index = -1) {
    return dynamic_cast<W*>(window->widgetFor({std::string(control), index}));
  }
  ProgramView app;
  FormWindow* window = (SampleForm::add(app.registry), app.show("frmSample"));
  SampleForm& form = dynamic_cast<SampleForm&>(*window->form());
};

// Places in pixels at fifteen twips each; the form's changes reach the
// widgets and what a screen reader reads, an answer box read as its label.
TEST_F(SampleWindow, TheFormsChangesReachTheWidgetsAndTheScreenReader) {
  EXPECT_EQ(widget("cmdGo")->geometry(), QRect(200, 10, 97, 49));
  auto* label = widget<LabelWidget>("lblOut");
  EXPECT_EQ(label->caption(), QStringLiteral("一行目\n二行目"));  // CR LF is a line break
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
  // A window that lets go of its form is its view no longer.
  window->detach();
  EXPECT_EQ(form.view(), nullptr);
}

// Enter reaches the form from an answer box as 13, and presses a button.
TEST_F(SampleWindow, EnterReachesTheHandlerAsThirteenOrPressesTheButton) {
  auto* box = widget<QLineEdit>("txtAnswer");
  EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled));
  QTest::keyClicks(box, QStringLiteral("12"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(form.keys, (decltype(form.keys){{'1', ""}, {'2', "1"}, {13, "12"}}));
  EXPECT_EQ(box->text(), QStringLiteral("12"));  // Enter types nothing
  form.control("txtAnswer").setText("");
  EXPECT_TRUE(box->text().isEmpty());
  QTest::keyClick(widget("cmdGo"), Qt::Key_Return);
  QTest::keyClick(widget("cmdGo"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(form.clicks, 2);
}

// An option sits in its frame; a screen reader's toggle or press chooses it
// in the form, once the form shows it.
TEST_F(SampleWindow, AScreenReaderChoosesAnOptionItCanSee) {
  auto* pip1 = widget<QRadioButton>("optMe", 1);
  EXPECT_EQ(pip1->parentWidget(), widget("fraDie"));
  Control& option = form.control("optMe", 1);
  option.hide();
  accessible(pip1)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  QApplication::processEvents();
  EXPECT_FALSE(option.selected());
  option.show();
  accessible(pip1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QApplication::processEvents();
  EXPECT_TRUE(option.selected() && pip1->isChecked());
}

TEST_F(SampleWindow, ANewTimerIntervalTakesEffectAtOnceAndTheCloseBoxUnloads) {
  form.timer().setInterval(20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.ticks > 0; }, 2000));
  form.timer().setInterval(60000);
  const int ticks = form.ticks;
  QTest::qWait(200);
  EXPECT_EQ(form.ticks, ticks);
  window->close();
  QApplication::processEvents();
  EXPECT_TRUE(app.manager.ended());
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

// The form shows and renames a menu item; choosing an item reaches the form.
// (How the menu bar reads, the screen-reader test hears.)
TEST_F(MenuWindow, MenuItemsFollowTheFormAndReachIt) {
  QAccessibleInterface* bar = accessible(menu->menuWidget());
  ASSERT_TRUE(bar && bar->childCount() == 2);
  QAccessibleInterface* kankyo = bar->child(1);
  EXPECT_TRUE(kankyo->state().invisible);  // at every load
  form.control("mnuKankyo").show();
  EXPECT_FALSE(kankyo->state().invisible);
  form.control("mnuKankyo").setCaption("環境");
  EXPECT_EQ(kankyo->text(QAccessible::Name), QStringLiteral("環境"));
  menu->actionFor({"mnuHarumo"})->trigger();
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
  for (const bool alone : {true, false}) {
    QTest::keyPress(focused, Qt::Key_Alt, Qt::AltModifier);
    if (!alone) QTest::keyClick(focused, Qt::Key_X, Qt::AltModifier);
    QTest::keyRelease(focused, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_EQ(opened(), alone ? QStringLiteral("ハルモ") : QString());
  }
}

// The keys choose the size, by quarters up to twice the design, for the
// window and for every window opened after, as the drill a click opens.
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
  qobject_cast<QPushButton*>(menu->widgetFor(keisan.id()))->click();
  QApplication::processEvents();
  // It is on screen once the handler is over; its title follows the first paint.
  EXPECT_NE(view.manager.find("frm2Keisan")->view(), nullptr);
  FormWindow* drill = view.window("frm2Keisan");
  EXPECT_TRUE(drill->isVisible() && drill->percent() == 125);
  EXPECT_EQ(drill->client()->width(), toPixels(9945, 125));
  EXPECT_TRUE(QTest::qWaitFor([&] { return drill->windowTitle() == QStringLiteral("計算問題"); }));
}

// A window too big for the screen at the chosen size is drawn at the largest
// step at which it fits, and grows no further.
TEST(QtViewTest, AWindowTooBigForTheScreenIsDrawnAtTheLargestSizeThatFits) {
  choosePercent(kLargestPercent);
  ProgramView app;
  SampleForm::add(app.registry, 15000);  // 1000 pixels high at the design size
  FormWindow* window = app.show("frmSample");
  EXPECT_EQ(window->percent(), 150);
  EXPECT_EQ(window->widgetFor({"cmdGo"})->x(), toPixels(3000, 150));
  window->enlarge(1);
  EXPECT_EQ(window->percent(), 150);
  EXPECT_EQ(chosenPercent(), kLargestPercent);
  choosePercent(kDesignPercent);
}

// The project's picture decodes whole; bad data makes no picture and breaks nothing.
TEST(QtViewTest, JpegDecodingSurvivesBadData) {
  QFile file(QStringLiteral(":/zunobi/harumo.jpg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray jpeg = file.readAll();
  EXPECT_EQ(decodeJpeg(jpeg).size(), QSize(134, 76));
  for (const QByteArray& bad :
       {QByteArray(), QByteArray("not a picture at all"), jpeg.left(20), QByteArray(300, '\xff')})
    EXPECT_TRUE(decodeJpeg(bad).isNull()) << bad.size();
  // Cut short in the middle of the pixels: whatever comes out, nothing breaks.
  const QImage half = decodeJpeg(jpeg.left(jpeg.size() / 2));
  EXPECT_TRUE(half.isNull() || half.size() == QSize(134, 76));
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

QAccessible::Role roleOf(const Control& c) {
  using enum ControlKind;
  using R = QAccessible::Role;
  static const std::map<ControlKind, R> roles{
      {Label, R::StaticText},         {Button, R::Button},  {TextBox, R::EditableText},
      {OptionButton, R::RadioButton}, {Frame, R::Grouping}, {Picture, R::Graphic}};
  if (c.notice()) return QAccessible::Notification;
  return c.look() == Look::Picture ? QAccessible::Graphic : roles.at(c.kind());
}

// Each window of the program, as it is after its load. (The menu bar, the
// menu's alone, is read in the view's own tests.)
class EveryWindow : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { ASSERT_NE(window, nullptr); }
  void TearDown() override { choosePercent(kDesignPercent); }
  std::string where(const Control& c) const { return GetParam() + "." + c.id().text(); }
  ProgramView view;
  FormWindow* window = view.show(GetParam());
  Form* form = window ? window->form() : nullptr;
};

// Roles, names and states as the form declares them, and notices told anew;
// every caption has its glyphs in its own face.
TEST_P(EveryWindow, EachControlReadsWithTheFormsRoleNameAndState) {
  QAccessibleInterface* top = accessible(window);
  EXPECT_EQ(top->role(), QAccessible::Window);
  EXPECT_EQ(top->text(QAccessible::Name), qtText(form->caption()));
  std::vector<std::pair<std::string, Font>> texts{{form->caption(), Font{}}};
  for (const auto& c : form->controls()) {
    texts.emplace_back(c->kind() == ControlKind::Picture ? "" : c->caption(), c->font());
    if (c->kind() == ControlKind::Menu) continue;
    QAccessibleInterface* a = accessible(window->widgetFor(c->id()));
    ASSERT_NE(a, nullptr) << where(*c);
    const QAccessible::State state = a->state();
    const bool box = c->kind() == ControlKind::TextBox;  // read as its label: above
    EXPECT_EQ(a->role(), roleOf(*c)) << where(*c);
    EXPECT_EQ(a->text(box ? QAccessible::Value : QAccessible::Name),
              qtText(box ? c->text() : c->accessibleName()))
        << where(*c);
    EXPECT_TRUE(c->notice() || state.invisible == !form->showing(*c)) << where(*c);  // (below)
    EXPECT_TRUE(!box || form->has(c->labelledBy().name)) << where(*c) << " is named by no label";
    auto* picture = dynamic_cast<PictureWidget*>(window->widgetFor(c->id()));
    EXPECT_FALSE(picture && (picture->image().isNull() || c->accessibleName().empty()))
        << where(*c);
    EXPECT_TRUE(c->kind() != ControlKind::OptionButton ||
                (state.checkable && bool(state.checked) == c->selected()))
        << where(*c);
    // What a frame read as a picture holds is not things of its own.
    EXPECT_TRUE(c->look() != Look::Picture || a->childCount() == 0) << where(*c);
  }
  for (const auto& [text, font] : texts) {
    const QRawFont raw = QRawFont::fromFont(qtFont(font));
    for (uint ch : qtText(text).toUcs4())
      EXPECT_TRUE(ch == '\n' || ch == ' ' || raw.supportsCharacter(ch))
          << GetParam() << ": U+" << std::hex << ch << " missing in " << font.face;
  }
  // A notice that changes where it can be seen appears anew, which is what a
  // screen reader tells of a notification; an empty one is not shown.
  struct Shows : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      count += e->type() == QEvent::Show;
      return false;
    }
  };
  for (const auto& c : form->controls()) {
    if (!c->notice()) continue;
    QWidget* w = window->widgetFor(c->id());
    c->show();
    c->setCaption("");
    QApplication::processEvents();  // a notice is shown once the handler is over
    const bool showing = form->showing(*c);
    EXPECT_EQ(w->isVisible(), c->border() && showing) << where(*c);
    Shows shows;
    w->installEventFilter(&shows);
    for (const auto& [texts, told] : {std::pair{std::vector<std::string>{"○"}, true},
                                      {{"正解は　１２"}, true},
                                      {{"○", ""}, c->border()}}) {  // in one handler
      const int before = shows.count;
      for (const std::string& text : texts) c->setCaption(text);
      QApplication::processEvents();
      EXPECT_EQ(shows.count - before, int(told && showing)) << where(*c) << " " << texts[0];
      EXPECT_EQ(w->isVisible(), told && showing) << where(*c) << " " << texts[0];
    }
    w->removeEventFilter(&shows);
  }
}

// How far apart b and k times a are, in the place or size they differ most.
int apart(const QRect& b, const QRect& a, int k) {
  return std::max({std::abs(b.x() - k * a.x()), std::abs(b.y() - k * a.y()),
                   std::abs(b.width() - k * a.width()), std::abs(b.height() - k * a.height())});
}

// A label's or a button's caption as laid out, and the height it has.
std::pair<const WrappedText*, int> captionOf(QWidget* w) {
  if (auto* l = dynamic_cast<LabelWidget*>(w)) return {&l->layout(), l->contentsRect().height()};
  if (auto* b = dynamic_cast<CaptionButton*>(w)) return {&b->layout(), b->height() - 4};
  return {nullptr, 0};
}

QRect inTwips(const Control& c) {
  return {c.place().left, c.place().top, c.place().width, c.place().height};
}

// At each size what the window shows at load fits its boxes: no caption
// runs past the bottom of its label or button, frame captions fit their
// frame, and no caption breaks where it did not at the design size. At
// 200 % every place, size and font is twice as big, while the window's
// logic (whack-a-mole's layout too) works in twips as ever.
TEST_P(EveryWindow, AtEverySizeCaptionsFitAndTwiceIsTwiceAsBig) {
  for (int percent : {kDesignPercent, 150, kLargestPercent}) {
    choosePercent(percent);
    ProgramView enlarged;
    FormWindow* big = enlarged.show(GetParam());
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->percent(), percent) << GetParam();
    const bool twice = percent == kLargestPercent;
    EXPECT_TRUE(!twice || apart(big->client()->rect(), window->client()->rect(), 2) <= 1);
    for (const auto& c : big->form()->controls()) {
      QWidget* w = big->widgetFor(c->id());
      QWidget* small = window->widgetFor(c->id());
      const std::string at = where(*c) + " \"" + c->caption() + "\" at " + std::to_string(percent);
      if (const auto [text, room] = captionOf(w); text) {
        EXPECT_LE(text->height(), room) << at;
        EXPECT_EQ(text->lineCount(), captionOf(small).first->lineCount()) << at;
        // A short caption on a button is never broken in two.
        EXPECT_TRUE(c->kind() != ControlKind::Button || c->caption().size() > 8 * 3 ||
                    text->lineCount() == 1)
            << at;
      } else if (auto* f = dynamic_cast<FrameWidget*>(w)) {
        EXPECT_LE(f->captionWidth(), f->width() - 8) << at;
      }
      if (!w || !twice) continue;
      EXPECT_TRUE(apart(w->geometry(), small->geometry(), 2) <= 1 &&
                  std::abs(w->font().pixelSize() - 2 * small->font().pixelSize()) <= 1)
          << at;
      EXPECT_LE(apart(inTwips(*c), inTwips(form->control(c->name(), c->index())), 1),
                kTwipsPerPixel)
          << at;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow, ::testing::ValuesIn(app::formRegistry().names()));

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
