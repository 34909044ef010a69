// The net view, the 3D view and the wall surfaces of the paper-house frame.
#include "paperhouse/FPapierHausFrame.h"

#include "app/CommonFunctions.h"
#include "app/FrameIds.h"
#include "drawing/Canvas.h"
#include "drawing/FGraphic3DFrame.h"
#include "drawing/Reps3D.h"
#include "drawing/Rounding.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "paperhouse/NetGeometry.h"
#include "paperhouse/WallSurfaces.h"
#include "roof/IRoofPlanner.h"

#include "platform/Logging.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPolygonF>
#include <QScrollArea>
#include <QSlider>
#include <algorithm>
#include <cmath>

using namespace tandrel::paperhouse;

namespace {

// Grey boxes with a darker outline, as in the roof planner.
constexpr tandrel::platform::ColorRef kObstacleFill = 0xA0A0A0, kObstacleSide = 0x8C8C8C, kObstacleOutline = 0x505050;
// A chimney's top stands this far above its highest corner on the roof.
constexpr double kChimneyRise = 0.8;
// Flat obstacles lie this far above the roof plane.
constexpr double kObstacleLift = 0.03;

struct TPoint3D {
    double x, y, z;
};

// The obstacles of the roof planner on the building's front roof plane (the
// one with the solar field): its eaves run along x from the left gable, its
// slope from the eaves to the ridge. Roof-planner metres are taken as
// fractions of the planner's roof, so they stay on the plane.
void AddObstacleFaces(MGebaeudeRep& b, const std::vector<TRoofObstacle>& obstacles, double eaves, double gable)
{
    if (obstacles.empty() || !(eaves > 0) || !(gable > 0))
        return;
    const double L = b.GebaudeLaenge, W = b.GebaeudeBreite, H = b.GebaeudeHoehe;
    const double ox = b.DachUeberstandx, oy = b.DachUeberstandy;
    const MGebaeudeRep::RoofShape shape = b.ComputeRoofShape();
    const double hr = shape.RidgeHeight, r = shape.Run, s = std::hypot(hr, r);
    if (!(s > 0))
        return;
    const double u = oy * r / s, v = oy * hr / s;
    const TPoint3D origin{-L / 2 - ox, W / 2 + u, H - v};
    const TPoint3D along{L + 2 * ox, 0, 0}, up{0, -r - u, hr + v};
    // The plane's outward normal (towards +y and up).
    const TPoint3D normal{0, hr / s, r / s};
    auto at = [&](const QPointF& p, double lift) {
        const double fx = p.x() / eaves, fy = p.y() / gable;
        return TPoint3D{origin.x + fx * along.x + fy * up.x + lift * normal.x,
                        origin.y + fx * along.y + fy * up.y + lift * normal.y,
                        origin.z + fx * along.z + fy * up.z + lift * normal.z};
    };
    const QPolygonF roof(QRectF(0, 0, eaves, gable));
    // Over the roof and its solar field wherever on the plane they stand
    // (the field's bias is one less than the roof's).
    const double bias = -(W + L) / 2 - 1 - (s + oy + kChimneyRise + 1);
    MStructur& faces = b.Structure();
    auto face = [&](const std::vector<TPoint3D>& corners, tandrel::platform::ColorRef fill) {
        std::vector<double> xs, ys, zs;
        for (const TPoint3D& c : corners) {
            xs.push_back(c.x);
            ys.push_back(c.y);
            zs.push_back(c.z);
        }
        auto& f = faces.Create<MFlaeche3DRep>(1014, 20, 0.0, 0.0);
        f.FillColor = fill;
        f.PenColor = kObstacleOutline;
        f.Layer = 0;
        f.DepthBias = bias;
        f.SetPolygon(std::move(xs), std::move(ys), std::move(zs));
    };
    for (const TRoofObstacle& o : obstacles) {
        QPolygonF outline;
        for (const QPointF& p : o.Outline)
            if (std::isfinite(p.x()) && std::isfinite(p.y()))
                outline << p;
        // An obstacle left outside a smaller roof shows only where it is on it.
        outline = outline.intersected(roof);
        if (outline.size() > 1 && outline.first() == outline.last())
            outline.removeLast();
        if (outline.size() < 3)
            continue;
        if (o.Kind != TRoofObstacleKind::Chimney) {
            std::vector<TPoint3D> corners;
            for (const QPointF& p : outline)
                corners.push_back(at(p, kObstacleLift));
            face(corners, kObstacleFill);
            continue;
        }
        // A chimney stands up: walls from the roof to a level top.
        std::vector<TPoint3D> base;
        double top = -1e300;
        for (const QPointF& p : outline) {
            base.push_back(at(p, 0));
            top = std::max(top, base.back().z + kChimneyRise);
        }
        for (std::size_t i = 0; i < base.size(); ++i) {
            const TPoint3D& a = base[i];
            const TPoint3D& c = base[(i + 1) % base.size()];
            face({a, c, {c.x, c.y, top}, {a.x, a.y, top}}, kObstacleSide);
        }
        std::vector<TPoint3D> lid;
        for (const TPoint3D& p : base)
            lid.push_back({p.x, p.y, top});
        face(lid, kObstacleFill);
    }
}

} // namespace

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
    // The roof planner's obstacles stand on the roof; the faces are not turned (north 0).
    if (const auto* roof = qobject_cast<IRoofPlanner*>(FindFrame(FrameId::Dachplanung2D)))
        AddObstacleFaces(b, roof->Obstacles(), Params.RoofEavesSideLength(), Params.RoofGableSideLength());
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
