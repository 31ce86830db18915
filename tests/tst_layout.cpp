// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crossover.h"
#include "formfixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace {

// Twips, 15 to a pixel at 96 dpi.
constexpr int px(int twips) { return twips / 15; }

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void window();
    void geometry_data();
    void geometry();
    void tooltips_data();
    void tooltips();
    void fontsAndColours();
    void captionsFitTheirLabels_data();
    void captionsFitTheirLabels();
    void longestResultsFit();
    void stacking_data();
    void stacking();
    void layoutIgnoresResizing();
    void classicLook();
    void focusIsVisible_data();
    void focusIsVisible();
};

void TestLayout::initTestCase()
{
    configureApplication(*qApp);
    // Whether the captions fit depends on the face installed: say which.
    const QString face = QFontInfo(Form1::formFont()).family();
    if (!QStringList{"MS Sans Serif", "Microsoft Sans Serif", "FreeSans"}.contains(face))
        QFAIL(qPrintable(QStringLiteral("the form is laid out for MS Sans Serif or its stand-in FreeSans "
                                        "(Debian: fonts-freefont-ttf), but draws in %1 here").arg(face)));
}

void TestLayout::window()
{
    Fixture f;
    QCOMPARE(f.form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.form.windowTitle(), QStringLiteral("Dividra 12 db 8va"));
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    QCOMPARE(f.form.windowHandle()->title(), QStringLiteral("Dividra 12 db 8va"));
    QCOMPARE(f.form.geometry(), QRect(px(2310), px(1695), px(11055), px(8595)));
    const Qt::WindowFlags flags = f.form.windowFlags();
    QVERIFY(flags.testFlag(Qt::Window));
    QCOMPARE(f.form.windowIcon().availableSizes(),
             (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    QCOMPARE(f.form.palette().color(QPalette::Window), f.form.palette().color(QPalette::Button));
    QVERIFY(!f.widget("Picture3")->isVisible());
}

void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    const struct {
        const char *name;
        int left, top, width, height;
    } table[] = {
        {"txttweeter", 9600, 960, 855, 375},   {"txtwoofer", 9600, 1440, 855, 375},
        {"txtfrequenza", 9600, 1920, 855, 375}, {"Label1", 8040, 1080, 1455, 255},
        {"Label2", 8040, 1560, 1455, 255},     {"Label3", 8040, 2040, 1455, 255},
        {"Command1", 8520, 2520, 855, 495},    {"Command2", 9600, 2520, 855, 495},
        {"Label4", 8400, 720, 855, 255},       {"Label5", 8400, 3600, 855, 255},
        {"lblc1", 5160, 720, 2655, 375},       {"lblc2", 5160, 1320, 2655, 375},
        {"lbll1", 5160, 1920, 2655, 375},      {"lbll2", 5160, 2520, 2655, 375},
        {"txttw", 9600, 3840, 855, 375},       {"txtmd", 9600, 4320, 855, 375},
        {"txtw", 9600, 4800, 855, 375},        {"txtmin", 9600, 5280, 855, 375},
        {"txtmax", 9600, 5760, 855, 375},      {"Label6", 8040, 3960, 1455, 255},
        {"Label7", 8040, 4440, 1575, 255},     {"Label8", 8040, 4920, 1455, 255},
        {"Label9", 8040, 5400, 1455, 255},     {"Label10", 8040, 5880, 1455, 255},
        {"labelc1", 5160, 3720, 2655, 375},    {"Labelc2", 5160, 4320, 2655, 375},
        {"Labelc3", 5160, 4920, 2655, 375},    {"Labelc4", 5160, 5520, 2655, 375},
        {"Labell1", 5160, 6120, 2655, 375},    {"Labell2", 5160, 6720, 2655, 375},
        {"Labell3", 5160, 7320, 2655, 375},    {"Labell4", 5160, 7920, 2655, 375},
        {"Command3", 8640, 6600, 855, 495},    {"Command4", 9600, 6600, 855, 495},
        {"Command5", 8640, 7440, 855, 495},    {"Picture1", 720, 120, 4095, 3375},
        {"Picture2", 720, 3480, 4095, 4935},   {"Label11", 9000, 120, 1215, 255},
        {"Command6", 9600, 7440, 855, 495},    {"Picture3", 3480, 1920, 4935, 4215},
        {"Image3", 10320, 120, 555, 585},
        // A horizontal line from (4800, 3480) to (11040, 3480), one pixel thick.
        {"Line1", 4800, 3480, 11040 - 4800 + 15, 15},
    };
    for (const auto &row : table)
        QTest::newRow(row.name) << QString::fromLatin1(row.name)
                                << QRect(row.left, row.top, row.width, row.height);
}

void TestLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Fixture f;
    QWidget *control = f.widget(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
}

void TestLayout::tooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("txttweeter") << "txttweeter" << "inserire impedenza in ohm del tweeter";
    QTest::newRow("txtwoofer") << "txtwoofer" << "Inserire impedenza in ohm del woofer";
    QTest::newRow("txtfrequenza") << "txtfrequenza" << "Inserire la frequenza di taglio in Hertz ";
    QTest::newRow("txttw") << "txttw" << "impedenza del tweeter in ohm";
    QTest::newRow("txtmd") << "txtmd" << "impedenza del midrange in ohm";
    QTest::newRow("txtw") << "txtw" << "impedenza del woofer in ohm";
    QTest::newRow("txtmin") << "txtmin" << "inserire qui il taglio di frequenza minimo";
    QTest::newRow("txtmax") << "txtmax" << "inserire qui il taglio di frequenza massimo";
}

