// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schematic.h"

#include <QPainterPath>

#include <cmath>

namespace {

const QColor kWire(64, 64, 64);
const QColor kCoil(128, 128, 128);
const QColor kDriver(160, 160, 160);
const QColor kDriverEdge(96, 96, 96);
const QColor kPositive(220, 0, 0);
const QColor kNegative(0, 0, 220);

constexpr qreal kPlateGap = 6.0;
constexpr qreal kPlateLength = 16.0;
constexpr qreal kCoilLength = 32.0;
constexpr int kCoilTurns = 4;

bool horizontal(QPointF from, QPointF to) { return std::abs(from.y() - to.y()) < 0.5; }

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("FreeSans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

Schematic::Schematic(QPainter &painter)
    : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

void Schematic::wire(QPointF from, QPointF to)
{
    m_painter.setPen(QPen(kWire, 1.0));
    m_painter.drawLine(from, to);
}

void Schematic::wireHopping(QPointF from, QPointF to, std::initializer_list<qreal> hopsAt)
{
    constexpr qreal radius = 4.0;
    QPainterPath path(from);
    for (const qreal x : hopsAt) {
        path.lineTo(x - radius, from.y());
        path.arcTo(QRectF(x - radius, from.y() - radius, 2 * radius, 2 * radius), 180, -180);
    }
    path.lineTo(to);
    m_painter.setPen(QPen(kWire, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void Schematic::junction(QPointF at)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(kWire);
    m_painter.drawEllipse(at, 2.5, 2.5);
}

void Schematic::terminal(QPointF at, bool positive)
{
    m_painter.setPen(QPen(kWire, 1.0));
    m_painter.setBrush(positive ? kPositive : kNegative);
    m_painter.drawEllipse(at, 5.0, 5.0);
    m_painter.setPen(QPen(Qt::white, 1.5));
    m_painter.drawLine(at + QPointF(-2.5, 0), at + QPointF(2.5, 0));
    if (positive)
        m_painter.drawLine(at + QPointF(0, -2.5), at + QPointF(0, 2.5));
}

void Schematic::capacitor(QPointF from, QPointF to, const QString &name)
{
    const QPointF middle = (from + to) / 2;
    m_painter.setPen(QPen(kWire, 1.0));
    if (horizontal(from, to)) {
        const QPointF a = middle - QPointF(kPlateGap / 2, 0);
        const QPointF b = middle + QPointF(kPlateGap / 2, 0);
        m_painter.drawLine(from, a);
        m_painter.drawLine(b, to);
        m_painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(a - QPointF(0, kPlateLength / 2), a + QPointF(0, kPlateLength / 2));
        m_painter.drawLine(b - QPointF(0, kPlateLength / 2), b + QPointF(0, kPlateLength / 2));
        componentName(name, middle - QPointF(0, kPlateLength / 2 + 2), Qt::AlignTop);
    } else {
        const QPointF a = middle - QPointF(0, kPlateGap / 2);
        const QPointF b = middle + QPointF(0, kPlateGap / 2);
        m_painter.drawLine(from, a);
        m_painter.drawLine(b, to);
        m_painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(a - QPointF(kPlateLength / 2, 0), a + QPointF(kPlateLength / 2, 0));
        m_painter.drawLine(b - QPointF(kPlateLength / 2, 0), b + QPointF(kPlateLength / 2, 0));
        componentName(name, middle - QPointF(kPlateLength / 2 + 3, 0), Qt::AlignLeft);
    }
}

void Schematic::inductor(QPointF from, QPointF to, const QString &name)
{
    const bool across = horizontal(from, to);
    const QPointF middle = (from + to) / 2;
    const QPointF axis = across ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF start = middle - axis * (kCoilLength / 2);
    const QPointF end = middle + axis * (kCoilLength / 2);
    wire(from, start);
    wire(end, to);

    // Half-turns bulging up from a horizontal wire, left from a vertical one.
    const qreal turn = kCoilLength / kCoilTurns;
    QPainterPath coil(start);
    for (int i = 0; i < kCoilTurns; ++i) {
        const QPointF a = start + axis * (turn * i);
        if (across)
            coil.arcTo(QRectF(a.x(), a.y() - turn / 2, turn, turn), 180, -180);
        else
            coil.arcTo(QRectF(a.x() - turn / 2, a.y(), turn, turn), 90, 180);
    }
    m_painter.setPen(QPen(kCoil, 2.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(coil);
    if (across)
        componentName(name, middle - QPointF(0, turn / 2 + 3), Qt::AlignTop);
    else
        componentName(name, middle - QPointF(turn / 2 + 4, 0), Qt::AlignLeft);
}

void Schematic::driver(QPointF upperTerminal, qreal lowerY, int size, bool upperPositive,
                       const QString &name)
{
    const qreal middleY = (upperTerminal.y() + lowerY) / 2;
    const qreal magnetHeight = 12 + 4 * size;
    const qreal magnetWidth = 8 + 3 * size;
    const qreal coneLength = 12 + 8 * size;
    const qreal mouthHeight = 26 + 16 * size;
    const qreal magnetLeft = upperTerminal.x() + 12;

    // Leads from the terminals to the back of the magnet.
    const QPointF upperLead(magnetLeft, middleY - magnetHeight / 4);
    const QPointF lowerLead(magnetLeft, middleY + magnetHeight / 4);
    wire(upperTerminal, QPointF(upperTerminal.x() + 6, upperTerminal.y()));
    wire(QPointF(upperTerminal.x() + 6, upperTerminal.y()), QPointF(upperTerminal.x() + 6, upperLead.y()));
    wire(QPointF(upperTerminal.x() + 6, upperLead.y()), upperLead);
    const QPointF lowerTerminal(upperTerminal.x(), lowerY);
    wire(lowerTerminal, QPointF(lowerTerminal.x() + 6, lowerY));
    wire(QPointF(lowerTerminal.x() + 6, lowerY), QPointF(lowerTerminal.x() + 6, lowerLead.y()));
    wire(QPointF(lowerTerminal.x() + 6, lowerLead.y()), lowerLead);

    m_painter.setPen(QPen(kDriverEdge, 1.0));
    m_painter.setBrush(kDriver.darker(115));
    m_painter.drawRect(QRectF(magnetLeft, middleY - magnetHeight / 2, magnetWidth, magnetHeight));
    const qreal coneLeft = magnetLeft + magnetWidth;
    const QPolygonF cone{QPointF(coneLeft, middleY - magnetHeight / 2 + 2),
                         QPointF(coneLeft + coneLength, middleY - mouthHeight / 2),
                         QPointF(coneLeft + coneLength, middleY + mouthHeight / 2),
                         QPointF(coneLeft, middleY + magnetHeight / 2 - 2)};
    m_painter.setBrush(kDriver);
    m_painter.drawPolygon(cone);
    // The surround at the mouth of the cone.
    m_painter.setBrush(kDriver.darker(130));
    m_painter.drawRect(QRectF(coneLeft + coneLength, middleY - mouthHeight / 2 - 1, 2, mouthHeight + 2));

    terminal(upperTerminal, upperPositive);
    terminal(lowerTerminal, !upperPositive);

    // The name downwards, one letter under another.
    const QFont font = boldFont(10);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const qreal lineHeight = 10;
    const qreal x = coneLeft + coneLength + 8;
    qreal y = middleY - lineHeight * name.size() / 2;
    for (const QChar letter : name) {
        m_painter.drawText(QRectF(x, y, 10, lineHeight), Qt::AlignHCenter | Qt::AlignVCenter, letter);
        y += lineHeight;
    }
}

void Schematic::input(QPointF negative, QPointF positive)
{
    m_painter.setFont(boldFont(9));
    m_painter.setPen(Qt::black);
    const QRectF above(negative.x() - 8, negative.y() - 19, positive.x() - negative.x() + 16, 11);
    m_painter.drawText(above, Qt::AlignCenter, QStringLiteral("INPUT"));
    terminal(negative, false);
    terminal(positive, true);
}

void Schematic::componentName(const QString &name, QPointF anchor, Qt::Alignment side)
{
    m_painter.setFont(boldFont(11));
    m_painter.setPen(Qt::black);
    const QSizeF box(22, 12);
    QRectF rect;
    if (side == Qt::AlignTop)
        rect = QRectF(anchor.x() - box.width() / 2, anchor.y() - box.height(), box.width(), box.height());
    else
        rect = QRectF(anchor.x() - box.width(), anchor.y() - box.height() / 2, box.width(), box.height());
    m_painter.drawText(rect, Qt::AlignCenter, name);
}
