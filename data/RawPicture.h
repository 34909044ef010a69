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

namespace detail {

inline bool rawPictureSize(const uchar* data, qint64 size, int& w, int& h)
{
    if (!data || size < 12 || std::memcmp(data, "TRW1", 4) != 0)
        return false;
    const quint32 uw = qFromLittleEndian<quint32>(data + 4);
    const quint32 uh = qFromLittleEndian<quint32>(data + 8);
    if (uw == 0 || uh == 0 || uw > 16384 || uh > 16384 || size != 12 + qint64(uw) * 4 * uh)
        return false;
    w = int(uw);
    h = int(uh);
    return true;
}

} // namespace detail

// A null image for anything that is not a complete raw picture.
inline QImage decodeRawPicture(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    int w = 0, h = 0;
    if (!detail::rawPictureSize(bytes, data.size(), w, h))
        return {};
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        return {};
    for (int y = 0; y < h; ++y)
        std::memcpy(img.scanLine(y), bytes + 12 + qint64(w) * 4 * y, size_t(w) * 4);
    return img;
}

// The picture over the encoded bytes themselves, without a copy: the bytes
// must outlive every copy of the image (built-in resources do). Rows that are
// not 4-byte aligned are copied instead.
inline QImage viewRawPicture(const uchar* data, qint64 size)
{
    int w = 0, h = 0;
    if (!detail::rawPictureSize(data, size, w, h))
        return {};
    if (reinterpret_cast<quintptr>(data + 12) % 4 != 0)
        return decodeRawPicture(QByteArray::fromRawData(reinterpret_cast<const char*>(data), size));
    return QImage(data + 12, w, h, qsizetype(w) * 4, QImage::Format_ARGB32_Premultiplied);
}

} // namespace tandrel::pictures
