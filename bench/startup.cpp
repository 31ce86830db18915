// Start-up of an X11 program: the time from starting it to its top-level
// window being mapped, and to the first paint of that window (the first
// moment it shows more than one colour), and its resident memory once
// painted. Runs the command several times and prints medians.
//
//   startup RUNS COMMAND [ARGUMENTS...]
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

bool painted(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    XImage *image = XGetImage(display, window, 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < image->height && !varied; y += 2)
        for (int x = 0; x < image->width && !varied; x += 2)
            varied = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return varied;
}

int ignoreErrors(Display *, XErrorEvent *) { return 0; }

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS COMMAND [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<double> mapped, firstPaint, memory;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        const Window window = waitForMap(display);
        if (window == None) {
            std::fprintf(stderr, "%s: no window\n", argv[2]);
            kill(child, SIGKILL);
            return 1;
        }
        mapped.push_back(millisecondsSince(start));
        while (!painted(display, window) && millisecondsSince(start) < 10000)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        firstPaint.push_back(millisecondsSince(start));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        memory.push_back(residentMiB(child));
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        XSync(display, True);
    }
    std::printf("%s: mapped %.1f ms, first paint %.1f ms, resident %.1f MiB (medians of %d runs)\n",
                argv[2], median(mapped), median(firstPaint), median(memory), runs);
    std::printf("RESULT %.3f %.3f %.3f\n", median(mapped), median(firstPaint), median(memory));
    XCloseDisplay(display);
    return 0;
}
