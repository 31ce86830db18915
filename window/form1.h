// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "crossover.h"
#include "usermessage.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <span>

namespace Ui {
class Form1;
}

struct ResultLabel;

// The application's one window: two calculation sections, their clear
// buttons, exit and help. The form file describes it; this class holds the
// click handlers.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Shows a message and returns when the user has dismissed it.
    using MessagePresenter = std::function<void(const UserMessage &)>;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // "MS Sans Serif", or the stand-in the desktop has, at 8.25 pt with
    // whole-pixel glyph advances.
    static QFont formFont();

    // Replaces the modal message box, for instance to record messages in tests.
    void setMessagePresenter(MessagePresenter presenter);

    // Where a window's frame goes so that all of it is on the screen's
    // available area: where it is, if it fits; else moved the least that
    // makes it fit; along a side longer than the area's, at the area's edge.
    static QPoint placedOnScreen(const QRect &frame, const QRect &available);

    // A screen's available area in Qt's pixels, cut to what surely lies on
    // the screen's own pixels: at a fractional scale Qt rounds the area, and
    // a window's position and size, to the nearest pixel, so a window placed
    // at the rounded edge can end one screen pixel past it.
    static QRect availableInScreenPixels(const QRect &available, const QRect &screen, qreal ratio);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void calculateTwoWay();
    void calculateThreeWay();
    void clearTwoWay();
    void clearThreeWay();
    void present(const dividra::Calculation &calculation, std::span<const ResultLabel> results);
    void showModalMessage(const UserMessage &message);

    std::unique_ptr<Ui::Form1> ui;
    MessagePresenter m_presentMessage;
    bool m_placed = false;
};
