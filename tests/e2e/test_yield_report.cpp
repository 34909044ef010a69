#include "app/KontaloRegistry.h"
#include "tests/e2e/ProgramTest.h"
#include "tests/support/CaseName.h"
#include "tests/support/PdfReader.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace {

using tandrel::test::PdfReader;
using tandrel::test::PdfTextBox;

// The page's words grouped into rows (words whose middles lie within 1.5 mm),
// each row left to right and joined by single blanks.
QStringList PageRows(const PdfReader& pdf, int page)
{
    std::vector<PdfTextBox> boxes = pdf.textBoxes(page);
    std::sort(boxes.begin(), boxes.end(), [](const PdfTextBox& a, const PdfTextBox& b) {
        return a.mm.center().y() < b.mm.center().y();
    });
    std::vector<std::vector<PdfTextBox>> rows;
    for (const PdfTextBox& b : boxes) {
        if (rows.empty() || b.mm.center().y() - rows.back().front().mm.center().y() > 1.5)
            rows.emplace_back();
        rows.back().push_back(b);
    }
    QStringList out;
    for (auto& row : rows) {
        std::sort(row.begin(), row.end(), [](const PdfTextBox& a, const PdfTextBox& b) { return a.mm.left() < b.mm.left(); });
        QStringList words;
        for (const PdfTextBox& b : row)
            words << b.text;
        out << words.join(' ');
    }
    return out;
}

struct ReportCase {
    std::string name;
    QStringList before;   // script lines before the yield frame is shown
    QStringList settings; // script lines that choose the inputs
    bool eastWest = false;
};

class YieldReport : public ProgramTest, public ::testing::WithParamInterface<ReportCase> {};

