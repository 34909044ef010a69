#include "app/FInterfaceFrame.h"
#include "app/KontaloRegistry.h"
#include "pdf/PdfWriter.h"
#include "tests/support/TestEnv.h"
#include "tests/support/CaseName.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace {

using tandrel::platform::rgbRef;

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString sep() { return QString(QDir::separator()); }

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class InterfaceTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override { ws = std::make_unique<TInterfaceFrame>(); }

    QString app(const QString& relative) const { return native(appDataPath() + QLatin1Char('/') + relative); }

    std::unique_ptr<TInterfaceFrame> ws;
};

TEST_F(InterfaceTest, FirstStartKeepsBareDatabaseNamesAndCreatesTheFoldersAfterwards)
{
    ws->InitInterface();
    EXPECT_EQ(ws->MainDatabaseName, QStringLiteral("KTLSE.mdb"));
    EXPECT_EQ(ws->NorviDatabaseName, QStringLiteral("Norvi.mdb"));
    EXPECT_EQ(ws->HelpDatabaseName, QStringLiteral("KTLHelp.mdb"));
    EXPECT_EQ(ws->GeoDatabaseName, QStringLiteral("KTLGeo.mdb"));
    EXPECT_EQ(ws->ModulesDatabaseName, QStringLiteral("SolarModules.mdb"));
    EXPECT_EQ(ws->InverterDatabaseName, QStringLiteral("Inverter.mdb"));
    EXPECT_EQ(ws->FinancialDatabaseName, QStringLiteral("KTLFin.mdb"));
    EXPECT_EQ(ws->GetMainConnectionString(),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=KTLSE.mdb"
                             ";Mode=ReadWrite|Share Deny None;Persist Security Info=False"));
    EXPECT_EQ(ws->DatabaseArchivDays, 30);
    EXPECT_EQ(ws->DatabaseArchivDays2, 15);
    EXPECT_EQ(ws->GetCompanyDatabaseFile(), QStringLiteral("Norvi.mdb"));

    ws->CreateWorkspaceFolders();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    EXPECT_EQ(ws->AnwendungsdatenPfad, native(appDataPath()));
    EXPECT_EQ(ws->TempPath, app("Norvi/Tandrel/Tmp") + sep());
    EXPECT_EQ(ws->ImagesPath, app("Norvi/Tandrel/Images"));
    EXPECT_EQ(ws->DatabasePath, app("Norvi/Tandrel/DB"));
    EXPECT_EQ(ws->DatabaseArchivPath, app("Norvi/Tandrel/DBArchiv"));
    for (const QString& folder : {ws->TempPath, ws->ImagesPath, ws->DatabasePath})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_FALSE(QFileInfo::exists(ws->DatabaseArchivPath)); // made when archiving
    EXPECT_EQ(ws->GetTempFolder(), app("Norvi/Tandrel/Tmp") + sep());
    ws->SaveInterfaceSettings();

    {
        MKontaloRegistry reg;
        EXPECT_EQ(reg.ReadString("DatabaseConnection", "MainDatabaseName", "x"), QStringLiteral("KTLSE.mdb"));
        EXPECT_EQ(reg.ReadString("DatabaseConnection", "NorviDatabaseName", "x"), QStringLiteral("Norvi.mdb"));
        EXPECT_EQ(reg.ReadString("Interfaceframe", "DatabasePath", "x"), app("Norvi/Tandrel/DB"));
        EXPECT_EQ(reg.ReadInteger("Interfaceframe", "DatabaseArchivDays2", -1), 15);
    }
    // The next start reads the names as saved.
    TInterfaceFrame next;
    next.InitInterface();
    EXPECT_EQ(next.MainDatabaseName, QStringLiteral("KTLSE.mdb"));
    EXPECT_EQ(next.TempPath, app("Norvi/Tandrel/Tmp") + sep());
}

