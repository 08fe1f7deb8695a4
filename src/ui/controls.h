// Short constructors for the rows of a window's control table:
//   label("lblKekka", "", {7320, 2160, 2775, 1335}).bold(14.25).colour(colours::DarkRed)
#pragma once

#include <string_view>

#include "ui/form.h"

namespace zunobi::ui {

class Row {
 public:
  Row(ControlKind kind, std::string_view name, int index, std::string_view caption, Rect place) {
    spec_.id = {std::string(name), index};
    spec_.kind = kind;
    spec_.caption = caption;
    spec_.place = place;
  }
  Row& in(std::string_view frame, int index = -1) {
    spec_.parent = {std::string(frame), index};
    return *this;
  }
  Row& face(std::string_view face) {
    spec_.font.face = face;
    return *this;
  }
  Row& size(double points) {
    spec_.font.size = points;
    return *this;
  }
  Row& bold(double points) {
    spec_.font.size = points;
    spec_.font.bold = true;
    return *this;
  }
  Row& colour(std::uint32_t rgb) {
    spec_.font.colour = rgb;
    return *this;
  }
  Row& centred() {
    spec_.align = Align::Centre;
    return *this;
  }
  Row& bordered() {
    spec_.border = true;
    return *this;
  }
  // The label whose caption names this text box to a screen reader.
  Row& labelledBy(std::string_view label) {
    spec_.labelledBy = {std::string(label), -1};
    return *this;
  }
  // What a screen reader reads in place of the caption.
  Row& named(std::string_view name) {
    spec_.accessibleName = name;
    return *this;
  }
  // A label whose changes a screen reader tells as they come.
  Row& notice() {
    spec_.notice = true;
    return *this;
  }
  Row& input(InputKind kind) {
    spec_.input = kind;
    return *this;
  }
  Row& look(Look look) {
    spec_.look = look;
    return *this;
  }
  Row& hidden() {
    spec_.visible = false;
    return *this;
  }
  operator ControlSpec() const { return spec_; }

 private:
  ControlSpec spec_;
};

inline Row label(std::string_view name, std::string_view caption, Rect place) {
  return {ControlKind::Label, name, -1, caption, place};
}
inline Row label(std::string_view name, int index, std::string_view caption, Rect place) {
  return {ControlKind::Label, name, index, caption, place};
}
inline Row button(std::string_view name, std::string_view caption, Rect place) {
  return {ControlKind::Button, name, -1, caption, place};
}
inline Row button(std::string_view name, int index, std::string_view caption, Rect place) {
  return {ControlKind::Button, name, index, caption, place};
}
inline Row textBox(std::string_view name, Rect place) {
  return {ControlKind::TextBox, name, -1, "", place};
}
inline Row option(std::string_view name, int index, std::string_view caption, Rect place) {
  return {ControlKind::OptionButton, name, index, caption, place};
}
inline Row frame(std::string_view name, std::string_view caption, Rect place) {
  return {ControlKind::Frame, name, -1, caption, place};
}
inline Row frame(std::string_view name, int index, std::string_view caption, Rect place) {
  return {ControlKind::Frame, name, index, caption, place};
}
inline Row picture(std::string_view name, std::string_view resource, Rect place) {
  return {ControlKind::Picture, name, -1, resource, place};
}
// A top-level menu, or (with in()) an item of one.
inline Row menu(std::string_view name, std::string_view caption) {
  return {ControlKind::Menu, name, -1, caption, {}};
}

}  // namespace zunobi::ui
