#pragma once

#include <QByteArray>

namespace tandrel::pdf {

struct PngStream {
    int width = 0;
    int height = 0;
    int colors = 0;      // 1 grey, 3 RGB
    QByteArray deflated; // the image data chunks joined: zlib data of PNG-filtered rows
};

// The compressed pixel rows of a PNG that a PDF can show as they are (Flate
// with the PNG predictors): 8 bits a sample, grey or RGB, no alpha and no
// transparent colour, not interlaced. False for any other PNG and for a
// damaged one (a chunk cut short or with a wrong checksum, no image data).
bool readPngStream(const QByteArray& data, PngStream& out);

} // namespace tandrel::pdf
