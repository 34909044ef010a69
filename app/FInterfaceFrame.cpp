#include "app/FInterfaceFrame.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "app/PictureLabel.h"
#include "app/Pictures.h"
#include "app/WaitCursor.h"
#include "data/PictureCatalogue.h"
#include "pdf/PdfWriter.h"
#include "pdf/WholePage.h"
#include "platform/Logging.h"
#include "platform/RegularFile.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QSaveFile>
#include <cmath>

Q_LOGGING_CATEGORY(lcPdfDocument, "tandrel.pdf.document")

using tandrel::platform::ColorRef;
using tandrel::platform::dialogs;
using tandrel::platform::pathSeparator;

namespace {

const QString kSectionInterface = QStringLiteral("Interfaceframe");
const QString kSectionConnection = QStringLiteral("DatabaseConnection");

const QString kConnect1 = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");
const QString kConnect2 = QStringLiteral(";Mode=ReadWrite|Share Deny None;Persist Security Info=False");
const QString kCompanyDatabase = QStringLiteral("Norvi.mdb");

// The settings' historic defaults (the doubled backslash is part of them).
const QString kDefaultMain = QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Norvi_GmbH\\DB\\KTLSE.mdb");
const QString kDefaultNorvi = QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Norvi_GmbH\\\\DB\\Norvi.mdb");
const QString kDefaultHelp = QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Norvi_GmbH\\\\DB\\KTLHelp.mdb");
const QString kDefaultGeo = QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Norvi_GmbH\\\\DB\\KTLGeo.mdb");
const QString kDefaultFinancial =
    QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Norvi_GmbH\\\\DB\\DateKTLFinbankKTLFin.mdb");

constexpr int kPdfAttempts = 65;

QString withSeparator(const QString& folder)
{
    const QString sep = pathSeparator();
    return folder.endsWith(sep) ? folder : folder + sep;
}

// A file in a folder. An empty folder leaves the bare file name (first start);
// otherwise exactly one separator goes between them.
QString fileIn(const QString& folder, const QString& file)
{
    if (folder.isEmpty())
        return file;
    return withSeparator(folder) + file;
}

QString orFallback(const QString& value, const QString& fallback)
{
    return value.isEmpty() ? fallback : value;
}

bool makeFolder(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

// Copies source over target through a temporary file beside the target, so
// the old target survives any failure.
bool replaceByCopy(const QString& source, const QString& target)
{
    QFile in;
    if (!tandrel::platform::openRegularFile(in, source))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    for (;;) {
        chunk = in.read(1 << 20);
        if (chunk.isEmpty())
            break;
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

TInterfaceFrame::TInterfaceFrame(QWidget* parent) : QFrame(parent), m_pdf(std::make_unique<PdfWriter>())
{
    setVisible(false);
}

TInterfaceFrame::~TInterfaceFrame() = default;

const QImage& PictureEntry::picture() const
{
    if (!m_loaded) {
        m_picture = resource.isEmpty() ? QImage() : tandrel::pictures::image(resource);
        m_loaded = true;
    }
    return m_picture;
}

PdfPicture PictureEntry::pdfPicture() const
{
    if (!builtIn().isEmpty()) {
        const PdfPicture stored = PdfPicture::FromJpeg(tandrel::pictures::storedJpeg(resource));
        if (!stored.isNull())
            return stored;
        const PdfPicture flat = PdfPicture::FromPng(tandrel::pictures::storedPng(resource));
        if (!flat.isNull())
            return flat;
    }
    return PdfPicture(picture());
}

void TInterfaceFrame::InitInterface()
{
    m_pictures.clear();
    LoadInterfaceSettings();
    const auto& items = tandrel::pictures::kCatalogue;
    m_pictures.reserve(std::size(items));
    for (const auto& item : items) {
        PictureEntry entry;
        entry.id = item.id;
        entry.resource = QStringLiteral("catalogue/") + QString::fromLatin1(item.file);
        entry.hint = QString::fromUtf8(item.hint);
        entry.showHint = item.showHint;
        m_pictures.push_back(std::move(entry));
    }
}

void TInterfaceFrame::DoneInterface()
{
    // Runs while the main window is destroyed: report a failed write, never throw.
    try {
        SaveInterfaceSettings();
    } catch (const std::exception& e) {
        dialogs().showMessage(QStringLiteral("Einstellungen konnten nicht gespeichert werden: ")
                              + QString::fromUtf8(e.what()));
    }
    m_pictures.clear();
}

namespace {

// The stored values of both sections, each name and default in one place.
const MSettingsFields<TInterfaceFrame>& InterfaceFields()
{
    using F = TInterfaceFrame;
    static const MSettingsFields<F> fields{
        {QStringLiteral("AnwendungsdatenPfad"), &F::AnwendungsdatenPfad, QString()},
        {QStringLiteral("TempPath"), &F::TempPath, QString()},
        {QStringLiteral("ImagesPath"), &F::ImagesPath, QString()},
        {QStringLiteral("ExportPath"), &F::ExportPath, QStringLiteral("C:\\")},
        {QStringLiteral("DatabasePath"), &F::DatabasePath, QString()},
        {QStringLiteral("DatabaseArchivPath"), &F::DatabaseArchivPath, QString()},
        {QStringLiteral("DatabaseArchivPath2"), &F::DatabaseArchivPath2, QString()},
        {QStringLiteral("DatabaseArchivDays"), &F::DatabaseArchivDays, 30},
        {QStringLiteral("DatabaseArchivDays2"), &F::DatabaseArchivDays2, 15},
    };
    return fields;
}

const MSettingsFields<TInterfaceFrame>& ConnectionFields()
{
    using F = TInterfaceFrame;
    static const MSettingsFields<F> fields{
        {QStringLiteral("Connect1"), &F::Connect1, kConnect1},
        {QStringLiteral("Connect2"), &F::Connect2, kConnect2},
        {QStringLiteral("MainDatabaseName"), &F::MainDatabaseName, kDefaultMain},
        {QStringLiteral("NorviDatabaseName"), &F::NorviDatabaseName, kDefaultNorvi},
        {QStringLiteral("HelpDatabaseName"), &F::HelpDatabaseName, kDefaultHelp},
        {QStringLiteral("GeoDatabaseName"), &F::GeoDatabaseName, kDefaultGeo},
        {QStringLiteral("ModulesDatabaseName"), &F::ModulesDatabaseName, QStringLiteral("SolarModules.mdb")},
        {QStringLiteral("InverterDatabaseName"), &F::InverterDatabaseName, QStringLiteral("Inverter.mdb")},
        {QStringLiteral("FinancialDatabaseName"), &F::FinancialDatabaseName, kDefaultFinancial},
    };
    return fields;
}

} // namespace

void TInterfaceFrame::LoadInterfaceSettings()
{
    {
        MKontaloRegistry reg;
        InterfaceFields().Load(reg, kSectionInterface, *this);
        ConnectionFields().Load(reg, kSectionConnection, *this);
    }
    // Empty values fall back to the database folder (still empty on a first
    // start, so the names stay bare there).
    Connect1 = orFallback(Connect1, kConnect1);
    Connect2 = orFallback(Connect2, kConnect2);
    MainDatabaseName = orFallback(MainDatabaseName, fileIn(DatabasePath, QStringLiteral("KTLSE.mdb")));
    NorviDatabaseName = orFallback(NorviDatabaseName, fileIn(DatabasePath, kCompanyDatabase));
    HelpDatabaseName = orFallback(HelpDatabaseName, fileIn(DatabasePath, QStringLiteral("KTLHelp.mdb")));
    GeoDatabaseName = orFallback(GeoDatabaseName, fileIn(DatabasePath, QStringLiteral("KTLGeo.mdb")));
    ModulesDatabaseName = orFallback(ModulesDatabaseName, fileIn(DatabasePath, QStringLiteral("SolarModules.mdb")));
    InverterDatabaseName = orFallback(InverterDatabaseName, fileIn(DatabasePath, QStringLiteral("Inverter.mdb")));
    FinancialDatabaseName = orFallback(FinancialDatabaseName, fileIn(DatabasePath, QStringLiteral("KTLFin.mdb")));
}

void TInterfaceFrame::SaveInterfaceSettings()
{
    MKontaloRegistry reg;
    InterfaceFields().Save(reg, kSectionInterface, *this);
    ConnectionFields().Save(reg, kSectionConnection, *this);
    reg.Flush();
}

QString TInterfaceFrame::underApplicationData(const QString& relative) const
{
    QString base = AnwendungsdatenPfad;
    const QString sep = pathSeparator();
    while (base.endsWith(sep) && base.size() > 1)
        base.chop(1);
    return base + sep + QDir::toNativeSeparators(relative);
}

void TInterfaceFrame::CreateWorkspaceFolders()
{
    AnwendungsdatenPfad = tandrel::platform::applicationDataFolder();
    const auto create = [](const QString& path) {
        if (!makeFolder(path))
            dialogs().showMessage(QStringLiteral("Pfad konnte nicht angelegt werden: ") + path);
    };
    TempPath = underApplicationData(QStringLiteral("Norvi/Tandrel/Tmp")) + pathSeparator();
    create(TempPath);
    ImagesPath = underApplicationData(QStringLiteral("Norvi/Tandrel/Images"));
    create(ImagesPath);
    DatabasePath = underApplicationData(QStringLiteral("Norvi/Tandrel/DB"));
    create(DatabasePath);
    if (DatabaseArchivPath.isEmpty())
        DatabaseArchivPath = underApplicationData(QStringLiteral("Norvi/Tandrel/DBArchiv"));
}

void TInterfaceFrame::chooseTempFolder()
{
#ifdef Q_OS_WIN
    const QString root = QStringLiteral("C:\\");
#else
    const QString root = QStringLiteral("/");
#endif
    const QString chosen = dialogs().chooseFolder(QStringLiteral("Temporären Pfad auswählen"), root);
    TempPath = chosen.isEmpty() ? root : withSeparator(QDir::toNativeSeparators(chosen));
}

void TInterfaceFrame::runTempFolderChain()
{
#ifdef Q_OS_WIN
    TempPath = QStringLiteral("C:\\Users\\Default\\AppData\\Local\\Norvi\\Tandrel\\tmp\\");
    if (QFileInfo(TempPath).isDir())
        return;
#endif
    // Before the first start has stored the application-data folder, ask the
    // platform for it rather than falling back to the filesystem root.
    QString base = AnwendungsdatenPfad;
    if (base.isEmpty())
        base = tandrel::platform::applicationDataFolder();
    if (!base.isEmpty()) {
        TempPath = withSeparator(tandrel::platform::joinPath(base, QStringLiteral("tmp")));
        if (makeFolder(TempPath))
            return;
    }
    chooseTempFolder();
}

QString TInterfaceFrame::GetTempFolder()
{
    if (!TempPath.isEmpty() && QFileInfo(TempPath).isDir()) {
        // Callers append file names directly.
        TempPath = withSeparator(TempPath);
        return TempPath;
    }
    runTempFolderChain();
    if (TempPath.isEmpty())
        chooseTempFolder();
    return TempPath;
}

QString TInterfaceFrame::GetArchiveFolder()
{
    if (DatabaseArchivPath.isEmpty())
        DatabaseArchivPath = underApplicationData(QStringLiteral("Norvi/Tandrel/DBArchiv"));
    return DatabaseArchivPath;
}

QString TInterfaceFrame::GetArchiveDatabaseFile()
{
    return fileIn(GetArchiveFolder(), kCompanyDatabase);
}

QString TInterfaceFrame::GetCompanyDatabaseFile() const
{
    return NorviDatabaseName;
}

bool TInterfaceFrame::archiveTo(const QString& folder, const QString& target, int minimumDays, bool forced) const
{
    if (!makeFolder(folder))
        return false;
    const QFileInfo info(target);
    qint64 age = 500;
    if (info.exists())
        age = info.lastModified().secsTo(QDateTime::currentDateTime()) / (24 * 3600);
    if (age < minimumDays && !forced)
        return false;
    return replaceByCopy(GetCompanyDatabaseFile(), target);
}

bool TInterfaceFrame::ArchiveDatabase(bool forced)
{
    return archiveTo(GetArchiveFolder(), GetArchiveDatabaseFile(), DatabaseArchivDays, forced);
}

bool TInterfaceFrame::ArchiveDatabase2(bool forced)
{
    if (DatabaseArchivPath2.size() <= 1)
        return false;
    return archiveTo(DatabaseArchivPath2, fileIn(DatabaseArchivPath2, kCompanyDatabase), DatabaseArchivDays2, forced);
}

QString TInterfaceFrame::GetMainConnectionString() const
{
    return Connect1 + MainDatabaseName + Connect2;
}

ColorRef TInterfaceFrame::ChooseColor(ColorRef color)
{
    const auto chosen = dialogs().chooseColor(tandrel::platform::toQColor(color));
    if (!chosen || !chosen->isValid())
        return color;
    return tandrel::platform::fromQColor(*chosen);
}

const PictureEntry* TInterfaceFrame::FindPicture(int id) const
{
    for (const auto& entry : m_pictures)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

void TInterfaceFrame::AssignPicture(QLabel* image, int id) const
{
    const PictureEntry* entry = FindPicture(id);
    if (!image || !entry)
        return;
    // A picture label decodes a built-in picture itself, at the size it shows.
    if (auto* label = qobject_cast<TPictureLabel*>(image)) {
        if (!entry->builtIn().isEmpty())
            label->SetPictureName(entry->builtIn());
        else
            label->SetPicture(entry->picture());
    } else {
        image->setPixmap(QPixmap::fromImage(entry->picture()));
    }
    image->setToolTip(entry->showHint ? entry->description() : QString());
    image->setProperty("hint", entry->hint);
    image->setProperty("showHint", entry->showHint);
    image->setProperty("tag", entry->id);
}

void TInterfaceFrame::WriteWholePageDocument(const QString& name, QSizeF firstPage,
                                             const std::function<void(PdfWriter&)>& draw)
{
    SetPdfPageSize(firstPage.height(), firstPage.width());
    PdfWriter* pdf = OpenPdfDocument(name);
    if (!pdf)
        return;
    try {
        if (!UseWholePage(*pdf))
            return;
        draw(*pdf);
        pdf->EndDoc();
    } catch (const PdfError& e) {
        qCWarning(lcPdfDocument) << name << "failed:" << e.what();
        if (pdf->Printing())
            pdf->Abort();
        tandrel::platform::dialogs().showMessage(QString::fromUtf8(e.what()));
    }
}

PdfWriter* TInterfaceFrame::OpenPdfDocument(const QString& name)
{
    const QString base = GetTempFolder() + name;
    const QString year = QString::number(QDate::currentDate().year());
    for (int n = 1; n <= kPdfAttempts; ++n) {
        m_pdf->SetFileName(base + year + QLatin1Char('_') + QString::number(n) + QStringLiteral(".pdf"));
        try {
            m_pdf->BeginDoc();
        } catch (const PdfError&) {
            continue; // typically still open in a viewer
        }
        return m_pdf->Printing() ? m_pdf.get() : nullptr;
    }
    dialogs().showMessage(QStringLiteral("Reporterstellung nicht möglich, bitte schließen Sie einige Fenster."));
    return nullptr;
}

void TInterfaceFrame::SetPdfPageSize(double height, double width)
{
    m_pdf->SetPaperSize(PdfWriter::kPaperCustom);
    m_pdf->SetPaperWidth(width);
    m_pdf->SetPaperHeight(height);
}

void TInterfaceFrame::BitBtnImageListClick()
{
    WaitCursor wait;
    PdfWriter* pdf = OpenPdfDocument(QStringLiteral("Interfacedokument.pdf"));
    if (!pdf)
        return;
    SetPdfPageSize(299.8, 212);
    try {
        pdf->BeginDoc();
    } catch (const PdfError&) {
        return;
    }
    if (!pdf->Printing())
        return;

    pdf->SetFont(QStringLiteral("Arial"), 16, 14574692);
    pdf->TextOut(18, 8, QStringLiteral("Pravik Interface Dokumentation"));
    pdf->SetFontSize(12);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    pdf->TextOut(18, 14, QStringLiteral("Datum:%1   Version: %2").arg(date, GetVersion() + QLatin1Char(' ') + GetSubVersion()));
    pdf->TextOut(18, 19, QStringLiteral("Images (Anzahl: %1)").arg(int(m_pictures.size()) - 1));

    pdf->SetFontSize(8);
    pdf->SetFontColor(tandrel::platform::kColorBlack);
    int k = 0;
    for (const PictureEntry& entry : m_pictures) {
        ++k;
        double top = 15 + 25.0 * k;
        if (top > pdf->PageHeight() - 35) {
            pdf->NewPage();
            top = 15;
            k = 0;
        }
        const int w = entry.picture().width(), h = entry.picture().height();
        const double bottom = top + 21;
        // A missing picture has no proportions: its row keeps only the texts.
        if (h > 0)
            pdf->DrawImage(QRectF(QPointF(15, top), QPointF(15 + std::nearbyint(25.0 * w / h), bottom)), entry.picture());
        pdf->TextOut(12, bottom + 0.5,
                     QStringLiteral(">>ID:%1   >>Beschreibung: %2  >>Quelle: %3")
                         .arg(QString::number(entry.id), entry.description(), entry.source()));
        pdf->TextOut(120, bottom - 12, QStringLiteral("Breite:%1  Höhe: %2").arg(w).arg(h));
    }
    try {
        pdf->EndDoc();
    } catch (const PdfError& e) {
        dialogs().showMessage(QString::fromUtf8(e.what()));
    }
}
