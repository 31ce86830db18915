#include "startup.h"

#include "applicationsetup.h"
#include "form1.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

#include <string_view>

#if DIVIDRA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace startup {

void declineBusAutolaunch()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArrayLiteral("disabled:"));
}

FontPreparation::FontPreparation()
{
#if DIVIDRA_HAVE_FONTCONFIG
    m_thread = std::jthread([] { FcInit(); });
#endif
}

void FontPreparation::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

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
    declineBusAutolaunch();
    FontPreparation fonts;
    QtArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    fonts.wait(); // fonts come next: wait rather than read fontconfig twice
    configureApplication(application);
    Form1 form;
    form.show();
    if (shown)
        shown(form);
    return application.exec();
}

} // namespace startup
