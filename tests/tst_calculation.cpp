// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crossover.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

using namespace dividra;

using Texts2 = std::array<std::string, 3>;
using Texts3 = std::array<std::string, 5>;
Q_DECLARE_METATYPE(Texts2)
Q_DECLARE_METATYPE(Texts3)
Q_DECLARE_METATYPE(Fault)

namespace {

// What a calculation ended in, as one comparable text: the captions joined
// in the order the section lists its components, "refused: <kind>" or
// "fault: <kind>".
QString describe(const Calculation &calculation, std::span<const Component> components)
{
    if (const auto *network = std::get_if<Network>(&calculation)) {
        QStringList parts;
        for (const Component component : components)
            parts << QString::fromStdString(resultCaption(component, (*network)[component]));
        return parts.join(QStringLiteral(" | "));
    }
    if (const auto *refusal = std::get_if<Refusal>(&calculation))
        return *refusal == Refusal::Incomplete ? QStringLiteral("refused: incomplete")
                                               : QStringLiteral("refused: not numeric");
    switch (std::get<Fault>(calculation)) {
    case Fault::Overflow:
        return QStringLiteral("fault: overflow");
    case Fault::DivisionByZero:
        return QStringLiteral("fault: division by zero");
    case Fault::InvalidOperation:
        break;
    }
    return QStringLiteral("fault: invalid operation");
}

template <std::size_t N>
QString run(const std::array<std::string, N> &texts)
{
    std::array<std::string_view, N> views;
    for (std::size_t i = 0; i < N; ++i)
        views[i] = texts[i];
    if constexpr (N == 3)
        return describe(calculateTwoWay(views), kTwoWayComponents);
    else
        return describe(calculateThreeWay(views), kThreeWayComponents);
}

// The formulas as the network tables write them, each result rounded to
// single precision, and the caption text from printf's "%.7G".
float twoWayInductor(int z, int f) { return float(double(z) / double(f) * 255.0); }
float twoWayCapacitor(int z, int f) { return float(1000000.0 / ((double(f) * 8.88) * double(z))); }
float threeWayCapacitor(int z, int f) { return float(1000000.0 / ((double(z) * 8.88) * double(f))); }

QString referenceCaption(const char *name, float value, bool capacitor)
{
    char number[64];
    std::snprintf(number, sizeof number, "%.7G", double(value));
    const QString text = QString::fromLatin1(number).replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral("%1 = %2%3").arg(QLatin1String(name), text,
                                           capacitor ? QStringLiteral(" \u00B5F.") : QStringLiteral(" mH."));
}

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void twoWay_data();
    void twoWay();
    void threeWay_data();
    void threeWay();
    void eachSectionKeepsItsOperationOrder();
    void againstReference();
};

