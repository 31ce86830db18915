// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of X11 programs: the time from starting one to its top-level
// window being mapped, and to the first paint of that window (the first
// moment it shows more than one colour), and its resident memory once
// painted. Runs the programs in turn, RUNS times each, so that a change in
// the machine's load touches them all alike, and prints medians.
//
//   startup RUNS PROGRAM...
//
// A PROGRAM may carry arguments, separated by blanks: "bench_barewindow 737x573".
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Resident memory of a process in MiB.
double residentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Waits for the next top-level window to be mapped, at most ten seconds.
Window waitForMap(Display *display)
{
    const auto start = Clock::now();
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (millisecondsSince(start) < 10000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        poll(&fd, 1, 5);
    }
    return None;
}

// More than one colour along the window's middle row or middle column. A
// window is painted at once, so these lines show its first paint as well as
// the whole would; reading the whole of a large window at every poll would
// slow the X server, and with it the program measured.
bool varies(Display *display, Window window, int x, int y, unsigned width, unsigned height)
{
    XImage *image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int j = 0; j < image->height && !varied; ++j)
        for (int i = 0; i < image->width && !varied; ++i)
            varied = XGetPixel(image, i, j) != first;
    XDestroyImage(image);
    return varied;
}

bool painted(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    const unsigned width = unsigned(attributes.width), height = unsigned(attributes.height);
    return varies(display, window, 0, attributes.height / 2, width, 1)
           || varies(display, window, attributes.width / 2, 0, 1, height);
}

int ignoreErrors(Display *, XErrorEvent *) { return 0; }

struct Sample {
    double mapped, firstPaint, resident;
};

// Starts the program once and measures it; false when it shows no window.
bool measureOnce(Display *display, const char *program, Sample &sample)
{
    std::vector<std::string> words;
    std::istringstream line(program);
    for (std::string word; line >> word;)
        words.push_back(word);
    std::vector<char *> arguments;
    for (std::string &word : words)
        arguments.push_back(word.data());
    arguments.push_back(nullptr);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    const Window window = waitForMap(display);
    if (window == None) {
        std::fprintf(stderr, "%s: no window\n", program);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return false;
    }
    sample.mapped = millisecondsSince(start);
    while (!painted(display, window) && millisecondsSince(start) < 10000)
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    sample.firstPaint = millisecondsSince(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sample.resident = residentMiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XSync(display, True);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<std::vector<Sample>> samples(programs);
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs; ++p) {
            Sample sample{};
            if (!measureOnce(display, argv[2 + p], sample))
                return 1;
            samples[p].push_back(sample);
        }
    }
    for (int p = 0; p < programs; ++p) {
        std::vector<double> mapped, firstPaint, resident;
        for (const Sample &s : samples[p]) {
            mapped.push_back(s.mapped);
            firstPaint.push_back(s.firstPaint);
            resident.push_back(s.resident);
        }
        std::printf("RESULT %.3f %.3f %.3f %s\n", median(mapped), median(firstPaint), median(resident),
                    argv[2 + p]);
    }
    XCloseDisplay(display);
    return 0;
}
