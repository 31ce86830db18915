#pragma once

#include <QFrame>
#include <QPixmap>

// A box with a sunken two-pixel border that shows its picture at natural
// size from the inner area's top-left corner, cut off at the inner edges.
// The box never resizes to its picture.
class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QPixmap picture() const;
    void setPicture(const QPixmap &picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};
