// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the window and the application icon, and writes
// them into the given folder in the formats the window is built with.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <exception>

namespace {

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

bool write(const QByteArray &data, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size())
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

// Writes every file; false after reporting what went wrong.
bool drawAll(const QDir &folder)
{
    const auto file = [&](const QString &name) { return folder.filePath(name); };
    const QImage icon = artwork::icon();
    // BMP files get 24 bits per pixel from an RGB32 image.
    bool ok = save(artwork::twoWayDiagram(1), file(QStringLiteral("twoway.jpg")), "jpeg", 92)
              && save(artwork::threeWayDiagram(1), file(QStringLiteral("threeway.jpg")), "jpeg", 92)
              && save(artwork::helpPage(1), file(QStringLiteral("help.bmp")), "bmp")
              && save(artwork::logo(1), file(QStringLiteral("logo.bmp")), "bmp")
              && save(icon, file(QStringLiteral("icon.png")), "png")
              && write(artwork::icoFile(icon), file(QStringLiteral("icon.ico")))
              && write(artwork::iconSvg(), file(QStringLiteral("icon.svg")));
    // High-density renditions, drawn anew rather than scaled up.
    for (const int scale : {2, 3}) {
        const QString suffix = QStringLiteral("@%1x.png").arg(scale);
        ok = ok && save(artwork::twoWayDiagram(scale), file(QStringLiteral("twoway") + suffix), "png")
             && save(artwork::threeWayDiagram(scale), file(QStringLiteral("threeway") + suffix), "png")
             && save(artwork::helpPage(scale), file(QStringLiteral("help") + suffix), "png")
             && save(artwork::logo(scale), file(QStringLiteral("logo") + suffix), "png");
    }
    // The icon in the sizes desktops ask for; 32 is icon.png.
    for (const int size : {16, 24, 48, 64, 128, 256})
        ok = ok && save(artwork::iconAt(size), file(QStringLiteral("icon-%1.png").arg(size)), "png");
    // Windows' icon: the 32 x 32 image above among the sizes Explorer, the
    // Start menu and the taskbar ask for. Drawn last: the outlines of the
    // scalable icon's word depend on which sizes the font was used at before.
    QList<QImage> sizes;
    for (const int size : {16, 20, 24, 40, 48, 64, 256})
        sizes.append(artwork::iconAt(size));
    return ok && write(artwork::icoFile(icon, sizes), file(QStringLiteral("icon-windows.ico")));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // The drawing refuses a layout that does not fit (a help line wider than
    // the page, with the fonts installed here): say so, and fail.
    try {
        return drawAll(folder) ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
}
