// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace {

const QStringList kTabCycle{"txttweeter", "txtwoofer", "txtfrequenza", "Command1", "Command2",
                            "txttw", "txtmd", "txtw", "txtmin", "txtmax", "Command3",
                            "Command4", "Command5", "Picture1", "Picture2", "Command6"};

QString focused()
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

// Runs the event loop until the application is asked to end, for at most
// two seconds; tells whether it was.
bool applicationEnds(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    timeout.start(2000);
    return QCoreApplication::exec() == 0;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void focusStartsInTweeterField();
    void tabCycle_data();
    void tabCycle();
    void buttonKeys_data();
    void buttonKeys();
    void keysThatPressNothing();
    void onlyFieldsButtonsAndBoxesTakeFocus();
    void clear_data();
    void clear();
    void help();
    void accessKeyShowsHelp();
    void altWithOtherKeys_data();
    void altWithOtherKeys();
    void altWithEditingKeys_data();
    void altWithEditingKeys();
    void keysOnPictures_data();
    void keysOnPictures();
    void exitEnds_data();
    void exitEnds();
};

void TestCommands::initTestCase()
{
    configureApplication(*qApp);
}

void TestCommands::focusStartsInTweeterField()
{
    Fixture f;
    QVERIFY(f.activate());
    QCOMPARE(focused(), QStringLiteral("txttweeter"));
}

void TestCommands::tabCycle_data()
{
    QTest::addColumn<bool>("helpShown");
    QTest::addColumn<bool>("backwards");
    QTest::newRow("forwards") << false << false;
    QTest::newRow("backwards") << false << true;
    QTest::newRow("forwards, help shown") << true << false;
    QTest::newRow("backwards, help shown") << true << true;
}

void TestCommands::tabCycle()
{
    QFETCH(bool, helpShown);
    QFETCH(bool, backwards);
    Fixture f;
    QVERIFY(f.activate());
    if (helpShown)
        f.click("Command6");
    f.field("txttweeter")->setFocus();

    QStringList expected = kTabCycle;
    if (helpShown)
        expected << "Picture3";
    if (backwards)
        std::reverse(expected.begin() + 1, expected.end());
    expected << "txttweeter";

    QStringList visited{focused()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited << focused();
    }
    QCOMPARE(visited, expected);
}

void TestCommands::buttonKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

// A focused button is pressed by Space and by Enter.
void TestCommands::buttonKeys()
{
    QFETCH(int, key);
    Fixture f;
    QVERIFY(f.activate());
    f.type(kTwoWayFields, {"8", "8", "3000"});
    f.button("Command1")->setFocus();
    QTest::keyClick(f.button("Command1"), Qt::Key(key));
    QCOMPARE(f.label("lblc1")->text(), QStringLiteral("C1 = 4,692192 µF."));

    f.button("Command2")->setFocus();
    QTest::keyClick(f.button("Command2"), Qt::Key(key));
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayCleared);

    f.button("Command6")->setFocus();
    QTest::keyClick(f.button("Command6"), Qt::Key(key));
    QVERIFY(f.widget("Picture3")->isVisible());
}

// Enter in a field and Esc anywhere press no button.
void TestCommands::keysThatPressNothing()
{
    Fixture f;
    QVERIFY(f.activate());
    f.type(kTwoWayFields, {"8", "8", "3000"});
    f.type(kThreeWayFields, {"8", "8", "8", "500", "5000"});
    for (const QString &name : kTwoWayFields + kThreeWayFields) {
        f.field(name)->setFocus();
        QTest::keyClick(f.field(name), Qt::Key_Return);
        QTest::keyClick(f.field(name), Qt::Key_Enter);
        QTest::keyClick(f.field(name), Qt::Key_Escape);
    }
    f.button("Command2")->setFocus();
    QTest::keyClick(f.button("Command2"), Qt::Key_Escape);
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayCleared);
    QCOMPARE(f.captions(kThreeWayLabels), kThreeWayCleared);
    QCOMPARE(f.texts(kTwoWayFields), (QStringList{"8", "8", "3000"}));
    QVERIFY(f.messages.isEmpty());
    QVERIFY(!f.widget("Picture3")->isVisible());
}

void TestCommands::onlyFieldsButtonsAndBoxesTakeFocus()
{
    Fixture f;
    QStringList focusable;
    for (QWidget *control : f.form.findChildren<QWidget *>()) {
        if (control->focusPolicy() != Qt::NoFocus)
            focusable << control->objectName();
    }
    QStringList expected = kTabCycle + QStringList{"Picture3"};
    focusable.sort();
    expected.sort();
    QCOMPARE(focusable, expected);
}

void TestCommands::clear_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("threeWay");
    QTest::newRow("two-way") << "Command2" << false;
    QTest::newRow("three-way") << "Command4" << true;
}

// A clear restores its own section as at start and leaves the other alone.
void TestCommands::clear()
{
    QFETCH(QString, button);
    QFETCH(bool, threeWay);
    const QStringList &fields = threeWay ? kThreeWayFields : kTwoWayFields;
    const QStringList &labels = threeWay ? kThreeWayLabels : kTwoWayLabels;
    const QStringList &otherFields = threeWay ? kTwoWayFields : kThreeWayFields;
    const QStringList &otherLabels = threeWay ? kTwoWayLabels : kThreeWayLabels;

    Fixture f;
    f.calculateBoth();
    const QStringList otherTexts = f.texts(otherFields);
    const QStringList otherCaptions = f.captions(otherLabels);

    for (int twice = 0; twice < 2; ++twice) { // clearing a clear section changes nothing
        f.click(button);
        QCOMPARE(f.captions(labels), threeWay ? kThreeWayCleared : kTwoWayCleared);
        QCOMPARE(f.texts(fields), QStringList(fields.size()));
        QCOMPARE(f.texts(otherFields), otherTexts);
        QCOMPARE(f.captions(otherLabels), otherCaptions);
    }
    QVERIFY(f.messages.isEmpty());
}

