#pragma once

// The raw picture format of the built-in interface pictures, shared by the
// picture generator (writes) and the program (reads): "TRW1", width and
// height as little-endian 32-bit numbers, then premultiplied ARGB32 rows.

#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <cstring>

namespace tandrel::pictures {

inline QByteArray encodeRawPicture(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray out("TRW1");
    const qint64 rowBytes = qint64(img.width()) * 4;
    out.resize(12 + rowBytes * img.height());
    qToLittleEndian<quint32>(quint32(img.width()), out.data() + 4);
    qToLittleEndian<quint32>(quint32(img.height()), out.data() + 8);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(out.data() + 12 + rowBytes * y, img.constScanLine(y), size_t(rowBytes));
    return out;
}

// A null image for anything that is not a complete raw picture.
inline QImage decodeRawPicture(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("TRW1"))
        return {};
    const quint32 w = qFromLittleEndian<quint32>(data.constData() + 4);
    const quint32 h = qFromLittleEndian<quint32>(data.constData() + 8);
    if (w == 0 || h == 0 || w > 16384 || h > 16384 || qint64(data.size()) != 12 + qint64(w) * 4 * h)
        return {};
    QImage img(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    for (quint32 y = 0; y < h; ++y)
        std::memcpy(img.scanLine(int(y)), data.constData() + 12 + qint64(w) * 4 * y, size_t(w) * 4);
    return img;
}

} // namespace tandrel::pictures
