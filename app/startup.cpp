// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "applicationsetup.h"
#include "form1.h"

#include <QApplication>

#include <string_view>

namespace startup {

QtArguments::QtArguments(int argc, char **argv)
{
    if (argc > 0)
        m_values.push_back(argv[0]);
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "-display" || option == "--display" || option == "-platform"
            || option == "--platform") {
            m_values.push_back(argv[i]);
            m_values.push_back(argv[++i]);
        }
    }
    m_count = int(m_values.size());
    m_values.push_back(nullptr); // argv ends in a null pointer
}

int run(int argc, char *argv[], const std::function<void(Form1 &)> &shown)
{
    QtArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    configureApplication(application);
    Form1 form;
    form.show();
    if (shown)
        shown(form);
    return application.exec();
}

} // namespace startup
