// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QFrame>
#include <QImage>
#include <QString>

#include <optional>

// The size of the picture that bytes in the form of tools/decode describe: a
// little-endian 32-bit width and height, then that many RGB32 pixels. An
// invalid size when the header does not match the bytes that follow, or a
// side exceeds 32768.
QSize pixelsSize(QByteArrayView data);

// A built-in picture in the form the build decodes it to (tools/decode):
// its pixels are drawn straight from the executable where they lie aligned,
// so nothing is decoded and no image plugin is loaded. A null image when
// there is no such picture.
QImage readyToDraw(const QString &path);

// The rendition of a built-in picture for a screen's device pixel ratio:
// NAME.pixels at 1x, NAME@2x.pixels up to 2x, NAME@3x.pixels above, each
// drawn anew by the artwork generator and marked with its ratio, so that
// Qt only ever scales a picture down. The 1x picture where there is none.
QImage rendition(const QString &path, qreal devicePixelRatio);
// The ratio of the rendition for a device pixel ratio: 1, 2 or 3.
int renditionRatio(qreal devicePixelRatio);

// A box with a sunken two-pixel border that shows its picture at natural
// size from the inner area's top-left corner, cut off at the inner edges.
// The box never resizes to its picture. Without a frame it is a plain image.
// A clickable box is pressed as a button is: a click, or Space while it has
// the focus; to assistive technology it offers the press action.
class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool clickable READ isClickable WRITE setClickable)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    bool isClickable() const;
    void setClickable(bool clickable);

    // The picture's path among the built-in resources.
    QString source() const;
    void setSource(const QString &source);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_source;
    std::optional<QImage> m_picture; // the rendition for the screen last painted on
    int m_pictureRatio = 1;          // the ratio it was picked for, even where it fell back to 1x
    bool m_pressed = false;
    bool m_clickable = false;
};
