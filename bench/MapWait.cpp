// Launches a program and prints the milliseconds until the X server maps its first window.
// Watches from outside: the program under test is run as it is, without any hook of its own.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 10000;

// Waits for the next MapNotify among the root window's children; false on a timeout.
bool waitForMap(Display* display) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (true) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return true;
        }
        if (poll(&connection, 1, kTimeoutMs) <= 0)
            return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_wait PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_wait: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(display);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_wait: no window was mapped within %d ms\n", kTimeoutMs);
        return 1;
    }
    std::printf("%.1f\n", elapsed.count());
    return 0;
}
