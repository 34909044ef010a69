#include "presentations/SlidesPdf.h"

#include "pdf/PdfWriter.h"
#include "pdf/TextFit.h"
#include "platform/ColorRef.h"

#include <algorithm>
#include <vector>

namespace tandrel::presentations {

namespace {

constexpr platform::ColorRef kBlack = 0;
constexpr platform::ColorRef kImprintColor = 3937300;
const QString kFont = QStringLiteral("Arial");
constexpr double kImprintLift = 5;
constexpr double kTextPt = 12;
constexpr double kMmPerPt = 25.4 / 72;
constexpr double kLogoHeight = 8, kLogoWidth = 2.8 * 8;
constexpr double kCoverSideMargin = 10;

struct Page {
    std::vector<int> slides;
    int progress;
};

std::vector<Page> SlidePages(bool portrait, bool introduction)
{
    if (portrait) {
        std::vector<Page> pages;
        if (introduction)
            pages = {{{0, 1}, 30}, {{2, 3}, 34}, {{4, 5}, 38}};
        pages.insert(pages.end(), {{{6, 7}, 30}, {{8, 9}, 50}, {{10, 11}, 60}});
        return pages;
    }
    std::vector<Page> pages;
    if (introduction)
        pages = {{{0}, 30}, {{1}, 32}, {{2}, 34}, {{3}, 36}, {{4}, 38}, {{5}, 39}};
    pages.insert(pages.end(), {{{6}, 40}, {{7}, 44}, {{8}, 50}, {{9}, 60}, {{10}, 65}, {{11}, 68}});
    return pages;
}

void Centred(PdfWriter& pdf, double pageWidth, double y, double size, const QString& text)
{
    pdf.SetFont(kFont, size, kBlack);
    pdf.TextOut(pageWidth / 2 - pdf.TextWidth(text) / 2, y, text);
}

// The title between the top and the cover picture: wrapped to at most three
// lines inside the side margins, made smaller when it needs more.
void CoverTitle(PdfWriter& pdf, double pageWidth, double pageHeight, const QString& title)
{
    constexpr double kSize = 28, kMinSize = 8, kLineFactor = 0.3528 * 1.15; // mm per point and leading
    const double top = 0.1 * pageHeight, room = 0.24 * pageHeight - 2 - top;
    pdf.SetFont(kFont, kSize, kBlack);
    QStringList lines;
    double size = tandrel::pdf::FitLines(title, pageWidth - 2 * kCoverSideMargin, kSize, kMinSize, 3,
                                         [&](const QString& t) { return pdf.TextWidth(t); }, &lines);
    if (lines.size() > 1)
        size = std::max(kMinSize, std::min(size, room / (lines.size() * kLineFactor)));
    for (int i = 0; i < lines.size(); ++i)
        Centred(pdf, pageWidth, top + i * size * kLineFactor, size, lines[i]);
}

} // namespace

CoverSource ChooseCoverSource(const QString& fileName, const QString& title)
{
    if (!fileName.isEmpty())
        return CoverSource::File;
    return title.isEmpty() ? CoverSource::Catalogue : CoverSource::None;
}

QImage CoverPictureForPdf(const QImage& picture)
{
    return picture.width() > kMaxCoverWidth ? picture.scaledToWidth(kMaxCoverWidth, Qt::SmoothTransformation) : picture;
}

QRectF CoverBox(double pageWidth, double pageHeight, const QSize& picture)
{
    double h = 0.48 * pageHeight;
    const double picH = std::max(2, picture.height());
    double w = picture.width() * h / picH;
    if (w < 2)
        w = 4;
    // A wide picture fits the width too; it stays centred in its band.
    const double room = pageWidth - 2 * kPaperEdge;
    if (w > room && room > 0) {
        h *= room / w;
        w = room;
    }
    return QRectF(pageWidth / 2 - w / 2, 0.48 * pageHeight - h / 2, w, h);
}

QRectF SlideBox(const MSlidesDocument& doc, int placeOnPage)
{
    const double W = doc.PageWidth, H = doc.PageHeight, R = std::max(doc.Margin, kPaperEdge);
    if (!doc.Portrait)
        return QRectF(R, R, W - 2 * R, H - 2 * R);
    return QRectF(R, placeOnPage == 0 ? R : H / 2 + R, W - 2 * R, H / 2 - 2 * R);
}

void WriteSlidesPdf(PdfWriter& pdf, const MSlidesDocument& doc, const std::function<void(int)>& progress)
{
    const double W = doc.PageWidth, H = doc.PageHeight;
    // Cover page: the document's first page.
    pdf.SetBrush(kBlack, PdfWriter::BrushStyle::Clear);
    CoverTitle(pdf, W, H, doc.Title);
    Centred(pdf, W, 0.82 * H, 22, doc.CoverLine1);
    Centred(pdf, W, 0.9 * H, 22, doc.CoverLine2);
    if (!doc.Cover.isNull())
        pdf.DrawPicture(CoverBox(W, H, doc.Cover.size()),
                        doc.Cover.isJpeg() ? doc.Cover : PdfPicture(CoverPictureForPdf(doc.Cover.image())));
    progress(20);

    // Header and footer keep off the paper's edge, where printers cut.
    const double footerY = H - kPaperEdge - kTextPt * kMmPerPt;
    for (const Page& page : SlidePages(doc.Portrait, doc.Introduction)) {
        if (std::all_of(page.slides.begin(), page.slides.end(), [&](int k) { return doc.Slides[k].isNull(); }))
            continue; // nothing of this presentation on it
        pdf.NewPage();
        for (int k = 0; k < int(page.slides.size()); ++k) {
            const PdfPicture& slide = doc.Slides[page.slides[k]];
            if (!slide.isNull())
                pdf.DrawPicture(SlideBox(doc, k), slide);
        }
        pdf.SetFont(kFont, kTextPt, kBlack);
        pdf.TextOut(kPaperEdge, 5.8, doc.Header);
        pdf.TextOut(6, footerY, doc.Footer);
        progress(page.progress);
    }

    progress(75);
    if (!doc.Logo.isNull())
        pdf.DrawImage(QRectF(W - 40, H - kPaperEdge - kLogoHeight, kLogoWidth, kLogoHeight), doc.Logo);
    // Written at the footer's x: further left it would be cut off at the page
    // edge. On narrow pages it is made smaller to end before the logo, and a
    // footer in the same place would make both unreadable, so it then goes
    // one line up.
    pdf.SetFont(kFont, kTextPt, kImprintColor);
    const double room = W - 40 - 2 - 6, width = pdf.TextWidth(doc.Imprint);
    if (width > room && room > 0)
        pdf.SetFontSize(kTextPt * room / width);
    pdf.TextOut(6, footerY - (doc.Footer.isEmpty() ? 0 : kImprintLift), doc.Imprint);
}

} // namespace tandrel::presentations
