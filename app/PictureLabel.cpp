#include "app/PictureLabel.h"

#include "app/Pictures.h"

#include <QPainter>

TPictureLabel::TPictureLabel(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
}

void TPictureLabel::SetPictureName(const QString& name)
{
    m_name = name;
    m_given = QImage();
    m_size = name.isEmpty() ? QSize() : tandrel::pictures::size(name);
    m_shown = QPixmap();
    update();
}

void TPictureLabel::SetPicture(const QImage& picture)
{
    m_name.clear();
    m_given = picture;
    m_size = picture.size();
    m_shown = QPixmap();
    update();
}

QImage TPictureLabel::Picture() const
{
    if (!m_name.isEmpty())
        return tandrel::pictures::scaled(m_name, m_size);
    return m_given;
}

void TPictureLabel::paintEvent(QPaintEvent* event)
{
    if (!HasPicture()) {
        // A picture set the plain label way (setPixmap) is shown as such.
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    const QRect box = contentsRect();
    const QSize target = (QSizeF(box.size()) * devicePixelRatioF()).toSize();
    if (target.isEmpty())
        return;
    if (m_shown.size() != target) {
        const QImage img = !m_name.isEmpty() ? tandrel::pictures::scaled(m_name, target)
                           : m_given.size() == target
                               ? m_given
                               : m_given.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shown = QPixmap::fromImage(img);
        m_shown.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter p(this);
    p.drawPixmap(box.topLeft(), m_shown);
}

void TPictureLabel::hideEvent(QHideEvent* event)
{
    m_shown = QPixmap();
    QLabel::hideEvent(event);
}
