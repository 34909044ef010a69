#include "paperhouse/PaperHouseLayout.h"

#include "paperhouse/PaperHousePdf.h"
#include "pdf/PdfWriter.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace tandrel::paperhouse {

namespace {

// Half the outline's width with a little to spare (a 1 px pen is 0.26 mm).
constexpr double kInkReach = 0.2;
// Corners of pieces that meet are computed from the same measures; sums in
// another order differ in the last digits only.
constexpr double kSameCorner = 1e-6;

std::vector<QPointF> Corners(const TNetShape& s)
{
    if (s.kind == TNetShape::Kind::Polygon)
        return s.points;
    const QPointF a = s.points[0], b = s.points[1];
    return {a, {b.x(), a.y()}, b, {a.x(), b.y()}};
}

bool Outline(const TNetShape& s)
{
    return s.kind != TNetShape::Kind::Picture && (s.role == TNetShape::Role::Piece || s.role == TNetShape::Role::Flap);
}

bool Near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < kSameCorner && std::abs(a.y() - b.y()) < kSameCorner;
}

QRectF Box(const std::vector<QPointF>& points)
{
    double x1 = points[0].x(), x2 = x1, y1 = points[0].y(), y2 = y1;
    for (const QPointF& p : points) {
        x1 = std::min(x1, p.x());
        x2 = std::max(x2, p.x());
        y1 = std::min(y1, p.y());
        y2 = std::max(y2, p.y());
    }
    return QRectF(QPointF(x1, y1), QPointF(x2, y2));
}

// Digit height of the numbers (cap height of Helvetica).
double DigitHeight()
{
    return kGlueNumberSize * 25.4 / 72 * 0.72;
}

// A fill colour a faint piece takes: three quarters of the way to white.
ColorRef Pale(ColorRef c)
{
    auto pale = [](int v) { return v + (255 - v) * 3 / 4; };
    return ColorRef(pale(c & 0xFF)) | ColorRef(pale((c >> 8) & 0xFF)) << 8 | ColorRef(pale((c >> 16) & 0xFF)) << 16;
}

constexpr ColorRef kFaintLine = 0xB4B4B4;

}  // namespace

QRectF PrintArea(double pageWidth, double pageHeight)
{
    return QRectF(kPrintMargin, kPrintMargin, pageWidth - 2 * kPrintMargin, pageHeight - 2 * kPrintMargin);
}

TKitPage::TKitPage(const TPaperHouseParams& params, double originX, double originY)
    : m_net(params, TNetDevice::Pdf(MillimetresPerMetre(params.Massstab), originX, originY, params.LaschenGroesse))
{
}

void TKitPage::AddMark(QPointF at, int number)
{
    m_marks.emplace_back(at, number);
}

void TKitPage::AddPicture(const QRectF& at, const QImage* picture)
{
    if (picture && !picture->isNull())
        m_pictures.emplace_back(at.normalized(), picture);
}

void TKitPage::Tag(int group)
{
    m_groups.emplace_back(m_net.Shapes().size(), group);
}

bool TKitPage::Faint(std::size_t shape) const
{
    if (m_emphasis.empty())
        return false;
    std::size_t from = 0;
    for (const auto& [end, group] : m_groups) {
        if (shape >= from && shape < end)
            return std::find(m_emphasis.begin(), m_emphasis.end(), group) == m_emphasis.end();
        from = end;
    }
    return false;
}

QRectF TKitPage::Bounds() const
{
    QRectF bounds;
    for (const TNetShape& s : m_net.Shapes()) {
        const std::vector<QPointF> c = Corners(s);
        std::vector<QPointF> scaled;
        for (const QPointF& p : c)
            scaled.push_back(p * m_scale);
        const QRectF box = Box(scaled).adjusted(-kInkReach, -kInkReach, kInkReach, kInkReach);
        bounds = bounds.isNull() ? box : bounds.united(box);
    }
    return bounds;
}

