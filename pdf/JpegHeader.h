#pragma once

#include <QByteArray>

namespace tandrel::pdf {

struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;
};

// Reads the frame header the way libharu's JPEG loader walks the markers, so
// a file accepted here never makes the PDF library fail. Answers false for
// data that is no JPEG or that the loader would reject.
bool readJpegHeader(const QByteArray& data, JpegHeader& header);

} // namespace tandrel::pdf
