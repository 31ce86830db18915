// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationsetup.h"
#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void sessionBusLeftToTheDesktop();
    void fixedFormIgnoresArguments();
    void placedOnTheScreen_data();
    void placedOnTheScreen();
};

namespace {

// The offscreen platform's option naming a configuration with the given
// screens, the first of them primary, each "x,y,widthxheight".
QByteArray offscreenWithScreens(const QTemporaryDir &folder, const QStringList &screens)
{
    QStringList entries;
    for (const QString &screen : screens) {
        const QStringList numbers = QString(screen).replace(u'x', u',').split(u',');
        if (numbers.size() != 4)
            return {};
        entries << QStringLiteral(R"({"name": "%1", "x": %2, "y": %3, "width": %4, "height": %5})")
                       .arg(entries.size())
                       .arg(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    const QString path = folder.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral(R"({"screens": [%1]})").arg(entries.join(u", ")).toUtf8());
    return "offscreen:configfile=" + path.toLocal8Bit();
}

} // namespace

// Qt's accessibility bridge finds a session bus that only X11 autolaunch
// offers (no address, no $XDG_RUNTIME_DIR/bus) only if start-up leaves the
// bus's address alone.
void TestStartup::sessionBusLeftToTheDesktop()
{
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] {
        for (const auto &[name, value] : {std::pair{"DBUS_SESSION_BUS_ADDRESS", savedAddress},
                                          std::pair{"XDG_RUNTIME_DIR", savedRuntime}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    });
    QTemporaryDir runtime; // a runtime folder without a bus
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    QByteArrayList words{"Dividra1.2", "-platform", "offscreen"};
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    bool shown = false;
    const int status = startup::run(int(argv.size()), argv.data(), [&](Form1 &) {
        shown = true;
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(7); });
    });
    QVERIFY(shown);
    QCOMPARE(status, 7);
    QVERIFY2(!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"),
             qPrintable(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")));
}

// Qt's options that would change the form are dropped; the one that
// chooses the platform still works.
void TestStartup::fixedFormIgnoresArguments()
{
    QTemporaryDir folder;
    QFile styleSheet(folder.filePath(QStringLiteral("red.qss")));
    QVERIFY(styleSheet.open(QIODevice::WriteOnly) && styleSheet.write("QLineEdit { background: red; }") > 0);
    styleSheet.close();
    QByteArrayList words{"Dividra1.2", "-geometry", "300x200+10+10", "-qwindowgeometry",
                         "300x200+10+10", "-reverse", "-style", "fusion", "-stylesheet",
                         styleSheet.fileName().toLocal8Bit(), "-platform",
                         offscreenWithScreens(folder, {QStringLiteral("0,0,1024x768")})};
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());

    startup::QtArguments arguments(int(argv.size()), argv.data());
    QCOMPARE(arguments.count(), 3);
    QApplication application(arguments.count(), arguments.values());
    configureApplication(application);
    QCOMPARE(QApplication::platformName(), QStringLiteral("offscreen"));
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.geometry(), QRect(154, 113, 737, 573));
    QCOMPARE(form.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(application.styleSheet(), QString());
    const auto *style = qobject_cast<const QProxyStyle *>(application.style());
    QVERIFY(style);
    QCOMPARE(style->baseStyle()->name(), QStringLiteral("windows"));
}

void TestStartup::placedOnTheScreen_data()
{
    QTest::addColumn<QStringList>("screens");
    QTest::addColumn<QByteArray>("scale");
    QTest::addColumn<QRect>("geometry");
    // The offscreen platform's frame is 2 screen pixels wide on every side:
    // 1 of the window's pixels at 150 %.
    QTest::newRow("1024x768 at 100 %: where the form says")
        << QStringList{"0,0,1024x768"} << QByteArray("1") << QRect(154, 113, 737, 573);
    // 853x683 of the window's pixels, rounded from 853.33x682.67: the frame
    // moves left and up to one pixel short of the far edges.
    QTest::newRow("1280x1024 at 150 %: moved the least")
        << QStringList{"0,0,1280x1024"} << QByteArray("1.5") << QRect(114, 108, 737, 573);
    // 683x512: larger than the screen, from its top-left corner.
    QTest::newRow("1024x768 at 150 %: at the corner")
        << QStringList{"0,0,1024x768"} << QByteArray("1.5") << QRect(1, 1, 737, 573);
    // The start position is on the left screen, not the primary one.
    QTest::newRow("on a screen left of the primary")
        << QStringList{"1280,0,1280x1024", "0,0,1280x1024"} << QByteArray("1") << QRect(154, 113, 737, 573);
    // No screen under the start position: onto the window's own screen.
    QTest::newRow("on a screen whose origin is negative")
        << QStringList{"-1280,-200,1280x1024"} << QByteArray("1") << QRect(-739, 113, 737, 573);
    // The window's centre is on a screen too small for it: at that screen's
    // corner, not on the primary one.
    QTest::newRow("on a screen smaller than the window")
        << QStringList{"640,0,1280x1024", "0,0,640x480"} << QByteArray("1") << QRect(2, 2, 737, 573);
}

// However the desktop is scaled and its screens are arranged, the window
// starts wholly on one screen, frame included.
void TestStartup::placedOnTheScreen()
{
    QFETCH(QStringList, screens);
    QFETCH(QByteArray, scale);
    QFETCH(QRect, geometry);
    QTemporaryDir folder;
    QByteArrayList words{"Dividra1.2", "-platform", offscreenWithScreens(folder, screens)};
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    qputenv("QT_SCALE_FACTOR", scale);
    const auto restore = qScopeGuard([] { qunsetenv("QT_SCALE_FACTOR"); });
    QRect shownAt;
    startup::run(int(argv.size()), argv.data(), [&](Form1 &form) {
        QTimer::singleShot(0, qApp, [&] {
            shownAt = form.geometry();
            QCoreApplication::exit(0);
        });
    });
    QCOMPARE(shownAt, geometry);
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