bool TKitPage::Place(const QRectF& area)
{
    const QRectF b = Bounds();
    auto move = [](double low, double high) {
        // low: the move that brings the start to the area's start; high: the
        // end to its end. Too large a piece keeps its start in the area.
        if (low > high)
            return low;
        return std::clamp(0.0, low, high);
    };
    m_shift = QPointF(move(area.left() - b.left(), area.right() - b.right()),
                      move(area.top() - b.top(), area.bottom() - b.bottom()));
    m_fits = b.width() <= area.width() + 1e-9 && b.height() <= area.height() + 1e-9;
    return m_fits;
}

QPointF TKitPage::Map(double x, double y) const
{
    return QPointF(Device().X(x), Device().Y(y)) * m_scale + m_shift;
}

QRectF TKitPage::MapRect(double x, double y, double width, double height) const
{
    return QRectF(Map(x, y + height), Map(x + width, y)).normalized();
}

std::vector<QRectF> TKitPage::Occupied() const
{
    std::vector<QRectF> boxes;
    for (const TNetShape& s : m_net.Shapes())
        if (Outline(s))
        {
            const QRectF b = Box(Corners(s));
            boxes.push_back(QRectF(b.topLeft() * m_scale, b.bottomRight() * m_scale)
                                .translated(m_shift)
                                .adjusted(-kInkReach, -kInkReach, kInkReach, kInkReach));
        }
    return boxes;
}

QPointF TKitPage::Label(const TNetMark& mark, double width, double height) const
{
    // Just inside the edge, first at its middle, then further out, never
    // over a window or a door of the page.
    std::vector<QRectF> elements;
    for (const TNetShape& s : m_net.Shapes())
        if (s.role == TNetShape::Role::Element)
            elements.push_back(Box(Corners(s)));
    const QPointF a = mark.a, b = mark.b;
    const double inset = 1.2 + (std::abs(mark.inward.x()) > 0 ? width : height) / 2;
    const double shares[] = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.1, 0.9};
    for (double t : shares) {
        const QPointF c = a + (b - a) * t + mark.inward * inset;
        const QRectF label(c.x() - width / 2 - 0.3, c.y() - height / 2 - 0.3, width + 0.6, height + 0.6);
        if (std::none_of(elements.begin(), elements.end(), [&](const QRectF& e) { return e.intersects(label); }))
            return c;
    }
    return a + (b - a) * 0.5 + mark.inward * inset;
}

