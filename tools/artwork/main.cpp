// Draws every picture of the window and the application icon, and writes
// them into the given folder in the formats the window is built with.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

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

    const QImage icon = artwork::icon();
    QFile ico(folder.filePath(QStringLiteral("icon.ico")));
    const QByteArray icoData = artwork::icoFile(icon);
    const bool icoWritten = ico.open(QIODevice::WriteOnly) && ico.write(icoData) == icoData.size();
    if (!icoWritten)
        std::fprintf(stderr, "%s: %s\n", qPrintable(ico.fileName()), qPrintable(ico.errorString()));

    // BMP files get 24 bits per pixel from an RGB32 image.
    const bool ok = save(artwork::twoWayDiagram(), folder.filePath(QStringLiteral("twoway.jpg")), "jpeg", 92)
                    && save(artwork::threeWayDiagram(), folder.filePath(QStringLiteral("threeway.jpg")), "jpeg", 92)
                    && save(artwork::helpPage(), folder.filePath(QStringLiteral("help.bmp")), "bmp")
                    && save(artwork::logo(), folder.filePath(QStringLiteral("logo.bmp")), "bmp")
                    && save(icon, folder.filePath(QStringLiteral("icon.png")), "png")
                    && icoWritten;
    return ok ? 0 : 1;
}
