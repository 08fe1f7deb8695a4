// The soak through the real windows: the program's own view on Qt's
// offscreen platform, its timers on a clock that moves only when told, the
// user's input sent to the widgets themselves (mouse, keys, input method,
// the close box, the accessibility interface), and after every action the
// check that the view shows what the forms hold, and that memory and the
// count of live objects stay flat.
#pragma once

#include <QApplication>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "soak/data_sets.h"
#include "soak/soak.h"

namespace zunobi::ui::qt {
class FormWindow;
class QtHost;
}  // namespace zunobi::ui::qt

namespace zunobi::soak {

class VirtualTime;

// Live QObjects of the program, counted through Qt's hooks for tools from
// the moment countQObjects() ran (before the application object).
void countQObjects();
std::int64_t liveQObjects();
// The program's resident memory, in bytes.
std::int64_t residentBytes();

struct ViewFigures {
  std::int64_t rssStart = 0, rssBaseline = 0, rssEnd = 0;
  // Actions done when the baseline was taken (after the first visit of
  // every window, and ten thousand actions); 0 while not taken.
  std::uint64_t baselineAt = 0;
  std::int64_t objectsStart = 0, objectsEnd = 0;
  // Live objects besides the spare windows, and resident memory, with the
  // menu alone on screen, read a while, once the allocator has given back
  // what it keeps free: the most before the baseline, and the most since.
  struct Rest {
    std::int64_t objects = 0, rss = 0;
  };
  Rest restBefore, restAfter;
  std::uint64_t viewActions = 0;  // those of the view alone (keys, accessibility, …)
  std::uint64_t qtWarnings = 0;
};

class ViewHands final : public Hands {
 public:
  explicit ViewHands(VirtualTime& time);
  ~ViewHands() override;

  void join(const Soak& soak) override;
  void started(ui::WindowManager& manager) override;
  void click(ui::Form& f, const ui::ControlId& id) override;
  void type(ui::Form& f, const ui::ControlId& id, const std::string& text) override;
  void setText(ui::Form& f, const ui::ControlId& id, const std::string& text) override;
  void enter(ui::Form& f, const ui::ControlId& id) override;
  void closeBox(ui::Form& f) override;
  void shortcut(ui::Form& f, std::string_view keys) override;
  void resize(ui::Form& f, std::int32_t width, std::int32_t height) override;
  void pass(ui::Form& f, std::int64_t ms) override;
  void readMenu(const ui::FormRegistry& registry) override;
  bool more(ui::WindowManager& manager) override;
  std::string check(ui::WindowManager& manager, const SoakReport& report) override;

  // At the end of the run: the last figures.
  void finish();
  const ViewFigures& figures() const { return figures_; }
  ViewFigures& figures() { return figures_; }

 private:
  ui::qt::FormWindow* windowOf(const ui::Form& f);
  ui::qt::FormWindow* someWindow() const;
  // The window comes to the front, as a click on it brings it.
  void activate(ui::qt::FormWindow* w);
  void clickAt(ui::qt::FormWindow* w, QPoint inWindow);
  void clickWidget(ui::qt::FormWindow* w, QWidget* widget);
  void clickMenu(ui::qt::FormWindow* w, const ui::ControlId& id);
  void key(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Into the window of `f` while it stays on screen.
  void typeInto(const ui::Form& f, ui::qt::FormWindow* w, const QString& text);
  void viewKeys(ui::qt::FormWindow* w);
  void accessibleAction(ui::qt::FormWindow* w);
  void settleOrFail();
  std::string agrees(const ui::WindowManager& manager) const;
  std::string memory(const SoakReport& report);
  unsigned roll(unsigned n) { return static_cast<unsigned>(soak_->pick() % n); }

  VirtualTime& time_;
  ui::WindowManager* manager_ = nullptr;
  std::unique_ptr<ui::qt::QtHost> host_;
  ui::DateTime start_;
  std::string stuck_;
  ViewFigures figures_;
};

// The application on the offscreen platform with a screen of its own, the
// dispatcher of virtual time, and the hands: what `zunobi-soak --view` runs
// with.
class ViewSoak {
 public:
  ViewSoak(int& argc, char** argv);
  ~ViewSoak();
  ViewHands& hands() { return *hands_; }

 private:
  ScratchFolder screen_{"zunobi-soak-screen"};
  VirtualTime* time_;  // the application's
  std::unique_ptr<QApplication> app_;
  std::unique_ptr<ViewHands> hands_;
};

}  // namespace zunobi::soak
