// Times how long a drill window takes from the click on its menu button
// until it is painted on the X display, and how much memory the program
// holds with the menu alone and then with the drill open.
//
//   drill_watch --click X,Y -- PROGRAM [ARGS...]
//
// X,Y is the button's centre in the menu window's pixels. The click is made
// with the XTEST extension and the paint is seen through the DAMAGE
// extension: the first damage that covers most of the drill's window after
// it is mapped (a new window, or the menu's own mapped again). Prints click_to_mapped_ms,
// click_to_painted_ms, menu_rss_kb and drill_rss_kb.
//
// Both extensions are taken from their run-time libraries (libXtst.so.6,
// libXdamage.so.1), which any X server install has, without their headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Steady = std::chrono::steady_clock;

// The parts of Xtst and Xdamage used here, as their headers declare them.
using DamageHandle = unsigned long;
constexpr int kDamageReportRawRectangles = 0;
constexpr int kDamageNotify = 0;
struct DamageNotifyEvent {
  int type;
  unsigned long serial;
  Bool send_event;
  Display* display;
  Drawable drawable;
  DamageHandle damage;
  int level;
  Bool more;
  Time timestamp;
  XRectangle area;
  XRectangle geometry;
};

struct Extensions {
  Bool (*fakeMotion)(Display*, int, int, int, unsigned long) = nullptr;
  Bool (*fakeButton)(Display*, unsigned int, Bool, unsigned long) = nullptr;
  Bool (*damageQuery)(Display*, int*, int*) = nullptr;
  DamageHandle (*damageCreate)(Display*, Drawable, int) = nullptr;

  bool load() {
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    void* xdamage = dlopen("libXdamage.so.1", RTLD_NOW);
    if (!xtst || !xdamage) return false;
    fakeMotion = reinterpret_cast<decltype(fakeMotion)>(dlsym(xtst, "XTestFakeMotionEvent"));
    fakeButton = reinterpret_cast<decltype(fakeButton)>(dlsym(xtst, "XTestFakeButtonEvent"));
    damageQuery = reinterpret_cast<decltype(damageQuery)>(dlsym(xdamage, "XDamageQueryExtension"));
    damageCreate = reinterpret_cast<decltype(damageCreate)>(dlsym(xdamage, "XDamageCreate"));
    return fakeMotion && fakeButton && damageQuery && damageCreate;
  }
};

long rssKb(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

double msSince(Steady::time_point t) {
  return std::chrono::duration<double, std::milli>(Steady::now() - t).count();
}

// Waits for the next event, at most `timeoutMs`; false on timeout.
bool nextEvent(Display* d, XEvent& e, double timeoutMs) {
  const auto start = Steady::now();
  while (!XPending(d)) {
    if (msSince(start) > timeoutMs) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  XNextEvent(d, &e);
  return true;
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

Geometry rootGeometry(Display* d, Window w) {
  XWindowAttributes a;
  XGetWindowAttributes(d, w, &a);
  Window child;
  Geometry g;
  XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &g.x, &g.y, &child);
  g.width = a.width;
  g.height = a.height;
  return g;
}

long overlap(const Geometry& g, const XRectangle& r) {
  const long w = std::min<long>(g.x + g.width, r.x + r.width) - std::max<long>(g.x, r.x);
  const long h = std::min<long>(g.y + g.height, r.y + r.height) - std::max<long>(g.y, r.y);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

int main(int argc, char** argv) {
  int clickX = -1, clickY = -1;
  int i = 1;
  for (; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--click") && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%d,%d", &clickX, &clickY) != 2) clickX = -1;
    } else if (!std::strcmp(argv[i], "--")) {
      ++i;
      break;
    }
  }
  if (i >= argc || clickX < 0) {
    std::fprintf(stderr, "usage: drill_watch --click X,Y -- PROGRAM...\n");
    return 2;
  }
  Extensions x;
  if (!x.load()) {
    std::fprintf(stderr, "libXtst.so.6 or libXdamage.so.1 is missing\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!x.damageQuery(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[i], argv + i);
    _exit(127);
  }
  auto finish = [&](int code) {
    std::fflush(stdout);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return code;
  };

  // The menu: mapped, then left a while to paint and settle.
  Window menu = 0;
  XEvent e;
  while (!menu) {
    if (!nextEvent(display, e, 10000)) {
      std::fprintf(stderr, "the menu never appeared\n");
      return finish(1);
    }
    if (e.type == MapNotify && e.xmap.event == root) menu = e.xmap.window;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  const long menuRss = rssKb(pid);

  // Damage on the root window reports drawing in every window on it.
  x.damageCreate(display, root, kDamageReportRawRectangles);
  const Geometry menuAt = rootGeometry(display, menu);
  x.fakeMotion(display, -1, menuAt.x + clickX, menuAt.y + clickY, CurrentTime);
  XSync(display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  while (XPending(display)) XNextEvent(display, &e);  // what the move itself caused

  const auto clicked = Steady::now();
  x.fakeButton(display, 1, True, CurrentTime);
  x.fakeButton(display, 1, False, CurrentTime);
  XFlush(display);

  Window drill = 0;
  Geometry drillAt;
  double mappedMs = -1, paintedMs = -1;
  long painted = 0;
  bool menuUnmapped = false;  // the program may map the same window again for the drill
  while (paintedMs < 0) {
    if (!nextEvent(display, e, 10000)) {
      std::fprintf(stderr, "no drill window %s\n", drill ? "painted" : "appeared");
      return finish(1);
    }
    if (e.type == UnmapNotify && e.xunmap.window == menu) menuUnmapped = true;
    if (!drill && e.type == MapNotify && e.xmap.event == root &&
        (e.xmap.window != menu || menuUnmapped)) {
      mappedMs = msSince(clicked);
      drill = e.xmap.window;
      drillAt = rootGeometry(display, drill);
    } else if (drill && e.type == damageEvent + kDamageNotify) {
      const auto& d = reinterpret_cast<const DamageNotifyEvent&>(e);
      painted += overlap(drillAt, d.area);
      // The toolkit flushes a whole window at once; most of it will do.
      if (painted * 2 >= static_cast<long>(drillAt.width) * drillAt.height)
        paintedMs = msSince(clicked);
    }
  }
  std::printf("click_to_mapped_ms=%.1f\n", mappedMs);
  std::printf("click_to_painted_ms=%.1f\n", paintedMs);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  std::printf("menu_rss_kb=%ld\n", menuRss);
  std::printf("drill_rss_kb=%ld\n", rssKb(pid));
  return finish(0);
}
