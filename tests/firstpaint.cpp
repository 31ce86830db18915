// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the window as the application does and ends with status 0 once
// every visible picture box has painted, so that a trace of this process
// covers start-up and the first paint and nothing after them.
#include "form1.h"
#include "picturebox.h"
#include "startup.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>

namespace {

class FirstPaint : public QObject
{
public:
    FirstPaint(const QList<PictureBox *> &boxes, QObject *parent)
        : QObject(parent)
    {
        for (PictureBox *box : boxes) {
            if (box->isVisibleTo(box->window())) {
                m_waiting.insert(box);
                box->installEventFilter(this);
            }
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_waiting.remove(watched) && m_waiting.isEmpty())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }

private:
    QSet<QObject *> m_waiting;
};

} // namespace

int main(int argc, char *argv[])
{
    return startup::run(argc, argv, [](Form1 &form) {
        new FirstPaint(form.findChildren<PictureBox *>(), &form);
    });
}
