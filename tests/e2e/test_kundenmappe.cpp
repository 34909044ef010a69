#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <map>

namespace {

using tandrel::test::PdfReader;

const QString kYear = QString::number(QDate::currentDate().year());
const QStringList kBoxes = {"CheckBoxMappeAnschreiben", "CheckBoxMappeErtrag", "CheckBoxMappeDachplanung",
                            "CheckBoxMappePapierhaus", "CheckBoxMappeHochhaus", "CheckBoxMappeEigenverbrauch",
                            "CheckBoxMappeKEV"};

void SeedSender()
{
    MKontaloRegistry reg;
    reg.WriteInteger("Adress", "AbsenderID", 2);
    reg.WriteString("Adress\\2", "Name1", "Solartechnik Berger GmbH");
    reg.WriteString("Adress\\2", "Strasse", "Sonnenweg 3");
    reg.WriteString("Adress\\2", "Plz", "79098");
    reg.WriteString("Adress\\2", "Ort", "Freiburg");
}

// The dialog's lines that fill in the customer and choose the parts.
QStringList FillDialog(const QStringList& customer, const std::vector<bool>& parts)
{
    const QStringList edits = {"EditKundeName", "EditKundeStrasse", "EditKundePLZ", "EditKundeOrt"};
    QStringList s;
    for (int k = 0; k < edits.size(); ++k)
        s << "set KundenmappeDialog/" + edits[k] + " " + customer[k];
    for (int k = 0; k < kBoxes.size(); ++k)
        s << QStringLiteral("check KundenmappeDialog/%1 %2").arg(kBoxes[k]).arg(parts[std::size_t(k)] ? 1 : 0);
    return s;
}

// Each word of `part` occurs in `page` at least as often (the folder adds
// its page number and may leave out the part's own).
bool HoldsWords(const QString& page, const QString& part, const QStringList& except = {})
{
    std::map<QString, int> words;
    for (const QString& w : page.split(' ', Qt::SkipEmptyParts))
        ++words[w];
    QStringList left = except;
    for (const QString& w : part.split(' ', Qt::SkipEmptyParts)) {
        if (left.removeOne(w))
            continue;
        if (--words[w] < 0)
            return false;
    }
    return true;
}

// A folder with every part: the cover plus each part's pages, as the part's
// own PDF has them, a bookmark per part and a page number on every page.
TEST_F(ProgramTest, CustomerFolderHoldsEveryPartAsItsOwnPdfShowsIt)
{
    SeedSender();
    // The paper's folder is learnt from a first document.
    const Run probe = run({"show 1610", "action FilePrint1", "quit"});
    ASSERT_EQ(probe.shellLog.size(), 1);
    const QString folder = QFileInfo(probe.shellLog[0]).absolutePath();
    const QString target = folder + "/Kundenmappe" + kYear + "_1.pdf";

    QStringList script = {"show 1630",
                          "show 1610", "action FilePrint1",
                          "show 1600", "action FilePrint1",
                          "check CheckBoxHochhaus 1", "action FilePrint1", "check CheckBoxHochhaus 0",
                          "show 1620", "action FilePrint1",
                          "show 1622", "action FilePrint1",
                          "print DateiKundenmappe", "action DateiKundenmappe"};
    script << FillDialog({"Familie Sonnleitner", "Lindenallee 12", "79100", "Freiburg"}, std::vector<bool>(7, true));
    script << "click KundenmappeDialog/BitBtnPdf" << "wait " + target << "quit";
    const Run r = run(script);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    EXPECT_EQ(r.scriptLog, QStringList({"DateiKundenmappe=1"})) << r.scriptLog.join('\n').toStdString();
    ASSERT_EQ(r.shellLog.size(), 6) << r.shellLog.join('\n').toStdString();
    EXPECT_EQ(r.shellLog[5], target);

    // The parts' own documents in the folder's order; the letter and the
    // roof layout are one page each.
    const PdfReader yield(r.shellLog[0]), house(r.shellLog[1]), highRise(r.shellLog[2]), slides(r.shellLog[3]),
        kev(r.shellLog[4]);
    struct Part {
        QString title;
        const PdfReader* own; // null: a page of its own
        QStringList except;   // words of the own document the folder leaves out
    };
    const std::vector<Part> parts = {
        {"Anschreiben", nullptr, {}},
        {"Ertragsprognose", &yield, {"Seite"}},
        {"Dachplanung", nullptr, {}},
        {"Papierhaus zum Basteln", &house, {}},
        {"Papier-Hochhaus zum Basteln", &highRise, {}},
        {"Präsentation Eigenverbrauch", &slides, {}},
        {"Präsentation KEV", &kev, {}},
    };
    int sum = 1;
    for (const Part& p : parts) {
        ASSERT_TRUE(!p.own || p.own->pageCount() > 0) << p.title.toStdString();
        sum += p.own ? p.own->pageCount() : 1;
    }

    const PdfReader mappe(target);
    ASSERT_TRUE(mappe.isOpen());
    ASSERT_EQ(mappe.pageCount(), sum);
    QStringList titles;
    for (const Part& p : parts)
        titles << p.title;
    EXPECT_EQ(mappe.outlineTitles(), titles);

    for (int page = 0; page < sum; ++page)
        EXPECT_TRUE(mappe.pageText(page).contains(QStringLiteral("Seite %1 von %2").arg(page + 1).arg(sum)))
            << "page " << page + 1;

    const QString cover = mappe.pageText(0);
    EXPECT_TRUE(cover.contains("Kundenmappe"));
    EXPECT_TRUE(cover.contains("Familie Sonnleitner Lindenallee 12 79100 Freiburg")) << cover.toStdString();
    EXPECT_TRUE(cover.contains("Solartechnik Berger GmbH"));
    int first = 2;
    std::map<QString, int> firstPage;
    for (const Part& p : parts) {
        firstPage[p.title] = first;
        // The table of contents names each part with its first page.
        EXPECT_TRUE(cover.contains(p.title + " " + QString::number(first))) << p.title.toStdString() << "\n"
                                                                            << cover.toStdString();
        const int count = p.own ? p.own->pageCount() : 1;
        for (int k = 0; k < count && p.own; ++k) {
            const int at = first - 1 + k;
            EXPECT_NEAR(mappe.pageSizeMm(at).width(), p.own->pageSizeMm(k).width(), 0.1) << p.title.toStdString() << k;
            EXPECT_NEAR(mappe.pageSizeMm(at).height(), p.own->pageSizeMm(k).height(), 0.1) << p.title.toStdString() << k;
            QStringList except = p.except;
            if (!except.isEmpty())
                except << QString::number(k + 1);
            EXPECT_TRUE(HoldsWords(mappe.pageText(at), p.own->pageText(k), except))
                << p.title.toStdString() << " page " << k + 1 << "\nfolder: " << mappe.pageText(at).toStdString()
                << "\nown: " << p.own->pageText(k).toStdString();
        }
        first += count;
    }
    const QString letter = mappe.pageText(1);
    EXPECT_TRUE(letter.contains("Familie Sonnleitner")) << letter.toStdString();
    EXPECT_TRUE(letter.contains("Sehr geehrte Damen und Herren,"));
    EXPECT_TRUE(mappe.pageText(firstPage["Dachplanung"] - 1).contains("Dachplanung Ihrer Solarstromanlage"));

    if (const auto check = tandrel::test::RunQpdfCheck(target)) {
        EXPECT_TRUE(check->clean()) << check->output.toStdString();
    }
    if (qEnvironmentVariableIsSet("TANDREL_FOLDER_PDF"))
        QFile::copy(target, qEnvironmentVariable("TANDREL_FOLDER_PDF"));
}

struct StopCase {
    std::string name;
    std::vector<bool> parts;
    QStringList customer;
    QStringList messages; // what the user is told
};

class CustomerFolderStops : public ProgramTest, public ::testing::WithParamInterface<StopCase> {};

// "Abbrechen" while the folder is written, or a folder that cannot be made,
// leaves no file; what was typed and chosen is there the next time.
TEST_P(CustomerFolderStops, WritesNothingAndRemembersTheDialog)
{
    const StopCase& c = GetParam();
    SeedSender();
    QStringList script = {"action DateiKundenmappe"};
    // Without a message "Abbrechen" runs while the folder is written.
    script << FillDialog(c.customer, c.parts) << "click KundenmappeDialog/BitBtnPdf"
           << "click KundenmappeDialog/BitBtnAbbrechen" << "quit";
    const Run r = run(script);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.dialogLog, c.messages);
    EXPECT_TRUE(r.shellLog.isEmpty()) << r.shellLog.join('\n').toStdString();
    // Nothing of a folder anywhere under the application's data.
    QStringList found;
    std::function<void(const QString&)> walk = [&](const QString& dir) {
        for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (f.isDir())
                walk(f.absoluteFilePath());
            else if (f.fileName().contains("Kundenmappe"))
                found << f.fileName();
        }
    };
    walk(appDataPath());
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();

    QStringList again = {"action DateiKundenmappe"};
    for (const QString& e : {"EditKundeName", "EditKundeStrasse", "EditKundePLZ", "EditKundeOrt"})
        again << "print KundenmappeDialog/" + QString(e);
    for (const QString& b : kBoxes)
        again << "print KundenmappeDialog/" + b;
    again << "click KundenmappeDialog/BitBtnAbbrechen" << "quit";
    const Run second = run(again);
    QStringList expected = {"KundenmappeDialog/EditKundeName=" + c.customer[0],
                            "KundenmappeDialog/EditKundeStrasse=" + c.customer[1],
                            "KundenmappeDialog/EditKundePLZ=" + c.customer[2],
                            "KundenmappeDialog/EditKundeOrt=" + c.customer[3]};
    for (int k = 0; k < kBoxes.size(); ++k)
        expected << QStringLiteral("KundenmappeDialog/%1=%2").arg(kBoxes[k]).arg(c.parts[std::size_t(k)] ? 1 : 0);
    EXPECT_EQ(second.scriptLog, expected);
    EXPECT_TRUE(second.shellLog.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CustomerFolderStops,
    ::testing::Values(
        StopCase{"CancelWhileWriting", {false, true, false, true, false, true, true},
                 {"Familie Sonnleitner", "Lindenallee 12", "79100", "Freiburg"}, {}},
        StopCase{"LetterWithoutAddress", {true, true, false, false, false, false, false},
                 {"Familie Sonnleitner", "", "79100", "Freiburg"},
                 {"Für das Anschreiben fehlt die Anschrift des Kunden. Bitte geben Sie Straße, PLZ und Ort ein oder "
                  "wählen Sie das Anschreiben ab."}},
        StopCase{"NoCustomerName", {false, true, false, false, false, false, false}, {"", "", "", ""},
                 {"Bitte geben Sie den Namen des Kunden ein."}}),
    tandrel::test::CaseName());

} // namespace
