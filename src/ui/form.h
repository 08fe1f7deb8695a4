// The toolkit-free form model: a window, its named controls and its one
// timer. Windows are written against this alone; a view (Qt, or nothing at
// all in tests) observes it and feeds user input back through the same entry
// points a test uses.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

namespace zunobi::ui {

// Carriage return + line feed: the line break inside a caption.
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr int kEnterKey = 13;

enum class ControlKind { Label, Button, TextBox, OptionButton, Frame, Picture, Menu };
enum class Align { Left, Centre, Right };
// How a control is drawn, where its kind allows more than one look.
enum class Look {
  Standard,
  Pip,      // an option button drawn as a filled round mark, no caption
  Picture,  // a frame read as one picture: what it holds is no thing of its own
};
// What a text box is for: digits are typed with the input method off, so
// that a user with Japanese input switched on still types half-width digits.
enum class InputKind { Text, Digits };

// Geometry in twips, relative to the client area or the enclosing frame.
// Wider than 16 bits on purpose: a large window must never overflow it.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

namespace faces {
inline constexpr std::string_view PGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view Gothic = "ＭＳ ゴシック";
inline constexpr std::string_view PMincho = "ＭＳ Ｐ明朝";
inline constexpr std::string_view Pop = "HG創英角ﾎﾟｯﾌﾟ体";
}  // namespace faces

namespace colours {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Red = 0xFF0000;
inline constexpr std::uint32_t DarkRed = 0x800000;
inline constexpr std::uint32_t DarkBlue = 0x000080;
inline constexpr std::uint32_t Blue = 0x0000FF;
}  // namespace colours

struct Font {
  std::string face{faces::PGothic};
  double size = 9.0;  // points
  bool bold = false;
  std::uint32_t colour = colours::Black;  // 0xRRGGBB
  friend bool operator==(const Font&, const Font&) = default;
};

// Identity of a control: its name and, for an element of a control array,
// its index (-1 for a plain control).
struct ControlId {
  std::string name;
  int index = -1;
  std::string text() const;  // "cmdMogura(3)" or "cmdEnd"
  friend auto operator<=>(const ControlId&, const ControlId&) = default;
};

// One row of a window's control table.
struct ControlSpec {
  ControlId id;
  ControlKind kind = ControlKind::Label;
  std::string caption;  // caption, text of a text box, or picture resource
  Rect place;
  Font font{};
  ControlId parent{};  // enclosing frame, or the menu a menu item belongs to
  bool visible = true;
  Align align = Align::Left;
  bool border = false;  // a single-line border around a label
  // A text box's name for assistive technology: this label's caption.
  ControlId labelledBy{};
  // What a screen reader reads in place of the caption (a die by its face,
  // a picture by what it shows); empty: the caption.
  std::string accessibleName;
  // A label whose changes are told to a screen reader as they come, without
  // moving the focus: a judgement, a result, the next question.
  bool notice = false;
  InputKind input = InputKind::Text;
  Look look = Look::Standard;
};

enum class Property { Caption, Visible, Place, Font, Selected, Focus, AccessibleName };

class Control {
 public:
  Control(class Form& owner, ControlSpec spec);

  const ControlId& id() const { return spec_.id; }
  const std::string& name() const { return spec_.id.name; }
  int index() const { return spec_.id.index; }
  ControlKind kind() const { return spec_.kind; }
  const ControlId& parent() const { return spec_.parent; }
  Align align() const { return spec_.align; }
  bool border() const { return spec_.border; }
  const ControlId& labelledBy() const { return spec_.labelledBy; }
  bool notice() const { return spec_.notice; }
  InputKind input() const { return spec_.input; }
  Look look() const { return spec_.look; }

  // The name a screen reader reads: the accessible name if one is set, else
  // the caption.
  const std::string& accessibleName() const {
    return spec_.accessibleName.empty() ? spec_.caption : spec_.accessibleName;
  }
  void setAccessibleName(std::string_view name);

  // A text box's text is its caption.
  const std::string& caption() const { return spec_.caption; }
  void setCaption(std::string_view caption);
  const std::string& text() const { return spec_.caption; }
  void setText(std::string_view text) { setCaption(text); }

  bool visible() const { return spec_.visible; }
  void setVisible(bool visible);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }

  const Rect& place() const { return spec_.place; }
  void setPlace(const Rect& place);

  const Font& font() const { return spec_.font; }

  // Option buttons: selecting one clears the others of its group (same parent).
  bool selected() const { return selected_; }
  void setSelected(bool selected);

  void setFocus();
  bool hasFocus() const;

 private:
  friend class Form;
  void notify(Property p);

  Form& owner_;
  ControlSpec spec_;
  bool selected_ = false;
};

