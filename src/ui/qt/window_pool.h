// Which window a form is shown in, for speed: most of a first paint goes
// on memory new to the program and to the X server, which a window's
// picture takes anew whenever its size changes. So a form is shown in a
// hidden window already of its size, painted once: closed windows are kept
// hidden, one of each size, and while a window that others open from
// waits, one is made for each size of the windows that may open. A form
// never takes a window that is on screen or was just closed: a screen
// reader hears of a window only when one appears.
#pragma once

#include <QObject>
#include <QSize>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "ui/form.h"

namespace zunobi::ui::qt {

class FormWindow;

class WindowPool final {
 public:
  // Fresh instances, never loaded, of the forms that may open.
  using Openable = std::function<std::vector<std::shared_ptr<Form>>()>;

  WindowPool() = default;
  ~WindowPool();
  WindowPool(const WindowPool&) = delete;
  WindowPool& operator=(const WindowPool&) = delete;

  // Shows `form` centred in a kept window of its size, or in a new one. For
  // a form others open from, `whileWaiting` runs a little later, and a
  // window is made for each size of the forms it gives (once for each
  // enlargement).
  FormWindow* open(std::shared_ptr<Form> form, const Openable& whileWaiting);
  // Hides the window and keeps it for a later form, or lets it go.
  void close(FormWindow* window);

  // Windows kept, at most this many: one of each size of the program's
  // windows, which are fewer.
  static constexpr std::size_t kSpares = 16;

 private:
  struct Spare {
    FormWindow* window;
    QSize size;    // of the client area, in pixels
    bool settled;  // put aside long enough ago to be shown again
  };
  static QSize sizeOf(const Form& form);
  FormWindow* take(const Form& form);
  void keep(Spare spare);
  void prepareNext();
  void deferTitle(FormWindow* window);

  // Long enough for the first window to have painted, shorter than anyone
  // takes to read it and click.
  static constexpr int kPrepareAfterMs = 300;
  // A window closed no earlier than this is not shown again: hidden and
  // shown at once, it stays the same window to the desktop. Timed by the
  // event loop, as everything else the pool waits for.
  static constexpr std::chrono::milliseconds kSettle{100};

  std::vector<Spare> spares_;
  std::set<FormWindow*> shown_;
  // The sizes of the forms that may open, and those yet to be made ready.
  std::set<std::pair<int, int>> wanted_;
  std::vector<std::shared_ptr<Form>> toPrepare_;
  int preparedAt_ = 0;  // the enlargement the spares were made for
  QObject lifetime_;    // ends the queued work with the pool
};

}  // namespace zunobi::ui::qt
