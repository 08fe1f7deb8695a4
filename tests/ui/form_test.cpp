#include "ui/form.h"

#include <gtest/gtest.h>

#include "support/sample_form.h"
#include "ui/testing.h"

namespace zunobi::ui {
namespace {

class RecordingView final : public FormView {
 public:
  void controlChanged(const Control& c, Property p) override {
    changes.push_back(c.id().text() + ":" + std::to_string(static_cast<int>(p)));
  }
  void formChanged(const Form&, FormProperty p) override {
    changes.push_back("form:" + std::to_string(static_cast<int>(p)));
  }
  std::vector<std::string> changes;
};

struct FormTest : ::testing::Test {
  testing::TestServices t;
  std::shared_ptr<testing::SampleForm> f = std::make_shared<testing::SampleForm>(t.services);
};

TEST_F(FormTest, OptionButtonsAreExclusiveWithinTheirFrameOnly) {
  f->click("optA", 0);
  f->click("optMe", 1);
  f->click("optA", 1);
  EXPECT_FALSE(f->control("optA", 0).selected());
  EXPECT_TRUE(f->control("optA", 1).selected());
  EXPECT_FALSE(f->control("optMe", 0).selected());
  EXPECT_TRUE(f->control("optMe", 1).selected());
}

TEST_F(FormTest, HiddenControlsTakeNoInput) {
  f->control("cmdGo").hide();
  f->click("cmdGo");
  f->control("txtAnswer").hide();
  f->pressEnter("txtAnswer");
  EXPECT_EQ(f->clicks, 0);
  EXPECT_TRUE(f->keys.empty());
  // Inside a hidden frame an option cannot be picked either.
  f->control("fraA").hide();
  f->click("optA", 1);
  EXPECT_FALSE(f->control("optA", 1).selected());
  EXPECT_FALSE(f->showing(f->control("optA", 1)));
}

TEST_F(FormTest, ArraysTypingKeysAndTheTimer) {
  f->click("cmdArr", 1);
  f->click("cmdArr", 0);
  EXPECT_EQ(f->arrayClicks, (std::vector<int>{1, 0}));
  EXPECT_THROW(f->control("cmdArr", 2), std::out_of_range);
  EXPECT_THROW(f->control("cmdArr"), std::out_of_range);
  f->type("txtAnswer", "1");
  f->type("txtAnswer", "２");
  f->pressEnter("txtAnswer");
  EXPECT_EQ(f->control("txtAnswer").text(), "1２");
  EXPECT_EQ(f->keys, (decltype(f->keys){{13, "1２"}}));
  // The timer ticks only while it runs with an interval.
  f->tick();
  f->timer().setInterval(1000);
  f->tick();
  f->timer().setEnabled(false);
  f->tick();
  EXPECT_EQ(f->ticks, 1);
}

TEST_F(FormTest, ViewHearsOnlyRealChanges) {
  RecordingView view;
  f->setView(&view);
  f->control("lblOut").setCaption("x");
  f->control("lblOut").setCaption("x");
  f->control("lblOut").hide();
  f->control("lblOut").hide();
  f->setCaption("t");
  f->timer().setInterval(1000);
  f->control("lblOut").setAccessibleName("y");
  f->control("lblOut").setAccessibleName("y");
  EXPECT_EQ(view.changes,
            (std::vector<std::string>{"lblOut:0", "lblOut:1", "form:0", "form:2", "lblOut:6"}));
}

TEST_F(FormTest, DuplicateControlsFocusAndDefaultTabOrder) {
  EXPECT_THROW(Form(t.services, "frmBad", {label("lblA", "", {}), label("lblA", "", {})}),
               std::logic_error);
  EXPECT_EQ(f->focused(), nullptr);
  f->control("txtAnswer").setFocus();
  EXPECT_TRUE(f->control("txtAnswer").hasFocus());
  std::vector<std::string> order;
  for (const auto& id : f->tabOrder()) order.push_back(id.text());
  EXPECT_EQ(order, (std::vector<std::string>{"txtAnswer", "cmdGo", "cmdArr(0)", "cmdArr(1)"}));
}

}  // namespace
}  // namespace zunobi::ui
