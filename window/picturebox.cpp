#include "picturebox.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

QString PictureBox::source() const
{
    return m_source;
}

void PictureBox::setSource(const QString &source)
{
    // Decoded when first painted: the window maps sooner, and the help page
    // is never decoded unless it is shown.
    m_source = source;
    m_picture.reset();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        if (!m_picture)
            m_picture = loadPicture(m_source);
        QPainter painter(this);
        const QRect inner = contentsRect();
        painter.setClipRect(inner);
        painter.drawPixmap(inner.topLeft(), *m_picture);
    }
    QFrame::paintEvent(event);
}

// A click is a press and a release of the left button on the box, as for a
// push button: releasing elsewhere does not count.
void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
