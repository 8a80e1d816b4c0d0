// SPDX-License-Identifier: GPL-3.0-or-later
// Launches a program and prints the milliseconds until the X server maps its first window, and
// the processor time that the program had used by then (less sensitive to a busy machine).
// Watches from outside: the program under test is run as it is, without any hook of its own.
#include <X11/Xlib.h>

#include <chrono>
#include <dirent.h>
#include <fstream>
#include <string>
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

// Processor time in milliseconds used so far by all threads of the process `pid`.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double running = 0;
            if (entry->d_name[0] != '.' && schedstat >> running)
                ns += running;
        }
        closedir(dir);
    }
    return ns / 1e6;
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
    const double cpu = cpuMs(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_wait: no window was mapped within %d ms\n", kTimeoutMs);
        return 1;
    }
    std::printf("%.1f %.1f\n", elapsed.count(), cpu);
    return 0;
}
