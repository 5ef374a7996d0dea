// SPDX-License-Identifier: MIT
// Starts a program on the current X display and reports how long it took from the start of its
// process to the first painted pixels of its first window, and its peak resident memory once it
// has settled, and the processor time it had used by its first paint, all threads together: on a
// busy machine that figure moves far less than the elapsed time. The X server must have a black
// root window (Xvfb -br) and no window manager: the first non-black pixel inside the new window is
// the program's own painting.
//
//   first_paint SETTLE_MS PROGRAM [ARGUMENT...]
// prints "first_paint_ms=<ms> cpu_ms=<ms> peak_rss_kib=<KiB>" and ends the program.
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Timeout = std::chrono::seconds(20);
constexpr auto PollInterval = std::chrono::microseconds(500);
constexpr std::uint32_t RgbMask = 0xFFFFFF;
constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;

struct FreeDeleter {
  void operator()(void* p) const { free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

pid_t Spawn(char* argv[]) {
  const pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv);
    std::perror(argv[0]);
    _exit(ExitFailure);
  }
  return pid;
}

// Waits for the first top-level window mapped on the root, whose children the caller watches.
std::optional<xcb_window_t> WaitForMap(xcb_connection_t* connection, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    Reply<xcb_generic_event_t> event(xcb_poll_for_event(connection));
    if (!event) {
      if (xcb_connection_has_error(connection)) return std::nullopt;
      std::this_thread::sleep_for(PollInterval);
      continue;
    }
    if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY) {
      return reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
    }
  }
  return std::nullopt;
}

bool HasPaintedPixel(xcb_connection_t* connection, xcb_window_t window) {
  Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  if (!geometry) return false;
  Reply<xcb_get_image_reply_t> image(
      xcb_get_image_reply(connection,
                          xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                        geometry->width, geometry->height, ~0U),
                          nullptr));
  if (!image) return false;
  // A 24-bit visual keeps one pixel in 32 bits.
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
  const int count =
      xcb_get_image_data_length(image.get()) / static_cast<int>(sizeof(std::uint32_t));
  for (int i = 0; i < count; ++i) {
    if (pixels[i] & RgbMask) return true;
  }
  return false;
}

// The peak resident memory of a running process, from the kernel's high-water mark.
long PeakRssKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return -1;
}

// Processor time of every thread of a running process so far, from the scheduler's figures.
double CpuMs(pid_t pid) {
  constexpr double NsPerMs = 1e6;
  double ns = 0;
  std::error_code error;
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double taskNs = 0;
    if (schedstat >> taskNs) ns += taskNs;
  }
  return ns / NsPerMs;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENT...]\n", argv[0]);
    return ExitUsage;
  }
  const auto settle = std::chrono::milliseconds(std::atoi(argv[1]));
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "first_paint: cannot open the display\n");
    return ExitFailure;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn(argv + 2);
  const Clock::time_point deadline = start + Timeout;
  std::optional<xcb_window_t> window = WaitForMap(connection, deadline);
  bool painted = false;
  while (window && !painted && Clock::now() < deadline) {
    painted = HasPaintedPixel(connection, *window);
    if (!painted) std::this_thread::sleep_for(PollInterval);
  }
  const Clock::time_point paint = Clock::now();
  const double cpu = CpuMs(pid);
  if (!painted) {
    std::fprintf(stderr, "first_paint: no painted window within the time-out\n");
    Stop(pid);
    return ExitFailure;
  }
  std::this_thread::sleep_for(settle);
  const long rss = PeakRssKib(pid);
  Stop(pid);
  xcb_disconnect(connection);
  std::printf("first_paint_ms=%.1f cpu_ms=%.1f peak_rss_kib=%ld\n",
              std::chrono::duration<double, std::milli>(paint - start).count(), cpu, rss);
  return 0;
}
