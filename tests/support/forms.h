// What a user sees of a window, and a drill window under test with the fake
// clock and the scripted random source.
#pragma once

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/testing.h"

namespace zunobi::ui::testing {

// Controls on screen: visible themselves and inside visible frames.
inline std::set<std::string> onScreen(const Form& form) {
  std::set<std::string> shown;
  for (const auto& c : form.controls())
    if (form.showing(*c)) shown.insert(c->id().text());
  return shown;
}

inline std::set<std::string> names(std::initializer_list<std::set<std::string>> groups) {
  std::set<std::string> all;
  for (const auto& g : groups) all.insert(g.begin(), g.end());
  return all;
}

// The controls that do not lie wholly inside their frame, or inside the
// client area when they have none; a menu has no place.
inline std::vector<std::string> controlsOutside(const Form& form) {
  std::vector<std::string> outside;
  for (const auto& c : form.controls()) {
    if (c->kind() == ControlKind::Menu) continue;
    Rect outer{0, 0, form.clientWidth(), form.clientHeight()};
    if (!c->parent().name.empty())
      outer = form.control(c->parent().name, c->parent().index).place();
    const Rect& r = c->place();
    if (r.left < 0 || r.top < 0 || r.width <= 0 || r.height <= 0 ||
        r.left + r.width > outer.width || r.top + r.height > outer.height)
      outside.push_back(c->id().text());
  }
  return outside;
}

// Builds the window without loading it, so a test can script the draws
// and the files its load reads first.
inline constexpr struct LoadLater {
} kLoadLater;

// A window built on the test doubles and loaded, as the menu would open it.
template <class Window>
struct WindowFixture {
  TestServices t;
  std::shared_ptr<Window> w;

  template <class... Args>
  explicit WindowFixture(Args&&... args) : WindowFixture(kLoadLater, std::forward<Args>(args)...) {
    w->load();
  }
  template <class... Args>
  explicit WindowFixture(LoadLater, Args&&... args)
      : w(std::make_shared<Window>(t.services, std::forward<Args>(args)...)) {}
  std::string caption(std::string_view name, int index = -1) const {
    return w->control(name, index).caption();
  }
  bool showing(std::string_view name, int index = -1) const {
    return w->showing(w->control(name, index));
  }
  void answer(std::string_view typed, std::string_view box = "txtAnswer") {
    w->type(box, typed);
    w->pressEnter(box);
  }
};

}  // namespace zunobi::ui::testing
