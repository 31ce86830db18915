// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields.h"
#include "textrules.h"

#include <QRandomGenerator>
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

using namespace dividra;

Q_DECLARE_METATYPE(std::string)

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readNumber_data();
    void readNumber();
    void readNumberOverflow_data();
    void readNumberOverflow();
    void roundToInt16_data();
    void roundToInt16();
    void readInputValue_data();
    void readInputValue();
    void isNumericText_data();
    void isNumericText();
    void numericTextIsReadWhole();
    void formatSingle_data();
    void formatSingle();
    void formatSingleMatchesPrintf();
};

// CTest runs this suite under the C locale and under Italian and German
// ones; make sure the locale really took effect, or the run proves nothing.
void TestTextRules::initTestCase()
{
    if (!std::setlocale(LC_ALL, ""))
        QSKIP(qPrintable(QStringLiteral("locale %1 is not installed (on Debian: localedef -i %2 -f UTF-8 %1)")
                             .arg(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_ALL").section(u'.', 0, 0))));
    const QByteArray expected = qgetenv("DIVIDRA_EXPECT_DECIMAL_POINT");
    if (!expected.isEmpty())
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), expected);
}

void TestTextRules::readNumber_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << std::string() << 0.0;
    QTest::newRow("blanks") << std::string(" \t ") << 0.0;
    QTest::newRow("letters") << std::string("abc") << 0.0;
    QTest::newRow("whole") << std::string("8") << 8.0;
    QTest::newRow("leading blanks") << std::string(" \t 12") << 12.0;
    QTest::newRow("trailing blank") << std::string("8 ") << 8.0;
    QTest::newRow("plus") << std::string("+8") << 8.0;
    QTest::newRow("minus") << std::string("-8") << -8.0;
    QTest::newRow("point") << std::string("2.5") << 2.5;
    QTest::newRow("comma") << std::string("2,5") << 2.5;
    QTest::newRow("separator first") << std::string(".5") << 0.5;
    QTest::newRow("separator last") << std::string("5.") << 5.0;
    QTest::newRow("minus fraction") << std::string("-,25") << -0.25;
    QTest::newRow("stops at letters") << std::string("99999abc") << 99999.0;
    QTest::newRow("stops at second separator") << std::string("1.000.000") << 1.0;
    QTest::newRow("stops at inner blank") << std::string("1 2") << 1.0;
    QTest::newRow("no exponent") << std::string("1e3") << 1.0;
    QTest::newRow("no hexadecimal") << std::string("0x10") << 0.0;
    QTest::newRow("blank after sign") << std::string("- 8") << 0.0;
    QTest::newRow("two signs") << std::string("--8") << 0.0;
    QTest::newRow("separator alone") << std::string(",") << 0.0;
    QTest::newRow("sign alone") << std::string("-") << 0.0;
    QTest::newRow("no-break space is no blank") << std::string("\u00A08") << 0.0;
    QTest::newRow("leading zeros") << std::string(4000, '0') + "7" << 7.0;
    QTest::newRow("long fraction") << "0," + std::string(4000, '3') << 1.0 / 3.0;
    QTest::newRow("fraction below double range") << "0." + std::string(400, '0') + "1" << 0.0;
    QTest::newRow("largest 16-bit") << std::string("32767") << 32767.0;
}

void TestTextRules::readNumber()
{
    QFETCH(std::string, text);
    QFETCH(double, expected);
    const Checked<double> value = dividra::readNumber(text);
    QVERIFY(value.ok());
    QCOMPARE(value.value(), expected);
}

void TestTextRules::readNumberOverflow_data()
{
    QTest::addColumn<std::string>("text");
    QTest::newRow("400 digits") << "1" + std::string(400, '0');
    QTest::newRow("minus 400 digits") << "-1" + std::string(400, '0');
    QTest::newRow("thousands of nines") << std::string(5000, '9') + ",5";
}

void TestTextRules::readNumberOverflow()
{
    QFETCH(std::string, text);
    const Checked<double> value = dividra::readNumber(text);
    QVERIFY(!value.ok());
    QCOMPARE(value.fault(), Fault::Overflow);
}

void TestTextRules::roundToInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << 0.0 << true << 0;
    QTest::newRow("half to even zero") << 0.5 << true << 0;
    QTest::newRow("1.5 up to 2") << 1.5 << true << 2;
    QTest::newRow("2.5 down to 2") << 2.5 << true << 2;
    QTest::newRow("3.5 up to 4") << 3.5 << true << 4;
    QTest::newRow("-0.5 to zero") << -0.5 << true << 0;
    QTest::newRow("-2.5 to -2") << -2.5 << true << -2;
    QTest::newRow("-3.5 to -4") << -3.5 << true << -4;
    QTest::newRow("just below half") << 2.4999999999 << true << 2;
    QTest::newRow("just above half") << 2.5000000001 << true << 3;
    QTest::newRow("largest below a half") << std::nextafter(0.5, 0.0) << true << 0;
    QTest::newRow("32767") << 32767.0 << true << 32767;
    QTest::newRow("32767.4") << 32767.4 << true << 32767;
    QTest::newRow("32767.5") << 32767.5 << false << 0;
    QTest::newRow("-32768") << -32768.0 << true << -32768;
    QTest::newRow("-32768.5 to even -32768") << -32768.5 << true << -32768;
    QTest::newRow("-32768.6") << -32768.6 << false << 0;
    QTest::newRow("-32769.5") << -32769.5 << false << 0;
    QTest::newRow("40000") << 40000.0 << false << 0;
    QTest::newRow("huge") << 1e300 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestTextRules::roundToInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const Checked<std::int16_t> rounded = dividra::roundToInt16(value);
    QCOMPARE(rounded.ok(), fits);
    if (fits)
        QCOMPARE(int(rounded.value()), expected);
    else
        QCOMPARE(rounded.fault(), Fault::Overflow);
}