TEST_F(InterfaceTest, DoneInterfaceReportsSettingsThatCannotBeWritten)
{
    ws->InitInterface();
    // The settings file would have to go below a plain file.
    ASSERT_TRUE(writeFile(tempDir.filePath("blocked"), "x"));
    qputenv("TANDREL_REGISTRY", tempDir.filePath("blocked/registry.reg").toUtf8());
    ws->DoneInterface();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().startsWith("Einstellungen konnten nicht gespeichert werden: "))
        << dialogs.messages.front().toStdString();
    EXPECT_TRUE(ws->Pictures().empty());
}

TEST_F(InterfaceTest, EmptyNamesFallBackIntoTheDatabaseFolder)
{
    {
        MKontaloRegistry reg;
        reg.WriteString("Interfaceframe", "DatabasePath", app("DB"));
        reg.WriteString("DatabaseConnection", "Connect1", "");
        reg.WriteString("DatabaseConnection", "MainDatabaseName", "");
        reg.WriteString("DatabaseConnection", "NorviDatabaseName", "");
        reg.WriteString("DatabaseConnection", "GeoDatabaseName", "D:\\eigen.mdb");
    }
    ws->InitInterface();
    EXPECT_EQ(ws->Connect1, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source="));
    // One separator between folder and file, not "...DBKTLSE.mdb" beside the folder.
    EXPECT_EQ(ws->MainDatabaseName, app("DB") + sep() + "KTLSE.mdb");
    EXPECT_EQ(ws->NorviDatabaseName, app("DB") + sep() + "Norvi.mdb");
    EXPECT_EQ(ws->GeoDatabaseName, QStringLiteral("D:\\eigen.mdb"));
}

TEST_F(InterfaceTest, UncreatableFoldersAreReportedAndStartGoesOn)
{
    // A file where the maker's folder should be.
    ASSERT_TRUE(writeFile(appDataPath() + "/Norvi", "x"));
    ws->CreateWorkspaceFolders();
    const QString prefix = QStringLiteral("Pfad konnte nicht angelegt werden: ");
    EXPECT_EQ(dialogs.messages, QStringList({prefix + app("Norvi/Tandrel/Tmp") + sep(),
                                             prefix + app("Norvi/Tandrel/Images"), prefix + app("Norvi/Tandrel/DB")}));
}

// GetTempFolder: what the stored folder and the file system give.
struct TempCase {
    const char* name;
    const char* tempPath;    // "$A" stands for the application-data folder
    const char* appDataPath; // the stored AnwendungsdatenPfad
    bool blockAppData;       // a file sits where <appdata>/tmp would go
    const char* folderAnswer;
    const char* expected;
    bool dialogShown;
};

class TempFolder : public InterfaceTest, public ::testing::WithParamInterface<TempCase> {
protected:
    QString expand(const char* text) const
    {
        QString s = QString::fromUtf8(text);
        s.replace("$A", native(appDataPath()));
        s.replace('/', sep());
        return s;
    }
};

TEST_P(TempFolder, AlwaysEndsWithASeparator)
{
    const TempCase& c = GetParam();
    QDir(appDataPath()).mkpath("out");
    ws->TempPath = expand(c.tempPath);
    ws->AnwendungsdatenPfad = expand(c.appDataPath);
    if (c.blockAppData) {
        ASSERT_TRUE(writeFile(appDataPath() + "/tmp", "x"));
    }
    if (*c.folderAnswer)
        dialogs.folderAnswers.push_back(expand(c.folderAnswer));

    const QString answer = ws->GetTempFolder();
    EXPECT_EQ(answer, expand(c.expected));
    EXPECT_EQ(answer, ws->TempPath);
    EXPECT_TRUE(answer.endsWith(sep()));
    EXPECT_EQ(dialogs.folderTitles, c.dialogShown ? QStringList{"Temporären Pfad auswählen"} : QStringList{});
    if (!c.dialogShown) {
        EXPECT_TRUE(QFileInfo(answer).isDir());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chain, TempFolder,
    ::testing::Values(
        TempCase{"Existing", "$A/out", "$A", false, "", "$A/out/", false},
        TempCase{"ExistingWithSeparator", "$A/out/", "$A", false, "", "$A/out/", false},
        TempCase{"MissingFolder", "$A/weg/", "$A", false, "", "$A/tmp/", false},
        TempCase{"NotYetKnownAppData", "", "", false, "", "$A/tmp/", false},
        TempCase{"UncreatablePicked", "", "$A", true, "$A/out", "$A/out/", true},
        TempCase{"UncreatableCancelled", "", "$A", true, "", "/", true}),
    tandrel::test::CaseName{});

// Archiving the company database on close.
struct ArchiveCase {
    const char* name;
    int archive;  // 1 or 2
    int ageDays;  // age of the existing archive copy; -1: none
    bool forced;
    bool copied;
};

class Archive : public InterfaceTest, public ::testing::WithParamInterface<ArchiveCase> {
protected:
    void SetUp() override
    {
        InterfaceTest::SetUp();
        source = app("Norvi.mdb");
        ASSERT_TRUE(writeFile(source, "neu"));
        ws->NorviDatabaseName = source;
        ws->DatabaseArchivPath = app("Archiv1");
        ws->DatabaseArchivPath2 = app("Archiv2"); // no trailing separator
    }
    QString target(int which) const { return app(which == 1 ? "Archiv1/Norvi.mdb" : "Archiv2/Norvi.mdb"); }
    bool archive(int which, bool forced) { return which == 1 ? ws->ArchiveDatabase(forced) : ws->ArchiveDatabase2(forced); }

    // An old copy, `days` whole days old (plus a minute).
    void oldCopy(int which, int days)
    {
        QDir().mkpath(QFileInfo(target(which)).path());
        ASSERT_TRUE(writeFile(target(which), "alt"));
        QFile f(target(which));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addDays(-days).addSecs(-60),
                                  QFileDevice::FileModificationTime));
    }

    QString source;
};

