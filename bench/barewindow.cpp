// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of any Qt Widgets program here: an application object and one
// shown label, nothing else. scripts/bench measures the window against it.
// Given a size (bench_barewindow 737x573), the label's window has that size.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Dividra"));
    if (argc > 1) {
        const QStringList size = QString::fromLocal8Bit(argv[1]).split(u'x');
        if (size.size() == 2)
            label.resize(size[0].toInt(), size[1].toInt());
    }
    label.show();
    return application.exec();
}
