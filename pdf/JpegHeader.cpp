#include "pdf/JpegHeader.h"

namespace tandrel::pdf {

namespace {

int u8(const QByteArray& d, qsizetype pos) { return static_cast<unsigned char>(d[pos]); }
int u16(const QByteArray& d, qsizetype pos) { return (u8(d, pos) << 8) | u8(d, pos + 1); }

} // namespace

bool readJpegHeader(const QByteArray& data, JpegHeader& header)
{
    if (data.size() < 4 || u16(data, 0) != 0xFFD8)
        return false;
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        const int tag = u16(data, pos);
        const int size = u16(data, pos + 2);
        if (tag == 0xFFC0 || tag == 0xFFC1 || tag == 0xFFC2 || tag == 0xFFC9) {
            if (pos + 10 > data.size())
                return false;
            const int precision = u8(data, pos + 4);
            header.height = u16(data, pos + 5);
            header.width = u16(data, pos + 7);
            header.components = u8(data, pos + 9);
            return precision == 8 && header.width > 0 && header.height > 0
                && (header.components == 1 || header.components == 3 || header.components == 4);
        }
        // A segment must start with a marker and hold at least its length field.
        if ((tag & 0xFF00) != 0xFF00 || size < 2)
            return false;
        pos += 2 + size;
    }
    return false;
}

} // namespace tandrel::pdf
