#include "app/CustomerFolder.h"

#include "addresses/LetterPdf.h"
#include "addresses/StoredLetter.h"
#include "app/CommonFunctions.h"
#include "app/FBaseFrame.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "paperhouse/IPaperHouse.h"
#include "paperhouse/PaperHousePdf.h"
#include "pdf/DocumentStyle.h"
#include "pdf/PdfWriter.h"
#include "presentations/ISlideShow.h"
#include "presentations/SlidesPdf.h"
#include "roof/IRoofPlanner.h"
#include "roof/RoofLayoutPdf.h"
#include "yield/IYieldReport.h"
#include "yield/YieldReportPdf.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <memory>

using tandrel::platform::ColorRef;

namespace {

const QString kSection = QStringLiteral("Kundenmappe");
constexpr std::array<const char*, kFolderPartCount> kPartKeys = {
    "Anschreiben", "Ertrag", "Dachplanung", "Papierhaus", "Hochhaus", "Eigenverbrauch", "KEV"};

using namespace docstyle;
// The folder's page number: in the lower right corner, where none of the
// parts draws (the craft sheets' maker lines and banner end further left).
constexpr double kNumberFromBottom = 5.5;
constexpr double kNumberFromRight = 8;

class Cover {
public:
    Cover(PdfWriter& pdf, const MFolderCover& in) : m_pdf(pdf), m_in(in) {}

    void Draw(const std::vector<MFolderSection>& sections, const std::vector<int>& firstPages)
    {
        double y = 15;
        double titleTop = y;
        if (!m_in.Logo.isNull() && m_in.Logo.height() > 0) {
            double h = 14, w = h * m_in.Logo.width() / m_in.Logo.height();
            if (w > 60) {
                w = 60;
                h = w * m_in.Logo.height() / m_in.Logo.width();
            }
            m_pdf.DrawImage(QRectF(kLeft, y, w, h), m_in.Logo);
            titleTop = y + h + 3;
        }
        double senderY = y;
        bool first = true;
        for (const QString& line : m_in.Sender) {
            if (line.trimmed().isEmpty())
                continue;
            Font(first ? 10 : 9, first);
            Right(kRight, senderY, line.trimmed());
            senderY += 4.3;
            first = false;
        }
        y = std::max(titleTop, senderY) + 30;

        Font(28, true);
        m_pdf.TextOut(kLeft, y, QStringLiteral("Kundenmappe"));
        y += 13;
        Font(13, false, kGrey);
        m_pdf.TextOut(kLeft, y, QStringLiteral("Ihre Solarstromanlage im Überblick"));
        y += 8;
        m_pdf.SetPen(kAccent, 3);
        m_pdf.Line(kLeft, y, kLeft + 40, y);
        y += 12;

        Font(10, false, kGrey);
        m_pdf.TextOut(kLeft, y, QStringLiteral("Erstellt für"));
        y += 6;
        const MFolderCustomer& c = m_in.Customer;
        const QStringList customer = {c.Name, c.Strasse, (c.PLZ + QLatin1Char(' ') + c.Ort).trimmed()};
        first = true;
        for (const QString& line : customer) {
            if (line.trimmed().isEmpty())
                continue;
            Font(first ? 14 : 12, first);
            m_pdf.TextOut(kLeft, y, line.trimmed());
            y += first ? 7 : 5.6;
            first = false;
        }
        y += 3;
        Font(10, false, kGrey);
        m_pdf.TextOut(kLeft, y, QStringLiteral("Datum: %1").arg(m_in.Date));
        y += 20;

        Font(12, true, kAccent);
        m_pdf.TextOut(kLeft, y, QStringLiteral("Inhalt"));
        y += 8;
        for (std::size_t k = 0; k < sections.size(); ++k) {
            const QString page = QString::number(firstPages[k]);
            Font(11);
            const QString title = sections[k].Title;
            m_pdf.TextOut(kLeft + 2, y, title);
            const double titleEnd = kLeft + 2 + m_pdf.TextWidth(title) + 2;
            const double pageLeft = kRight - m_pdf.TextWidth(page);
            Right(kRight, y, page);
            // Dotted leader from the title to its page number.
            m_pdf.SetPen(kRule, 1, PdfWriter::PenStyle::Dot);
            if (pageLeft - 2 > titleEnd)
                m_pdf.Line(titleEnd, y + 3.2, pageLeft - 2, y + 3.2);
            y += 7;
        }

        m_pdf.SetPen(kRule, 1);
        m_pdf.Line(kLeft, kFooterLine, kRight, kFooterLine);
        Font(8, false, kGrey);
        m_pdf.TextOut(kLeft, kFooterLine + 2, m_in.MakerLine);
    }

private:
    void Font(double size, bool bold = false, ColorRef color = kText)
    {
        m_pdf.SetFont(kFont, size, color, bold ? PdfWriter::Bold : 0);
    }
    void Right(double right, double y, const QString& s) { m_pdf.TextOut(right - m_pdf.TextWidth(s), y, s); }

