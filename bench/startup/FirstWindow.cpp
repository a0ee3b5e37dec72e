// Starts a program and prints the milliseconds until it maps its first
// window on the X display named by DISPLAY, then ends it (after MS more
// milliseconds with -w, so work it does behind its first window can end).
// Built and run by bench/startup-time, not by CMake.
//   first-window [-w MS] PROGRAM [ARGUMENTS...]

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
  int linger = 0;
  if (argc > 2 && std::string_view(argv[1]) == "-w") {
    linger = std::atoi(argv[2]);
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: first-window [-w MS] PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  xcb_connection_t* display = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(display)) {
    std::fprintf(stderr, "first-window: cannot open the display\n");
    return 2;
  }
  // Every window mapped on the root (a program's own, or a window manager's
  // frame around it) is told to us.
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(display, root, XCB_CW_EVENT_MASK, &mask);
  // A round trip, so the selection holds before the program starts.
  free(xcb_get_input_focus_reply(display, xcb_get_input_focus(display), nullptr));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status = 1;
  pollfd wait{xcb_get_file_descriptor(display), POLLIN, 0};
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(display)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      free(event);
      if (!mapped) continue;
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
      std::printf("%.1f\n", ms);
      status = 0;
      goto done;
    }
    if (poll(&wait, 1, 20000) <= 0) {
      std::fprintf(stderr, "first-window: no window within 20 s\n");
      goto done;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "first-window: the program ended without a window\n");
      xcb_disconnect(display);
      return 1;
    }
  }
done:
  if (linger > 0) usleep(useconds_t(linger) * 1000);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(display);
  return status;
}
