// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

// Every picture of the window, drawn from code at its natural pixel size
// times the scale (2 and 3 for high-density screens).
namespace artwork {

QImage twoWayDiagram(int scale);   // 271 x 231
QImage threeWayDiagram(int scale); // 272 x 343
QImage helpPage(int scale);        // 326 x 291
QImage logo(int scale);            // 37 x 39

// The application icon: 32 x 32 with 256 colours, as the Windows icon has
// it; in full colour at any size; and scalable.
QImage icon();
QImage iconAt(int size);
QByteArray iconSvg();

// A Windows icon file holding one 8-bit palette image, then PNG images of
// other sizes (as Windows takes them since Vista), in the order given.
QByteArray icoFile(const QImage &indexed, const QList<QImage> &others = {});

} // namespace artwork
