// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QString>

// Draws network diagrams in one style: thin dark-grey wires, dots at the
// junctions, capacitor plates, grey coils, grey drivers seen from the side,
// bold black component names, red "+" and blue "-" terminals.
class Schematic
{
public:
    explicit Schematic(QPainter &painter);

    void wire(QPointF from, QPointF to);
    // A horizontal wire that hops over the vertical wires at the given x.
    void wireHopping(QPointF from, QPointF to, std::initializer_list<qreal> hopsAt);
    void junction(QPointF at);
    void terminal(QPointF at, bool positive);

    // Components between two points on one horizontal or vertical wire,
    // drawn in the middle of the span and named beside it.
    void capacitor(QPointF from, QPointF to, const QString &name);
    void inductor(QPointF from, QPointF to, const QString &name);

    // A driver between an upper and a lower terminal, its cone opening to the
    // right, its name written downwards to the right of it. Size grows from
    // a tweeter (0) to a woofer (2).
    void driver(QPointF upperTerminal, qreal lowerY, int size, bool upperPositive,
                const QString &name);

    // "INPUT" over the negative (left) and positive (right) input terminals.
    void input(QPointF negative, QPointF positive);

private:
    void componentName(const QString &name, QPointF anchor, Qt::Alignment side);

    QPainter &m_painter;
};
