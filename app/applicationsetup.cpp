// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationsetup.h"

#include "classicstyle.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
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
    application.setStyle(new ClassicStyle);

    // The window is Italian throughout, so Qt's own texts (a field's context
    // menu, ...) are too, whatever the desktop's language. A build whose Qt
    // has no translations folder (Windows) carries them built in; elsewhere
    // they come from Qt's folder, and where they are not installed they stay
    // English.
    const QString catalogue = QStringLiteral("qtbase_it");
    auto *translator = new QTranslator(&application);
    if (translator->load(catalogue, QStringLiteral(":/translations"))
        || translator->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    // Closing the only window ends the application. Qt would end it on its
    // own only where nothing holds its event loop's quit lock; under the
    // Windows platform something does, and the process would stay on
    // without a window.
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &application,
                     &QCoreApplication::quit);

    // The form's font is the application's too, as on the classic desktop
    // the form was made for (message boxes, tooltips). It also spares a face
    // that nothing keeps: a field first lays out its text in the
    // application's font, before its own.
    QApplication::setFont(Form1::formFont());
}