void TestLayout::tooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    Fixture f;
    QCOMPARE(f.widget(name)->toolTip(), tooltip);
    // The fields are the only controls with a tooltip.
    int withTooltip = 0;
    for (const QWidget *control : f.form.findChildren<QWidget *>())
        withTooltip += control->toolTip().isEmpty() ? 0 : 1;
    QCOMPARE(withTooltip, 8);
}

void TestLayout::fontsAndColours()
{
    Fixture f;
    // "MS Sans Serif" where it is installed, else the first stand-in that is.
    const QStringList installed = QFontDatabase::families();
    QString face;
    for (const char *candidate : {"MS Sans Serif", "Microsoft Sans Serif", "FreeSans"})
        if (face.isEmpty() && installed.contains(QLatin1String(candidate)))
            face = QLatin1String(candidate);
    QVERIFY2(!face.isEmpty(), "neither MS Sans Serif nor a stand-in is installed");
    const QFont formFont = f.form.font();
    QCOMPARE(formFont.family(), face);
    QCOMPARE(formFont.pointSizeF(), 8.25);
    QCOMPARE(f.widget("Label1")->font().pointSizeF(), 8.25);
    QCOMPARE(f.widget("txttweeter")->font().pointSizeF(), 8.25);
    for (const char *name : {"Label4", "lblc1", "Labell4"}) {
        const QFont font = f.widget(name)->font();
        QCOMPARE(font.pointSizeF(), 12.0);
        QCOMPARE(font.family(), face);
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }
    QCOMPARE(QFontInfo(formFont).family(), face);

    const auto colour = [&](const char *name, QPalette::ColorRole role) {
        return f.widget(name)->palette().color(role);
    };
    QCOMPARE(colour("Label4", QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(colour("Label5", QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(colour("lblc1", QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(colour("Labell4", QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(colour("Command1", QPalette::Button), QColor(0, 255, 255));
    QCOMPARE(colour("Command3", QPalette::Button), QColor(0, 255, 255));
    QCOMPARE(colour("Command2", QPalette::Button), QColor(255, 255, 255));
    QCOMPARE(colour("Command4", QPalette::Button), QColor(255, 255, 255));
    QCOMPARE(colour("Command1", QPalette::ButtonText), colour("Command5", QPalette::ButtonText));
    QCOMPARE(colour("Label1", QPalette::WindowText), f.form.palette().color(QPalette::WindowText));

    // Labels are opaque and start their text at the top-left corner.
    auto *label = f.label("lblc1");
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(label->wordWrap());
}

void TestLayout::captionsFitTheirLabels_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                             "Label8", "Label9", "Label10", "Label11"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Measured in the face actually resolved: each static caption stays on one
// line inside its label.
void TestLayout::captionsFitTheirLabels()
{
    QFETCH(QString, name);
    Fixture f;
    QLabel *label = f.label(name);
    const QFontMetrics metrics(label->font());
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
             qPrintable(QStringLiteral("%1 px for %2 px").arg(metrics.horizontalAdvance(label->text()))
                            .arg(label->width())));
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
}

// The widest captions the calculations can write: the longest numbers come
// from the largest inputs of opposite signs.
void TestLayout::longestResultsFit()
{
    Fixture f;
    QLabel *label = f.label("lblc1");
    const std::array<std::array<std::string_view, 3>, 3> inputs{{
        {"-32768", "32767", "32767"},
        {"32767", "-32768", "-32767"},
        {"-32768", "-32767", "1"},
    }};
    for (const auto &fields : inputs) {
        const dividra::Calculation calculation = dividra::calculateTwoWay(fields);
        const auto *network = std::get_if<dividra::Network>(&calculation);
        QVERIFY(network);
        for (const dividra::Component component : dividra::kTwoWayComponents) {
            const std::string caption = dividra::resultCaption(component, (*network)[component]);
            label->setText(QString::fromStdString(caption));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), caption.c_str());
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                     caption.c_str());
        }
    }
}

void TestLayout::stacking_data()
{
    QTest::addColumn<bool>("helpShown");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("expected");

    QTest::newRow("diagrams meet") << false << QPoint(100, 232) << "Picture2";
    QTest::newRow("midrange field over its caption") << false << QPoint(640, 300) << "txtmd";
    QTest::newRow("result label") << false << QPoint(400, 140) << "lbll1";
    QTest::newRow("help over a label") << true << QPoint(400, 140) << "Picture3";
    QTest::newRow("help over a diagram") << true << QPoint(250, 200) << "Picture3";
    QTest::newRow("help over the line") << true << QPoint(500, 232) << "Picture3";
    QTest::newRow("line beyond the help") << true << QPoint(600, 232) << "Line1";
    QTest::newRow("help over a field caption") << true << QPoint(540, 300) << "Picture3";
    QTest::newRow("field beside the help") << true << QPoint(650, 300) << "txtmd";
    QTest::newRow("button below the help") << true << QPoint(600, 450) << "Command3";
}

// What lies on top at a point is what receives a click there.
void TestLayout::stacking()
{
    QFETCH(bool, helpShown);
    QFETCH(QPoint, point);
    QFETCH(QString, expected);
    Fixture f;
    f.widget("Picture3")->setVisible(helpShown);
    QWidget *top = f.form.childAt(point);
    QVERIFY(top);
    QCOMPARE(top->objectName(), expected);
}

void TestLayout::layoutIgnoresResizing()
{
    Fixture f;
    QList<QRect> before;
    const QList<QWidget *> controls = f.form.findChildren<QWidget *>();
    for (const QWidget *control : controls)
        before << control->geometry();
    for (const QSize size : {QSize(1000, 800), QSize(300, 200), QSize(737, 573)}) {
        f.form.resize(size);
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), before[i]);
    }
    f.form.showMaximized();
    QCoreApplication::processEvents();
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), before[i]);
}

