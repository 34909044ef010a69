// The net view, the 3D view and the wall surfaces of the paper-house frame.
#include "paperhouse/FPapierHausFrame.h"

#include "app/CommonFunctions.h"
#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/Reps3D.h"
#include "drawing/Rounding.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/WallSurfaces.h"

#include "platform/Logging.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSlider>
#include <algorithm>

using namespace tandrel::paperhouse;

void TPapierHausFrame::PaintNetView()
{
    if (!PaintBoxHaus)
        return;
    if (m_initialised) {
        // The scroll box scrolls over nets larger than the view, up to a
        // limit that keeps the picture small for absurd measures.
        const double l = Params.Hauslaenge, b = Params.Hausbreite, h = Params.Haushoehe;
        const double flap = Params.LaschenGroesse * PixelsPerMillimetre;
        const double w = 40 + (2 * l + 2 * b) * PixelsPerMetre + 20;
        const double below = b * PixelsPerMetre + flap + 20;
        const double above = (h + Params.RidgeHeight()) * PixelsPerMetre + flap;
        const double netHeight = std::max(100 * PixelsPerMillimetre + below, above + below);
        PaintBoxHaus->setMinimumSize(int(std::clamp(w, 0.0, 4000.0)), int(std::clamp(netHeight, 0.0, 3000.0)));
    }
    const QSize size = PaintBoxHaus->size();
    if (size.isEmpty())
        return;
    if (!m_netCanvas || m_netCanvas->Width() != size.width() || m_netCanvas->Height() != size.height())
        m_netCanvas = std::make_unique<MCanvas>(size.width(), size.height());
    PaintNetView(*m_netCanvas);
    PaintBoxHaus->update();
}

const QImage* TPapierHausFrame::NetPicture() const
{
    return m_netCanvas ? &m_netCanvas->Image() : nullptr;
}

void TPapierHausFrame::ArrangeControls()
{
    PanelMain->setGeometry(rect());
}

void TPapierHausFrame::PaintNetView(MCanvas& canvas)
{
    canvas.Clear(ShapeHintergrund->Color());
    if (m_initialised) {
        SyncColorsToParams();
        const TNetDevice device = TNetDevice::Screen(PixelsPerMetre, PixelsPerMillimetre, Params.LaschenGroesse);
        TNetGeometry net(Params, device);
        std::array<const QImage*, 4> pictures{};
        for (int i = 0; i < 4; ++i)
            pictures[i] = CheckBoxPicture[i]->isChecked() && !ImageWand[i].isNull() ? &ImageWand[i] : nullptr;
        net.AddHouseNet(pictures);
        DrawNetShapes(net.Shapes(), canvas);
        LabelFirsthoehe->setText(net.RidgeCaption());
    }
    try {
        RebuildBuilding();
        Update3DTwice();
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "paper house 3D view:" << e.what();
    }
}

bool TPapierHausFrame::eventFilter(QObject* watched, QEvent* event)
{
    const bool handled = TBaseFrame::eventFilter(watched, event);
    if (watched == Elevation3DFrame && event->type() == QEvent::Resize)
        CentreElevationOrigin();
    return handled;
}

// A resized 3D view fits the house anew.
void TPapierHausFrame::CentreElevationOrigin()
{
    if (!Elevation3DFrame || !Elevation3DFrame->View())
        return;
    // The paint box follows the visible area; it never scrolls.
    Elevation3DFrame->SetScrollRanges(0, 0);
    Update3DTwice();
}

void TPapierHausFrame::Update3DTwice()
{
    UpdateElevationView();
    UpdateElevationView();
}

void TPapierHausFrame::RebuildBuilding()
{
    if (!Elevation3DFrame || !Elevation3DFrame->Structure())
        return;
    MStructur& structure = *Elevation3DFrame->Structure();
    if (Building)
        structure.RemoveRep(Building);
    Building = nullptr;
    MGebaeudeRep& b = structure.Create<MGebaeudeRep>(0, 0, 0.0, 0.0);
    Building = &b;
    b.WallColor = ShapeHauswand->Color();
    b.GableColor = ShapeGiebelflaeche->Color();
    b.SolarColor = ShapeSolar->Color();
    b.RoofColor = ShapeDach->Color();
    b.GroundColor = ShapeUmgebung->Color();
    b.GebaudeLaenge = Params.Hauslaenge;
    b.GebaeudeBreite = Params.Hausbreite;
    b.GebaeudeHoehe = Params.Haushoehe;
    b.DachUeberstandx = Params.DachUeberstandX;
    b.DachUeberstandy = Params.DachUeberstandY;
    b.Nordrichtung = 0;
    b.Elevationgrad = TrackBarElevation->value();
    b.BuildFaces(0);
}

