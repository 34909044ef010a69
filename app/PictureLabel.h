#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

// A picture shown stretched to the label's contents. A built-in picture is
// decoded only while the label is shown, straight at the shown size, and let
// go when the label is hidden, so a frame holds no pixels it does not draw.
// A picture given in memory is kept as given (it may be needed at full size).
class TPictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit TPictureLabel(QWidget* parent = nullptr);

    // A built-in picture by name (see app/Pictures.h); empty: none.
    void SetPictureName(const QString& name);
    // A picture in memory; replaces a built-in one.
    void SetPicture(const QImage& picture);

    QString PictureName() const { return m_name; }
    // The picture's own size, whether or not it is decoded.
    QSize PictureSize() const { return m_size; }
    bool HasPicture() const { return !m_size.isEmpty(); }
    // The picture at its own size: the one given, or the built-in one decoded
    // anew (not kept).
    QImage Picture() const;
    // The pixels held for the screen; null while nothing is shown.
    const QPixmap& ShownPixels() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_name;
    QImage m_given;
    QSize m_size;
    QPixmap m_shown;
};