enum class FormProperty { Caption, ClientSize, Timer };

// What a view implements to follow a form.
class FormView {
 public:
  virtual ~FormView() = default;
  virtual void controlChanged(const Control& control, Property property) = 0;
  virtual void formChanged(const class Form& form, FormProperty property) = 0;
};

class Timer {
 public:
  explicit Timer(Form& owner) : owner_(owner) {}
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  // Ticks arrive only while enabled with a positive interval.
  bool running() const { return enabled_ && interval_ > 0; }
  void setInterval(int ms);
  void setEnabled(bool enabled);

 private:
  void notify();
  Form& owner_;
  int interval_ = 0;
  bool enabled_ = true;
};

class Form : public std::enable_shared_from_this<Form> {
 public:
  using Handler = std::function<void()>;
  using IndexHandler = std::function<void(int index)>;
  using KeyHandler = std::function<void(int key)>;

  Form(Services& services, std::string name, std::vector<ControlSpec> controls);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view caption);

  std::int32_t clientWidth() const { return clientWidth_; }
  std::int32_t clientHeight() const { return clientHeight_; }
  bool resizable() const { return resizable_; }
  // Other windows open from this one, in its place (the menu): a view may
  // make ready, while it waits, what they will need.
  bool hub() const { return hub_; }

  Control& control(std::string_view name, int index = -1);
  const Control& control(std::string_view name, int index = -1) const;
  bool has(std::string_view name, int index = -1) const;
  // Controls in table order.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // Buttons and text boxes in keyboard order.
  const std::vector<ControlId>& tabOrder() const { return tabOrder_; }
  const Control* focused() const { return focused_; }
  // Visible itself and inside visible frames: what a user can see and use.
  bool showing(const Control& control) const;

  Timer& timer() { return timer_; }
  const Timer& timer() const { return timer_; }

  Services& services() { return services_; }

  void setView(FormView* view) { view_ = view; }
  FormView* view() const { return view_; }

  // Entry points for the view and for tests: what a user or the toolkit does.
  void load();
  void click(std::string_view name, int index = -1);
  void type(std::string_view name, std::string_view text);  // appends
  void keyPress(std::string_view name, int key);
  void pressEnter(std::string_view name) { keyPress(name, kEnterKey); }
  void tick();
  void resize(std::int32_t clientWidth, std::int32_t clientHeight);
  // A key combination on the window itself, written as "Ctrl+Shift+K".
  void shortcut(std::string_view keys);
  std::vector<std::string> shortcuts() const;
  // Close box: unload through navigation.
  void close();
  // Raised by navigation when the window is unloaded, however that comes
  // about (back button, close box, end of the program); runs onUnload once.
  void unloaded();

 protected:
  virtual void onLoad() {}
  // The window's own unload steps: let go of what it holds open. A window
  // may run them early, before it leaves, so they must bear running twice.
  virtual void onUnload() {}

  void setClientSize(std::int32_t width, std::int32_t height);
  void setResizable(bool resizable) { resizable_ = resizable; }
  void setHub(bool hub) { hub_ = hub; }
  void setTabOrder(std::vector<ControlId> order) { tabOrder_ = std::move(order); }

  void onClick(std::string_view name, Handler handler);
  void onClick(std::string_view name, IndexHandler handler);  // control array
  void onKeyPress(std::string_view name, KeyHandler handler);
  void onTick(Handler handler) { tickHandler_ = std::move(handler); }
  void onResize(Handler handler) { resizeHandler_ = std::move(handler); }
  void onShortcut(std::string_view keys, Handler handler);

  Clock& clock() { return services_.clock; }
  RandomSource& random() { return services_.random; }
  Navigator& navigator() { return services_.navigator; }
  MessageBox& messageBox() { return services_.messageBox; }

 private:
  friend class Control;
  friend class Timer;
  void focus(Control* control);
  void notify(FormProperty p);

  Services& services_;
  std::string name_;
  std::string caption_;
  std::int32_t clientWidth_ = 0;
  std::int32_t clientHeight_ = 0;
  bool resizable_ = false;
  bool hub_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<ControlId, Control*, std::less<>> byId_;
  std::vector<ControlId> tabOrder_;
  Control* focused_ = nullptr;
  Timer timer_{*this};
  FormView* view_ = nullptr;
  bool unloaded_ = false;
  std::map<std::string, IndexHandler, std::less<>> clickHandlers_;
  std::map<std::string, KeyHandler, std::less<>> keyHandlers_;
  Handler tickHandler_;
  Handler resizeHandler_;
  std::map<std::string, Handler, std::less<>> shortcutHandlers_;
};

}  // namespace zunobi::ui