TEST_P(Archive, ReplacesOnlyCopiesOldEnough)
{
    const ArchiveCase& c = GetParam();
    if (c.ageDays >= 0)
        oldCopy(c.archive, c.ageDays);
    EXPECT_EQ(archive(c.archive, c.forced), c.copied);
    EXPECT_EQ(readFile(target(c.archive)), c.copied ? QByteArray("neu") : QByteArray("alt"));
}

INSTANTIATE_TEST_SUITE_P(
    Ages, Archive,
    ::testing::Values(ArchiveCase{"First29DaysKept", 1, 29, false, false},
                      ArchiveCase{"First30DaysReplaced", 1, 30, false, true},
                      ArchiveCase{"FirstMissingMade", 1, -1, false, true},
                      ArchiveCase{"FirstForced", 1, 0, true, true},
                      ArchiveCase{"Second14DaysKept", 2, 14, false, false},
                      ArchiveCase{"Second15DaysReplaced", 2, 15, false, true},
                      ArchiveCase{"SecondMissingMade", 2, -1, false, true}),
    tandrel::test::CaseName{});

TEST_F(Archive, AnEmptyArchiveFolderDefaultsUnderApplicationData)
{
    ws->AnwendungsdatenPfad = native(appDataPath());
    ws->DatabaseArchivPath.clear();
    EXPECT_EQ(ws->GetArchiveDatabaseFile(), app("Norvi/Tandrel/DBArchiv/Norvi.mdb"));
    EXPECT_TRUE(ws->ArchiveDatabase(false));
    EXPECT_EQ(readFile(app("Norvi/Tandrel/DBArchiv/Norvi.mdb")), QByteArray("neu"));
}

