// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real window with many random actions and checks it against an
// independent model after each one. The seed is fixed, so that every run of
// the suite is the same; DIVIDRA_SOAK_SEED=N replays another seed,
// DIVIDRA_SOAK_SEED=random draws a new one, and DIVIDRA_SOAK_ACTIONS changes
// the run's length.
#include "formfixture.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

const QStringList kButtons{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};

// The text rules and formulas once more, written from their definitions and
// sharing no code with the application.
struct Reference {
    // The leading number of a field, rounded to 16 bits, or nothing on overflow.
    static std::optional<int> inputValue(const QString &text)
    {
        static const QRegularExpression leading(QStringLiteral("^[ \\t]*([+-]?)([0-9]*)(?:[.,]([0-9]*))?"));
        const QRegularExpressionMatch m = leading.match(text);
        const QString whole = m.captured(2), fraction = m.captured(3);
        if (whole.isEmpty() && fraction.isEmpty())
            return 0;
        bool ok = false;
        const double value = (m.captured(1) + (whole.isEmpty() ? QStringLiteral("0") : whole)
                              + QLatin1Char('.') + fraction + QLatin1Char('0'))
                                 .toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const double rounded = std::nearbyint(value);
        if (rounded < -32768 || rounded > 32767)
            return std::nullopt;
        return int(rounded);
    }

    static bool numeric(const QString &text)
    {
        static const QRegularExpression pattern(
            QStringLiteral("^[ \\t]*[+-]?([0-9]+[.,]?[0-9]*|[.,][0-9]+)[ \\t]*$"));
        return pattern.match(text).hasMatch();
    }

    static QString caption(const char *name, double value, bool capacitor)
    {
        char number[64];
        std::snprintf(number, sizeof number, "%.7G", double(float(value)));
        QString text = QString::fromLatin1(number).replace(QLatin1Char('.'), QLatin1Char(','));
        return QStringLiteral("%1 = %2%3").arg(QLatin1String(name), text,
                                               capacitor ? QStringLiteral(" \u00B5F.") : QStringLiteral(" mH."));
    }

    // Captions in write order, or the message the click must show.
    static std::variant<QStringList, UserMessage> calculate(const QStringList &texts, bool threeWay)
    {
        QList<double> v;
        for (const QString &text : texts) {
            const std::optional<int> value = inputValue(text);
            if (!value)
                return faultMessage(dividra::Fault::Overflow);
            v << *value;
        }
        for (const QString &text : texts)
            if (text.isEmpty())
                return refusalMessage(dividra::Refusal::Incomplete);
        for (const QString &text : texts)
            if (!numeric(text))
                return refusalMessage(dividra::Refusal::NotNumeric);
        if (v.contains(0.0))
            return UserMessage{UserMessage::Kind::Fault, QString()}; // which fault: tested elsewhere
        if (!threeWay) {
            const double t = v[0], w = v[1], f = v[2];
            return QStringList{caption("C1", 1e6 / ((f * 8.88) * t), true),
                               caption("C2", 1e6 / ((f * 8.88) * w), true),
                               caption("L1", t / f * 255, false), caption("L2", w / f * 255, false)};
        }
        const double tw = v[0], md = v[1], wf = v[2], fmin = v[3], fmax = v[4];
        return QStringList{caption("C1", 1e6 / ((tw * 8.88) * fmax), true),
                           caption("C2", 1e6 / ((md * 8.88) * fmin), true),
                           caption("C3", 1e6 / ((md * 8.88) * fmax), true),
                           caption("C4", 1e6 / ((wf * 8.88) * fmin), true),
                           caption("L1", tw / fmax * 255, false), caption("L2", md / fmin * 255, false),
                           caption("L3", md / fmax * 255, false), caption("L4", wf / fmin * 255, false)};
    }
};

