#pragma once

#include <QByteArray>
#include <QImage>

// Every picture of the window, drawn from code at its natural pixel size.
namespace artwork {

QImage twoWayDiagram();   // 271 x 231
QImage threeWayDiagram(); // 272 x 343
QImage helpPage();        // 326 x 291
QImage logo();            // 37 x 39
QImage icon();            // 32 x 32, 256 colours

// A Windows icon file holding one 8-bit palette image.
QByteArray icoFile(const QImage &indexed);

} // namespace artwork
