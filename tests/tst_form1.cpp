// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <memory>

using dividra::Fault;
using dividra::Refusal;

Q_DECLARE_METATYPE(UserMessage)

namespace {

const QStringList kTwoWayResults{"C1 = 4,692192 µF.", "C2 = 4,692192 µF.", "L1 = 0,68 mH.",
                                 "L2 = 0,68 mH."};
const QStringList kThreeWayResults{"C1 = 2,815315 µF.", "C2 = 28,15315 µF.", "C3 = 2,815315 µF.",
                                   "C4 = 28,15315 µF.", "L1 = 0,408 mH.", "L2 = 4,08 mH.",
                                   "L3 = 0,408 mH.", "L4 = 4,08 mH."};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsAndInitialCaptions();
    void calculateTwoWay();
    void calculateThreeWay();
    void refusalKeepsEverything_data();
    void refusalKeepsEverything();
    void faultKeepsEverything_data();
    void faultKeepsEverything();
    void messageBoxes_data();
    void messageBoxes();
    void italianContextMenu();
};

void TestForm1::initTestCase()
{
    configureApplication(*qApp);
}

void TestForm1::controlsAndInitialCaptions()
{
    Fixture f;
    const QStringList all = kTwoWayFields + kThreeWayFields;
    for (const QString &name : all)
        QVERIFY2(f.field(name) && f.field(name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(f.captions(kTwoWayLabels), (QStringList{"C1", "C2", "L1", "L2"}));
    QCOMPARE(f.captions(kThreeWayLabels),
             (QStringList{"C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"}));
    const QStringList captions{"Calcola", "Cancella", "Calcola", "Cancella", "&Esci", "&Guida"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(f.button(QStringLiteral("Command%1").arg(i + 1))->text(), captions[i]);
    QCOMPARE(f.form.findChildren<QWidget *>().size(), 42);
}

void TestForm1::calculateTwoWay()
{
    Fixture f;
    f.type(kTwoWayFields, {"8", "8", "3000"});
    f.click("Command1");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayResults);
    QCOMPARE(f.captions(kThreeWayLabels),
             (QStringList{"C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"}));
    QCOMPARE(f.texts(kTwoWayFields), (QStringList{"8", "8", "3000"}));

    // A second click with the same input writes the same captions.
    f.click("Command1");
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayResults);
}

void TestForm1::calculateThreeWay()
{
    Fixture f;
    f.calculateBoth();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.captions(kThreeWayLabels), kThreeWayResults);
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayResults);

    // Editing a field changes nothing until the next click.
    f.type(kThreeWayFields, {"4", "4", "4", "250", "2500"});
    QCOMPARE(f.captions(kThreeWayLabels), kThreeWayResults);
}

void TestForm1::refusalKeepsEverything_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<UserMessage>("message");

    const UserMessage incomplete = refusalMessage(Refusal::Incomplete);
    const UserMessage notNumeric = refusalMessage(Refusal::NotNumeric);
    QTest::newRow("two-way empty") << "Command1" << kTwoWayFields
                                   << QStringList{"8", "", "abc"} << incomplete;
    QTest::newRow("two-way blanks") << "Command1" << kTwoWayFields
                                    << QStringList{"8", "  ", "3000"} << notNumeric;
    QTest::newRow("three-way two non-numeric")
        << "Command3" << kThreeWayFields << QStringList{"8", "x", "8", "y", "5000"} << notNumeric;
    QTest::newRow("three-way empty") << "Command3" << kThreeWayFields
                                     << QStringList{"", "8", "8", "500", "5000"} << incomplete;
}

// Earlier results stay standing after a refusal, and so does the input.
void TestForm1::refusalKeepsEverything()
{
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(UserMessage, message);

    Fixture f;
    f.calculateBoth();

    f.type(fields, texts);
    f.click(button);
    QCOMPARE(f.messages, QList<UserMessage>{message});
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayResults);
    QCOMPARE(f.captions(kThreeWayLabels), kThreeWayResults);
    QCOMPARE(f.texts(fields), texts);
}

