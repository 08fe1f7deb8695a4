// An event dispatcher whose timers run on a clock that moves only when told:
// the view's timers (its windows' ticks, the pool's preparations and settle
// times, Qt's own) then fire in the same order on every run, however fast
// or slow the machine. Installed before the application object.
#pragma once

#include <QAbstractEventDispatcher>
#include <cstdint>
#include <functional>
#include <vector>

namespace zunobi::soak {

class VirtualTime final : public QAbstractEventDispatcher {
 public:
  // Milliseconds since the start.
  std::int64_t now() const { return now_; }
  // Called whenever the time moves.
  std::function<void(std::int64_t)> moved;

  // Lets `ms` go by: each timer fires when due, and what it set off runs.
  void flow(std::int64_t ms);
  // As after a machine's sleep: the time jumps, and each timer that fell due
  // meanwhile fires once.
  void jump(std::int64_t ms);
  // Delivers the events posted and those of the windowing system until none
  // is left; false when that never ends.
  bool settle();
  // Timers at the moment.
  std::size_t timers() const { return timers_.size(); }

  bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
  void registerSocketNotifier(QSocketNotifier*) override {}
  void unregisterSocketNotifier(QSocketNotifier*) override {}
  void registerTimer(int id, qint64 interval, Qt::TimerType type, QObject* object) override;
  bool unregisterTimer(int id) override;
  bool unregisterTimers(QObject* object) override;
  QList<TimerInfo> registeredTimers(QObject* object) const override;
  int remainingTime(int id) override;
  void wakeUp() override { woken_ = true; }
  void interrupt() override { woken_ = true; }

 private:
  struct Timer {
    int id;
    qint64 interval;
    Qt::TimerType type;
    QObject* object;
    std::int64_t due;
  };
  void setNow(std::int64_t t);
  // The timer due first, at or before `until`; null when none is.
  const Timer* next(std::int64_t until) const;
  void fire(int id);

  std::int64_t now_ = 0;
  std::vector<Timer> timers_;
  bool woken_ = false;
};

}  // namespace zunobi::soak