TEST_F(Archive, AOneCharacterSecondFolderSwitchesTheSecondArchiveOff)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(appDataPath());
    ws->DatabaseArchivPath2 = QStringLiteral("X");
    EXPECT_FALSE(ws->ArchiveDatabase2(true));
    EXPECT_FALSE(QFileInfo::exists(app("X")));
    EXPECT_FALSE(QFileInfo::exists(app("XNorvi.mdb")));
    QDir::setCurrent(before);
}

TEST_F(Archive, AnUnreadableSourceLeavesTheOldCopyIntact)
{
    for (bool asFolder : {false, true}) {
        oldCopy(1, 40);
        const QDateTime before = QFileInfo(target(1)).lastModified();
        QFile::remove(source);
        if (asFolder)
            QDir().mkpath(source);
        EXPECT_FALSE(ws->ArchiveDatabase(false));
        EXPECT_EQ(readFile(target(1)), QByteArray("alt"));
        EXPECT_EQ(QFileInfo(target(1)).lastModified(), before);
        EXPECT_EQ(QDir(app("Archiv1")).entryList(QDir::Files | QDir::Hidden), QStringList{"Norvi.mdb"});
    }
}

TEST_F(InterfaceTest, ChooseColorAnswersThePickOrTheGivenColour)
{
    dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    EXPECT_EQ(ws->ChooseColor(rgbRef(1, 2, 3)), rgbRef(10, 20, 30));
    EXPECT_EQ(ws->ChooseColor(rgbRef(1, 2, 3)), rgbRef(1, 2, 3)); // cancelled
    EXPECT_EQ(ws->GetPanelColor1(), rgbRef(202, 213, 232));
    EXPECT_EQ(ws->GetPanelColor2(), rgbRef(148, 168, 201));
}

TEST_F(InterfaceTest, FindPictureAnswersTheFirstEntryOfAnId)
{
    ws->InitInterface();
    ASSERT_EQ(ws->Pictures().size(), 48u);
    const PictureEntry* twice = ws->FindPicture(20191);
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice, &ws->Pictures()[22]);
    EXPECT_EQ(ws->FindPicture(3160), nullptr);
    const PictureEntry* sky = ws->FindPicture(3140);
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->description(), QStringLiteral("Hintergrund Himmel"));
    EXPECT_EQ(sky->source(), QStringLiteral("Norvi GmbH"));
    EXPECT_EQ(sky->picture().size(), QSize(800, 600));
    EXPECT_EQ(ws->FindPicture(1160)->source().isEmpty(), false);
}

TEST_F(InterfaceTest, AssignPictureFillsTheControlOrLeavesItAlone)
{
    ws->InitInterface();
    QLabel label;
    label.setScaledContents(true);
    ws->AssignPicture(&label, 4312);
    EXPECT_EQ(label.pixmap().size(), QSize(128, 128));
    EXPECT_EQ(label.toolTip(), QStringLiteral("Kühlschrank"));
    EXPECT_EQ(label.property("tag").toInt(), 4312);
    EXPECT_TRUE(label.hasScaledContents());

    const qint64 key = label.pixmap().cacheKey();
    ws->AssignPicture(&label, 3160);
    EXPECT_EQ(label.pixmap().cacheKey(), key);
    EXPECT_EQ(label.toolTip(), QStringLiteral("Kühlschrank"));
    EXPECT_EQ(label.property("tag").toInt(), 4312);

    ws->AssignPicture(&label, 30); // no hint to show
    EXPECT_EQ(label.toolTip(), QString());
    EXPECT_EQ(label.property("tag").toInt(), 30);
    ws->AssignPicture(nullptr, 30);
}

// OpenPdfDocument: names in the temporary folder.
struct PdfNameCase {
    const char* name;
    int blockedNumbers; // numbers 1..n exist as folders, so they cannot be written
    bool existingFile;  // a plain file with number 1 exists (and is overwritten)
    int expectedNumber; // 0: none
};

std::string CaseLabel(const PdfNameCase& c)
{
    return std::string(c.name) + "_" + std::to_string(c.blockedNumbers) + "_blocked" + (c.existingFile ? "_file_exists" : "");
}

