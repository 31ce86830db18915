// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

class Form1;

// How the process starts: the application object, the window, the event
// loop. It runs on one thread and leaves the environment as it found it, so
// that Qt's accessibility bridge finds the desktop's session bus however
// the desktop offers it.
namespace startup {

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

// The whole life of the application: Qt's arguments filtered as above, the
// application object and its settings (configureApplication), the window
// shown, the event loop; returns the exit status. A probe may watch the
// window through shown.
int run(int argc, char *argv[], const std::function<void(Form1 &)> &shown = {});

} // namespace startup