void TestTextRules::readInputValue_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty reads 0") << std::string() << true << 0;
    QTest::newRow("letters read 0") << std::string("ohm") << true << 0;
    QTest::newRow("fraction rounds") << std::string("2,5") << true << 2;
    QTest::newRow("blanks around") << std::string(" 32767,4 ") << true << 32767;
    QTest::newRow("99999abc") << std::string("99999abc") << false << 0;
    QTest::newRow("32767.5") << std::string("32767.5") << false << 0;
    QTest::newRow("40000") << std::string("40000") << false << 0;
    QTest::newRow("-32768.5") << std::string("-32768.5") << true << -32768;
    QTest::newRow("-32769") << std::string("-32769") << false << 0;
}

void TestTextRules::readInputValue()
{
    QFETCH(std::string, text);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const Checked<std::int16_t> value = dividra::readInputValue(text);
    QCOMPARE(value.ok(), fits);
    if (fits)
        QCOMPARE(int(value.value()), expected);
    else
        QCOMPARE(value.fault(), Fault::Overflow);
}

void TestTextRules::isNumericText_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("numeric");

    for (const char *text : {"8", " 8 ", "\t8\t", "-8", "+8", "2,5", "2.5", ".5", "5.", "-,5",
                             "007", "32767"})
        QTest::newRow(text) << std::string(text) << true;
    for (const char *text : {"", "   ", "8 ohm", "1e3", "1.000.000", "1,5.2", "--8", "+-8",
                             "0x10", "- 8", "8-", ".", "-", "1 2", "abc", "8\n"})
        QTest::newRow(qPrintable(QStringLiteral("not \"%1\"").arg(QString::fromUtf8(text))))
            << std::string(text) << false;
}

void TestTextRules::isNumericText()
{
    QFETCH(std::string, text);
    QFETCH(bool, numeric);
    QCOMPARE(dividra::isNumericText(text), numeric);
}

// Whatever the numeric test accepts, readNumber must read to its end. The
// expected value comes from Qt's own C-locale conversion of the trimmed text.
void TestTextRules::numericTextIsReadWhole()
{
    QRandomGenerator random(20261208);
    const char alphabet[] = "0123456789.,+- \t";
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int length = random.bounded(1, 9);
        for (int c = 0; c < length; ++c)
            text += alphabet[random.bounded(int(sizeof alphabet - 1))];
        if (!dividra::isNumericText(text))
            continue;
        ++accepted;
        QByteArray plain = QByteArray::fromStdString(text).trimmed().replace(',', '.');
        if (plain.startsWith('+'))
            plain.remove(0, 1);
        bool ok = false;
        const double expected = plain.toDouble(&ok);
        QVERIFY2(ok, text.c_str());
        const Checked<double> value = dividra::readNumber(text);
        QVERIFY2(value.ok() && value.value() == expected, text.c_str());
    }
    QVERIFY(accepted > 1000);
}

void TestTextRules::formatSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<std::string>("expected");

    QTest::newRow("4.692192") << 4.692192f << std::string("4,692192");
    QTest::newRow("0.68") << 0.68f << std::string("0,68");
    QTest::newRow("112612.6") << 112612.6f << std::string("112612,6");
    QTest::newRow("8355840") << 8355840.0f << std::string("8355840");
    QTest::newRow("zero") << 0.0f << std::string("0");
    QTest::newRow("minus zero") << -0.0f << std::string("0");
    QTest::newRow("negative") << -4.08f << std::string("-4,08");
    QTest::newRow("whole with zeros") << 100.0f << std::string("100");
    QTest::newRow("seven nines") << 9999999.0f << std::string("9999999");
    QTest::newRow("ten million") << 1.0e7f << std::string("1E+07");
    QTest::newRow("1,234568E+07") << 12345678.0f << std::string("1,234568E+07");
    QTest::newRow("smallest fixed") << 0.0001f << std::string("0,0001");
    QTest::newRow("small fixed") << -0.0001048819f << std::string("-0,0001048819");
    QTest::newRow("1E-05") << 1.0e-5f << std::string("1E-05");
    QTest::newRow("large exponent") << 1.0e38f << std::string("1E+38");
    QTest::newRow("subnormal") << 1.0e-45f << std::string("1,401298E-45");
}

void TestTextRules::formatSingle()
{
    QFETCH(float, value);
    QFETCH(std::string, expected);
    QCOMPARE(dividra::formatSingle(value), expected);
}

// Against printf's own "%.7G" over random finite floats. printf follows the
// locale's separator, so both are brought to the comma before comparing.
void TestTextRules::formatSingleMatchesPrintf()
{
    QRandomGenerator random(1202);
    for (int i = 0; i < 100000; ++i) {
        const quint32 bits = random.generate();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0.0f)
            continue;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.7G", double(value));
        std::string expected(buffer);
        for (char &c : expected)
            if (c == '.')
                c = ',';
        QCOMPARE(dividra::formatSingle(value), expected);
    }
}

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
