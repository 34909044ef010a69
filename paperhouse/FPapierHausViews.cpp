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
#include <cmath>

using namespace tandrel::paperhouse;

void TPapierHausFrame::PaintNetView()
{
    if (!PaintBoxHaus)
        return;
    if (m_initialised) {
        // The scroll box scrolls over nets larger than the view, up to a
        // limit that keeps the picture small for absurd measures.
        const double l = Params.Hauslaenge, b = Params.Hausbreite, h = Params.Haushoehe;
        const double flap = Params.LaschenGroesse * m_pixelsPerMillimetre;
        const double w = 40 + (2 * l + 2 * b) * m_pixelsPerMetre + 20;
        const double below = b * m_pixelsPerMetre + flap + 20;
        const double above = (h + Params.RidgeHeight()) * m_pixelsPerMetre + flap;
        const double netHeight = std::max(100 * m_pixelsPerMillimetre + below, above + below);
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
    canvas.Clear(Params.ColorHintergrund);
    if (m_initialised) {
        const TNetDevice device = TNetDevice::Screen(m_pixelsPerMetre, m_pixelsPerMillimetre, Params.LaschenGroesse);
        TNetGeometry net(Params, device);
        std::array<const QImage*, 4> pictures{};
        for (int i = 0; i < 4; ++i)
            pictures[i] = Params.GrafikAnzeigen[i] && !m_imageWand[i].isNull() ? &m_imageWand[i] : nullptr;
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
    if (watched == m_elevation3DFrame && event->type() == QEvent::Resize)
        CentreElevationOrigin();
    return handled;
}

// A resized 3D view fits the house anew.
void TPapierHausFrame::CentreElevationOrigin()
{
    if (!m_elevation3DFrame || !m_elevation3DFrame->View())
        return;
    // The paint box follows the visible area; it never scrolls.
    m_elevation3DFrame->SetScrollRanges(0, 0);
    Update3DTwice();
}

void TPapierHausFrame::Update3DTwice()
{
    UpdateElevationView();
    UpdateElevationView();
}

void TPapierHausFrame::RebuildBuilding()
{
    if (!m_elevation3DFrame || !m_elevation3DFrame->Structure())
        return;
    MStructur& structure = *m_elevation3DFrame->Structure();
    if (m_building)
        structure.RemoveRep(m_building);
    m_building = nullptr;
    MGebaeudeRep& b = structure.Create<MGebaeudeRep>(0, 0, 0.0, 0.0);
    m_building = &b;
    b.WallColor = Params.ColorHauswand;
    b.GableColor = Params.ColorGiebel;
    b.SolarColor = Params.ColorSolar;
    b.RoofColor = Params.ColorDach;
    b.GroundColor = Params.ColorUmgebung;
    b.GebaudeLaenge = Params.Hauslaenge;
    b.GebaeudeBreite = Params.Hausbreite;
    b.GebaeudeHoehe = Params.Haushoehe;
    b.DachUeberstandx = Params.DachUeberstandX;
    b.DachUeberstandy = Params.DachUeberstandY;
    b.Nordrichtung = 0;
    b.Elevationgrad = Params.DachNeigung;
    b.BuildFaces(0);
}

void TPapierHausFrame::UpdateElevationView()
{
    if (!m_elevation3DFrame || !m_initialised)
        return;
    MVirtualView* view = m_elevation3DFrame->View();
    if (!view)
        return;
    const double azimuth = Params.Blickwinkel + 90;
    const double tilt = Params.Kippwinkel;
    double scale = Params.Size * 0.8;
    // The whole house, ridge and ground plate, fills the view at the usual
    // size; the size slider scales that fit, the angles turn the house in it.
    view->SetProjection(1, azimuth, tilt);
    // The frame's own size: on a resize its paint box follows only later.
    const int border = 2 * m_elevation3DFrame->ScrollBox->frameWidth();
    const QSize area = m_elevation3DFrame->size() - QSize(border, border);
    if (m_building && area.width() > 2 * kElevationMargin && area.height() > 2 * kElevationMargin) {
        const MGebaeudeRep::ProjectedExtent e = m_building->Extent(*view);
        const double w = e.MaxU - e.MinU, h = e.MaxV - e.MinV;
        if (!e.Empty && w > 0 && h > 0) {
            const double fit = std::min((area.width() - 2 * kElevationMargin) / w, (area.height() - 2 * kElevationMargin) / h);
            scale = fit * Params.Size / kElevationFitSize;
            view->Origin3DX = RoundToInt(area.width() / 2.0 + scale * (e.MinU + e.MaxU) / 2);
            view->Origin3DY = RoundToInt(area.height() / 2.0 + scale * (e.MinV + e.MaxV) / 2);
        }
    }
    view->SetProjection(scale, azimuth, tilt);
    if (m_building)
        m_building->ComputeDepth(*view);
    m_elevation3DFrame->Paint();
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
    const int index = Params.Wandstruktur;
    try {
        // Decoded at the size the walls and the preview draw it, not in full.
        const int preview = int(std::ceil(ImageWandstrukturPreview->width() * devicePixelRatioF()));
        const QImage tile = WallTextureTile(index, WallTextureTileSide(Params.Haushoehe, preview));
        if (!tile.isNull())
            m_wallTexture = tile;
        m_wallTexturePreview = m_wallTexture;
        if (index != 0) {
            TrackBarHelligkeit->show();
            LabelHelligkeit->show();
            LightenBitmap(m_wallTexturePreview, TrackBarHelligkeit->value() / 100.0);
            m_wallTexture = m_wallTexturePreview;
        } else {
            TrackBarHelligkeit->hide();
            LabelHelligkeit->hide();
        }
        ImageWandstrukturPreview->setPixmap(QPixmap::fromImage(m_wallTexturePreview));
    } catch (const std::exception& e) {
        qCWarning(lcTandrelFrames) << "paper house 3D view:" << e.what();
    }
    if (index != 0) {
        ImageWandstrukturPreview->show();
        if (!m_wallTexture.isNull()) {
            const QImage eaves = TileWallTexture(m_wallTexture, Params.Hauslaenge, Params.Haushoehe);
            const QImage gable = TileWallTexture(m_wallTexture, Params.Hausbreite, Params.Haushoehe);
            m_imageWand = {eaves, gable, eaves, gable};
        }
    } else {
        m_wallTexture = QImage();
        ImageWandstrukturPreview->hide();
    }
    // A texture shows on every wall, no structure on none.
    Params.GrafikAnzeigen.fill(index != 0);
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(CheckBoxPicture[i]);
        CheckBoxPicture[i]->setChecked(Params.GrafikAnzeigen[i]);
    }
    PaintNetView();
}