// The report prints the figures exactly as the frame's labels show them.
TEST_P(YieldReport, FiguresEqualTheFramesLabels)
{
    {
        MKontaloRegistry reg;
        reg.WriteInteger("Adress", "AbsenderID", 2);
        reg.WriteString("Adress\\2", "Name1", "Solartechnik Berger GmbH");
        reg.WriteString("Adress\\2", "Strasse", "Sonnenweg 3");
        reg.WriteString("Adress\\2", "Plz", "79098");
        reg.WriteString("Adress\\2", "Ort", "Freiburg");
    }
    const QStringList labels = {"LabelLeistung", "LabelErtragproJahrproKW", "LabelErtragProJahr", "LabelLaufzeit",
                                "LabelErtraginLaufzeit", "LabelEinspeisever", "LabelEinspeiseErloesinLaufzeit",
                                "LabelErtragproJahrproKW2", "LabelEigenverbrauchsanteil", "LabelEigenverbrauchsmenge",
                                "ComboBoxInbetriebnahmejahr", "ComboBoxSpezifischerErtrag", "ComboBoxEigenverbrauchsanteil"};
    QStringList script = GetParam().before;
    script << "show 1610";
    script << GetParam().settings;
    for (const QString& l : labels)
        script << "print " + l;
    script << "print FilePrint1" << "action FilePrint1" << "quit";
    const Run r = run(script);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.dialogLog.isEmpty()) << r.dialogLog.join('\n').toStdString();
    std::map<QString, QString> shown;
    for (const QString& line : r.scriptLog) {
        const qsizetype eq = line.indexOf('=');
        ASSERT_GT(eq, 0) << line.toStdString();
        shown[line.left(eq)] = line.mid(eq + 1);
    }
    EXPECT_EQ(shown["FilePrint1"], "1");
    EXPECT_NE(shown["LabelLeistung"], "");

    ASSERT_EQ(r.shellLog.size(), 1);
    EXPECT_EQ(QFileInfo(r.shellLog[0]).fileName(),
              QStringLiteral("PV-Ertragsrechnung%1_1.pdf").arg(QDate::currentDate().year()));
    PdfReader pdf(r.shellLog[0]);
    ASSERT_TRUE(pdf.isOpen());
    ASSERT_GE(pdf.pageCount(), 2);
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 210, 0.5);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 297, 0.5);

    const QStringList rows = PageRows(pdf, 0);
    const QStringList expected = {
        "Inbetriebnahme: " + shown["ComboBoxInbetriebnahmejahr"],
        "Spezifischer Ertrag (Süd): " + shown["ComboBoxSpezifischerErtrag"],
        "Ertrag der Anlage: " + shown["LabelErtragproJahrproKW2"] + " kWh / kWp",
        "Eigenverbrauchsanteil: " + shown["ComboBoxEigenverbrauchsanteil"],
        "Eigenverbrauch pro Jahr: " + shown["LabelEigenverbrauchsanteil"] + " % = " + shown["LabelEigenverbrauchsmenge"] + " kWh",
        "Anlagenleistung: " + shown["LabelLeistung"] + " kWp",
        "Spezifischer Jahresertrag: " + shown["LabelErtragproJahrproKW"] + " kWh / kWp",
        "Ertrag pro Jahr: " + shown["LabelErtragProJahr"] + " kWh",
        "Anlagenlaufzeit: " + shown["LabelLaufzeit"] + " Jahre",
        "Ertrag in der Laufzeit: " + shown["LabelErtraginLaufzeit"] + " kWh",
        "Gemittelte Vergütung: " + shown["LabelEinspeisever"] + " Euro / kWh",
        "Erlös: " + shown["LabelEinspeiseErloesinLaufzeit"] + " Euro",
    };
    // Words are read back without their spacing (a value may be padded on screen).
    for (const QString& row : expected)
        EXPECT_TRUE(rows.contains(row.simplified())) << row.toStdString() << "\nrows:\n" << rows.join('\n').toStdString();

    const QString first = pdf.pageText(0);
    EXPECT_TRUE(first.contains("Ertragsprognose Ihrer Solarstromanlage"));
    EXPECT_TRUE(first.contains("Solartechnik Berger GmbH"));
    EXPECT_TRUE(first.contains("79098 Freiburg"));
    EXPECT_TRUE(first.contains("Ertrag und Erlös über 20 Jahre")); // the chart, as text of the page
    EXPECT_TRUE(first.contains("Tandrel: Hersteller Norvi GmbH"));
    EXPECT_EQ(rows.contains("Dachflächen: Ost-West"), GetParam().eastWest) << rows.join('\n').toStdString();
    EXPECT_EQ(first.contains("Ca. 25 % Ertragsminderung bei Ost-West-Ausrichtung"), GetParam().eastWest);
    // The sender's lines follow each other; its empty values leave no line.
    const qsizetype sender = rows.indexOf("Solartechnik Berger GmbH");
    ASSERT_GE(sender, 0);
    EXPECT_EQ(rows.mid(sender, 3), QStringList({"Solartechnik Berger GmbH", "Sonnenweg 3", "79098 Freiburg"}));
    // The calculation on the second page ends with the same revenue.
    const QString second = pdf.pageText(1);
    EXPECT_TRUE(second.contains("Die Berechnung erfolgt vollständig aufgrund von Nettobeträgen."));
    EXPECT_TRUE(second.contains(("beträgt: " + shown["LabelEinspeiseErloesinLaufzeit"] + " Euro").simplified())) << second.toStdString();
    EXPECT_TRUE(second.contains("Seite 2"));
    if (const auto check = tandrel::test::RunQpdfCheck(r.shellLog[0])) {
        EXPECT_TRUE(check->clean()) << check->output.toStdString();
    }
    if (qEnvironmentVariableIsSet("TANDREL_REPORT_PDF"))
        QFile::copy(r.shellLog[0], qEnvironmentVariable("TANDREL_REPORT_PDF") + "_" + QString::fromStdString(GetParam().name) + ".pdf");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, YieldReport,
    ::testing::Values(ReportCase{"Year2011WithoutSelfConsumption", {},
                                 {"select ComboBoxInbetriebnahmejahr 0", "select ComboBoxSpezifischerErtrag 2",
                                  "select ComboBoxEigenverbrauchsanteil 0"}},
                      ReportCase{"Year2012FortyPercentAtTwentyEightCentsEastWest",
                                 {"show 1630", "check CheckBoxModuleauf2Dachseiten 1"},
                                 {"select ComboBoxInbetriebnahmejahr 3", "select ComboBoxSpezifischerErtrag 6",
                                  "select ComboBoxEigenverbrauchsanteil 4", "set EditStrompreis 28"},
                                 true}),
    tandrel::test::CaseName());

} // namespace
