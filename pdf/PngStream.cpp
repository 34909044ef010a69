#include "pdf/PngStream.h"

#include <array>
#include <cstdint>

namespace tandrel::pdf {

namespace {

quint32 u32(const QByteArray& d, qsizetype pos)
{
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + pos);
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint32 crc32(const char* data, qsizetype size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";

} // namespace

bool readPngStream(const QByteArray& data, PngStream& out)
{
    out = {};
    if (data.size() < 8 || !data.startsWith(QByteArray::fromRawData(kSignature, 8)))
        return false;
    qsizetype pos = 8;
    bool header = false, ended = false;
    QByteArray deflated;
    while (!ended) {
        if (pos + 12 > data.size())
            return false;
        const quint32 length = u32(data, pos);
        if (length > quint32(data.size() - pos - 12))
            return false;
        const QByteArray type = data.mid(pos + 4, 4);
        const qsizetype body = pos + 8;
        if (crc32(data.constData() + pos + 4, qsizetype(length) + 4) != u32(data, body + qsizetype(length)))
            return false;
        if (!header) {
            // IHDR comes first: width, height, depth, colour type, compression, filter, interlace.
            if (type != "IHDR" || length != 13)
                return false;
            const quint32 w = u32(data, body), h = u32(data, body + 4);
            const int depth = static_cast<unsigned char>(data[body + 8]);
            const int colourType = static_cast<unsigned char>(data[body + 9]);
            if (w == 0 || h == 0 || w > 65535 || h > 65535 || depth != 8 || (colourType != 0 && colourType != 2)
                || data[body + 10] != 0 || data[body + 11] != 0 || data[body + 12] != 0)
                return false;
            out.width = int(w);
            out.height = int(h);
            out.colors = colourType == 2 ? 3 : 1;
            header = true;
        } else if (type == "IDAT") {
            deflated.append(data.constData() + body, qsizetype(length));
        } else if (type == "IEND") {
            ended = true;
        } else if (type == "tRNS") {
            return false; // a transparent colour needs a mask
        }
        pos = body + qsizetype(length) + 4;
    }
    if (deflated.isEmpty())
        return false;
    out.deflated = std::move(deflated);
    return true;
}

} // namespace tandrel::pdf