void TestCommands::help()
{
    Fixture f;
    QWidget *help = f.widget("Picture3");
    QVERIFY(!help->isVisible());
    f.click("Command6");
    QVERIFY(help->isVisible());
    f.click("Command6");
    QVERIFY(help->isVisible());

    // Fields and buttons stay usable while the help is shown; results go
    // into the labels under it.
    f.type(kThreeWayFields, {"8", "8", "8", "500", "5000"});
    f.click("Command3");
    QCOMPARE(f.label("labelc1")->text(), QStringLiteral("C1 = 2,815315 µF."));

    // A click anywhere on it hides it, also where it covers a diagram, a
    // label or the line; the click goes through the window as a user's would.
    for (const QPoint point : {QPoint(250, 200), QPoint(400, 140), QPoint(500, 232)}) {
        f.click("Command6");
        QTest::mouseClick(f.form.windowHandle(), Qt::LeftButton, {}, point);
        QVERIFY(!help->isVisible());
    }
}

void TestCommands::accessKeyShowsHelp()
{
    Fixture f;
    QVERIFY(f.activate());
    f.field("txtmax")->setFocus();
    // An access key presses its button the way a click does, after showing
    // it pressed for a moment.
    QTest::keyClick(f.field("txtmax"), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(f.widget("Picture3")->isVisible());
    // Pressed again while the help is shown, it keeps it shown.
    QSignalSpy pressed(f.button("Command6"), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(pressed.count(), 1);
    QVERIFY(f.widget("Picture3")->isVisible());
    QCOMPARE(focused(), QStringLiteral("txtmax"));
}

void TestCommands::altWithOtherKeys_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("helpShown");
    QTest::newRow("Alt+C") << 'c' << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Alt+3") << '3' << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Alt+Shift+G") << 'G' << (Qt::AltModifier | Qt::ShiftModifier) << true;
}

// Alt with a key types nothing into a field: it is an access key, with or
// without Shift, or nothing.
void TestCommands::altWithOtherKeys()
{
    QFETCH(char, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, helpShown);
    Fixture f;
    QVERIFY(f.activate());
    f.type({"txtmax"}, {"5000"});
    QTest::keyClick(f.field("txtmax"), key, modifiers);
    QTRY_COMPARE(f.widget("Picture3")->isVisible(), helpShown);
    QCOMPARE(f.field("txtmax")->text(), QStringLiteral("5000"));
}

void TestCommands::altWithEditingKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("undoFirst");
    QTest::newRow("Alt+Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Alt+Shift+Backspace after an undo")
        << Qt::Key_Backspace << (Qt::AltModifier | Qt::ShiftModifier) << true;
    QTest::newRow("AltGr+@") << Qt::Key_At << (Qt::ControlModifier | Qt::AltModifier) << false;
}

// Alt with a key that types nothing, and AltGr (which Windows reports as
// Ctrl+Alt), reach the field: it does with them what a bare field does
// (Windows binds Alt+Backspace to undo and Alt+Shift+Backspace to redo).
void TestCommands::altWithEditingKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, undoFirst);
    Fixture f;
    QVERIFY(f.activate());
    QLineEdit bare;
    for (QLineEdit *field : {f.field("txtmax"), &bare}) {
        QTest::keyClicks(field, QStringLiteral("12"));
        if (undoFirst)
            field->undo();
        QTest::keyClick(field, key, modifiers);
    }
    QCOMPARE(f.field("txtmax")->text(), bare.text());
    QVERIFY(!f.widget("Picture3")->isVisible());
}

void TestCommands::keysOnPictures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("hides");
    QTest::newRow("Space on the help") << "Picture3" << Qt::Key_Space << true;
    QTest::newRow("Return on the help") << "Picture3" << Qt::Key_Return << false;
    QTest::newRow("Escape on the help") << "Picture3" << Qt::Key_Escape << false;
    QTest::newRow("a letter on the help") << "Picture3" << Qt::Key_A << false;
    QTest::newRow("Space on a diagram") << "Picture1" << Qt::Key_Space << false;
}

// The focused help page is pressed by Space, as a button is, and hides as
// after a click; no other key on a picture does anything.
void TestCommands::keysOnPictures()
{
    QFETCH(QString, picture);
    QFETCH(Qt::Key, key);
    QFETCH(bool, hides);
    Fixture f;
    QVERIFY(f.activate());
    f.click("Command6");
    f.widget(picture)->setFocus();
    QTest::keyClick(f.widget(picture), key);
    QCOMPARE(f.widget("Picture3")->isVisible(), !hides);
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayCleared);
    QVERIFY(f.messages.isEmpty());
}

void TestCommands::exitEnds_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("click on Esci") << 0;
    QTest::newRow("Alt+E from a field") << 1;
    QTest::newRow("Alt+E while the help is shown") << 2;
    QTest::newRow("closing the window") << 3;
}

void TestCommands::exitEnds()
{
    QFETCH(int, way);
    Fixture f;
    QVERIFY(f.activate());
    f.type(kTwoWayFields, {"8", "8", "3000"});
    if (way == 2)
        f.click("Command6");
    QVERIFY(applicationEnds([&] {
        switch (way) {
        case 0:
            f.click("Command5");
            break;
        case 3:
            f.form.close();
            break;
        default:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        }
    }));
    QVERIFY(f.messages.isEmpty());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
