#include "ui/window_manager.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/controls.h"
#include "ui/testing.h"

namespace zunobi::ui {
namespace {

// A window that counts its loads and can navigate from its handlers.
class Probe final : public Form {
 public:
  Probe(Services& s, std::string name, int& loads, int* unloads = nullptr)
      : Form(s, std::move(name), {button("cmdNext", "", {}), button("cmdSwap", "", {})}),
        loads_(loads),
        unloads_(unloads) {
    onClick("cmdNext", [this] {
      navigator().show(this->name() == "a" ? "b" : "a");
      navigator().unload(*this);
    });
    onClick("cmdSwap", [this] {
      navigator().beginTransition();
      navigator().unload(*this);
      navigator().show(this->name() == "a" ? "b" : "a");
      navigator().endTransition();
    });
  }

 private:
  void onLoad() override { ++loads_; }
  void onUnload() override {
    if (unloads_) ++*unloads_;
  }
  int& loads_;
  int* unloads_;
};

class Host final : public WindowHost {
 public:
  void formShown(Form& f) override { events.push_back("shown " + f.name()); }
  void formUnloaded(Form& f) override { events.push_back("unloaded " + f.name()); }
  void programEnded() override { events.push_back("ended"); }
  std::vector<std::string> events;
};

struct Fixture {
  Fixture() {
    registry.add(
        "a", [this](Services& s) { return std::make_shared<Probe>(s, "a", loadsA, &unloadsA); });
    registry.add("b", [this](Services& s) { return std::make_shared<Probe>(s, "b", loadsB); });
    manager.setHost(&host);
  }
  int loadsA = 0, loadsB = 0, unloadsA = 0;
  FormRegistry registry;
  testing::FakeClock clock;
  testing::ScriptedRandom random;
  testing::RecordingMessageBox box;
  WindowManager manager{registry, clock, random, box};
  Host host;
};

TEST(WindowManagerTest, PreparationsRunEachOnceAndAFailureStopsNoOther) {
  FormRegistry registry;
  std::vector<std::string> ran;
  auto none = [](Services&) -> std::shared_ptr<Form> { return nullptr; };
  registry.add("plain", none);
  registry.add("failing", none, [&] {
    ran.push_back("failing");
    throw std::runtime_error("no file");
  });
  registry.add("reading", none, [&] { ran.push_back("reading"); });
  registry.prepareAll();
  EXPECT_EQ(ran, (std::vector<std::string>{"failing", "reading"}));
}

TEST(WindowManagerTest, ShowLoadsOnceAndBringsForwardAfterwards) {
  Fixture f;
  f.manager.show("a");
  f.manager.show("a");
  EXPECT_EQ(f.loadsA, 1);
  EXPECT_EQ(f.host.events, (std::vector<std::string>{"shown a", "shown a"}));
  EXPECT_THROW(f.manager.show("nope"), std::invalid_argument);
}

TEST(WindowManagerTest, NavigatingAwayReloadsAFreshWindow) {
  Fixture f;
  f.manager.show("a");
  f.manager.find("a")->click("cmdNext");
  EXPECT_EQ(f.manager.loadedNames(), std::vector<std::string>{"b"});
  f.manager.find("b")->click("cmdNext");
  EXPECT_EQ(f.manager.loadedNames(), std::vector<std::string>{"a"});
  EXPECT_EQ(f.loadsA, 2);
  EXPECT_FALSE(f.manager.ended());
}

TEST(WindowManagerTest, UnloadingTheLastWindowEndsTheProgram) {
  Fixture f;
  f.manager.show("a");
  f.manager.show("b");
  f.manager.find("a")->close();
  EXPECT_FALSE(f.manager.ended());
  f.manager.find("b")->close();
  EXPECT_TRUE(f.manager.ended());
  EXPECT_EQ(f.host.events.back(), "ended");
  // Nothing is shown once the program has ended.
  f.manager.show("a");
  EXPECT_TRUE(f.manager.loadedNames().empty());
}

TEST(WindowManagerTest, UnloadBeforeShowWithinATransitionKeepsTheProgram) {
  Fixture f;
  f.manager.show("a");
  f.manager.find("a")->click("cmdSwap");
  EXPECT_FALSE(f.manager.ended());
  EXPECT_EQ(f.manager.loadedNames(), std::vector<std::string>{"b"});
}

TEST(WindowManagerTest, EndProgramUnloadsEverything) {
  Fixture f;
  f.manager.show("a");
  f.manager.show("b");
  f.manager.endProgram();
  EXPECT_TRUE(f.manager.loadedNames().empty());
  EXPECT_EQ(f.host.events,
            (std::vector<std::string>{"shown a", "shown b", "unloaded a", "unloaded b", "ended"}));
}

// However a window goes, its unload event runs once, so it can let go of
// what it holds open.
TEST(WindowManagerTest, EveryWayOfUnloadingRaisesTheUnloadEventOnce) {
  const struct {
    const char* how;
    void (*unload)(Fixture&);
  } kWays[] = {
      {"back", [](Fixture& f) { f.manager.find("a")->click("cmdNext"); }},
      {"transition", [](Fixture& f) { f.manager.find("a")->click("cmdSwap"); }},
      {"close box", [](Fixture& f) { f.manager.find("a")->close(); }},
      {"end of the program", [](Fixture& f) { f.manager.endProgram(); }},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.how);
    Fixture f;
    f.manager.show("a");
    EXPECT_EQ(f.unloadsA, 0);
    way.unload(f);
    EXPECT_EQ(f.unloadsA, 1);
    f.manager.endProgram();
    EXPECT_EQ(f.unloadsA, 1);
  }
}

}  // namespace
}  // namespace zunobi::ui
