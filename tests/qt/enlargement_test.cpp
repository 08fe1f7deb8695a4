// Enlargement: every window, every place, size and font, twice as big at
// 200 %, chosen with the keys for the rest of the run; the forms keep their
// twips.
#include "ui/qt/enlargement.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <map>

#include "program_view.h"
#include "ui/qt/widgets.h"

namespace zunobi::ui::qt {
namespace {

struct Drawn {
  QRect rect;
  int fontPixels = 0;
  Rect place;  // the form's, in twips
};

std::map<ControlId, Drawn> drawnAt(int percent, const std::string& name, QSize* client) {
  choosePercent(percent);
  ProgramView view;
  FormWindow* window = view.show(name);
  std::map<ControlId, Drawn> drawn;
  if (!window) return drawn;
  EXPECT_EQ(window->percent(), percent) << name;
  *client = window->client()->size();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint off = window->frameGeometry().center() - screen.center();
  EXPECT_TRUE(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2)
      << name << " is not centred at " << percent << " %";
  for (const auto& c : window->form()->controls())
    if (QWidget* w = window->widgetFor(c->id()))
      drawn[c->id()] = {w->geometry(), w->font().pixelSize(), c->place()};
  return drawn;
}

bool near(int twice, int once) { return std::abs(twice - 2 * once) <= 1; }

class Enlargement : public ::testing::TestWithParam<std::string> {
 protected:
  void TearDown() override { choosePercent(kDesignPercent); }
};

TEST_P(Enlargement, AtTwoHundredPercentEverythingIsTwiceAsBig) {
  QSize small, big;
  const auto once = drawnAt(100, GetParam(), &small);
  const auto twice = drawnAt(200, GetParam(), &big);
  ASSERT_FALSE(once.empty());
  EXPECT_TRUE(near(big.width(), small.width()) && near(big.height(), small.height()))
      << GetParam() << ": client " << big.width() << "x" << big.height();
  for (const auto& [id, a] : once) {
    const Drawn& b = twice.at(id);
    const std::string where = GetParam() + "." + id.text();
    EXPECT_TRUE(near(b.rect.x(), a.rect.x()) && near(b.rect.y(), a.rect.y()) &&
                near(b.rect.width(), a.rect.width()) && near(b.rect.height(), a.rect.height()))
        << where << ": " << a.rect.x() << "," << a.rect.y() << " " << a.rect.width() << "x"
        << a.rect.height() << " became " << b.rect.x() << "," << b.rect.y() << " " << b.rect.width()
        << "x" << b.rect.height();
    EXPECT_TRUE(near(b.fontPixels, a.fontPixels))
        << where << ": font " << a.fontPixels << " px became " << b.fontPixels;
    // The window's logic (whack-a-mole's layout too) works in twips as ever.
    EXPECT_LE(std::abs(b.place.left - a.place.left) + std::abs(b.place.top - a.place.top) +
                  std::abs(b.place.width - a.place.width) +
                  std::abs(b.place.height - a.place.height),
              4 * kTwipsPerPixel)
        << where;
  }
}

INSTANTIATE_TEST_SUITE_P(Program, Enlargement, ::testing::ValuesIn(app::formRegistry().names()));

// The keys choose the size for the window and for every window opened after.
TEST(EnlargementKeys, StepByQuarterUpToTwiceAndBackForTheWholeRun) {
  ProgramView view;
  FormWindow* menu = view.show("frm1Main");
  menu->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int percent;
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  for (const Step& s :
       {Step{Qt::Key_Plus, ctrl | Qt::ShiftModifier, 125}, Step{Qt::Key_Semicolon, ctrl, 150},
        Step{Qt::Key_Equal, ctrl, 175}, Step{Qt::Key_Plus, ctrl | Qt::KeypadModifier, 200},
        Step{Qt::Key_Plus, ctrl, 200},  // the largest step
        Step{Qt::Key_Minus, ctrl, 175}, Step{Qt::Key_0, ctrl, 100},
        Step{Qt::Key_Minus, ctrl, 100},  // never below the design
        Step{Qt::Key_Plus, ctrl, 125}}) {
    QTest::keyClick(menu->focusWidget(), s.key, s.modifiers);
    EXPECT_EQ(menu->percent(), s.percent) << "key " << s.key;
    EXPECT_EQ(chosenPercent(), s.percent);
  }
  // The drill opened next is drawn at the chosen size; the menu's twips are
  // as they were.
  EXPECT_EQ(view.manager.find("frm1Main")->clientWidth(), 15510);
  view.manager.find("frm1Main")->click("cmdKeisan");
  QApplication::processEvents();
  FormWindow* drill = view.host.windowFor(*view.manager.find("frm2Keisan"));
  ASSERT_NE(drill, nullptr);
  EXPECT_EQ(drill->percent(), 125);
  EXPECT_EQ(drill->client()->width(), toPixels(9945, 125));
  choosePercent(kDesignPercent);
}

}  // namespace
}  // namespace zunobi::ui::qt
