// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"
#include "picturebox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

struct ExpectedPicture {
    const char *file;
    QByteArray format;
    QSize size;
    int bitsPerPixel;
};

// The committed pictures; the window holds each decoded, as NAME.pixels.
const ExpectedPicture kPictures[] = {
    {"twoway.jpg", "jpeg", {271, 231}, 24},
    {"threeway.jpg", "jpeg", {272, 343}, 24},
    {"help.bmp", "bmp", {326, 291}, 24},
    {"logo.bmp", "bmp", {37, 39}, 24},
    {"icon.png", "png", {32, 32}, 8},
};

QString committed(const QString &file)
{
    return QStringLiteral(DIVIDRA_ASSETS_DIR "/") + file;
}

// What the window draws for a committed picture.
QImage builtIn(const QString &file)
{
    return readyToDraw(QStringLiteral(":/pictures/%1.pixels").arg(file.section(u'.', 0, 0)));
}

// Bits per pixel as the file itself records them.
int fileBitsPerPixel(const QByteArray &data, const QByteArray &format)
{
    const auto le16 = [&](int offset) {
        return int(quint8(data[offset])) | int(quint8(data[offset + 1])) << 8;
    };
    if (format == "bmp")
        return le16(28);
    if (format == "ico")
        return le16(6 + 6); // the first directory entry's bit count
    if (format == "png")
        return data[25] == 3 ? int(data[24]) : -1; // palette images only
    if (format == "jpeg") {
        // Components of the start-of-frame segment, eight bits each.
        for (int i = 2; i + 9 < data.size();) {
            const int marker = quint8(data[i + 1]);
            const int length = int(quint8(data[i + 2])) << 8 | quint8(data[i + 3]);
            if (marker == 0xC0 || marker == 0xC2)
                return 8 * quint8(data[i + 9]);
            i += 2 + length;
        }
    }
    return -1;
}

// The first pixel of the rectangle that is not (near) white, or none.
std::optional<QPoint> firstInk(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 235 || c.green() < 235 || c.blue() < 235)
                return QPoint(x, y);
        }
    return std::nullopt;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resources_data();
    void resources();
    void windowsIcon();
    void cutStripsAreWhite_data();
    void cutStripsAreWhite();
    void helpTextShowsWhole();
    void picturesSitAtInnerCorner_data();
    void picturesSitAtInnerCorner();
    void generatorAgrees();
    void pixelsHeader_data();
    void pixelsHeader();
    void renditionsAtThisScale_data();
    void renditionsAtThisScale();
};

void TestPictures::initTestCase()
{
    configureApplication(*qApp);
}

void TestPictures::resources_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bitsPerPixel");
    for (const ExpectedPicture &picture : kPictures)
        QTest::newRow(picture.file) << QString::fromLatin1(picture.file) << picture.format << picture.size
                                 << picture.bitsPerPixel;
}

// Each committed picture has the format, size and depth the window was laid
// out for, and is built in with exactly the pixels it decodes to.
void TestPictures::resources()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(int, bitsPerPixel);
    if (!QImageReader::supportedImageFormats().contains(format))
        QSKIP("this Qt reads no such file (the Windows build's has no JPEG): the native build checks it");

    QFile source(committed(file));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray data = source.readAll();
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(fileBitsPerPixel(data, format), bitsPerPixel);
    QCOMPARE(builtIn(file), image.convertToFormat(QImage::Format_RGB32));
}

void TestPictures::windowsIcon()
{
    QFile file(QStringLiteral(DIVIDRA_ASSETS_DIR "/icon.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QCOMPARE(fileBitsPerPixel(data, "ico"), 8);
    QCOMPARE(int(quint8(data[4])), 1); // one image
    QBuffer buffer(const_cast<QByteArray *>(&data));
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(32, 32));

    // The same picture as the PNG for the desktop themes.
    const QImage png(committed(QStringLiteral("icon.png")));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), png.convertToFormat(QImage::Format_RGB32));
}

void TestPictures::cutStripsAreWhite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("two-way") << "twoway.jpg" << QSize(269, 221);
    QTest::newRow("three-way") << "threeway.jpg" << QSize(269, 325);
    QTest::newRow("help") << "help.bmp" << QSize(325, 277);
}