namespace {

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int lightness(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y).lightness();
}

} // namespace

// Fields sink into the form, lit from the top left; graphical buttons are
// one flat fill in their colour.
void TestLayout::classicLook()
{
    Fixture f;
    for (const QString &name : kTwoWayFields + kThreeWayFields) {
        const QImage field = grabbed(f.widget(name));
        const int w = field.width(), h = field.height();
        QVERIFY2(lightness(field, 0, h / 2) < lightness(field, w - 1, h / 2), qPrintable(name));
        QVERIFY2(lightness(field, w / 2, 0) < lightness(field, w / 2, h - 1), qPrintable(name));
    }
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"}) {
        QPushButton *button = f.button(QString::fromLatin1(name));
        const QImage face = grabbed(button);
        const QColor fill = button->palette().color(QPalette::Button);
        // The bevel fills the box: its last column and row are the shadow.
        const QRgb shadow = button->palette().color(QPalette::Shadow).rgb();
        QCOMPARE(face.pixel(face.width() - 1, face.height() / 2), shadow);
        QCOMPARE(face.pixel(face.width() / 2, face.height() - 1), shadow);
        // A band inside the bevel, above the caption.
        for (int y = 3; y < 8; ++y)
            for (int x = 3; x < face.width() - 3; ++x)
                QVERIFY2(face.pixelColor(x, y) == fill,
                         qPrintable(QStringLiteral("%1 at %2,%3").arg(name).arg(x).arg(y)));
    }
}

void TestLayout::focusIsVisible_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"txttweeter", "txtmax", "Command1", "Command4", "Command5", "Command6",
                             "Picture1", "Picture2", "Picture3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Whatever holds the focus shows it.
void TestLayout::focusIsVisible()
{
    QFETCH(QString, name);
    Fixture f;
    QVERIFY(f.activate());
    QWidget *control = f.widget(name);
    control->show();
    f.widget(name == "txttweeter" ? QStringLiteral("txtwoofer") : QStringLiteral("txttweeter"))->setFocus();
    const QImage without = grabbed(control);
    control->setFocus();
    QVERIFY(control->hasFocus());
    const QImage with = grabbed(control);
    QVERIFY(with != without);
    // A focused button is the default: framed dark to its last column and row.
    if (qobject_cast<QPushButton *>(control)) {
        const QRgb shadow = control->palette().color(QPalette::Shadow).rgb();
        QCOMPARE(with.pixel(with.width() - 1, with.height() / 2), shadow);
        QCOMPARE(with.pixel(with.width() / 2, with.height() - 1), shadow);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