void TKitPage::Draw(PdfWriter& pdf) const
{
    const std::vector<TNetShape>& shapes = m_net.Shapes();
    auto moved = [&](QPointF p) { return p * m_scale + m_shift; };

    // Fills and pictures first: a wall picture must not hide a fold line.
    pdf.SetPen(0, 1, PdfWriter::PenStyle::Clear);
    std::vector<QPointF> poly;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TNetShape& s = shapes[i];
        const bool faint = Faint(i);
        switch (s.kind) {
        case TNetShape::Kind::Rectangle:
            pdf.SetBrush(faint ? Pale(s.fill) : s.fill);
            pdf.Rectangle(moved(s.points[0]).x(), moved(s.points[0]).y(), moved(s.points[1]).x(),
                          moved(s.points[1]).y());
            break;
        case TNetShape::Kind::Polygon:
            pdf.SetBrush(faint ? Pale(s.fill) : s.fill);
            poly.clear();
            for (const QPointF& p : s.points)
                poly.push_back(moved(p));
            pdf.Polygon(poly);
            break;
        case TNetShape::Kind::Picture:
            if (!faint)
                pdf.DrawImage(QRectF(moved(s.points[0]), moved(s.points[1])).normalized(), *s.picture);
            break;
        }
    }

    for (const auto& [at, picture] : m_pictures)
        pdf.DrawImage(QRectF(moved(at.topLeft()), moved(at.bottomRight())), *picture);

    // Cut and fold lines: an edge another piece (or a flap) shares is folded,
    // every other edge of a piece is cut; a shared edge is drawn once.
    struct Edge {
        QPointF a, b;
        std::size_t shape;
    };
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (!Outline(shapes[i]))
            continue;
        const std::vector<QPointF> c = Corners(shapes[i]);
        for (std::size_t k = 0; k < c.size(); ++k) {
            const QPointF a = c[k], b = c[(k + 1) % c.size()];
            if (!Near(a, b))
                edges.push_back({a, b, i});
        }
    }
    // A fold between a faint piece and an emphasised one belongs to the latter.
    std::vector<QLineF> cuts, folds, faintCuts, faintFolds;
    for (const Edge& e : edges) {
        bool shared = false, first = true, faint = Faint(e.shape);
        for (const Edge& o : edges) {
            if (o.shape == e.shape)
                continue;
            if ((Near(e.a, o.a) && Near(e.b, o.b)) || (Near(e.a, o.b) && Near(e.b, o.a))) {
                shared = true;
                first = first && e.shape < o.shape;
                faint = faint && Faint(o.shape);
            }
        }
        if (!shared)
            (faint ? faintCuts : cuts).emplace_back(moved(e.a), moved(e.b));
        else if (first)
            (faint ? faintFolds : folds).emplace_back(moved(e.a), moved(e.b));
    }
    auto lines = [&](const std::vector<QLineF>& solid, const std::vector<QLineF>& dashed, ColorRef colour) {
        pdf.SetPen(colour);
        for (const QLineF& l : solid)
            pdf.Line(l.x1(), l.y1(), l.x2(), l.y2());
        pdf.SetPen(colour, 1, PdfWriter::PenStyle::FineDash);
        for (const QLineF& l : dashed)
            pdf.Line(l.x1(), l.y1(), l.x2(), l.y2());
    };
    if (!faintCuts.empty() || !faintFolds.empty())
        lines(faintCuts, faintFolds, kFaintLine);
    lines(cuts, folds, 0);

    if (m_scale != 1)
        return;
    // Glue numbers: on the flap, and on a white spot just inside the edge it
    // goes to, where a wall picture would make it hard to read.
    pdf.SetFont(QStringLiteral("Arial"), kGlueNumberSize, kPaperHouseTextColor, PdfWriter::Bold);
    const double h = DigitHeight();
    auto number = [&](QPointF centre, int n, bool spot) {
        const QString text = QString::number(n);
        const double w = pdf.TextWidth(text);
        if (spot) {
            pdf.SetPen(0, 1, PdfWriter::PenStyle::Clear);
            pdf.SetBrush(tandrel::platform::kColorWhite);
            pdf.Rectangle(centre.x() - w / 2 - 0.4, centre.y() - h / 2 - 0.4, centre.x() + w / 2 + 0.4,
                          centre.y() + h / 2 + 0.4);
        }
        pdf.SetBrush(tandrel::platform::kColorWhite, PdfWriter::BrushStyle::Clear);
        // TextOut places the cell's top; the digits stand on the baseline.
        pdf.TextOut(centre.x() - w / 2, centre.y() - h / 2 - kGlueNumberSize * 25.4 / 72 * (0.718 - 0.72), text);
    };
    for (const TNetShape& s : shapes) {
        if (s.role != TNetShape::Role::Flap || s.glue <= 0)
            continue;
        QPointF c;
        for (const QPointF& p : s.points)
            c += p;
        number(moved(c / double(s.points.size())), s.glue, false);
    }
    for (const TNetMark& m : m_net.Marks()) {
        const double w = pdf.TextWidth(QString::number(m.number));
        number(moved(Label(m, w, h)), m.number, true);
    }
    for (const auto& [at, n] : m_marks)
        number(moved(at), n, true);
}

}  // namespace tandrel::paperhouse
