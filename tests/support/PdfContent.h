#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace tandrel::test {

// One painted path of a page, in millimetres from the page's top left, y down.
struct PdfPath {
    std::vector<std::vector<QPointF>> subpaths;
    bool stroked = false;
    bool filled = false;
    bool dashed = false; // stroked with a dash pattern
    double lineWidthMm = 0;
    QColor strokeColor, fillColor;
    int order = 0; // position among the page's paths and pictures

    // The ink it leaves, the pen's half width included when stroked.
    QRectF bounds() const;
};

struct PdfPicture {
    QRectF mm;
    int order = 0;
    QString name; // the XObject's name
};

struct PdfContentPage {
    std::vector<PdfPath> paths;
    std::vector<PdfPicture> pictures;
};

// Every page's paths and pictures, read from the uncompressed content
// streams (qpdf --qdf) with the graphics state the operators set. Empty
// when the file cannot be read.
std::vector<PdfContentPage> ReadPdfContent(const QString& path);

} // namespace tandrel::test
