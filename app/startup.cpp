#include "startup.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

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

std::jthread prepareFonts()
{
#if DIVIDRA_HAVE_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

} // namespace startup