void TPapierHausFrame::UpdateElevationView()
{
    if (!Elevation3DFrame || !m_initialised)
        return;
    MVirtualView* view = Elevation3DFrame->View();
    if (!view)
        return;
    const double azimuth = TrackBarElevationBlickwinkel->value() + 90;
    const double tilt = TrackBarElevationKippwinkel->value();
    double scale = TrackBarElevationSize->value() * 0.8;
    // The whole house, ridge and ground plate, fills the view at the usual
    // size; the size slider scales that fit, the angles turn the house in it.
    view->SetProjection(1, azimuth, tilt);
    // The frame's own size: on a resize its paint box follows only later.
    const int border = 2 * Elevation3DFrame->ScrollBox->frameWidth();
    const QSize area = Elevation3DFrame->size() - QSize(border, border);
    if (Building && area.width() > 2 * kElevationMargin && area.height() > 2 * kElevationMargin) {
        const MGebaeudeRep::ProjectedExtent e = Building->Extent(*view);
        const double w = e.MaxU - e.MinU, h = e.MaxV - e.MinV;
        if (!e.Empty && w > 0 && h > 0) {
            const double fit = std::min((area.width() - 2 * kElevationMargin) / w, (area.height() - 2 * kElevationMargin) / h);
            scale = fit * TrackBarElevationSize->value() / kElevationFitSize;
            view->Origin3DX = RoundToInt(area.width() / 2.0 + scale * (e.MinU + e.MaxU) / 2);
            view->Origin3DY = RoundToInt(area.height() / 2.0 + scale * (e.MinV + e.MaxV) / 2);
        }
    }
    view->SetProjection(scale, azimuth, tilt);
    if (Building)
        Building->ComputeDepth(*view);
    Elevation3DFrame->Paint();
}

void TPapierHausFrame::ElevationTrackChange()
{
    try {
        RebuildBuilding();
        Update3DTwice();
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "paper house 3D view:" << e.what();
    }
}

void TPapierHausFrame::ApplyWallTexture()
{
    const int index = ComboBoxWaende->currentIndex();
    try {
        const QImage tile = WallTextureTile(index);
        if (!tile.isNull())
            WallTexture = tile;
        ImageWandstrukturPreviewPicture = WallTexture;
        if (index != 0) {
            TrackBarHelligkeit->show();
            LabelHelligkeit->show();
            LightenBitmap(ImageWandstrukturPreviewPicture, TrackBarHelligkeit->value() / 100.0);
            WallTexture = ImageWandstrukturPreviewPicture;
        } else {
            TrackBarHelligkeit->hide();
            LabelHelligkeit->hide();
        }
        ImageWandstrukturPreview->setPixmap(QPixmap::fromImage(ImageWandstrukturPreviewPicture));
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "paper house 3D view:" << e.what();
    }
    if (index != 0) {
        ImageWandstrukturPreview->show();
        if (!WallTexture.isNull()) {
            const QImage eaves = TileWallTexture(WallTexture, Params.Hauslaenge, Params.Haushoehe);
            const QImage gable = TileWallTexture(WallTexture, Params.Hausbreite, Params.Haushoehe);
            ImageWand = {eaves, gable, eaves, gable};
        }
        for (QCheckBox* box : CheckBoxPicture) {
            const QSignalBlocker quiet(box);
            box->setChecked(true);
        }
    } else {
        for (QCheckBox* box : CheckBoxPicture) {
            const QSignalBlocker quiet(box);
            box->setChecked(false);
        }
        WallTexture = QImage();
        ImageWandstrukturPreview->hide();
    }
    for (int i = 0; i < 4; ++i)
        Params.GrafikAnzeigen[i] = CheckBoxPicture[i]->isChecked();
    PaintNetView();
}
