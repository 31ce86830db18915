// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"
#include "schematic.h"

#include "helptext.h"

#include <QBuffer>
#include <QDataStream>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QRadialGradient>

#include <functional>
#include <stdexcept>

namespace artwork {
namespace {

// Where the wires of both diagrams run: the return wire down the left edge
// from the negative input, the feed wire just right of it.
constexpr qreal kReturnX = 10.5;
constexpr qreal kFeedX = 26.5;
constexpr qreal kInputY = 24.5;

QImage whiteCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The tweeter branch of both networks: C1 in series, L1 across, the tweeter
// connected in reverse polarity.
void tweeterBranch(Schematic &s, qreal y, qreal railY, qreal junctionX, qreal driverX)
{
    s.wire({kFeedX, y}, {kFeedX + 8, y});
    s.capacitor({kFeedX + 8, y}, {junctionX, y}, QStringLiteral("C1"));
    s.inductor({junctionX, y}, {junctionX, railY}, QStringLiteral("L1"));
    s.wire({junctionX, y}, {driverX, y});
    s.wireHopping({kReturnX, railY}, {driverX, railY}, {kFeedX});
    s.junction({kFeedX, y});
    s.junction({junctionX, y});
    s.junction({junctionX, railY});
    s.junction({kReturnX, railY});
    s.driver({driverX, y}, railY, 0, false, QStringLiteral("Tweeter"));
}

// The woofer branch of both networks, the last on the feed wire: an inductor
// in series, a capacitor across, the driver in normal polarity.
void wooferBranch(Schematic &s, qreal y, qreal railY, qreal junctionX, qreal driverX, int size,
                  const QString &inductor, const QString &capacitor, const QString &name)
{
    s.inductor({kFeedX, y}, {junctionX, y}, inductor);
    s.capacitor({junctionX, y}, {junctionX, railY}, capacitor);
    s.wire({junctionX, y}, {driverX, y});
    s.wire({kReturnX, railY}, {driverX, railY});
    s.junction({kFeedX, y});
    s.junction({junctionX, y});
    s.junction({junctionX, railY});
    s.driver({driverX, y}, railY, size, true, name);
}

// A diagram on a white canvas drawn at the given scale: the return and feed
// wires down to the last branch, the branches, then the input terminals.
QImage diagram(QSize size, int scale, qreal lastBranchY, qreal lastRail,
               const std::function<void(Schematic &)> &branches)
{
    QImage image = whiteCanvas(size.width() * scale, size.height() * scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Schematic s(painter);
    s.wire({kReturnX, kInputY}, {kReturnX, lastRail});
    s.wire({kFeedX, kInputY}, {kFeedX, lastBranchY});
    branches(s);
    s.input({kReturnX, kInputY}, {kFeedX, kInputY});
    return image;
}

} // namespace

QImage twoWayDiagram(int scale)
{
    const qreal tweeterY = 48.5, tweeterRail = 104.5;
    const qreal wooferY = 128.5, wooferRail = 206.5;
    const qreal junctionX = 110.5, driverX = 176.5;

    return diagram(QSize(271, 231), scale, wooferY, wooferRail, [&](Schematic &s) {
        tweeterBranch(s, tweeterY, tweeterRail, junctionX, driverX);
        wooferBranch(s, wooferY, wooferRail, junctionX, driverX, 1, QStringLiteral("L2"),
                     QStringLiteral("C2"), QStringLiteral("midwoofer"));
    });
}

QImage threeWayDiagram(int scale)
{
    const qreal tweeterY = 48.5, tweeterRail = 100.5;
    const qreal midY = 130.5, midRail = 196.5;
    const qreal wooferY = 222.5, wooferRail = 306.5;
    const qreal firstJunctionX = 80.5, secondJunctionX = 146.5, driverX = 176.5;

    return diagram(QSize(272, 343), scale, wooferY, wooferRail, [&](Schematic &s) {
        tweeterBranch(s, tweeterY, tweeterRail, firstJunctionX, driverX);

        // Midrange: C2 in series, L2 across, L3 in series, C3 across.
        s.wire({kFeedX, midY}, {kFeedX + 8, midY});
        s.capacitor({kFeedX + 8, midY}, {firstJunctionX, midY}, QStringLiteral("C2"));
        s.inductor({firstJunctionX, midY}, {firstJunctionX, midRail}, QStringLiteral("L2"));
        s.inductor({firstJunctionX, midY}, {secondJunctionX, midY}, QStringLiteral("L3"));
        s.capacitor({secondJunctionX, midY}, {secondJunctionX, midRail}, QStringLiteral("C3"));
        s.wire({secondJunctionX, midY}, {driverX, midY});
        s.wireHopping({kReturnX, midRail}, {driverX, midRail}, {kFeedX});
        for (const QPointF dot : {QPointF(kFeedX, midY), QPointF(firstJunctionX, midY),
                                  QPointF(secondJunctionX, midY), QPointF(firstJunctionX, midRail),
                                  QPointF(secondJunctionX, midRail), QPointF(kReturnX, midRail)})
            s.junction(dot);
        s.driver({driverX, midY}, midRail, 1, true, QStringLiteral("Mid"));

        wooferBranch(s, wooferY, wooferRail, secondJunctionX, driverX, 2, QStringLiteral("L4"),
                     QStringLiteral("C4"), QStringLiteral("Woofer"));
    });
}

QImage helpPage(int scale)
{
    // Only this much of the page shows in its box; the rest stays white.
    const QRect visible(0, 0, 325, 277);
    const int margin = 6;

    QImage image = whiteCanvas(326 * scale, 291 * scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);

    QFont heading(QStringLiteral("FreeSans"));
    heading.setPixelSize(16);
    heading.setBold(true);
    QFont body(QStringLiteral("FreeSans"));
    body.setPixelSize(12);

    const auto line = [&](const QFont &font, int &y, int height, Qt::Alignment alignment,
                          const QString &text) {
        painter.setFont(font);
        const QRect rect(margin, y, visible.width() - 2 * margin, height);
        if (QFontMetrics(font).horizontalAdvance(text) > rect.width())
            throw std::runtime_error("help line too wide: " + text.toStdString());
        painter.drawText(rect, alignment | Qt::AlignVCenter, text);
        y += height;
    };

    const auto text = [](std::string_view line) {
        return QString::fromUtf8(line.data(), qsizetype(line.size()));
    };
    int y = margin;
    line(heading, y, 22, Qt::AlignHCenter, text(kHelpLines.front()));
    for (std::size_t i = 1; i + 1 < kHelpLines.size(); ++i) {
        if (kHelpLines[i].empty())
            y += 4; // between paragraphs
        else
            line(body, y, 16, Qt::AlignLeft, text(kHelpLines[i]));
    }
    y += 4 + 12; // the closing line stands apart
    line(body, y, 16, Qt::AlignHCenter, text(kHelpLines.back()));
    if (y > visible.bottom())
        throw std::runtime_error("help page taller than its box");
    return image;
}

QImage logo(int scale)
{
    QImage image(37 * scale, 39 * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF disc(1, 2, 35, 35);
    QRadialGradient gloss(disc.center() + QPointF(-6, -7), 24, disc.center() + QPointF(-7, -8));
    gloss.setColorAt(0.0, QColor(255, 200, 200));
    gloss.setColorAt(0.25, QColor(240, 40, 40));
    gloss.setColorAt(0.8, QColor(170, 0, 0));
    gloss.setColorAt(1.0, QColor(90, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(disc);

    QFont font(QStringLiteral("FreeSans"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("DV"));
    return image;
}

namespace {

// The icon's design on its 32-unit field: a few small squares of other
// colours scattered over blue, and the word as tall as it can be, squeezed
// across the width.
const QColor kIconField(0, 0, 170);
const QColor kIconWord(255, 230, 0);
const struct {
    int x, y;
    QRgb colour;
} kIconSquares[] = {{2, 3, qRgb(255, 0, 0)},   {25, 2, qRgb(0, 220, 0)},  {14, 4, qRgb(255, 255, 255)},
                    {4, 25, qRgb(0, 220, 220)}, {20, 26, qRgb(255, 0, 255)}, {28, 24, qRgb(255, 128, 0)}};

QFont iconFont()
{
    QFont font(QStringLiteral("FreeSans"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

const QString kIconText = QStringLiteral("Dividra");

// The word fills QRectF(0, 7, width, 18) at its natural width, drawn through
// this transform.
QTransform iconWordTransform(qreal width)
{
    return QTransform::fromTranslate(1, 0).scale(30.0 / width, 1.0);
}

void drawIcon(QPainter &painter)
{
    for (const auto &square : kIconSquares)
        painter.fillRect(square.x, square.y, 3, 3, QColor(square.colour));
    const QFont font = iconFont();
    const qreal width = QFontMetricsF(font).horizontalAdvance(kIconText);
    painter.setFont(font);
    painter.setPen(kIconWord);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setTransform(iconWordTransform(width), true);
    painter.drawText(QRectF(0, 7, width, 18), Qt::AlignCenter, kIconText);
}

} // namespace

QImage icon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kIconField);
    QPainter painter(&image);
    drawIcon(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage iconAt(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kIconField);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawIcon(painter);
    return image;
}

QByteArray iconSvg()
{
    // The word as outlines, placed as drawText places it, so that the icon
    // needs no font where it is shown.
    const QFont font = iconFont();
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(kIconText);
    const qreal baseline = 7 + (18 - metrics.height()) / 2 + metrics.ascent();
    QPainterPath word;
    word.addText(QPointF(0, baseline), font, kIconText);
    word = iconWordTransform(width).map(word);

    QString path;
    const auto point = [](qreal x, qreal y) {
        return QStringLiteral("%1 %2 ").arg(x, 0, 'f', 3).arg(y, 0, 'f', 3);
    };
    for (int i = 0; i < word.elementCount(); ++i) {
        const QPainterPath::Element e = word.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            path += QStringLiteral("M") + point(e.x, e.y);
            break;
        case QPainterPath::LineToElement:
            path += QStringLiteral("L") + point(e.x, e.y);
            break;
        case QPainterPath::CurveToElement:
            path += QStringLiteral("C") + point(e.x, e.y);
            break;
        case QPainterPath::CurveToDataElement:
            path += point(e.x, e.y);
            break;
        }
    }

    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\""
                                 " viewBox=\"0 0 32 32\">\n<rect width=\"32\" height=\"32\" fill=\"%1\"/>\n")
                      .arg(kIconField.name());
    for (const auto &square : kIconSquares)
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"3\" height=\"3\" fill=\"%3\"/>\n")
                   .arg(square.x).arg(square.y).arg(QColor(square.colour).name());
    const QString fillRule = word.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                : QStringLiteral("evenodd");
    svg += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n</svg>\n")
               .arg(kIconWord.name(), fillRule, path.trimmed());
    return svg.toUtf8();
}

QByteArray icoFile(const QImage &indexed, const QList<QImage> &others)
{
    const int width = indexed.width();
    const int height = indexed.height();
    const int maskStride = ((width + 31) / 32) * 4;

    // The palette image: BITMAPINFOHEADER (its height counts the colour image
    // and the mask), palette, rows bottom-up (each of 32 bytes, already
    // 4-aligned), and an all-clear mask: the icon is opaque.
    QByteArray bitmap;
    {
        QDataStream out(&bitmap, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8)
            << quint32(0) << quint32(width * height + maskStride * height) << qint32(0) << qint32(0)
            << quint32(256) << quint32(0);
        const QList<QRgb> table = indexed.colorTable();
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < table.size() ? table[i] : 0;
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
        }
        for (int y = height - 1; y >= 0; --y)
            out.writeRawData(reinterpret_cast<const char *>(indexed.constScanLine(y)), width);
        const QByteArray maskRow(maskStride, '\0');
        for (int y = 0; y < height; ++y)
            out.writeRawData(maskRow.constData(), maskStride);
    }

    struct Entry {
        int size;
        quint8 colours;
        quint16 bits;
        QByteArray data;
    };
    QList<Entry> entries{{width, 0, 8, bitmap}};
    for (const QImage &image : others) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        entries.append({image.width(), 0, 32, png});
    }

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // ICONDIR, one ICONDIRENTRY an image (a side of 256 is written 0), then
    // the images in the same order.
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry &entry : entries) {
        const quint8 side = entry.size >= 256 ? 0 : quint8(entry.size);
        out << side << side << entry.colours << quint8(0) << quint16(1) << entry.bits
            << quint32(entry.data.size()) << offset;
        offset += quint32(entry.data.size());
    }
    for (const Entry &entry : entries)
        out.writeRawData(entry.data.constData(), int(entry.data.size()));
    return data;
}

} // namespace artwork
