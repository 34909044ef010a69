// The paper-house frame's PDF output: gathers the model, the wall pictures
// and the roof planner's data and hands them to the page layout.

#include "paperhouse/FPapierHausFrame.h"

#include "app/FInterfaceFrame.h"
#include "app/FrameIds.h"
#include "app/Pictures.h"
#include "app/WaitCursor.h"
#include "paperhouse/PageFormats.h"
#include "paperhouse/PaperHousePdf.h"
#include "paperhouse/WallSurfaces.h"
#include "pdf/PdfWriter.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "roof/IRoofPlanner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLoggingCategory>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tandrel::paperhouse;

void TPapierHausFrame::BuildPdfSettingsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheetEinstellungen"));
    auto* layout = new QVBoxLayout(page);
    CheckBoxHochhaus = new QCheckBox(QStringLiteral("Hochhaus erstellen"), page);
    CheckBoxHochhaus->setObjectName(QStringLiteral("CheckBoxHochhaus"));
    layout->addWidget(CheckBoxHochhaus);
    layout->addStretch(1);
    PageControlPapierhausdetails->addTab(page, QStringLiteral("Einstellungen"));
}

TPaperHousePdfInput TPapierHausFrame::GatherPdfInput(bool highRise, bool withPictures)
{
    TPaperHousePdfInput in;
    in.params = Parameters();
    const PageSize size =
        ComputePageSize(in.params.Seitenformattyp, in.params.Seitenformat, in.params.Seitenausrichtung);
    in.pageWidth = size.PageWidth;
    in.pageHeight = size.PageHeight;
    for (int i = 0; i < 4; ++i)
        if (in.params.GrafikAnzeigen[i])
            in.wallPictures[i] = m_imageWand[i];
    in.banner = tandrel::pictures::image(QStringLiteral("paperhouse/kontalo-banner"));

    auto* roof = qobject_cast<IRoofPlanner*>(FindFrame(FrameId::Dachplanung2D));
    if (highRise) {
        // The facade takes wall 1's picture; a texture is tiled anew for
        // the high-rise's proportions. The frame's own pictures stay as they are.
        const THighRiseMeasures m = HighRiseMeasures(in.params.Massstab, in.pageWidth);
        if (withPictures && CheckBoxPicture[0]->isChecked()) {
            in.highRiseFacade = ComboBoxWaende->currentIndex() != 0 && !m_wallTexture.isNull()
                                    ? TileWallTexture(m_wallTexture, 1.009 * m.width, m.height)
                                    : m_imageWand[0];
        }
        const QImage module = roof ? roof->ModuleData().Picture : QImage();
        in.highRiseModule = !module.isNull() ? module : tandrel::pictures::image(QStringLiteral("roof/module-classic"));
        return in;
    }
    if (!roof)
        return in;
    const TRoofModuleData module = roof->ModuleData();
    TRoofPlannerData data;
    data.ModuleName = module.Name;
    data.ModuleMaker = module.Maker;
    data.ModuleInternet = module.Internet;
    data.ModuleWidth = module.Width;
    data.ModuleHeight = module.Height;
    data.LaidAcross = module.LaidAcross;
    for (const TRoofObstacle& o : roof->Obstacles())
        data.Obstacles.push_back(o.Outline);
    data.TwoRoofSides = roof->ModulesOnTwoRoofSides();
    data.ModulePowerWp = module.PowerWp;
    data.CountActiveModules = roof->CountActiveModules();
    data.PlantPowerKWp = roof->PlantPowerKWp();
    data.ModulePicture = module.Picture;
    if (module.MakerLogoKey >= 0) {
        if (const PictureEntry* logo = GetInterfaceFrame()->FindPicture(module.MakerLogoKey + 20000))
            data.MakerLogo = logo->picture();
    }
    if (!withPictures) {
        in.roofPlanner = std::move(data);
        return in;
    }
    // Rendered as finely as the page's roof plane needs at 300 dpi, not finer.
    TRoofPictures pictures = roof->RenderRoofPictures(RoofPictureWidth(in.params));
    data.RoofWithModules = std::move(pictures.RoofWithModules);
    data.RoofSecondSide = std::move(pictures.RoofSecondSide);
    in.roofPlanner = std::move(data);
    return in;
}

void TPapierHausFrame::WritePaperHousePdf()
{
    if (CheckBoxHochhaus && CheckBoxHochhaus->isChecked()) {
        WriteHighRisePdf();
        return;
    }
    if (!ConfirmModelFits(false))
        return;
    WriteDocument(QStringLiteral("Papier-Haus"), false);
}

bool TPapierHausFrame::ConfirmModelFits(bool highRise)
{
    // The layout does not depend on the rendered pictures; they are made once, for printing.
    const TPaperHousePdfInput in = GatherPdfInput(highRise, false);
    if (highRise ? HighRiseFits(in) : PaperHouseFits(in))
        return true;
    // The separator line and no selection print on the base sheet.
    QStringList captions = PageFormatCaptions(in.params.Seitenformattyp);
    const int index = in.params.Seitenformat;
    const QString page = index >= 0 && index < captions.size() && index != 6 ? captions[index] : captions.value(1);
    const int scale = in.params.Massstab;
    const std::optional<int> suggested = highRise ? SuggestedHighRiseScale(in) : SuggestedScale(in);
    tandrel::platform::Dialogs& dialogs = tandrel::platform::dialogs();
    if (!suggested) {
        const QString text = QStringLiteral("Das Modell passt bei 1 : %1 nicht auf %2, auch nicht bei 1 : %3. "
                                            "Bitte ein größeres Papierformat wählen.")
                                 .arg(scale)
                                 .arg(page)
                                 .arg(StandardModelScales().back());
        return dialogs.askChoice(text, {QStringLiteral("Trotzdem drucken"), QStringLiteral("Abbrechen")}) == 0;
    }
    const QString text = QStringLiteral("Das Modell passt bei 1 : %1 nicht auf %2. Passend wäre 1 : %3.")
                             .arg(scale)
                             .arg(page)
                             .arg(*suggested);
    const int choice =
        dialogs.askChoice(text, {QStringLiteral("Maßstab übernehmen"), QStringLiteral("Trotzdem drucken")});
    if (choice == 0)
        TrackBarMasstab->setValue(*suggested);
    return choice == 0 || choice == 1;
}

void TPapierHausFrame::WriteHighRisePdf()
{
    if (!ConfirmModelFits(true))
        return;
    WriteDocument(QStringLiteral("Papier-Hochhaus"), true);
}

void TPapierHausFrame::WriteDocument(const QString& name, bool highRise)
{
    WaitCursor cursor(Qt::BusyCursor); // arrow with hourglass
    RefreshFrame();
    TInterfaceFrame* workspace = GetInterfaceFrame();
    if (!workspace)
        return;
    const TPaperHousePdfInput in = GatherPdfInput(highRise);
    workspace->WriteWholePageDocument(name, PaperHouseFirstPage(in, highRise), [&in, highRise](PdfWriter& pdf) {
        if (highRise)
            DrawHighRisePages(pdf, in);
        else
            DrawPaperHousePages(pdf, in);
    });
}
