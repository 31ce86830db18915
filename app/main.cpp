#include "applicationsetup.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);
    Form1 form;
    form.show();
    return application.exec();
}
