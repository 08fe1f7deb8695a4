// A form of one of everything, made up for a test: an answer box named by a
// label, a frame drawn as a picture and one with a caption, each holding
// options, a button and a button array; it counts what reaches its handlers.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/window_manager.h"

namespace zunobi::ui::testing {

class SampleForm final : public Form {
 public:
  explicit SampleForm(Services& s, int height = 4500)
      : Form(s, "frmSample",
             {label("lblOut", "一行目\r\n二行目", {150, 150, 3000, 600}).colour(colours::DarkRed),
              textBox("txtAnswer", {150, 900, 1500, 450})
                  .input(InputKind::Digits)
                  .labelledBy("lblOut"),
              frame("fraDie", "", {150, 1500, 1455, 1575}).look(Look::Picture),
              option("optMe", 0, "", {120, 240, 255, 255}).in("fraDie").look(Look::Pip),
              option("optMe", 1, "", {600, 240, 255, 255}).in("fraDie").look(Look::Pip),
              frame("fraA", "A", {1800, 1500, 1455, 1575}),
              option("optA", 0, "a0", {100, 240, 900, 255}).in("fraA"),
              option("optA", 1, "a1", {100, 600, 900, 255}).in("fraA"),
              button("cmdGo", "別のじゃんけんをする", {3000, 150, 1455, 735}),
              button("cmdArr", 0, "0", {3600, 1500, 500, 500}),
              button("cmdArr", 1, "1", {4200, 1500, 500, 500})}) {
    setCaption("試験");
    setClientSize(6000, height);
    onKeyPress("txtAnswer",
               [this](int key) { keys.emplace_back(key, control("txtAnswer").text()); });
    onClick("cmdGo", [this] { ++clicks; });
    onClick("cmdArr", [this](int i) { arrayClicks.push_back(i); });
    onTick([this] { ++ticks; });
  }
  // Registered, of the given height in twips.
  static void add(FormRegistry& registry, int height = 4500) {
    registry.add("frmSample", [=](Services& s) { return std::make_shared<SampleForm>(s, height); });
  }
  std::vector<std::pair<int, std::string>> keys;  // and the text as the key came
  std::vector<int> arrayClicks;
  int clicks = 0;
  int ticks = 0;
};

}  // namespace zunobi::ui::testing
