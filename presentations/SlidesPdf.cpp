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
    const double h = 0.48 * pageHeight;
    const double picH = std::max(2, picture.height());
    double w = picture.width() * h / picH;
    if (w < 2)
        w = 4;
    return QRectF(pageWidth / 2 - w / 2, 0.24 * pageHeight, w, h);
}

QRectF SlideBox(const MSlidesDocument& doc, int placeOnPage)
{
    const double W = doc.PageWidth, H = doc.PageHeight, R = doc.Margin;
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
        pdf.DrawImage(CoverBox(W, H, doc.Cover.size()), CoverPictureForPdf(doc.Cover));
    progress(20);

    const double footerY = H - (doc.Portrait ? 5.8 : 6.8);
    for (const Page& page : SlidePages(doc.Portrait, doc.Introduction)) {
        pdf.NewPage();
        for (int k = 0; k < int(page.slides.size()); ++k) {
            const QImage& slide = doc.Slides[page.slides[k]];
            if (!slide.isNull())
                pdf.DrawImage(SlideBox(doc, k), slide);
        }
        pdf.SetFont(kFont, 12, kBlack);
        pdf.TextOut(1, 5.8, doc.Header);
        pdf.TextOut(6, footerY, doc.Footer);
        progress(page.progress);
    }

    progress(75);
    if (!doc.Logo.isNull())
        pdf.DrawImage(QRectF(W - 40, H - 10, 2.8 * 8, 8), doc.Logo);
    // Written at the footer's x: further left it would be cut off at the page
    // edge. On narrow pages it is made smaller to end before the logo, and a
    // footer in the same place would make both unreadable, so it then goes
    // one line up.
    pdf.SetFont(kFont, 12, kImprintColor);
    const double room = W - 40 - 2 - 6, width = pdf.TextWidth(doc.Imprint);
    if (width > room && room > 0)
        pdf.SetFontSize(12 * room / width);
    pdf.TextOut(6, H - 6.8 - (doc.Footer.isEmpty() ? 0 : kImprintLift), doc.Imprint);
}

} // namespace tandrel::presentations
