#pragma once

#include <functional>
#include <thread>
#include <vector>

class Form1;

// What the process does before the application object exists, so that the
// window's first paint comes sooner.
namespace startup {

// Where the desktop offers no session bus, says so to the D-Bus library, so
// that Qt's accessibility bridge does not make it launch a bus of its own
// (a new daemon) while the window starts. A session that has a bus, named
// in the environment or at $XDG_RUNTIME_DIR/bus, is left alone.
void declineBusAutolaunch();

// Reads fontconfig's configuration and font cache, the largest single cost
// before the first paint, on another core while Qt connects to the display
// and loads its platform plugin; Qt then finds it done.
class FontPreparation
{
public:
    FontPreparation();
    // Call before the first font is used: waiting costs less than reading
    // the configuration a second time.
    void wait();

private:
    std::jthread m_thread;
};

// The command-line arguments Qt may see. The form is fixed and the program
// has no command line, so only the options that choose the display or the
// platform (-display, -platform) pass, with their values; Qt's others
// (-geometry, -reverse, -style, -stylesheet, ...) are dropped.
class QtArguments
{
public:
    QtArguments(int argc, char **argv);

    // For QApplication, which keeps both for its lifetime.
    int &count() { return m_count; }
    char **values() { return m_values.data(); }

private:
    std::vector<char *> m_values;
    int m_count = 0;
};

// The whole life of the application: the steps above, the application
// object, the window shown, the event loop; returns the exit status. A probe
// may watch the window through shown.
int run(int argc, char *argv[], const std::function<void(Form1 &)> &shown = {});

} // namespace startup
