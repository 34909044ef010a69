#include "widgets/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

TImageBox::TImageBox(QWidget* parent) : QWidget(parent) {}

void TImageBox::SetPicture(const QImage& picture)
{
    Picture = picture;
    update();
}

void TImageBox::SetSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

void TImageBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = m_selected ? rect().adjusted(4, 4, -4, -4) : rect();
    if (m_selected) {
        p.fillRect(rect(), QColor(0xf5, 0xb0, 0x1a));
        p.fillRect(rect().adjusted(3, 3, -3, -3), Qt::white);
    }
    if (Picture.isNull())
        return;
    if (Stretch)
        p.drawImage(area, Picture);
    else
        p.drawImage(area.topLeft(), Picture);
}

void TImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

TColorShape::TColorShape(QWidget* parent) : QWidget(parent) {}

void TColorShape::SetColor(tandrel::platform::ColorRef color)
{
    m_color = color;
    update();
}

void TColorShape::SetOverlay(const QImage& overlay)
{
    m_overlay = overlay;
    update();
}

void TColorShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), tandrel::platform::toQColor(m_color));
    if (!m_overlay.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_overlay);
    } else {
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