    PdfWriter& m_pdf;
    const MFolderCover& m_in;
};

void StampPageNumbers(PdfWriter& pdf)
{
    const int count = pdf.PageCount();
    for (int k = 0; k < count; ++k) {
        if (!pdf.SelectPage(k))
            return;
        const QSizeF paper = pdf.CurrentPaperSize();
        pdf.SetFont(kFont, 7.5, kGrey);
        const QString text = QStringLiteral("Seite %1 von %2").arg(k + 1).arg(count);
        pdf.TextOut(paper.width() - kNumberFromRight - pdf.TextWidth(text), paper.height() - kNumberFromBottom, text);
    }
}

} // namespace

QString FolderPartTitle(FolderPart part)
{
    switch (part) {
    case FolderPart::Anschreiben: return QStringLiteral("Anschreiben");
    case FolderPart::Ertrag: return QStringLiteral("Ertragsprognose");
    case FolderPart::Dachplanung: return QStringLiteral("Dachplanung");
    case FolderPart::Papierhaus: return QStringLiteral("Papierhaus zum Basteln");
    case FolderPart::Hochhaus: return QStringLiteral("Papier-Hochhaus zum Basteln");
    case FolderPart::Eigenverbrauch: return QStringLiteral("Präsentation Eigenverbrauch");
    case FolderPart::KEV: return QStringLiteral("Präsentation KEV");
    }
    return {};
}

MFolderSettings MFolderSettings::Load()
{
    MKontaloRegistry reg;
    MFolderSettings s;
    s.Customer.Name = reg.ReadString(kSection, QStringLiteral("Name"), QString(), kAddressFieldMax);
    s.Customer.Strasse = reg.ReadString(kSection, QStringLiteral("Strasse"), QString(), kAddressFieldMax);
    s.Customer.PLZ = reg.ReadString(kSection, QStringLiteral("PLZ"), QString(), kAddressFieldMax);
    s.Customer.Ort = reg.ReadString(kSection, QStringLiteral("Ort"), QString(), kAddressFieldMax);
    for (int k = 0; k < kFolderPartCount; ++k)
        s.Parts[k] = reg.ReadBool(kSection, QString::fromLatin1(kPartKeys[k]), s.Parts[k]);
    return s;
}

void MFolderSettings::Save() const
{
    MKontaloRegistry reg;
    reg.WriteString(kSection, QStringLiteral("Name"), Customer.Name);
    reg.WriteString(kSection, QStringLiteral("Strasse"), Customer.Strasse);
    reg.WriteString(kSection, QStringLiteral("PLZ"), Customer.PLZ);
    reg.WriteString(kSection, QStringLiteral("Ort"), Customer.Ort);
    for (int k = 0; k < kFolderPartCount; ++k)
        reg.WriteBool(kSection, QString::fromLatin1(kPartKeys[k]), Parts[k]);
}

bool DrawCustomerFolder(PdfWriter& pdf, const MFolderCover& cover, const std::vector<MFolderSection>& sections,
                        const std::function<bool(int)>& step, std::vector<int>* firstPages)
{
    std::vector<int> starts;
    for (std::size_t k = 0; k < sections.size(); ++k) {
        if (step && !step(int(k)))
            return false;
        const MFolderSection& s = sections[k];
        pdf.SetPaperSize(PdfWriter::kPaperCustom);
        pdf.SetPaperWidth(s.FirstPage.width());
        pdf.SetPaperHeight(s.FirstPage.height());
        pdf.SetTopMargin(0);
        pdf.SetBottomMargin(0);
        pdf.SetHeaderHeight(0);
        pdf.SetFooterHeight(0);
        pdf.NewPage();
        starts.push_back(pdf.PageCount());
        pdf.AddOutline(s.Title);
        s.Draw(pdf);
    }
    if (step && !step(int(sections.size())))
        return false;
    if (!pdf.SelectPage(0))
        return false;
    Cover(pdf, cover).Draw(sections, starts);
    StampPageNumbers(pdf);
    if (firstPages)
        *firstPages = starts;
    return true;
}

