// Every window of the program in the real view: what assistive technology
// reads of it, and how it is drawn at the design size and enlarged.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QRawFont>
#include <QScreen>
#include <map>
#include <optional>

#include "program_view.h"
#include "ui/qt/enlargement.h"
#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

QAccessible::Role roleOf(const Control& c) {
  static const std::map<ControlKind, QAccessible::Role> roles{
      {ControlKind::Label, QAccessible::StaticText},
      {ControlKind::Button, QAccessible::Button},
      {ControlKind::TextBox, QAccessible::EditableText},
      {ControlKind::OptionButton, QAccessible::RadioButton},
      {ControlKind::Frame, QAccessible::Grouping},
      {ControlKind::Picture, QAccessible::Graphic}};
  if (c.notice()) return QAccessible::Notification;
  return c.look() == Look::Picture ? QAccessible::Graphic : roles.at(c.kind());
}

// Each window of the program, as it is after its load. (The menu bar, the
// menu's alone, is read in the view's own tests.)
class EveryWindow : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { open(kDesignPercent); }
  void TearDown() override { choosePercent(kDesignPercent); }
  void open(int percent) {
    choosePercent(percent);
    view.reset();
    window = view.emplace().show(GetParam());
    ASSERT_NE(window, nullptr);
    form = window->form();
  }
  std::string where(const Control& c) const { return GetParam() + "." + c.id().text(); }
  std::optional<ProgramView> view;
  FormWindow* window = nullptr;
  Form* form = nullptr;
};

// Roles, names and states as the form declares them; every caption has its
// glyphs in its own face.
TEST_P(EveryWindow, EachControlReadsWithTheFormsRoleNameAndState) {
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
  EXPECT_EQ(top->role(), QAccessible::Window);
  EXPECT_EQ(top->text(QAccessible::Name), qtText(form->caption()));
  std::vector<std::pair<std::string, Font>> texts{{form->caption(), Font{}}};
  for (const auto& c : form->controls()) {
    texts.emplace_back(c->kind() == ControlKind::Picture ? "" : c->caption(), c->font());
    if (c->kind() == ControlKind::Menu) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window->widgetFor(c->id()));
    ASSERT_NE(a, nullptr) << where(*c);
    EXPECT_EQ(a->role(), roleOf(*c)) << where(*c);
    const QAccessible::State state = a->state();
    EXPECT_TRUE(c->notice() || state.invisible == !form->showing(*c)) << where(*c);  // (below)
    if (c->kind() == ControlKind::TextBox) {
      EXPECT_EQ(a->text(QAccessible::Value), qtText(c->text())) << where(*c);
      EXPECT_TRUE(form->has(c->labelledBy().name)) << where(*c) << " is named by no label";
    } else {
      EXPECT_EQ(a->text(QAccessible::Name), qtText(c->accessibleName())) << where(*c);
      EXPECT_FALSE(c->kind() == ControlKind::Picture && c->accessibleName().empty()) << where(*c);
    }
    if (c->kind() == ControlKind::OptionButton) {
      EXPECT_TRUE(state.checkable && bool(state.checked) == c->selected()) << where(*c);
    }
    // What a frame read as a picture holds is not things of its own.
    EXPECT_TRUE(c->look() != Look::Picture || a->childCount() == 0) << where(*c);
  }
  for (const auto& [text, font] : texts) {
    const QRawFont raw = QRawFont::fromFont(qtFont(font));
    for (uint ch : qtText(text).toUcs4())
      EXPECT_TRUE(ch == '\n' || ch == ' ' || raw.supportsCharacter(ch))
          << GetParam() << ": U+" << std::hex << ch << " missing in " << font.face;
  }
}

// A notice that changes where it can be seen appears anew, which is what a
// screen reader tells of a notification; an empty one is not shown.
TEST_P(EveryWindow, ANoticeAppearsAnewWhenItChanges) {
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

struct Drawn {
  QRect rect;
  int fontPixels = 0;
  int lines = 0;
  QRect place;  // the form's, in twips
};

// How far apart b and k times a are, in the place or size they differ most.
int apart(const QRect& b, const QRect& a, int k) {
  return std::max({std::abs(b.x() - k * a.x()), std::abs(b.y() - k * a.y()),
                   std::abs(b.width() - k * a.width()), std::abs(b.height() - k * a.height())});
}

// At each size the window is centred, and what it shows at load fits its
// boxes: no caption runs past the bottom of its label or button, frame
// captions fit their frame, and no caption breaks where it did not at the
// design size. At 200 % every place, size and font is twice as big, while
// the window's logic (whack-a-mole's layout too) works in twips as ever.
TEST_P(EveryWindow, AtEverySizeCaptionsFitAndTwiceIsTwiceAsBig) {
  std::map<int, std::map<ControlId, Drawn>> drawn;
  std::map<int, QSize> client;
  for (int percent : {kDesignPercent, 150, kLargestPercent}) {
    open(percent);
    if (!window) return;
    EXPECT_EQ(window->percent(), percent) << GetParam();
    client[percent] = window->client()->size();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint off = window->frameGeometry().center() - screen.center();
    EXPECT_LE(off.manhattanLength(), 4) << GetParam() << " is not centred at " << percent;
    for (const auto& c : form->controls()) {
      QWidget* w = window->widgetFor(c->id());
      if (!w) continue;
      const Rect& p = c->place();
      Drawn& d = drawn[percent][c->id()] = {w->geometry(), w->font().pixelSize(), 0,
                                            QRect(p.left, p.top, p.width, p.height)};
      const std::string at = where(*c) + " \"" + c->caption() + "\" at " + std::to_string(percent);
      if (auto* l = dynamic_cast<LabelWidget*>(w)) {
        d.lines = l->layout().lineCount();
        EXPECT_LE(l->layout().height(), l->contentsRect().height()) << at;
      } else if (auto* b = dynamic_cast<CaptionButton*>(w)) {
        d.lines = b->layout().lineCount();
        EXPECT_LE(b->layout().height(), b->height() - 4) << at;
        // A short caption is never broken in two.
        EXPECT_TRUE(c->caption().size() > 8 * 3 || d.lines == 1) << at;
      } else if (auto* f = dynamic_cast<FrameWidget*>(w)) {
        EXPECT_LE(f->captionWidth(), f->width() - 8) << at;
      }
      EXPECT_EQ(d.lines, drawn[kDesignPercent][c->id()].lines) << at << " than at the design size";
    }
  }
  EXPECT_LE(apart(QRect({}, client[kLargestPercent]), QRect({}, client[kDesignPercent]), 2), 1)
      << GetParam();
  for (const auto& [id, a] : drawn[kDesignPercent]) {
    const Drawn& b = drawn[kLargestPercent][id];
    EXPECT_TRUE(apart(b.rect, a.rect, 2) <= 1 && std::abs(b.fontPixels - 2 * a.fontPixels) <= 1)
        << GetParam() << "." << id.text();
    EXPECT_LE(apart(b.place, a.place, 1), kTwipsPerPixel) << GetParam() << "." << id.text();
  }
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow, ::testing::ValuesIn(app::formRegistry().names()));

}  // namespace
}  // namespace zunobi::ui::qt
