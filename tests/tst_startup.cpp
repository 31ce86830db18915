#include "applicationsetup.h"
#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void declineBusAutolaunch_data();
    void declineBusAutolaunch();
    void fixedFormIgnoresArguments();
};

void TestStartup::declineBusAutolaunch_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("busSocket");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("bus named") << QByteArray("unix:path=/run/user/1000/bus") << false
                               << QByteArray("unix:path=/run/user/1000/bus");
    QTest::newRow("bus in the runtime folder") << QByteArray() << true << QByteArray();
    QTest::newRow("no bus") << QByteArray() << false << QByteArray("disabled:");
}

// A desktop's bus is used; where there is none, none is launched.
void TestStartup::declineBusAutolaunch()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, busSocket);
    QFETCH(QByteArray, expected);
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    if (busSocket) {
        QFile bus(runtime.filePath(QStringLiteral("bus")));
        QVERIFY(bus.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (address.isEmpty())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    startup::declineBusAutolaunch();
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), expected);
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
                         styleSheet.fileName().toLocal8Bit(), "-platform", "offscreen"};
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
    QCOMPARE(application.style()->name(), QStringLiteral("windows"));
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
