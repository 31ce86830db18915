// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classicstyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    // Qt keeps a ring free around every button that may become the default,
    // for the frame it draws there; a button that is not the default fills
    // its box.
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        button && element == CE_PushButtonBevel && !(button->features & QStyleOptionButton::DefaultButton)) {
        QStyleOptionButton whole = *button;
        whole.features &= ~QStyleOptionButton::AutoDefaultButton;
        QProxyStyle::drawControl(element, &whole, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    // The default button's frame is that ring, to the last column and row.
    if (element == PE_FrameDefaultButton) {
        painter->save();
        painter->setPen(QPen(option->palette.shadow().color(), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