QString randomText(QRandomGenerator &random)
{
    const auto digits = [&](int count) {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + random.bounded(10));
        return s;
    };
    // Mostly numbers a user would mean, so that many clicks calculate.
    if (random.bounded(10) < 6) {
        QString s = digits(random.bounded(1, 5));
        if (random.bounded(5) == 0)
            s.prepend(random.bounded(2) ? u'-' : u'+');
        if (random.bounded(5) == 0)
            s += (random.bounded(2) ? u',' : u'.') + digits(random.bounded(0, 3));
        if (random.bounded(10) == 0)
            s = QStringLiteral(" ") + s + QStringLiteral(" ");
        return s;
    }
    switch (random.bounded(9)) {
    case 0:
        return QString();
    case 1:
    case 2:
        return QStringLiteral("%1%2").arg(random.bounded(2) ? "-" : "+", digits(random.bounded(1, 5)));
    case 3:
        return digits(random.bounded(0, 4)) + (random.bounded(2) ? "," : ".") + digits(random.bounded(0, 3));
    case 4:
        return QString(random.bounded(1, 4), u' ') + digits(random.bounded(1, 5)) + QString(random.bounded(0, 3), u' ');
    case 5:
        return digits(random.bounded(5, 400));
    case 6:
        return digits(random.bounded(0, 3)) + QStringLiteral("ohm");
    case 7:
        return QStringLiteral("0");
    default: {
        // Anything from the characters a user might type.
        const QString alphabet = QStringLiteral("0123456789 +-.,eEx");
        QString s;
        for (int i = random.bounded(1, 8); i > 0; --i)
            s += alphabet[random.bounded(int(alphabet.size()))];
        return s;
    }
    }
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActions();
};

void TestSoak::initTestCase()
{
    configureApplication(*qApp);
}

void TestSoak::randomActions()
{
    const QByteArray seedText = qgetenv("DIVIDRA_SOAK_SEED");
    bool seedGiven = false;
    const quint32 seed = seedText.toUInt(&seedGiven);
    if (!seedText.isEmpty() && !seedGiven && seedText != "random")
        QFAIL("DIVIDRA_SOAK_SEED is neither a number nor \"random\"");
    const quint32 usedSeed = seedText == "random" ? QRandomGenerator::system()->generate()
                             : seedGiven          ? seed
                                                  : 20261208u;
    bool countGiven = false;
    const int given = qEnvironmentVariableIntValue("DIVIDRA_SOAK_ACTIONS", &countGiven);
    const int actions = countGiven ? given : 20000;
    qInfo("soak seed %u (replay with DIVIDRA_SOAK_SEED=%u), %d actions", usedSeed, usedSeed, actions);
    QRandomGenerator random(usedSeed);

    Fixture f;
    QVERIFY(f.activate());
    const QStringList allFields = kTwoWayFields + kThreeWayFields;
    QStringList fields(allFields.size());
    QStringList twoWay = kTwoWayCleared, threeWay = kThreeWayCleared;
    bool helpShown = false;
    int calculated = 0, refused = 0, faults = 0;

    const auto calculate = [&](bool three) {
        const QStringList texts = three ? fields.mid(3) : fields.mid(0, 3);
        const auto expected = Reference::calculate(texts, three);
        f.messages.clear();
        f.click(three ? "Command3" : "Command1");
        if (const auto *captions = std::get_if<QStringList>(&expected)) {
            QCOMPARE(f.messages.size(), 0);
            (three ? threeWay : twoWay) = *captions;
            ++calculated;
            return;
        }
        const UserMessage &message = std::get<UserMessage>(expected);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].kind, message.kind);
        if (!message.text.isEmpty())
            QCOMPARE(f.messages[0].text, message.text);
        (message.kind == UserMessage::Kind::Refusal ? refused : faults) += 1;
    };

    for (int step = 0; step < actions; ++step) {
        const int action = random.bounded(100);
        if (action < 50) {
            const int i = random.bounded(int(allFields.size()));
            const QString text = randomText(random);
            QLineEdit *field = f.field(allFields[i]);
            field->clear();
            QTest::keyClicks(field, text);
            fields[i] = text;
        } else if (action < 70) {
            calculate(action < 60);
        } else if (action < 75) {
            const bool three = action < 73;
            f.click(three ? "Command4" : "Command2");
            for (int i = three ? 3 : 0; i < (three ? 8 : 3); ++i)
                fields[i].clear();
            (three ? threeWay : twoWay) = three ? kThreeWayCleared : kTwoWayCleared;
        } else if (action < 78) {
            f.click("Command6");
            helpShown = true;
        } else if (action < 81) {
            QTest::mouseClick(f.form.windowHandle(), Qt::LeftButton, {},
                              QPoint(random.bounded(232, 561), random.bounded(128, 409)));
            helpShown = false;
        } else if (action < 82) {
            f.click("Command5"); // asks the event loop to end; none runs here
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            random.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier);
        }
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(f.texts(allFields), fields);
        QCOMPARE(f.captions(kTwoWayLabels), twoWay);
        QCOMPARE(f.captions(kThreeWayLabels), threeWay);
        QCOMPARE(f.widget("Picture3")->isVisible(), helpShown);
    }
    qInfo("%d calculations, %d refusals, %d faults", calculated, refused, faults);
    QVERIFY(calculated > 0 && refused > 0 && faults > 0);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
