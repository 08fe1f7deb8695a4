#include "ui/form.h"

#include <stdexcept>

namespace zunobi::ui {

std::string ControlId::text() const {
  if (index < 0) return name;
  return name + "(" + std::to_string(index) + ")";
}

Control::Control(Form& owner, ControlSpec spec) : owner_(owner), spec_(std::move(spec)) {}

void Control::notify(Property p) {
  if (owner_.view_) owner_.view_->controlChanged(*this, p);
}

void Control::setCaption(std::string_view caption) {
  if (spec_.caption == caption) return;
  spec_.caption = caption;
  notify(Property::Caption);
}

void Control::setAccessibleName(std::string_view name) {
  if (spec_.accessibleName == name) return;
  spec_.accessibleName = name;
  notify(Property::AccessibleName);
}

void Control::setVisible(bool visible) {
  if (spec_.visible == visible) return;
  spec_.visible = visible;
  notify(Property::Visible);
}

void Control::setPlace(const Rect& place) {
  if (spec_.place == place) return;
  spec_.place = place;
  notify(Property::Place);
}

void Control::setSelected(bool selected) {
  if (selected && spec_.kind == ControlKind::OptionButton) {
    for (auto& other : owner_.controls_) {
      if (other.get() != this && other->spec_.kind == ControlKind::OptionButton &&
          other->spec_.parent == spec_.parent && other->selected_) {
        other->selected_ = false;
        other->notify(Property::Selected);
      }
    }
  }
  if (selected_ == selected) return;
  selected_ = selected;
  notify(Property::Selected);
}

void Control::setFocus() { owner_.focus(this); }

bool Control::hasFocus() const { return owner_.focused_ == this; }

void Timer::setInterval(int ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  notify();
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify();
}

void Timer::notify() { owner_.notify(FormProperty::Timer); }

Form::Form(Services& services, std::string name, std::vector<ControlSpec> controls)
    : services_(services), name_(std::move(name)) {
  controls_.reserve(controls.size());
  for (auto& spec : controls) {
    ControlId id = spec.id;
    auto control = std::make_unique<Control>(*this, std::move(spec));
    auto [it, inserted] = byId_.emplace(id, control.get());
    if (!inserted) throw std::logic_error(name_ + ": duplicate control " + id.text());
    if (control->kind() == ControlKind::Button || control->kind() == ControlKind::TextBox)
      tabOrder_.push_back(id);
    controls_.push_back(std::move(control));
  }
}

Form::~Form() = default;

void Form::setCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  notify(FormProperty::Caption);
}

void Form::setClientSize(std::int32_t width, std::int32_t height) {
  clientWidth_ = width;
  clientHeight_ = height;
  notify(FormProperty::ClientSize);
}

Control& Form::control(std::string_view name, int index) {
  auto it = byId_.find(ControlId{std::string(name), index});
  if (it == byId_.end())
    throw std::out_of_range(name_ + ": no control " + ControlId{std::string(name), index}.text());
  return *it->second;
}

const Control& Form::control(std::string_view name, int index) const {
  return const_cast<Form*>(this)->control(name, index);
}

bool Form::has(std::string_view name, int index) const {
  return byId_.count(ControlId{std::string(name), index}) != 0;
}

bool Form::showing(const Control& control) const {
  const Control* c = &control;
  for (int depth = 0; c && depth < 16; ++depth) {
    if (!c->visible()) return false;
    if (c->parent().name.empty()) return true;
    auto it = byId_.find(c->parent());
    c = it == byId_.end() ? nullptr : it->second;
  }
  return true;
}

void Form::focus(Control* control) {
  if (focused_ == control) return;
  focused_ = control;
  if (control) control->notify(Property::Focus);
}

void Form::notify(FormProperty p) {
  if (view_) view_->formChanged(*this, p);
}

void Form::onClick(std::string_view name, Handler handler) {
  clickHandlers_[std::string(name)] = [h = std::move(handler)](int) { h(); };
}

void Form::onClick(std::string_view name, IndexHandler handler) {
  clickHandlers_[std::string(name)] = std::move(handler);
}

void Form::onKeyPress(std::string_view name, KeyHandler handler) {
  keyHandlers_[std::string(name)] = std::move(handler);
}

void Form::load() { onLoad(); }

// Each entry point holds the form alive to its end: a handler may unload its
// own window through navigation.
void Form::click(std::string_view name, int index) {
  Control& c = control(name, index);
  if (!showing(c)) return;  // a hidden control cannot be clicked
  auto keep = weak_from_this().lock();
  if (c.kind() == ControlKind::OptionButton) c.setSelected(true);
  auto it = clickHandlers_.find(name);
  if (it != clickHandlers_.end()) it->second(index);
}

void Form::type(std::string_view name, std::string_view text) {
  Control& c = control(name);
  c.setText(c.text() + std::string(text));
}

void Form::keyPress(std::string_view name, int key) {
  Control& c = control(name);
  if (!showing(c)) return;
  auto keep = weak_from_this().lock();
  auto it = keyHandlers_.find(name);
  if (it != keyHandlers_.end()) it->second(key);
}

void Form::tick() {
  if (!timer_.running()) return;
  auto keep = weak_from_this().lock();
  if (tickHandler_) tickHandler_();
}

void Form::resize(std::int32_t clientWidth, std::int32_t clientHeight) {
  auto keep = weak_from_this().lock();
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  if (resizeHandler_) resizeHandler_();
}

void Form::onShortcut(std::string_view keys, Handler handler) {
  shortcutHandlers_[std::string(keys)] = std::move(handler);
}

void Form::shortcut(std::string_view keys) {
  auto it = shortcutHandlers_.find(keys);
  if (it == shortcutHandlers_.end()) return;
  auto keep = weak_from_this().lock();
  it->second();
}

std::vector<std::string> Form::shortcuts() const {
  std::vector<std::string> out;
  for (const auto& [keys, handler] : shortcutHandlers_) out.push_back(keys);
  return out;
}

void Form::close() {
  auto keep = weak_from_this().lock();
  services_.navigator.unload(*this);
}

void Form::unloaded() {
  if (unloaded_) return;
  unloaded_ = true;
  auto keep = weak_from_this().lock();
  onUnload();
}

}  // namespace zunobi::ui
