#include "startup.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void declineBusAutolaunch_data();
    void declineBusAutolaunch();
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

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