// What the box cuts off at the right and the bottom is white margin only.
void TestPictures::cutStripsAreWhite()
{
    QFETCH(QString, file);
    QFETCH(QSize, shown);
    const QImage image = builtIn(file);
    QVERIFY(!image.isNull());
    const QRect right(shown.width(), 0, image.width() - shown.width(), image.height());
    const QRect bottom(0, shown.height(), image.width(), image.height() - shown.height());
    QCOMPARE(firstInk(image, right), std::nullopt);
    QCOMPARE(firstInk(image, bottom), std::nullopt);
    // And there is a drawing in what shows.
    QVERIFY(firstInk(image, QRect(QPoint(0, 0), shown)).has_value());
}

// The last line, "Fare click per chiudere", is centred, set apart by a blank
// line and fully inside the 277 rows that show.
void TestPictures::helpTextShowsWhole()
{
    const QImage image = builtIn(QStringLiteral("help.bmp"));
    QList<int> inkRows;
    for (int y = 0; y < image.height(); ++y)
        if (firstInk(image, QRect(0, y, image.width(), 1)))
            inkRows << y;
    QVERIFY(!inkRows.isEmpty());
    QVERIFY(inkRows.first() > 0);
    QVERIFY(inkRows.last() < 276);

    // Find the last line's rows: after the widest gap between ink rows.
    int gapEnd = 0, widestGap = 0;
    for (int i = 1; i < inkRows.size(); ++i)
        if (inkRows[i] - inkRows[i - 1] > widestGap) {
            widestGap = inkRows[i] - inkRows[i - 1];
            gapEnd = inkRows[i];
        }
    QVERIFY2(widestGap > 16, "no blank line before the last one");
    int left = image.width(), right = 0;
    for (int y = gapEnd; y <= inkRows.last(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (firstInk(image, QRect(x, y, 1, 1))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    const int visibleCentre = 325 / 2;
    QVERIFY2(std::abs((left + right) / 2 - visibleCentre) <= 3,
             qPrintable(QStringLiteral("last line spans %1..%2").arg(left).arg(right)));
}

void TestPictures::picturesSitAtInnerCorner_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("border");
    QTest::newRow("Picture1") << "Picture1" << "twoway.jpg" << 2;
    QTest::newRow("Picture2") << "Picture2" << "threeway.jpg" << 2;
    QTest::newRow("Picture3") << "Picture3" << "help.bmp" << 2;
    QTest::newRow("Image3") << "Image3" << "logo.bmp" << 0;
}

// Drawn unscaled from the inner area's top-left corner, cut at its edges,
// inside a two-pixel border, with the very pixels of the committed picture;
// the logo fills its image exactly.
void TestPictures::picturesSitAtInnerCorner()
{
    QFETCH(QString, box);
    QFETCH(QString, file);
    QFETCH(int, border);
    Fixture f;
    auto *picture = f.form.findChild<PictureBox *>(box);
    QVERIFY(picture);
    picture->show();
    QCOMPARE(picture->contentsRect(), picture->rect().adjusted(border, border, -border, -border));

    QPixmap grabbed = picture->grab();
    grabbed.setDevicePixelRatio(1);
    const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    // The built-in pixels, which resources() matches with the committed file.
    const QImage source = builtIn(file);
    const QRect inner = picture->contentsRect();
    QCOMPARE(shown.copy(inner), source.copy(QRect(QPoint(0, 0), inner.size())));
}

// The generator draws exactly the committed files, byte for byte, and every
// high-density rendition at its density: NAME@2x twice the size of NAME.
void TestPictures::generatorAgrees()
{
#ifndef DIVIDRA_ARTWORK_GENERATOR
    QSKIP("the generator runs on the build machine: the native build compares its files");
#else
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    generator.start(QStringLiteral(DIVIDRA_ARTWORK_GENERATOR), {folder.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files, QDir(QStringLiteral(DIVIDRA_ASSETS_DIR)).entryList(QDir::Files));
    for (const ExpectedPicture &picture : kPictures) {
        const QString name = QString::fromLatin1(picture.file).section(u'.', 0, 0);
        for (const int scale : {2, 3})
            if (name != QStringLiteral("icon"))
                QCOMPARE(QImageReader(committed(QStringLiteral("%1@%2x.png").arg(name).arg(scale))).size(),
                         picture.size * scale);
    }
    for (const QString &file : files) {
        QFile generated(folder.filePath(file)), inAssets(committed(file));
        QVERIFY(generated.open(QIODevice::ReadOnly) && inAssets.open(QIODevice::ReadOnly));
        QVERIFY2(generated.readAll() == inAssets.readAll(),
                 qPrintable(file + QStringLiteral(" differs from the generator's: run the artwork target")));
    }
#endif
}

void TestPictures::pixelsHeader_data()
{
    QTest::addColumn<quint32>("width");
    QTest::addColumn<quint32>("height");
    QTest::addColumn<qsizetype>("pixels");
    QTest::addColumn<QSize>("size");
    QTest::newRow("2x1") << 2u << 1u << qsizetype(2) << QSize(2, 1);
    QTest::newRow("32768 wide") << 32768u << 1u << qsizetype(32768) << QSize(32768, 1);
    QTest::newRow("one pixel short") << 2u << 1u << qsizetype(1) << QSize();
    QTest::newRow("zero wide") << 0u << 1u << qsizetype(0) << QSize();
    QTest::newRow("32769 wide") << 32769u << 1u << qsizetype(32769) << QSize();
    QTest::newRow("32769 high") << 1u << 32769u << qsizetype(32769) << QSize();
    // 32768 x 32768 x 4 bytes is 2^32: in 32 bits the size wraps to 0 and
    // would match a header with no pixels after it.
    QTest::newRow("size overflowing 32 bits") << 32768u << 32768u << qsizetype(0) << QSize();
    QTest::newRow("sides overflowing 32 bits") << 65536u << 65536u << qsizetype(0) << QSize();
}

// A picture's header is believed only when it matches the bytes after it.
void TestPictures::pixelsHeader()
{
    QFETCH(quint32, width);
    QFETCH(quint32, height);
    QFETCH(qsizetype, pixels);
    QFETCH(QSize, size);
    QByteArray data(8 + pixels * 4, '\xff');
    qToLittleEndian(width, data.data());
    qToLittleEndian(height, data.data() + 4);
    QCOMPARE(pixelsSize(data), size);
}

void TestPictures::renditionsAtThisScale_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("source");
    QTest::newRow("Picture1") << "Picture1" << ":/pictures/twoway.pixels";
    QTest::newRow("Picture2") << "Picture2" << ":/pictures/threeway.pixels";
    QTest::newRow("Picture3") << "Picture3" << ":/pictures/help.pixels";
    QTest::newRow("Image3") << "Image3" << ":/pictures/logo.pixels";
}

namespace {

// How far apart two images of one size are, on average per channel.
double difference(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

} // namespace

// CTest runs this at 1.25x, 1.5x, 2x and 3x too (QT_SCALE_FACTOR). A box
// shows the rendition drawn for the closest density at or above its
// screen's: exactly at 2x and 3x, scaled down between, and never the 1x
// picture scaled up.
void TestPictures::renditionsAtThisScale()
{
    QFETCH(QString, box);
    QFETCH(QString, source);
    Fixture f;
    auto *picture = f.form.findChild<PictureBox *>(box);
    picture->show();
    const qreal ratio = picture->devicePixelRatioF();
    const QImage drawn = rendition(source, ratio).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.devicePixelRatio(), qreal(renditionRatio(ratio)));

    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inner = picture->contentsRect();
    const QRect innerPixels(QPoint(qRound(inner.x() * ratio), qRound(inner.y() * ratio)),
                            QPoint(qRound((inner.right() + 1) * ratio) - 1,
                                   qRound((inner.bottom() + 1) * ratio) - 1));
    const QImage region = shown.copy(innerPixels);
    if (ratio == drawn.devicePixelRatio()) {
        QCOMPARE(region, drawn.copy(QRect(QPoint(0, 0), innerPixels.size())));
        return;
    }
    const QSize scaledSize = (QSizeF(drawn.size()) * ratio / drawn.devicePixelRatio()).toSize();
    const QImage fromRendition = drawn.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .copy(QRect(QPoint(0, 0), innerPixels.size()));
    const QImage blurred = readyToDraw(source)
                               .scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32)
                               .copy(QRect(QPoint(0, 0), innerPixels.size()));
    QVERIFY2(difference(region, fromRendition) < difference(region, blurred),
             qPrintable(QStringLiteral("%1 from the rendition, %2 from the 1x picture scaled up")
                            .arg(difference(region, fromRendition)).arg(difference(region, blurred))));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
