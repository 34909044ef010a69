#pragma once

#include <QSizeF>
#include <functional>

#include "pdf/PdfWriter.h"
#include "platform/ColorRef.h"

#include <QFrame>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class QLabel;

// One picture of the catalogue.
struct PictureEntry {
    int id = 0;
    QString resource; // built-in picture name, decoded on first use
    QString hint;     // description "|" source
    bool showHint = true;

    // Decoding every picture at start-up would cost most of the start time.
    const QImage& picture() const;
    void setPicture(QImage image)
    {
        m_picture = std::move(image);
        m_loaded = true;
        m_replaced = true;
    }
    // The built-in picture's name while no other picture replaced it.
    QString builtIn() const { return m_replaced ? QString() : resource; }
    // The picture as a PDF embeds it: a built-in JPEG's stored bytes.
    PdfPicture pdfPicture() const;
    QString description() const { return hint.section(QLatin1Char('|'), 0, 0); }
    QString source() const { return hint.section(QLatin1Char('|'), 1); }

private:
    mutable QImage m_picture;
    mutable bool m_loaded = false;
    bool m_replaced = false;
};

using PictureCatalogue = std::vector<PictureEntry>;

// The shared workspace object: folders, database names, picture catalogue,
// panel colours and the PDF writer. Lives hidden in the main window's body.
class TInterfaceFrame : public QFrame {
    Q_OBJECT
public:
    explicit TInterfaceFrame(QWidget* parent = nullptr);
    ~TInterfaceFrame() override;

    void InitInterface();
    void DoneInterface();
    void LoadInterfaceSettings();
    void SaveInterfaceSettings();
    void CreateWorkspaceFolders();

    QString GetTempFolder();
    QString GetArchiveFolder();
    QString GetArchiveDatabaseFile();
    QString GetCompanyDatabaseFile() const;
    bool ArchiveDatabase(bool forced);
    bool ArchiveDatabase2(bool forced);
    QString GetMainConnectionString() const;
    QString GetVersion() const { return QStringLiteral("2012"); }
    QString GetSubVersion() const { return QStringLiteral("20"); }

    tandrel::platform::ColorRef GetPanelColor1() const { return 15259082; }
    tandrel::platform::ColorRef GetPanelColor2() const { return 13215892; }
    tandrel::platform::ColorRef GetPanelColor3() const { return 0xFFFFFF; }
    tandrel::platform::ColorRef GetPanelColor4() const { return 0xFFFFFF; }
    tandrel::platform::ColorRef ChooseColor(tandrel::platform::ColorRef color);

    const PictureEntry* FindPicture(int id) const;
    void AssignPicture(QLabel* image, int id) const;
    const PictureCatalogue& Pictures() const { return m_pictures; }

    // PDF output.
    PdfWriter* OpenPdfDocument(const QString& name);
    void SetPdfPageSize(double height, double width);
    // A document drawn on whole pages (no margins) whose first page is
    // `firstPage` mm: opened under `name`, drawn, ended and shown; a PDF
    // error is told to the user and leaves no file.
    void WriteWholePageDocument(const QString& name, QSizeF firstPage, const std::function<void(PdfWriter&)>& draw);
    // The progress display; the main window may show it, tests watch it.
    void ShowProgress(const QString& caption) { emit progressShown(caption); }
    void SetProgress(int percent) { emit progressChanged(percent); }
    void BitBtnImageListClick();

    // Settings, as read (public for the frames that show them).
    QString AnwendungsdatenPfad;
    QString TempPath;
    QString ImagesPath;
    QString ExportPath;
    QString DatabasePath;
    QString DatabaseArchivPath;
    QString DatabaseArchivPath2;
    int DatabaseArchivDays = 30;
    int DatabaseArchivDays2 = 15;
    QString Connect1;
    QString Connect2;
    QString MainDatabaseName;
    QString NorviDatabaseName;
    QString HelpDatabaseName;
    QString GeoDatabaseName;
    QString ModulesDatabaseName;
    QString InverterDatabaseName;
    QString FinancialDatabaseName;

signals:
    void progressShown(const QString& caption);
    void progressChanged(int percent);

private:
    QString underApplicationData(const QString& relative) const;
    void runTempFolderChain();
    void chooseTempFolder();
    bool archiveTo(const QString& folder, const QString& target, int minimumDays, bool forced) const;

    PictureCatalogue m_pictures;
    std::unique_ptr<PdfWriter> m_pdf;
};