void TestCalculation::twoWay_data()
{
    QTest::addColumn<Texts2>("fields");
    QTest::addColumn<QString>("expected");

    const QString incomplete = QStringLiteral("refused: incomplete");
    const QString notNumeric = QStringLiteral("refused: not numeric");
    const QString overflow = QStringLiteral("fault: overflow");
    const QString byZero = QStringLiteral("fault: division by zero");
    const QString invalid = QStringLiteral("fault: invalid operation");

    QTest::newRow("8 8 3000") << Texts2{"8", "8", "3000"}
        << QStringLiteral("C1 = 4,692192 µF. | C2 = 4,692192 µF. | L1 = 0,68 mH. | L2 = 0,68 mH.");
    QTest::newRow("4 8 2500") << Texts2{"4", "8", "2500"}
        << QStringLiteral("C1 = 11,26126 µF. | C2 = 5,63063 µF. | L1 = 0,408 mH. | L2 = 0,816 mH.");
    QTest::newRow("negative tweeter") << Texts2{"-8", "8", "3000"}
        << QStringLiteral("C1 = -4,692192 µF. | C2 = 4,692192 µF. | L1 = -0,68 mH. | L2 = 0,68 mH.");
    QTest::newRow("blanks and fraction") << Texts2{" 8 ", "7,6", "3000.4"}
        << QStringLiteral("C1 = 4,692192 µF. | C2 = 4,692192 µF. | L1 = 0,68 mH. | L2 = 0,68 mH.");
    QTest::newRow("largest values") << Texts2{"-32768", "32767", "1"}
        << QStringLiteral("C1 = -3,436664 µF. | C2 = 3,436769 µF. | L1 = -8355840 mH. | L2 = 8355585 mH.");

    QTest::newRow("empty") << Texts2{"8", "", "3000"} << incomplete;
    QTest::newRow("empty beats non-numeric") << Texts2{"", "abc", "3000"} << incomplete;
    QTest::newRow("two non-numeric, one message") << Texts2{"a", "b", "3000"} << notNumeric;
    QTest::newRow("blanks are not empty") << Texts2{"   ", "8", "3000"} << notNumeric;
    QTest::newRow("unit after number") << Texts2{"8", "8 ohm", "3000"} << notNumeric;
    QTest::newRow("99999abc overflows before the check") << Texts2{"99999abc", "8", "3000"} << overflow;
    QTest::newRow("40000 beats an empty field") << Texts2{"", "8", "40000"} << overflow;
    QTest::newRow("32767.5") << Texts2{"8", "32767.5", "3000"} << overflow;

    QTest::newRow("frequency 0") << Texts2{"8", "8", "0"} << byZero;
    QTest::newRow("frequency and tweeter 0") << Texts2{"0", "8", "0"} << invalid;
    QTest::newRow("frequency 0 stops at L1, before L2") << Texts2{"8", "0", "0"} << byZero;
    QTest::newRow("tweeter 0") << Texts2{"0", "8", "3000"} << byZero;
    QTest::newRow("woofer 0") << Texts2{"8", "0", "3000"} << byZero;
    QTest::newRow("0,4 rounds to 0") << Texts2{"8", "0,4", "3000"} << byZero;
}

void TestCalculation::twoWay()
{
    QFETCH(Texts2, fields);
    QFETCH(QString, expected);
    QCOMPARE(run(fields), expected);
}

void TestCalculation::threeWay_data()
{
    QTest::addColumn<Texts3>("fields");
    QTest::addColumn<QString>("expected");

    const QString incomplete = QStringLiteral("refused: incomplete");
    const QString notNumeric = QStringLiteral("refused: not numeric");
    const QString overflow = QStringLiteral("fault: overflow");
    const QString byZero = QStringLiteral("fault: division by zero");
    const QString invalid = QStringLiteral("fault: invalid operation");

    QTest::newRow("8 8 8 500 5000") << Texts3{"8", "8", "8", "500", "5000"}
        << QStringLiteral("C1 = 2,815315 µF. | C2 = 28,15315 µF. | C3 = 2,815315 µF. | C4 = 28,15315 µF. | "
                          "L1 = 0,408 mH. | L2 = 4,08 mH. | L3 = 0,408 mH. | L4 = 4,08 mH.");
    QTest::newRow("minimum above maximum") << Texts3{"8", "8", "8", "5000", "500"}
        << QStringLiteral("C1 = 28,15315 µF. | C2 = 2,815315 µF. | C3 = 28,15315 µF. | C4 = 2,815315 µF. | "
                          "L1 = 4,08 mH. | L2 = 0,408 mH. | L3 = 4,08 mH. | L4 = 0,408 mH.");
    QTest::newRow("negative midrange") << Texts3{"8", "-4", "8", "500", "5000"}
        << QStringLiteral("C1 = 2,815315 µF. | C2 = -56,3063 µF. | C3 = -5,63063 µF. | C4 = 28,15315 µF. | "
                          "L1 = 0,408 mH. | L2 = -2,04 mH. | L3 = -0,204 mH. | L4 = 4,08 mH.");

    QTest::newRow("empty last") << Texts3{"8", "8", "8", "500", ""} << incomplete;
    QTest::newRow("empty beats non-numeric") << Texts3{"x", "8", "", "500", "5000"} << incomplete;
    QTest::newRow("non-numeric") << Texts3{"8", "8", "8", "5OO", "5000"} << notNumeric;
    QTest::newRow("40000 beats an empty field") << Texts3{"8", "", "8", "500", "40000"} << overflow;
    QTest::newRow("-32769") << Texts3{"-32769", "8", "8", "500", "5000"} << overflow;

    // Where each zero stops the calculation shows in the fault it ends in.
    QTest::newRow("tweeter 0") << Texts3{"0", "8", "8", "500", "5000"} << byZero;
    QTest::newRow("maximum 0") << Texts3{"8", "8", "8", "500", "0"} << byZero;
    QTest::newRow("maximum and tweeter 0 stop at C1, before L1")
        << Texts3{"0", "8", "8", "500", "0"} << byZero;
    QTest::newRow("minimum 0") << Texts3{"8", "8", "8", "0", "5000"} << byZero;
    QTest::newRow("minimum and midrange 0 stop at L2, before C2")
        << Texts3{"8", "0", "8", "0", "5000"} << invalid;
    QTest::newRow("tweeter, minimum and midrange 0 stop at C1")
        << Texts3{"0", "0", "8", "0", "5000"} << byZero;
    QTest::newRow("midrange 0") << Texts3{"8", "0", "8", "500", "5000"} << byZero;
    QTest::newRow("woofer 0") << Texts3{"8", "8", "0", "500", "5000"} << byZero;
    QTest::newRow("minimum and woofer 0 stop at L2") << Texts3{"8", "8", "0", "0", "5000"} << byZero;
}

