#include "soak/virtual_time.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

// Qt's own dispatchers deliver the windowing system's events with this;
// its header is private, the function is exported.
class QWindowSystemInterface {
 public:
  static bool sendWindowSystemEvents(QEventLoop::ProcessEventsFlags flags);
};

namespace zunobi::soak {
namespace {

// Rounds of events that set off further events, past which the view is
// taken to be stuck in a loop of its own.
constexpr int kMostRounds = 10000;

}  // namespace

bool VirtualTime::settle() {
  for (int round = 0; round < kMostRounds; ++round) {
    woken_ = false;
    const bool system = QWindowSystemInterface::sendWindowSystemEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    // Outside an event loop, what was deleted later waits for being asked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!system && !woken_) return true;
  }
  return false;
}

bool VirtualTime::processEvents(QEventLoop::ProcessEventsFlags flags) {
  emit awake();
  const bool quiet = !woken_;
  settle();
  if (quiet && (flags & QEventLoop::WaitForMoreEvents)) {
    // A loop waiting for something: the next timer is what comes.
    if (const Timer* t = next(INT64_MAX)) {
      setNow(std::max(now_, t->due));
      fire(t->id);
      settle();
    }
  }
  return true;
}

void VirtualTime::flow(std::int64_t ms) {
  const std::int64_t until = now_ + ms;
  while (const Timer* t = next(until)) {
    setNow(std::max(now_, t->due));
    fire(t->id);
    settle();
  }
  setNow(until);
  settle();
}

void VirtualTime::jump(std::int64_t ms) {
  setNow(now_ + ms);
  std::vector<int> due;
  for (const Timer& t : timers_)
    if (t.due <= now_) due.push_back(t.id);
  for (int id : due) {
    fire(id);
    settle();
  }
}

void VirtualTime::setNow(std::int64_t t) {
  now_ = t;
  if (moved) moved(now_);
}

const VirtualTime::Timer* VirtualTime::next(std::int64_t until) const {
  const Timer* first = nullptr;
  for (const Timer& t : timers_)
    if (t.due <= until && (!first || t.due < first->due)) first = &t;
  return first;
}

void VirtualTime::fire(int id) {
  auto it =
      std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.id == id; });
  if (it == timers_.end()) return;  // stopped by one that fired before it
  // As Qt does: the next time one interval on, or one interval from now
  // when it fell behind. A timer of no interval fires once a millisecond.
  it->due = std::max(it->due + it->interval, now_ + std::max<qint64>(it->interval, 1));
  QTimerEvent event(id);
  QCoreApplication::sendEvent(it->object, &event);
}

void VirtualTime::registerTimer(int id, qint64 interval, Qt::TimerType type, QObject* object) {
  timers_.push_back({id, interval, type, object, now_ + interval});
}

bool VirtualTime::unregisterTimer(int id) {
  return std::erase_if(timers_, [&](const Timer& t) { return t.id == id; }) > 0;
}

bool VirtualTime::unregisterTimers(QObject* object) {
  return std::erase_if(timers_, [&](const Timer& t) { return t.object == object; }) > 0;
}

QList<QAbstractEventDispatcher::TimerInfo> VirtualTime::registeredTimers(QObject* object) const {
  QList<TimerInfo> list;
  for (const Timer& t : timers_)
    if (t.object == object) list.append({t.id, static_cast<int>(t.interval), t.type});
  return list;
}

int VirtualTime::remainingTime(int id) {
  for (const Timer& t : timers_)
    if (t.id == id) return static_cast<int>(std::max<std::int64_t>(t.due - now_, 0));
  return -1;
}

}  // namespace zunobi::soak
