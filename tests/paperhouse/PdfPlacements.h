#pragma once

#include "tests/support/PdfContent.h"

#include <QRectF>
#include <QString>
#include <vector>

namespace tandrel::test {

// One picture drawn on a page: the XObject's name and its rectangle in mm
// from the page's top left.
struct ImagePlacement {
    QString name;
    QRectF mm;
};

// Every picture placement per page. Empty when the file cannot be read.
inline std::vector<std::vector<ImagePlacement>> ImagePlacements(const QString& path)
{
    std::vector<std::vector<ImagePlacement>> pages;
    for (const PdfContentPage& page : ReadPdfContent(path)) {
        auto& placements = pages.emplace_back();
        for (const PdfPicture& picture : page.pictures)
            placements.push_back({picture.name, picture.mm});
    }
    return pages;
}

} // namespace tandrel::test