void TestForm1::faultKeepsEverything_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<UserMessage>("message");

    const UserMessage overflow = faultMessage(Fault::Overflow);
    const UserMessage byZero = faultMessage(Fault::DivisionByZero);
    const UserMessage invalid = faultMessage(Fault::InvalidOperation);

    QTest::newRow("two-way 40000 and empty") << "Command1" << kTwoWayFields
                                             << QStringList{"40000", "", "3000"} << overflow;
    QTest::newRow("two-way 99999abc") << "Command1" << kTwoWayFields
                                      << QStringList{"8", "99999abc", "3000"} << overflow;
    QTest::newRow("two-way zero frequency") << "Command1" << kTwoWayFields
                                            << QStringList{"8", "8", "0"} << byZero;
    QTest::newRow("two-way zeros") << "Command1" << kTwoWayFields
                                   << QStringList{"0", "8", "0"} << invalid;
    QTest::newRow("three-way zero woofer") << "Command3" << kThreeWayFields
                                           << QStringList{"8", "8", "0", "500", "5000"} << byZero;
    QTest::newRow("three-way zero midrange and minimum")
        << "Command3" << kThreeWayFields << QStringList{"8", "0", "8", "0", "5000"} << invalid;
    QTest::newRow("three-way huge") << "Command3" << kThreeWayFields
                                    << QStringList{"8", "8", "8", "500", QString(3000, '9')} << overflow;
}

// A fault is reported and the window goes on as it was.
void TestForm1::faultKeepsEverything()
{
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(UserMessage, message);

    Fixture f;
    f.calculateBoth();

    f.type(fields, texts);
    f.click(button);
    QCOMPARE(f.messages, QList<UserMessage>{message});
    QCOMPARE(f.captions(kTwoWayLabels), kTwoWayResults);
    QCOMPARE(f.captions(kThreeWayLabels), kThreeWayResults);
    QCOMPARE(f.texts(fields), texts);

    // Still working: a good input now calculates.
    f.messages.clear();
    f.type(kTwoWayFields, {"4", "8", "2500"});
    f.click("Command1");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.label("lblc1")->text(), QStringLiteral("C1 = 11,26126 µF."));
}

void TestForm1::messageBoxes_data()
{
    QTest::addColumn<UserMessage>("message");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    const int refusal = int(UserMessage::Kind::Refusal);
    const int fault = int(UserMessage::Kind::Fault);
    QTest::newRow("incomplete") << refusalMessage(Refusal::Incomplete) << refusal
                                << "dati non completi" << int(QMessageBox::NoIcon);
    QTest::newRow("not numeric") << refusalMessage(Refusal::NotNumeric) << refusal
                                 << "inserire solo dati numerici" << int(QMessageBox::NoIcon);
    QTest::newRow("overflow") << faultMessage(Fault::Overflow) << fault
                              << "Overflow: inserire valori compresi tra -32768 e 32767"
                              << int(QMessageBox::Critical);
    QTest::newRow("division by zero")
        << faultMessage(Fault::DivisionByZero) << fault
        << "Divisione per zero: impedenze e frequenze devono essere diverse da zero"
        << int(QMessageBox::Critical);
    QTest::newRow("invalid operation")
        << faultMessage(Fault::InvalidOperation) << fault
        << "Operazione non valida: impedenze e frequenze devono essere diverse da zero"
        << int(QMessageBox::Critical);
}

// Every text the user can be shown, word for word, in its box.
void TestForm1::messageBoxes()
{
    QFETCH(UserMessage, message);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QCOMPARE(int(message.kind), kind);
    QCOMPARE(message.text, text);
    const std::unique_ptr<QMessageBox> box = createMessageBox(message, nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("Dividra"));
    QCOMPARE(box->text(), text);
    QCOMPARE(int(box->icon()), icon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    QVERIFY(box->button(QMessageBox::Ok)->icon().isNull()); // no theme icon on the button
    QVERIFY(box->isModal());
}

// Qt's own texts are Italian like the rest of the window.
void TestForm1::italianContextMenu()
{
    if (!QFile::exists(QStringLiteral(":/translations/qtbase_it.qm"))
        && !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")))
        QSKIP("Qt's Italian translations are not installed (Debian: qt6-translations-l10n)");
    Fixture f;
    QLineEdit *field = f.field(QStringLiteral("txttweeter"));
    QTest::keyClicks(field, QStringLiteral("8"));
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().remove(u'&').section(u'\t', 0, 0);
    QCOMPARE(texts, (QStringList{"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina",
                                 "Seleziona tutto"}));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