class PdfNames : public InterfaceTest, public ::testing::WithParamInterface<PdfNameCase> {};

TEST_P(PdfNames, NextFreeNumberInTheTemporaryFolder)
{
    const PdfNameCase& c = GetParam();
    const QString temp = ws->GetTempFolder();
    const QString year = QString::number(QDate::currentDate().year());
    const QString base = temp + QString::fromUtf8(c.name) + year + "_";
    for (int n = 1; n <= c.blockedNumbers; ++n)
        ASSERT_TRUE(QDir().mkpath(base + QString::number(n) + ".pdf"));
    if (c.existingFile) {
        ASSERT_TRUE(writeFile(base + "1.pdf", "alt"));
    }

    PdfWriter* pdf = ws->OpenPdfDocument(QString::fromUtf8(c.name));
    if (c.expectedNumber == 0) {
        EXPECT_EQ(pdf, nullptr);
        EXPECT_EQ(dialogs.messages,
                  QStringList{"Reporterstellung nicht möglich, bitte schließen Sie einige Fenster."});
        EXPECT_FALSE(QFileInfo::exists(base + "66.pdf"));
        return;
    }
    ASSERT_NE(pdf, nullptr);
    EXPECT_TRUE(pdf->Printing());
    EXPECT_EQ(pdf->FileName(), base + QString::number(c.expectedNumber) + ".pdf");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    pdf->EndDoc();
    EXPECT_EQ(shell.opened, QStringList{pdf->FileName()});
    EXPECT_TRUE(readFile(pdf->FileName()).startsWith("%PDF"));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PdfNames,
    ::testing::Values(PdfNameCase{"FrameListe.pdf", 0, false, 1}, PdfNameCase{"Papier-Haus", 0, false, 1},
                      PdfNameCase{"Papier-Haus", 0, true, 1}, PdfNameCase{"Papier-Haus", 1, false, 2},
                      PdfNameCase{"Papier-Haus", 64, false, 65}, PdfNameCase{"Papier-Haus", 65, false, 0}),
    tandrel::test::CaseName{});

// A viewer here holds no lock: a document shown during this run is taken as
// open, so the next one of its base name gets the next number; a file left by
// an earlier run is overwritten.
TEST_F(InterfaceTest, ADocumentShownInThisRunIsNotOverwritten)
{
    const QString year = QString::number(QDate::currentDate().year());
    const QString temp = ws->GetTempFolder();
    ASSERT_TRUE(writeFile(temp + "Folien" + year + "_1.pdf", "from an earlier run"));
    auto write = [&](const char* name) {
        PdfWriter* pdf = ws->OpenPdfDocument(QString::fromUtf8(name));
        if (!pdf)
            return QString();
        pdf->EndDoc();
        return QFileInfo(pdf->FileName()).fileName();
    };
    EXPECT_EQ(write("Folien"), "Folien" + year + "_1.pdf");
    EXPECT_EQ(write("Folien"), "Folien" + year + "_2.pdf");
    EXPECT_EQ(write("Anschreiben"), "Anschreiben" + year + "_1.pdf");
    EXPECT_EQ(write("Folien"), "Folien" + year + "_3.pdf");
    EXPECT_EQ(shell.opened.size(), 4);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(readFile(temp + "Folien" + year + "_1.pdf").startsWith("%PDF"));
}

TEST_F(InterfaceTest, SetPdfPageSizeSetsACustomPaper)
{
    ws->SetPdfPageSize(100, 50);
    PdfWriter* pdf = ws->OpenPdfDocument("Format");
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->PaperSize(), PdfWriter::kPaperCustom);
    EXPECT_DOUBLE_EQ(pdf->PageWidth(), 50);
    EXPECT_DOUBLE_EQ(pdf->PageHeight(), 100);
    pdf->Abort();
}

} // namespace
