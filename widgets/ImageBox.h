#pragma once

#include "platform/ColorRef.h"

#include <QImage>
#include <QWidget>

// A picture control: shows its picture stretched over the control (or at its
// own size) and reports clicks. The picture is a plain image other code may
// read and point to; it stays at the same address for the control's life.
class TImageBox : public QWidget {
    Q_OBJECT
public:
    explicit TImageBox(QWidget* parent = nullptr);

    QImage Picture;
    bool Stretch = true;

    void SetPicture(const QImage& picture);
    // A chosen picture gets a frame around it.
    void SetSelected(bool selected);
    bool IsSelected() const { return m_selected; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_selected = false;
};

// A coloured rectangle with a thin frame (the colour swatches); an optional
// translucent overlay picture is stretched over the colour (the module preview).
class TColorShape : public QWidget {
    Q_OBJECT
public:
    explicit TColorShape(QWidget* parent = nullptr);

    tandrel::platform::ColorRef Color() const { return m_color; }
    void SetColor(tandrel::platform::ColorRef color);
    void SetOverlay(const QImage& overlay);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tandrel::platform::ColorRef m_color = 0xFFFFFF;
    QImage m_overlay;
};
