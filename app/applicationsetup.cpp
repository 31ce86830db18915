#include "applicationsetup.h"

#include "form1.h"
#include "identity.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

void configureApplication(QApplication &application)
{
    using namespace dividra::identity;
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(kShownVersion));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopFileName));

    // Qt's Windows style draws the classic look the form was made for, on
    // every desktop: sunken three-dimensional fields and push buttons whose
    // face is one flat fill in their palette colour (the cyan and white
    // faces). It is also the cheapest style to paint.
    application.setStyle(QStyleFactory::create(QStringLiteral("Windows")));

    // The window is Italian throughout, so Qt's own texts (a field's context
    // menu, ...) are too, whatever the desktop's language. Where Qt's
    // translations are not installed, they stay English.
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    // The form's font is the application's too, as on the classic desktop
    // the form was made for (message boxes, tooltips). It also spares a face
    // that nothing keeps: a field first lays out its text in the
    // application's font, before its own.
    QApplication::setFont(Form1::formFont());
}
