#include "applicationsetup.h"
#include "form1.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    startup::declineBusAutolaunch();
    startup::FontPreparation fonts;
    startup::QtArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    configureApplication(application);
    fonts.wait(); // the form needs fonts: wait rather than read them twice
    Form1 form;
    form.show();
    return application.exec();
}