MFolderCover FolderCover(const MFolderCustomer& customer, TInterfaceFrame* workspace)
{
    MFolderCover c;
    c.Customer = customer;
    c.Date = QLocale().toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"));
    c.Sender = SenderLines(MarkedSender());
    if (workspace)
        if (const PictureEntry* logo = workspace->FindPicture(20))
            c.Logo = logo->picture();
    c.MakerLine = MakerLine();
    return c;
}

std::vector<MFolderSection> FolderSections(const MFolderSettings& settings, TInterfaceFrame* workspace,
                                           const std::function<TBaseFrame*(int)>& frame, QStringList* missing)
{
    std::vector<MFolderSection> out;
    auto add = [&](FolderPart part, QSizeF page, std::function<void(PdfWriter&)> draw) {
        out.push_back({FolderPartTitle(part), page, std::move(draw)});
    };
    auto leftOut = [&](FolderPart part) {
        if (missing)
            *missing << FolderPartTitle(part);
    };
    auto chosen = [&](FolderPart part) { return settings.Parts[std::size_t(part)]; };

    if (chosen(FolderPart::Anschreiben)) {
        MAdresse recipient;
        recipient.Name1 = settings.Customer.Name.trimmed();
        recipient.Strasse = settings.Customer.Strasse.trimmed();
        recipient.Plz = settings.Customer.PLZ.trimmed();
        recipient.Ort = settings.Customer.Ort.trimmed();
        const LetterContent letter = StoredLetter(MarkedSender(), recipient, TodayText());
        QImage logo;
        if (workspace)
            if (const PictureEntry* entry = workspace->FindPicture(10))
                logo = entry->picture();
        add(FolderPart::Anschreiben, QSizeF(letter::kPageWidth, letter::kPageHeight),
            [letter, logo](PdfWriter& pdf) { WriteLetter(pdf, letter, logo); });
    }
    if (chosen(FolderPart::Ertrag)) {
        if (auto* yield = qobject_cast<IYieldReport*>(frame(FrameId::Ertrag))) {
            add(FolderPart::Ertrag, QSizeF(yieldreport::kPageWidth, yieldreport::kPageHeight), [yield](PdfWriter& pdf) {
                MYieldReportInput in = yield->ReportInput();
                in.PageNumbers = false;
                DrawYieldReport(pdf, in);
            });
        } else {
            leftOut(FolderPart::Ertrag);
        }
    }
    if (chosen(FolderPart::Dachplanung)) {
        if (auto* roof = qobject_cast<IRoofPlanner*>(frame(FrameId::Dachplanung2D))) {
            add(FolderPart::Dachplanung, QSizeF(rooflayout::kPageWidth, rooflayout::kPageHeight), [roof](PdfWriter& pdf) {
                MRoofLayoutInput in = GatherRoofLayout(*roof);
                in.Date = QLocale().toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"));
                in.Sender = SenderLines(MarkedSender());
                in.MakerLine = MakerLine();
                DrawRoofLayout(pdf, in);
            });
        } else {
            leftOut(FolderPart::Dachplanung);
        }
    }
    for (FolderPart part : {FolderPart::Papierhaus, FolderPart::Hochhaus}) {
        if (!chosen(part))
            continue;
        auto* house = qobject_cast<IPaperHouse*>(frame(FrameId::PapierHaus));
        if (!house) {
            leftOut(part);
            continue;
        }
        const bool highRise = part == FolderPart::Hochhaus;
        // The input decides the first page's paper, so it is gathered now.
        auto in = std::make_shared<tandrel::paperhouse::TPaperHousePdfInput>(house->GatherPdfInput(highRise));
        add(part, PaperHouseFirstPage(*in, highRise), [in, highRise](PdfWriter& pdf) {
            if (highRise)
                tandrel::paperhouse::DrawHighRisePages(pdf, *in);
            else
                tandrel::paperhouse::DrawPaperHousePages(pdf, *in);
        });
    }
    for (auto [part, id] : {std::pair{FolderPart::Eigenverbrauch, FrameId::Eigenverbrauch}, std::pair{FolderPart::KEV, FrameId::KEV}}) {
        if (!chosen(part))
            continue;
        auto* slides = qobject_cast<ISlideShow*>(frame(id));
        if (!slides) {
            leftOut(part);
            continue;
        }
        auto doc = std::make_shared<tandrel::presentations::MSlidesDocument>(slides->SlidesDocument());
        add(part, QSizeF(doc->PageWidth, doc->PageHeight),
            [doc](PdfWriter& pdf) { tandrel::presentations::WriteSlidesPdf(pdf, *doc, [](int) {}); });
    }
    return out;
}
