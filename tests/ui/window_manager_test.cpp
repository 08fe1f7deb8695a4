#include "ui/window_manager.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "ui/controls.h"
#include "ui/testing.h"

namespace zunobi::ui {
namespace {

// Windows "a" and "b" that count their loads and unloads and can go to
// each other: back (show, then unload) or in a transition (unload first).
struct Fixture : WindowHost {
  Fixture() {
    for (std::string name : {"a", "b"})
      registry.add(name, [this, name](Services& s) { return probe(s, name); });
    manager.setHost(this);
  }
  std::shared_ptr<Form> probe(Services& s, const std::string& name) {
    struct Probe final : Form {
      Probe(Services& s, std::string name, Fixture& f)
          : Form(s, name, {button("cmdNext", "", {}), button("cmdSwap", "", {})}), f(f) {
        const std::string other = name == "a" ? "b" : "a";
        onClick("cmdNext", [this, other] {
          navigator().show(other);
          navigator().unload(*this);
        });
        onClick("cmdSwap", [this, other] {
          navigator().beginTransition();
          navigator().unload(*this);
          navigator().show(other);
          navigator().endTransition();
        });
      }
      void onLoad() override { ++f.loads[name()]; }
      void onUnload() override { ++f.unloads[name()]; }
      Fixture& f;
    };
    return std::make_shared<Probe>(s, name, *this);
  }
  void formShown(Form& f) override { events.push_back("shown " + f.name()); }
  void formUnloaded(Form& f) override { events.push_back("unloaded " + f.name()); }
  void programEnded() override { events.push_back("ended"); }
  std::vector<std::string> loaded() const { return manager.loadedNames(); }

  std::map<std::string, int> loads, unloads;
  std::vector<std::string> events;
  FormRegistry registry;
  testing::FakeClock clock;
  testing::ScriptedRandom random;
  testing::RecordingMessageBox box;
  WindowManager manager{registry, clock, random, box};
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

TEST(WindowManagerTest, ShowLoadsOnceAndNavigatingAwayReloadsAFreshWindow) {
  Fixture f;
  f.manager.show("a");
  f.manager.show("a");
  EXPECT_EQ(f.loads["a"], 1);
  EXPECT_EQ(f.events, (std::vector<std::string>{"shown a", "shown a"}));
  EXPECT_THROW(f.manager.show("nope"), std::invalid_argument);
  f.manager.find("a")->click("cmdNext");
  EXPECT_EQ(f.loaded(), std::vector<std::string>{"b"});
  f.manager.find("b")->click("cmdNext");
  EXPECT_EQ(f.loaded(), std::vector<std::string>{"a"});
  EXPECT_EQ(f.loads["a"], 2);
  EXPECT_FALSE(f.manager.ended());
}

TEST(WindowManagerTest, TheProgramEndsWithItsLastWindow) {
  Fixture f;
  f.manager.show("a");
  f.manager.show("b");
  f.manager.find("a")->close();
  EXPECT_FALSE(f.manager.ended());
  f.manager.find("b")->close();
  EXPECT_TRUE(f.manager.ended());
  EXPECT_EQ(f.events.back(), "ended");
  // Nothing is shown once the program has ended.
  f.manager.show("a");
  EXPECT_TRUE(f.loaded().empty());

  // Ending it unloads every window.
  Fixture g;
  g.manager.show("a");
  g.manager.show("b");
  g.manager.endProgram();
  EXPECT_TRUE(g.loaded().empty());
  EXPECT_EQ(g.events,
            (std::vector<std::string>{"shown a", "shown b", "unloaded a", "unloaded b", "ended"}));
}

// The program ends when a transition leaves no window, not in the middle of it.
TEST(WindowManagerTest, ATransitionEndsTheProgramOnlyIfItLeavesNoWindow) {
  Fixture f;
  f.manager.show("a");
  f.manager.find("a")->click("cmdSwap");
  EXPECT_FALSE(f.manager.ended());
  EXPECT_EQ(f.loaded(), std::vector<std::string>{"b"});
  f.manager.beginTransition();
  f.manager.find("b")->close();
  EXPECT_FALSE(f.manager.ended());
  f.manager.endTransition();
  EXPECT_TRUE(f.manager.ended());
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
    EXPECT_EQ(f.unloads["a"], 0);
    way.unload(f);
    EXPECT_EQ(f.unloads["a"], 1);
    f.manager.endProgram();
    EXPECT_EQ(f.unloads["a"], 1);
  }
}

}  // namespace
}  // namespace zunobi::ui
