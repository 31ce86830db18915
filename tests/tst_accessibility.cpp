// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"
#include "helptext.h"

#include <QAccessible>
#include <QMessageBox>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString name(QWidget *widget) { return accessible(widget)->text(QAccessible::Name); }
QString description(QWidget *widget) { return accessible(widget)->text(QAccessible::Description); }

// The events the window sends to assistive technology while it is active.
QList<QPair<QObject *, QAccessible::Event>> events;
void record(QAccessibleEvent *event) { events.append({event->object(), event->type()}); }

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFocusableControlIsNamed();
    void sectionsAreTold_data();
    void sectionsAreTold();
    void picturesAndHelp();
    void pressBehindAMessageDoesNothing();
    void changedResultsAreAnnounced();
    void messagesAreAlerts();
};

void TestAccessibility::initTestCase()
{
    configureApplication(*qApp);
    // As when a screen reader runs: Qt then sends the window's events on.
    QAccessible::installUpdateHandler(record);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

void TestAccessibility::everyFocusableControlIsNamed()
{
    Fixture f;
    for (QWidget *control : f.form.findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!name(control).isEmpty(), qPrintable(control->objectName()));
    // A field is named by its caption, a result by what it shows.
    QCOMPARE(name(f.widget("txtmin")), QStringLiteral("Frequenza Minima"));
    QCOMPARE(name(f.widget("Labelc3")), QStringLiteral("C3"));
}

void TestAccessibility::sectionsAreTold_data()
{
    QTest::addColumn<QString>("twoWay");
    QTest::addColumn<QString>("threeWay");
    QTest::newRow("tweeter") << "txttweeter" << "txttw";
    QTest::newRow("woofer") << "txtwoofer" << "txtw";
    QTest::newRow("Calcola") << "Command1" << "Command3";
    QTest::newRow("Cancella") << "Command2" << "Command4";
}

// Controls of the same name in both sections say which section is theirs;
// the tooltips stay as they were.
void TestAccessibility::sectionsAreTold()
{
    QFETCH(QString, twoWay);
    QFETCH(QString, threeWay);
    Fixture f;
    QCOMPARE(name(f.widget(twoWay)), name(f.widget(threeWay)));
    QVERIFY(description(f.widget(twoWay)).contains(QStringLiteral("2 vie")));
    QVERIFY(description(f.widget(threeWay)).contains(QStringLiteral("3 vie")));
    const QString tooltip = f.widget(twoWay)->toolTip();
    if (!tooltip.isEmpty())
        QVERIFY(description(f.widget(twoWay)).endsWith(tooltip.trimmed()));
}

void TestAccessibility::picturesAndHelp()
{
    Fixture f;
    QStringList names;
    for (const char *box : {"Picture1", "Picture2", "Picture3", "Image3"}) {
        QCOMPARE(accessible(f.widget(box))->role(), QAccessible::Graphic);
        names << name(f.widget(box));
    }
    names.removeDuplicates();
    QCOMPARE(names.size(), 4);

    // Only a picture that a click closes offers to be pressed.
    for (const char *box : {"Picture1", "Picture2", "Image3"})
        QVERIFY2(accessible(f.widget(box))->actionInterface()->actionNames().isEmpty(), box);
    QCOMPARE(accessible(f.widget("Line1"))->role(), QAccessible::Separator);

    // The whole help text, its last line saying that a click closes it; the
    // press action closes it too.
    QWidget *help = f.widget("Picture3");
    f.click("Command6");
    for (const std::string_view line : kHelpLines) {
        if (line.empty())
            continue;
        const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
        QVERIFY(description(help).split(u'\n').contains(text));
    }
    accessible(help)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!help->isVisible());
}

// While a message box is open, a screen reader's press on a button behind
// it runs no handler.
void TestAccessibility::pressBehindAMessageDoesNothing()
{
    Fixture f;
    f.calculateBoth();
    const QStringList shown = f.captions(kTwoWayLabels);
    const std::unique_ptr<QMessageBox> box =
        createMessageBox(refusalMessage(dividra::Refusal::Incomplete), &f.form);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    QPushButton *clear = f.button("Command2");
    accessible(clear)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(clear->isDown()); // pressed, to be released in a moment
    QTRY_VERIFY(!clear->isDown());
    QCOMPARE(f.captions(kTwoWayLabels), shown);
    QCOMPARE(f.texts(kTwoWayFields), (QStringList{"8", "8", "3000"}));
}

void TestAccessibility::changedResultsAreAnnounced()
{
    Fixture f;
    f.type(kTwoWayFields, {"8", "8", "3000"});
    events.clear();
    f.click("Command1");
    QStringList announced;
    for (const auto &[object, type] : std::as_const(events))
        if (type == QAccessible::NameChanged)
            announced << object->objectName();
    QCOMPARE(announced, kTwoWayLabels);
}

void TestAccessibility::messagesAreAlerts()
{
    const std::unique_ptr<QMessageBox> box =
        createMessageBox(refusalMessage(dividra::Refusal::Incomplete), nullptr);
    events.clear();
    box->show();
    QCOMPARE(accessible(box.get())->role(), QAccessible::AlertMessage);
    QVERIFY(events.contains(qMakePair(static_cast<QObject *>(box.get()), QAccessible::Alert)));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
