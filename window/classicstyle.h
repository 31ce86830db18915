// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// Qt's "Windows" style, the classic look the form was made for, with push
// buttons painted as on that desktop: the bevel of a button fills its whole
// box, and the default button (the focused one, which Return presses) has a
// one-pixel dark frame around its whole box with the bevel inside it.
class ClassicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ClassicStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
