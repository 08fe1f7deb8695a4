// Times how long a program takes from its start until its first top-level
// window is mapped on the X display, and how much CPU it uses while idle.
//
//   launch_watch [--idle SECONDS] [--click X,Y] -- PROGRAM [ARGS...]
//
// Prints "mapped_ms=<ms>" and, with --idle, "idle_cpu_ms=<ms>" for the CPU
// time (user + system) the program used over that many idle seconds,
// measured after a one-second pause (and after the optional click, made
// with xdotool relative to the mapped window).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

double cpuMs(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), {});
  auto close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream rest(stat.substr(close + 2));
  std::string field;
  std::vector<std::string> f;
  while (rest >> field) f.push_back(field);
  // Fields after the name: state is 0, utime is 11, stime is 12.
  const double ticks = std::stod(f.at(11)) + std::stod(f.at(12));
  return ticks * 1000.0 / sysconf(_SC_CLK_TCK);
}

}  // namespace

int main(int argc, char** argv) {
  int idle = 0;
  std::string click;
  int i = 1;
  for (; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--idle") && i + 1 < argc) {
      idle = std::atoi(argv[++i]);
    } else if (!std::strcmp(argv[i], "--click") && i + 1 < argc) {
      click = argv[++i];
    } else if (!std::strcmp(argv[i], "--")) {
      ++i;
      break;
    }
  }
  if (i >= argc) {
    std::fprintf(stderr, "usage: launch_watch [--idle S] [--click X,Y] -- PROGRAM...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[i], argv + i);
    _exit(127);
  }
  Window mapped = 0;
  while (!mapped) {
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == MapNotify && e.xmap.event == root) mapped = e.xmap.window;
  }
  auto since = [&] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
  };
  std::printf("mapped_ms=%.1f\n", since());

  // A mapped window is black until the program first paints it; Qt flushes
  // a whole window at once, so one pixel of its background tells.
  XWindowAttributes attrs;
  XGetWindowAttributes(display, mapped, &attrs);
  const int px = 5, py = attrs.height * 3 / 4;
  for (;;) {
    XImage* image = XGetImage(display, mapped, px, py, 1, 1, AllPlanes, ZPixmap);
    const unsigned long pixel = image ? XGetPixel(image, 0, 0) : 0;
    if (image) XDestroyImage(image);
    if (pixel != 0) break;
    if (since() > 10000) break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::printf("painted_ms=%.1f\n", since());

  if (idle > 0) {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    if (!click.empty()) {
      auto comma = click.find(',');
      const std::string cmd = "xdotool mousemove --window " + std::to_string(mapped) + " " +
                              click.substr(0, comma) + " " + click.substr(comma + 1) + " click 1";
      if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "click failed\n");
      std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    const double before = cpuMs(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idle));
    std::printf("idle_cpu_ms=%.1f\n", cpuMs(pid) - before);
  }
  std::fflush(stdout);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
