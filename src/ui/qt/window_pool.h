// Which window a form is shown in, for speed: most of a first paint goes
// on touching the fresh memory of a new window's picture, in the program
// and again in the X server. Closed windows are kept hidden for the next
// forms, and while a window that others open from waits, windows with
// pictures of its size and of half of it are made ready. A form never
// takes a window that is on screen or was just closed: a screen reader
// hears of a window only when one appears.
#pragma once

#include <QObject>
#include <QSize>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/form.h"

namespace zunobi::ui::qt {

class FormWindow;

class WindowPool final {
 public:
  WindowPool() = default;
  ~WindowPool();
  WindowPool(const WindowPool&) = delete;
  WindowPool& operator=(const WindowPool&) = delete;

  // Shows `form` centred in a kept window whose picture serves it, or in a
  // new one. For a form others open from, `whileWaiting` runs once a run,
  // when the spares are made.
  FormWindow* open(std::shared_ptr<Form> form, const std::function<void()>& whileWaiting);
  // Hides the window and keeps it for a later form, or lets it go.
  void close(FormWindow* window);

  // Windows kept, at most this many: the menu's size, half of it, one more.
  static constexpr std::size_t kSpares = 3;

 private:
  struct Spare {
    FormWindow* window;
    qint64 picture;  // pixels the windowing system holds for it
    bool settled;    // put aside long enough ago to be shown again
  };
  FormWindow* take(const Form& form);
  void prepareSpare(QSize size);
  void deferTitle(FormWindow* window);

  // Long enough for the first window to have painted, shorter than anyone
  // takes to read it and click.
  static constexpr int kPrepareAfterMs = 300;
  // A window closed no earlier than this is not shown again: hidden and
  // shown at once, it stays the same window to the desktop. Timed by the
  // event loop, as everything else the pool waits for.
  static constexpr std::chrono::milliseconds kSettle{100};

  std::vector<Spare> spares_;
  std::map<FormWindow*, qint64> pictures_;  // of the windows on screen
  bool prepared_ = false;
  QObject lifetime_;  // ends the queued work with the pool
};

}  // namespace zunobi::ui::qt
