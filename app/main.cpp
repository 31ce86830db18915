#include "applicationsetup.h"
#include "form1.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    startup::declineBusAutolaunch();
    const std::jthread fonts = startup::prepareFonts();
    startup::QtArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    configureApplication(application);
    Form1 form;
    form.show();
    return application.exec();
}
