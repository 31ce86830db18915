// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes a picture with Qt's readers, plugins included, and writes it as
// pixels ready to draw: the width and the height as 32-bit little-endian
// numbers, then the rows of QImage::Format_RGB32 as they lie in memory on
// this machine. The build turns every picture of the window into this form,
// so that the window draws them without decoding anything or loading an
// image plugin.
//   dividra_decode INPUT OUTPUT
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QByteArray pixels(8, '\0');
    qToLittleEndian<quint32>(quint32(image.width()), pixels.data());
    qToLittleEndian<quint32>(quint32(image.height()), pixels.data() + 4);
    for (int y = 0; y < image.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(pixels) != pixels.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
