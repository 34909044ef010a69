#pragma once

#include "pdf/PdfWriter.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>

namespace tandrel::presentations {

// The twelve slide places, in the order of the frames' picture controls:
// six introductory slides, then the six main ones.
inline constexpr int kSlideCount = 12;
inline constexpr int kIntroCount = 6;

// Everything a slide document shows. Sizes in millimetres.
struct MSlidesDocument {
    double PageWidth = 210;
    double PageHeight = 297;
    double Margin = 12;
    bool Portrait = true;
    bool Introduction = true;
    QString Title, CoverLine1, CoverLine2, Header, Footer;
    PdfPicture Cover;                            // none when null
    std::array<PdfPicture, kSlideCount> Slides;  // a null picture leaves its box empty, a page of
                                                 // null pictures is left out
    QImage Logo;                                 // none when null
    QString Imprint;
};

// Where the cover picture comes from.
enum class CoverSource { File, Catalogue, None };
// A file name that is set wins (its picture only if the file exists); without
// one an empty title gets the catalogue's picture, a title none.
CoverSource ChooseCoverSource(const QString& fileName, const QString& title);
inline constexpr int kCoverCataloguePicture = 3130;
inline constexpr int kLogoPicture = 20;
// Wider cover pictures are scaled down before they are embedded.
inline constexpr int kMaxCoverWidth = 8000;

// Nothing is drawn closer than this to the paper's edge (mm).
inline constexpr double kPaperEdge = 5;

// The picture as embedded: wider ones are scaled down to the limit.
QImage CoverPictureForPdf(const QImage& picture);
// The cover picture's box on the page: 0.48 H high from 0.24 H down, centred;
// a picture too wide for that keeps its proportions within the page's width.
QRectF CoverBox(double pageWidth, double pageHeight, const QSize& picture);
// The slide boxes of one page: two in portrait, one in landscape, at least
// kPaperEdge inside the paper.
QRectF SlideBox(const MSlidesDocument& doc, int placeOnPage);

// Draws the cover, the slide pages and the closing logo and imprint into an
// open document (steps between 20 and 75 per cent are reported to `progress`).
void WriteSlidesPdf(PdfWriter& pdf, const MSlidesDocument& doc, const std::function<void(int)>& progress);

} // namespace tandrel::presentations
