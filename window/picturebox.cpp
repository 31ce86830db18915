// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtEndian>

#include <cstring>

QSize pixelsSize(QByteArrayView data)
{
    if (data.size() < 8)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data.data());
    const quint32 height = qFromLittleEndian<quint32>(data.data() + 4);
    // Built in, but still checked: a QImage side is an int, and the product
    // of two 32-bit sides can exceed any size.
    constexpr quint32 kLargestSide = 1 << 15;
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide
        || quint64(data.size()) != 8 + quint64(width) * height * 4)
        return {};
    return QSize(int(width), int(height));
}

QImage readyToDraw(const QString &path)
{
    const QResource resource(path);
    const QByteArray data = resource.uncompressedData(); // no copy when stored uncompressed
    const QSize size = pixelsSize(data);
    if (!size.isValid())
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(data.constData() + 8);
    if (resource.compressionAlgorithm() == QResource::NoCompression
        && reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0)
        return QImage(pixels, size.width(), size.height(), QImage::Format_RGB32);
    QImage image(size, QImage::Format_RGB32);
    std::memcpy(image.bits(), pixels, std::size_t(size.width()) * size.height() * 4);
    return image;
}

int renditionRatio(qreal devicePixelRatio)
{
    return devicePixelRatio > 2.0 ? 3 : devicePixelRatio > 1.0 ? 2 : 1;
}

QImage rendition(const QString &path, qreal devicePixelRatio)
{
    if (const int ratio = renditionRatio(devicePixelRatio); ratio > 1) {
        QString name = path;
        name.insert(name.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(ratio));
        QImage image = readyToDraw(name);
        if (!image.isNull()) {
            image.setDevicePixelRatio(ratio);
            return image;
        }
    }
    return readyToDraw(path);
}

namespace {

// To assistive technology a picture box is a graphic, named by the form. A
// box whose click does something offers a press action that does the same.
class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    QStringList actionNames() const override
    {
        return box()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && box()->isClickable())
            emit box()->clicked();
    }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *accessiblePictureBox(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    // Costs nothing until a screen reader asks.
    static const bool accessible = (QAccessible::installFactory(accessiblePictureBox), true);
    Q_UNUSED(accessible);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

bool PictureBox::isClickable() const
{
    return m_clickable;
}

void PictureBox::setClickable(bool clickable)
{
    m_clickable = clickable;
}

QString PictureBox::source() const
{
    return m_source;
}

void PictureBox::setSource(const QString &source)
{
    // Looked up when first painted, when the screen's density is known; the
    // help page costs nothing unless it is shown.
    m_source = source;
    m_picture.reset();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        const qreal ratio = devicePixelRatioF();
        if (const int wanted = renditionRatio(ratio); !m_picture || m_pictureRatio != wanted) {
            m_picture = rendition(m_source, ratio);
            m_pictureRatio = wanted;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_picture->devicePixelRatio() != ratio);
        const QRect inner = contentsRect();
        painter.setClipRect(inner);
        painter.drawImage(inner.topLeft(), *m_picture);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = inner.adjusted(1, 1, -1, -1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
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
    if (click && m_clickable)
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (m_clickable && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
        && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}
