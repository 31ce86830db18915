// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the window and the application icon, and writes
// them into the given folder in the formats the window is built with.
#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

struct Picture {
    QString name;
    QByteArray data;
};

// A picture encoded in a file format, in memory.
QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        throw std::runtime_error(format + (": " + writer.errorString().toStdString()));
    return data;
}

// Every file, drawn and encoded in memory. The drawing throws on a layout
// that does not fit, before anything is written.
QList<Picture> drawAll()
{
    QList<Picture> all;
    const auto add = [&](const QString &name, const QByteArray &data) { all.append({name, data}); };
    const QImage icon = artwork::icon();
    // BMP files get 24 bits per pixel from an RGB32 image.
    add(QStringLiteral("twoway.jpg"), encoded(artwork::twoWayDiagram(1), "jpeg", 92));
    add(QStringLiteral("threeway.jpg"), encoded(artwork::threeWayDiagram(1), "jpeg", 92));
    add(QStringLiteral("help.bmp"), encoded(artwork::helpPage(1), "bmp"));
    add(QStringLiteral("logo.bmp"), encoded(artwork::logo(1), "bmp"));
    add(QStringLiteral("icon.png"), encoded(icon, "png"));
    add(QStringLiteral("icon.ico"), artwork::icoFile(icon));
    add(QStringLiteral("icon.svg"), artwork::iconSvg());
    // High-density renditions, drawn anew rather than scaled up.
    for (const int scale : {2, 3}) {
        const QString suffix = QStringLiteral("@%1x.png").arg(scale);
        add(QStringLiteral("twoway") + suffix, encoded(artwork::twoWayDiagram(scale), "png"));
        add(QStringLiteral("threeway") + suffix, encoded(artwork::threeWayDiagram(scale), "png"));
        add(QStringLiteral("help") + suffix, encoded(artwork::helpPage(scale), "png"));
        add(QStringLiteral("logo") + suffix, encoded(artwork::logo(scale), "png"));
    }
    // The icon in the sizes desktops ask for; 32 is icon.png.
    for (const int size : {16, 24, 48, 64, 128, 256})
        add(QStringLiteral("icon-%1.png").arg(size), encoded(artwork::iconAt(size), "png"));
    // Windows' icon: the 32 x 32 image above among the sizes Explorer, the
    // Start menu and the taskbar ask for. Drawn last: the outlines of the
    // scalable icon's word depend on which sizes the font was used at before.
    QList<QImage> sizes;
    for (const int size : {16, 20, 24, 40, 48, 64, 256})
        sizes.append(artwork::iconAt(size));
    add(QStringLiteral("icon-windows.ico"), artwork::icoFile(icon, sizes));
    return all;
}

// Writes every file; false after reporting what went wrong.
bool writeAll(const QDir &folder, const QList<Picture> &pictures)
{
    for (const Picture &picture : pictures) {
        QFile file(folder.filePath(picture.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(picture.data) != picture.data.size()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // The drawing refuses a layout that does not fit (a help line wider than
    // the page, with the fonts installed here): say so, and fail, having
    // written nothing.
    QList<Picture> pictures;
    try {
        pictures = drawAll();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    return writeAll(folder, pictures) ? 0 : 1;
}