void TestCalculation::threeWay()
{
    QFETCH(Texts3, fields);
    QFETCH(QString, expected);
    QCOMPARE(run(fields), expected);
}

// The two-way formula multiplies the frequency by 8.88 first, the three-way
// one the impedance; for this pair the results differ in the last place.
void TestCalculation::eachSectionKeepsItsOperationOrder()
{
    // QCOMPARE on floats allows a relative tolerance; the rule is exact.
    const auto bits = [](float value) { return std::bit_cast<std::uint32_t>(value); };
    const std::uint32_t twoWayOrder = bits(twoWayCapacitor(20527, 28845));
    const std::uint32_t threeWayOrder = bits(threeWayCapacitor(20527, 28845));
    QVERIFY(twoWayOrder != threeWayOrder);

    const Checked<Network> two = computeTwoWay(20527, 20527, 28845);
    QVERIFY(two.ok());
    QCOMPARE(bits(two.value()[Component::C1]), twoWayOrder);
    QCOMPARE(bits(two.value()[Component::C2]), twoWayOrder);
    const Checked<Network> three = computeThreeWay(20527, 20527, 20527, 28845, 28845);
    QVERIFY(three.ok());
    for (const Component c : {Component::C1, Component::C2, Component::C3, Component::C4})
        QCOMPARE(bits(three.value()[c]), threeWayOrder);
}

// Random inputs over the whole 16-bit range, against the formulas and
// printf's formatting.
void TestCalculation::againstReference()
{
    QRandomGenerator random(31);
    const auto input = [&] {
        const int value = random.bounded(-32768, 32768);
        return value == 0 ? 1 : value;
    };
    for (int i = 0; i < 20000; ++i) {
        const int t = input(), w = input(), f = input();
        const QStringList two{referenceCaption("C1", twoWayCapacitor(t, f), true),
                              referenceCaption("C2", twoWayCapacitor(w, f), true),
                              referenceCaption("L1", twoWayInductor(t, f), false),
                              referenceCaption("L2", twoWayInductor(w, f), false)};
        QCOMPARE((run(Texts2{std::to_string(t), std::to_string(w), std::to_string(f)})),
                 two.join(QStringLiteral(" | ")));

        const int tw = input(), md = input(), wf = input(), fmin = input(), fmax = input();
        const QStringList three{referenceCaption("C1", threeWayCapacitor(tw, fmax), true),
                                referenceCaption("C2", threeWayCapacitor(md, fmin), true),
                                referenceCaption("C3", threeWayCapacitor(md, fmax), true),
                                referenceCaption("C4", threeWayCapacitor(wf, fmin), true),
                                referenceCaption("L1", twoWayInductor(tw, fmax), false),
                                referenceCaption("L2", twoWayInductor(md, fmin), false),
                                referenceCaption("L3", twoWayInductor(md, fmax), false),
                                referenceCaption("L4", twoWayInductor(wf, fmin), false)};
        QCOMPARE((run(Texts3{std::to_string(tw), std::to_string(md), std::to_string(wf),
                                     std::to_string(fmin), std::to_string(fmax)})),
                 three.join(QStringLiteral(" | ")));
    }
}

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
